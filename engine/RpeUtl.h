#pragma once

#include "engine/RpeTypes.h"
#include "printengine/rpe32.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>

// Text conversions wherever text meets the engine: values to and from the
// engine's value record, section names and codes, field names in braces, the
// library's version string, alias folders and line breaks. Stateless.
namespace RpeUtl {

bool IsBlank(const QString &s);
// Digits and "$ ( ) -" only, at least one digit.
bool IsNumeric(const QString &s);
// As IsNumeric, plus at most one decimal mark ("." or ",").
bool IsFloatText(const QString &s);
// Empty, or a literal between matching ' or " quotes.
bool IsQuotedText(const QString &s);
// Cuts the part before the first sep off s and returns it; all of s when sep
// is missing.
QString SplitToken(QString &s, const QString &sep);
// Appends the folder separator to folders of at least 4 characters.
QString AddBackslash(const QString &s);
// The halves of a component error text "nnn:text".
QString ErrorNumberOf(const QString &text);
QString ErrorTextOf(const QString &text);

// A string of the library's version resource; "7,0,0,0" when there is none.
// errorNumber is the system error of a file that could not be read, else 0.
QString GetVersionInfo(const QString &file, const QString &key, int &errorNumber);
// The folder of a database alias written between colons (":LB:"), with a
// trailing separator; false for an unknown alias.
bool GetPathFromAlias(const QString &text, QString &folder);

// Section names such as RHa, GH2b, D, PF.
extern const char *const AreaNames[7];
extern const int AreaBaseCodes[7];
extern const char *const SectionLetters[40];
bool StrToSectionCode(const QString &name, int16_t &code);
QString SectionAreaName(int16_t code);
QString SectionName(int16_t code);

// {name}, with the family's prefix (@ formulas, ? parameters, % running
// totals, # SQL expressions).
QString FieldNameInBraces(const QString &name, const QString &family);

// Parameter and formula values in the engine's text forms; numbers read
// back are written with the decimal comma the user side reads.
bool StrToValueInfo(const QString &text, RpeValueInfo &record);
QString ValueInfoToStr(const RpeValueInfo &record);
void DefaultValueInfo(RpeValueInfo &record);
// The field type of a value type the engine reports for a field (RPE_VI_...;
// 22 and anything unknown are fvUnknown).
TRpeFieldValueType FieldValueTypeOf(int engineType);
// A value of a drill-down or mouse event as the handler sees it.
QString DrillValueText(const RpeValueInfo &record);
extern const char *const DefaultStringValue;

bool StrToBoolean(const QString &s);
QString BooleanToStr(bool b, bool digits = false);

bool StrToDateValue(const QString &s, QDate &date);
bool StrToDateTimeValue(const QString &s, QDateTime &dateTime);
bool StrToTimeValue(const QString &s, QTime &time);
QString DateToText(const QDate &date);                             // yyyy,mm,dd
QString DateTimeToText(const QDateTime &dateTime);                 // yyyy,mm,dd hh:nn:ss
QString DateTimeToTextWithMilliseconds(const QDateTime &dateTime); // yyyy-mm-dd hh:nn:ss.000
QString TimeToText(const QTime &time);                             // hh:nn:ss

// Lines joined with CR LF, trailing CR and LF removed.
QString StringsText(const QStringList &lines);
// Every line break as CR LF.
QString NormalizeLineBreaks(const QString &s);
void RemoveChar(QString &s, QChar c);
// The temporary folder; empty when it cannot be found.
QString TempFolder();
double TwipsToPoints(int twips);
int PointsToTwips(double points);

} // namespace RpeUtl
