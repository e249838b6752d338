// Where the database and its lock live: beside a copy the user can write,
// otherwise (and always for the installed copy) in the user's data folder.
#include "platform/appfolder.h"
#include "platform/instance.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct FolderCase {
    const char* name;
    QString executableFolder;
    bool writable;
    bool installed;
    QString dataFolder;
    QString expected;
};

TEST(ChooseProgramFolderTest, PicksTheProgramsFolderOnlyForAWritableUninstalledCopy) {
    const QString data = QStringLiteral("/home/ann/.local/share/Quilmar/Dorvex");
    const FolderCase cases[] = {
        {"portable copy", QStringLiteral("/home/ann/Dorvex"), true, false, data,
         QStringLiteral("/home/ann/Dorvex")},
        {"build folder, trailing separator", QStringLiteral("/home/ann/src/build/"), true, false, data,
         QStringLiteral("/home/ann/src/build")},
        {"copy in a folder the user cannot write", QStringLiteral("/opt/dorvex"), false, false, data, data},
        {"installed copy", QStringLiteral("/usr/bin"), false, true, data, data},
        {"installed copy run by root, who can write /usr/bin", QStringLiteral("/usr/bin"), true, true,
         QStringLiteral("/root/.local/share/Quilmar/Dorvex"), QStringLiteral("/root/.local/share/Quilmar/Dorvex")},
        {"data folder given untidy", QStringLiteral("/usr/bin"), false, true,
         QStringLiteral("/home/ann/.local/share/Quilmar/Dorvex/"), data},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseProgramFolder(c.executableFolder, c.writable, c.installed, c.dataFolder), c.expected);
    }
}

// Tests run from the build folder, which the user can write: with no folder of
// the test's own the program folder is the executable's.
TEST(ProgramFolderTest, WithoutOverrideIsTheExecutablesWritableFolder) {
    SetProgramFolder({});
    const QString exeFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    ASSERT_EQ(::access(QFile::encodeName(exeFolder).constData(), W_OK), 0) << exeFolder.toStdString();
    EXPECT_EQ(ProgramFolder(), exeFolder);
}

TEST(ProgramFolderTest, OverrideIsCleanedAndClearingItRestoresTheRule) {
    const QString exeFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    {
        TempProgramFolder folder;
        SetProgramFolder(folder.path() + QStringLiteral("/"));
        EXPECT_EQ(ProgramFolder(), QDir::cleanPath(folder.path()));
    }
    EXPECT_EQ(ProgramFolder(), exeFolder);
}

// The instance lock follows the database into whichever folder was chosen.
TEST(ProgramFolderTest, LockFileSitsInTheProgramFolder) {
    TempProgramFolder folder;
    InstanceLock lock;
    ASSERT_TRUE(lock.Acquire(ProgramFolder()));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("Dorvex.lock"))));
    EXPECT_FALSE(QFileInfo::exists(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Dorvex.lock"))));
    lock.Release();
}

} // namespace
