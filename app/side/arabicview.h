#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QSize;
class QTextBrowser;
class QWidget;

// The panes of Arabic text the side windows show.

// Arabic text to read, right to left, wrapped and scrolled however large the face.
QTextBrowser* arabicView(const QFont& font, const char* name, QWidget* parent);

// A side window's size: room for `lines` lines of `font` and `extra` pixels of controls, at
// least `least` high, at any zoom, within the screen of `window`.
QSize arabicWindowSize(const QWidget* window, const QFont& font, int lines, int extra, int least);

// Paragraphs of right-to-left text, already escaped.
QString rightToLeft(const QStringList& paragraphs);
