// The Preferences menu: number style and decimal places.
#include "mainwindow/frmmain.h"

void FrmMain::mnuLanguage_Click(int) {}
void FrmMain::mnPreferences_Click() {}
void FrmMain::mnuDecimal_Click(int) {}
