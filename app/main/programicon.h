#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: the letter zay on a green tile, the same picture the desktop shows.
QIcon programIcon();

// One frame of the About box's animated picture, 242 x 67 pixels; `phase` runs from 0 to 1.
QPixmap aboutPicture(double phase);
