#pragma once

#include "controls/subclass/MessageInterceptor.h"

#include <QHash>

#include <functional>
#include <initializer_list>

// The callback of an interception: Before tells the before call from the after call.
using SscCallback = std::function<void(bool before, bool& handled, qintptr& result, QWidget* target,
                                       int message, QEvent* event, qint32& UserValue)>;

// An owner offers its handlers by position counted from its last one (1 = last).
class SscOwner {
public:
    virtual ~SscOwner() = default;
    virtual SscCallback sscCallback(int position) = 0;
};

// The interception routines of the Unicode text box: several windows for one owner, each with
// fixed tables of MSG_ENTRIES messages, in a registry keyed "h" and the window's handle. Errors
// are reported to the log and in a message box, under the name of the routine.
class SscInterception {
public:
    static constexpr int MSG_BEFORE = 1;
    static constexpr int MSG_AFTER = 2;

    // `control` names the owner when none is given, and the control type in reports.
    SscInterception(SscOwner* control, QString controlTypeName);
    ~SscInterception();
    SscInterception(const SscInterception&) = delete;
    SscInterception& operator=(const SscInterception&) = delete;

    bool ssc_Subclass(InterceptedWindow* target, qint32 UserValue = 0, int CallbackPosition = 1,
                      SscOwner* Owner = nullptr, bool* Unicode = nullptr);
    void ssc_UnSubclass(InterceptedWindow* target);
    void ssc_AddMsg(InterceptedWindow* target, int When, std::initializer_list<int> messages);
    void ssc_DelMsg(InterceptedWindow* target, int When, std::initializer_list<int> messages);

    bool isSubclassed(InterceptedWindow* target) const;
    static QString key(const void* target);

private:
    class Record;
    std::shared_ptr<Record> zMap_VFunction(InterceptedWindow* target);
    bool zAddMsg(int message, MessageTable& table);
    void zReportError(const QString& routine, const QString& message) const;

    SscOwner* m_control;
    QString m_typeName;
    QHash<QString, std::shared_ptr<Record>> m_registry;
};
