// Printing the window and copying a price.
#include "mainwindow/frmmain.h"

#include "calc/stock.h"
#include "platform/clipboard.h"
#include "platform/errors.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QLabel>
#include <QMenu>

namespace {

// The printing routine: its failures are reported here and go no further, so
// the print command always gets to tidy up after it.
void PrintForm(FrmMain* window) {
    try {
        PrintWindowImage(window);
    } catch (const AppError& e) {
        MsgBox(e.Description(), MsgButtons::Ok, MsgIcon::Critical,
               QStringLiteral("Printer Error #") + QString::number(e.Number()), window);
    }
}

// Hides and empties the stock-name label however the print command ends.
class PrintLabelReset {
public:
    explicit PrintLabelReset(QLabel* label) : label_(label) {}
    ~PrintLabelReset() {
        label_->hide();
        label_->setText(QString());
    }
    PrintLabelReset(const PrintLabelReset&) = delete;
    PrintLabelReset& operator=(const PrintLabelReset&) = delete;

private:
    QLabel* label_;
};

// "lblUp(3)" -> "lblUp": the routine name a price box's trap carries.
QString boxRoutine(const QLabel* box) {
    QString name = box->objectName();
    name.truncate(name.indexOf(QLatin1Char('(')) >= 0 ? name.indexOf(QLatin1Char('(')) : name.size());
    return name + QStringLiteral("_MouseDown");
}

} // namespace

void FrmMain::mnuPrint_Click() {
    PrintLabelReset reset(lblPrint);
    Trap(QStringLiteral("frmMain mnuPrint"), this, [this] {
        lblPrint->setText(CurrentStock ? CurrentStock->StockName : QString());
        lblPrint->adjustSize();
        lblPrint->raise();
        lblPrint->show();
        PrintForm(this);
    });
}

void FrmMain::PriceBox_MouseDown(QLabel* box, Qt::MouseButton Button, const QPoint& globalPos) {
    if (!box || Button != Qt::RightButton || box->text().isEmpty())
        return;
    // A box that cannot be read is reported, not fatal: the window stays usable.
    Trap(QStringLiteral("frmMain ") + boxRoutine(box), this, [&] {
        CopyValue = ParsePrice(box->text(), Style());
        mnuCopy->popup(globalPos);
    });
}

void FrmMain::mnuDoCopy_Click() {
    ClearClipboard();
    SetClipboardText(PlainText(CopyValue, Style()));
}
