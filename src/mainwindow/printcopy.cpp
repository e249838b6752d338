// Printing the window and copying a price.
#include "mainwindow/frmmain.h"

void FrmMain::mnuPrint_Click() {}
void FrmMain::mnuDoCopy_Click() {}
void FrmMain::PriceBox_MouseDown(QLabel*, Qt::MouseButton, const QPoint&) {}
