#pragma once

#include <QPlainTextEdit>

// The box an entry is written in from memory: it takes at most `longest` characters, however
// they come (a paste is cut before it reaches the box), and no control that would reverse the
// direction of the words after it.
class AnswerBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit AnswerBox(QWidget* parent = nullptr);
    void setLongest(int longest) { m_longest = longest; }

signals:
    // Typed or pasted text was cut at the longest an answer may be.
    void cut(int longest);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    void keepWithinBounds();

    int m_longest = 0;
};
