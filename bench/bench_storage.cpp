// Speed of the stock database: loading 100,000 saved stocks, starting the
// main window on 10,000, and one durable save.
#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "platform/appfolder.h"
#include "platform/database.h"
#include "platform/messagebox.h"
#include "storage/module1.h"

#include <QApplication>
#include <QTemporaryDir>
#include "benchmain.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// Rows written straight into the file in one statement: names in no
// particular order, so that the load really sorts, and a line of notes each.
void createStocks(const QString& folder, int count) {
    DbConnection connection;
    connection.Open(StockConnectionString(folder));
    connection.Execute(
        QStringLiteral(
            "Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,UpIndex,UpTrend,Notes) "
            "With Recursive n(i) As (Select 1 Union All Select i+1 From n Where i<%1) "
            "Select printf('S%08X', (i*2654435761) % 4294967296), 100+i%50+0.125, 90.5, 95.25, "
            "i%6, i%5, i%12, i%2, 'Bought after the second test of support; watch volume.' "
            "From n")
            .arg(count));
}

void BM_LoadStocks100k(benchmark::State& state) {
    QTemporaryDir folder;
    createStocks(folder.path(), 100000);
    ResetStorage();
    StockConnection.Open(StockConnectionString(folder.path()));
    for (auto _ : state) {
        state.PauseTiming();
        StockList.Clear();
        state.ResumeTiming();
        LoadStocks();
    }
    if (StockList.Count() != 100000)
        state.SkipWithError("not every stock loaded");
    ResetStorage();
}
BENCHMARK(BM_LoadStocks100k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From creating the window until its start-up sequence has finished.
void BM_StartupWith10kStocks(benchmark::State& state) {
    QTemporaryDir folder;
    createStocks(folder.path(), 10000);
    SetProgramFolder(folder.path());
    for (auto _ : state) {
        auto window = std::make_unique<FrmMain>();
        const bool loaded = window->Form_Load();
        state.PauseTiming();
        if (!loaded || StockList.Count() != 10000)
            state.SkipWithError("the start-up did not finish");
        window.reset();
        state.ResumeTiming();
    }
    ResetStorage();
    SetProgramFolder({});
}
BENCHMARK(BM_StartupWith10kStocks)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One Stock.Save, committed to disk before it returns.
void BM_SaveStock(benchmark::State& state) {
    QTemporaryDir folder;
    ResetStorage();
    StockConnection.Open(StockConnectionString(folder.path()));
    Stock stock;
    stock.StockName = QStringLiteral("O'NEIL");
    stock.High = 1234500;
    stock.Low = 1000000;
    stock.Notes = QStringLiteral("Notes with 'quotes' and a line\r\nbreak.");
    for (auto _ : state)
        benchmark::DoNotOptimize(stock.Save());
    ResetStorage();
}
BENCHMARK(BM_SaveStock)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
