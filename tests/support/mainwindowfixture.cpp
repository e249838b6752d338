#include "support/mainwindowfixture.h"

#include "mainwindow/mainwindowstart.h"
#include "mainwindow/priceedit.h"

#include <QRadioButton>
#include <QTest>

void MainWindowTest::SetUp() {
    CurrentStock = std::make_shared<Stock>();
    w = StartMainWindow();
    ASSERT_TRUE(w);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
}

void MainWindowTest::TearDown() {
    w.reset();
    CurrentStock = std::make_shared<Stock>();
}

void MainWindowTest::type(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void MainWindowTest::calculate(const QString& low, const QString& high) {
    type(w->txtLow, low);
    type(w->txtHigh, high);
    QWidget* lower = w->optDirection[0]->isChecked() ? static_cast<QWidget*>(w->txtHigh)
                                                     : static_cast<QWidget*>(w->txtLow);
    QTest::keyClick(lower, Qt::Key_Return);
}

void MainWindowTest::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
