#include "tests/support/FakeFileDialog.h"

FakeFileDialog::FakeFileDialog(Answer answer)
{
    FileDialog::setHandler(
        [this, answer = std::move(answer)](QWidget*, const FileDialog::Request& request) {
            m_requests.append(request);
            return answer(request);
        });
}

FakeFileDialog::FakeFileDialog(const QString& path)
    : FakeFileDialog([path](const FileDialog::Request&) { return path; })
{
}

FakeFileDialog::~FakeFileDialog()
{
    FileDialog::setHandler({});
}
