#include "platform/messagebox.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
MsgBoxHandler& msgBoxHandler() {
    static MsgBoxHandler handler;
    return handler;
}
InputBoxHandler& inputBoxHandler() {
    static InputBoxHandler handler;
    return handler;
}

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void SetMsgBoxHandler(MsgBoxHandler handler) { msgBoxHandler() = std::move(handler); }
void SetInputBoxHandler(InputBoxHandler handler) { inputBoxHandler() = std::move(handler); }

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                 QWidget* parent, bool yesIsDefault) {
    MsgBoxRequest request{text, buttons, icon, title.isEmpty() ? kAppTitle : title, yesIsDefault};
    if (msgBoxHandler())
        return msgBoxHandler()(request);

    QMessageBox box(toQtIcon(icon), request.title, text, QMessageBox::NoButton, parent);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgResult::Ok;
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                 QWidget* parent) {
    InputBoxRequest request{prompt, title.isEmpty() ? kAppTitle : title, defaultAnswer};
    if (inputBoxHandler())
        return inputBoxHandler()(request);

    QInputDialog dialog(parent);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}
