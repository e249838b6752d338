#pragma once

#include <QString>

// Empties the clipboard of every format.
void ClearClipboard();

// Replaces everything on the clipboard with `text` as plain text.
void SetClipboardText(const QString& text);
