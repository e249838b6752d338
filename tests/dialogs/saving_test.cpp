#include "dialogs/saving.h"
#include "support/dialogscript.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class SavingWindow : public ::testing::Test {
protected:
    void TearDown() override { SetSavingProgressObserver({}); }
    ModalWatchdog watchdog;
};

TEST_F(SavingWindow, BarStepsFromOneToNinetySixAndTheWindowClosesItself) {
    std::vector<int> values;
    std::vector<int> barValues;
    bool sawWindow = true;
    SetSavingProgressObserver([&](int value) {
        values.push_back(value);
        auto* window = qobject_cast<Saving*>(QApplication::activeModalWidget());
        sawWindow = sawWindow && window && window->isVisible();
        if (window)
            barValues.push_back(window->Prgs->value());
    });
    ShowSavingWindow();

    std::vector<int> expected;
    for (int v = 1; v <= 96; v += 5)
        expected.push_back(v);
    EXPECT_EQ(values, expected);
    EXPECT_EQ(barValues, expected) << "the bar itself shows each step";
    EXPECT_TRUE(sawWindow) << "each step happens while the window is up and modal";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->objectName() == QLatin1String("Saving") && widget->isVisible());
}

TEST_F(SavingWindow, LooksAsDesignedAndIgnoresEscape) {
    Saving window;
    EXPECT_EQ(window.objectName(), QStringLiteral("Saving"));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(window.lblQuote->text(), QStringLiteral("Saving.."));
    EXPECT_EQ(window.lblQuote->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_TRUE(window.lblQuote->font().bold());
    // The label starts left of the window and is wider than it, so its centre is the window's.
    EXPECT_LT(window.lblQuote->x(), 0);
    EXPECT_NEAR(window.lblQuote->geometry().center().x(), window.rect().center().x(), 2);
    EXPECT_EQ(window.Prgs->minimum(), 0);
    EXPECT_EQ(window.Prgs->maximum(), 100);
    EXPECT_EQ(window.Prgs->value(), 0);

    int steps = 0;
    SetSavingProgressObserver([&](int value) {
        ++steps;
        if (value == 1)
            window.reject(); // Escape: the window runs on
    });
    window.exec();
    EXPECT_EQ(steps, 20);
    EXPECT_EQ(window.Prgs->value(), 96);
}

} // namespace
