#pragma once

#include <QDate>
#include <QString>

// Notes are stored with carriage return + line feed between lines, the notes
// box works with line feeds alone. Converting on the way in and out keeps the
// stored breaks unchanged however often the notes are opened and closed.

// Stored notes as the box shows them: CR LF and a lone CR become LF.
QString NotesForDisplay(const QString& stored);
// The box's text as stored: every LF becomes CR LF.
QString NotesForStorage(const QString& shown);

// Today's stamp: "MM/DD/YYYY" with slashes, whatever the system's locale.
QString DateStamp(const QDate& date);

// What Stamp appends to the box's text: the stamp + ": ", on a line of its own
// unless the text is empty or already ends in a line break.
QString StampAddition(const QString& shown, const QDate& date);
