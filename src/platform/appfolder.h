#pragma once

#include <QString>

// The folder the program runs from, as the rest of the program sees it: the
// database file lives here. No trailing separator.
QString ProgramFolder();

// Tests run the program on a folder of their own; an empty text restores the
// executable's folder.
void SetProgramFolder(const QString& folder);
