#pragma once

#include <QString>

class QWidget;

// The messages about opening lists that several windows show.

// The caption of plain error boxes: the program's title.
QString programTitle();

// No list file at the path that was to be opened (or a folder instead of a file).
void showNoItemSelectedMessage(QWidget* parent);

// An action needs a list and none is open.
void showOpenFileMessage(QWidget* parent);

// An error's description in a plain box: OK button, no icon, the program's title.
void showErrorMessage(QWidget* parent, const QString& text);

// A passage of Today's plan is no longer in its list, edited since the plan was made.
void showPassageGoneMessage(QWidget* parent, const QString& title, const QString& references);
