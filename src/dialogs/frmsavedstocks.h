#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class CommandLabel;
class CommandLabelGroup;
class FrmMain;
class QFrame;
class QTreeWidget;
class QTreeWidgetItem;

// Shows the saved stocks dialog modally, owned by the main window; returns
// when the user has selected, cancelled or closed it. One program-wide
// instance, created on first use; Select and Cancel only hide it.
void ShowSavedStocksDialog(FrmMain* owner);

// Whether the saved stocks dialog is on screen now.
bool SavedStocksDialogVisible();

// The saved stocks dialog: one node per saved stock, and the commands Select,
// Rename, Delete and Cancel. Each node keeps its key ("A" + ID) in Qt::UserRole.
class FrmSavedStocks : public QDialog {
    Q_OBJECT
public:
    explicit FrmSavedStocks(FrmMain* owner);

    // The program-wide instance, or nothing while none is loaded.
    static FrmSavedStocks* Instance();

    // Fills the tree from StockList and selects the first node. With no saved
    // stocks it says so and unloads the dialog; it then returns false.
    bool LoadStockNodes();

    void lblOk_Click();
    void lblRename_Click();
    void lblDelete_Click();
    void lblCancel_Click();

    // The key of a node ("A17").
    static QString NodeKey(const QTreeWidgetItem* node);

    QTreeWidget* TreeView1 = nullptr;
    QFrame* Line1 = nullptr;
    CommandLabel* lblOk = nullptr;
    CommandLabel* lblRename = nullptr;
    CommandLabel* lblDelete = nullptr;
    CommandLabel* lblCancel = nullptr;
    CommandLabelGroup* Labels = nullptr;

    // The name Rename offers next; kept while the instance lives.
    QString PendingName;

public slots:
    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void createUi();
    void connectHandlers();
    // Removes the selected node and selects its neighbour.
    void removeSelectedNode();

    QPointer<FrmMain> owner_;
};
