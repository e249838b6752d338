#include "platform/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}

bool writable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}
} // namespace

QString ChooseProgramFolder(const QString& executableFolder, bool executableFolderWritable,
                            bool installed, const QString& userDataFolder) {
    if (!installed && executableFolderWritable)
        return QDir::cleanPath(executableFolder);
    return QDir::cleanPath(userDataFolder);
}

QString ProgramFolder() {
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
#ifdef DORVEX_INSTALL_BINDIR
    const bool installed = exeFolder == QDir::cleanPath(QStringLiteral(DORVEX_INSTALL_BINDIR));
#else
    const bool installed = false;
#endif
    const bool exeWritable = writable(exeFolder);
    if (!installed && exeWritable)
        return exeFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return ChooseProgramFolder(exeFolder, exeWritable, installed, dataFolder);
}

void SetProgramFolder(const QString& folder) {
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}
