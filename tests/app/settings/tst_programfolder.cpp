#include "app/settings/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the program looks for its read-me page, lists and word-mode marker.
class tst_programfolder : public QObject {
    Q_OBJECT
private slots:
    void buildTreeAndInstalledProgram();
};

void tst_programfolder::buildTreeAndInstalledProgram()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    // Installed: the data is in share/zorvel under the same prefix.
    QCOMPARE(findProgramFolder(bin), prefix.filePath(QStringLiteral("share/zorvel")));
    QCOMPARE(findProgramFolder(bin + u'/'), prefix.filePath(QStringLiteral("share/zorvel")));

    // A build tree: the data lies beside the program.
    QFile readme(bin + QStringLiteral("/ZV_Readme.htm"));
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.close();
    QCOMPARE(findProgramFolder(bin), bin);
}

QTEST_GUILESS_MAIN(tst_programfolder)
#include "tst_programfolder.moc"
