// The swing chart and the target chart.
#include "calc/levels.h"
#include "mainwindow/frmmain.h"
#include "platform/chartcontrol.h"
#include "platform/errors.h"

#include <QRadioButton>

namespace {
// Rows 1 to 4: the swing from its start to its end, labelled at both ends.
void writeSwing(ChartControl* chart, double high, double low, bool uptrend, NumberStyle style) {
    const auto points = SwingPoints(high, low, uptrend);
    for (int row = 1; row <= 4; ++row) {
        chart->SetRow(row);
        chart->SetData(points[row - 1]);
        if (row == 1 || row == 4)
            chart->SetRowLabel(PlainText(points[row - 1], style));
    }
}
} // namespace

void FrmMain::SetChart(double High, double Low, double Target) {
    Trap(QStringLiteral("frmMain SetChart"), this, [&] {
        const bool uptrend = optDirection[0]->isChecked();
        writeSwing(MSChart1, High, Low, uptrend, Style());
        MSChart1->SetRow(5);
        MSChart1->SetData(Target);
        MSChart1->SetRowLabel(PlainText(Target, Style()));
    });
}

void FrmMain::SetTargetChart(double High, double Low, double Base, double Target) {
    Trap(QStringLiteral("frmMain SetTargetChart"), this, [&] {
        const bool uptrend = optDirection[0]->isChecked();
        writeSwing(MSChart2, High, Low, uptrend, Style());
        MSChart2->SetRow(5);
        MSChart2->SetData(Base);
        MSChart2->SetRowLabel(PlainText(Base, Style()));
        MSChart2->SetRow(6);
        MSChart2->SetData(Target);
        MSChart2->SetRowLabel(PlainText(RoundHalfEven(Target, Decimals), Style()));
        MSChart2->SetAutoScale(false);
        const AxisLimits limits = TargetAxisLimits(High, Low, Base, Target, BasePrice);
        MSChart2->SetMaximum(limits.maximum);
        MSChart2->SetMinimum(limits.minimum);
    });
}

void FrmMain::ClearCharts() {
    for (ChartControl* chart : {MSChart1, MSChart2}) {
        for (int row = 1; row <= chart->RowCount(); ++row) {
            chart->SetRow(row);
            chart->SetData(0);
            chart->SetRowLabel(QString());
        }
    }
}
