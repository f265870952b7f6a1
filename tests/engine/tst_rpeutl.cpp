// The engine value conversions: values through the engine's value record,
// section names, field names in braces, the number tests and line breaks.
#include "engine/RpeUtl.h"

#include <QTest>

#include <cstring>

using namespace RpeUtl;

class TestRpeUtl : public QObject
{
    Q_OBJECT

private slots:
    void valueRoundTrip_data();
    void valueRoundTrip();
    void valueRejected_data();
    void valueRejected();
    void unsetDatesReadAsNow();
    void sectionNames_data();
    void sectionNames();
    void sectionNameRejected_data();
    void sectionNameRejected();
    void booleans_data();
    void booleans();
    void numberTexts_data();
    void numberTexts();
    void fieldNameInBraces_data();
    void fieldNameInBraces();
    void dateTexts();
    void normalizeLineBreaks_data();
    void normalizeLineBreaks();
    void smallHelpers();
    void drillValueTexts();
};

static RpeValueInfo record(int type)
{
    RpeValueInfo r{};
    r.StructSize = sizeof r;
    r.ValueType = uint16_t(type);
    return r;
}

void TestRpeUtl::valueRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("back");
    QTest::newRow("date") << RPE_VI_DATE << "2024,1,31"
                          << "2024,01,31";
    QTest::newRow("date, day ends at a blank") << RPE_VI_DATE << "2024,12,5 00:00:00"
                                               << "2024,12,05";
    QTest::newRow("date-time") << RPE_VI_DATETIME << "2024,2,29 13:05:09"
                               << "2024,02,29 13:05:09";
    QTest::newRow("time, fraction ignored") << RPE_VI_TIME << "7:30:15.250"
                                            << "07:30:15";
    QTest::newRow("boolean true") << RPE_VI_BOOLEAN << "True"
                                  << "True";
    QTest::newRow("boolean from yes") << RPE_VI_BOOLEAN << "yes"
                                      << "True";
    QTest::newRow("boolean false") << RPE_VI_BOOLEAN << "0"
                                   << "False";
    // Numbers come back with the system's decimal comma.
    QTest::newRow("number with decimal point") << RPE_VI_NUMBER << "1234.5"
                                               << "1234,5";
    QTest::newRow("number with decimal comma") << RPE_VI_NUMBER << "1234,5"
                                               << "1234,5";
    QTest::newRow("negative currency") << RPE_VI_CURRENCY << "-12.25"
                                       << "-12,25";
    QTest::newRow("fifteen significant digits") << RPE_VI_NUMBER << "0.1234567890123456"
                                                << "0,123456789012346";
    QTest::newRow("bracketed amount is negative") << RPE_VI_NUMBER << "(5)"
                                                  << "-5";
    QTest::newRow("bracketed currency is negative") << RPE_VI_CURRENCY << "($1250,5)"
                                                    << "-1250,5";
    QTest::newRow("bracketed integer is negative") << RPE_VI_INTEGER << "(12)"
                                                   << "-12";
    QTest::newRow("string") << RPE_VI_STRING << "Šifra 'A'"
                            << "Šifra 'A'";
    QTest::newRow("integer") << RPE_VI_INTEGER << "-32768"
                             << "-32768";
    QTest::newRow("long") << RPE_VI_LONG << "2000000000"
                          << "2000000000";
    QTest::newRow("colour") << RPE_VI_COLOR << "255"
                            << "255";
    // Not a number: the colour becomes -1 rather than failing.
    QTest::newRow("colour that is no number") << RPE_VI_COLOR << "red"
                                              << "4294967295";
    QTest::newRow("long that is no number") << RPE_VI_LONG << "abc"
                                            << "0";
    QTest::newRow("character") << RPE_VI_CHAR << "Xyz"
                               << "X";
}

void TestRpeUtl::valueRoundTrip()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, back);
    RpeValueInfo r = record(type);
    QVERIFY(StrToValueInfo(text, r));
    QCOMPARE(ValueInfoToStr(r), back);
    // The text it gives converts back to the same value.
    RpeValueInfo again = record(type);
    QVERIFY(StrToValueInfo(back, again));
    QCOMPARE(ValueInfoToStr(again), back);
}

void TestRpeUtl::valueRejected_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("date with hyphens") << RPE_VI_DATE << "2024-01-31";
    QTest::newRow("date with full stops") << RPE_VI_DATE << "31.1.2024";
    QTest::newRow("date year beyond 16 bits") << RPE_VI_DATE << "40000,1,1";
    QTest::newRow("date-time without time") << RPE_VI_DATETIME << "2024,1,31";
    QTest::newRow("time with letters") << RPE_VI_TIME << "ab:cd:ef";
    QTest::newRow("number with two decimal marks") << RPE_VI_NUMBER << "1.000,5";
    QTest::newRow("number with letters") << RPE_VI_NUMBER << "12a";
    QTest::newRow("integer beyond 16 bits") << RPE_VI_INTEGER << "40000";
    QTest::newRow("integer with decimals") << RPE_VI_INTEGER << "1.5";
    QTest::newRow("number with an open bracket") << RPE_VI_NUMBER << "(5";
    QTest::newRow("number with a bracket inside") << RPE_VI_NUMBER << "5(3)";
    QTest::newRow("empty boolean") << RPE_VI_BOOLEAN << "";
    QTest::newRow("empty character") << RPE_VI_CHAR << "";
    QTest::newRow("no value type") << RPE_VI_NOVALUE << "x";
}

void TestRpeUtl::valueRejected()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    RpeValueInfo r = record(type);
    QVERIFY(!StrToValueInfo(text, r));
}

void TestRpeUtl::unsetDatesReadAsNow()
{
    RpeValueInfo date = record(RPE_VI_DATE);
    QCOMPARE(ValueInfoToStr(date), DateToText(QDate::currentDate()));
    RpeValueInfo def = record(RPE_VI_STRING);
    DefaultValueInfo(def);
    QCOMPARE(ValueInfoToStr(def), QString::fromLatin1(DefaultStringValue));
    def.ValueType = RPE_VI_INTEGER;
    QCOMPARE(ValueInfoToStr(def), QStringLiteral("1"));
    def.ValueType = RPE_VI_CHAR;
    QCOMPARE(ValueInfoToStr(def), QStringLiteral("A"));
    // A long string is cut to what the record holds, not in the middle of a character.
    RpeValueInfo text = record(RPE_VI_STRING);
    QVERIFY(StrToValueInfo(QString(200, QChar(0x10D)), text));
    QCOMPARE(ValueInfoToStr(text), QString(127, QChar(0x10D)));
}

void TestRpeUtl::sectionNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("group header 2, section b") << "GH2b" << 3026 << "GH2b";
    QTest::newRow("details without letter") << "D" << 4000 << "Da";
    QTest::newRow("report header without letter") << "RH" << 1000 << "RHa";
    QTest::newRow("page footer b") << "PFb" << 7025 << "PFb";
    QTest::newRow("group footer without number") << "GF" << 5000 << "GF1a";
    QTest::newRow("details b") << "Db" << 4025 << "Db";
    QTest::newRow("two-letter section") << "RFan" << 8975 << "RFan";
    QTest::newRow("lower case") << "gh1c" << 3050 << "GH1c";
}

void TestRpeUtl::sectionNames()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QFETCH(QString, canonical);
    int16_t got = 0;
    QVERIFY(StrToSectionCode(name, got));
    QCOMPARE(int(got), code);
    QCOMPARE(SectionName(int16_t(code)), canonical);
    int16_t again = 0;
    QVERIFY(StrToSectionCode(canonical, again));
    QCOMPARE(int(again), code);
}

void TestRpeUtl::sectionNameRejected_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown area") << "XX";
    QTest::newRow("empty") << "  ";
    QTest::newRow("letters beyond an") << "RHao";
}

void TestRpeUtl::sectionNameRejected()
{
    QFETCH(QString, name);
    int16_t code = 0;
    QVERIFY(!StrToSectionCode(name, code));
}

void TestRpeUtl::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("T") << "T" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("True with blanks") << "  True" << true;
    QTest::newRow("no") << "no" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("0") << "0" << false;
}

void TestRpeUtl::booleans()
{
    QFETCH(QString, text);
    QFETCH(bool, value);
    QCOMPARE(StrToBoolean(text), value);
    QCOMPARE(StrToBoolean(BooleanToStr(value)), value);
    QCOMPARE(StrToBoolean(BooleanToStr(value, true)), value);
}

void TestRpeUtl::numberTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<bool>("floatText");
    QTest::newRow("digits") << "123" << true << true;
    QTest::newRow("currency in brackets") << "($12)" << true << true;
    QTest::newRow("signs only") << "$-()" << false << false;
    QTest::newRow("one decimal mark") << "1,5" << false << true;
    QTest::newRow("two decimal marks") << "1.000,5" << false << false;
    QTest::newRow("blank") << "  " << false << false;
}

void TestRpeUtl::numberTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(bool, floatText);
    QCOMPARE(IsNumeric(text), numeric);
    QCOMPARE(IsFloatText(text), floatText);
}

void TestRpeUtl::fieldNameInBraces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("expected");
    QTest::newRow("formula gets braces and @") << "Total"
                                               << "Formulas"
                                               << "{@Total}";
    QTest::newRow("formula already written so") << "{@Total}"
                                                << "formulas"
                                                << "{@Total}";
    QTest::newRow("parameter") << "Datum"
                               << "ParamFields"
                               << "{?Datum}";
    QTest::newRow("running total") << "{Vsota}"
                                   << "RunningTotals"
                                   << "{%Vsota}";
    QTest::newRow("SQL expression") << "Izraz"
                                    << "SQLExpressions"
                                    << "{#Izraz}";
    QTest::newRow("database field keeps its name") << " POG.IDPOG "
                                                   << "DatabaseFields"
                                                   << "{POG.IDPOG}";
}

void TestRpeUtl::fieldNameInBraces()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(QString, expected);
    QCOMPARE(FieldNameInBraces(name, family), expected);
}

void TestRpeUtl::dateTexts()
{
    QDate d;
    QVERIFY(StrToDateValue(QStringLiteral("2024,3,07"), d));
    QCOMPARE(d, QDate(2024, 3, 7));
    QVERIFY(!StrToDateValue(QStringLiteral("2024"), d));
    QDateTime dt;
    QVERIFY(StrToDateTimeValue(QStringLiteral("2024,3,7 08:09:10.5"), dt));
    QCOMPARE(dt, QDateTime(QDate(2024, 3, 7), QTime(8, 9, 10, 5)));
    QTime t;
    QVERIFY(StrToTimeValue(QStringLiteral("23:59:58"), t));
    QCOMPARE(t, QTime(23, 59, 58));
    QCOMPARE(DateTimeToText(QDateTime(QDate(2024, 3, 7), QTime(8, 9, 10))),
             QStringLiteral("2024,03,07 08:09:10"));
    QCOMPARE(DateTimeToTextWithMilliseconds(QDateTime(QDate(2024, 3, 7), QTime(8, 9, 10))),
             QStringLiteral("2024-03-07 08:09:10.000"));
    QCOMPARE(TimeToText(QTime(8, 0, 1)), QStringLiteral("08:00:01"));
}

void TestRpeUtl::normalizeLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb";
    QTest::newRow("CR LF stays") << "a\r\nb"
                                 << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("CR at the end") << "a\r"
                                   << "a\r\n";
    QTest::newRow("mixed") << "a\n\rb\r\n"
                           << "a\r\n\r\nb\r\n";
}

void TestRpeUtl::normalizeLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(NormalizeLineBreaks(text), expected);
}

void TestRpeUtl::smallHelpers()
{
    QCOMPARE(AddBackslash(QStringLiteral("C:")), QStringLiteral("C:"));
    QCOMPARE(AddBackslash(QStringLiteral(" /opt ")), QStringLiteral("/opt/"));
    QCOMPARE(AddBackslash(QStringLiteral("/opt/")), QStringLiteral("/opt/"));
    QString s = QStringLiteral("a,b,c");
    QCOMPARE(SplitToken(s, QStringLiteral(",")), QStringLiteral("a"));
    QCOMPARE(s, QStringLiteral("b,c"));
    s = QStringLiteral("abc");
    QCOMPARE(SplitToken(s, QStringLiteral(",")), QStringLiteral("abc"));
    QVERIFY(s.isEmpty());
    QCOMPARE(ErrorNumberOf(QStringLiteral("112:No ReportName assigned")), QStringLiteral("112"));
    QCOMPARE(ErrorTextOf(QStringLiteral("112:No ReportName assigned")),
             QStringLiteral("No ReportName assigned"));
    QVERIFY(IsQuotedText(QStringLiteral(" 'abc' ")));
    QVERIFY(!IsQuotedText(QStringLiteral("'")));
    QVERIFY(!IsQuotedText(QStringLiteral("'abc\"")));
    QCOMPARE(StringsText({QStringLiteral("a"), QStringLiteral("b"), QString()}), QStringLiteral("a\r\nb"));
    QCOMPARE(PointsToTwips(10.5), 210);
    QCOMPARE(TwipsToPoints(210), 10.5);
    QVERIFY(TempFolder().endsWith(QLatin1Char('/')));
}

void TestRpeUtl::drillValueTexts()
{
    RpeValueInfo number = record(RPE_VI_NUMBER);
    number.Number = 2.005e3;
    RpeValueInfo dateTime = record(RPE_VI_DATETIME);
    const int16_t parts[6] = {2026, 1, 5, 7, 3, 9};
    std::copy(parts, parts + 6, dateTime.DateTime);
    RpeValueInfo time = record(RPE_VI_TIME);
    time.Time[0] = 23;
    time.Time[1] = 59;
    time.Time[2] = 0;
    RpeValueInfo no = record(RPE_VI_BOOLEAN);
    RpeValueInfo character = record(RPE_VI_CHAR);
    character.Char = 'K';
    RpeValueInfo missing = record(RPE_VI_STRING);
    std::strcpy(missing.String, "skrito");
    missing.IsNull = 1;
    RpeValueInfo color = record(RPE_VI_COLOR);
    color.Color = 255;

    QCOMPARE(RpeUtl::DrillValueText(number), QStringLiteral("2005,00"));
    QCOMPARE(RpeUtl::DrillValueText(dateTime), QStringLiteral("2026,1,5 7:3:9"));
    QCOMPARE(RpeUtl::DrillValueText(time), QStringLiteral("23:59:0"));
    QCOMPARE(RpeUtl::DrillValueText(no), QStringLiteral("False"));
    QCOMPARE(RpeUtl::DrillValueText(character), QStringLiteral("K"));
    QCOMPARE(RpeUtl::DrillValueText(missing), QString());
    QCOMPARE(RpeUtl::DrillValueText(color), QStringLiteral("255"));
    QCOMPARE(RpeUtl::DrillValueText(record(RPE_VI_NOVALUE)), QString());
}

QTEST_MAIN(TestRpeUtl)
#include "tst_rpeutl.moc"
