#pragma once

#include <memory>

class FrmMain;

// Creates the main window, runs its start-up sequence and shows it, exactly
// as the program starts. Returns nothing when the program must end at once.
std::unique_ptr<FrmMain> StartMainWindow();
