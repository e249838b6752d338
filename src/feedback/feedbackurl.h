#pragma once

#include <QString>

// What the user typed into the contact form, as typed (not trimmed); the
// comment's line breaks are carriage return plus line feed.
struct FeedbackFields {
    QString email;
    QString firstName;
    QString lastName;
    QString comments;
};

// The request URL as plain text before encoding: `base` (which ends in "?"),
// then email, firstname, lastname, productname and comments.
QString FeedbackUrlText(const QString& base, const FeedbackFields& fields);

// One field's value encoded for the query: UrlEncodeChars, and an "&" or "="
// typed in the value escaped as %26 / %3D so it cannot split the query.
QString EncodeQueryValue(QStringView value);

// The encoded request URL: the same text as UrlEncodeChars(FeedbackUrlText())
// except that the values' own "&" and "=" are escaped. Raises Overflow (6)
// when FeedbackUrlText() is longer than the encoder's limit.
QString EncodeFeedbackUrl(const QString& base, const FeedbackFields& fields);
