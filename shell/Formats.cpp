#include "shell/Formats.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace Formats {

namespace {
QStringList splitSections(const QString &format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            quote = c;
        if (c == QLatin1Char(';')) {
            sections.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    sections.append(current);
    return sections;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char('.');
        out += digits.at(i);
    }
    return out;
}

QString applySection(const QString &section, double value)
{
    // Literal text before the first and after the last placeholder.
    QString prefix, suffix;
    int minInt = 0, minDec = 0, maxDec = 0;
    bool thousands = false, seenPoint = false, seenPlaceholder = false;
    QChar quote;
    QString pendingLiteral;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                pendingLiteral += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (!seenPlaceholder)
                prefix = pendingLiteral;
            pendingLiteral.clear();
            seenPlaceholder = true;
            if (seenPoint) {
                ++maxDec;
                if (c == QLatin1Char('0'))
                    minDec = maxDec;
            } else if (c == QLatin1Char('0')) {
                ++minInt;
            }
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            if (!seenPlaceholder) {
                prefix = pendingLiteral;
                pendingLiteral.clear();
                seenPlaceholder = true;
            }
        } else if (c == QLatin1Char(',') && !seenPoint) {
            thousands = true;
        } else {
            pendingLiteral += c;
        }
    }
    if (!seenPlaceholder)
        return pendingLiteral; // a section of text only
    suffix = pendingLiteral;

    QString digits = QString::number(std::fabs(value), 'f', maxDec);
    QString intPart = digits.section(QLatin1Char('.'), 0, 0);
    QString decPart = digits.section(QLatin1Char('.'), 1, 1);
    while (decPart.size() > minDec && decPart.endsWith(QLatin1Char('0')))
        decPart.chop(1);
    if (intPart == QLatin1String("0") && minInt == 0)
        intPart.clear();
    while (intPart.size() < minInt)
        intPart.prepend(QLatin1Char('0'));
    if (thousands)
        intPart = groupThousands(intPart);
    QString number = intPart;
    if (!decPart.isEmpty())
        number += QLatin1Char(',') + decPart;
    return prefix + number + suffix;
}
} // namespace

QString formatFloat(const QString &format, double value)
{
    if (format.isEmpty())
        return floatToText(value);
    const QStringList sections = splitSections(format);
    if (value == 0 && sections.size() >= 3 && !sections.at(2).isEmpty())
        return applySection(sections.at(2), value);
    if (value < 0 && sections.size() >= 2 && !sections.at(1).isEmpty())
        return applySection(sections.at(1), value);
    const QString text = applySection(sections.at(0), value);
    // A negative value that does not round to zero keeps its sign.
    if (value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        return QLatin1Char('-') + text;
    return text;
}

QString floatToText(double value)
{
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString formatDateTime(const QString &format, const QDateTime &value)
{
    if (!value.isValid())
        return QString();
    QString out;
    const QString f = format;
    bool lastWasHour = false;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f.at(i).toLower();
        qsizetype run = 1;
        while (i + run < f.size() && f.at(i + run).toLower() == c)
            ++run;
        const auto num = [](int v, qsizetype width) {
            return QStringLiteral("%1").arg(v, int(width), 10, QLatin1Char('0'));
        };
        if (c == QLatin1Char('y')) {
            out += run >= 3 ? num(value.date().year(), 4) : num(value.date().year() % 100, 2);
            lastWasHour = false;
        } else if (c == QLatin1Char('m')) {
            const int v = lastWasHour ? value.time().minute() : value.date().month();
            out += num(v, run >= 2 ? 2 : 1);
            lastWasHour = false;
        } else if (c == QLatin1Char('d')) {
            out += num(value.date().day(), run >= 2 ? 2 : 1);
            lastWasHour = false;
        } else if (c == QLatin1Char('h')) {
            out += num(value.time().hour(), run >= 2 ? 2 : 1);
            lastWasHour = true;
        } else if (c == QLatin1Char('n')) {
            out += num(value.time().minute(), run >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('s')) {
            out += num(value.time().second(), run >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('z')) {
            out += num(value.time().msec(), 3);
        } else {
            out += QString(run, f.at(i));
            i += run;
            continue;
        }
        i += run;
    }
    return out;
}

QString shortDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("d.M.yyyy")) : QString();
}

QString dateTimeToText(const QDateTime &value)
{
    if (!value.isValid())
        return QString();
    if (value.time() == QTime(0, 0))
        return shortDate(value.date());
    return shortDate(value.date()) + QLatin1Char(' ') + value.time().toString(QStringLiteral("H:mm:ss"));
}

QDate readShortDate(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2})\\.\\s*(\\d{1,2})\\.\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace Formats
