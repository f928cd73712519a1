#include "app/recitation/RecitationMenu.h"

#include "app/recitation/playermodule.h"
#include "app/settings/ZorvelSettings.h"
#include "controls/common/FileDialog.h"
#include "controls/common/MessageBox.h"
#include "practice/recitation/Recitation.h"
#include "practice/session/Practice.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecitationMenu::RecitationMenu(QMenu* menu, Practice& practice, ZorvelSettings& settings,
                               QWidget* window)
    : QObject(window)
    , m_recitation(*new Recitation(this))
    , m_practice(practice)
    , m_settings(settings)
    , m_window(window)
{
    m_recite = menu->addAction(tr("&Recite"));
    m_recite->setObjectName(QStringLiteral("mnuViewRecite"));
    m_recite->setCheckable(true);
    m_recite->setShortcut(QKeySequence(Qt::Key_F6));
    connect(m_recite, &QAction::toggled, this, &RecitationMenu::turn);
    QAction* folder = menu->addAction(tr("Recitation &Folder..."));
    folder->setObjectName(QStringLiteral("mnuViewRecitationFolder"));
    connect(folder, &QAction::triggered, this, &RecitationMenu::chooseFolder);
    menu->addSeparator();
    const RecitationSettings stored = settings.recitation();
    addChoices(menu->addMenu(tr("Repeat &Each")), "repeatEach",
               {{QStringLiteral("1"), 1},
                {QStringLiteral("3"), 3},
                {QStringLiteral("5"), 5},
                {QStringLiteral("7"), 7},
                {QStringLiteral("10"), 10},
                {QStringLiteral("20"), 20}},
               stored.repeatEach, [this](int times) {
                   m_recitation.session().setRepeatEach(times);
                   keep(&RecitationSettings::repeatEach, times);
               });
    addChoices(menu->addMenu(tr("Repeat the Ran&ge")), "repeatRange",
               {{QStringLiteral("1"), 1},
                {QStringLiteral("3"), 3},
                {QStringLiteral("5"), 5},
                {QStringLiteral("10"), 10},
                {tr("Without End"), 0}},
               stored.repeatRange, [this](int times) {
                   if (m_recitation.isOn())
                       m_practice.setRangeTimes(times);
                   keep(&RecitationSettings::repeatRange, times);
               });
    addChoices(menu->addMenu(tr("&Gap After Each")), "gap",
               {{tr("None"), 0}, {tr("As Long as the Entry"), 1}, {tr("Twice as Long"), 2}},
               stored.gapFactor, [this](int factor) {
                   m_recitation.session().setGapFactor(factor);
                   keep(&RecitationSettings::gapFactor, factor);
               });
    addChoices(menu->addMenu(tr("Playing &Speed")), "speed",
               {{QStringLiteral("0.5\u00D7"), 50},
                {QStringLiteral("0.75\u00D7"), 75},
                {QStringLiteral("1\u00D7"), 100},
                {QStringLiteral("1.25\u00D7"), 125},
                {QStringLiteral("1.5\u00D7"), 150}},
               stored.ratePercent, [this](int percent) {
                   m_recitation.setRate(percent / 100.0);
                   keep(&RecitationSettings::ratePercent, percent);
               });
    addChoices(
        menu->addMenu(tr("Play the &Answer on the Tester")), "testerPlays",
        {{tr("No"), 0}, {tr("Before the Next Choices"), 1}, {tr("With the Next Choices"), 2}},
        stored.testerPlays, [this](int plays) {
            m_recitation.setTesterPlays(Recitation::TesterPlays(plays));
            keep(&RecitationSettings::testerPlays, plays);
        });
    menu->addSeparator();
    QAction* pause = menu->addAction(tr("&Play or Pause"));
    pause->setObjectName(QStringLiteral("mnuViewRecitationPause"));
    pause->setShortcuts({QKeySequence(Qt::Key_F7), QKeySequence(Qt::Key_MediaTogglePlayPause)});
    connect(pause, &QAction::triggered, &m_recitation, &Recitation::togglePause);
    QAction* stop = menu->addAction(tr("S&top"));
    stop->setObjectName(QStringLiteral("mnuViewRecitationStop"));
    stop->setShortcuts({QKeySequence(Qt::Key_F8), QKeySequence(Qt::Key_MediaStop)});
    connect(stop, &QAction::triggered, &m_recitation, &Recitation::stop);

    m_recitation.session().setRepeatEach(stored.repeatEach);
    m_recitation.session().setGapFactor(stored.gapFactor);
    m_recitation.setTesterPlays(Recitation::TesterPlays(stored.testerPlays));
    connect(&m_recitation, &Recitation::trouble, m_window, [this](const QString& message) {
        MessageBox::inform(m_window, message, tr("Recitation"));
    });
    connect(&m_practice, &Practice::listOpened, this, &RecitationMenu::followList);
    // Kept on from the last run: the player is made now, the list's folder when it opens.
    m_recite->setChecked(stored.on);
}

QActionGroup* RecitationMenu::addChoices(QMenu* menu, const char* name,
                                         const QList<QPair<QString, int>>& choices, int chosen,
                                         const std::function<void(int)>& apply)
{
    menu->setObjectName(QStringLiteral("mnuViewRecitation_") + QLatin1String(name));
    auto* group = new QActionGroup(menu);
    for (const auto& [caption, value] : choices) {
        QAction* action = menu->addAction(caption);
        action->setCheckable(true);
        action->setChecked(value == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [apply, value = value] { apply(value); });
    }
    return group;
}

void RecitationMenu::keep(int RecitationSettings::*choice, int value)
{
    RecitationSettings kept = m_settings.recitation();
    kept.*choice = value;
    m_settings.setRecitation(kept);
}

void RecitationMenu::turn(bool on)
{
    RecitationSettings kept = m_settings.recitation();
    kept.on = on;
    m_settings.setRecitation(kept);
    if (!on) {
        m_recitation.setPlayer(nullptr);
        m_practice.setRangeTimes(0);
        return;
    }
    QString trouble;
    std::unique_ptr<AudioPlayer> player = makeRecitationPlayer(&trouble);
    if (!player) {
        MessageBox::inform(m_window, trouble, tr("Recitation"));
        kept.on = false;
        m_settings.setRecitation(kept);
        const QSignalBlocker quiet(m_recite);
        m_recite->setChecked(false);
        return;
    }
    m_recitation.setPlayer(std::move(player));
    m_recitation.setRate(m_settings.recitation().ratePercent / 100.0);
    m_practice.setRangeTimes(m_settings.recitation().repeatRange);
    followList();
}

void RecitationMenu::chooseFolder()
{
    if (!m_practice.hasList())
        return;
    const QString folder = FileDialog::ask(m_window, {FileDialog::Kind::Folder,
                                                      tr("Recitation Folder"),
                                                      {},
                                                      m_recitation.folder().isEmpty()
                                                          ? QFileInfo(m_practice.path()).path()
                                                          : m_recitation.folder(),
                                                      {}});
    if (folder.isEmpty())
        return;
    m_settings.setRecitationFolder(m_practice.path(), folder);
    if (!m_recite->isChecked())
        m_recite->setChecked(true); // a folder chosen is a folder to hear
    else
        followList();
}

void RecitationMenu::followList()
{
    if (!m_recitation.isOn() || !m_practice.hasList())
        return;
    QString folder = m_settings.recitationFolder(m_practice.path());
    if (folder.isEmpty()) {
        const QFileInfo list(m_practice.path());
        const QString beside = list.dir().filePath(list.completeBaseName());
        if (QFileInfo(beside).isDir())
            folder = beside;
    }
    m_recitation.setFolder(folder, m_practice.parts(), int(m_practice.items().size()));
}
