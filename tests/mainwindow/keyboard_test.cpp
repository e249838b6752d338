#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/chartcontrol.h"
#include "support/mainwindowfixture.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using KeyboardOnly = MainWindowTest;

// Presses Tab until `target` has the focus; false when the chain never reaches it.
bool tabTo(QWidget* target) {
    for (int i = 0; i < 80; ++i) {
        if (QApplication::focusWidget() == target)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

TEST_F(KeyboardOnly, TypeCalculatePickRowsSaveAndOpen) {
    w->txtLow->setFocus();
    QTest::keyClicks(w->txtLow, QStringLiteral("100"));
    QTest::keyClick(w->txtLow, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->txtHigh);
    QTest::keyClicks(w->txtHigh, QStringLiteral("110"));
    QTest::keyClick(w->txtHigh, Qt::Key_Return);
    ASSERT_EQ(w->lblProbable->text(), QStringLiteral("105"));

    ASSERT_TRUE(tabTo(w->lblRetRatio[3]));
    QTest::keyClick(w->lblRetRatio[3], Qt::Key_Space);
    EXPECT_EQ(CurrentStock->RetIndex, 3);
    EXPECT_TRUE(w->shpRet[3]->isFilled());
    ASSERT_TRUE(tabTo(w->lblUpRatio[8]));
    QTest::keyClick(w->lblUpRatio[8], Qt::Key_Return);
    EXPECT_EQ(CurrentStock->UpIndex, 8);
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("150.00% bounce target:"));

    dialogs.inputs = {QStringLiteral("keys")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 KEYS Chart"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(w->txtHigh->text().isEmpty());

    bool selected = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (int i = 0; i < 100 && QApplication::activeWindow() != dialog; ++i)
            QTest::qWait(10);
        ASSERT_EQ(QApplication::activeWindow(), dialog);
        ASSERT_TRUE(dialog->isAncestorOf(QApplication::focusWidget())) << "the dialog opens with the focus";
        QWidget* select = dialog->findChild<QWidget*>(QStringLiteral("lblOk"));
        ASSERT_TRUE(tabTo(select));
        QTest::keyClick(select, Qt::Key_Return);
        selected = true;
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(selected);
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("110"));
    EXPECT_EQ(CurrentStock->UpIndex, 8);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeyboardOnly, EveryValueControlHasANameToSpeak) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    QList<QWidget*> controls = {w->txtHigh, w->txtLow, w->txtActual, w->lblProbable,
                                w->lblTrendReversalPoint, w->lblUpsideTarget, w->MSChart1,
                                w->MSChart2, w->cmdCalculate, w->cmdActual, w->OptUpside[0], w->OptUpside[1]};
    for (auto* label : w->lblRetracement)
        controls << label;
    for (auto* label : w->lblUp)
        controls << label;
    for (QWidget* control : controls)
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    EXPECT_EQ(w->lblRetracement[1]->accessibleName(), QStringLiteral("Retracement 38.20%"));
    EXPECT_EQ(w->lblUpsideTarget->accessibleName(), QStringLiteral("50.00% bounce target:"));
    EXPECT_EQ(w->lblProbable->accessibleName(), QStringLiteral("Most probable near term target:"));
}

} // namespace
