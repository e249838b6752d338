#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/chartcontrol.h"
#include "support/mainwindowfixture.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

using Calculation = MainWindowTest;

QStringList texts(const auto& labels) {
    QStringList list;
    for (const auto* label : labels)
        list << label->text();
    return list;
}

QStringList words(const char* spaced) { return QString::fromLatin1(spaced).split(u' '); }

QList<double> chartValues(const ChartControl* chart) {
    QList<double> values;
    for (int row = 1; row <= chart->RowCount(); ++row)
        values << chart->Data(row);
    return values;
}

QStringList chartLabels(const ChartControl* chart) {
    QStringList labels;
    for (int row = 1; row <= chart->RowCount(); ++row)
        labels << chart->RowLabel(row);
    return labels;
}

TEST_F(Calculation, UptrendFillsBothLaddersResultsAndCharts) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(texts(w->lblRetracement), words("107.64 106.18 105. 103.82 102.14"));
    EXPECT_EQ(w->lblTrendReversal->text(), QStringLiteral("Possible trend reversal below:"));
    EXPECT_EQ(w->lblTrendReversalPoint->text(), QStringLiteral("103.82"));
    EXPECT_EQ(w->lblProbable->text(), QStringLiteral("105"));
    EXPECT_EQ(texts(w->lblUp),
              words("107.36 108.82 110 111.18 112.86 115 117.36 118.82 120 121.18 122.86 125"));
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("50.00% bounce target:"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("110"));

    EXPECT_EQ(chartValues(w->MSChart1), (QList<double>{100, 100 + 10.0 / 3, 100 + 20.0 / 3, 110, 105}));
    EXPECT_EQ(chartLabels(w->MSChart1), (QStringList{"100", "", "", "110", "105"}));
    EXPECT_FALSE(w->MSChart1->AutoScale());
    EXPECT_EQ(w->MSChart1->Maximum(), 110);
    EXPECT_EQ(w->MSChart1->Minimum(), 100);
    EXPECT_EQ(chartValues(w->MSChart2).mid(4), (QList<double>{105, 110}));
    EXPECT_EQ(chartLabels(w->MSChart2), (QStringList{"100", "", "", "110", "105", "110"}));
    EXPECT_EQ(w->MSChart2->Maximum(), 110);
    EXPECT_EQ(w->MSChart2->Minimum(), 100);

    EXPECT_FALSE(CurrentStock->NewStock);
    EXPECT_EQ(CurrentStock->RetIndex, 2);
    EXPECT_EQ(CurrentStock->UpIndex, 2);
    EXPECT_EQ(CurrentStock->Bottom, 2);
    EXPECT_TRUE(w->lblRetRatio[2]->font().bold());
    EXPECT_TRUE(w->shpUp[2]->isFilled());
}

TEST_F(Calculation, DowntrendReversesTheLadderAndMovesTheBoxes) {
    click(w->optDirection[1]);
    EXPECT_EQ(w->lblLow->text(), QStringLiteral("High"));
    EXPECT_EQ(w->lblHigh->text(), QStringLiteral("Low"));
    EXPECT_EQ(w->lblBottom->text(), QStringLiteral("Actual swing high"));
    EXPECT_LT(w->txtHigh->y(), w->txtLow->y());
    EXPECT_TRUE(w->txtHigh->hasFocus()) << "focus ends in the upper box";

    calculate(QStringLiteral("100"), QStringLiteral("110"));
    EXPECT_EQ(texts(w->lblRetracement), words("102.14 103.82 105. 106.18 107.64"));
    EXPECT_EQ(w->lblTrendReversal->text(), QStringLiteral("Possible trend reversal above:"));
    EXPECT_EQ(w->lblTrendReversalPoint->text(), QStringLiteral("106.18"));
    EXPECT_EQ(chartValues(w->MSChart1), (QList<double>{110, 100 + 20.0 / 3, 100 + 10.0 / 3, 100, 105}));
    EXPECT_EQ(chartLabels(w->MSChart1), (QStringList{"110", "", "", "100", "105"}));

    click(w->optDirection[0]);
    EXPECT_GT(w->txtHigh->y(), w->txtLow->y());
    EXPECT_TRUE(w->txtLow->hasFocus());
    EXPECT_EQ(w->lblBottom->text(), QStringLiteral("Actual swing low"));
    EXPECT_EQ(w->lblTrendReversalPoint->text(), QStringLiteral("106.18")) << "direction alone recalculates nothing";
}

TEST_F(Calculation, EnterCalculatesOnlyInTheLowerBox) {
    type(w->txtLow, QStringLiteral("100"));
    type(w->txtHigh, QStringLiteral("110"));
    QTest::keyClick(w->txtLow, Qt::Key_Return); // upper box in an uptrend
    EXPECT_TRUE(w->lblRetracement[0]->text().isEmpty());
    QTest::keyClick(w->txtHigh, Qt::Key_Return);
    EXPECT_EQ(w->lblRetracement[0]->text(), QStringLiteral("107.64"));

    click(w->optDirection[1]);
    type(w->txtLow, QStringLiteral("200"));
    type(w->txtHigh, QStringLiteral("210"));
    QTest::keyClick(w->txtHigh, Qt::Key_Return); // upper box in a downtrend
    EXPECT_EQ(w->lblRetracement[0]->text(), QStringLiteral("107.64"));
    QTest::keyClick(w->txtLow, Qt::Key_Return);
    EXPECT_EQ(w->lblRetracement[0]->text(), QStringLiteral("202.14"));
}

TEST_F(Calculation, RefusesBadInputWithItsMessageAndFocusInTheLowBox) {
    struct Case {
        const char* low;
        const char* high;
        const char* text;
        const char* title;
    } cases[] = {
        {"", "110", "Please enter valid Low and High values", "Error"},
        {"100", "", "Please enter valid Low and High values", "Error"},
        {".", "110", "Please enter valid Low and High values", "Error"},
        {"1.2.3", "110", "Please enter valid Low and High values", "Error"},
        {"10", "9", "High value cannot be less than the low value", "Please Correct"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.low);
        dialogs.clear();
        type(w->txtLow, QString::fromLatin1(c.low));
        type(w->txtHigh, QString::fromLatin1(c.high));
        w->cmdCalculate_Click();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().text, QString::fromLatin1(c.text));
        EXPECT_EQ(dialogs.last().title, QString::fromLatin1(c.title));
        EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
        EXPECT_TRUE(w->txtLow->hasFocus());
        EXPECT_TRUE(w->lblRetracement[0]->text().isEmpty());
        EXPECT_EQ(w->SwingRange, 0);
    }
}

TEST_F(Calculation, LowEqualToHighPutsEveryLevelAtTheHigh) {
    calculate(QStringLiteral("50"), QStringLiteral("50"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(texts(w->lblRetracement), words("50. 50. 50. 50. 50."));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("50"));
}

TEST_F(Calculation, FivePlacesAndTheCommaStyle) {
    w->Decimals = 5;
    calculate(QStringLiteral("1.1"), QStringLiteral("1.23456"));
    EXPECT_EQ(texts(w->lblRetracement), words("1.2028 1.18316 1.16728 1.1514 1.1288"));
    EXPECT_EQ(w->lblTrendReversalPoint->text(), QStringLiteral("1.1514"));

    w->Language = 1;
    w->SetRatios();
    w->Decimals = 3;
    calculate(QStringLiteral("100"), QStringLiteral("110,5"));
    EXPECT_EQ(w->lblRetRatio[0]->text(), QStringLiteral("23,60%"));
    EXPECT_EQ(texts(w->lblRetracement), words("108,022 106,489 105,25 104,011 102,247"));
    EXPECT_EQ(w->lblProbable->text(), QStringLiteral("105,25"));
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("50,00% bounce target:"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("110,5"));
}

TEST_F(Calculation, DownsideProjectionsNeverGoBelowZero) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    click(w->OptUpside[1]);
    EXPECT_EQ(w->Frame6->title(), QStringLiteral("Downside Price Projections "));
    EXPECT_EQ(w->lblBottom->text(), QStringLiteral("Actual Swing High"));
    EXPECT_EQ(texts(w->lblUp),
              words("102.64 101.18 100 98.82 97.14 95 92.64 91.18 90 88.82 87.14 85"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("100"));
    EXPECT_EQ(w->MSChart2->Data(6), 100);

    calculate(QStringLiteral("0"), QStringLiteral("10"));
    EXPECT_EQ(texts(w->lblUp), words("2.64 1.18 0 0 0 0 0 0 0 0 0 0"));
    click(w->lblUp[7]);
    EXPECT_EQ(w->MSChart2->Data(6), 0) << "a box reading 0 gives a target of exactly 0";
    EXPECT_EQ(w->MSChart2->Minimum(), 0);
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("138.20% bounce target:"));

    click(w->OptUpside[0]);
    EXPECT_EQ(w->Frame6->title(), QStringLiteral("Upside Price Projections "));
    EXPECT_EQ(w->lblBottom->text(), QStringLiteral("Actual Swing Low"));
    EXPECT_EQ(w->lblUp[0]->text(), QStringLiteral("7.36"));
}

TEST_F(Calculation, ActualValueBecomesTheBaseUntilTheNextCalculation) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    type(w->txtActual, QStringLiteral("100"));
    QTest::keyClick(w->txtActual, Qt::Key_Return);
    EXPECT_EQ(CurrentStock->Bottom, 5);
    EXPECT_EQ(CurrentStock->Actual, 100);
    EXPECT_EQ(CurrentStock->RetIndex, 2) << "the actual value keeps the retracement row";
    EXPECT_EQ(w->lblUp[0]->text(), QStringLiteral("102.36"));
    EXPECT_EQ(w->lblUp[11]->text(), QStringLiteral("120"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("105"));
    EXPECT_EQ(w->MSChart2->Data(5), 100);
    EXPECT_TRUE(w->txtActual->font().bold());
    EXPECT_EQ(w->txtActual->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(w->shpRet[2]->isFilled());

    calculate(QStringLiteral("100"), QStringLiteral("110"));
    EXPECT_TRUE(w->txtActual->text().isEmpty());
    EXPECT_EQ(CurrentStock->Bottom, 2);
    EXPECT_FALSE(w->txtActual->font().bold());
    EXPECT_EQ(w->lblUp[0]->text(), QStringLiteral("107.36"));
}

TEST_F(Calculation, ActualThatIsZeroEmptyOrNoNumberChangesNothing) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    for (const char* text : {"", "0", "0.00"}) {
        type(w->txtActual, QString::fromLatin1(text));
        click(w->cmdActual);
        EXPECT_EQ(CurrentStock->Bottom, 2);
        EXPECT_TRUE(dialogs.shown.empty());
    }
    type(w->txtActual, QStringLiteral("1.2.3"));
    QTest::keyClick(w->txtActual, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Please enter a valid actual value"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
    EXPECT_TRUE(w->txtActual->hasFocus());
    EXPECT_EQ(CurrentStock->Bottom, 2);
    EXPECT_EQ(CurrentStock->Actual, 0);
}

TEST_F(Calculation, EmptiedActualBoxFallsBackToTheMiddleRow) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    click(w->lblRetracement[4]);
    type(w->txtActual, QStringLiteral("100"));
    click(w->cmdActual);
    ASSERT_EQ(CurrentStock->Bottom, 5);
    w->txtActual->clear();
    click(w->lblUpRatio[4]);
    EXPECT_EQ(CurrentStock->Bottom, 2);
    EXPECT_EQ(CurrentStock->RetIndex, 2);
    EXPECT_EQ(CurrentStock->UpIndex, 4);
    EXPECT_TRUE(w->shpRet[2]->isFilled());
    EXPECT_EQ(w->lblUp[0]->text(), QStringLiteral("107.36"));
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("78.60% bounce target:"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("112.86"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Calculation, RetracementRowClicksMoveTheBase) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    type(w->txtActual, QStringLiteral("101"));
    click(w->lblRetRatio[3]);
    click(w->lblRetracement[1]);
    EXPECT_EQ(CurrentStock->RetIndex, 1);
    EXPECT_EQ(CurrentStock->Bottom, 1);
    EXPECT_TRUE(w->txtActual->text().isEmpty());
    EXPECT_EQ(w->BasePrice, 106.18);
    EXPECT_EQ(w->lblUp[2]->text(), QStringLiteral("111.18"));
    EXPECT_EQ(w->MSChart2->Data(5), 106.18);
}

TEST_F(Calculation, ClicksBeforeAnyCalculationOnlyHighlight) {
    click(w->lblUp[5]);
    EXPECT_EQ(CurrentStock->UpIndex, 5);
    EXPECT_TRUE(w->shpUp[5]->isFilled());
    click(w->lblRetRatio[3]);
    EXPECT_EQ(CurrentStock->RetIndex, 3);
    EXPECT_EQ(CurrentStock->Bottom, 3);
    for (const auto* label : w->lblUp)
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_EQ(w->MSChart2->Data(6), 0);
    EXPECT_TRUE(w->MSChart2->RowLabel(6).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Calculation, OpenedStockKeepsItsProjectionRow) {
    CurrentStock->NewStock = false;
    CurrentStock->UpIndex = 9;
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    EXPECT_EQ(CurrentStock->UpIndex, 9);
    EXPECT_TRUE(w->shpUp[9]->isFilled());
    EXPECT_EQ(w->lblUpside->text(), QStringLiteral("161.80% bounce target:"));
    EXPECT_EQ(w->lblUpsideTarget->text(), QStringLiteral("121.18"));
    EXPECT_EQ(w->MSChart2->Data(6), 105 + 16.18);
}

TEST_F(Calculation, TrappedFailuresNameTheirRoutine) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    w->lblRetracement[2]->setText(QStringLiteral("x"));
    click(w->lblUpRatio[1]);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain lblUpRatio_Click Error#13"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Type mismatch"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);

    click(w->lblUp[1]);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain lblUp_Click Error#13"));
    click(w->lblRetracement[2]);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain ReCalculateBottom Error#13"));
    EXPECT_TRUE(w->shpRet[2]->isFilled()) << "what ran before the failure stays done";

    // The window stays usable.
    dialogs.clear();
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w->lblRetracement[2]->text(), QStringLiteral("105."));
}

TEST_F(Calculation, ChartsTakeExactPointsAndRoundOnlyTheTargetLabel) {
    w->SetChart(120, 90, 105);
    EXPECT_EQ(chartValues(w->MSChart1), (QList<double>{90, 100, 110, 120, 105}));
    EXPECT_EQ(chartLabels(w->MSChart1), (QStringList{"90", "", "", "120", "105"}));
    w->BasePrice = 100;
    w->SetTargetChart(110, 100, 100, 123.456);
    EXPECT_EQ(w->MSChart2->Data(6), 123.456);
    EXPECT_EQ(w->MSChart2->RowLabel(6), QStringLiteral("123.46"));
    EXPECT_EQ(w->MSChart2->Maximum(), 123.456);
    w->SetTargetChart(110, 100, 130, 110);
    EXPECT_EQ(w->MSChart2->Maximum(), 130) << "a base above both sets the maximum";
    w->SetTargetChart(110, 100, 105, 110);
    EXPECT_EQ(w->MSChart2->Maximum(), 110) << "high equal to target";
    EXPECT_EQ(w->MSChart2->Minimum(), 100);
    w->ClearCharts();
    EXPECT_EQ(chartValues(w->MSChart2), (QList<double>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(chartLabels(w->MSChart1), (QStringList{"", "", "", "", ""}));
}

} // namespace
