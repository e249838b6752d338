// The calculate command and the trend direction.
#include "mainwindow/frmmain.h"

void FrmMain::cmdCalculate_Click() {}
void FrmMain::optDirection_Click(int) {}
