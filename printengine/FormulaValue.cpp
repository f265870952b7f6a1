#include "printengine/FormulaValue.h"

#include "data/DateText.h"
#include "shell/Formats.h"

FormulaValue FormulaValue::number(double v)
{
    FormulaValue r;
    r.m_type = Number;
    r.m_number = v;
    return r;
}

FormulaValue FormulaValue::string(const QString &v)
{
    FormulaValue r;
    r.m_type = String;
    r.m_string = v;
    return r;
}

FormulaValue FormulaValue::boolean(bool v)
{
    FormulaValue r;
    r.m_type = Boolean;
    r.m_bool = v;
    return r;
}

FormulaValue FormulaValue::date(const QDate &v)
{
    if (!v.isValid())
        return {};
    FormulaValue r;
    r.m_type = Date;
    r.m_dateTime = QDateTime(v, QTime(0, 0));
    return r;
}

FormulaValue FormulaValue::dateTime(const QDateTime &v)
{
    if (!v.isValid())
        return {};
    FormulaValue r;
    r.m_type = DateTime;
    r.m_dateTime = v;
    return r;
}

FormulaValue FormulaValue::array(const QList<FormulaValue> &items)
{
    FormulaValue r;
    r.m_type = Array;
    r.m_items = items;
    return r;
}

FormulaValue FormulaValue::range(const FormulaValue &from, const FormulaValue &to, bool includeFrom,
                                 bool includeTo)
{
    FormulaValue r;
    r.m_type = Range;
    r.m_items = {from, to};
    r.m_includeFrom = includeFrom;
    r.m_includeTo = includeTo;
    return r;
}

static bool looksLikeIsoDate(const QString &s)
{
    // "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss": the forms the database layer stores.
    if (s.size() != 10 && s.size() != 19)
        return false;
    auto digits = [&](int from, int n) {
        for (int i = from; i < from + n; ++i)
            if (!s.at(i).isDigit())
                return false;
        return true;
    };
    if (!digits(0, 4) || s.at(4) != u'-' || !digits(5, 2) || s.at(7) != u'-' || !digits(8, 2))
        return false;
    if (s.size() == 10)
        return true;
    return (s.at(10) == u' ' || s.at(10) == u'T') && digits(11, 2) && s.at(13) == u':' && digits(14, 2) &&
           s.at(16) == u':' && digits(17, 2);
}

FormulaValue FormulaValue::fromVariant(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::Long:
        return number(v.toDouble());
    case QMetaType::Bool:
        return boolean(v.toBool());
    case QMetaType::QDate:
        return date(v.toDate());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? date(dt.date()) : dateTime(dt);
    }
    default: {
        const QString s = v.toString();
        if (looksLikeIsoDate(s)) {
            const QDateTime dt = DateText::parse(s);
            if (dt.isValid())
                return s.size() == 10 ? date(dt.date()) : dateTime(dt);
        }
        return string(s);
    }
    }
}

QString FormulaValue::typeName(Type t)
{
    switch (t) {
    case Null:
        return QStringLiteral("null");
    case Number:
        return QStringLiteral("number");
    case String:
        return QStringLiteral("string");
    case Boolean:
        return QStringLiteral("boolean");
    case Date:
        return QStringLiteral("date");
    case DateTime:
        return QStringLiteral("date-time");
    case Array:
        return QStringLiteral("array");
    case Range:
        return QStringLiteral("range");
    }
    return {};
}

QString FormulaValue::toDisplayText() const
{
    switch (m_type) {
    case Null:
        return {};
    case Number:
        return Formats::floatToText(m_number);
    case String:
        return m_string;
    case Boolean:
        return m_bool ? QStringLiteral("True") : QStringLiteral("False");
    case Date:
        return Formats::shortDate(m_dateTime.date());
    case DateTime:
        return Formats::dateTimeToText(m_dateTime);
    case Array: {
        QStringList parts;
        for (const FormulaValue &v : m_items)
            parts << v.toDisplayText();
        return parts.join(QStringLiteral(", "));
    }
    case Range:
        return m_items.value(0).toDisplayText() + QStringLiteral(" - ") + m_items.value(1).toDisplayText();
    }
    return {};
}

QString FormulaValue::toEngineText() const
{
    switch (m_type) {
    case Number:
        return QString::number(m_number, 'g', 15);
    case Boolean:
        return m_bool ? QStringLiteral("True") : QStringLiteral("False");
    case Date:
        return m_dateTime.toString(QStringLiteral("yyyy,MM,dd"));
    case DateTime:
        return m_dateTime.toString(QStringLiteral("yyyy,MM,dd HH:mm:ss"));
    default:
        return toDisplayText();
    }
}

QVariant FormulaValue::toVariant() const
{
    switch (m_type) {
    case Null:
        return {};
    case Number:
        return m_number;
    case String:
        return m_string;
    case Boolean:
        return m_bool;
    case Date:
        return m_dateTime.date();
    case DateTime:
        return m_dateTime;
    default:
        return toDisplayText();
    }
}

int FormulaValue::compare(const FormulaValue &a, const FormulaValue &b, bool *ok)
{
    *ok = true;
    auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    if (a.m_type == Number && b.m_type == Number)
        return sign(a.m_number, b.m_number);
    if (a.m_type == String && b.m_type == String)
        return sign(a.m_string, b.m_string);
    if (a.m_type == Boolean && b.m_type == Boolean)
        return sign(int(a.m_bool), int(b.m_bool));
    const bool aDate = a.m_type == Date || a.m_type == DateTime;
    const bool bDate = b.m_type == Date || b.m_type == DateTime;
    if (aDate && bDate)
        return sign(a.m_dateTime, b.m_dateTime);
    *ok = false;
    return 0;
}

bool FormulaValue::operator==(const FormulaValue &o) const
{
    if (m_type == Null || o.m_type == Null)
        return m_type == o.m_type;
    if (m_type == Array || m_type == Range)
        return m_type == o.m_type && m_items == o.m_items;
    bool ok = false;
    return compare(*this, o, &ok) == 0 && ok;
}
