// The calculate command and the trend direction.
#include "calc/levels.h"
#include "calc/stock.h"
#include "dialogs/frmsavedstocks.h"
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/chartcontrol.h"
#include "platform/errors.h"
#include "platform/look.h"
#include "platform/messagebox.h"

#include <QRadioButton>

void FrmMain::cmdCalculate_Click() {
    Trap(QStringLiteral("frmMain cmdCalculate"), this, [&] {
        const NumberStyle style = Style();
        const bool lowOk = IsPriceText(txtLow->text(), style);
        const bool highOk = IsPriceText(txtHigh->text(), style);
        if (!lowOk || !highOk) {
            MsgBox(QStringLiteral("Please enter valid Low and High values"), MsgButtons::Ok,
                   MsgIcon::Information, QStringLiteral("Error"), this);
            txtLow->setFocus();
            return;
        }
        const double high = ParsePrice(txtHigh->text(), style);
        const double low = ParsePrice(txtLow->text(), style);
        if (low > high) {
            MsgBox(QStringLiteral("High value cannot be less than the low value"), MsgButtons::Ok,
                   MsgIcon::Information, QStringLiteral("Please Correct"), this);
            txtLow->setFocus();
            return;
        }

        SwingHigh = high;
        SwingLow = low;
        SwingRange = SwingHigh - SwingLow;
        const auto levels = RetracementLevels(SwingHigh, SwingRange, RetRatios);

        if (optDirection[0]->isChecked()) {
            for (int i = 0; i < kRetRows; ++i)
                lblRetracement[i]->setText(MaskText(levels[i], Decimals, style));
            lblTrendReversal->setText(QStringLiteral("Possible trend reversal below:"));
            lblTrendReversalPoint->setText(PlainText(RoundHalfEven(levels[3], Decimals), style));
        } else {
            // A downtrend reads the ladder the other way up.
            for (int i = 0; i < kRetRows; ++i)
                lblRetracement[i]->setText(MaskText(levels[kRetRows - 1 - i], Decimals, style));
            lblTrendReversal->setText(QStringLiteral("Possible trend reversal above:"));
            lblTrendReversalPoint->setText(PlainText(RoundHalfEven(levels[1], Decimals), style));
        }
        lblTrendReversalPoint->setAccessibleName(lblTrendReversal->text());

        MSChart1->SetAutoScale(false);
        MSChart1->SetMaximum(ParsePrice(txtHigh->text(), style));
        MSChart1->SetMinimum(ParsePrice(txtLow->text(), style));

        const double target = RoundHalfEven(levels[2], Decimals);
        lblProbable->setText(PlainText(target, style));
        SetChart(SwingHigh, SwingLow, target);

        if (CurrentStock->NewStock) {
            CurrentStock->UpIndex = 2;
            CurrentStock->RetIndex = 2;
            CurrentStock->NewStock = false;
        }
        // Every calculation restarts the projections from the 50 % level.
        lblRetRatio_Click(2);
        lblUpRatio_Click(CurrentStock->UpIndex);
    });
}

bool FrmMain::savedStocksVisible() const { return SavedStocksDialogVisible(); }

void FrmMain::optDirection_Click(int Index) {
    Trap(QStringLiteral("frmMain optDirection_Click"), this, [&] {
        const bool dialogUp = savedStocksVisible();
        if (!dialogUp)
            txtLow->setFocus();
        // Each box stands 30 twips above the top of the label it belongs to.
        const int above = Twips(30);
        if (Index != 0) {
            lblLow->setText(QStringLiteral("High"));
            lblHigh->setText(QStringLiteral("Low"));
            lblBottom->setText(QStringLiteral("Actual swing high"));
            txtHigh->move(txtHigh->x(), lblLow->y() - above);
            txtLow->move(txtLow->x(), lblHigh->y() - above);
            setTabOrder(txtHigh, txtLow);
            if (!dialogUp)
                txtHigh->setFocus();
        } else {
            lblLow->setText(QStringLiteral("Low"));
            lblHigh->setText(QStringLiteral("High"));
            lblBottom->setText(QStringLiteral("Actual swing low"));
            txtHigh->move(txtHigh->x(), lblHigh->y() - above);
            txtLow->move(txtLow->x(), lblLow->y() - above);
            setTabOrder(txtLow, txtHigh);
            if (!dialogUp)
                txtLow->setFocus();
        }
        txtActual->setAccessibleName(lblBottom->text());
    });
}
