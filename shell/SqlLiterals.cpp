#include "shell/SqlLiterals.h"

#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/Formats.h"

namespace {
QString currentDialect()
{
    return D ? D->Dialect : QStringLiteral("ORACLE");
}

QString two(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString usDate(const QDate &d)
{
    return two(d.month()) + QLatin1Char('/') + two(d.day()) + QLatin1Char('/') +
           QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
}
} // namespace

QString SqlDate(const QDate &date)
{
    return SqlDate(date, currentDialect());
}

QString SqlDate(const QDate &date, const QString &dialect)
{
    if (dialect == QLatin1String("DB2"))
        return QLatin1Char('\'') + usDate(date) + QLatin1Char('\'');
    return QStringLiteral("TO_DATE('") + usDate(date) + QStringLiteral("','mm/dd/yyyy')");
}

QString SqlDateTime(const QDateTime &value)
{
    return SqlDateTime(value, currentDialect());
}

QString SqlDateTime(const QDateTime &value, const QString &dialect)
{
    const QDate d = value.date();
    const QTime t = value.time();
    if (dialect == QLatin1String("DB2"))
        return QLatin1Char('\'') + QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')) +
               QLatin1Char('-') + two(d.month()) + QLatin1Char('-') + two(d.day()) + QLatin1Char('-') +
               two(t.hour()) + QLatin1Char('.') + two(t.minute()) + QLatin1Char('.') + two(t.second()) +
               QLatin1Char('.') + QStringLiteral("%1").arg(t.msec(), 3, 10, QLatin1Char('0')) +
               QLatin1Char('\'');
    return QStringLiteral("TO_DATE('") + usDate(d) + QLatin1Char(' ') + two(t.hour()) + QLatin1Char(':') +
           two(t.minute()) + QLatin1Char(':') + two(t.second()) +
           QStringLiteral("','mm/dd/yyyy hh24:mi:ss')");
}

QString SqlDateFromText(const QString &text)
{
    return SqlDateFromText(text, currentDialect());
}

QString SqlDateFromText(const QString &text, const QString &dialect)
{
    const QDate date = Formats::readShortDate(text);
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' ni veljaven datum").arg(text));
    return SqlDate(date, dialect);
}

QString FormulaDate(const QDate &date)
{
    return QStringLiteral("Date(") + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) +
           QLatin1Char(',') + two(date.month()) + QLatin1Char(',') + two(date.day()) + QLatin1Char(')');
}

QString LinesToFormula(const QStringList &lines)
{
    QStringList quoted;
    for (const QString &line : lines)
        quoted.append(QLatin1Char('\'') + line + QLatin1Char('\''));
    return quoted.join(QStringLiteral("+Chr(13)+"));
}

QString FloatToSql(double value)
{
    return QString::number(value, 'f', 4);
}

QString DoubleQuotes(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return out;
}

QString JoinQuoted(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += DoubleQuotes(line);
    return out;
}

QString ExpandDateMacros(const QString &text, const QDate &date)
{
    QString out = text;
    out.replace(QStringLiteral("%YY%"), two(date.year() % 100), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%YYYY%"), QString::number(date.year()), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%MM%"), two(date.month()), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%M%"), QString::number(date.month()), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%DD%"), two(date.day()), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%D%"), QString::number(date.day()), Qt::CaseInsensitive);
    return out;
}

QString SqlEscape(const QString &text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}
