#include "data/SqliteFunctions.h"

#include "data/DateText.h"

#include <QByteArray>
#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace {
QString textArg(sqlite3_value *v)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void resultText(sqlite3_context *ctx, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultError(sqlite3_context *ctx, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_error(ctx, utf8.constData(), int(utf8.size()));
}

bool anyNull(int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

QDateTime dateArg(sqlite3_value *v)
{
    return DateText::parse(textArg(v));
}

void toDate(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = textArg(argv[0]);
    if (argc < 2) {
        const QDateTime stored = DateText::parse(text);
        if (!stored.isValid()) {
            resultError(ctx, QStringLiteral("TO_DATE: '%1' ni veljaven datum.").arg(text));
            return;
        }
        resultText(ctx, DateText::fromDateTime(stored));
        return;
    }
    const QString format = textArg(argv[1]);
    const QDateTime value = DateText::parseWithFormat(text, format);
    if (!value.isValid()) {
        resultError(ctx,
                    text.trimmed().isEmpty()
                        ? QStringLiteral("TO_DATE: datum ni vpisan (pričakovana oblika '%1').").arg(format)
                        : QStringLiteral("TO_DATE: '%1' ni veljaven datum v obliki '%2'.").arg(text, format));
        return;
    }
    resultText(ctx, DateText::fromDateTime(value));
}

void toChar(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const int type = sqlite3_value_type(argv[0]);
    if (argc >= 2 && type == SQLITE_TEXT) {
        const QDateTime value = dateArg(argv[0]);
        if (value.isValid()) {
            resultText(ctx, DateText::formatWithModel(value, textArg(argv[1])));
            return;
        }
    }
    resultText(ctx, textArg(argv[0]));
}

void toNumber(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = textArg(argv[0]).trimmed();
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok) {
        sqlite3_result_int64(ctx, whole);
        return;
    }
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok) {
        resultError(ctx, QStringLiteral("TO_NUMBER: '%1' ni število").arg(text));
        return;
    }
    sqlite3_result_double(ctx, value);
}

void nvl(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

// DECODE(expr, search1, result1, ..., [default]); NULL matches NULL, as on the server.
void decode(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc < 3) {
        resultError(ctx, QStringLiteral("DECODE: premalo argumentov"));
        return;
    }
    sqlite3_value *expr = argv[0];
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        sqlite3_value *search = argv[i];
        const bool exprNull = sqlite3_value_type(expr) == SQLITE_NULL;
        const bool searchNull = sqlite3_value_type(search) == SQLITE_NULL;
        bool equal = exprNull && searchNull;
        if (!exprNull && !searchNull) {
            const int te = sqlite3_value_numeric_type(expr);
            const int ts = sqlite3_value_numeric_type(search);
            if ((te == SQLITE_INTEGER || te == SQLITE_FLOAT) && (ts == SQLITE_INTEGER || ts == SQLITE_FLOAT))
                equal = sqlite3_value_double(expr) == sqlite3_value_double(search);
            else
                equal = textArg(expr) == textArg(search);
        }
        if (equal) {
            sqlite3_result_value(ctx, argv[i + 1]);
            return;
        }
    }
    if (i < argc)
        sqlite3_result_value(ctx, argv[i]);
    else
        sqlite3_result_null(ctx);
}

void trunc(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_TEXT) {
        const QDateTime value = dateArg(argv[0]);
        if (value.isValid()) {
            resultText(ctx, DateText::fromDate(value.date()));
            return;
        }
    }
    const int digits = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
    const double scale = std::pow(10.0, digits);
    const double truncated = std::trunc(sqlite3_value_double(argv[0]) * scale) / scale;
    if (digits <= 0)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(truncated));
    else
        sqlite3_result_double(ctx, truncated);
}

void sysdate(sqlite3_context *ctx, int, sqlite3_value **)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void addMonths(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDateTime value = dateArg(argv[0]);
    if (!value.isValid()) {
        resultError(ctx, QStringLiteral("ADD_MONTHS: '%1' ni datum").arg(textArg(argv[0])));
        return;
    }
    QDate date = value.date().addMonths(sqlite3_value_int(argv[1]));
    // The last day of a month stays the last day, as on the server.
    if (value.date().day() == value.date().daysInMonth())
        date.setDate(date.year(), date.month(), date.daysInMonth());
    resultText(ctx, DateText::fromDateTime(QDateTime(date, value.time())));
}

void lastDay(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDateTime value = dateArg(argv[0]);
    if (!value.isValid()) {
        resultError(ctx, QStringLiteral("LAST_DAY: '%1' ni datum").arg(textArg(argv[0])));
        return;
    }
    const QDate d = value.date();
    resultText(ctx,
               DateText::fromDateTime(QDateTime(QDate(d.year(), d.month(), d.daysInMonth()), value.time())));
}

using Function = void (*)(sqlite3_context *, int, sqlite3_value **);
} // namespace

bool SqliteFunctions::install(sqlite3 *db)
{
    const struct
    {
        const char *name;
        int args;
        Function function;
        bool deterministic;
    } functions[] = {
        {"TO_DATE", 1, toDate, true},   {"TO_DATE", 2, toDate, true},       {"TO_CHAR", 1, toChar, true},
        {"TO_CHAR", 2, toChar, true},   {"TO_NUMBER", 1, toNumber, true},   {"NVL", 2, nvl, true},
        {"DECODE", -1, decode, true},   {"TRUNC", 1, trunc, true},          {"TRUNC", 2, trunc, true},
        {"SYSDATE", 0, sysdate, false}, {"ADD_MONTHS", 2, addMonths, true}, {"LAST_DAY", 1, lastDay, true},
    };
    for (const auto &f : functions) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.function, nullptr, nullptr,
                                       nullptr) != SQLITE_OK)
            return false;
    }
    return true;
}
