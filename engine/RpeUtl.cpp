#include "engine/RpeUtl.h"

#include "data/Database.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeLibraryFile.h"
#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <limits>

namespace RpeUtl {

const char *const AreaNames[7] = {"RH", "PH", "GH", "D", "GF", "PF", "RF"};
const int AreaBaseCodes[7] = {1000, 2000, 3000, 4000, 5000, 7000, 8000};
const char *const SectionLetters[40] = {"a",  "b",  "c",  "d",  "e",  "f",  "g",  "h",  "i",  "j",
                                        "k",  "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",
                                        "u",  "v",  "w",  "x",  "y",  "z",  "aa", "ab", "ac", "ad",
                                        "ae", "af", "ag", "ah", "ai", "aj", "ak", "al", "am", "an"};
const char *const DefaultStringValue = "Value";

namespace {

bool isNumericChar(QChar c)
{
    return c.isDigit() || c == QLatin1Char('$') || c == QLatin1Char('(') || c == QLatin1Char(')') ||
           c == QLatin1Char('-');
}

// The value of a text that passed IsNumeric or IsFloatText: currency signs
// dropped, either decimal mark accepted. Brackets around the number are the
// accounting form of a negative amount, "(5)" = -5; a bracket anywhere else
// makes no number.
bool numberOf(const QString &s, double &value)
{
    QString t = s.trimmed();
    RemoveChar(t, QLatin1Char('$'));
    t = t.trimmed();
    bool negative = false;
    if (t.size() >= 2 && t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    if (t.contains(QLatin1Char('(')) || t.contains(QLatin1Char(')')))
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = t.toDouble(&ok);
    if (negative)
        value = -value;
    return ok && std::isfinite(value);
}

// A number as the user's side reads it: the system's decimal comma.
QString userNumber(double value, char format, int precision)
{
    QString text = QString::number(value, format, precision);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

// A numeric part of a date, time or integer value; numbers outside 16 bits
// are refused rather than wrapped.
bool int16Of(const QString &s, int16_t &value)
{
    if (!IsNumeric(s))
        return false;
    double d = 0;
    if (!numberOf(s, d) || d != std::floor(d) || d < std::numeric_limits<int16_t>::min() ||
        d > std::numeric_limits<int16_t>::max())
        return false;
    value = int16_t(d);
    return true;
}

bool int32Of(const QString &s, int64_t minimum, int64_t maximum, int64_t &value)
{
    if (!IsNumeric(s))
        return false;
    double d = 0;
    if (!numberOf(s, d) || d != std::floor(d) || d < double(minimum) || d > double(maximum))
        return false;
    value = int64_t(d);
    return true;
}

// At most 255 bytes of UTF-8, not cutting a character in two.
void copyString(char (&target)[256], const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > 255) {
        qsizetype n = 255;
        while (n > 0 && (uchar(bytes[n]) & 0xC0) == 0x80)
            --n;
        bytes.truncate(n);
    }
    std::memset(target, 0, sizeof target);
    std::memcpy(target, bytes.constData(), size_t(bytes.size()));
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString dateText(int year, int month, int day)
{
    return QStringLiteral("%1,%2,%3").arg(year, 4, 10, QLatin1Char('0')).arg(two(month), two(day));
}

QString timeText(int hour, int minute, int second)
{
    return two(hour) + QLatin1Char(':') + two(minute) + QLatin1Char(':') + two(second);
}

} // namespace

bool IsBlank(const QString &s)
{
    return s.trimmed().isEmpty();
}

bool IsNumeric(const QString &s)
{
    const QString t = s.trimmed();
    bool digit = false;
    for (QChar c : t) {
        if (!isNumericChar(c))
            return false;
        digit = digit || c.isDigit();
    }
    return digit;
}

bool IsFloatText(const QString &s)
{
    const QString t = s.trimmed();
    bool digit = false;
    bool mark = false;
    for (QChar c : t) {
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (mark)
                return false;
            mark = true;
        } else if (!isNumericChar(c)) {
            return false;
        }
        digit = digit || c.isDigit();
    }
    return digit;
}

bool IsQuotedText(const QString &s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return true;
    if (t.size() < 2)
        return false;
    const QChar q = t.front();
    return (q == QLatin1Char('\'') || q == QLatin1Char('"')) && t.back() == q;
}

QString SplitToken(QString &s, const QString &sep)
{
    const qsizetype pos = IsBlank(s) || sep.isEmpty() ? -1 : s.indexOf(sep);
    if (pos < 0 || pos >= 256) {
        const QString all = s;
        s.clear();
        return all;
    }
    const QString token = s.left(pos);
    s.remove(0, pos + sep.size());
    return token;
}

QString AddBackslash(const QString &s)
{
    QString t = s.trimmed();
    if (t.size() >= 4 && !t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    return t;
}

QString ErrorNumberOf(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? text : text.left(colon);
}

QString ErrorTextOf(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : text.mid(colon + 1);
}

QString GetVersionInfo(const QString &file, const QString &key, int &errorNumber)
{
    QString value;
    if (RpeLibraryFile::readVersionString(file, key, value, errorNumber))
        return value;
    return QStringLiteral("7,0,0,0");
}

bool GetPathFromAlias(const QString &text, QString &folder)
{
    const QString alias = text.mid(1, text.size() - 2);
    const IniFile ini(Database::aliasFileName());
    if (alias.isEmpty() || !ini.sectionExists(alias))
        return false;
    const QStringList lines = ini.sectionLines(alias);
    auto valueOf = [&](const QString &key) {
        for (const QString &line : lines) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
                return line.mid(eq + 1).trimmed();
        }
        return QString();
    };
    auto folderOf = [](const QString &file) {
        if (file.isEmpty())
            return QString();
        // A relative database file of the embedded driver lies in the program folder.
        const QFileInfo info(QDir(ProgramFolder::path()), file);
        return info.absolutePath();
    };
    folder = valueOf(QStringLiteral("PATH"));
    if (folder.isEmpty())
        folder = folderOf(valueOf(QStringLiteral("DATABASE NAME")));
    if (folder.isEmpty())
        folder = folderOf(valueOf(QStringLiteral("DATABASE")));
    if (folder.isEmpty() && !lines.isEmpty())
        folder = folderOf(lines.front().mid(lines.front().indexOf(QLatin1Char('=')) + 1).trimmed());
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return true;
}

QString SectionAreaName(int16_t code)
{
    const int area = RpeDynamic::SectionAreaType(code);
    for (int i = 0; i < 7; ++i) {
        if (AreaBaseCodes[i] / 1000 != area)
            continue;
        QString name = QString::fromLatin1(AreaNames[i]);
        if (area == RPE_AREA_GROUP_HEADER || area == RPE_AREA_GROUP_FOOTER)
            name += QString::number(RpeDynamic::SectionGroupN(code) + 1);
        return name;
    }
    return {};
}

QString SectionName(int16_t code)
{
    const QString area = SectionAreaName(code);
    const int n = RpeDynamic::SectionN(code);
    if (area.isEmpty() || n < 0 || n > 39)
        return {};
    return area + QString::fromLatin1(SectionLetters[n]);
}

bool StrToSectionCode(const QString &name, int16_t &code)
{
    const QString t = name.trimmed();
    if (t.isEmpty())
        return false;
    QString area;
    QString letters;
    int group = 0;
    const QChar first = t.front().toUpper();
    if (first == QLatin1Char('D')) {
        area = QStringLiteral("D");
        letters = t.mid(1);
    } else if (first == QLatin1Char('G')) {
        area = t.size() == 1 ? QStringLiteral("GH") : t.left(2);
        qsizetype i = 2;
        QString digits;
        while (i < t.size() && t[i].isDigit())
            digits += t[i++];
        if (!digits.isEmpty())
            group = digits.toInt() - 1;
        for (; i < t.size(); ++i)
            if (t[i].unicode() > 64)
                letters += t[i];
    } else {
        area = t.size() == 1 ? QStringLiteral("RH") : t.left(2);
        letters = t.mid(2);
    }
    if (letters.isEmpty())
        letters = QStringLiteral("a");
    int areaIndex = -1;
    for (int i = 0; i < 7 && areaIndex < 0; ++i)
        if (area.compare(QLatin1String(AreaNames[i]), Qt::CaseInsensitive) == 0)
            areaIndex = i;
    int letterIndex = -1;
    for (int i = 0; i < 40 && letterIndex < 0; ++i)
        if (letters.compare(QLatin1String(SectionLetters[i]), Qt::CaseInsensitive) == 0)
            letterIndex = i;
    if (areaIndex < 0 || letterIndex < 0 || group < 0)
        return false;
    code = int16_t(AreaBaseCodes[areaIndex] + group + letterIndex * 25);
    return true;
}

QString FieldNameInBraces(const QString &name, const QString &family)
{
    QString t = name.trimmed();
    if (!t.startsWith(QLatin1Char('{')))
        t.prepend(QLatin1Char('{'));
    if (!t.endsWith(QLatin1Char('}')))
        t += QLatin1Char('}');
    const QString f = family.toLower();
    QChar prefix;
    if (f == QLatin1String("formulas"))
        prefix = QLatin1Char('@');
    else if (f == QLatin1String("paramfields"))
        prefix = QLatin1Char('?');
    else if (f == QLatin1String("runningtotals"))
        prefix = QLatin1Char('%');
    else if (f == QLatin1String("sqlexpressions"))
        prefix = QLatin1Char('#');
    if (!prefix.isNull() && (t.size() < 2 || t[1] != prefix))
        t.insert(1, prefix);
    return t;
}

bool StrToValueInfo(const QString &text, RpeValueInfo &record)
{
    switch (record.ValueType) {
    case RPE_VI_NUMBER:
    case RPE_VI_CURRENCY: {
        double value = 0;
        if (!IsFloatText(text) || !numberOf(text, value))
            return false;
        (record.ValueType == RPE_VI_NUMBER ? record.Number : record.Currency) = value;
        return true;
    }
    case RPE_VI_BOOLEAN:
        if (text.isEmpty())
            return false;
        record.Boolean = StrToBoolean(text) ? -1 : 0;
        return true;
    case RPE_VI_DATE: {
        QString rest = text.trimmed();
        const QString year = SplitToken(rest, QStringLiteral(","));
        const QString month = SplitToken(rest, QStringLiteral(","));
        const QString day = SplitToken(rest, QStringLiteral(" "));
        int16_t y, m, d;
        if (!int16Of(year, y) || !int16Of(month, m) || !int16Of(day, d))
            return false;
        record.Date[0] = y;
        record.Date[1] = m;
        record.Date[2] = d;
        return true;
    }
    case RPE_VI_STRING:
        copyString(record.String, text);
        return true;
    case RPE_VI_DATETIME: {
        QString rest = text.trimmed();
        QStringList parts;
        parts << SplitToken(rest, QStringLiteral(",")) << SplitToken(rest, QStringLiteral(","))
              << SplitToken(rest, QStringLiteral(" "));
        rest = rest.trimmed();
        parts << SplitToken(rest, QStringLiteral(":")) << SplitToken(rest, QStringLiteral(":")) << rest;
        int16_t v[6];
        for (int i = 0; i < 6; ++i)
            if (!int16Of(parts[i], v[i]))
                return false;
        std::memcpy(record.DateTime, v, sizeof v);
        return true;
    }
    case RPE_VI_TIME: {
        QString rest = text.trimmed();
        const QString hour = SplitToken(rest, QStringLiteral(":"));
        const QString minute = SplitToken(rest, QStringLiteral(":"));
        const QString second = SplitToken(rest, QStringLiteral("."));
        int16_t v[3];
        if (!int16Of(hour, v[0]) || !int16Of(minute, v[1]) || !int16Of(second, v[2]))
            return false;
        std::memcpy(record.Time, v, sizeof v);
        return true;
    }
    case RPE_VI_INTEGER:
        return int16Of(text, record.Integer);
    case RPE_VI_COLOR: {
        int64_t v = 0;
        record.Color =
            int32Of(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<uint32_t>::max(), v)
                ? uint32_t(v)
                : uint32_t(-1);
        return true;
    }
    case RPE_VI_CHAR:
        if (text.isEmpty())
            return false;
        record.Char = text.front().toLatin1();
        return true;
    case RPE_VI_LONG: {
        int64_t v = 0;
        record.Long =
            int32Of(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), v)
                ? int32_t(v)
                : 0;
        return true;
    }
    default:
        return false;
    }
}

QString ValueInfoToStr(const RpeValueInfo &record)
{
    switch (record.ValueType) {
    case RPE_VI_NUMBER:
        return userNumber(record.Number, 'g', 15);
    case RPE_VI_CURRENCY:
        return userNumber(record.Currency, 'g', 15);
    case RPE_VI_BOOLEAN:
        return BooleanToStr(record.Boolean != 0);
    case RPE_VI_DATE:
        // A date that was never set reads as today, not as year 0.
        if (record.Date[0] <= 0)
            return DateToText(QDate::currentDate());
        return dateText(record.Date[0], record.Date[1], record.Date[2]);
    case RPE_VI_STRING:
        return QString::fromUtf8(record.String, qsizetype(strnlen(record.String, sizeof record.String)));
    case RPE_VI_DATETIME:
        if (record.DateTime[0] <= 0)
            return DateTimeToText(QDateTime::currentDateTime());
        return dateText(record.DateTime[0], record.DateTime[1], record.DateTime[2]) + QLatin1Char(' ') +
               timeText(record.DateTime[3], record.DateTime[4], record.DateTime[5]);
    case RPE_VI_TIME:
        if (record.Time[0] <= 0)
            return TimeToText(QTime::currentTime());
        return timeText(record.Time[0], record.Time[1], record.Time[2]);
    case RPE_VI_INTEGER:
        return QString::number(record.Integer);
    case RPE_VI_COLOR:
        return QString::number(record.Color);
    case RPE_VI_LONG:
        return QString::number(record.Long);
    case RPE_VI_CHAR:
        return record.Char ? QString(QLatin1Char(record.Char)) : QString();
    default:
        return {};
    }
}

TRpeFieldValueType FieldValueTypeOf(int engineType)
{
    switch (engineType) {
    case RPE_VI_NUMBER:
        return fvNumber;
    case RPE_VI_CURRENCY:
        return fvCurrency;
    case RPE_VI_BOOLEAN:
        return fvBoolean;
    case RPE_VI_DATE:
        return fvDate;
    case RPE_VI_STRING:
        return fvString;
    case RPE_VI_DATETIME:
        return fvDateTime;
    case RPE_VI_TIME:
        return fvTime;
    case RPE_VI_INTEGER:
        return fvInt16s;
    case RPE_VI_COLOR:
        return fvInt32u;
    case RPE_VI_CHAR:
        return fvString;
    case RPE_VI_LONG:
        return fvInt32s;
    default:
        return fvUnknown;
    }
}

QString DrillValueText(const RpeValueInfo &record)
{
    auto joined = [](const int16_t *parts, int n, QChar separator) {
        QStringList list;
        for (int i = 0; i < n; ++i)
            list << QString::number(parts[i]);
        return list.join(separator);
    };
    if (record.IsNull)
        return {};
    switch (record.ValueType) {
    case RPE_VI_NUMBER:
        return userNumber(record.Number, 'f', 2);
    case RPE_VI_CURRENCY:
        return userNumber(record.Currency, 'f', 2);
    case RPE_VI_BOOLEAN:
        return record.Boolean ? QStringLiteral("True") : QStringLiteral("False");
    case RPE_VI_DATE:
        return joined(record.Date, 3, QLatin1Char(','));
    case RPE_VI_DATETIME:
        return joined(record.DateTime, 3, QLatin1Char(',')) + QLatin1Char(' ') +
               joined(record.DateTime + 3, 3, QLatin1Char(':'));
    case RPE_VI_TIME:
        return joined(record.Time, 3, QLatin1Char(':'));
    default:
        // Texts, integers, colours and characters read as everywhere else.
        return ValueInfoToStr(record);
    }
}

void DefaultValueInfo(RpeValueInfo &record)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    record.Number = 1.0;
    record.Currency = 1.0;
    record.Boolean = -1;
    record.Date[0] = int16_t(d.year());
    record.Date[1] = int16_t(d.month());
    record.Date[2] = int16_t(d.day());
    copyString(record.String, QString::fromLatin1(DefaultStringValue));
    const int16_t dt[6] = {int16_t(d.year()), int16_t(d.month()),  int16_t(d.day()),
                           int16_t(t.hour()), int16_t(t.minute()), int16_t(t.second())};
    std::memcpy(record.DateTime, dt, sizeof dt);
    record.Time[0] = int16_t(t.hour());
    record.Time[1] = int16_t(t.minute());
    record.Time[2] = int16_t(t.second());
    record.Integer = 1;
    record.Color = 0;
    record.Long = 0;
    record.Char = 'A';
}

bool StrToBoolean(const QString &s)
{
    const QString t = s.trimmed();
    const QChar c = t.isEmpty() ? QLatin1Char('F') : t.front().toUpper();
    return c == QLatin1Char('1') || c == QLatin1Char('T') || c == QLatin1Char('Y');
}

QString BooleanToStr(bool b, bool digits)
{
    if (digits)
        return b ? QStringLiteral("1") : QStringLiteral("0");
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

namespace {

bool numberPart(const QString &s, int &value)
{
    if (!IsNumeric(s))
        return false;
    double d = 0;
    if (!numberOf(s, d))
        return false;
    value = int(d);
    return true;
}

QString firstDigits(const QString &s)
{
    QString digits;
    for (QChar c : s.left(2))
        if (c.isDigit())
            digits += c;
    return digits;
}

} // namespace

bool StrToDateValue(const QString &s, QDate &date)
{
    if (s.size() < 5)
        return false;
    QString rest = s;
    int y = 0, m = 0, d = 0;
    if (!numberPart(SplitToken(rest, QStringLiteral(",")), y) ||
        !numberPart(SplitToken(rest, QStringLiteral(",")), m) || !numberPart(firstDigits(rest.trimmed()), d))
        return false;
    date = QDate(y, m, d);
    return date.isValid();
}

bool StrToDateTimeValue(const QString &s, QDateTime &dateTime)
{
    if (s.size() <= 10)
        return false;
    QString rest = s;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0;
    if (!numberPart(SplitToken(rest, QStringLiteral(",")), y) ||
        !numberPart(SplitToken(rest, QStringLiteral(",")), mo))
        return false;
    rest = rest.trimmed();
    QString day;
    if (rest.contains(QLatin1Char(' '))) {
        day = SplitToken(rest, QStringLiteral(" "));
    } else {
        day = rest.left(2);
        rest = rest.mid(2);
    }
    rest = rest.trimmed();
    const QString hour = SplitToken(rest, QStringLiteral(":"));
    const QString minute = SplitToken(rest, QStringLiteral(":"));
    QString second = rest;
    QString millis = QStringLiteral("0");
    if (rest.contains(QLatin1Char('.'))) {
        second = SplitToken(rest, QStringLiteral("."));
        millis = rest;
    }
    if (!numberPart(day, d) || !numberPart(hour, h) || !numberPart(minute, mi) || !numberPart(second, sec) ||
        !numberPart(millis, ms))
        return false;
    dateTime = QDateTime(QDate(y, mo, d), QTime(h, mi, sec, ms));
    return dateTime.isValid();
}

bool StrToTimeValue(const QString &s, QTime &time)
{
    QString rest = s.trimmed();
    QString hour;
    if (rest.contains(QLatin1Char(':'))) {
        hour = SplitToken(rest, QStringLiteral(":"));
    } else {
        hour = rest.left(2);
        rest = rest.mid(2);
    }
    hour = hour.section(QLatin1Char(' '), 0, 0);
    QString minute;
    if (rest.contains(QLatin1Char(':'))) {
        minute = SplitToken(rest, QStringLiteral(":"));
    } else {
        minute = rest.left(2);
        rest = rest.mid(2);
    }
    const QString second = rest.contains(QLatin1Char('.')) ? SplitToken(rest, QStringLiteral(".")) : rest;
    int h = 0, m = 0, sec = 0;
    if (!numberPart(hour, h) || !numberPart(minute, m) || !numberPart(second, sec))
        return false;
    time = QTime(h, m, sec);
    return time.isValid();
}

QString DateToText(const QDate &date)
{
    return dateText(date.year(), date.month(), date.day());
}

QString DateTimeToText(const QDateTime &dateTime)
{
    const QTime t = dateTime.time();
    return DateToText(dateTime.date()) + QLatin1Char(' ') + timeText(t.hour(), t.minute(), t.second());
}

QString DateTimeToTextWithMilliseconds(const QDateTime &dateTime)
{
    // The milliseconds are always written as zero, as the engine expects.
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral(".000");
}

QString TimeToText(const QTime &time)
{
    return timeText(time.hour(), time.minute(), time.second());
}

QString StringsText(const QStringList &lines)
{
    QString text = lines.join(QStringLiteral("\r\n"));
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString NormalizeLineBreaks(const QString &s)
{
    QString t = s;
    t.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    t.replace(QLatin1String("\r\r\n"), QLatin1String("\r\n"));
    QString out;
    out.reserve(t.size() + 8);
    for (qsizetype i = 0; i < t.size(); ++i) {
        out += t[i];
        if (t[i] == QLatin1Char('\r') && (i + 1 >= t.size() || t[i + 1] != QLatin1Char('\n')))
            out += QLatin1Char('\n');
    }
    return out;
}

void RemoveChar(QString &s, QChar c)
{
    s.remove(c);
}

QString TempFolder()
{
    const QString path = QDir::tempPath();
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return {};
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

double TwipsToPoints(int twips)
{
    return twips / 20.0;
}

int PointsToTwips(double points)
{
    return int(std::lround(points * 20));
}

} // namespace RpeUtl
