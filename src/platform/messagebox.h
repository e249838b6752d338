#pragma once

#include <QString>
#include <functional>

class QWidget;

enum class MsgIcon { None, Information, Question, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

// The application's title, carried by every box shown without a title of its own.
inline const QString kAppTitle = QStringLiteral("Dorvex");

struct MsgBoxRequest {
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title;  // as shown: kAppTitle when the caller gave none
    bool yesIsDefault = false;
};

// Shows a modal message box and returns the button pressed. An empty title
// becomes kAppTitle.
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = {},
                 QWidget* parent = nullptr, bool yesIsDefault = false);

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultAnswer;
};

// Shows a modal input box; Cancel answers the empty text.
QString InputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                 QWidget* parent = nullptr);

// Tests replace the real dialogs with scripted answers. Passing an empty
// function restores the real dialogs.
using MsgBoxHandler = std::function<MsgResult(const MsgBoxRequest&)>;
using InputBoxHandler = std::function<QString(const InputBoxRequest&)>;
void SetMsgBoxHandler(MsgBoxHandler handler);
void SetInputBoxHandler(InputBoxHandler handler);
