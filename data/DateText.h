#pragma once

#include <QDateTime>
#include <QString>

// Dates kept as text in the embedded database: "yyyy-MM-dd" for a date at
// midnight, "yyyy-MM-dd HH:mm:ss" otherwise. Text compares in date order, and
// a date written by TO_DATE equals the same date stored by the program.
namespace DateText {
QString fromDate(const QDate &date);
QString fromDateTime(const QDateTime &dateTime);
// Reads the stored forms (also with a 'T' or milliseconds); invalid when it is none.
QDateTime parse(const QString &text);

// Oracle-style format models: yyyy yy mm dd hh24 hh mi ss, other characters
// are separators. Returns an invalid value when the text does not fit.
QDateTime parseWithFormat(const QString &text, const QString &format);
QString formatWithModel(const QDateTime &value, const QString &format);
} // namespace DateText
