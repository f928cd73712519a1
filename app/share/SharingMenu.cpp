#include "app/share/SharingMenu.h"

#include "app/main/readingfonts.h"
#include "app/progress/ProgressWindow.h"
#include "app/settings/ZorvelSettings.h"
#include "app/share/ClassWindow.h"
#include "controls/common/FileDialog.h"
#include "controls/common/MessageBox.h"
#include "practice/session/Practice.h"

#include <QAction>
#include <QInputDialog>
#include <QSqlDatabase>

SharingMenu::SharingMenu(QAction* share, QAction* stop, QAction* openClass, Practice& practice,
                         ZorvelSettings& settings, QWidget* window)
    : QObject(window)
    , m_stop(stop)
    , m_practice(practice)
    , m_settings(settings)
    , m_window(window)
{
    connect(share, &QAction::triggered, this, &SharingMenu::choose);
    connect(openClass, &QAction::triggered, this, &SharingMenu::openClass);
    connect(stop, &QAction::triggered, this, [this] {
        m_settings.setSharing({}, m_settings.sharing().name);
        start();
    });
    connect(&practice, &Practice::sharingTrouble, this, [this](const QString& message) {
        MessageBox::inform(m_window, message, tr("Shared Practice"));
    });
    start();
}

void SharingMenu::start()
{
    if (m_settings.sharedFolder().isEmpty()) {
        m_practice.share({}, {}, {});
    } else {
        const SharingSettings sharing = m_settings.sharing();
        m_practice.share(sharing.folder, sharing.device, sharing.name);
    }
    m_stop->setEnabled(m_practice.isShared());
}

void SharingMenu::openClass()
{
    const QString folder = FileDialog::ask(
        m_window,
        {FileDialog::Kind::Folder, tr("Open Class"), {}, m_settings.lastOpenFolder({}), {}});
    if (folder.isEmpty())
        return;
    ClassWindow window(folder,
                       classview::classOf(folder, QDate::currentDate(),
                                          m_settings.planOptions().retention, &m_classes),
                       m_window);
    connect(&window, &ClassWindow::learnerChosen, this, &SharingMenu::showLearner);
    window.exec();
}

// The learner's answers read into a history of its own, in memory, and shown as Progress shows
// the open list: the teacher's history and the learner's folder are left as they were.
void SharingMenu::showLearner(const QString& folder, const QString& name)
{
    if (!m_practice.hasList())
        return MessageBox::inform(m_window,
                                  tr("Open the list in which to see %1's progress.").arg(name),
                                  tr("Open Class"));
    static int shown = 0;
    const QString connection = QStringLiteral("learner%1").arg(++shown);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(QStringLiteral(":memory:"));
        Practice learner(nullptr);
        learner.setHistoryOpener([database] { return PracticeHistory(database); });
        learner.open(loadList(m_practice.path(), m_practice.wordMode()), m_practice.wordMode());
        learner.takeIn(folder);
        ProgressWindow progress(
            learner.progress(QDate::currentDate(), m_settings.planOptions().retention),
            readingFontAtZoom(m_settings, false), m_window);
        progress.setReadOnly();
        progress.setWindowTitle(tr("Progress of %1: %2").arg(name, learner.name()));
        progress.exec();
    }
    QSqlDatabase::removeDatabase(connection);
}

void SharingMenu::choose()
{
    SharingSettings sharing = m_settings.sharing();
    const QString folder = FileDialog::ask(
        m_window, {FileDialog::Kind::Folder, tr("Share Practice"), {}, sharing.folder, {}});
    if (folder.isEmpty())
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(m_window, tr("Share Practice"),
                              tr("Your name, as your other machines and your teacher see it:"),
                              QLineEdit::Normal, sharing.name, &ok);
    if (!ok)
        return;
    m_settings.setSharing(folder, name.trimmed().isEmpty() ? sharing.name : name.trimmed());
    start();
}
