#include "savedstocksfixture.h"

#include "storage/module1.h"

#include <QTimer>
#include <QTreeWidget>

StockPtr SavedStocksTest::addSaved(const QString& name, double high, double low, bool upTrend,
                                   qint16 upIndex, double actual, const QString& notes) {
    auto stock = std::make_shared<Stock>();
    stock->StockName = name;
    stock->High = Fixed4FromDouble(high);
    stock->Low = Fixed4FromDouble(low);
    stock->UpTrend = upTrend;
    stock->UpIndex = upIndex;
    stock->RetIndex = 2;
    stock->Bottom = 2;
    stock->Actual = actual;
    stock->Notes = notes;
    stock->ID = stock->Save();
    StockList.Add(stock->ID, stock);
    return stock;
}

bool SavedStocksTest::open(const std::function<void(FrmSavedStocks&)>& act) {
    bool shown = false;
    QTimer::singleShot(0, w.get(), [&] {
        FrmSavedStocks* dialog = FrmSavedStocks::Instance();
        if (!dialog || !dialog->isVisible())
            return;
        shown = true;
        act(*dialog);
        dialog = FrmSavedStocks::Instance();
        if (dialog && dialog->isVisible())
            dialog->lblCancel_Click();
    });
    w->mnuOpen_Click();
    return shown;
}

QStringList SavedStocksTest::nodeTexts(const FrmSavedStocks& dialog) {
    QStringList texts;
    for (int i = 0; i < dialog.TreeView1->topLevelItemCount(); ++i)
        texts << dialog.TreeView1->topLevelItem(i)->text(0);
    return texts;
}

QStringList SavedStocksTest::nodeKeys(const FrmSavedStocks& dialog) {
    QStringList keys;
    for (int i = 0; i < dialog.TreeView1->topLevelItemCount(); ++i)
        keys << FrmSavedStocks::NodeKey(dialog.TreeView1->topLevelItem(i));
    return keys;
}

int SavedStocksTest::selectedRow(const FrmSavedStocks& dialog) {
    return dialog.TreeView1->indexOfTopLevelItem(dialog.TreeView1->currentItem());
}

QStringList SavedStocksTest::listNames() {
    QStringList names;
    for (const auto& entry : StockList)
        names << entry.stock->StockName;
    return names;
}

QStringList SavedStocksTest::storedNames() {
    Recordset rs = StockConnection.OpenRecordset(QStringLiteral("Select StockName from Stocks order by StockName"));
    QStringList names;
    for (rs.MoveFirst(); !rs.AtEnd(); rs.MoveNext())
        names << rs.Value(0).toString();
    return names;
}
