#pragma once

#include <QString>
#include <QStringView>

// Characters that pass into a request URL unchanged; every other character is
// written as its ANSI code in hexadecimal.
inline constexpr char16_t kUrlKeptSet[] =
    u"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:/.?=_-$(){}~&";

// The longest text the encoder takes; its character counter is 16 bits wide.
inline constexpr qsizetype kUrlEncodeMaxLength = 32767;

// Encodes `text` character by character: kept characters as they are, a blank
// as "+", any other character as "%" and its two-digit upper-case hex code in
// the ANSI code page; a character without a code there is sent as "?" (%3F).
// Pure and without the length limit.
QString UrlEncodeChars(QStringView text);

// UrlEncodeChars under the length limit: raises Overflow (6) for a text longer
// than kUrlEncodeMaxLength.
QString UrlEncodeChecked(QStringView text);
