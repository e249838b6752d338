// The menu bar's stock commands: Open, New, Save, Notes, Home Page.
#include "mainwindow/frmmain.h"

void FrmMain::mnuOpen_Click() {}
void FrmMain::mnuNew_Click() {}
void FrmMain::mnuSave_Click() {}
void FrmMain::mnuNotes_Click() {}
void FrmMain::mnuHome_Click() {}

// Placeholders until the window's commands land with their dialogs.
void FrmMain::CopyWindowValues(Stock&) const {}
bool FrmMain::checkSwingForSave() { return false; }
