// frmMain: the View menu, which sets the face and the size of the Arabic text in the practice
// lists, the full text and the New list editor.

#include "frmMain.h"

#include "LineListModel.h"
#include "common/twips.h"
#include "frmFind.h"
#include "frmProgress.h"
#include "listmessages.h"
#include "readingfonts.h"
#include "unilistbox/NativeList.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"
#include "zoom.h"

#include <QActionGroup>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>

void frmMain::buildViewMenu()
{
    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewFont = mnuView->addMenu(tr("Arabic &Font"));
    mnuViewFont->setObjectName(QStringLiteral("mnuViewFont"));
    // Asking the font system for every face that writes Arabic takes a while: not at start-up.
    connect(mnuViewFont, &QMenu::aboutToShow, this, &frmMain::fillFontMenu);
    mnuView->addSeparator();
    QAction* in = mnuView->addAction(tr("Zoom &In"));
    in->setObjectName(QStringLiteral("mnuViewZoomIn"));
    in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(in, &QAction::triggered, this, [this] { setZoom(zoom::in(m_settings.zoomPercent())); });
    QAction* out = mnuView->addAction(tr("Zoom &Out"));
    out->setObjectName(QStringLiteral("mnuViewZoomOut"));
    out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(out, &QAction::triggered, this,
            [this] { setZoom(zoom::out(m_settings.zoomPercent())); });
    QAction* actual = mnuView->addAction(tr("&Actual Size"));
    actual->setObjectName(QStringLiteral("mnuViewActualSize"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(actual, &QAction::triggered, this, [this] { setZoom(zoom::kActualSize); });
    mnuView->addSeparator();
    QAction* find = mnuView->addAction(tr("&Find..."));
    find->setObjectName(QStringLiteral("mnuViewFind"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &frmMain::mnuViewFind_Click);
    QAction* progress = mnuView->addAction(tr("&Progress..."));
    progress->setObjectName(QStringLiteral("mnuViewProgress"));
    progress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(progress, &QAction::triggered, this, &frmMain::mnuViewProgress_Click);
}

void frmMain::fillFontMenu()
{
    if (!mnuViewFont->isEmpty())
        return;
    auto* faces = new QActionGroup(mnuViewFont);
    for (const QString& family : readingFonts()) {
        QAction* face = mnuViewFont->addAction(family);
        face->setCheckable(true);
        face->setData(family);
        faces->addAction(face);
        connect(face, &QAction::triggered, this, [this, family] { chooseReadingFont(family); });
    }
    checkShownFace();
}

// The face the lists show, whether chosen or the designed one's stand-in.
void frmMain::checkShownFace()
{
    const QString shown = QFontInfo(lstList->Font().toQFont()).family();
    for (QAction* face : mnuViewFont->actions())
        face->setChecked(face->data().toString() == shown);
}

void frmMain::chooseReadingFont(const QString& family)
{
    m_settings.setArabicFont(family);
    applyReadingFont();
}

void frmMain::setZoom(int percent)
{
    m_settings.setZoomPercent(percent);
    applyReadingFont();
}

void frmMain::applyReadingFont()
{
    const FontRecord lists = readingFontAtZoom(true);
    for (UniListBox* list : {lstList, lstSelected, lstSelect})
        list->setFont(lists);
    if (lstMistakes->isVisible()) // else it takes the font when it shows
        lstMistakes->setFont(readingFontAtZoom(false, kMistakesZoom));
    txtCompleteText->setFont(lists);
    checkShownFace();
    keepRoomForTheChoices();
    Form_Resize(); // the choices keep their room in any size
}

// A large font needs a taller window for the Tester's header and three choices and a row of
// the recalled items above them: the window may not be made shorter than that, and grows to it.
void frmMain::keepRoomForTheChoices()
{
    const double choices = choicesHeight();
    const double recalled = pixelsToTwips(lstSelected->heightForRows(1));
    // The page keeps 700 twips beside the two lists, and the client 675 beside the strip.
    const int client = twipsToPixels(choices + recalled + 700 + 675);
    setMinimumHeight(client + menuBar()->sizeHint().height());
}

// Ctrl with the wheel over a practice list zooms, as in a browser.
bool frmMain::zoomByWheel(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
        return false;
    for (UniListBox* list : {lstList, lstSelected, lstSelect}) {
        if (watched == list->hWnd()->viewport()) {
            const int zoomed = wheel->angleDelta().y() > 0 ? zoom::in(m_settings.zoomPercent())
                                                           : zoom::out(m_settings.zoomPercent());
            setZoom(zoomed);
            return true;
        }
    }
    return false;
}

void frmMain::mnuViewProgress_Click()
{
    if (colItems.isEmpty()) {
        showOpenFileMessage(this);
        return;
    }
    PracticeHistory& kept = history();
    frmProgress progress(m_listTitle, kept.sessions(m_listTitle),
                         kept.weakestItems(m_listTitle, 50), colRange.first(), colRange.last(),
                         readingFontAtZoom(false), this);
    connect(&progress, &frmProgress::practise, this, &frmMain::practiseFrom);
    progress.exec();
}

// A weak item and the four after it, as a preset would choose them.
void frmMain::practiseFrom(const QString& item)
{
    const qsizetype index = colItems.indexOf(item);
    if (index < 0)
        return; // the list no longer holds it
    const int first = int(index) + 1;
    applyAndRestart(colRange.chosen(first, qMin(first + 4, colRange.count())));
}

// The passages of the open list, folded once when first asked: its items, or its lines.
const PassageFinder& frmMain::finder()
{
    if (m_finder)
        return *m_finder;
    if (!blnWordMode) {
        m_finder.emplace(PassageFinder::itemsOf(colItems));
    } else {
        QList<std::pair<int, int>> lines;
        for (int row = 0; row < m_lines->rowCount(); ++row) {
            const QModelIndex line = m_lines->index(row);
            lines.append({line.data(LineListModel::FirstItemRole).toInt(),
                          line.data(LineListModel::LastItemRole).toInt()});
        }
        m_finder.emplace(PassageFinder::linesOf(colItems, lines));
    }
    return *m_finder;
}

// The passage found starts the range, which keeps its size where the list allows; in word
// mode the range is the passage's line.
void frmMain::mnuViewFind_Click()
{
    if (colItems.isEmpty()) {
        showOpenFileMessage(this);
        return;
    }
    frmFind find(finder(), readingFontAtZoom(false), this);
    connect(&find, &frmFind::chosen, this, [this](int index) {
        const PassageFinder::Passage& passage = finder().passage(index);
        const int last = blnWordMode ? passage.last
                                     : qMin(passage.first + colRange.size() - 1, colRange.count());
        applyAndRestart(colRange.chosen(passage.first, last));
    });
    find.exec();
}

FontRecord frmMain::readingFontAtZoom(bool bold, int percentOfZoom) const
{
    return readingFont(m_settings.arabicFont(), m_settings.zoomPercent() * percentOfZoom / 100,
                       bold);
}

double frmMain::choicesHeight() const
{
    return qMax(kDesignedChoicesHeight, pixelsToTwips(lstSelect->heightForRows(4)));
}
