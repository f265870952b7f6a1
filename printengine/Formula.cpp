#include "printengine/Formula.h"

#include "printengine/FormulaParser.h"
#include "printengine/WholeNumber.h"
#include "shell/Formats.h"

#include <QRegularExpression>
#include <climits>
#include <cmath>
#include <functional>

namespace {

[[noreturn]] void evalFail(const FormulaNode &node, const QString &message)
{
    throw EFormulaError(QStringLiteral("Formula error at position %1: %2").arg(node.position).arg(message));
}

FormulaValue eval(const FormulaNode &node, FormulaContext &ctx);

// Each formula is kept below the parser's depth limit, but formulas that use
// other formulas nest further while they run: a chain of them could exhaust
// the stack.
constexpr int MaxEvaluationDepth = 1024;
thread_local int t_evaluationDepth = 0;

double needNumber(const FormulaNode &node, const FormulaValue &v, const QString &what)
{
    if (v.type() != FormulaValue::Number)
        evalFail(node, QStringLiteral("%1 needs a number, found a %2").arg(what, v.typeName()));
    return v.toNumber();
}

// An argument that is used as an integer: a count, a position, a part of a
// date. Outside [min, max] it is an error, not a conversion with no defined
// result.
qint64 needWhole(const FormulaNode &node, const FormulaValue &v, const QString &what, qint64 min, qint64 max)
{
    const double x = needNumber(node, v, what);
    const std::optional<qint64> n = wholeNumber(x, min, max);
    if (!n)
        evalFail(node, QStringLiteral("%1 must lie between %2 and %3, found %4")
                           .arg(what)
                           .arg(min)
                           .arg(max)
                           .arg(QString::number(x, 'g', 15)));
    return *n;
}

int needInt(const FormulaNode &node, const FormulaValue &v, const QString &what, int min = INT_MIN,
            int max = INT_MAX)
{
    return int(needWhole(node, v, what, min, max));
}

// Dates stay within the years the database and the engine's text forms can
// hold.
constexpr int MinYear = 1;
constexpr int MaxYear = 9999;
// Days from 1.1.0001 to 31.12.9999: no move of a date by more can stay in range.
constexpr qint64 MaxDays = 3652059;

FormulaValue dateResult(const FormulaNode &node, const QDateTime &r, bool isDateOnly)
{
    if (!r.isValid() || r.date().year() < MinYear || r.date().year() > MaxYear)
        evalFail(node,
                 QStringLiteral("the result lies outside the years %1 to %2").arg(MinYear).arg(MaxYear));
    return isDateOnly ? FormulaValue::date(r.date()) : FormulaValue::dateTime(r);
}

QString needString(const FormulaNode &node, const FormulaValue &v, const QString &what)
{
    if (v.type() != FormulaValue::String)
        evalFail(node, QStringLiteral("%1 needs a string, found a %2").arg(what, v.typeName()));
    return v.toStringValue();
}

bool isDate(const FormulaValue &v)
{
    return v.type() == FormulaValue::Date || v.type() == FormulaValue::DateTime;
}

// Kleene logic: Null is "unknown".
FormulaValue logicalNot(const FormulaNode &node, const FormulaValue &v)
{
    if (v.isNull())
        return {};
    if (v.type() != FormulaValue::Boolean)
        evalFail(node, QStringLiteral("'not' needs a boolean, found a %1").arg(v.typeName()));
    return FormulaValue::boolean(!v.toBool());
}

int compareOrFail(const FormulaNode &node, const FormulaValue &a, const FormulaValue &b)
{
    bool ok = false;
    const int c = FormulaValue::compare(a, b, &ok);
    if (!ok)
        evalFail(node, QStringLiteral("cannot compare a %1 with a %2").arg(a.typeName(), b.typeName()));
    return c;
}

// true, false or Null (unknown) for "v in item", item a value or a range.
FormulaValue memberOf(const FormulaNode &node, const FormulaValue &v, const FormulaValue &item)
{
    if (item.type() == FormulaValue::Range) {
        const FormulaValue &from = item.items().at(0);
        const FormulaValue &to = item.items().at(1);
        if (!from.isNull()) {
            const int c = compareOrFail(node, v, from);
            if (c < 0 || (c == 0 && !item.includeFrom()))
                return FormulaValue::boolean(false);
        }
        if (!to.isNull()) {
            const int c = compareOrFail(node, v, to);
            if (c > 0 || (c == 0 && !item.includeTo()))
                return FormulaValue::boolean(false);
        }
        return FormulaValue::boolean(true);
    }
    if (item.isNull())
        return {};
    return FormulaValue::boolean(compareOrFail(node, v, item) == 0);
}

FormulaValue evalIn(const FormulaNode &node, const FormulaValue &v, const FormulaValue &set)
{
    if (v.isNull())
        return {};
    if (set.type() == FormulaValue::Array) {
        bool unknown = false;
        for (const FormulaValue &item : set.items()) {
            const FormulaValue r = memberOf(node, v, item);
            if (r.isNull())
                unknown = true;
            else if (r.toBool())
                return r;
        }
        return unknown ? FormulaValue() : FormulaValue::boolean(false);
    }
    return memberOf(node, v, set);
}

double roundHalfAway(double x, int decimals)
{
    const double f = std::pow(10.0, decimals);
    // A number too large for that many decimals has no digits there to round.
    if (!std::isfinite(x * f))
        return x;
    return std::round(x * f) / f;
}

QString numberToText(double x, int decimals, const QString &thousands, const QString &decimal)
{
    const bool negative = x < 0;
    QString digits = QString::number(std::fabs(roundHalfAway(x, decimals)), 'f', decimals);
    QString intPart = digits;
    QString frac;
    const int dot = digits.indexOf(u'.');
    if (dot >= 0) {
        intPart = digits.left(dot);
        frac = digits.mid(dot + 1);
    }
    if (!thousands.isEmpty()) {
        for (int i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, thousands);
    }
    QString r = intPart;
    if (decimals > 0)
        r += decimal + frac;
    if (negative && (intPart.contains(QRegularExpression(QStringLiteral("[1-9]"))) ||
                     frac.contains(QRegularExpression(QStringLiteral("[1-9]")))))
        r.prepend(u'-');
    return r;
}

FormulaValue toText(const FormulaNode &node, const QList<FormulaValue> &a)
{
    const FormulaValue &v = a.at(0);
    switch (v.type()) {
    case FormulaValue::Null:
        return FormulaValue::string(QString());
    case FormulaValue::String:
        return v;
    case FormulaValue::Boolean:
        return FormulaValue::string(v.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case FormulaValue::Number: {
        if (a.size() >= 2 && a.at(1).type() == FormulaValue::String)
            return FormulaValue::string(Formats::formatFloat(a.at(1).toStringValue(), v.toNumber()));
        int decimals = 2;
        if (a.size() >= 2)
            decimals = needInt(node, a.at(1), QStringLiteral("ToText decimals"), 0, 15);
        const QString thousands =
            a.size() >= 3 ? needString(node, a.at(2), QStringLiteral("ToText thousands separator"))
                          : QStringLiteral(".");
        const QString decimal = a.size() >= 4
                                    ? needString(node, a.at(3), QStringLiteral("ToText decimal separator"))
                                    : QStringLiteral(",");
        return FormulaValue::string(numberToText(v.toNumber(), decimals, thousands, decimal));
    }
    case FormulaValue::Date:
    case FormulaValue::DateTime: {
        if (a.size() >= 2) {
            const QString format = needString(node, a.at(1), QStringLiteral("ToText format"));
            return FormulaValue::string(v.toDateTime().toString(format));
        }
        return FormulaValue::string(v.toDisplayText());
    }
    default:
        return FormulaValue::string(v.toDisplayText());
    }
}

FormulaValue dateAdd(const FormulaNode &node, const QString &interval, const FormulaValue &n,
                     const FormulaValue &d)
{
    if (d.isNull())
        return {};
    if (!isDate(d))
        evalFail(node, QStringLiteral("DateAdd needs a date, found a %1").arg(d.typeName()));
    // Each interval's count is limited to the span of the years a date may
    // have, which keeps every product below in range.
    const QString what = QStringLiteral("DateAdd count");
    QDateTime r = d.toDateTime();
    const QString i = interval.toLower();
    if (i == QLatin1String("yyyy"))
        r = r.addYears(needInt(node, n, what, -MaxYear, MaxYear));
    else if (i == QLatin1String("q"))
        r = r.addMonths(needInt(node, n, what, -4 * MaxYear, 4 * MaxYear) * 3);
    else if (i == QLatin1String("m"))
        r = r.addMonths(needInt(node, n, what, -12 * MaxYear, 12 * MaxYear));
    else if (i == QLatin1String("d") || i == QLatin1String("y") || i == QLatin1String("w"))
        r = r.addDays(needWhole(node, n, what, -MaxDays, MaxDays));
    else if (i == QLatin1String("ww"))
        r = r.addDays(needWhole(node, n, what, -MaxDays / 7, MaxDays / 7) * 7);
    else if (i == QLatin1String("h"))
        r = r.addSecs(needWhole(node, n, what, -MaxDays * 24, MaxDays * 24) * 3600);
    else if (i == QLatin1String("n"))
        r = r.addSecs(needWhole(node, n, what, -MaxDays * 1440, MaxDays * 1440) * 60);
    else if (i == QLatin1String("s"))
        r = r.addSecs(needWhole(node, n, what, -MaxDays * 86400, MaxDays * 86400));
    else
        evalFail(node, QStringLiteral("unknown DateAdd interval '%1'").arg(interval));
    return dateResult(node, r, d.type() == FormulaValue::Date);
}

FormulaValue call(const FormulaNode &node, FormulaContext &ctx)
{
    const QString &f = node.name;
    if (FormulaParser::isSummaryFunction(f)) {
        auto name = [](const FormulaNode &n) {
            return n.kind == FormulaNode::FormulaRef ? u'@' + n.name : n.name;
        };
        return ctx.summaryValue(f, name(*node.children[0]),
                                node.children.size() > 1 ? name(*node.children[1]) : QString());
    }
    // IIF and IsNull look at their arguments themselves.
    if (f == QLatin1String("iif")) {
        const FormulaValue c = eval(*node.children[0], ctx);
        const bool take = c.type() == FormulaValue::Boolean && c.toBool();
        return eval(*node.children[take ? 1 : 2], ctx);
    }
    QList<FormulaValue> a;
    a.reserve(int(node.children.size()));
    for (const auto &child : node.children)
        a << eval(*child, ctx);

    if (f == QLatin1String("isnull"))
        return FormulaValue::boolean(a[0].isNull());
    if (f == QLatin1String("currentdate"))
        return FormulaValue::date(QDate::currentDate());
    if (f == QLatin1String("currentdatetime"))
        return FormulaValue::dateTime(QDateTime::currentDateTime());
    if (f == QLatin1String("totext"))
        return toText(node, a);
    if (f == QLatin1String("date")) {
        if (a.size() == 1) {
            if (a[0].isNull())
                return {};
            if (isDate(a[0]))
                return FormulaValue::date(a[0].toDate());
            if (a[0].type() == FormulaValue::String) {
                const FormulaValue v = FormulaValue::fromVariant(a[0].toStringValue());
                if (isDate(v))
                    return FormulaValue::date(v.toDate());
                const QDate d = Formats::readShortDate(a[0].toStringValue());
                if (d.isValid())
                    return FormulaValue::date(d);
            }
            evalFail(node, QStringLiteral("Date cannot make a date of %1").arg(a[0].toDisplayText()));
        }
        if (a.size() != 3)
            evalFail(node, QStringLiteral("Date takes a date or year, month and day"));
        const int y = needInt(node, a[0], QStringLiteral("Date year"), MinYear, MaxYear);
        const int m = needInt(node, a[1], QStringLiteral("Date month"), 1, 12);
        const int day = needInt(node, a[2], QStringLiteral("Date day"), 1, 31);
        const QDate d(y, m, day);
        if (!d.isValid())
            evalFail(node, QStringLiteral("Date(%1,%2,%3) is not a valid date").arg(y).arg(m).arg(day));
        return FormulaValue::date(d);
    }
    if (f == QLatin1String("datetime")) {
        if (a.size() == 1 && isDate(a[0]))
            return FormulaValue::dateTime(a[0].toDateTime());
        if (a.size() != 3 && a.size() != 6)
            evalFail(node,
                     QStringLiteral("DateTime takes year, month, day and optionally hour, minute, second"));
        static const struct
        {
            const char *part;
            int min, max;
        } parts[6] = {{"year", MinYear, MaxYear}, {"month", 1, 12}, {"day", 1, 31}, {"hour", 0, 23},
                      {"minute", 0, 59},          {"second", 0, 59}};
        int p[6] = {0, 0, 0, 0, 0, 0};
        for (int i = 0; i < a.size(); ++i)
            p[i] = needInt(node, a[i], QStringLiteral("DateTime ") + QLatin1String(parts[i].part),
                           parts[i].min, parts[i].max);
        const QDateTime dt(QDate(p[0], p[1], p[2]), QTime(p[3], p[4], p[5]));
        if (!dt.isValid())
            evalFail(node, QStringLiteral("DateTime arguments do not give a valid date and time"));
        return FormulaValue::dateTime(dt);
    }
    // The remaining functions give Null for a Null argument.
    for (const FormulaValue &v : a) {
        if (v.isNull())
            return {};
    }
    if (f == QLatin1String("trim"))
        return FormulaValue::string(needString(node, a[0], QStringLiteral("Trim")).trimmed());
    if (f == QLatin1String("trimleft")) {
        QString s = needString(node, a[0], QStringLiteral("TrimLeft"));
        int i = 0;
        while (i < s.size() && s.at(i).isSpace())
            ++i;
        return FormulaValue::string(s.mid(i));
    }
    if (f == QLatin1String("trimright")) {
        QString s = needString(node, a[0], QStringLiteral("TrimRight"));
        int i = s.size();
        while (i > 0 && s.at(i - 1).isSpace())
            --i;
        return FormulaValue::string(s.left(i));
    }
    if (f == QLatin1String("uppercase"))
        return FormulaValue::string(needString(node, a[0], QStringLiteral("UpperCase")).toUpper());
    if (f == QLatin1String("lowercase"))
        return FormulaValue::string(needString(node, a[0], QStringLiteral("LowerCase")).toLower());
    // A negative length gives an empty text.
    if (f == QLatin1String("left"))
        return FormulaValue::string(needString(node, a[0], QStringLiteral("Left"))
                                        .left(qMax(0, needInt(node, a[1], QStringLiteral("Left length")))));
    if (f == QLatin1String("right"))
        return FormulaValue::string(needString(node, a[0], QStringLiteral("Right"))
                                        .right(qMax(0, needInt(node, a[1], QStringLiteral("Right length")))));
    if (f == QLatin1String("mid")) {
        const QString s = needString(node, a[0], QStringLiteral("Mid"));
        const int start = needInt(node, a[1], QStringLiteral("Mid start"), 1, INT_MAX);
        const int len = a.size() > 2 ? qMax(0, needInt(node, a[2], QStringLiteral("Mid length"))) : -1;
        return FormulaValue::string(s.mid(start - 1, len));
    }
    if (f == QLatin1String("len"))
        return FormulaValue::number(needString(node, a[0], QStringLiteral("Len")).size());
    if (f == QLatin1String("round") || f == QLatin1String("truncate")) {
        const QString name =
            f == QLatin1String("round") ? QStringLiteral("Round") : QStringLiteral("Truncate");
        const double x = needNumber(node, a[0], name);
        // A double holds 15 significant digits: more decimals change nothing.
        const int d = a.size() > 1 ? needInt(node, a[1], name + QStringLiteral(" decimals"), -15, 15) : 0;
        if (f == QLatin1String("round"))
            return FormulaValue::number(roundHalfAway(x, d));
        const double p = std::pow(10.0, d);
        return FormulaValue::number(std::isfinite(x * p) ? std::trunc(x * p) / p : x);
    }
    if (f == QLatin1String("abs"))
        return FormulaValue::number(std::fabs(needNumber(node, a[0], QStringLiteral("Abs"))));
    if (f == QLatin1String("year") || f == QLatin1String("month") || f == QLatin1String("day")) {
        if (!isDate(a[0]))
            evalFail(node, QStringLiteral("%1 needs a date, found a %2").arg(node.name, a[0].typeName()));
        const QDate d = a[0].toDate();
        return FormulaValue::number(f == QLatin1String("year")    ? d.year()
                                    : f == QLatin1String("month") ? d.month()
                                                                  : d.day());
    }
    if (f == QLatin1String("dateadd"))
        return dateAdd(node, needString(node, a[0], QStringLiteral("DateAdd interval")), a[1], a[2]);
    if (f == QLatin1String("replace")) {
        QString s = needString(node, a[0], QStringLiteral("Replace"));
        const QString find = needString(node, a[1], QStringLiteral("Replace"));
        if (find.isEmpty())
            return FormulaValue::string(s);
        return FormulaValue::string(s.replace(find, needString(node, a[2], QStringLiteral("Replace"))));
    }
    if (f == QLatin1String("instr")) {
        int start = 1;
        int si = 0;
        if (a.size() == 3) {
            start = needInt(node, a[0], QStringLiteral("InStr start"), 1, INT_MAX);
            si = 1;
        }
        const QString s = needString(node, a[si], QStringLiteral("InStr"));
        const QString find = needString(node, a[si + 1], QStringLiteral("InStr"));
        return FormulaValue::number(s.indexOf(find, start - 1) + 1);
    }
    if (f == QLatin1String("chr"))
        return FormulaValue::string(
            QString(QChar(char16_t(needInt(node, a[0], QStringLiteral("Chr code"), 0, 0xFFFF)))));
    if (f == QLatin1String("tonumber")) {
        if (a[0].type() == FormulaValue::Number)
            return a[0];
        if (a[0].type() == FormulaValue::Boolean)
            return FormulaValue::number(a[0].toBool() ? 1 : 0);
        QString s = needString(node, a[0], QStringLiteral("ToNumber")).trimmed();
        s.remove(u'.');
        s.replace(u',', u'.');
        bool ok = false;
        const double x = s.toDouble(&ok);
        if (!ok)
            evalFail(node, QStringLiteral("'%1' is not a number").arg(a[0].toStringValue()));
        return FormulaValue::number(x);
    }
    evalFail(node, QStringLiteral("unknown function %1").arg(f));
}

// A date plus days; a date-time plus days and fractions of a day.
FormulaValue moveDate(const FormulaNode &node, const FormulaValue &d, double days)
{
    const qint64 whole = needWhole(node, FormulaValue::number(days), QStringLiteral("Days added to a date"),
                                   -MaxDays, MaxDays);
    if (d.type() == FormulaValue::Date)
        return dateResult(node, d.toDateTime().addDays(whole), true);
    return dateResult(node, d.toDateTime().addSecs(qint64(days * 86400)), false);
}

FormulaValue arithmetic(const FormulaNode &node, const FormulaValue &l, const FormulaValue &r)
{
    const QString &op = node.name;
    if (l.isNull() || r.isNull())
        return {};
    if (op == QLatin1String("&"))
        return FormulaValue::string(l.toDisplayText() + r.toDisplayText());
    if (op == QLatin1String("+")) {
        if (l.type() == FormulaValue::String && r.type() == FormulaValue::String)
            return FormulaValue::string(l.toStringValue() + r.toStringValue());
        if (isDate(l) && r.type() == FormulaValue::Number)
            return moveDate(node, l, r.toNumber());
    }
    if (op == QLatin1String("-") && isDate(l)) {
        if (r.type() == FormulaValue::Number)
            return moveDate(node, l, -r.toNumber());
        if (isDate(r))
            return FormulaValue::number(r.toDate().daysTo(l.toDate()));
    }
    if (l.type() != FormulaValue::Number || r.type() != FormulaValue::Number)
        evalFail(node,
                 QStringLiteral("'%1' cannot combine a %2 with a %3").arg(op, l.typeName(), r.typeName()));
    const double a = l.toNumber();
    const double b = r.toNumber();
    if (op == QLatin1String("+"))
        return FormulaValue::number(a + b);
    if (op == QLatin1String("-"))
        return FormulaValue::number(a - b);
    if (op == QLatin1String("*"))
        return FormulaValue::number(a * b);
    if (b == 0)
        evalFail(node, QStringLiteral("division by zero"));
    if (op == QLatin1String("/"))
        return FormulaValue::number(a / b);
    return FormulaValue::number(std::fmod(a, b));
}

FormulaValue evalNode(const FormulaNode &node, FormulaContext &ctx);

FormulaValue eval(const FormulaNode &node, FormulaContext &ctx)
{
    if (t_evaluationDepth >= MaxEvaluationDepth)
        evalFail(node, QStringLiteral("formulas using other formulas are nested more than %1 levels deep")
                           .arg(MaxEvaluationDepth));
    struct Level
    {
        Level() { ++t_evaluationDepth; }
        ~Level() { --t_evaluationDepth; }
        Level(const Level &) = delete;
        Level &operator=(const Level &) = delete;
    } level;
    return evalNode(node, ctx);
}

FormulaValue evalNode(const FormulaNode &node, FormulaContext &ctx)
{
    switch (node.kind) {
    case FormulaNode::Literal:
        return node.value;
    case FormulaNode::Field:
        return ctx.fieldValue(node.name);
    case FormulaNode::FormulaRef:
        return ctx.formulaValue(node.name);
    case FormulaNode::Parameter:
        return ctx.parameterValue(node.name);
    case FormulaNode::Special:
        return ctx.specialValue(node.name);
    case FormulaNode::Call:
        return call(node, ctx);
    case FormulaNode::If: {
        const FormulaValue c = eval(*node.children[0], ctx);
        if (!c.isNull() && c.type() != FormulaValue::Boolean)
            evalFail(node, QStringLiteral("'if' needs a boolean condition, found a %1").arg(c.typeName()));
        if (c.type() == FormulaValue::Boolean && c.toBool())
            return eval(*node.children[1], ctx);
        if (node.children.size() > 2)
            return eval(*node.children[2], ctx);
        // Without else the result has the then-branch's kind: an empty text
        // or zero, so that concatenation and sums keep working.
        const FormulaValue t = eval(*node.children[1], ctx);
        if (t.type() == FormulaValue::String)
            return FormulaValue::string(QString());
        if (t.type() == FormulaValue::Number)
            return FormulaValue::number(0);
        if (t.type() == FormulaValue::Boolean)
            return FormulaValue::boolean(false);
        return {};
    }
    case FormulaNode::List: {
        QList<FormulaValue> items;
        for (const auto &child : node.children)
            items << eval(*child, ctx);
        return FormulaValue::array(items);
    }
    case FormulaNode::RangeExpr:
        return FormulaValue::range(eval(*node.children[0], ctx), eval(*node.children[1], ctx));
    case FormulaNode::Unary: {
        const FormulaValue v = eval(*node.children[0], ctx);
        if (node.name == QLatin1String("not"))
            return logicalNot(node, v);
        if (v.isNull())
            return {};
        const double x = needNumber(node, v, QStringLiteral("'%1'").arg(node.name));
        return FormulaValue::number(node.name == QLatin1String("-") ? -x : x);
    }
    case FormulaNode::Binary: {
        const QString &op = node.name;
        if (op == QLatin1String("and") || op == QLatin1String("or")) {
            const bool isAnd = op == QLatin1String("and");
            const FormulaValue l = eval(*node.children[0], ctx);
            if (!l.isNull() && l.type() != FormulaValue::Boolean)
                evalFail(node, QStringLiteral("'%1' needs booleans, found a %2").arg(op, l.typeName()));
            if (!l.isNull() && l.toBool() != isAnd)
                return l; // false and ..., true or ...
            const FormulaValue r = eval(*node.children[1], ctx);
            if (!r.isNull() && r.type() != FormulaValue::Boolean)
                evalFail(node, QStringLiteral("'%1' needs booleans, found a %2").arg(op, r.typeName()));
            if (!r.isNull() && r.toBool() != isAnd)
                return r;
            if (l.isNull() || r.isNull())
                return {};
            return FormulaValue::boolean(isAnd);
        }
        const FormulaValue l = eval(*node.children[0], ctx);
        const FormulaValue r = eval(*node.children[1], ctx);
        if (op == QLatin1String("in"))
            return evalIn(node, l, r);
        const bool cmp = op == QLatin1String("=") || op == QLatin1String("<>") || op == QLatin1String("<") ||
                         op == QLatin1String(">") || op == QLatin1String("<=") || op == QLatin1String(">=");
        if (cmp) {
            if (l.isNull() || r.isNull())
                return {};
            const int c = compareOrFail(node, l, r);
            bool b = false;
            if (op == QLatin1String("="))
                b = c == 0;
            else if (op == QLatin1String("<>"))
                b = c != 0;
            else if (op == QLatin1String("<"))
                b = c < 0;
            else if (op == QLatin1String(">"))
                b = c > 0;
            else if (op == QLatin1String("<="))
                b = c <= 0;
            else
                b = c >= 0;
            return FormulaValue::boolean(b);
        }
        return arithmetic(node, l, r);
    }
    }
    return {};
}

void collect(const FormulaNode *node, FormulaNode::Kind kind, QStringList *out)
{
    if (!node)
        return;
    if (node->kind == kind && !out->contains(node->name, Qt::CaseInsensitive))
        out->append(node->name);
    for (const auto &child : node->children)
        collect(child.get(), kind, out);
}

} // namespace

Formula Formula::compile(const QString &text, FormulaSyntaxError *error)
{
    FormulaParser parser(text);
    Formula f;
    f.m_root = parser.parse(error);
    return f;
}

FormulaValue Formula::evaluate(FormulaContext &context) const
{
    if (!m_root)
        return {};
    return eval(*m_root, context);
}

FormulaValue Formula::evaluateNode(const FormulaNode *node, FormulaContext &context)
{
    return node ? eval(*node, context) : FormulaValue();
}

QStringList Formula::fields() const
{
    QStringList r;
    collect(m_root.get(), FormulaNode::Field, &r);
    return r;
}

QStringList Formula::formulas() const
{
    QStringList r;
    collect(m_root.get(), FormulaNode::FormulaRef, &r);
    return r;
}

QStringList Formula::parameters() const
{
    QStringList r;
    collect(m_root.get(), FormulaNode::Parameter, &r);
    return r;
}

QList<QPair<QString, QStringList>> Formula::summaries() const
{
    QList<QPair<QString, QStringList>> r;
    std::function<void(const FormulaNode *)> walk = [&](const FormulaNode *n) {
        if (!n)
            return;
        if (n->kind == FormulaNode::Call && FormulaParser::isSummaryFunction(n->name)) {
            QStringList args;
            for (const auto &c : n->children)
                args << (c->kind == FormulaNode::FormulaRef ? u'@' + c->name : c->name);
            r << qMakePair(n->name, args);
        }
        for (const auto &c : n->children)
            walk(c.get());
    };
    walk(m_root.get());
    return r;
}

QStringList Formula::specials() const
{
    QStringList r;
    collect(m_root.get(), FormulaNode::Special, &r);
    return r;
}
