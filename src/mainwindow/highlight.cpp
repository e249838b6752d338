// Highlighting of the chosen ladder rows, and the ratio captions.
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/errors.h"
#include "platform/look.h"

namespace {
const QColor kPlain = Rgb(0xFFF2E3);
const QColor kActualPlain = Rgb(0xFFFEE8);
const QColor kSelected = Rgb(0xFFFFFF);

void setBold(QWidget* w, bool bold) {
    QFont f = w->font();
    if (f.bold() == bold)
        return;
    f.setBold(bold);
    w->setFont(f);
}

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& color) {
    QPalette p = w->palette();
    if (p.color(role) == color)
        return;
    p.setColor(role, color);
    w->setPalette(p);
}

void checkRow(int index, std::size_t rows) {
    if (index < 0 || std::size_t(index) >= rows)
        RaiseError(ErrorNumbers::SubscriptOutOfRange, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
}
} // namespace

void FrmMain::HiliteRet(int Index, bool ActualSelected, bool Clear) {
    Trap(QStringLiteral("frmMain HiliteRet"), this, [&] {
        setRole(txtActual, QPalette::Base, kActualPlain);
        setBold(txtActual, false);

        checkRow(RetHighlight, lblRetRatio.size());
        setBold(lblRetRatio[RetHighlight], false);
        setRole(lblRetracement[RetHighlight], QPalette::Window, kPlain);
        shpRet[RetHighlight]->setFilled(false);

        if (Clear)
            return;
        if (ActualSelected) {
            setRole(txtActual, QPalette::Base, kSelected);
            setBold(txtActual, true);
            return;
        }
        checkRow(Index, lblRetRatio.size());
        setBold(lblRetRatio[Index], true);
        setRole(lblRetracement[Index], QPalette::Window, kSelected);
        shpRet[Index]->setFilled(true);
        RetHighlight = Index;
    });
}

void FrmMain::HiliteUp(int Index, bool Clear) {
    Trap(QStringLiteral("frmMain HiliteUp"), this, [&] {
        checkRow(UpHighlight, lblUpRatio.size());
        setBold(lblUpRatio[UpHighlight], false);
        setRole(lblUp[UpHighlight], QPalette::Window, kPlain);
        shpUp[UpHighlight]->setFilled(false);

        if (Clear)
            return;
        checkRow(Index, lblUpRatio.size());
        setBold(lblUpRatio[Index], true);
        setRole(lblUp[Index], QPalette::Window, kSelected);
        shpUp[Index]->setFilled(true);
        UpHighlight = Index;
    });
}

void FrmMain::SetRatios() {
    Trap(QStringLiteral("frmMain SetRatios"), this, [&] {
        RetRatios = {};
        UpRatios = {};
        const RatioTables tables = BuildRatioTables(Style());
        for (int row = 0; row < kRetRows; ++row) {
            RetRatios[row] = tables.RetRatios[row];
            lblRetRatio[row]->setText(tables.RetCaptions[row]);
            // A screen reader speaks each price with the ratio beside it.
            lblRetracement[row]->setAccessibleName(QStringLiteral("Retracement ") + tables.RetCaptions[row]);
        }
        for (int row = 0; row < kUpRows; ++row) {
            UpRatios[row] = tables.UpRatios[row];
            lblUpRatio[row]->setText(tables.UpCaptions[row]);
            lblUp[row]->setAccessibleName(QStringLiteral("Projection ") + tables.UpCaptions[row]);
        }
    });
}
