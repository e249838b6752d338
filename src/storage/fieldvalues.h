#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

// Conversions of database field values, as the program reads them: a number
// stored as text converts, a fraction rounds half to even, and each raises the
// run-time error of its kind: Invalid use of Null (94) for a Null, Type
// mismatch (13) for a value that is no number, Overflow (6) for one out of range.

qint32 FieldToLong(const QVariant& value);
qint16 FieldToInteger(const QVariant& value);
double FieldToDouble(const QVariant& value);
// Non-zero is True; the texts "True" and "False" are understood too.
bool FieldToBoolean(const QVariant& value);
// Numbers become their shortest text with a decimal point.
QString FieldToText(const QVariant& value);
