#pragma once

#include <QList>
#include <QString>

// A word typed in a search, as it meets the words of a folded text (arabicfold): a text word
// is the word itself or the word with its attached letters before it: و or ف, then ب ل ك or
// س, then the article (ال, or ل with it as لل). Nothing else of a longer word meets it
// (قال is not found in مثقال). A word still being typed may also begin a text word.
class TypedWord {
public:
    TypedWord(const QString& folded, bool beginning);

    // The numbers of the words (0-based) of `foldedText` that it meets.
    QList<int> wordsIn(QStringView foldedText) const;
    bool meets(QStringView foldedWord) const { return !wordsIn(foldedWord).isEmpty(); }

private:
    bool fitsBefore(QStringView head) const;

    QString m_needle;           // what must stand in the text word
    bool m_withArticle = false; // the typed article was taken off the needle
    bool m_beginning = false;
};
