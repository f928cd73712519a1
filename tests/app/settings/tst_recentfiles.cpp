#include "app/settings/recentfiles.h"

#include <QTest>

class tst_recentfiles : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void menu_data();
    void menu();
};

void tst_recentfiles::add_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty list") << ""
                                << "/A"
                                << "/A|*|";
    QTest::newRow("six entries plus one drops the sixth") << "/A|*|/B|*|/C|*|/D|*|/E|*|/F|*|"
                                                          << "/G"
                                                          << "/G|*|/A|*|/B|*|/C|*|/D|*|/E|*|";
    QTest::newRow("entry 3 moves to the top once") << "/A|*|/B|*|/C|*|/D|*|"
                                                   << "/C"
                                                   << "/C|*|/A|*|/B|*|/D|*|";
    QTest::newRow("the only entry again") << "/A|*|"
                                          << "/A"
                                          << "/A|*|";
    QTest::newRow("comparison is case-sensitive") << "/a|*|"
                                                  << "/A"
                                                  << "/A|*|/a|*|";
    QTest::newRow("a longer path ending in the same text is kept whole")
        << "/x/home/A|*|/home/A|*|"
        << "/home/A"
        << "/home/A|*|/x/home/A|*|";
    QTest::newRow("empty entries and markers only are dropped") << "|*||*|/B|*|"
                                                                << "/A"
                                                                << "/A|*|/B|*|";
    QTest::newRow("a text without markers is one entry") << "/B"
                                                         << "/A"
                                                         << "/A|*|/B|*|";
}

void tst_recentfiles::add()
{
    QFETCH(QString, stored);
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(recentfiles::add(stored, path), result);
}

void tst_recentfiles::menu_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one entry and the trailing marker") << "/A|*|" << QStringList{"/A", ""};
    QTest::newRow("six stored, five shown")
        << "/A|*|/B|*|/C|*|/D|*|/E|*|/F|*|" << QStringList{"/A", "/B", "/C", "/D", "/E"};
    QTest::newRow("an empty entry keeps its position")
        << "/A|*||*|/C|*|" << QStringList{"/A", "", "/C", ""};
    QTest::newRow("markers only: every entry hidden") << "|*||*||*|" << QStringList{"", "", "", ""};
}

void tst_recentfiles::menu()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, entries);
    QCOMPARE(recentfiles::menuEntries(stored), entries);
    QCOMPARE(recentfiles::menuCaption(1, QStringLiteral("/Lists/Week One.zva")),
             QStringLiteral("&1  Week One.zva"));
    // An ampersand in a name is shown, not taken for the menu's access key.
    QCOMPARE(recentfiles::menuCaption(2, QStringLiteral("/Lists/Tom & Jerry.zva")),
             QStringLiteral("&2  Tom && Jerry.zva"));
}

QTEST_GUILESS_MAIN(tst_recentfiles)
#include "tst_recentfiles.moc"
