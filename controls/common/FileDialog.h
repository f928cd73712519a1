#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one way the program asks for a file or folder name. Tests install a handler that
// returns a prepared name at once.
namespace FileDialog {

enum class Kind { Save, Open, Folder };

struct Request {
    Kind kind = Kind::Save;
    QString title;
    QString filter; // for example "Zorvel (Arabic) files(*.zva)"
    QString startFolder;
    QString presetName; // Save only; empty for none
};

// Returns the chosen path, or an empty string when the user cancels.
using Handler = std::function<QString(QWidget* parent, const Request&)>;

QString ask(QWidget* parent, const Request& request);

// Replaces the dialog; an empty handler restores the real one.
void setHandler(Handler handler);

} // namespace FileDialog
