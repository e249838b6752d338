// Row selection and the projection ladder.
#include "mainwindow/frmmain.h"

void FrmMain::lblRetRatio_Click(int) {}
void FrmMain::lblRetracement_Click(int) {}
void FrmMain::lblUpRatio_Click(int) {}
void FrmMain::lblUp_Click(int) {}
void FrmMain::RecalculateTargets() {}
void FrmMain::ReCalculateBottom() {}
void FrmMain::cmdActual_Click() {}
void FrmMain::OptUpside_Click(int) {}
