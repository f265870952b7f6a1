#include "run/ReportFormulas.h"
#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/SqlLiterals.h"
#include "tests/support/TestProgramFolder.h"

#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace FormulaText;

namespace {
const QString Company = QStringLiteral("'OVO finance, borznoposredniška družba, d.d.'");

// The formula's new text, or the text it keeps when no rule applies.
QString retrieve(ReportFormulas &formulas, const QString &name,
                 const QString &text = QStringLiteral("stored"))
{
    const QList<FormulaUpdate> updates = formulas.RetrieveFormulas({{name, text}});
    return updates.isEmpty() ? text : updates.first().text;
}
} // namespace

class TestReportFormulas : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void literals_data();
    void literals();
    void namedFormulas_data();
    void namedFormulas();
    void onlyMatchingFormulasChange();
    void companyLinesReadOnce();
    void noEuroStartCountsAsEuro();
    void reportDateFallback();
    void pdbPieces();
    void failuresAbort_data();
    void failuresAbort();
    void valuesStayInsideLiterals();

private:
    void exec(const QString &sql) { OVO_TRY(D->DB.execute(sql)); }

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
};

void TestReportFormulas::init()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"},
        true);
}

void TestReportFormulas::cleanup()
{
    m_data.reset();
    m_folder.reset();
}

void TestReportFormulas::literals_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("string quotes and breaks")
        << FormulaString(QStringLiteral("a'b\r\nc\rd")) << QStringLiteral("'a''b'+Chr(13)+'c'+Chr(13)+'d'");
    QTest::newRow("string empty") << FormulaString(QString()) << QStringLiteral("''");
    QTest::newRow("lines none") << MultiLine({}) << QString();
    QTest::newRow("lines one") << MultiLine({QStringLiteral("a")}) << QStringLiteral("'a'");
    QTest::newRow("lines three") << MultiLine({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
                                 << QStringLiteral("'a'+Chr(13)+'b'+Chr(13)+'c'");
    QTest::newRow("line with break mark") << MultiLine({QStringLiteral("Stranke: Novak,'+Chr(13)+'O'Brien")})
                                          << QStringLiteral("'Stranke: Novak,'+Chr(13)+'O''Brien'");
    QTest::newRow("date long") << FormulaDate(QDate(2004, 5, 7)) << QStringLiteral("Date(2004,05,07)");
    QTest::newRow("date short") << DateShort(QDate(2004, 5, 7)) << QStringLiteral("Date(2004,5,7)");
    QTest::newRow("number") << FloatToSql(1234.5) << QStringLiteral("1234.5000");
}

void TestReportFormulas::literals()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestReportFormulas::namedFormulas_data()
{
    QTest::addColumn<QString>("reportDate");
    QTest::addColumn<QString>("organisation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // "stored" when the formula keeps its text

    const QString nov = QStringLiteral("15.11.2026"), y2006 = QStringLiteral("15.11.2006");
    const QString early = QStringLiteral("15.06.2005"), org = QStringLiteral("1");
    auto row = [&](const char *tag, const QString &date, const QString &name, const QString &expected) {
        QTest::newRow(tag) << date << org << name << expected;
    };
    row("company", nov, "podjetje", Company + "+Chr(13)+'Dunajska cesta 156'+Chr(13)+'1000 Ljubljana'");
    row("bank", nov, "FBANKA", Company);
    row("filter", nov, "FILTER", "'Datum: 15.11.2026'+Chr(13)+'Stranka: Novak'");
    row("euro after changeover", nov, "F_EUROOBD", "True");
    row("euro before changeover", y2006, "F_EUROOBD", "False");
    row("euro start period", "15.03.2007", "F_EUROOBD_ES", "True");
    row("euro start period over", nov, "F_EUROOBD_ES", "False");
    row("euro end", nov, "F_EUROOBD_EE", "True");
    row("euro end not yet", "15.03.2007", "F_EUROOBD_EE", "False");
    row("currency euro", nov, "F_VLT", "'EUR'");
    row("currency tolar", y2006, "F_VLT", "'SIT'");
    row("period id", nov, "F_IDOBD", "251");
    row("period id none", early, "F_IDOBD", "0");
    row("period day", nov, "F_DANOBD", "Date(2026,11,01)");
    row("period day none", early, "F_DANOBD", "Date(1990,01,01)");
    row("rate day", nov, "F_DANVLN", "Date(2026,06,30)");
    row("rate day none", early, "F_DANVLN", "Date(1899,12,30)");
    row("price day", nov, "F_DANTCN", "Date(2026,11,13)");
    row("rate inverted under euro", nov, "F_TECAJ_USD", "if {VLN.TCJ}<>0 then 1/{VLN.TCJ} else 0");
    row("rate kept before euro", y2006, "F_TECAJ_USD", "stored");
    row("rate", nov, "TECAJ_USD", "1.1604");
    row("rate per 100 units", y2006, "tecaj_hrk", "32.7504");
    row("rate unknown currency", nov, "TECAJ_XYZ", "0.0000");
    row("rate without code", nov, "TECAJ_", "0.0000");
    row("prices month begin", nov, "TCN_DATE_BEGIN_MONTH", "Date(2026,11,2)");
    row("prices month end", nov, "TCN_DATE_END_MONTH", "Date(2026,11,13)");
    row("prices last year", nov, "TCN_DATE_END_LAST_YEAR", "Date(2025,12,30)");
    row("prices without date", QString(), "TCN_DATE_END_MONTH", "stored");
    row("org field", nov, "F_ORG_NZV", "'OVO finance d.d., sedež Ljubljana'");
    row("pdb piece", nov, "F_PDB_GLAVA1",
        "'OVO finance, borznoposredniška družba, d.d., Dunajska cesta 156, 1000 Ljubljana'");
    row("pdb piece empty", nov, "F_PDB_GLAVA2", "''");
    row("user", nov, "UPORABNIK", "'ADMIN'");
    row("user name", nov, "FUPORABNIK", "'Marko Zupančič'");
    row("unknown", nov, "NAZIV_POROCILA", "stored");
    QTest::newRow("org none selected") << nov << QString() << "F_ORG_NZV"
                                       << "''";
    QTest::newRow("pdb without row") << nov << "3"
                                     << "F_PDB_NOGA1"
                                     << "''";
    QTest::newRow("org fax empty") << nov << "3"
                                   << "F_ORG_FAX"
                                   << "''";
}

void TestReportFormulas::namedFormulas()
{
    QFETCH(QString, reportDate);
    QFETCH(QString, organisation);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    ReportFormulas formulas;
    formulas.reportDate = reportDate;
    formulas.organisation = organisation;
    formulas.filterLines = {QStringLiteral("Datum: 15.11.2026"), QStringLiteral("Stranka: Novak")};
    const QString stored = name.contains(QLatin1String("TECAJ_")) && name.startsWith(QLatin1String("F_"))
                               ? QStringLiteral("{VLN.TCJ}")
                               : QStringLiteral("stored");
    QString actual;
    OVO_TRY(actual = retrieve(formulas, name, stored));
    QCOMPARE(actual, expected == QLatin1String("stored") ? stored : expected);
}

void TestReportFormulas::onlyMatchingFormulasChange()
{
    ReportFormulas formulas;
    formulas.reportDate = QStringLiteral("15.11.2026");
    QList<FormulaUpdate> updates;
    OVO_TRY(updates = formulas.RetrieveFormulas({{QStringLiteral("Naslov"), QStringLiteral("'x'")},
                                                 {QStringLiteral("F_VLT"), QString()},
                                                 {QStringLiteral("Vsota"), QStringLiteral("1+1")},
                                                 {QStringLiteral("uporabnik"), QString()}}));
    QCOMPARE(updates.size(), 2);
    QCOMPARE(updates[0].index, 1);
    QCOMPARE(updates[0].text, QStringLiteral("'EUR'"));
    QCOMPARE(updates[1].index, 3);
    QCOMPARE(updates[1].name, QStringLiteral("uporabnik"));
}

void TestReportFormulas::companyLinesReadOnce()
{
    ReportFormulas formulas;
    const QString first = retrieve(formulas, QStringLiteral("PODJETJE"));
    exec(QStringLiteral("UPDATE OSB SET NZV='Novo ime', PST=NULL, MST=' Koper ' WHERE SFOSB=2"));
    QCOMPARE(retrieve(formulas, QStringLiteral("PODJETJE")), first);

    ReportFormulas fresh;
    QCOMPARE(retrieve(fresh, QStringLiteral("PODJETJE")),
             QStringLiteral("'Novo ime'+Chr(13)+'Dunajska cesta 156'+Chr(13)+'Koper'"));
}

void TestReportFormulas::noEuroStartCountsAsEuro()
{
    exec(QStringLiteral("DELETE FROM EUROOBD WHERE OZNAKA='ES'"));
    ReportFormulas formulas;
    formulas.reportDate = QStringLiteral("15.11.2006");
    QCOMPARE(retrieve(formulas, QStringLiteral("F_EUROOBD")), QStringLiteral("True"));
    QCOMPARE(retrieve(formulas, QStringLiteral("F_VLT")), QStringLiteral("'EUR'"));
}

void TestReportFormulas::reportDateFallback()
{
    ReportFormulas formulas;
    int asked = 0;
    formulas.findIzpisDate = [&] {
        ++asked;
        return QStringLiteral("01.12.2006");
    };
    // Price dates need a report date that is already set; the euro switch sets it.
    QCOMPARE(retrieve(formulas, QStringLiteral("TCN_DATE_END_MONTH")), QStringLiteral("stored"));
    QCOMPARE(asked, 0);
    QList<FormulaUpdate> updates;
    OVO_TRY(updates = formulas.RetrieveFormulas({{QStringLiteral("F_EUROOBD"), QString()},
                                                 {QStringLiteral("TCN_DATE_END_MONTH"), QString()}}));
    QCOMPARE(updates.size(), 2);
    QCOMPARE(updates[0].text, QStringLiteral("False"));
    QCOMPARE(updates[1].text, QStringLiteral("Date(1899,12,30)")); // no prices before 29.12.2006
    QCOMPARE(formulas.reportDate, QStringLiteral("01.12.2006"));
    QCOMPARE(asked, 1);

    ReportFormulas withoutWindow;
    QCOMPARE(withoutWindow.GetDatumTecaj(), QDate::fromString(D->TodayText, QStringLiteral("dd.MM.yyyy")));
}

void TestReportFormulas::pdbPieces()
{
    QString text;
    for (int i = 0; i < 25; ++i)
        text += QStringLiteral("%1'abcdefgh").arg(i % 10);
    QCOMPARE(text.size(), 250);
    exec(QStringLiteral("UPDATE PDB SET POUK='") +
         QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QStringLiteral("' WHERE SFORG=1"));

    ReportFormulas formulas;
    formulas.organisation = QStringLiteral("1");
    QList<FormulaUpdate> updates;
    OVO_TRY(updates = formulas.RetrieveFormulas({{QStringLiteral("F_PDB_POUK1"), QString()},
                                                 {QStringLiteral("f_pdb_pouk2"), QString()},
                                                 {QStringLiteral("F_PDB_POUK3"), QString()}}));
    QCOMPARE(updates.size(), 3);
    QCOMPARE(updates[0].text, FormulaString(text.left(200)));
    QCOMPARE(updates[1].text, FormulaString(text.mid(200)));
    QCOMPARE(updates[1].text.size(), 50 + 5 + 2); // five doubled apostrophes, two enclosing
    QCOMPARE(updates[2].text, QStringLiteral("''"));
}

void TestReportFormulas::failuresAbort_data()
{
    QTest::addColumn<QString>("organisation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: any message

    QTest::newRow("org column missing") << "1"
                                        << "F_ORG_NEOBSTAJA"
                                        << "Napaka pri pridobivanju podatkov Org. enote (NEOBSTAJA).";
    QTest::newRow("org column not a name")
        << "1"
        << "F_ORG_NZV from ORG --"
        << "Napaka pri pridobivanju podatkov Org. enote (NZV from ORG --).";
    QTest::newRow("pdb column missing") << "1"
                                        << "F_PDB_NEOBSTAJA1"
                                        << "";
    QTest::newRow("pdb piece not a digit") << "1"
                                           << "F_PDB_GLAVAX"
                                           << "";
    QTest::newRow("pdb piece zero") << "1"
                                    << "F_PDB_GLAVA0"
                                    << "";
    QTest::newRow("pdb without column") << "1"
                                        << "F_PDB_"
                                        << "";
    QTest::newRow("organisation key not a number") << "1 or 1=1"
                                                   << "UPORABNIK"
                                                   << "";
}

void TestReportFormulas::failuresAbort()
{
    QFETCH(QString, organisation);
    QFETCH(QString, name);
    QFETCH(QString, message);
    ReportFormulas formulas;
    formulas.organisation = organisation;
    try {
        formulas.RetrieveFormulas({{name, QString()}});
        QFAIL("no error");
    } catch (const EError &e) {
        if (!message.isEmpty())
            QCOMPARE(e.message(), message);
    }
}

void TestReportFormulas::valuesStayInsideLiterals()
{
    exec(QStringLiteral("UPDATE ORG SET NZV='Podjetje ''X'' d.o.o.' WHERE SFORG=2"));
    D->User = QStringLiteral("O'NEIL");
    ReportFormulas formulas;
    formulas.reportDate = QStringLiteral("15.11.2026");
    formulas.organisation = QStringLiteral("2");
    formulas.filterLines = {QStringLiteral("Stranka: O'Brien'+Chr(13)+'x")};
    QCOMPARE(retrieve(formulas, QStringLiteral("F_ORG_NZV")), QStringLiteral("'Podjetje ''X'' d.o.o.'"));
    QCOMPARE(retrieve(formulas, QStringLiteral("UPORABNIK")), QStringLiteral("'O''NEIL'"));
    QCOMPARE(retrieve(formulas, QStringLiteral("FILTER")), QStringLiteral("'Stranka: O''Brien'+Chr(13)+'x'"));
    // Unescaped, the code would read KRT='X' OR KRT='USD' and find the dollar rate.
    QCOMPARE(retrieve(formulas, QStringLiteral("TECAJ_X' OR KRT='USD")), QStringLiteral("0.0000"));
}

QTEST_MAIN(TestReportFormulas)
#include "tst_reportformulas.moc"
