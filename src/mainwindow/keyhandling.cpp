// Typed characters in the three price boxes.
#include "calc/stock.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"

#include <QRadioButton>

namespace {
constexpr char16_t kEnter = 13;
}

bool FrmMain::txtHigh_KeyPress(QChar KeyAscii) {
    CurrentStock->Modified = true;
    if (KeyAscii == kEnter && txtHigh->y() > txtLow->y())
        cmdCalculate_Click();
    return PriceKeyFilter(KeyAscii, Style());
}

bool FrmMain::txtLow_KeyPress(QChar KeyAscii) {
    CurrentStock->Modified = true;
    if (KeyAscii == kEnter && optDirection[1]->isChecked())
        cmdCalculate_Click();
    return PriceKeyFilter(KeyAscii, Style());
}

bool FrmMain::txtActual_KeyPress(QChar KeyAscii) {
    if (KeyAscii == kEnter)
        cmdActual_Click();
    return PriceKeyFilter(KeyAscii, Style());
}
