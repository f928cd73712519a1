#include "app/side/SideWindows.h"

#include "app/files/listmessages.h"
#include "app/main/MainMenus.h"
#include "app/main/readingfonts.h"
#include "app/progress/MemoryView.h"
#include "app/progress/ProgressWindow.h"
#include "app/settings/ZorvelSettings.h"
#include "app/side/FindWindow.h"
#include "app/side/RecitalWindow.h"
#include "app/side/TodayWindow.h"
#include "controls/common/placement.h"

#include "app/side/WriteWindow.h"
#include "controls/common/FileDialog.h"
#include "practice/plan/todayrow.h"
#include "practice/recitation/Recitation.h"
#include "practice/search/PassageFinder.h"
#include "practice/session/Practice.h"
#include "practice/session/progressdata.h"
#include "textfiles/atomicsave.h"
#include <QScreen>

#include <QAction>
#include <QDate>
#include <QDir>
#include <QStandardPaths>

SideWindows::SideWindows(QWidget* window, MainMenus& menus, Practice& practice,
                         ZorvelSettings& settings)
    : QObject(window)
    , m_window(window)
    , m_practice(practice)
    , m_settings(settings)
{
    connect(menus.mnuViewFind, &QAction::triggered, this, &SideWindows::mnuViewFind_Click);
    connect(menus.mnuViewProgress, &QAction::triggered, this, &SideWindows::mnuViewProgress_Click);
    connect(menus.mnuViewToday, &QAction::triggered, this, &SideWindows::mnuViewToday_Click);
    connect(menus.mnuViewWrite, &QAction::triggered, this, &SideWindows::mnuViewWrite_Click);
    connect(menus.mnuViewRecital, &QAction::triggered, this, [this] {
        if (requireOpenList())
            recite(m_practice.range().first(), m_practice.range().last());
    });
    connect(&practice, &Practice::rangeApplied, this, [this] {
        if (m_write)
            m_write->showEntry();
    });
    connect(&practice, &Practice::testCompleted, this, &SideWindows::refresh);
    connect(&practice, &Practice::sharedAnswersArrived, this, &SideWindows::refresh);
    // A fit kept makes every plan and strength again (first: its outcome is said after).
    connect(&practice, &Practice::fitFinished, this, &SideWindows::refresh);
}

bool SideWindows::requireOpenList()
{
    if (m_practice.hasList())
        return true;
    showOpenFileMessage(m_window);
    return false;
}

void SideWindows::mnuViewFind_Click()
{
    if (!requireOpenList())
        return;
    FindWindow find(
        m_practice.finder(), [this](int number) { return m_practice.placedReference(number); },
        readingFontAtZoom(m_settings, false), m_window);
    connect(&find, &FindWindow::chosen, &m_practice, &Practice::chooseFound);
    find.exec();
}

void SideWindows::mnuViewProgress_Click()
{
    if (!requireOpenList())
        return;
    if (!m_progress) {
        m_progress =
            new ProgressWindow(progressToday(), readingFontAtZoom(m_settings, false), m_window);
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_progress, &ProgressWindow::practise, &m_practice, &Practice::practiseFrom);
        connect(m_progress, &ProgressWindow::exportAsked, this, &SideWindows::exportMemory);
        connect(m_progress, &ProgressWindow::practisePair, this, &SideWindows::practisePair);
        connect(m_progress, &ProgressWindow::practiseDivision, &m_practice,
                &Practice::chooseDivision);
        MemoryView* memory = m_progress->memory();
        connect(memory, &MemoryView::fit, &m_practice, &Practice::fitMemory);
        connect(memory, &MemoryView::cancel, &m_practice, &Practice::cancelFit);
        connect(memory, &MemoryView::useDefaults, this, [this] {
            m_practice.useDefaultWeights();
            refresh();
        });
        connect(&m_practice, &Practice::fitProgressed, memory, &MemoryView::showFitting);
        connect(&m_practice, &Practice::fitFinished, memory, &MemoryView::showOutcome);
        if (m_practice.isFitting())
            memory->showFitting(0);
        connect(m_progress, &ProgressWindow::reciteRange, this,
                [this] { recite(m_practice.range().first(), m_practice.range().last()); });
    } else {
        refreshProgress();
    }
    m_progress->show();
    m_progress->raise();
}

void SideWindows::mnuViewWrite_Click()
{
    if (!requireOpenList())
        return;
    if (!m_write) {
        m_write = new WriteWindow(m_practice, readingFontAtZoom(m_settings, false),
                                  m_settings.writeMarks(), m_window);
        m_write->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_write, &WriteWindow::marksTooChanged, this,
                [this](bool on) { m_settings.setWriteMarks(on); });
        m_write->setRecitation(m_recitation);
    }
    m_write->show();
    m_write->raise();
    m_write->activateWindow();
}

void SideWindows::recite(int first, int last)
{
    RecitalWindow recital(m_practice, first, last, readingFontAtZoom(m_settings, false),
                          m_recitation, m_window);
    connect(&recital, &RecitalWindow::recorded, this, &SideWindows::refresh);
    recital.exec();
}

// Today reads the whole history afresh: every list the learner practises, not only the open one.
void SideWindows::mnuViewToday_Click()
{
    if (!m_today) {
        m_today = new TodayWindow(m_window);
        m_today->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_today, &TodayWindow::practise, this, [this](const TodayRow& row) {
            emit practise(row);
            keepTodayAside();
        });
        m_today->setChoices(m_settings.planOptions(), m_settings.todayAtStart(),
                            m_settings.todayRecalls());
        // A passage of another list is opened to be heard, as Practise opens it.
        connect(m_today, &TodayWindow::listen, this, [this](const TodayRow& row) {
            if (row.path != m_practice.path() || row.wordMode != m_practice.wordMode())
                emit practise(row);
            if (row.path == m_practice.path())
                m_recitation->recite(row.first, m_practice.itemReference(row.first));
        });
        connect(m_today, &TodayWindow::recite, this, [this](const TodayRow& row) {
            emit practise(row);
            if (row.path == m_practice.path() && row.last <= m_practice.items().size())
                recite(row.first, row.last);
        });
        connect(m_today, &TodayWindow::choicesChanged, this, [this] {
            m_settings.setPlanOptions(m_today->options());
            m_settings.setTodayAtStart(m_today->atStart());
            m_settings.setTodayRecalls(m_today->recalls());
            refresh();
        });
    }
    refresh();
    m_today->setListening(m_recitation && m_recitation->isOn());
    m_today->show();
    m_today->raise();
}

// After Practise the passage is in front, ready, and Today stays open beside it.
void SideWindows::keepTodayAside()
{
    if (m_today && m_today->isVisible())
        m_today->move(besideWindow(m_today->frameGeometry().size(), m_window->frameGeometry(),
                                   m_window->screen()->availableGeometry()));
    m_window->raise();
    m_window->activateWindow();
}

void SideWindows::exportMemory()
{
    const QString path = FileDialog::ask(
        m_progress,
        {FileDialog::Kind::Save, tr("Export the Memory of This List"), tr("CSV files (*.csv)"),
         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
         m_practice.title() + QStringLiteral(".csv")});
    if (path.isEmpty())
        return;
    QString error;
    if (!saveAtomically(
            path,
            m_practice.memoryCsv(QDate::currentDate(), m_settings.planOptions().retention).toUtf8(),
            &error))
        showErrorMessage(m_progress, tr("The memory could not be written to \u201C%1\u201D: %2")
                                         .arg(QDir::toNativeSeparators(path), error));
}

ProgressData SideWindows::progressToday()
{
    return m_practice.progress(QDate::currentDate(), m_settings.planOptions().retention);
}

void SideWindows::refreshProgress()
{
    if (m_progress && m_practice.hasList())
        m_progress->showProgress(progressToday());
}

// Today reads every list the learner practises: only what changes the plan asks for it again.
void SideWindows::refresh()
{
    refreshProgress();
    if (!m_today)
        return;
    const QDate today = QDate::currentDate();
    const revisionplan::Options options = m_settings.planOptions();
    m_today->showPlan(m_practice.today(today, options));
    m_today->showCosts(
        m_practice.retentionCosts(today, retentioncost::comparedWith(options.retention)));
}

void SideWindows::closeAll()
{
    for (QWidget* window : {static_cast<QWidget*>(m_progress), static_cast<QWidget*>(m_today),
                            static_cast<QWidget*>(m_write)})
        if (window)
            window->close();
}
