// Cost of filling a chart the way a calculation does: six rows with labels and
// fixed axis limits, then the one deferred redraw.
#include "platform/chartcontrol.h"

#include <QApplication>
#include <QCoreApplication>
#include "benchmain.h"

#include <benchmark/benchmark.h>

namespace {

void fill(ChartControl& chart, double shift) {
    const double high = 120.0 + shift;
    const double low = 90.0 + shift;
    chart.SetRow(1);
    chart.SetData(low);
    chart.SetRowLabel(QString::number(low));
    chart.SetRow(2);
    chart.SetData(low + (high - low) / 3);
    chart.SetRow(3);
    chart.SetData(low + 2 * (high - low) / 3);
    chart.SetRow(4);
    chart.SetData(high);
    chart.SetRowLabel(QString::number(high));
    chart.SetRow(5);
    chart.SetData(low);
    chart.SetRowLabel(QStringLiteral("Base"));
    chart.SetRow(6);
    chart.SetData(high + 5);
    chart.SetRowLabel(QString::number(high + 5));
    chart.SetAutoScale(false);
    chart.SetMaximum(high + 5);
    chart.SetMinimum(low);
}

// Argument 0: what a calculation pays while it runs (the rows are stored,
// drawing waits). Argument 1: the whole update, rows and the one redraw.
void BM_ChartWrite(benchmark::State& state) {
    const bool redrawEachPass = state.range(0) != 0;
    ChartControl chart(6);
    chart.resize(387, 239);
    chart.show();
    double shift = 0;
    for (auto _ : state) {
        fill(chart, shift);
        shift = shift > 100 ? 0 : shift + 0.5;
        if (redrawEachPass)
            QCoreApplication::sendPostedEvents();
    }
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_ChartWrite)->ArgName("redraw")->Arg(0)->Arg(1);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
