#include "tests/support/FakeMessageBox.h"

#include <QStringList>

FakeMessageBox::FakeMessageBox()
{
    MessageBox::setHandler([this](QWidget*, const MessageBox::Request& request) {
        m_requests.append(request);
        return m_answers.isEmpty() ? request.defaultAnswer : m_answers.takeFirst();
    });
}

FakeMessageBox::~FakeMessageBox()
{
    MessageBox::setHandler({});
}

QStringList FakeMessageBox::captions() const
{
    QStringList captions;
    for (const MessageBox::Request& request : m_requests)
        captions.append(request.caption);
    return captions;
}
