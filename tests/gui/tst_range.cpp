#include "tests/support/WindowDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// Choosing the range in the whole window with the real lists and buttons.
class tst_range : public QObject {
    Q_OBJECT
private slots:
    void init();
    void buttonsStepThroughTheList();
    void refusesFromAfterTo();
    void typedNumbersChooseInTheLists();
    void lineListsChooseWordRanges();
    void restoresTheStoredRange_data();
    void restoresTheStoredRange();

private:
    template <typename T = QWidget> T* control(const char* name) { return m_d->control<T>(name); }
    QString shownRange() const { return m_d->shownRange(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    std::unique_ptr<WindowDriver> m_d;
    QString m_twelve;
};

void tst_range::init()
{
    m_d.reset(); // its fakes go before the next one's are in place
    m_d = std::make_unique<WindowDriver>();
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("بند %1").arg(i);
    m_twelve =
        m_d->program.addList(QStringLiteral("Twelve.zva"), lines.join(QStringLiteral("\r\n")));
}

// The buttons reach the range and show what it allows; a list is needed first.
void tst_range::buttonsStepThroughTheList()
{
    m_d->start();
    click("cmdFirst5");
    QCOMPARE(m_d->messages.captions(), QStringList{QStringLiteral("No Zorvel file opened")});
    m_d->messages.clear();
    m_d->window->LoadZVFFile(m_twelve);
    QCOMPARE(shownRange(), QStringLiteral("1-12"));
    click("cmdFirst5");
    QCOMPARE(shownRange(), QStringLiteral("1-5"));
    QVERIFY(!control("cmdPrevRange")->isEnabled());
    click("cmdNextRange");
    QCOMPARE(shownRange(), QStringLiteral("6-10"));
    QCOMPARE(m_d->window->range().at(1), QStringLiteral("بند 6"));
    QCOMPARE(m_d->window->tester().next(), 6);
    QVERIFY(m_d->messages.requests().isEmpty());
}

void tst_range::refusesFromAfterTo()
{
    m_d->start();
    m_d->window->LoadZVFFile(m_twelve);
    control<QComboBox>("cmbTo")->setCurrentIndex(5);   // To 6
    control<QComboBox>("cmbFrom")->setCurrentIndex(7); // From 8, as picked in the drop-down
    const MessageBox::Request request = m_d->messages.requests().value(0);
    QCOMPARE(request.text, QStringLiteral("FROM cannot be greater than TO"));
    QCOMPARE(request.caption, QStringLiteral("Invalid Selection"));
    QCOMPARE(shownRange(), QStringLiteral("6-6"));
    QCOMPARE(m_d->window->range().size(), 6); // the range applied before stays
}

// With thousands of verses, typing a number is the way to reach it.
void tst_range::typedNumbersChooseInTheLists()
{
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines << QStringLiteral("آية %1").arg(i);
    m_d->start();
    m_d->window->LoadZVFFile(
        m_d->program.addList(QStringLiteral("Thirty.zva"), lines.join(u"\r\n")));
    auto* to = control<QComboBox>("cmbTo");
    to->setFocus();
    QTest::keyClicks(to, QStringLiteral("25"));
    QCOMPARE(shownRange(), QStringLiteral("1-25"));
    QTest::qWait(QApplication::keyboardInputInterval() + 100); // a pause starts a new search
    QTest::keyClicks(to, QStringLiteral("12"));
    QCOMPARE(shownRange(), QStringLiteral("1-12"));
}

void tst_range::lineListsChooseWordRanges()
{
    const QString path = m_d->program.addList(QStringLiteral("Words.zva"),
                                              QStringLiteral("a b c\r\n\r\nd e\r\nf\r\ng h i j"));
    m_d->start();
    m_d->window->LoadZVFFile(path, true);
    auto* lineFrom = control<QComboBox>("cmbLineFrom");
    auto* lineTo = control<QComboBox>("cmbLineTo");
    QCOMPARE(lineFrom->count(), 4);
    QCOMPARE(shownRange(), QStringLiteral("1-10"));

    lineFrom->setFocus();
    QTest::keyClick(lineFrom, Qt::Key_Down); // line 3: its first word is item 4
    QCOMPARE(lineFrom->currentText(), QStringLiteral("3"));
    QCOMPARE(shownRange(), QStringLiteral("4-10"));
    QCOMPARE(m_d->window->range().at(1), QStringLiteral("d. 3 >>"));

    lineTo->setFocus();
    QTest::keyClick(lineTo, Qt::Key_Up); // line 4 ends with item 6
    QCOMPARE(shownRange(), QStringLiteral("4-6"));

    QTest::keyClick(lineTo, Qt::Key_Up);
    QTest::keyClick(lineTo, Qt::Key_Up); // line 1 ends before line 3 starts: refused
    QCOMPARE(shownRange(), QStringLiteral("4-4"));
    QCOMPARE(lineTo->currentText(), QStringLiteral("3"));
    click("cmdAll"); // the presets move the line lists with the range
    QCOMPARE(lineTo->currentText(), QStringLiteral("5"));
}

void tst_range::restoresTheStoredRange_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("range");

    QTest::newRow("a stored range") << QByteArray("FromRange=2\nToRange=4") << "3-5";
    QTest::newRow("no list in the last run") << QByteArray("FromRange=-1\nToRange=-1") << "1-12";
}

void tst_range::restoresTheStoredRange()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, range);
    m_d->start("[Zorvel20]\nMRUF=" + m_twelve.toUtf8() + "|*|\n" + stored + "\n");
    QCOMPARE(shownRange(), range);
    m_d->close();
    QCOMPARE(m_d->program.setting(QStringLiteral("FromRange")),
             QString::number(range.section(u'-', 0, 0).toInt() - 1));
}

QTEST_MAIN(tst_range)
#include "tst_range.moc"
