#pragma once

#include "calc/stock.h"
#include "dialogs/frmsavedstocks.h"
#include "support/mainwindowfixture.h"

#include <QStringList>
#include <functional>

// A started main window with saved stocks of the test's choosing, and a way
// to act inside the modal saved stocks dialog while Open runs.
class SavedStocksTest : public MainWindowTest {
protected:
    // Inserts a row through Stock::Save and appends it to StockList.
    StockPtr addSaved(const QString& name, double high = 110, double low = 100, bool upTrend = true,
                      qint16 upIndex = 2, double actual = 0, const QString& notes = {});

    // Shows the dialog as the Open command does; `act` runs once the dialog is on screen. The
    // dialog is cancelled afterwards if `act` left it open. Returns whether
    // the dialog was shown.
    bool open(const std::function<void(FrmSavedStocks&)>& act);

    // The node texts, keys and the selected node's row.
    static QStringList nodeTexts(const FrmSavedStocks& dialog);
    static QStringList nodeKeys(const FrmSavedStocks& dialog);
    static int selectedRow(const FrmSavedStocks& dialog);

    // Stock names in StockList order, and the names of the stored rows, sorted.
    static QStringList listNames();
    static QStringList storedNames();
};
