#include "dialogs/frmsavedstocks.h"

#include "calc/numberformat.h"
#include "calc/stock.h"
#include "dialogs/commandlabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/errors.h"
#include "platform/messagebox.h"
#include "storage/module1.h"

#include <QRadioButton>
#include <QTreeWidget>

namespace {
QPointer<FrmSavedStocks>& instance() {
    static QPointer<FrmSavedStocks> dialog;
    return dialog;
}

StockPtr stockNamed(const QString& name) {
    for (const auto& entry : StockList)
        if (entry.stock->StockName == name)
            return entry.stock;
    return {};
}
} // namespace

FrmSavedStocks::FrmSavedStocks(FrmMain* owner) : QDialog(owner), owner_(owner) {
    createUi();
    connectHandlers();
}

FrmSavedStocks* FrmSavedStocks::Instance() { return instance(); }

QString FrmSavedStocks::NodeKey(const QTreeWidgetItem* node) {
    return node ? node->data(0, Qt::UserRole).toString() : QString();
}

bool FrmSavedStocks::LoadStockNodes() {
    bool loaded = false;
    Trap(QStringLiteral("frmSavedStocks LoadStockNodes"), this, [&] {
        TreeView1->clear();
        if (StockList.Count() < 1) {
            MsgBox(QStringLiteral("You do not have any saved stocks"), MsgButtons::Ok, MsgIcon::Information,
                   QStringLiteral("No Saved Stocks"), parentWidget());
            hide();
            deleteLater();
            return;
        }
        // Built apart and handed over in one batch: the view lays out once.
        QList<QTreeWidgetItem*> nodes;
        nodes.reserve(StockList.Count());
        for (const auto& entry : StockList) {
            auto* node = new QTreeWidgetItem(QStringList{entry.stock->StockName});
            node->setData(0, Qt::UserRole, QStringLiteral("A") + QString::number(entry.id));
            nodes.append(node);
        }
        TreeView1->addTopLevelItems(nodes);
        TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
        loaded = true;
    });
    // A failure part way leaves what was loaded; the dialog stays usable.
    return loaded || TreeView1->topLevelItemCount() > 0 || StockList.Count() > 0;
}

void FrmSavedStocks::lblOk_Click() {
    if (StockList.Count() == 0)
        return;
    Trap(QStringLiteral("frmSavedStocks lblOk_Click"), this, [&] {
        QTreeWidgetItem* node = TreeView1->currentItem();
        if (!node)
            return;
        // The node's own stock; two stocks may share a name after an old save,
        // so the name decides only when the key no longer names an entry.
        StockPtr chosen = StockList.Find(FindKey(NodeKey(node)));
        if (!chosen || chosen->StockName != node->text(0))
            chosen = stockNamed(node->text(0));
        if (chosen)
            CurrentStock = chosen;

        done(QDialog::Accepted);
        FrmMain* main = owner_;
        if (!main)
            return;
        const Stock& stock = *CurrentStock;
        // The program's own number style, so the boxes read back as typed.
        const NumberStyle style = main->Style();
        main->txtHigh->setText(PlainText(Fixed4ToDouble(stock.High), style));
        main->txtLow->setText(PlainText(Fixed4ToDouble(stock.Low), style));
        main->txtActual->setText(stock.Actual == 0.0 ? QString() : PlainText(stock.Actual, style));
        const int direction = stock.UpTrend ? 0 : 1;
        main->optDirection_Click(direction);
        main->optDirection[direction]->setChecked(true);
        main->setWindowTitle(QStringLiteral("Quilmar Dorvex 2.1 ") + stock.StockName + QStringLiteral(" Chart"));
        main->Tag = QString::number(stock.ID);
        main->cmdCalculate_Click();
        BackupCurrentStock();
    });
}

void FrmSavedStocks::lblRename_Click() {
    if (StockList.Count() == 0)
        return;
    Trap(QStringLiteral("frmSavedStocks lblRename_Click"), this, [&] {
        QTreeWidgetItem* node = TreeView1->currentItem();
        if (!node)
            return;
        PendingName = InputBox(QStringLiteral("Stock Name or Description:"), QStringLiteral("Save as.."),
                               PendingName, this)
                          .toUpper();
        if (PendingName.isEmpty())
            return;
        PendingName = FitStockName(PendingName, this);
        if (stockNamed(PendingName)) {
            MsgBox(PendingName + QStringLiteral(" already exists"), MsgButtons::Ok, MsgIcon::Information, {},
                   this);
            return;
        }
        const StockPtr stock = StockList.Item(FindKey(NodeKey(node)));
        const QString oldName = stock->StockName;
        stock->StockName = PendingName;
        try {
            stock->Update();
        } catch (...) {
            // The list keeps matching the database when the row was not rewritten.
            stock->StockName = oldName;
            throw;
        }
        node->setText(0, PendingName);
        PendingName.clear();
    });
}

void FrmSavedStocks::lblDelete_Click() {
    if (StockList.Count() == 0)
        return;
    Trap(QStringLiteral("frmSavedStocks lblDelete_Click"), this, [&] {
        QTreeWidgetItem* node = TreeView1->currentItem();
        if (!node)
            return;
        if (MsgBox(QStringLiteral("Delete ") + node->text(0) + QStringLiteral("?"), MsgButtons::YesNo,
                   MsgIcon::Question, QStringLiteral("Are you sure"), this, true) != MsgResult::Yes)
            return;
        const qint32 id = FindKey(NodeKey(node));
        StockConnection.Execute(QStringLiteral("Delete from Stocks Where ID=") + QString::number(id));
        StockList.Remove(id);
        removeSelectedNode();
        if (owner_)
            owner_->mnuNew_Click();
    });
}

void FrmSavedStocks::removeSelectedNode() {
    QTreeWidgetItem* node = TreeView1->currentItem();
    const int row = TreeView1->indexOfTopLevelItem(node);
    if (row < 0)
        return;
    // Selection moves as the take happens; pick the neighbour afterwards.
    delete TreeView1->takeTopLevelItem(row);
    const int count = TreeView1->topLevelItemCount();
    if (count == 0)
        return;
    QTreeWidgetItem* next = TreeView1->topLevelItem(row < count ? row : count - 1);
    TreeView1->setCurrentItem(next);
}

void FrmSavedStocks::lblCancel_Click() { done(QDialog::Rejected); }

void FrmSavedStocks::reject() { lblCancel_Click(); }

void ShowSavedStocksDialog(FrmMain* owner) {
    QPointer<FrmSavedStocks>& dialog = instance();
    if (dialog && dialog->parentWidget() != owner)
        delete dialog.data();
    if (!dialog)
        dialog = new FrmSavedStocks(owner);
    // Every showing starts from the list as it is now.
    if (!dialog->LoadStockNodes()) {
        // No saved stocks: the dialog is unloaded now, not when events next run.
        delete dialog.data();
        return;
    }
    // The tree is the first stop of the keyboard.
    dialog->TreeView1->setFocus();
    dialog->exec();
}

bool SavedStocksDialogVisible() {
    const QPointer<FrmSavedStocks>& dialog = instance();
    return dialog && dialog->isVisible();
}
