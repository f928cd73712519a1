#pragma once

#include <QRect>

// The places of the main window's controls that follow its size, in twips.
struct MainWindowPlaces {
    double tabsWidth = 0;
    double tabsHeight = 0;
    double frameLeft = 0;
    double frameWidth = 0;
    double frameHeight = 0;
    double lstSelectTop = 0;
    double lstSelectHeight = 0;
    double lstSelectedHeight = 0;
    double splitterWidth = 0;
    double splitterHeight = 0;
    double lstListWidth = 0;
    double helpHeight = 0;
    double txtAnswerTop = 0;
    double txtAnswerHeight = 0;
};

// Re-arranges for an outer window size of W x H twips (frame, title bar and menu included).
// A step that would give a negative size is skipped and the next step runs.
void arrangeMainWindow(MainWindowPlaces& places, double W, double H);

// Where a window whose frame is `frame` first appears on a screen whose free area is
// `available`: centred, but with its title bar on the screen when it is taller than the screen.
QRect startingFrame(QRect frame, const QRect& available);
