// frmMain: the Lister, which shows the items of the range one after another. The listing
// itself is `m_lister`; these handlers show what it lists.

#include "frmMain.h"

#include "accessibility/announce.h"
#include "common/IntervalTimer.h"
#include "itemlist.h"
#include "listing.h"
#include "listmessages.h"
#include "slider/RailSlider.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"

#include <QCheckBox>
#include <QClipboard>
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
    m_lister.restart(colRange);
    Timer2_Timer();
}

void frmMain::cmdManualListing_Click()
{
    Timer2_Timer();
}

void frmMain::Timer2_Timer()
{
    const std::optional<ListerSession::Step> step = m_lister.step();
    if (step) {
        if (step->startedOver)
            lstList->Clear();
        // A prompt shows only the start of the item; its reveal replaces that row.
        const QString shown = step->prompt
                                  ? listing::entry(blnWordMode, step->number,
                                                   listing::recallPrompt(step->text, blnWordMode))
                                  : withTabsAsGaps(listing::entry(blnWordMode, step->number,
                                                                  getDisplayWords(step->text)));
        if (step->reveal) {
            lstList->setList(lstList->NewIndex(), shown);
        } else {
            lstList->AddItem(shown, -1, step->position);
            lstList->setListIndex(lstList->NewIndex());
            if (m_lister.speed() == listing::kManualSpeed)
                putReferenceOnClipboard();
        }
        // A prompt keeps the whole item to itself until it is revealed.
        txtCompleteText->setText(step->prompt ? QString() : step->text);
        announce(lstList, step->prompt ? shown : step->text);
    }
    runListingClockWhenNeeded();
}

// The clock wakes the program only while a tick can show something.
void frmMain::runListingClockWhenNeeded()
{
    Timer2->setEnabled(m_lister.needsClock());
}

void frmMain::sdrListingSpeed_ValueChanged()
{
    cmdManualListing->hide();
    const std::optional<listing::Speed> speed = listing::speed(sdrListingSpeed->Value());
    if (!speed)
        return;
    m_lister.setSpeed(sdrListingSpeed->Value());
    lblSpeed->setText(speed->caption);
    // Recalling first, each interval holds the prompt and the reveal.
    Timer2->setInterval(m_lister.recallFirst() ? speed->interval / 2 : speed->interval);
    if (sdrListingSpeed->Value() == listing::kManualSpeed)
        cmdManualListing->show();
    runListingClockWhenNeeded();
}

void frmMain::chkRestartListing_Click()
{
    m_lister.setRestartOnFinish(chkRestartListing->isChecked());
    runListingClockWhenNeeded();
}

void frmMain::chkRecallFirst_Click()
{
    m_lister.setRecallFirst(chkRecallFirst->isChecked());
    m_settings.setRecallFirst(chkRecallFirst->isChecked());
    sdrListingSpeed_ValueChanged(); // the interval follows
}

void frmMain::lstList_Click()
{
    const PracticeRange& listed = m_lister.range();
    const int position = lstList->ItemData(lstList->ListIndex());
    if (position >= 1 && position <= listed.size())
        txtCompleteText->setText(listed.at(position));
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
