#include "data/DateText.h"

#include <QList>

namespace DateText {

QString fromDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString fromDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    if (dateTime.time() == QTime(0, 0))
        return fromDate(dateTime.date());
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime parse(const QString &raw)
{
    const QString text = raw.trimmed();
    if (text.size() < 10)
        return {};
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return {};
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0));
    const QChar sep = text.at(10);
    if (sep != QLatin1Char(' ') && sep != QLatin1Char('T'))
        return {};
    QString timePart = text.mid(11);
    if (timePart.endsWith(QLatin1Char('Z')))
        timePart.chop(1);
    QTime time = QTime::fromString(timePart, QStringLiteral("HH:mm:ss.zzz"));
    if (!time.isValid())
        time = QTime::fromString(timePart, QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(timePart, QStringLiteral("HH:mm"));
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

namespace {
enum class Element { Year4, Year2, Month, Day, Hour24, Hour12, Minute, Second, Separator };

struct Item
{
    Element element;
    QChar separator;
};

QList<Item> compile(const QString &format)
{
    static const struct
    {
        const char *text;
        Element element;
    } names[] = {{"yyyy", Element::Year4}, {"hh24", Element::Hour24}, {"hh12", Element::Hour12},
                 {"yy", Element::Year2},   {"mm", Element::Month},    {"dd", Element::Day},
                 {"hh", Element::Hour12},  {"mi", Element::Minute},   {"ss", Element::Second}};
    QList<Item> items;
    const QString f = format.toLower();
    for (qsizetype i = 0; i < f.size();) {
        bool matched = false;
        for (const auto &n : names) {
            const QLatin1StringView name(n.text);
            if (f.mid(i, name.size()) == name) {
                items.append({n.element, QChar()});
                i += name.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            items.append({Element::Separator, format.at(i++)});
    }
    return items;
}
} // namespace

QDateTime parseWithFormat(const QString &rawText, const QString &format)
{
    const QString text = rawText.trimmed();
    int year = 1, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    qsizetype pos = 0;
    for (const Item &item : compile(format)) {
        if (item.element == Element::Separator) {
            // Any single non-digit stands for a separator, as on the server.
            if (pos >= text.size() || text.at(pos).isDigit())
                return {};
            ++pos;
            continue;
        }
        const int width = item.element == Element::Year4 ? 4 : 2;
        qsizetype end = pos;
        while (end < text.size() && end - pos < width && text.at(end).isDigit())
            ++end;
        if (end == pos)
            return {};
        const int value = text.mid(pos, end - pos).toInt();
        pos = end;
        switch (item.element) {
        case Element::Year4:
            year = value;
            break;
        case Element::Year2:
            year = 2000 + value;
            break;
        case Element::Month:
            month = value;
            break;
        case Element::Day:
            day = value;
            break;
        case Element::Hour24:
        case Element::Hour12:
            hour = value;
            break;
        case Element::Minute:
            minute = value;
            break;
        case Element::Second:
            second = value;
            break;
        case Element::Separator:
            break;
        }
    }
    if (pos != text.size())
        return {};
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QString formatWithModel(const QDateTime &value, const QString &format)
{
    if (!value.isValid())
        return QString();
    QString out;
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    for (const Item &item : compile(format)) {
        switch (item.element) {
        case Element::Year4:
            out += QStringLiteral("%1").arg(value.date().year(), 4, 10, QLatin1Char('0'));
            break;
        case Element::Year2:
            out += two(value.date().year() % 100);
            break;
        case Element::Month:
            out += two(value.date().month());
            break;
        case Element::Day:
            out += two(value.date().day());
            break;
        case Element::Hour24:
            out += two(value.time().hour());
            break;
        case Element::Hour12:
            out += two(value.time().hour() % 12 == 0 ? 12 : value.time().hour() % 12);
            break;
        case Element::Minute:
            out += two(value.time().minute());
            break;
        case Element::Second:
            out += two(value.time().second());
            break;
        case Element::Separator:
            out += item.separator;
            break;
        }
    }
    return out;
}

} // namespace DateText
