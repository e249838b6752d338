#pragma once

#include "platform/messagebox.h"

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <vector>

// Replaces the real message and input boxes for the life of the object.
// OK boxes are recorded and answered at once; questions and input boxes take
// their answers from the queues, and one without a scripted answer fails the
// test (answering No / the empty text).
class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    std::deque<MsgResult> answers;
    std::deque<QString> inputs;
    std::vector<MsgBoxRequest> shown;
    std::vector<InputBoxRequest> asked;

    // Titles and texts of the boxes shown so far, for short assertions.
    QStringList titles() const;
    QStringList texts() const;
    const MsgBoxRequest& last() const;
    void clear();
};

// A program folder of the test's own, removed with the object.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Fails the test and closes any modal window that stays open longer than
// `seconds`, so that a forgotten dialog cannot hang the suite.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int seconds = 10);
    ~ModalWatchdog();

private:
    QTimer timer_;
    int ticksOpen_ = 0;
    int limitTicks_;
};
