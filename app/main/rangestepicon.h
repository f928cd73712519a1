#pragma once

#include <QIcon>

// The small arrows of the two stepping buttons, drawn by the program.
QIcon rangeStepIcon(Qt::ArrowType direction);
