// Help > Contact Quilmar Software.
#include "mainwindow/frmmain.h"

void FrmMain::mnuContact_Click() {}
