// Speed of the calculate command on the real window, and of the arithmetic
// behind it alone.
#include "calc/levels.h"
#include "calc/ratios.h"
#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/mainwindowstart.h"
#include "mainwindow/priceedit.h"
#include "platform/appfolder.h"

#include <QApplication>
#include <QTemporaryDir>
#include "benchmain.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LevelAndLadderArithmetic(benchmark::State& state) {
    const RatioTables tables = BuildRatioTables(NumberStyle::Point);
    double high = 110.0, low = 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(high);
        const double range = high - low;
        const auto levels = RetracementLevels(high, range, tables.RetRatios);
        const double base = levels[2];
        std::array<double, kUpRows> ladder{};
        for (int i = 0; i < kUpRows; ++i)
            ladder[i] = RoundHalfEven(base + ProjectionOffset(range, tables.UpRatios[i]), 2);
        const AxisLimits limits = TargetAxisLimits(high, low, base, ladder[2], base);
        benchmark::DoNotOptimize(levels);
        benchmark::DoNotOptimize(ladder);
        benchmark::DoNotOptimize(limits);
    }
}
BENCHMARK(BM_LevelAndLadderArithmetic);

void BM_LadderTexts(benchmark::State& state) {
    const RatioTables tables = BuildRatioTables(NumberStyle::Point);
    for (auto _ : state) {
        const auto levels = RetracementLevels(110.0, 10.0, tables.RetRatios);
        for (double level : levels)
            benchmark::DoNotOptimize(MaskText(level, 2, NumberStyle::Point));
        for (int i = 0; i < kUpRows; ++i)
            benchmark::DoNotOptimize(
                ProjectionText(levels[2], ProjectionOffset(10.0, tables.UpRatios[i]), true, 2, NumberStyle::Point));
    }
}
BENCHMARK(BM_LadderTexts);

// From cmdCalculate_Click until every label and both charts hold their new values.
void BM_CalculateCommand(benchmark::State& state) {
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    CurrentStock = std::make_shared<Stock>();
    auto window = StartMainWindow();
    window->txtLow->setText(QStringLiteral("100"));
    bool flip = false;
    for (auto _ : state) {
        // Alternate the high so that every run writes new texts.
        window->txtHigh->setText(flip ? QStringLiteral("110") : QStringLiteral("111.5"));
        flip = !flip;
        window->cmdCalculate_Click();
    }
    window.reset();
    SetProgramFolder({});
}
BENCHMARK(BM_CalculateCommand)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
