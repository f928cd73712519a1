// frmMain: the Lister, which shows the items of the range one after another.

#include "frmMain.h"

#include "common/IntervalTimer.h"
#include "itemlist.h"
#include "listing.h"
#include "listmessages.h"
#include "slider/RailSlider.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

void frmMain::cmdRestartListing_Click()
{
    if (colRange.isEmpty()) {
        showOpenFileMessage(this);
        return;
    }
    lstList->Clear();
    intListPos = 1;
    Timer2_Timer();
}

void frmMain::cmdManualListing_Click()
{
    Timer2_Timer();
}

void frmMain::Timer2_Timer()
{
    if (colRange.isEmpty())
        return;
    if (intListPos > colRange.size()) {
        if (!chkRestartListing->isChecked() || sdrListingSpeed->Value() == listing::kQuickSpeed)
            return; // finished: ticks do nothing until the next restart
        lstList->Clear();
        intListPos = 1;
    }
    const QString& item = colRange.at(intListPos);
    // Numbered from the range's own first item: the Tester moves its next item on its own.
    const int number = colRange.first() + intListPos - 1;
    lstList->AddItem(listing::entry(blnWordMode, number, getDisplayWords(item)), -1, intListPos);
    txtCompleteText->setText(item);
    lstList->setListIndex(lstList->NewIndex());
    if (sdrListingSpeed->Value() == listing::kManualSpeed)
        putReferenceOnClipboard();
    ++intListPos;
}

void frmMain::sdrListingSpeed_ValueChanged()
{
    cmdManualListing->hide();
    const std::optional<listing::Speed> speed = listing::speed(sdrListingSpeed->Value());
    if (!speed)
        return;
    lblSpeed->setText(speed->caption);
    Timer2->setInterval(speed->interval);
    if (sdrListingSpeed->Value() == listing::kManualSpeed)
        cmdManualListing->show();
}

void frmMain::lstList_Click()
{
    const int position = lstList->ItemData(lstList->ListIndex());
    if (position >= 1 && position <= colRange.size())
        txtCompleteText->setText(colRange.at(position));
}

void frmMain::lstList_DblClick()
{
    putReferenceOnClipboard();
}

void frmMain::putReferenceOnClipboard()
{
    // A clipboard held elsewhere is no reason to stop the listing.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(listing::reference(strListName, lstList->ListIndex() + 1));
}
