// The swing chart and the target chart.
#include "mainwindow/frmmain.h"

void FrmMain::SetChart(double, double, double) {}
void FrmMain::SetTargetChart(double, double, double, double) {}
void FrmMain::ClearCharts() {}
