#include "app/main/mainlayout.h"

namespace {

void setSize(double& size, double value)
{
    if (value >= 0)
        size = value;
}

} // namespace

void arrangeMainWindow(MainWindowPlaces& p, double W, double H)
{
    setSize(p.tabsWidth, W - 300);
    setSize(p.tabsHeight, H - 1500);
    p.frameLeft = (p.tabsWidth - p.frameWidth) / 2; // the pages stay centred in the strip
    setSize(p.frameHeight, p.tabsHeight - 500);
    p.lstSelectTop = p.tabsHeight - p.lstSelectHeight - 500;
    setSize(p.lstSelectedHeight, p.tabsHeight - p.lstSelectHeight - 700);
    setSize(p.splitterHeight, p.tabsHeight - 650);
    setSize(p.splitterWidth, p.lstListWidth);
    setSize(p.helpHeight, p.tabsHeight - 650);
    p.txtAnswerTop = p.lstSelectTop + p.lstSelectHeight - p.txtAnswerHeight;
}

QRect startingFrame(QRect frame, const QRect& available)
{
    frame.moveCenter(available.center());
    frame.moveTop(qMax(frame.top(), available.top()));
    return frame;
}
