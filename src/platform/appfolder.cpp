#include "platform/appfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString& folder) {
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}
