#pragma once

#include "controls/common/MessageBox.h"

#include <QList>

// Stands in for the message box while alive: records every request and gives the queued
// answers in turn (the request's default answer when none is queued).
class FakeMessageBox {
public:
    FakeMessageBox();
    ~FakeMessageBox();

    void queueAnswer(MessageBox::Answer answer) { m_answers.append(answer); }

    const QList<MessageBox::Request>& requests() const { return m_requests; }
    QStringList captions() const;
    void clear() { m_requests.clear(); }

private:
    QList<MessageBox::Request> m_requests;
    QList<MessageBox::Answer> m_answers;
};
