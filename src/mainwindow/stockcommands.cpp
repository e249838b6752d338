// The menu bar's stock commands: Open, New, Save, Notes and Home Page.
#include "calc/stock.h"
#include "dialogs/frmnotes.h"
#include "dialogs/frmsavedstocks.h"
#include "dialogs/saving.h"
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/browser.h"
#include "platform/errors.h"
#include "platform/messagebox.h"
#include "platform/website.h"
#include "storage/module1.h"

#include <QRadioButton>

namespace {
const QString kCaption = QStringLiteral("Quilmar Dorvex 2.1 ");

QString savedCaption(const Stock& stock) { return kCaption + stock.StockName + QStringLiteral(" Chart"); }
} // namespace

void FrmMain::mnuNew_Click() {
    Trap(QStringLiteral("frmMain mnuNew_Click"), this, [&] {
        for (auto* label : lblRetracement)
            label->clear();
        for (auto* label : lblUp)
            label->clear();
        txtActual->clear();
        lblTrendReversalPoint->clear();
        lblProbable->clear();
        lblUpsideTarget->clear();
        const bool wasDowntrend = optDirection[1]->isChecked();
        optDirection[0]->setChecked(true);
        if (wasDowntrend)
            optDirection_Click(0);
        ClearCharts();
        txtHigh->clear();
        txtLow->clear();
        txtActual->clear();
        setWindowTitle(kCaption);
        Tag.clear();
        if (!SavedStocksDialogVisible())
            txtLow->setFocus();
        // The previous stock is not written anywhere; a saved one lives on in StockList.
        auto fresh = std::make_shared<Stock>();
        fresh->NewStock = true;
        fresh->UpTrend = true;
        CurrentStock = fresh;
        HiliteRet(0, false, true);
        HiliteUp(0, true);
    });
}

// The values typed in the window, as a save stores them.
void FrmMain::CopyWindowValues(Stock& stock) const {
    const NumberStyle style = Style();
    stock.High = Fixed4FromDouble(ParsePrice(txtHigh->text(), style));
    stock.Low = Fixed4FromDouble(ParsePrice(txtLow->text(), style));
    stock.Actual = txtActual->text().isEmpty() ? 0.0 : ParsePrice(txtActual->text(), style);
    stock.UpTrend = optDirection[0]->isChecked();
}

// Whether the swing boxes hold numbers in the right order, with the save's messages.
bool FrmMain::checkSwingForSave() {
    const NumberStyle style = Style();
    if (!IsPriceText(txtHigh->text(), style) || !IsPriceText(txtLow->text(), style)) {
        MsgBox(QStringLiteral("Please enter valid Low and High values"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Can't Save"), this);
        txtLow->setFocus();
        return false;
    }
    if (ParsePrice(txtLow->text(), style) > ParsePrice(txtHigh->text(), style)) {
        MsgBox(QStringLiteral("High value cannot be less than the low value"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Please Correct"), this);
        txtLow->setFocus();
        return false;
    }
    return true;
}

void FrmMain::mnuSave_Click() {
    Trap(QStringLiteral("frmMain mnuSave_Click"), this, [&] {
        if (!checkSwingForSave())
            return;

        if (!Tag.isEmpty()) {
            CurrentStock = StockList.Item(Tag.toInt());
            CopyWindowValues(*CurrentStock);
            CurrentStock->Update();
            ShowSavingWindow();
        } else {
            QString name;
            for (;;) {
                name = InputBox(QStringLiteral("Stock Name or Description:"), QStringLiteral("Save as.."),
                                name, this)
                           .toUpper();
                if (name.isEmpty())
                    return;
                if (!IsPriceText(name, Style()))
                    break;
                MsgBox(QStringLiteral("Stock description must contain at least one alphabetical character"),
                       MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Invalid Description"), this);
            }

            StockPtr existing;
            for (const auto& entry : StockList) {
                if (entry.stock->StockName == name) {
                    existing = entry.stock;
                    break;
                }
            }
            if (existing) {
                if (MsgBox(name + QStringLiteral(" already exists. Do you wish to replace it?"),
                           MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Stock Name Exists"),
                           this) != MsgResult::Yes)
                    return;
                CurrentStock->StockName = name;
                CopyWindowValues(*CurrentStock);
                CurrentStock->ID = existing->ID;
                CurrentStock->Update();
                StockList.Remove(existing->ID);
                StockList.Add(CurrentStock->ID, CurrentStock);
            } else {
                CurrentStock->StockName = name;
                CopyWindowValues(*CurrentStock);
                const qint32 id = CurrentStock->Save();
                CurrentStock->ID = id;
                StockList.Add(id, CurrentStock);
            }
            Tag = QString::number(CurrentStock->ID);
            setWindowTitle(savedCaption(*CurrentStock));
        }
        CurrentStock->Modified = false;
        BackupCurrentStock();
    });
}

void FrmMain::mnuOpen_Click() {
    Trap(QStringLiteral("frmMain mnuOpen"), this, [&] {
        if (!CurrentStock->StockName.isEmpty() && CurrentStock->Modified) {
            const MsgResult answer =
                MsgBox(QStringLiteral("Do you wish to save current stock information?"), MsgButtons::YesNo,
                       MsgIcon::Question, QStringLiteral("Modifications have been made"), this);
            if (answer == MsgResult::Yes) {
                // What the user sees is what is saved, when the boxes hold a valid swing.
                const NumberStyle style = Style();
                if (IsPriceText(txtHigh->text(), style) && IsPriceText(txtLow->text(), style) &&
                    ParsePrice(txtLow->text(), style) <= ParsePrice(txtHigh->text(), style) &&
                    (txtActual->text().isEmpty() || IsPriceText(txtActual->text(), style)))
                    CopyWindowValues(*CurrentStock);
                if (Tag.isEmpty())
                    CurrentStock->Save();
                else
                    CurrentStock->Update();
            } else {
                RestoreCurrentStock();
            }
        }
        CurrentStock->Modified = false;
        ShowSavedStocksDialog(this);
    });
}

void FrmMain::mnuNotes_Click() { ShowNotesDialog(this); }

void FrmMain::mnuHome_Click() {
    Trap(QStringLiteral("frmMain mnuHome_Click"), this, [&] { OpenInBrowser(HomePageUrl()); });
}
