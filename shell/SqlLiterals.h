#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Literals for the two SQL dialects ("ORACLE", "DB2") and for report formulas.
// Without an explicit dialect the data module's dialect is used ("ORACLE"
// when there is none).
QString SqlDate(const QDate &date);
QString SqlDate(const QDate &date, const QString &dialect);
QString SqlDateTime(const QDateTime &value);
QString SqlDateTime(const QDateTime &value, const QString &dialect);
// The text read as a date in the short date form; throws EConvertError.
QString SqlDateFromText(const QString &text);
QString SqlDateFromText(const QString &text, const QString &dialect);

QString FormulaDate(const QDate &date);           // Date(2004,05,07)
QString LinesToFormula(const QStringList &lines); // 'a'+Chr(13)+'b'
QString FloatToSql(double value);                 // 1234.5000
QString DoubleQuotes(const QString &text);
QString JoinQuoted(const QStringList &lines);
// %YY% %YYYY% %MM% %M% %DD% %D%, letter case ignored.
QString ExpandDateMacros(const QString &text, const QDate &date);
// A value for the inside of an SQL string literal: apostrophes doubled.
QString SqlEscape(const QString &text);
