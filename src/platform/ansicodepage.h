#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The single-byte (ANSI) code page the program writes and reads: Windows-1252,
// the Western code page of the systems the program was made for.

// The character's byte in the code page, or -1 when it has none (characters
// beyond Latin-1 other than the 27 the code page places at 0x80 to 0x9F).
int AnsiCode(QChar c);

// Bytes in the code page to text. The five bytes the code page leaves unused
// read as the control characters of the same value.
QString FromAnsi(const QByteArray& bytes);
