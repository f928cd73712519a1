#include "controls/subclass/SscInterception.h"

#include "controls/common/MessageBox.h"

#include <QThread>

class SscInterception::Record : public MessageInterceptor {
public:
    InterceptedWindow* window = nullptr;
    QPointer<QWidget> widget;
    SscCallback callback;
    qint32 userValue = 0;
    bool unicode = true;
    bool ended = false;

protected:
    void callBefore(bool& handled, qintptr& result, QWidget*& target, int& message,
                    QEvent*& event) override
    {
        if (!ended && callback)
            callback(true, handled, result, target, message, event, userValue);
    }
    void callAfter(qintptr& result, QWidget* target, int message, QEvent* event) override
    {
        bool handled = false;
        if (!ended && callback)
            callback(false, handled, result, target, message, event, userValue);
    }
};

SscInterception::SscInterception(SscOwner* control, QString controlTypeName)
    : m_control(control)
    , m_typeName(std::move(controlTypeName))
{
}

SscInterception::~SscInterception()
{
    for (const std::shared_ptr<Record>& record : std::as_const(m_registry)) {
        record->ended = true;
        if (record->widget && record->window->interceptor() == record)
            record->window->setInterceptor(nullptr);
    }
}

QString SscInterception::key(const void* target)
{
    return QStringLiteral("h%1").arg(reinterpret_cast<quintptr>(target));
}

bool SscInterception::isSubclassed(InterceptedWindow* target) const
{
    return target && m_registry.contains(key(target->window()));
}

bool SscInterception::ssc_Subclass(InterceptedWindow* target, qint32 UserValue,
                                   int CallbackPosition, SscOwner* Owner, bool* Unicode)
{
    const QString routine = QStringLiteral("ssc_Subclass");
    if (!target || !target->window()) {
        zReportError(routine, QStringLiteral("Invalid window handle"));
        return false;
    }
    if (target->window()->thread() != QThread::currentThread()) {
        zReportError(routine, QStringLiteral("Window handle belongs to another process"));
        return false;
    }
    SscCallback callback = (Owner ? Owner : m_control)->sscCallback(CallbackPosition);
    if (!callback) {
        zReportError(routine, QStringLiteral("Callback method not found"));
        return false;
    }
    const QString windowKey = key(target->window());
    if (m_registry.contains(windowKey)) {
        zReportError(routine, QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    // Another interception already stands in front of the window's own handling.
    if (target->interceptor()) {
        zReportError(routine, QStringLiteral("Another interception already handles this window"));
        return false;
    }
    auto record = std::make_shared<Record>();
    record->window = target;
    record->widget = target->window();
    record->callback = std::move(callback);
    record->userValue = UserValue;
    if (Unicode)
        *Unicode = record->unicode; // every Qt window is a Unicode window
    m_registry.insert(windowKey, record);
    target->setInterceptor(record);
    return true;
}

std::shared_ptr<SscInterception::Record> SscInterception::zMap_VFunction(InterceptedWindow* target)
{
    const auto found = target ? m_registry.constFind(key(target->window())) : m_registry.cend();
    if (found == m_registry.cend()) {
        zReportError(QStringLiteral("zMap_VFunction"),
                     QStringLiteral("Window handle is not subclassed"));
        return nullptr;
    }
    return *found;
}

void SscInterception::ssc_UnSubclass(InterceptedWindow* target)
{
    const std::shared_ptr<Record> record = zMap_VFunction(target);
    if (!record)
        return;
    // A dispatch of this record may be running; it holds the record until it returns.
    record->ended = true;
    record->before.count = 0;
    record->after.count = 0;
    m_registry.remove(key(target->window()));
    if (record->widget && target->interceptor() == record)
        target->setInterceptor(nullptr);
}

void SscInterception::ssc_AddMsg(InterceptedWindow* target, int When,
                                 std::initializer_list<int> messages)
{
    const std::shared_ptr<Record> record = zMap_VFunction(target);
    if (!record)
        return;
    bool toBefore = When & MSG_BEFORE;
    bool toAfter = When & MSG_AFTER;
    // A table that overflowed takes no more messages from this list.
    for (const int message : messages) {
        if (toBefore)
            toBefore = zAddMsg(message, record->before);
        if (toAfter)
            toAfter = zAddMsg(message, record->after);
    }
}

void SscInterception::ssc_DelMsg(InterceptedWindow* target, int When,
                                 std::initializer_list<int> messages)
{
    const std::shared_ptr<Record> record = zMap_VFunction(target);
    if (!record)
        return;
    for (const int message : messages) {
        if (When & MSG_BEFORE)
            fixed::remove(record->before, message);
        if (When & MSG_AFTER)
            fixed::remove(record->after, message);
    }
}

bool SscInterception::zAddMsg(int message, MessageTable& table)
{
    if (fixed::add(table, message))
        return true;
    zReportError(QStringLiteral("zAddMsg"),
                 QStringLiteral("Message table overflow. Either increase the value of Const "
                                "MSG_ENTRIES or use ALL_MESSAGES instead of specific message "
                                "values"));
    return false;
}

void SscInterception::zReportError(const QString& routine, const QString& message) const
{
    qCritical().noquote() << m_typeName + u'.' + routine + QStringLiteral(": ") + message;
    MessageBox::show(
        nullptr, {message + u'.', QStringLiteral("Error in ") + m_typeName + u'.' + routine,
                  MessageBox::Icon::Exclamation, MessageBox::Buttons::Ok, MessageBox::Answer::Ok});
}
