#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one way the program asks the user something in a modal message box. Tests install a
// handler that records the request and answers at once, so no test blocks on a dialog.
namespace MessageBox {

enum class Icon { None, Information, Question, Exclamation };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Request {
    QString text;
    QString caption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
};

using Handler = std::function<Answer(QWidget* parent, const Request&)>;

Answer show(QWidget* parent, const Request& request);

// Shows an information box with an OK button, the program's most common message.
void inform(QWidget* parent, const QString& text, const QString& caption);

// Replaces the dialog; an empty handler restores the real one.
void setHandler(Handler handler);

} // namespace MessageBox
