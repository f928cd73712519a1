#include "controls/subclass/SscInterception.h"
#include "controls/subclass/cSubClass.h"
#include "tests/support/FakeMessageBox.h"

#include <QTest>

namespace {

const QEvent::Type kPing = QEvent::Type(QEvent::User + 1);
const QEvent::Type kOther = QEvent::Type(QEvent::User + 2);

// A window whose own handling answers kPing with true, so that results can be told apart.
class EchoWidget : public QWidget {
public:
    QStringList* log = nullptr;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == kPing || event->type() == kOther) {
            log->append(QStringLiteral("own"));
            return true;
        }
        return QWidget::event(event);
    }
};

using Window = Interceptable<EchoWidget>;

bool send(QWidget* window, QEvent::Type type)
{
    QEvent event(type);
    return QCoreApplication::sendEvent(window, &event);
}

class Owner : public iSubclass {
public:
    QStringList log;
    bool handleBefore = false;
    qintptr beforeResult = 0;
    qintptr seenAfter = -1;

    void iSubclass_Before(bool& bHandled, qintptr& lReturn, QWidget*&, int&, QEvent*&) override
    {
        log.append(QStringLiteral("before"));
        bHandled = handleBefore;
        lReturn = beforeResult;
    }
    void iSubclass_After(qintptr& lReturn, QWidget*, int, QEvent*) override
    {
        log.append(QStringLiteral("after"));
        seenAfter = lReturn;
    }
};

class SscOwnerStub : public SscOwner {
public:
    QStringList log;
    std::function<void()> inBefore;

    SscCallback sscCallback(int position) override
    {
        if (position != 1)
            return {};
        return [this](bool before, bool&, qintptr&, QWidget*, int, QEvent*, qint32&) {
            log.append(before ? QStringLiteral("before") : QStringLiteral("after"));
            if (before && inBefore)
                inBefore();
        };
    }
};

} // namespace

class tst_interception : public QObject {
    Q_OBJECT
private slots:
    void dispatchOrder_data();
    void dispatchOrder();
    void growableTables();
    void fixedTables();
    void sscReportsOverflowAndKeepsTheFirst32();
    void sscErrors();
    void endedFromItsOwnCallback();
    void ownerGoneFirst();
};

void tst_interception::dispatchOrder_data()
{
    QTest::addColumn<bool>("inBefore");
    QTest::addColumn<bool>("inAfter");
    QTest::addColumn<bool>("handle");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("result");

    QTest::newRow("both tables: before, own, after sees the own result")
        << true << true << false << QStringList{"before", "own", "after"} << true;
    QTest::newRow("bHandled suppresses the rest and gives its result")
        << true << true << true << QStringList{"before"} << false;
    QTest::newRow("after only") << false << true << false << QStringList{"own", "after"} << true;
    QTest::newRow("in no table") << false << false << false << QStringList{"own"} << true;
}

void tst_interception::dispatchOrder()
{
    QFETCH(bool, inBefore);
    QFETCH(bool, inAfter);
    QFETCH(bool, handle);
    QFETCH(QStringList, log);
    QFETCH(bool, result);

    Window window;
    Owner owner;
    window.log = &owner.log;
    owner.handleBefore = handle;
    cSubClass subclass;
    if (inBefore)
        subclass.AddMsg(kPing, 1);
    if (inAfter)
        subclass.AddMsg(kPing, 2);
    QVERIFY(subclass.Subclass(&window, &owner));
    QCOMPARE(send(&window, kPing), result);
    QCOMPARE(owner.log, log);
    if (inAfter && !handle)
        QCOMPARE(owner.seenAfter, 1);
    QVERIFY(!subclass.Subclass(&window, &owner));

    subclass.UnSubclass();
    owner.log.clear();
    send(&window, kPing);
    QCOMPARE(owner.log, QStringList{"own"});
    QCOMPARE(subclass.CallOrigWndProc(nullptr), 0);
}

void tst_interception::growableTables()
{
    MessageTable table;
    growable::add(table, 10);
    growable::add(table, 11);
    growable::add(table, 10);
    QCOMPARE(table.entries, (QList<int>{10, 11}));
    growable::remove(table, 10);
    growable::add(table, 12); // reuses the freed slot
    QCOMPARE(table.entries, (QList<int>{12, 11}));
    QCOMPARE(table.count, 2);

    growable::add(table, ALL_MESSAGES);
    QVERIFY(table.matches(99));
    growable::remove(table, 12); // nothing happens while the count is -1
    growable::add(table, 13);    // grows past the old slots, which count again
    QCOMPARE(table.count, 3);
    QVERIFY(table.matches(12) && table.matches(13) && !table.matches(99));
    growable::remove(table, ALL_MESSAGES);
    QVERIFY(!table.matches(12));
}

void tst_interception::fixedTables()
{
    MessageTable table;
    for (int message = 1; message <= fixed::MSG_ENTRIES; ++message)
        QVERIFY(fixed::add(table, message));
    QVERIFY(fixed::add(table, 5)); // already there
    QVERIFY(!fixed::add(table, 33));
    fixed::remove(table, 7);
    QVERIFY(fixed::add(table, 33)); // the freed slot
    QVERIFY(table.matches(33) && !table.matches(7));

    fixed::add(table, ALL_MESSAGES);
    QVERIFY(table.matches(1000));
    QVERIFY(fixed::add(table, 40)); // a one-entry table again
    QCOMPARE(table.count, 1);
    QVERIFY(table.matches(40) && !table.matches(1));
}

void tst_interception::sscReportsOverflowAndKeepsTheFirst32()
{
    FakeMessageBox messages;
    SscOwnerStub owner;
    SscInterception interception(&owner, QStringLiteral("UniText"));
    Window window;
    window.log = &owner.log;
    QVERIFY(interception.ssc_Subclass(&window));
    // 33 distinct messages: the last is refused; kPing stands among the first 32.
    interception.ssc_AddMsg(&window, SscInterception::MSG_BEFORE,
                            {kPing, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 2010,
                             2011,  2012, 2013, 2014, 2015, 2016, 2017, 2018, 2019, 2020, 2021,
                             2022,  2023, 2024, 2025, 2026, 2027, 2028, 2029, 2030, 2031, kOther});
    QCOMPARE(messages.requests().size(), 1);
    const MessageBox::Request report = messages.requests().constFirst();
    QCOMPARE(report.caption, QStringLiteral("Error in UniText.zAddMsg"));
    QVERIFY(report.text.startsWith(QStringLiteral("Message table overflow.")));
    QVERIFY(report.text.endsWith(QStringLiteral("instead of specific message values.")));
    QCOMPARE(report.icon, MessageBox::Icon::Exclamation);

    send(&window, kPing);
    send(&window, kOther);
    QCOMPARE(owner.log, (QStringList{"before", "own", "own"}));
}

void tst_interception::sscErrors()
{
    FakeMessageBox messages;
    SscOwnerStub owner;
    SscInterception interception(&owner, QStringLiteral("UniText"));
    Window window;
    window.log = &owner.log;

    QVERIFY(!interception.ssc_Subclass(nullptr));
    QVERIFY(!interception.ssc_Subclass(&window, 0, 2));
    QVERIFY(interception.ssc_Subclass(&window));
    QVERIFY(!interception.ssc_Subclass(&window));
    Window taken;
    Owner other;
    cSubClass subclass;
    QVERIFY(subclass.Subclass(&taken, &other));
    QVERIFY(!interception.ssc_Subclass(&taken));

    QStringList texts;
    for (const MessageBox::Request& request : messages.requests())
        texts.append(request.caption + u':' + request.text);
    QCOMPARE(
        texts,
        (QStringList{
            "Error in UniText.ssc_Subclass:Invalid window handle.",
            "Error in UniText.ssc_Subclass:Callback method not found.",
            "Error in UniText.ssc_Subclass:Window handle is already subclassed.",
            "Error in UniText.ssc_Subclass:Another interception already handles this window."}));
}

void tst_interception::endedFromItsOwnCallback()
{
    SscOwnerStub owner;
    SscInterception interception(&owner, QStringLiteral("UniText"));
    Window window;
    window.log = &owner.log;
    QVERIFY(interception.ssc_Subclass(&window));
    interception.ssc_AddMsg(&window, SscInterception::MSG_BEFORE | SscInterception::MSG_AFTER,
                            {kPing});
    owner.inBefore = [&] { interception.ssc_UnSubclass(&window); };
    send(&window, kPing);
    // The running dispatch finished with its own handling but no after call.
    QCOMPARE(owner.log, (QStringList{"before", "own"}));
    QVERIFY(!interception.isSubclassed(&window));
    owner.log.clear();
    send(&window, kPing);
    QCOMPARE(owner.log, QStringList{"own"});
}

void tst_interception::ownerGoneFirst()
{
    Window window;
    QStringList log;
    window.log = &log;
    {
        Owner owner;
        cSubClass subclass;
        subclass.AddMsg(ALL_MESSAGES, 1);
        QVERIFY(subclass.Subclass(&window, &owner));
    }
    QVERIFY(!window.interceptor());
    QVERIFY(send(&window, kPing));
    {
        SscOwnerStub owner;
        SscInterception interception(&owner, QStringLiteral("UniText"));
        QVERIFY(interception.ssc_Subclass(&window));
    }
    QVERIFY(!window.interceptor());
    QCOMPARE(log, (QStringList{"own"}));
}

QTEST_MAIN(tst_interception)
#include "tst_interception.moc"
