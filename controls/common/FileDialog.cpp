#include "controls/common/FileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace FileDialog {
namespace {

Handler& installedHandler()
{
    static Handler handler;
    return handler;
}

// The save dialog's name field holds at most this many characters.
constexpr int kMaxNameLength = 255;

QString showDialog(QWidget* parent, const Request& request)
{
    QFileDialog dialog(parent, request.title, request.startFolder, request.filter);
    switch (request.kind) {
    case Kind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The caller asks its own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!request.presetName.isEmpty())
            dialog.selectFile(request.presetName.left(kMaxNameLength));
        break;
    case Kind::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Kind::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

QString ask(QWidget* parent, const Request& request)
{
    if (const Handler& handler = installedHandler())
        return handler(parent, request);
    return showDialog(parent, request);
}

void setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}

} // namespace FileDialog
