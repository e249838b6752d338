// Start-up, fixed size and shutdown of the main window.
#include "calc/stock.h"
#include "mainwindow/frmmain.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

bool FrmMain::Form_Load() {
    mnuDecimal[Decimals]->setChecked(true);
    CenterWindow();
    FixedWidth = float(width());
    FixedHeight = float(height());
    SetRatios();
    CurrentStock->NewStock = true;
    return true;
}

void FrmMain::CenterWindow() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    const double left = (area.width() - outer.width()) / 2.0;
    const double top = (area.height() - outer.height()) / 2.0;
    move(area.left() + int(left), area.top() + int(top));
}

void FrmMain::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }

void FrmMain::resizeEvent(QResizeEvent* event) { QMainWindow::resizeEvent(event); }

void FrmMain::mnuExit_Click() { close(); }
