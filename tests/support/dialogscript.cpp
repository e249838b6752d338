#include "support/dialogscript.h"

#include "platform/appfolder.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

DialogScript::DialogScript() {
    SetMsgBoxHandler([this](const MsgBoxRequest& request) {
        shown.push_back(request);
        if (request.buttons == MsgButtons::Ok)
            return MsgResult::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << request.title.toStdString() << " / "
                          << request.text.toStdString();
            return MsgResult::No;
        }
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    });
    SetInputBoxHandler([this](const InputBoxRequest& request) {
        asked.push_back(request);
        if (inputs.empty()) {
            ADD_FAILURE() << "unexpected input box: " << request.title.toStdString();
            return QString();
        }
        const QString answer = inputs.front();
        inputs.pop_front();
        return answer;
    });
}

DialogScript::~DialogScript() {
    SetMsgBoxHandler({});
    SetInputBoxHandler({});
}

QStringList DialogScript::titles() const {
    QStringList list;
    for (const auto& r : shown)
        list << r.title;
    return list;
}

QStringList DialogScript::texts() const {
    QStringList list;
    for (const auto& r : shown)
        list << r.text;
    return list;
}

const MsgBoxRequest& DialogScript::last() const {
    static const MsgBoxRequest none;
    return shown.empty() ? none : shown.back();
}

void DialogScript::clear() {
    shown.clear();
    asked.clear();
}

TempProgramFolder::TempProgramFolder() { SetProgramFolder(dir_.path()); }
TempProgramFolder::~TempProgramFolder() { SetProgramFolder({}); }

ModalWatchdog::ModalWatchdog(int seconds) : limitTicks_(seconds * 10) {
    timer_.setInterval(100);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        ticksOpen_ = modal ? ticksOpen_ + 1 : 0;
        if (modal && ticksOpen_ > limitTicks_) {
            ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
            ticksOpen_ = 0;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    timer_.start();
}

ModalWatchdog::~ModalWatchdog() { timer_.stop(); }
