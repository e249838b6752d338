// Row selection and the projection ladder.
#include "calc/levels.h"
#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/errors.h"
#include "platform/messagebox.h"

#include <QGroupBox>
#include <QToolButton>

namespace {
// `Bottom` is a row number held in a Double; 5 means the typed actual value.
constexpr double kActualBase = 5;

int rowOf(double bottom) {
    if (!(bottom >= 0 && bottom < kRetRows) || bottom != static_cast<int>(bottom))
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return static_cast<int>(bottom);
}

int checkedRow(int row, int rows) {
    if (row < 0 || row >= rows)
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return row;
}
} // namespace

bool FrmMain::upsideSelected() const { return OptUpside[0]->isChecked(); }

double FrmMain::projectionTarget(double base, int row, bool upside) const {
    return ProjectionTarget(base, ProjectionOffset(SwingRange, UpRatios[checkedRow(row, kUpRows)]), upside);
}

void FrmMain::lblRetRatio_Click(int Index) {
    txtActual->clear();
    HiliteRet(Index, false);
    CurrentStock->RetIndex = qint16(Index);
    CurrentStock->Bottom = Index;
    ReCalculateBottom();
}

void FrmMain::lblRetracement_Click(int Index) { lblRetRatio_Click(Index); }

void FrmMain::lblUpRatio_Click(int Index) {
    Trap(QStringLiteral("frmMain lblUpRatio_Click"), this, [&] { projectionRowClick(Index); });
}

void FrmMain::lblUp_Click(int Index) {
    Trap(QStringLiteral("frmMain lblUp_Click"), this, [&] { projectionRowClick(Index); });
}

void FrmMain::projectionRowClick(int Index) {
    HiliteUp(Index);
    CurrentStock->UpIndex = qint16(Index);
    const int retRow = checkedRow(CurrentStock->RetIndex, kRetRows);
    if (lblRetracement[retRow]->text().isEmpty())
        return; // nothing calculated yet
    const NumberStyle style = Style();
    const double base = CurrentStock->Bottom == kActualBase
                            ? CurrentStock->Actual
                            : ParsePrice(lblRetracement[retRow]->text(), style);
    double target = 0.0;
    if (upsideSelected()) {
        target = projectionTarget(base, Index, true);
    } else {
        const double shown = ParsePrice(lblUp[checkedRow(Index, kUpRows)]->text(), style);
        target = shown != 0 ? projectionTarget(base, Index, false) : 0.0;
    }
    SetTargetChart(SwingHigh, SwingLow, base, target);
    RecalculateTargets();
}

void FrmMain::RecalculateTargets() {
    Trap(QStringLiteral("frmMain RecalculateTargets"), this, [&] { RecalculateTargetsBody(); });
}

bool FrmMain::RecalculateTargetsBody() {
    // An actual base whose box was emptied falls back to the 50 % row; that
    // click recalculates once in full before this run goes on from row 2.
    if (CurrentStock->Bottom == kActualBase && txtActual->text().isEmpty())
        lblRetRatio_Click(2);
    const NumberStyle style = Style();
    const bool actualBase = CurrentStock->Bottom == kActualBase;
    if (!actualBase && lblRetracement[rowOf(CurrentStock->Bottom)]->text().isEmpty())
        return false;

    BasePrice = actualBase ? ParsePrice(txtActual->text(), style)
                           : ParsePrice(lblRetracement[rowOf(CurrentStock->Bottom)]->text(), style);
    const bool upside = upsideSelected();
    for (int i = 0; i < kUpRows; ++i)
        lblUp[i]->setText(ProjectionText(BasePrice, ProjectionOffset(SwingRange, UpRatios[i]),
                                         upside, Decimals, style));

    const int upRow = checkedRow(CurrentStock->UpIndex, kUpRows);
    lblUpside->setText(lblUpRatio[upRow]->text() + QStringLiteral(" bounce target:"));
    lblUpsideTarget->setText(lblUp[upRow]->text());
    lblUpsideTarget->setAccessibleName(lblUpside->text());
    return true;
}

void FrmMain::ReCalculateBottom() {
    Trap(QStringLiteral("frmMain ReCalculateBottom"), this, [&] { ReCalculateBottomBody(); });
}

void FrmMain::ReCalculateBottomBody() {
    const bool actualBase = CurrentStock->Bottom == kActualBase;
    if (!actualBase && lblRetracement[rowOf(CurrentStock->Bottom)]->text().isEmpty())
        return;
    const double base = actualBase
                            ? CurrentStock->Actual
                            : ParsePrice(lblRetracement[rowOf(CurrentStock->Bottom)]->text(), Style());
    const double target = projectionTarget(base, CurrentStock->UpIndex, upsideSelected());
    SetTargetChart(SwingHigh, SwingLow, base, target);
    RecalculateTargets();
}

void FrmMain::cmdActual_Click() {
    Trap(QStringLiteral("frmMain cmdActual_Click"), this, [&] {
        if (txtActual->text().isEmpty())
            return;
        // A text that passes the key filter but is no number changes nothing.
        if (!IsPriceText(txtActual->text(), Style())) {
            MsgBox(QStringLiteral("Please enter a valid actual value"), MsgButtons::Ok,
                   MsgIcon::Information, QStringLiteral("Error"), this);
            txtActual->setFocus();
            return;
        }
        const double value = ParsePrice(txtActual->text(), Style());
        if (value == 0)
            return;
        CurrentStock->Bottom = kActualBase;
        CurrentStock->Actual = value;
        HiliteRet(0, true);
        ReCalculateBottom();
    });
}

void FrmMain::OptUpside_Click(int Index) {
    Trap(QStringLiteral("frmMain OptUpside_Click"), this, [&] {
        CurrentStock->RetIndex = 2;
        CurrentStock->Bottom = 2;
        txtActual->clear();
        const bool upside = Index == 0;
        Frame6->setTitle(upside ? QStringLiteral("Upside Price Projections ")
                                : QStringLiteral("Downside Price Projections "));
        lblBottom->setText(upside ? QStringLiteral("Actual Swing Low") : QStringLiteral("Actual Swing High"));
        txtActual->setAccessibleName(lblBottom->text());
        RecalculateTargets();
        const double target = projectionTarget(BasePrice, CurrentStock->UpIndex, upsideSelected());
        SetTargetChart(SwingHigh, SwingLow, BasePrice, target);
    });
}
