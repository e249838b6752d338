#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QProgressBar;

// Shows the Saving window modally; it runs its progress bar and closes itself.
void ShowSavingWindow();

// Tests watch each value the progress bar takes; an empty function stops watching.
using SavingProgressObserver = std::function<void(int value)>;
void SetSavingProgressObserver(SavingProgressObserver observer);

// The borderless window that acknowledges a save: "Saving.." above a bar
// that runs from 1 to 96 in steps of 5, pausing 9 ms after each step.
class Saving : public QDialog {
    Q_OBJECT
public:
    Saving();

    // Steps the bar and unloads the window; runs once, when the window shows.
    void RunProgress();
    // Blocks for `milliseconds`, then processes every pending window event.
    static void Pause(int milliseconds);

    QFrame* Shape1 = nullptr;
    QLabel* lblQuote = nullptr;
    QProgressBar* Prgs = nullptr;

public slots:
    // The window takes no input: Escape does not close it early.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool started_ = false;
    bool finished_ = false;
};
