#include "interfacelanguage.h"

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
    QTest::addColumn<QString>("language");

    const QStringList arabic{QStringLiteral("ar-EG"), QStringLiteral("ar")};
    QTest::newRow("the system's Arabic") << "" << arabic << "ar";
    QTest::newRow("the system's English") << "" << QStringList{QStringLiteral("en-GB")} << "en";
    QTest::newRow("the C locale") << "" << QStringList{QStringLiteral("C")} << "en";
    QTest::newRow("no language") << "" << QStringList() << "en";
    QTest::newRow("LANGUAGE=fr:ar: the first Zorvel speaks")
        << "" << QStringList{QStringLiteral("fr_FR"), QStringLiteral("ar_SA")} << "ar";
    QTest::newRow("English chosen on an Arabic system") << "en" << arabic << "en";
    QTest::newRow("Arabic chosen on an English system")
        << "ar" << QStringList{QStringLiteral("en-US")} << "ar";
    QTest::newRow("a choice Zorvel does not know is the system's") << "de" << arabic << "ar";
}

void tst_interfacelanguage::resolve()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, system);
    QFETCH(QString, language);
    QCOMPARE(interfacelanguage::resolve(choice, system), language);
}

QTEST_GUILESS_MAIN(tst_interfacelanguage)
#include "tst_interfacelanguage.moc"
