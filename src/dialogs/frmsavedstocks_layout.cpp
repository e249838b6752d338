// The saved stocks dialog's widgets and connections.
#include "dialogs/commandlabel.h"
#include "dialogs/frmsavedstocks.h"
#include "platform/look.h"

#include <QFrame>
#include <QTreeWidget>

namespace {
CommandLabel* commandLabel(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* label = new CommandLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(TwipsRect(3240, top, 945, 255));
    return label;
}
} // namespace

void FrmSavedStocks::createUi() {
    setObjectName(QStringLiteral("frmSavedStocks"));
    setWindowTitle(QStringLiteral(" Saved Stocks"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(Twips(4365), Twips(2265));
    setFont(VerdanaFont(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setGeometry(TwipsRect(360, 210, 2625, 1622));
    TreeView1->setColumnCount(1);
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setItemsExpandable(false);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height: the view need not measure 100,000 of them.
    TreeView1->setUniformRowHeights(true);
    TreeView1->setSortingEnabled(false);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::NoFrame);
    Line1->setAutoFillBackground(true);
    QPalette line = Line1->palette();
    line.setColor(QPalette::Window, Rgb(0xF0F7FF));
    Line1->setPalette(line);
    Line1->setGeometry(Twips(3060), Twips(90), 1, Twips(2130 - 90));

    lblOk = commandLabel(this, "lblOk", QStringLiteral("Select"), 450);
    lblRename = commandLabel(this, "lblRename", QStringLiteral("Rename"), 780);
    lblDelete = commandLabel(this, "lblDelete", QStringLiteral("Delete"), 1110);
    lblCancel = commandLabel(this, "lblCancel", QStringLiteral("Cancel"), 1440);

    // Tree, Delete, Rename, Select, Cancel.
    setTabOrder(TreeView1, lblDelete);
    setTabOrder(lblDelete, lblRename);
    setTabOrder(lblRename, lblOk);
    setTabOrder(lblOk, lblCancel);

    Labels = new CommandLabelGroup(this);
    for (CommandLabel* label : {lblOk, lblRename, lblDelete, lblCancel})
        Labels->addLabel(label);
    Labels->addBackground(this);
    Labels->addBackground(TreeView1);
    Labels->addBackground(TreeView1->viewport());
}

void FrmSavedStocks::connectHandlers() {
    connect(lblOk, &CommandLabel::clicked, this, &FrmSavedStocks::lblOk_Click);
    connect(lblRename, &CommandLabel::clicked, this, &FrmSavedStocks::lblRename_Click);
    connect(lblDelete, &CommandLabel::clicked, this, &FrmSavedStocks::lblDelete_Click);
    connect(lblCancel, &CommandLabel::clicked, this, &FrmSavedStocks::lblCancel_Click);
}
