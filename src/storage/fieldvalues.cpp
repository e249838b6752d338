#include "storage/fieldvalues.h"

#include "platform/errors.h"

#include <cmath>
#include <limits>

namespace {
void requireValue(const QVariant& value) {
    if (value.isNull())
        RaiseError(ErrorNumbers::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
}

bool isNumericType(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

template <typename Int> Int roundedInteger(const QVariant& value) {
    requireValue(value);
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        const qint64 whole = value.toLongLong();
        if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
            RaiseOverflow();
        return Int(whole);
    }
    // Ties go to the even whole number, as the default rounding mode does.
    const double rounded = std::nearbyint(FieldToDouble(value));
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        RaiseOverflow();
    return Int(rounded);
}
} // namespace

double FieldToDouble(const QVariant& value) {
    requireValue(value);
    if (isNumericType(value))
        return value.toDouble();
    if (value.typeId() != QMetaType::QString)
        RaiseTypeMismatch();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        RaiseTypeMismatch();
    return number;
}

qint32 FieldToLong(const QVariant& value) {
    return roundedInteger<qint32>(value);
}

qint16 FieldToInteger(const QVariant& value) {
    return roundedInteger<qint16>(value);
}

bool FieldToBoolean(const QVariant& value) {
    requireValue(value);
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return FieldToDouble(value) != 0.0;
}

QString FieldToText(const QVariant& value) {
    requireValue(value);
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return QString::number(value.toDouble(), 'g', 15);
    if (!value.canConvert<QString>())
        RaiseTypeMismatch();
    return value.toString();
}
