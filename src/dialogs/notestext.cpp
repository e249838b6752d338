#include "dialogs/notestext.h"

QString NotesForDisplay(const QString& stored) {
    QString shown = stored;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

QString NotesForStorage(const QString& shown) {
    QString stored = shown;
    // The box never holds a CR itself, but pasted text may carry one.
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\r', u'\n');
    stored.replace(u'\n', QStringLiteral("\r\n"));
    return stored;
}

QString DateStamp(const QDate& date) {
    // Built from numbers: the slash stays a slash in every locale.
    return QStringLiteral("%1/%2/%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString StampAddition(const QString& shown, const QDate& date) {
    const QString stamp = DateStamp(date) + QStringLiteral(": ");
    if (shown.isEmpty() || shown.endsWith(u'\n'))
        return stamp;
    return u'\n' + stamp;
}
