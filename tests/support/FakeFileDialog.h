#pragma once

#include "controls/common/FileDialog.h"

#include <QList>

// Stands in for the file dialog while alive: records every request and answers each with what
// `answer` returns for it (an empty name is a cancel).
class FakeFileDialog {
public:
    using Answer = std::function<QString(const FileDialog::Request&)>;

    explicit FakeFileDialog(Answer answer);
    // Answers every request with `path`.
    explicit FakeFileDialog(const QString& path);
    ~FakeFileDialog();
    FakeFileDialog(const FakeFileDialog&) = delete;
    FakeFileDialog& operator=(const FakeFileDialog&) = delete;

    const QList<FileDialog::Request>& requests() const { return m_requests; }

private:
    QList<FileDialog::Request> m_requests;
};
