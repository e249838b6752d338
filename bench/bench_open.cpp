// The Open command with 100,000 saved stocks: from the command until the
// saved stocks tree holds every node with the first one selected.
#include "calc/stock.h"
#include "dialogs/frmsavedstocks.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/mainwindowstart.h"
#include "platform/appfolder.h"
#include "platform/database.h"
#include "storage/module1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include "benchmain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kStocks = 100000;

// Rows written straight into the file in one statement, before the program starts.
void createStocks(const QString& folder, int count) {
    DbConnection connection;
    connection.Open(StockConnectionString(folder));
    connection.Execute(
        QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,UpIndex,UpTrend,Notes) "
                       "With Recursive n(i) As (Select 1 Union All Select i+1 From n Where i<%1) "
                       "Select printf('STOCK %06d', i), 100+i%50, 90, 0, 2, 2, 2, i%2, '' From n")
            .arg(count));
    connection.Close();
}

// Runs `command` and, once the dialog is up, checks the tree and cancels it.
// Returns whether the dialog showed a full tree.
bool openOnce(const std::function<void()>& command) {
    bool full = false;
    QTimer::singleShot(0, [&full] {
        FrmSavedStocks* dialog = FrmSavedStocks::Instance();
        if (!dialog || !dialog->isVisible())
            return;
        QTreeWidget* tree = dialog->TreeView1;
        full = tree->topLevelItemCount() == kStocks && tree->currentItem() == tree->topLevelItem(0);
        dialog->lblCancel_Click();
    });
    command();
    return full;
}

void BM_OpenWithManySavedStocks(benchmark::State& state) {
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    createStocks(folder.path(), kStocks);
    CurrentStock = std::make_shared<Stock>();
    auto window = StartMainWindow();
    if (!window || StockList.Count() != kStocks) {
        state.SkipWithError("the saved stocks did not load");
        return;
    }
    FrmMain* main = window.get();
    // The menu command when it shows the dialog, else the dialog's own entry point.
    std::function<void()> command = [main] { main->mnuOpen_Click(); };
    if (!openOnce(command)) {
        command = [main] { ShowSavedStocksDialog(main); };
        state.SetLabel("ShowSavedStocksDialog");
    } else {
        state.SetLabel("mnuOpen_Click");
    }
    for (auto _ : state) {
        CurrentStock->Modified = false;
        if (!openOnce(command)) {
            state.SkipWithError("the tree was not filled");
            break;
        }
    }
    window.reset();
    SetProgramFolder({});
}
BENCHMARK(BM_OpenWithManySavedStocks)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
