#pragma once

class FrmMain;

// Shows the saved stocks dialog modally, owned by the main window; returns
// when the user has selected, cancelled or closed it. One program-wide
// instance, created on first use; Select and Cancel only hide it.
void ShowSavedStocksDialog(FrmMain* owner);

// Whether the saved stocks dialog is on screen now.
bool SavedStocksDialogVisible();
