#pragma once

#include <QString>

// The folder the program keeps its database (and its instance lock) in, as
// the rest of the program sees it, without a trailing separator: the
// executable's own folder when the user can write there (the build folder, a
// portable copy), otherwise the user's data folder, so that an installed copy
// can save too.
QString ProgramFolder();

// The rule itself: `installed` is true for the copy in the installation's
// binary folder, which always keeps its data in the user's data folder.
QString ChooseProgramFolder(const QString& executableFolder, bool executableFolderWritable,
                            bool installed, const QString& userDataFolder);

// Tests run the program on a folder of their own; an empty text restores the
// rule above.
void SetProgramFolder(const QString& folder);
