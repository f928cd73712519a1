#include "app/settings/interfacelanguage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Which language the interface speaks.
class tst_interfacelanguage : public QObject {
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
    void numbersFollowTheInterface_data();
    void numbersFollowTheInterface();
    void onlyTheTranslationBuiltIsUsed_data();
    void onlyTheTranslationBuiltIsUsed();
};

void tst_interfacelanguage::resolve_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("readsTranslations"); // an English start reads none

    const QStringList arabic{QStringLiteral("ar-EG"), QStringLiteral("ar")};
    const QStringList ar{QStringLiteral("ar")};
    QTest::newRow("the system's Arabic") << "" << arabic << ar << "ar" << true;
    QTest::newRow("the system's English")
        << "" << QStringList{QStringLiteral("en-GB")} << ar << "en" << false;
    QTest::newRow("the C locale") << "" << QStringList{QStringLiteral("C")} << ar << "en" << false;
    QTest::newRow("no language") << "" << QStringList() << ar << "en" << false;
    QTest::newRow("LANGUAGE=fr:ar: the first Zorvel speaks")
        << "" << QStringList{QStringLiteral("fr_FR"), QStringLiteral("ar_SA")} << ar << "ar"
        << true;
    QTest::newRow("English chosen on an Arabic system") << "en" << arabic << ar << "en" << false;
    QTest::newRow("Arabic chosen on an English system")
        << "ar" << QStringList{QStringLiteral("en-US")} << ar << "ar" << true;
    QTest::newRow("a choice Zorvel does not speak is the system's")
        << "de" << arabic << ar << "ar" << true;
    QTest::newRow("no Arabic translation: English on an Arabic system")
        << "" << arabic << QStringList() << "en" << true;
    QTest::newRow("Arabic chosen, its translation gone")
        << "ar" << arabic << QStringList() << "en" << true;
}

void tst_interfacelanguage::resolve()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, system);
    QFETCH(QStringList, available);
    QFETCH(QString, language);
    QFETCH(bool, readsTranslations);
    bool read = false;
    QCOMPARE(interfacelanguage::resolve(choice, system,
                                        [&] {
                                            read = true;
                                            return available;
                                        }),
             language);
    QCOMPARE(read, readsTranslations);
}

void tst_interfacelanguage::numbersFollowTheInterface_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("shown"); // 1234 in the interface

    QTest::newRow("Arabic on a Saudi system") << "ar"
                                              << "ar_SA"
                                              << "١٬٢٣٤";
    QTest::newRow("Arabic on a Moroccan system: Latin digits") << "ar"
                                                               << "ar_MA"
                                                               << "1.234";
    QTest::newRow("Arabic on an English system") << "ar"
                                                 << "en_US"
                                                 << "١٬٢٣٤";
    QTest::newRow("English on a Saudi system") << "en"
                                               << "ar_SA"
                                               << "1,234";
    QTest::newRow("English in the C locale") << "en"
                                             << "C"
                                             << "1,234";
}

void tst_interfacelanguage::numbersFollowTheInterface()
{
    QFETCH(QString, language);
    QFETCH(QString, system);
    QFETCH(QString, shown);
    QCOMPARE(interfacelanguage::numberLocale(language, QLocale(system)).toString(1234), shown);
}

// A translation whose bytes are not the ones built is left out and leaves the interface
// English: Qt would read it unchecked, and may crash on it.
void tst_interfacelanguage::onlyTheTranslationBuiltIsUsed_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("as built") << "";
    QTest::newRow("200 bytes changed") << "change";
    QTest::newRow("cut short") << "truncate";
    QTest::newRow("a picture under its name") << "foreign";
    QTest::newRow("no checksum beside it") << "unsigned";
}

void tst_interfacelanguage::onlyTheTranslationBuiltIsUsed()
{
    QFETCH(QString, damage);
    QTemporaryDir program;
    QDir().mkpath(program.filePath(QStringLiteral("translations")));
    const QString built = QStringLiteral(ZORVEL_DATA_DIR "/translations/zorvel_ar.qm");
    const QString qm = program.filePath(QStringLiteral("translations/zorvel_ar.qm"));
    QVERIFY(QFile::copy(built, qm));
    QVERIFY(QFile::copy(built + QStringLiteral(".sha256"), qm + QStringLiteral(".sha256")));
    QFile file(qm);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    if (damage == u"change")
        bytes.replace(bytes.size() / 2, 200, QByteArray(200, '\xFF'));
    else if (damage == u"truncate")
        bytes.truncate(bytes.size() / 3);
    else if (damage == u"foreign")
        bytes = QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(500, '\0');
    else if (damage == u"unsigned")
        QFile::remove(qm + QStringLiteral(".sha256"));
    file.resize(0);
    file.write(bytes);
    file.close();
    const bool sound = damage.isEmpty();
    if (!sound)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
    QCOMPARE(interfacelanguage::available(program.path()),
             sound ? QStringList{QStringLiteral("ar")} : QStringList());
}

QTEST_GUILESS_MAIN(tst_interfacelanguage)
#include "tst_interfacelanguage.moc"
