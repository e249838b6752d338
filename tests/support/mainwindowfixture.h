#pragma once

#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

class QWidget;

// A main window started exactly as the program starts it, on a program folder
// of its own, with scripted message boxes.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types into a box through real key presses, replacing its text.
    void type(QWidget* box, const QString& text);
    // Types the swing and presses Enter in the lower box.
    void calculate(const QString& low, const QString& high);
    // A left click in the middle of a widget.
    void click(QWidget* widget);

    TempProgramFolder folder;
    DialogScript dialogs;
    ModalWatchdog watchdog;
    std::unique_ptr<FrmMain> w;
};
