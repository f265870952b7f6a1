#include "shell/Errors.h"
#include "shell/Formats.h"
#include "shell/SqlLiterals.h"
#include "shell/Utils.h"

#include <QTest>

class TestLiterals : public QObject
{
    Q_OBJECT
private slots:
    void dialectLiterals_data();
    void dialectLiterals();
    void unreadableDateText();
    void formulaLiterals();
    void dateMacros_data();
    void dateMacros();
    void floatToSqlIgnoresLocale();
    void quoting();
    void indexOfCode_data();
    void indexOfCode();
    void words();
    void numberFormats_data();
    void numberFormats();
    void dateTimeFormats();
};

void TestLiterals::dialectLiterals_data()
{
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("fromText");
    QTest::newRow("oracle") << "ORACLE"
                            << "TO_DATE('05/07/2004','mm/dd/yyyy')"
                            << "TO_DATE('05/07/2004 13:05:09','mm/dd/yyyy hh24:mi:ss')"
                            << "TO_DATE('05/07/2004','mm/dd/yyyy')";
    QTest::newRow("db2") << "DB2"
                         << "'05/07/2004'"
                         << "'2004-05-07-13.05.09.004'"
                         << "'05/07/2004'";
}

void TestLiterals::dialectLiterals()
{
    QFETCH(QString, dialect);
    QFETCH(QString, date);
    QFETCH(QString, dateTime);
    QFETCH(QString, fromText);
    QCOMPARE(SqlDate(QDate(2004, 5, 7), dialect), date);
    QCOMPARE(SqlDateTime(QDateTime(QDate(2004, 5, 7), QTime(13, 5, 9, 4)), dialect), dateTime);
    QCOMPARE(SqlDateFromText("7.5.2004", dialect), fromText);
}

void TestLiterals::unreadableDateText()
{
    QVERIFY_THROWS_EXCEPTION(EConvertError, SqlDateFromText("31.13.2004", "ORACLE"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, SqlDateFromText("jutri", "ORACLE"));
}

void TestLiterals::formulaLiterals()
{
    QCOMPARE(FormulaDate(QDate(2004, 5, 7)), QStringLiteral("Date(2004,05,07)"));
    QCOMPARE(LinesToFormula({}), QString());
    QCOMPARE(LinesToFormula({"a"}), QStringLiteral("'a'"));
    QCOMPARE(LinesToFormula({"a", "b"}), QStringLiteral("'a'+Chr(13)+'b'"));
}

void TestLiterals::dateMacros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mixed case, no leading zeros") << "x%yyyy%-%m%-%D%y"
                                                  << "x2004-5-7y";
    QTest::newRow("two digits") << "%YY%%MM%%DD%.pdf"
                                << "040507.pdf";
    QTest::newRow("no macro") << "plain"
                              << "plain";
}

void TestLiterals::dateMacros()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ExpandDateMacros(text, QDate(2004, 5, 7)), expected);
}

void TestLiterals::floatToSqlIgnoresLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    QCOMPARE(FloatToSql(1234.5), QStringLiteral("1234.5000"));
    QCOMPARE(FloatToSql(-0.00004), QStringLiteral("-0.0000"));
    QLocale::setDefault(saved);
}

void TestLiterals::quoting()
{
    QCOMPARE(DoubleQuotes("O'Brien \"x\""), QStringLiteral("O''Brien \"\"x\"\""));
    QCOMPARE(JoinQuoted({"a'", "b"}), QStringLiteral("a''b"));
    QCOMPARE(SqlEscape("d'Este \"x\""), QStringLiteral("d''Este \"x\""));
}

void TestLiterals::indexOfCode_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    QTest::newRow("item with a blank, padded code") << QStringList{"X y", "AB Something"} << " ab " << 1;
    QTest::newRow("plain item, plain code") << QStringList{"X", "AB"} << "ab" << 1;
    // An item without a blank is compared untrimmed.
    QTest::newRow("plain item, padded code") << QStringList{"X", "AB"} << " ab " << -1;
    QTest::newRow("missing") << QStringList{"X"} << "Y" << -1;
}

void TestLiterals::indexOfCode()
{
    QFETCH(QStringList, items);
    QFETCH(QString, code);
    QFETCH(int, index);
    QCOMPARE(IndexOfCode(items, code), index);
}

void TestLiterals::words()
{
    QCOMPARE(FirstWord("12 Kapitalska"), QStringLiteral("12"));
    QCOMPARE(AfterFirstWord("12 Kapitalska družba"), QStringLiteral("Kapitalska družba"));
    QCOMPARE(FirstWord("single"), QStringLiteral("single"));
    QCOMPARE(AfterFirstWord("single"), QString());
}

void TestLiterals::numberFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouping and two decimals") << "#,##0.00" << 1234567.891 << "1.234.567,89";
    QTest::newRow("negative") << "#,##0.00" << -1234.5 << "-1.234,50";
    QTest::newRow("optional decimals") << "0.##" << 2.5 << "2,5";
    QTest::newRow("leading zeros") << "000" << 7.0 << "007";
    QTest::newRow("literal suffix") << "#,##0.00 EUR" << 10.0 << "10,00 EUR";
    QTest::newRow("zero section") << "#,##0.00;-#,##0.00;'-'" << 0.0 << "-";
    QTest::newRow("no format") << "" << 1234.5 << "1234,5";
}

void TestLiterals::numberFormats()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Formats::formatFloat(format, value), text);
}

void TestLiterals::dateTimeFormats()
{
    const QDateTime t(QDate(2004, 5, 7), QTime(8, 3, 9));
    QCOMPARE(Formats::formatDateTime("dd.mm.yyyy hh:nn:ss", t), QStringLiteral("07.05.2004 08:03:09"));
    QCOMPARE(Formats::formatDateTime("d.m.yy h:mm", t), QStringLiteral("7.5.04 8:03"));
    QCOMPARE(Formats::shortDate(t.date()), QStringLiteral("7.5.2004"));
    QCOMPARE(Formats::readShortDate("07.05.2004"), QDate(2004, 5, 7));
    QVERIFY(!Formats::readShortDate("31.13.2004").isValid());
}

QTEST_GUILESS_MAIN(TestLiterals)
#include "tst_literals.moc"
