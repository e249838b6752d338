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

// What a calculation pays while it runs: the rows are stored, drawing waits.
void BM_ChartWriteRows(benchmark::State& state) {
    ChartControl chart(6);
    chart.resize(387, 239);
    chart.show();
    double shift = 0;
    for (auto _ : state) {
        fill(chart, shift);
        shift = shift > 100 ? 0 : shift + 0.5;
    }
    // Every pass above found a redraw already waiting and added none.
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_ChartWriteRows);

// The whole update: the rows and the one redraw of series and axes.
void BM_ChartWriteAndRedraw(benchmark::State& state) {
    ChartControl chart(6);
    chart.resize(387, 239);
    chart.show();
    double shift = 0;
    for (auto _ : state) {
        fill(chart, shift);
        shift = shift > 100 ? 0 : shift + 0.5;
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_ChartWriteAndRedraw);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
