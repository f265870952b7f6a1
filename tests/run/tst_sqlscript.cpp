#include "run/DpkCheckDigits.h"
#include "run/SqlScript.h"
#include "run/ValueLexer.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {
const QString computer = QStringLiteral("TEST-PC");

SqlScriptInputs demoInputs()
{
    SqlScriptInputs in;
    in.rpeDriver = QStringLiteral("ORACLE");
    in.computerName = computer;
    in.parameters = {
        {QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}},
        {QStringLiteral(" {?DAN} "), QStringLiteral("D"), QStringLiteral("01.11.2026"), {}},
        {QStringLiteral("{?MST}"), QStringLiteral("S"), QStringLiteral("Ljubljana"), {}},
        {QStringLiteral("{?NAZIV}"), QString(), QStringLiteral("O'Brien {@NVL} d.o.o."), {}},
        {QStringLiteral("{?SFOSB}"), QStringLiteral("T"), QString(), {}},
        {QStringLiteral("{?LETO}"), QStringLiteral("N"), QStringLiteral("2026"), {}},
        {QStringLiteral("{?IDS}"), QStringLiteral("N"), QStringLiteral("10, 12,13"), {}},
        {QStringLiteral("{?KONTO}"), QStringLiteral("K"), QStringLiteral("7600-01"), {}},
        {QStringLiteral("{?BAD}"), QStringLiteral("N"), QStringLiteral("1 OR 1=1"), {}},
        {QStringLiteral("{?BADKONTO}"), QStringLiteral("K"), QStringLiteral("76--"), {}},
        {QStringLiteral("{?PK}"), QStringLiteral("K"), QStringLiteral("KONTO"), {}, QStringLiteral("Konto")},
        {QStringLiteral("{?VALUTE}"), QStringLiteral("K"), QStringLiteral("'EUR', 'USD'"), {}, {}, true},
        {QStringLiteral("{?NAZIVI}"), QStringLiteral("S"), QStringLiteral("'O''Brien','X'"), {}, {}, true},
        {QStringLiteral("{?VRINJENO}"),
         QStringLiteral("K"),
         QStringLiteral("'EUR') OR (1=1"),
         {},
         QStringLiteral("Valute"),
         true},
        {QStringLiteral("{?STOLPEC}"),
         QStringLiteral("N"),
         QStringLiteral("INTID"),
         {},
         QStringLiteral("Številka")},
        {QStringLiteral("{?ZNESEK}"), QStringLiteral("N"), QStringLiteral("1000.5"), {}},
        {QStringLiteral("{?PRAZEN}"), QStringLiteral("D"), QString(), {}, QStringLiteral("Datum od")},
        {QStringLiteral("{?NAPACEN}"),
         QStringLiteral("D"),
         QStringLiteral("31.02.2020"),
         {},
         QStringLiteral("Datum do")},
    };
    return in;
}

QStringList panelTexts(const QSignalSpy &spy, int panel)
{
    QStringList texts;
    for (const QList<QVariant> &args : spy)
        if (args.at(0).toInt() == panel)
            texts << args.at(1).toString();
    return texts;
}
} // namespace

class TestSqlScript : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void checkDigits_data();
    void checkDigits();
    void substitution_data();
    void substitution();
    void reportDate();
    void runScript();
    void statementBoundaries_data();
    void statementBoundaries();
    void badValuesFailOnlyTheirStatement();
    void literalLists_data();
    void literalLists();
    void toDateNamesTheValue_data();
    void toDateNamesTheValue();
    void internalFunction();
    void internalFunctionErrors_data();
    void internalFunctionErrors();

private:
    QString script() const { return m_folder->file(QStringLiteral("Report/test_prip.sql")); }
    QString run(SqlScript &sqlScript, const QString &text)
    {
        m_folder->writeFile(QStringLiteral("Report/test_prip.sql"), text);
        return sqlScript.RunSqlScript(script());
    }
    QStringList values(const QString &sql)
    {
        QSqlQuery q = m_folder->openDatabase().execute(sql);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestSqlScript::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->openDatabase();
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Report")));
}

void TestSqlScript::init()
{
    m_folder->openDatabase().execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    for (const QString &suffix : {QStringLiteral(".txt"), QStringLiteral(".log")})
        QFile::remove(script() + suffix);
    DialogHook::clearShown();
}

void TestSqlScript::checkDigits_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    // 9002 1234567 weighted 3,7,1,... sums to 151: 10 - 1 = 9; 1234567 9 from the right
    // weighted 2..7,2,3 sums to 140, 140 mod 11 = 8: 11 - 8 = 3.
    QTest::newRow("seven digits") << "1234567"
                                  << "93";
    // Only "123" counts, padded to 0000123: sums 61 and 40.
    QTest::newRow("part before a slash, padded") << "123/45"
                                                 << "94";
    QTest::newRow("empty value") << ""
                                 << "  ";
    QTest::newRow("blank value") << "   "
                                 << "  ";
    QTest::newRow("five zeros") << "00000"
                                << "  ";
    QTest::newRow("letter is a conversion error") << "12A4567"
                                                  << "'A' ni veljavno celo število.";
}

void TestSqlScript::checkDigits()
{
    QFETCH(QString, control);
    QFETCH(QString, expected);
    try {
        QCOMPARE(DpkCheckDigits(control), expected);
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), expected);
    }
}

void TestSqlScript::substitution_data()
{
    QTest::addColumn<QString>("kind"); // parameters, optional or macros
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QString>("reportDate");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected"); // or the error message

    const QString p = QStringLiteral("parameters");
    const QString o = QStringLiteral("optional");
    const QString m = QStringLiteral("macros");
    const QString ora = QStringLiteral("ORACLE");
    QTest::newRow("text quoted, apostrophe doubled, empty type is text") << p << ora << ora << ""
                                                                         << "NZV = {?NAZIV}"
                                                                         << "NZV = 'O''Brien {@NVL} d.o.o.'";
    QTest::newRow("date in TO_DATE under an ORACLE driver, placeholder in any case")
        << p << ora << ora << ""
        << "DAN <= {?dan}"
        << "DAN <= TO_DATE('01.11.2026','dd.mm.yyyy')";
    QTest::newRow("date only quoted under another driver") << p << "DB2"
                                                           << "DB2"
                                                           << ""
                                                           << "DAN <= {?DAN}"
                                                           << "DAN <= '01.11.2026'";
    QTest::newRow("numbers bare and codes quoted, every occurrence") << p << ora << ora << ""
                                                                     << "{?LETO} + {?Leto}, {?KONTO}"
                                                                     << "2026 + 2026, '7600-01'";
    QTest::newRow("number with decimals bare") << p << ora << ora << ""
                                               << "ZNS > {?ZNESEK}"
                                               << "ZNS > 1000.5";
    QTest::newRow("number list of the in-list operator") << p << ora << ora << ""
                                                         << "IN ({?IDS})"
                                                         << "IN (10, 12,13)";
    // The word would otherwise name the column and compare it with itself.
    QTest::newRow("code that is a column name stays a text") << p << ora << ora << ""
                                                             << "KONTO = {?PK}"
                                                             << "KONTO = 'KONTO'";
    QTest::newRow("code list of the in-list operator") << p << ora << ora << ""
                                                       << "SFVLT IN ({?VALUTE})"
                                                       << "SFVLT IN ('EUR', 'USD')";
    QTest::newRow("text list with a doubled apostrophe") << p << ora << ora << ""
                                                         << "NZV IN ({?NAZIVI})"
                                                         << "NZV IN ('O''Brien','X')";
    QTest::newRow("list that closes its bracket") << p << ora << ora << ""
                                                  << "SFVLT IN ({?VRINJENO})"
                                                  << "Neveljavna vrednost parametra »Valute«: 'EUR') OR (1=1";
    QTest::newRow("number that is a column name") << p << ora << ora << ""
                                                  << "INTID = {?STOLPEC}"
                                                  << "Neveljavna vrednost parametra »Številka«: INTID";
    QTest::newRow("empty number in a plain line") << p << ora << ora << ""
                                                  << "SFOSB = {?SFOSB}"
                                                  << "Parameter {?SFOSB} nima vrednosti.";
    QTest::newRow("empty date in a plain line") << p << ora << ora << ""
                                                << "DAN >= {?PRAZEN}"
                                                << "Parameter »Datum od« nima datuma.";
    QTest::newRow("impossible date") << p << ora << ora << ""
                                     << "DAN <= {?NAPACEN}"
                                     << "»31.02.2020« v parametru »Datum do« ni veljaven datum.";
    QTest::newRow("unclosed placeholder left as written") << p << ora << ora << ""
                                                          << "X = {?LETO"
                                                          << "X = {?LETO";
    QTest::newRow("unknown placeholder") << p << ora << ora << ""
                                         << "X = {?NOPE}"
                                         << "Parameter {?NOPE} ne obstaja.";
    QTest::newRow("number carrying SQL") << p << ora << ora << ""
                                         << "X = {?BAD}"
                                         << "Neveljavna vrednost parametra {?BAD}: 1 OR 1=1";
    QTest::newRow("code carrying a comment start stays inside its quotes") << p << ora << ora << ""
                                                                           << "X = {?BADKONTO}"
                                                                           << "X = '76--'";

    QTest::newRow("optional line with an empty value disappears") << o << ora << ora << ""
                                                                  << "?AND SFOSB = {?SFOSB}"
                                                                  << "";
    QTest::newRow("optional line with a number keeps it bare") << o << ora << ora << ""
                                                               << "?AND INTID = {?LETO}"
                                                               << "AND INTID = 2026";
    QTest::newRow("optional line with an unknown placeholder disappears") << o << ora << ora << ""
                                                                          << "?AND X = {?NOPE}"
                                                                          << "";
    QTest::newRow("optional line with an empty date disappears") << o << ora << ora << ""
                                                                 << "?AND DAN >= {?PRAZEN}"
                                                                 << "";
    QTest::newRow("one empty value of two drops the line") << o << ora << ora << ""
                                                           << "?A = {?LETO} AND B = {?SFOSB}"
                                                           << "";

    QTest::newRow("NVL under ORACLE") << m << ora << ora << ""
                                      << "{@NVL}(A,0)"
                                      << "NVL(A,0)";
    QTest::newRow("NVL under DB2 is COALESCE") << m << ora << "DB2"
                                               << ""
                                               << "{@nvl}(A,0)"
                                               << "COALESCE(A,0)";
    QTest::newRow("TCJ in the euro period divides") << m << ora << ora << "01.11.2026"
                                                    << "ZNS {@TCJ} X"
                                                    << "ZNS / X";
    QTest::newRow("TCJ before the euro multiplies") << m << ora << ora << "31.12.2006"
                                                    << "ZNS {@TCJ} X"
                                                    << "ZNS * X";
    QTest::newRow("DMCSFVP in the euro period from EUROOBD") << m << ora << ora << "01.11.2026"
                                                             << "{@DMCSFVP}"
                                                             << "2";
    QTest::newRow("DMCSFVP before the euro") << m << ora << ora << "31.12.2006"
                                             << "{@DMCSFVP}"
                                             << "1";
    QTest::newRow("other macro gives its name") << m << ora << ora << ""
                                                << "{@REPORT_SQL}.X"
                                                << "REPORT_SQL.X";
    QTest::newRow("unclosed macro left as written") << m << ora << ora << ""
                                                    << "A {@NVL"
                                                    << "A {@NVL";
}

void TestSqlScript::substitution()
{
    QFETCH(QString, kind);
    QFETCH(QString, driver);
    QFETCH(QString, dialect);
    QFETCH(QString, reportDate);
    QFETCH(QString, line);
    QFETCH(QString, expected);

    SqlScriptInputs inputs = demoInputs();
    inputs.rpeDriver = driver;
    inputs.dialect = dialect;
    inputs.reportDate = reportDate;
    SqlScript sqlScript(inputs);
    QString result;
    try {
        if (kind == QLatin1String("parameters"))
            result = sqlScript.SubstituteSqlParameters(line);
        else if (kind == QLatin1String("optional"))
            result = sqlScript.SubstituteOptionalLine(line);
        else
            result = sqlScript.SubstituteSqlMacros(line);
    } catch (const EError &e) {
        result = e.message();
    }
    QCOMPARE(result, expected);
}

void TestSqlScript::reportDate()
{
    // The first date placeholder sets an empty report date, from the to-value of a range.
    SqlScriptInputs inputs = demoInputs();
    inputs.parameters[1].secondValue = QStringLiteral("31.10.2026");
    SqlScript ranged(inputs);
    ranged.SubstituteSqlParameters(QStringLiteral("{?LETO} {?DAN}"));
    QCOMPARE(ranged.reportDate(), QStringLiteral("31.10.2026"));

    // A macro that needs the date before any placeholder set it takes the fallback and keeps it.
    inputs.fallbackReportDate = QStringLiteral("31.12.2006");
    SqlScript fallback(inputs);
    QCOMPARE(fallback.SubstituteSqlMacros(QStringLiteral("{@TCJ}")), QStringLiteral("*"));
    QCOMPARE(fallback.reportDate(), QStringLiteral("31.12.2006"));
    fallback.SubstituteSqlParameters(QStringLiteral("{?DAN}"));
    QCOMPARE(fallback.reportDate(), QStringLiteral("31.12.2006"));
}

void TestSqlScript::runScript()
{
    SqlScript sqlScript(demoInputs());
    QSignalSpy shown(&sqlScript, &SqlScript::statusShown);
    QSignalSpy texts(&sqlScript, &SqlScript::statusText);
    const QString result = run(
        sqlScript,
        QStringLiteral("-- rows of {?COMPUTER}\n"
                       "DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n"
                       "  INSERT INTO REPORT_SQL (COMPUTER, INTID, TXT1, DAN)\n"
                       "  SELECT {?COMPUTER}, SFOSB, NZV, {?DAN} FROM OSB\n"
                       "\n"
                       "  WHERE MST = {?MST}\n"
                       "?  AND SFOSB = {?SFOSB}\n"
                       ";\n"
                       "INSERT INTO REPORT_SQL (COMPUTER, INTID, TXT1) VALUES ({?COMPUTER}, 999, {?NAZIV});\n"
                       "INSERT INTO NO_SUCH_TABLE VALUES (1);\n"
                       "UPDATE REPORT_SQL SET NUM1 = {@NVL}(NUM1, 0) + 1 WHERE COMPUTER = {?COMPUTER};\n"
                       "select * from REPORT_SQL where COMPUTER = {?COMPUTER}\n"));

    QCOMPARE(result, QStringLiteral("select * from REPORT_SQL where COMPUTER = 'TEST-PC'"));
    const QStringList ljubljana =
        values(QStringLiteral("SELECT SFOSB FROM OSB WHERE MST = 'Ljubljana' ORDER BY SFOSB"));
    QVERIFY(ljubljana.size() > 1);
    QCOMPARE(values(QStringLiteral("SELECT INTID FROM REPORT_SQL WHERE INTID <> 999 ORDER BY INTID")),
             ljubljana);
    QCOMPARE(values(QStringLiteral("SELECT DISTINCT DAN FROM REPORT_SQL WHERE INTID <> 999")),
             QStringList{QStringLiteral("2026-11-01")});
    // A value is never searched for macros.
    QCOMPARE(values(QStringLiteral("SELECT TXT1 FROM REPORT_SQL WHERE INTID = 999")),
             QStringList{QStringLiteral("O'Brien {@NVL} d.o.o.")});
    // The statement after the failing one still ran.
    QCOMPARE(values(QStringLiteral("SELECT DISTINCT NUM1 FROM REPORT_SQL")),
             QStringList{QStringLiteral("1")});
    QCOMPARE(sqlScript.reportDate(), QStringLiteral("01.11.2026"));

    QVERIFY(sqlScript.failed());
    QVERIFY(
        sqlScript.errorText().startsWith(QLatin1String("Stavek 4 (INSERT INTO NO_SUCH_TABLE VALUES (1)): ")));
    QVERIFY(sqlScript.errorText().endsWith(QLatin1String("\r\r")));
    QCOMPARE(sqlScript.errorText().count(QLatin1String("\r\r")), 1);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().at(0).caption, QStringLiteral("Napaka"));
    QCOMPARE(DialogHook::shown().at(0).text, sqlScript.errorText());

    const QStringList errorLog =
        m_folder->readFile(QStringLiteral("Report/test_prip.sql.log")).split(QLatin1Char('\n'));
    QCOMPARE(errorLog.size(), 4);
    QCOMPARE(errorLog.at(0), QStringLiteral("INSERT INTO NO_SUCH_TABLE VALUES (1)"));
    QCOMPARE(QStringLiteral("Stavek 4 (INSERT INTO NO_SUCH_TABLE VALUES (1)): ") + errorLog.at(1) +
                 QStringLiteral("\r\r"),
             sqlScript.errorText());
    QCOMPARE(errorLog.at(2), QString());

    // The run log: each statement's lines, then its duration; no failed statement.
    const QStringList runLog =
        m_folder->readFile(QStringLiteral("Report/test_prip.sql.txt")).split(QLatin1Char('\n'));
    QCOMPARE(runLog.mid(0, 6),
             (QStringList{QStringLiteral("DELETE FROM REPORT_SQL WHERE COMPUTER = 'TEST-PC'"),
                          QStringLiteral("00:00:00"),
                          QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, TXT1, DAN)"),
                          QStringLiteral("SELECT 'TEST-PC', SFOSB, NZV, "
                                         "TO_DATE('01.11.2026','dd.mm.yyyy') FROM OSB"),
                          QStringLiteral("WHERE MST = 'Ljubljana'"), QStringLiteral("00:00:00")}));
    QVERIFY(!runLog.join(QLatin1Char('\n')).contains(QLatin1String("NO_SUCH_TABLE")));
    QCOMPARE(runLog.size(), 13); // five statements with their times, and the final line break
    QCOMPARE(m_folder->readFile(QStringLiteral("Log/Knjiga.Sql")), result + QLatin1Char('\n'));

    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).at(0).toBool(), true);
    QCOMPARE(shown.at(1).at(0).toBool(), false);
    QCOMPARE(panelTexts(texts, 0), (QStringList{QStringLiteral("Pripravljam podatke..."), QString()}));
    QCOMPARE(panelTexts(texts, 3), (QStringList{"0/0", "0/5", "1/5", "2/5", "3/5", "4/5", "5/5", ""}));
    QCOMPARE(panelTexts(texts, 2), (QStringList{"0 %", "20 %", "40 %", "60 %", "80 %", "100 %", ""}));
}

void TestSqlScript::statementBoundaries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("progress"); // the last executed/count shown

    const QString insert = QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID)\n");
    QTest::newRow("no semicolon: the whole text at the end, count 0")
        << insert + "VALUES ('TEST-PC', 1)" << QStringList{"1"} << "1/0";
    QTest::newRow("comment lines after the last statement") << insert + "VALUES ('TEST-PC', 1)\n-- konec\n\n"
                                                            << QStringList{"1"} << "1/0";
    QTest::newRow("a lone semicolon ends the statement")
        << insert + "VALUES ('TEST-PC', 1)\n;\n" + insert + "VALUES ('TEST-PC', 2);" << QStringList{"1", "2"}
        << "2/2";
    QTest::newRow("a vanished optional last line still ends its statement")
        << insert + "SELECT 'TEST-PC', SFOSB FROM OSB WHERE SFOSB = 10\n?OR SFOSB = {?SFOSB};\n" + insert +
               "VALUES ('TEST-PC', 2);"
        << QStringList{"2", "10"} << "2/2";
    QTest::newRow("comment with an unknown placeholder is skipped")
        << "-- {?NOPE} {?DAN}\n" + insert + "VALUES ('TEST-PC', 1);" << QStringList{"1"} << "1/1";
    QTest::newRow("empty script") << "" << QStringList{} << "0/0";
}

void TestSqlScript::statementBoundaries()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QFETCH(QString, progress);

    SqlScript sqlScript(demoInputs());
    QSignalSpy texts(&sqlScript, &SqlScript::statusText);
    OVO_TRY(run(sqlScript, text));
    QVERIFY2(!sqlScript.failed(), qPrintable(sqlScript.errorText()));
    QCOMPARE(values(QStringLiteral("SELECT INTID FROM REPORT_SQL ORDER BY INTID")), rows);
    const QStringList shown = panelTexts(texts, 3);
    QCOMPARE(shown.at(shown.size() - 2), progress);
}

void TestSqlScript::badValuesFailOnlyTheirStatement()
{
    SqlScript sqlScript(demoInputs());
    sqlScript.setShowErrors(false);
    OVO_TRY(run(sqlScript,
                QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('TEST-PC', {?NOPE});\n"
                               "DELETE FROM REPORT_SQL WHERE INTID = {?BAD};\n"
                               "INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('TEST-PC', 3);\n")));
    QCOMPARE(values(QStringLiteral("SELECT INTID FROM REPORT_SQL")), QStringList{"3"});
    QCOMPARE(
        sqlScript.errorText(),
        QStringLiteral("Stavek 1 (INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('TEST-PC', {?NOPE})): "
                       "Parameter {?NOPE} ne obstaja.\r\r"
                       "Stavek 2 (DELETE FROM REPORT_SQL WHERE INTID = {?BAD}): "
                       "Neveljavna vrednost parametra {?BAD}: 1 OR 1=1\r\r"));
    QVERIFY(DialogHook::shown().isEmpty());
    // The log shows the line as written, with the placeholder.
    QVERIFY(
        m_folder->readFile(QStringLiteral("Report/test_prip.sql.log"))
            .startsWith(QLatin1String("INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('TEST-PC', {?NOPE})\n"
                                      "Parameter {?NOPE} ne obstaja.\n\n")));
}

void TestSqlScript::literalLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numbers");
    QTest::addColumn<bool>("texts");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("numbers with signs and decimals") << " -1, 2.5 ,+3" << true << false << true;
    QTest::newRow("texts with a doubled apostrophe") << "'O''Brien', ''" << false << true << true;
    QTest::newRow("texts and numbers mixed") << "'A', 1" << true << true << true;
    QTest::newRow("text where only numbers may stand") << "'A'" << true << false << false;
    QTest::newRow("a name") << "KONTO" << true << true << false;
    QTest::newRow("a number run into a name") << "1e5" << true << false << false;
    QTest::newRow("comment after a number") << "1--" << true << false << false;
    QTest::newRow("sign apart from its number") << "- 1" << true << false << false;
    QTest::newRow("unclosed apostrophe") << "'A" << true << true << false;
    QTest::newRow("double quotes name a column") << "\"A\"" << true << true << false;
    QTest::newRow("empty item") << "1,,2" << true << false << false;
    QTest::newRow("trailing comma") << "1," << true << false << false;
    QTest::newRow("nothing") << "" << true << true << false;
    QTest::newRow("closing bracket") << "'A') OR ('1'='1" << true << true << false;
}

void TestSqlScript::literalLists()
{
    QFETCH(QString, text);
    QFETCH(bool, numbers);
    QFETCH(bool, texts);
    QFETCH(bool, accepted);
    QCOMPARE(ValueLexer::isLiteralList(text, numbers, texts), accepted);
}

void TestSqlScript::toDateNamesTheValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("impossible day") << "31.02.2020"
                                    << "TO_DATE: '31.02.2020' ni veljaven datum v obliki 'dd.mm.yyyy'.";
    QTest::newRow("empty") << ""
                           << "TO_DATE: datum ni vpisan (pričakovana oblika 'dd.mm.yyyy').";
}

void TestSqlScript::toDateNamesTheValue()
{
    QFETCH(QString, value);
    QFETCH(QString, message);
    SqlScript sqlScript(demoInputs());
    sqlScript.setShowErrors(false);
    OVO_TRY(run(sqlScript, QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, DAN) VALUES ('TEST-PC', "
                                          "TO_DATE('%1','dd.mm.yyyy'));")
                               .arg(value)));
    QVERIFY(sqlScript.failed());
    QVERIFY2(sqlScript.errorText().contains(message), qPrintable(sqlScript.errorText()));
}

void TestSqlScript::internalFunction()
{
    Database &db = m_folder->openDatabase();
    db.execute(
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, KONTROLA, KLJUCDPK, TXT1) VALUES "
                       "('TEST-PC', 1, '1234567', NULL, 'a''b'), ('TEST-PC', 2, '123/45', '', 'c'), "
                       "('TEST-PC', 3, '1234567', 'X', 'd'), ('OTHER-PC', 1, '1234567', NULL, 'a''b')"));
    SqlScript sqlScript(demoInputs());
    QSignalSpy texts(&sqlScript, &SqlScript::statusText);
    OVO_TRY(
        run(sqlScript, QStringLiteral("DELETE FROM REPORT_SQL\n"
                                      "internal_function KljucDPKPoModulu11( KONTROLA , KLJUCDPK, INTID );\n"
                                      "INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, TXT3, TXT1);\n"
                                      "INTERNAL_FUNCTION Neznana(A);\n")));

    // The collected DELETE line belonged to the first call and never ran.
    QCOMPARE(values(QStringLiteral(
                 "SELECT COMPUTER || ':' || INTID || ':' || COALESCE(KLJUCDPK, 'NULL') || ':' || "
                 "COALESCE(TXT3, 'NULL') FROM REPORT_SQL ORDER BY COMPUTER, INTID")),
             (QStringList{"OTHER-PC:1:NULL:NULL", "TEST-PC:1:1234567-93:1234567-93",
                          "TEST-PC:2:123/45-94:123/45-94", "TEST-PC:3:X:1234567-93"}));
    QCOMPARE(panelTexts(texts, 4), (QStringList{"1", "2", "1", "2", "3"}));
    QCOMPARE(m_folder->readFile(QStringLiteral("Report/test_prip.sql.txt")),
             QStringLiteral("internal_function KljucDPKPoModulu11( KONTROLA , KLJUCDPK, INTID );\n"
                            "INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, TXT3, TXT1);\n"
                            "INTERNAL_FUNCTION Neznana(A);\n"));
    const QStringList log =
        m_folder->readFile(QStringLiteral("Log/IF_KljuciDpk.txt")).split(QLatin1Char('\n'));
    QCOMPARE(log.size(), 5);
    const QStringList markers{": START DPK", ": SELECT REPORT_SQL", ": START TABLE", ": KONEC TABLE"};
    for (int i = 0; i < markers.size(); ++i) {
        QCOMPARE(log.at(i).mid(19), markers.at(i));
        QVERIFY(QDateTime::fromString(log.at(i).left(19), QStringLiteral("dd.MM.yyyy HH:mm:ss")).isValid());
    }
}

void TestSqlScript::internalFunctionErrors_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("error");

    const QString syntax =
        QStringLiteral("KljucDPKPoModulu11(PoljeKontrolka,PoljeKljucDPK,PoljeID: string): Internal "
                       "function Syntax error (%1).");
    QString call = QStringLiteral("INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK, INTID;");
    QTest::newRow("missing closing parenthesis") << call << syntax.arg(call);
    call = QStringLiteral("INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK);");
    QTest::newRow("two arguments") << call << syntax.arg(call);
    call = QStringLiteral("INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK, INTID=1 OR 1);");
    QTest::newRow("argument that is not a column name") << call << syntax.arg(call);
    QTest::newRow("control value with a letter")
        << "INTERNAL_FUNCTION KljucDPKPoModulu11(TXT2, KLJUCDPK, INTID);"
        << "'A' ni veljavno celo število.";
    QTest::newRow("row without an identifier")
        << "INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK, TXT4);"
        << "Neveljaven identifikator v stolpcu TXT4: ''";
}

void TestSqlScript::internalFunctionErrors()
{
    QFETCH(QString, call);
    QFETCH(QString, error);

    SqlScript sqlScript(demoInputs());
    QSignalSpy shown(&sqlScript, &SqlScript::statusShown);
    QString message;
    try {
        run(sqlScript,
            QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, KONTROLA, TXT2)\n"
                           "VALUES ('TEST-PC', 1, '1234567', '12A');\n") +
                call + QStringLiteral("\nINSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('TEST-PC', 2);"));
    } catch (const EError &e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    // The run ended there, with its log saved and the status bar hidden.
    QCOMPARE(values(QStringLiteral("SELECT INTID FROM REPORT_SQL")), QStringList{"1"});
    QVERIFY(
        m_folder->readFile(QStringLiteral("Report/test_prip.sql.txt")).startsWith(QLatin1String("INSERT")));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(1).at(0).toBool(), false);
}

QTEST_MAIN(TestSqlScript)
#include "tst_sqlscript.moc"
