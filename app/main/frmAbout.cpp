#include "app/main/frmAbout.h"

#include "app/main/programicon.h"
#include "app/version.h"
#include "controls/common/FontRecord.h"
#include "controls/common/captionfit.h"
#include "controls/common/designed.h"
#include "controls/common/shellopen.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
    , m_animation(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(parent ? parent->windowIcon() : programIcon());
    setWindowTitle(tr("About Zorvel"));
    setFixedSize(twipsToPixels(3825), twipsToPixels(2670));

    auto* shape = makeDesigned<QFrame>(this, "Shape1", twipsRect(90, 90, 3690, 2535));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture1 = makeDesigned<QLabel>(this, "Picture1", twipsRect(105, 105, 3630, 975));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(aboutPicture(0));
    auto* line = makeDesigned<QFrame>(this, "Line1", twipsRect(120, 1080, 3615, 15));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    auto* app = makeDesigned<QLabel>(
        this, "lblApp", twipsRect(105, 1200, 3630, 345),
        QStringLiteral("Zorvel %1.%2").arg(ZORVEL_VERSION_MAJOR).arg(ZORVEL_VERSION_MINOR));
    app->setAlignment(Qt::AlignCenter);
    auto* maker =
        makeDesigned<QLabel>(this, "Label2", twipsRect(1515, 1470, 1455, 195), tr("by corvant"));
    FontRecord arial;
    arial.name = QStringLiteral("Arial");
    arial.bold = true;
    arial.weight = 700;
    maker->setFont(arial.toQFont());
    Label1 = makeDesigned<QLabel>(this, "Label1", twipsRect(1147, 1710, 1530, 255),
                                  QStringLiteral(ZORVEL_HOMEPAGE));
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(blue);
    Label1->setAlignment(Qt::AlignCenter);
    for (QLabel* link : {Picture1, Label1}) {
        link->setCursor(Qt::PointingHandCursor); // the picture takes the link's pointer
        link->installEventFilter(this);
    }
    auto* close =
        makeDesigned<QPushButton>(this, "cmdClose", twipsRect(1215, 2085, 1395, 435), tr("&Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    fitCaptionsToText(this); // the whole address stays readable

    connect(m_animation, &QTimer::timeout, this, [this] {
        m_phase = m_phase >= 1 ? 0 : m_phase + 0.02;
        Picture1->setPixmap(aboutPicture(m_phase));
    });
    m_animation->start(40);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == Picture1 || watched == Label1)) {
        openWebSite();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::openWebSite()
{
    ShellOpen::open(QUrl(QStringLiteral(ZORVEL_HOMEPAGE)));
}
