#include "ZorvelSettings.h"
#include "frmMain.h"
#include "programfolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvel"));
    QApplication::setOrganizationName(QStringLiteral("corvant"));

    frmMain window(findProgramFolder(QApplication::applicationDirPath()),
                   ZorvelSettings::defaultFilePath());
    window.show();
    return app.exec();
}
