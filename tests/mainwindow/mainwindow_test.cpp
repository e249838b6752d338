#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/chartcontrol.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

using MainWindow = MainWindowTest;

const QColor kPlain(0xFF, 0xF2, 0xE3);
const QColor kActualPlain(0xFF, 0xFE, 0xE8);

TEST_F(MainWindow, EveryControlCarriesItsNameAndPlace) {
    const char* names[] = {"txtHigh", "txtLow", "txtActual", "cmdCalculate", "cmdActual",
                           "optDirection(0)", "optDirection(1)", "OptUpside(1)", "Frame1", "Frame6",
                           "MSChart1", "MSChart2", "lblRetRatio(4)", "lblRetracement(0)", "shpRet(3)",
                           "lblUpRatio(11)", "lblUp(11)", "shpUp(6)", "lblProbable", "Label2",
                           "Shape6", "lblTrendReversalPoint", "lblTrendReversal", "Shape7", "lblBottom",
                           "Shape8", "lblUpsideTarget", "lblUpside", "Shape9", "lblPrint", "lblLow",
                           "lblHigh"};
    for (const char* name : names)
        EXPECT_NE(w->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(w->objectName(), QStringLiteral("FrmMain"));
    EXPECT_EQ(w->centralWidget()->size(), QSize(812, 453)); // 12180 x 6795 twips
    EXPECT_EQ(w->Frame6->geometry(), QRect(424, 230, 351, 217));
    EXPECT_EQ(w->lblUp[7]->geometry(), QRect(256, 44, 71, 19));
    EXPECT_EQ(w->lblUpRatio[5]->geometry().topLeft(), QPoint(27, 134));
    EXPECT_EQ(w->cmdCalculate->text(), QStringLiteral("o"));
    EXPECT_EQ(w->cmdCalculate->toolTip(), QStringLiteral("Recalculate"));
    EXPECT_EQ(w->cmdActual->toolTip(), QStringLiteral("Recalculate"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1"));
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("23.6% bounce target:"));
    EXPECT_EQ(w->lblRetracement[0]->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(w->lblRetracement[0]->palette().color(QPalette::Window), kPlain);
    EXPECT_EQ(w->lblRetRatio[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    EXPECT_FALSE(w->lblPrint->isVisible());
}

TEST_F(MainWindow, MenuBarHoldsItsEntriesInOrder) {
    QStringList captions, names;
    for (QAction* action : w->menuBar()->actions()) {
        captions << action->text();
        names << action->objectName();
    }
    EXPECT_EQ(captions, (QStringList{"Open", "New", "Save", "Notes", "Print", "Help", "Exit", "Preferences"}));
    EXPECT_EQ(names, (QStringList{"mnuOpen", "mnuNew", "mnuSave", "mnuNotes", "mnuPrint", "mnuHelp",
                                  "mnuExit", "mnPreferences"}));
    QStringList help;
    for (QAction* action : w->mnuHelp->actions())
        help << action->text();
    EXPECT_EQ(help, (QStringList{"Contact Quilmar Software", "Dorvex Home Page"}));
    QStringList decimals;
    for (QAction* action : w->mnuDecimals->actions())
        decimals << action->objectName();
    EXPECT_EQ(decimals, (QStringList{"mnuDecimal(2)", "mnuDecimal(3)", "mnuDecimal(4)", "mnuDecimal(5)"}));
    EXPECT_EQ(w->mnuLanguage[1]->text(), QStringLiteral("French"));
    EXPECT_EQ(w->mnuDoCopy->text(), QStringLiteral("Copy"));
}

TEST_F(MainWindow, PriceBoxesTakeOnlyDigitsAndTheStylesSeparator) {
    for (auto* box : {w->txtHigh, w->txtLow, w->txtActual}) {
        SCOPED_TRACE(box->objectName().toStdString());
        type(box, QStringLiteral("1a2-3+ 4.5,6"));
        EXPECT_EQ(box->text(), QStringLiteral("1234.56"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QStringLiteral("1234.5"));
        type(box, QStringLiteral("12.3.4"));
        EXPECT_EQ(box->text(), QStringLiteral("12.3.4")) << "separators are not counted";
    }
    w->Language = 1;
    type(w->txtLow, QStringLiteral("7.5,25"));
    EXPECT_EQ(w->txtLow->text(), QStringLiteral("75,25"));
}

TEST_F(MainWindow, PastedTextIsNotFiltered) {
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    w->txtLow->setFocus();
    QTest::keyClick(w->txtLow, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtLow->text(), QStringLiteral("12a"));
    w->cmdCalculate_Click();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Please enter valid Low and High values"));
}

TEST_F(MainWindow, FocusSelectsTheWholeText) {
    w->txtHigh->setText(QStringLiteral("123456.789"));
    w->txtLow->setFocus();
    w->txtHigh->setFocus();
    EXPECT_EQ(w->txtHigh->selectedText(), QStringLiteral("123456.789"));
    QTest::keyClicks(w->txtHigh, QStringLiteral("9"));
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("9"));
    w->txtActual->setText(QStringLiteral("55"));
    w->txtActual->setFocus();
    EXPECT_EQ(w->txtActual->selectedText(), QStringLiteral("55"));
}

TEST_F(MainWindow, KeysInTheSwingBoxesMarkTheStockModified) {
    CurrentStock->Modified = false;
    type(w->txtActual, QStringLiteral("5"));
    EXPECT_FALSE(CurrentStock->Modified) << "the actual box does not count";
    w->txtLow->setFocus();
    QTest::keyClicks(w->txtLow, QStringLiteral("x")); // discarded, still counts
    EXPECT_TRUE(CurrentStock->Modified);
    CurrentStock->Modified = false;
    QTest::mouseClick(w->txtHigh, Qt::LeftButton);
    EXPECT_TRUE(CurrentStock->Modified) << "a mouse release over the box counts";
}

TEST_F(MainWindow, RatioCaptionsFollowTheNumberStyle) {
    EXPECT_EQ(w->lblRetRatio[0]->text(), QStringLiteral("23.60%"));
    EXPECT_EQ(w->lblUpRatio[11]->text(), QStringLiteral("200.00%"));
    const auto pointRet = w->RetRatios;
    const auto pointUp = w->UpRatios;
    w->Language = 1;
    w->SetRatios();
    EXPECT_EQ(w->lblRetRatio[0]->text(), QStringLiteral("23,60%"));
    EXPECT_EQ(w->lblUpRatio[5]->text(), QStringLiteral("100,00%"));
    EXPECT_EQ(w->lblUpRatio[11]->text(), QStringLiteral("200,00%"));
    EXPECT_EQ(w->RetRatios, pointRet);
    EXPECT_EQ(w->UpRatios, pointUp);
    EXPECT_EQ(w->UpRatios[7], 138.2);
}

struct RowLook {
    bool bold;
    QColor box;
    bool plate;
};

RowLook retRow(const FrmMain& w, int i) {
    return {w.lblRetRatio[i]->font().bold(), w.lblRetracement[i]->palette().color(QPalette::Window),
            w.shpRet[i]->isFilled()};
}

RowLook upRow(const FrmMain& w, int i) {
    return {w.lblUpRatio[i]->font().bold(), w.lblUp[i]->palette().color(QPalette::Window),
            w.shpUp[i]->isFilled()};
}

void expectHighlighted(const RowLook& look, bool on) {
    EXPECT_EQ(look.bold, on);
    EXPECT_EQ(look.box, on ? QColor(Qt::white) : kPlain);
    EXPECT_EQ(look.plate, on);
}

TEST_F(MainWindow, HighlightMovesBetweenRowsAndToTheActualBox) {
    w->HiliteRet(3, false);
    expectHighlighted(retRow(*w, 3), true);
    w->HiliteRet(1, false);
    expectHighlighted(retRow(*w, 3), false);
    expectHighlighted(retRow(*w, 1), true);
    EXPECT_EQ(w->RetHighlight, 1);

    w->HiliteRet(0, true);
    expectHighlighted(retRow(*w, 1), false);
    EXPECT_TRUE(w->txtActual->font().bold());
    EXPECT_EQ(w->txtActual->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(w->RetHighlight, 1) << "the actual box leaves the remembered row alone";

    w->HiliteRet(4, false);
    EXPECT_FALSE(w->txtActual->font().bold());
    EXPECT_EQ(w->txtActual->palette().color(QPalette::Base), kActualPlain);
    expectHighlighted(retRow(*w, 4), true);

    w->HiliteUp(11);
    w->HiliteUp(6);
    expectHighlighted(upRow(*w, 11), false);
    expectHighlighted(upRow(*w, 6), true);
    w->HiliteUp(6);
    expectHighlighted(upRow(*w, 6), true); // the same row again stays highlighted
}

TEST_F(MainWindow, ClearLeavesNoRowHighlighted) {
    w->HiliteRet(0, true);
    w->HiliteRet(2, false);
    w->HiliteUp(8);
    w->HiliteRet(0, false, true);
    w->HiliteUp(0, true);
    for (int i = 0; i < kRetRows; ++i)
        expectHighlighted(retRow(*w, i), false);
    for (int i = 0; i < kUpRows; ++i)
        expectHighlighted(upRow(*w, i), false);
    EXPECT_FALSE(w->txtActual->font().bold());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindow, HighlightOfARowThatDoesNotExistIsTrapped) {
    w->HiliteUp(12);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain HiliteUp Error#9"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    w->HiliteRet(-1, false);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain HiliteRet Error#9"));
    w->HiliteUp(3);
    expectHighlighted(upRow(*w, 3), true);
}

TEST_F(MainWindow, PointerTurnsToAHandOverLadderLabels) {
    for (QWidget* label : {static_cast<QWidget*>(w->lblRetRatio[0]), static_cast<QWidget*>(w->lblUp[11]),
                           static_cast<QWidget*>(w->lblRetracement[4]), static_cast<QWidget*>(w->lblUpRatio[5])}) {
        QTest::mouseMove(label, label->rect().center());
        QMouseEvent move(QEvent::MouseMove, QPointF(label->rect().center()), QPointF(label->mapToGlobal(label->rect().center())),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << label->objectName().toStdString();
    }
    EXPECT_NE(w->lblProbable->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
