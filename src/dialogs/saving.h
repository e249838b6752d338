#pragma once

// Shows the Saving window modally; it runs its progress bar and closes itself.
void ShowSavingWindow();
