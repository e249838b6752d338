#include "mainwindow/frmmain.h"

#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/priceedit.h"
#include "platform/cursor.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent) {
    createUi();
    connectHandlers();
}

FrmMain::~FrmMain() = default;

// Every connection of the window, in one place.
void FrmMain::connectHandlers() {
    connect(cmdCalculate, &QToolButton::clicked, this, [this] { cmdCalculate_Click(); });
    connect(cmdActual, &QToolButton::clicked, this, [this] { cmdActual_Click(); });
    for (int i = 0; i < 2; ++i) {
        // A click that selects the option, as with the option pair's Click event.
        connect(optDirection[i], &QRadioButton::clicked, this, [this, i] { optDirection_Click(i); });
        connect(OptUpside[i], &QToolButton::clicked, this, [this, i] { OptUpside_Click(i); });
    }

    txtHigh->onKeyPress = [this](QChar c) { return txtHigh_KeyPress(c); };
    txtLow->onKeyPress = [this](QChar c) { return txtLow_KeyPress(c); };
    txtActual->onKeyPress = [this](QChar c) { return txtActual_KeyPress(c); };
    txtHigh->onMouseUp = txtLow->onMouseUp = [] { CurrentStock->Modified = true; };

    auto hand = [](QWidget* w) { return [w] { SetHandCursor(w); }; };
    for (int i = 0; i < kRetRows; ++i) {
        connect(lblRetRatio[i], &ClickableLabel::clicked, this, [this, i] { lblRetRatio_Click(i); });
        connect(lblRetracement[i], &ClickableLabel::clicked, this, [this, i] { lblRetracement_Click(i); });
        connect(lblRetRatio[i], &ClickableLabel::mouseMoved, this, hand(lblRetRatio[i]));
        connect(lblRetracement[i], &ClickableLabel::mouseMoved, this, hand(lblRetracement[i]));
        connect(lblRetracement[i], &ClickableLabel::mouseDown, this,
                [this, i](Qt::MouseButton b, const QPoint& p) { PriceBox_MouseDown(lblRetracement[i], b, p); });
    }
    for (int i = 0; i < kUpRows; ++i) {
        connect(lblUpRatio[i], &ClickableLabel::clicked, this, [this, i] { lblUpRatio_Click(i); });
        connect(lblUp[i], &ClickableLabel::clicked, this, [this, i] { lblUp_Click(i); });
        connect(lblUpRatio[i], &ClickableLabel::mouseMoved, this, hand(lblUpRatio[i]));
        connect(lblUp[i], &ClickableLabel::mouseMoved, this, hand(lblUp[i]));
        connect(lblUp[i], &ClickableLabel::mouseDown, this,
                [this, i](Qt::MouseButton b, const QPoint& p) { PriceBox_MouseDown(lblUp[i], b, p); });
    }
    connect(lblUpsideTarget, &ClickableLabel::mouseDown, this,
            [this](Qt::MouseButton b, const QPoint& p) { PriceBox_MouseDown(lblUpsideTarget, b, p); });

    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuNotes, &QAction::triggered, this, [this] { mnuNotes_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuContact, &QAction::triggered, this, [this] { mnuContact_Click(); });
    connect(mnuHome, &QAction::triggered, this, [this] { mnuHome_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnPreferences, &QMenu::aboutToShow, this, [this] { mnPreferences_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(mnuLanguage[i], &QAction::triggered, this, [this, i] { mnuLanguage_Click(i); });
    for (int n = 2; n <= 5; ++n)
        connect(mnuDecimal[n], &QAction::triggered, this, [this, n] { mnuDecimal_Click(n); });
    connect(mnuDoCopy, &QAction::triggered, this, [this] { mnuDoCopy_Click(); });
}
