// The formula language on its own: values, operators, functions, Null
// logic, and syntax errors with their positions.
#include "printengine/Formula.h"
#include "printengine/FormulaParser.h"

#include <QTest>

namespace {

// A record of three fields, one formula and two parameters.
class FixedContext : public FormulaContext
{
public:
    FormulaValue fieldValue(const QString &name) override
    {
        if (name == QLatin1String("POG.ZNS"))
            return FormulaValue::number(1234.5);
        if (name == QLatin1String("POG.STPOG"))
            return FormulaValue::string(QStringLiteral("N-2019/012"));
        if (name == QLatin1String("POG.DAN"))
            return FormulaValue::date(QDate(2024, 1, 31));
        if (name == QLatin1String("POG.DANKNZ"))
            return {};
        throw EFormulaError(QStringLiteral("no field %1").arg(name));
    }
    FormulaValue formulaValue(const QString &name) override
    {
        if (name.compare(QLatin1String("dvojno"), Qt::CaseInsensitive) == 0)
            return FormulaValue::number(2 * fieldValue(QStringLiteral("POG.ZNS")).toNumber());
        throw EFormulaError(QStringLiteral("no formula %1").arg(name));
    }
    FormulaValue parameterValue(const QString &name) override
    {
        if (name == QLatin1String("Od"))
            return FormulaValue::date(QDate(2024, 1, 1));
        if (name == QLatin1String("Dejavnosti"))
            return FormulaValue::array(
                {FormulaValue::string(QStringLiteral("N")), FormulaValue::string(QStringLiteral("U"))});
        throw EFormulaError(QStringLiteral("no parameter %1").arg(name));
    }
    FormulaValue specialValue(const QString &name) override
    {
        return name == QLatin1String("pagenumber") ? FormulaValue::number(3) : FormulaValue();
    }
    FormulaValue summaryValue(const QString &op, const QString &field, const QString &groupField) override
    {
        // Answers with the request itself, so a row shows what reached the context.
        return FormulaValue::string(op + u' ' + field + u' ' + groupField);
    }
};

// Formula Fn is {@F(n+1)} + 1, up to a formula that is a number: a chain of
// formulas that use each other, evaluated as the report runner does.
class ChainContext : public FixedContext
{
public:
    explicit ChainContext(int length) : m_formulas(size_t(length)) {}
    FormulaValue formulaValue(const QString &name) override
    {
        const int n = name.mid(1).toInt();
        Formula &f = m_formulas.at(size_t(n));
        if (f.isEmpty()) {
            FormulaSyntaxError error;
            f = Formula::compile(n + 1 < int(m_formulas.size()) ? QStringLiteral("{@F%1} + 1").arg(n + 1)
                                                                : QStringLiteral("0"),
                                 &error);
        }
        return f.evaluate(*this);
    }

private:
    std::vector<Formula> m_formulas;
};

// n copies of a text.
QString times(int n, const QString &text)
{
    return text.repeated(n);
}

} // namespace

class TestFormula : public QObject
{
    Q_OBJECT

private slots:
    void evaluates_data();
    void evaluates();
    void syntaxErrors_data();
    void syntaxErrors();
    void runtimeErrors_data();
    void runtimeErrors();
    void chainsOfFormulasStopAtTheDepthLimit();
};

void TestFormula::evaluates_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected"); // the value's engine text; "<null>" for Null

    QTest::newRow("precedence of * over +") << "1 + 2 * 3"
                                            << "7";
    QTest::newRow("mod and unary minus") << "-7 mod 3"
                                         << "-1";
    QTest::newRow("string concatenation, both quotes") << "'a' + \"b\" + 'c''d'"
                                                       << "abc'd";
    QTest::newRow("Chr joins lines") << "'a' + Chr(13) + 'b'"
                                     << "a\rb";
    QTest::newRow("field, formula and parameter")
        << "{@DVOJNO} - {POG.ZNS} = {POG.ZNS} and {POG.DAN} >= {?Od}"
        << "True";
    QTest::newRow("date literal compares with a date field") << "{POG.DAN} = Date(2024,01,31)"
                                                             << "True";
    QTest::newRow("date plus days") << "{POG.DAN} + 1"
                                    << "2024,02,01";
    QTest::newRow("days between dates") << "Date(2024,3,1) - {POG.DAN}"
                                        << "30";
    QTest::newRow("DateTime parts") << "DateTime(2024,2,29,13,5,0)"
                                    << "2024,02,29 13:05:00";
    QTest::newRow("in a list") << "'N' in ['U', 'N']"
                               << "True";
    QTest::newRow("in a parameter's values") << "'X' in {?Dejavnosti}"
                                             << "False";
    QTest::newRow("in a range, bounds included") << "5 in 1 to 5"
                                                 << "True";
    QTest::newRow("list holding a range") << "7 in [1 to 3, 7]"
                                          << "True";
    QTest::newRow("if-then-else") << "if {POG.ZNS} > 1000 then 'velik' else 'majhen'"
                                  << "velik";
    QTest::newRow("if without else gives the empty kind") << "'x' + (if false then 'y')"
                                                          << "x";
    QTest::newRow("not binds tighter than and") << "not false and true"
                                                << "True";
    // Null is unknown: neither the comparison nor its negation is true.
    QTest::newRow("comparison with Null is unknown") << "{POG.DANKNZ} > Date(2020,1,1)"
                                                     << "<null>";
    QTest::newRow("not of unknown stays unknown") << "not ({POG.DANKNZ} > Date(2020,1,1))"
                                                  << "<null>";
    QTest::newRow("false and unknown is false") << "false and {POG.DANKNZ} = {POG.DAN}"
                                                << "False";
    QTest::newRow("true or unknown is true") << "true or {POG.DANKNZ} = {POG.DAN}"
                                             << "True";
    QTest::newRow("IsNull of a missing date") << "IsNull({POG.DANKNZ})"
                                              << "True";
    QTest::newRow("ToText of a number, default") << "ToText(1234567.891)"
                                                 << "1.234.567,89";
    QTest::newRow("ToText with decimals and separators") << "ToText(-0.004, 2)"
                                                         << "0,00";
    QTest::newRow("ToText with a number format") << "ToText({POG.ZNS}, '#,##0.0')"
                                                 << "1.234,5";
    QTest::newRow("ToText of a date with a format") << "ToText({POG.DAN}, 'dd.MM.yyyy')"
                                                    << "31.01.2024";
    QTest::newRow("string functions")
        << "UpperCase(Left(Trim('  abc  '), 2)) + LowerCase(Right('XYZ', 1)) + Mid('abcdef', 3, 2)"
        << "ABzcd";
    QTest::newRow("Len, InStr, Replace") << "ToText(Len('abc') + InStr('abcabc', 'c') + InStr(4, 'abcabc', "
                                            "'c'), 0) + Replace('a-b-c', '-', '/')"
                                         << "12a/b/c";
    QTest::newRow("Round half away from zero") << "Round(-2.5) + Round(2.345, 2)"
                                               << "-0.65";
    QTest::newRow("Truncate and Abs") << "Truncate(2.789, 1) + Abs(-1)"
                                      << "3.7";
    QTest::newRow("Year, Month, Day") << "Year({POG.DAN}) * 10000 + Month({POG.DAN}) * 100 + Day({POG.DAN})"
                                      << "20240131";
    QTest::newRow("DateAdd months clamps the day") << "DateAdd('m', 1, {POG.DAN})"
                                                   << "2024,02,29";
    QTest::newRow("IIF picks a branch") << "IIF({POG.STPOG} = 'N-2019/012', 1, 2)"
                                        << "1";
    QTest::newRow("keywords and names ignore case") << "IF TRUE THEN uppercase('a') ELSE 'b'"
                                                    << "A";
    QTest::newRow("special field") << "PageNumber + 1"
                                   << "4";
    QTest::newRow("summary over a group") << "Sum({POG.ZNS}, {POG.SFDJV})"
                                          << "sum POG.ZNS POG.SFDJV";
    QTest::newRow("summary of a formula over the report") << "Maximum({@Dvojno})"
                                                          << "maximum @Dvojno ";
    QTest::newRow("comment to the end of the line") << "1 // one\n+ 1"
                                                    << "2";
    QTest::newRow("256 nested signs, the deepest allowed") << times(256, "-") + "1"
                                                           << "1";
    QTest::newRow("a chain of 256 additions") << "1" + times(256, "+1") << "257";
    QTest::newRow("number with a decimal point and many digits") << "1000.5 + 0.25"
                                                                 << "1000.75";
    QTest::newRow("negative length gives an empty text") << "'<' + Left('abc', -1) + '>'"
                                                         << "<>";
    QTest::newRow("rounding a number too large for the decimals")
        << "Round(" + times(300, "9") + ", 15) = " + times(300, "9") << "True";
}

void TestFormula::evaluates()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    FormulaSyntaxError error;
    const Formula f = Formula::compile(formula, &error);
    QVERIFY2(!error.isError(), qPrintable(error.text()));
    FixedContext ctx;
    const FormulaValue v = f.evaluate(ctx);
    QCOMPARE(v.isNull() ? QStringLiteral("<null>") : v.toEngineText(), expected);
}

void TestFormula::syntaxErrors_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing closing parenthesis")
        << "(1 + 2"
        << "Formula syntax error at position 7: expected ')', found the end of the formula";
    QTest::newRow("operator without right side")
        << "{POG.ZNS} >"
        << "Formula syntax error at position 12: expected a value, found the end of the formula";
    QTest::newRow("then missing") << "if 1 = 1 'a'"
                                  << "Formula syntax error at position 10: expected 'then', found a string";
    QTest::newRow("unclosed string")
        << "'abc"
        << "Formula syntax error at position 1: string literal is not closed; expected '";
    QTest::newRow("unclosed field")
        << "{POG.ZNS + 1"
        << "Formula syntax error at position 1: field name is not closed; expected '}'";
    QTest::newRow("field without table") << "{ZNS} > 1"
                                         << "Formula syntax error at position 1: expected a field written as "
                                            "{TABLE.FIELD}, {@formula} or {?parameter}, found {ZNS}";
    QTest::newRow("unknown function") << "Foo(1)"
                                      << "Formula syntax error at position 1: unknown function or name 'Foo'";
    QTest::newRow("wrong number of arguments")
        << "Left('abc')"
        << "Formula syntax error at position 11: Left takes 2 argument(s), found 1";
    QTest::newRow("summary of a value")
        << "Sum(1)"
        << "Formula syntax error at position 5: Sum needs a field or formula to summarise";
    QTest::newRow("summary over a non-field")
        << "Count({POG.ZNS}, 'x')"
        << "Formula syntax error at position 18: Count needs a group field as its second argument";
    QTest::newRow("stray character") << "1 # 2"
                                     << "Formula syntax error at position 3: unexpected character '#'";
    QTest::newRow("list not closed")
        << "1 in [1, 2"
        << "Formula syntax error at position 11: expected ',' or ']', found the end of the formula";
    // The 257th level is refused where it begins.
    QTest::newRow("parentheses nested too deep")
        << times(300, "(") + "1" + times(300, ")")
        << "Formula syntax error at position 257: the formula is nested more than 256 levels deep";
    QTest::newRow("minus chain of a number list")
        << "{POG.ZNS} in [" + times(10000, "-") + "1]"
        << "Formula syntax error at position 270: the formula is nested more than 256 levels deep";
    QTest::newRow("not chain")
        << times(10000, "not ") + "true"
        << "Formula syntax error at position 1025: the formula is nested more than 256 "
           "levels deep";
    QTest::newRow("lists in lists")
        << times(10000, "[") + "1" + times(10000, "]")
        << "Formula syntax error at position 257: the formula is nested more than "
           "256 levels deep";
    QTest::newRow("calls in calls")
        << times(300, "Abs(") + "1" + times(300, ")")
        << "Formula syntax error at position 1025: the formula is nested more than "
           "256 levels deep";
    // Read in a loop, but 10 000 levels deep as a tree: refused at the 257th '+'.
    QTest::newRow("10 000 additions")
        << "1" + times(10000, "+1")
        << "Formula syntax error at position 514: the formula is nested more than "
           "256 levels deep";
    QTest::newRow("SQL in a field name")
        << "{REPORT_SQL.KRT} in ['zz'] or {REPORT_SQL.INTID FROM REPORT_SQL UNION SELECT USR FROM USR --} in "
           "[77]"
        << "Formula syntax error at position 31: expected a field written as {TABLE.FIELD}, {@formula} or "
           "{?parameter}, found {REPORT_SQL.INTID FROM REPORT_SQL UNION SELECT USR FROM USR --}";
    QTest::newRow("field name with an empty part")
        << "1 + {POG..ZNS}"
        << "Formula syntax error at position 5: expected a field written as {TABLE.FIELD}, {@formula} or "
           "{?parameter}, found {POG..ZNS}";
    QTest::newRow("number beyond any double")
        << "1 + 1" + times(400, "0")
        << "Formula syntax error at position 5: number 1" + times(400, "0") + " is too large";
    QTest::newRow("two values in a row") << "1 2"
                                         << "Formula syntax error at position 3: expected an operator or the "
                                            "end of the formula, found number 2";
}

void TestFormula::syntaxErrors()
{
    QFETCH(QString, formula);
    QFETCH(QString, message);
    FormulaSyntaxError error;
    const Formula f = Formula::compile(formula, &error);
    QVERIFY(error.isError());
    QCOMPARE(error.text(), message);
}

void TestFormula::runtimeErrors_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("message");

    QTest::newRow("division by zero") << "1 / (2 - 2)"
                                      << "Formula error at position 3: division by zero";
    QTest::newRow("number plus string")
        << "1 + 'a'"
        << "Formula error at position 3: '+' cannot combine a number with a string";
    QTest::newRow("comparing a date with a number")
        << "{POG.DAN} > 5"
        << "Formula error at position 11: cannot compare a date with a number";
    QTest::newRow("invalid date") << "Date(2024, 2, 30)"
                                  << "Formula error at position 1: Date(2024,2,30) is not a valid date";
    // Integers out of range were undefined behaviour before they were checked.
    const QString e20 = QStringLiteral("100000000000000000000");
    QTest::newRow("Left of 1E20 characters") << "Left('abc', " + e20 + ")"
                                             << "Formula error at position 1: Left length must lie between "
                                                "-2147483648 and 2147483647, found 1e+20";
    QTest::newRow("Round to 1E20 decimals")
        << "Round(1.5, " + e20 + ")"
        << "Formula error at position 1: Round decimals must lie between -15 and 15, found 1e+20";
    QTest::newRow("DateAdd of 2^32 years")
        << "DateAdd('yyyy', 4294967296, {POG.DAN})"
        << "Formula error at position 1: DateAdd count must lie between -9999 and 9999, found 4294967296";
    QTest::newRow("DateAdd beyond the year 9999")
        << "DateAdd('m', 12 * 8000, {POG.DAN})"
        << "Formula error at position 1: the result lies outside the years 1 to 9999";
    QTest::newRow("Chr beyond a character") << "Chr(65601)"
                                            << "Formula error at position 1: Chr code must lie between 0 and "
                                               "65535, found 65601";
    QTest::newRow("Date of a year beyond int")
        << "Date(209999999999920, 1, 1)"
        << "Formula error at position 1: Date year must lie between 1 and 9999, found 209999999999920";
    QTest::newRow("DateTime hour 24")
        << "DateTime(2024, 1, 1, 24, 0, 0)"
        << "Formula error at position 1: DateTime hour must lie between 0 and 23, found 24";
    QTest::newRow("date plus 1E20 days")
        << "{POG.DAN} + " + e20
        << "Formula error at position 11: Days added to a date must lie between -3652059 and 3652059, found "
           "1e+20";
    const QString e200 = "1" + times(200, "0");
    QTest::newRow("an infinite start") << "Mid('abc', " + e200 + " * " + e200 + ")"
                                       << "Formula error at position 1: Mid start must lie between 1 and "
                                          "2147483647, found inf";
    QTest::newRow("ToText with 1E20 decimals")
        << "ToText(1, " + e20 + ")"
        << "Formula error at position 1: ToText decimals must lie between 0 and 15, found 1e+20";
}

void TestFormula::runtimeErrors()
{
    QFETCH(QString, formula);
    QFETCH(QString, message);
    FormulaSyntaxError error;
    const Formula f = Formula::compile(formula, &error);
    QVERIFY(!error.isError());
    FixedContext ctx;
    try {
        f.evaluate(ctx);
        QFAIL("no error");
    } catch (const EFormulaError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestFormula::chainsOfFormulasStopAtTheDepthLimit()
{
    // Each formula is shallow; together they would exhaust the stack. The
    // limit is met at the '+' of a formula of the chain with a three-digit
    // number ("{@F512} + 1").
    ChainContext deep(5000);
    try {
        deep.formulaValue(QStringLiteral("F0"));
        QFAIL("no error");
    } catch (const EFormulaError &e) {
        QCOMPARE(e.message(), QStringLiteral("Formula error at position 9: formulas using other formulas are "
                                             "nested more than 1024 levels deep"));
    }
    // Below the limit the chain is evaluated, and the depth was given back.
    ChainContext shallow(500);
    QCOMPARE(shallow.formulaValue(QStringLiteral("F0")).toNumber(), 499.0);
}

QTEST_GUILESS_MAIN(TestFormula)
#include "tst_formula.moc"
