#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;
class UniListBox;

// Controls the practice pages share in their designed look.

// A bold, centred caption, in `colour` when one is given.
QLabel* makeCaption(QWidget* page, const char* name, const QRect& place, const QString& text,
                    const QColor& colour = {});

// A list of Arabic items in the designed large bold face.
UniListBox* makeArabicList(QWidget* page, const char* name, const QRect& place);

// The digit a key typed, 1 to 9, in Western, Arabic-Indic or Persian digits; 0 for any other.
int typedDigit(const QString& text);
