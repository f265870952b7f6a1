#pragma once

#include <QDateTime>
#include <QString>

// Display formats of fields and edits, written the way the catalogue and the
// field dictionary store them. The system's short date is "d.M.yyyy" and the
// decimal separator a comma, the thousands separator a point.
namespace Formats {
// Number format: sections "positive;negative;zero", '0' a digit, '#' an
// optional digit, '.' the decimal point, ',' anywhere before it thousands
// grouping, text in quotes or any other character written as it stands.
QString formatFloat(const QString &format, double value);
// Number without a format: up to 15 significant digits, decimal comma.
QString floatToText(double value);
// Date-time format: yyyy yy m mm d dd h hh n nn s ss (m after h means minutes).
QString formatDateTime(const QString &format, const QDateTime &value);
QString shortDate(const QDate &date);           // d.M.yyyy
QString dateTimeToText(const QDateTime &value); // short date, time when not midnight
// Reads the system short date form (d.M.yyyy, one or two digits for day and month).
QDate readShortDate(const QString &text);
} // namespace Formats
