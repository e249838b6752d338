#include "feedback/feedbackurl.h"

#include "feedback/urlencode.h"
#include "platform/errors.h"

namespace {
const QString kEmailKey = QStringLiteral("email=");
const QString kFirstNameKey = QStringLiteral("&firstname=");
const QString kLastNameKey = QStringLiteral("&lastname=");
const QString kProductAndCommentsKey = QStringLiteral("&productname=Dorvex 2.1&comments=");
} // namespace

QString FeedbackUrlText(const QString& base, const FeedbackFields& fields) {
    return base + kEmailKey + fields.email + kFirstNameKey + fields.firstName + kLastNameKey +
           fields.lastName + kProductAndCommentsKey + fields.comments;
}

QString EncodeQueryValue(QStringView value) {
    // The encoder keeps "&" and "=" and never produces them for anything
    // else, so escaping them afterwards touches only the typed ones.
    QString encoded = UrlEncodeChars(value);
    encoded.replace(u'&', QStringLiteral("%26"));
    encoded.replace(u'=', QStringLiteral("%3D"));
    return encoded;
}

QString EncodeFeedbackUrl(const QString& base, const FeedbackFields& fields) {
    if (FeedbackUrlText(base, fields).size() > kUrlEncodeMaxLength)
        RaiseOverflow();
    return UrlEncodeChars(base) + UrlEncodeChars(kEmailKey) + EncodeQueryValue(fields.email) +
           UrlEncodeChars(kFirstNameKey) + EncodeQueryValue(fields.firstName) +
           UrlEncodeChars(kLastNameKey) + EncodeQueryValue(fields.lastName) +
           UrlEncodeChars(kProductAndCommentsKey) + EncodeQueryValue(fields.comments);
}
