#include "app/settings/interfacelanguage.h"

#include <QTest>

// Which language the interface speaks.
class tst_interfacelanguage : public QObject {
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
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

QTEST_GUILESS_MAIN(tst_interfacelanguage)
#include "tst_interfacelanguage.moc"
