#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QTextBrowser;
class QWidget;

// The panes of Arabic text the side windows show.

// Arabic text to read, right to left, wrapped and scrolled however large the face.
QTextBrowser* arabicView(const QFont& font, const char* name, QWidget* parent);

// Paragraphs of right-to-left text, already escaped.
QString rightToLeft(const QStringList& paragraphs);
