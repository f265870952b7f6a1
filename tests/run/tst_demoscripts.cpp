#include "run/SqlScript.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlQuery>
#include <QTest>

#include <memory>

// Runs every script the demo catalogue names (the reports' preparatory scripts,
// the SQL report and the scripts of the automatic preparation) on the demo
// database, with parameter values a user or the unattended run would give.
namespace {
const QString computer = QStringLiteral("PISARNA-01");
const QString otherComputer = QStringLiteral("RACUNOVODSTVO-02");

// Values of the visible and hidden parameters, by placeholder name; the
// computer name is always given. A parameter without a value stays empty, as
// a cleared input, so optional lines using it disappear.
const QHash<QString, QStringList> reportValues{
    {QStringLiteral("pogodbe_seznam_prip.sql"), {"DAN=01.11.2026"}},
    {QStringLiteral("pogodba_kartica_prip.sql"), {"IDPOG=1011", "DANOD=01.11.2026", "DANDO=10.12.2026"}},
    {QStringLiteral("partnerji_seznam_prip.sql"), {"UPORABNIK=ADMIN"}},
    {QStringLiteral("konti_stanje_prip.sql"), {"LETO=2026", "MESEC=11", "IDOBD=251", "OBD=250"}},
    {QStringLiteral("provizije_prip.sql"), {"DANOD=01.11.2026", "DANDO=10.12.2026", "KONTO=760000"}},
    {QStringLiteral("odprte_postavke_prip.sql"), {}},
    {QStringLiteral("sklici_dpk_prip.sql"), {"DAN=01.12.2026"}},
    {QStringLiteral("promet_vp_prip.sql"), {}},
    {QStringLiteral("stanje_portfelja_prip.sql"), {"IDPOG=1001", "DAN=30.11.2026"}},
    {QStringLiteral("bruto_bilanca_prip.sql"), {"DAN=30.11.2026"}},
    {QStringLiteral("partnerji.sql"), {"MST=Ljubljana"}},
};

// Contract, from and to date of the unattended runs, by report kind.
const QHash<int, QStringList> batchValues{
    {1, {"1013", "01.11.2026", "30.11.2026"}},
    {2, {"1013", "01.11.2026", "30.11.2026"}},
    {3, {"1013", "01.01.2026", "31.12.2026"}},
    {4, {"1017", "01.12.2026", "31.12.2026"}},
};

// The parameters the unattended run adds for one contract.
QList<SqlScriptParameter> batchParameters(const QStringList &values)
{
    QList<SqlScriptParameter> parameters;
    for (const char *name : {"IDPOG", "POGODBA", "STRANKA"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("N"), values.at(0), {}};
    for (const char *name : {"DANOD", "DAN", "DATUM", "DATUMOD", "DAN OD", "DAN_OD", "DATUM OD"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("D"), values.at(1), {}};
    for (const char *name : {"DANDO", "DATUMDO", "DATUM DO", "DAN DO", "DAN_DO"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("D"), values.at(2), {}};
    parameters << SqlScriptParameter{QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}};
    return parameters;
}
} // namespace

class TestDemoScripts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void scripts_data();
    void scripts();
    void reportsOfTheWorkTablePrepareTheirRows();
    void rateListOpensOnADayWithRates();

private:
    // The report's parameter rows as the run window hands them to the script.
    QList<SqlScriptParameter> reportParameters(int report, const QStringList &values);
    int count(const QString &sql);

    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestDemoScripts::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->openDatabase();
    // The scripts run from a copy: the runner writes its logs next to them.
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Report")));
    const QDir source(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report")));
    for (const QString &name : source.entryList({QStringLiteral("*.sql")}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), m_folder->file(QStringLiteral("Report/") + name)));
}

void TestDemoScripts::init()
{
    Database &db = m_folder->openDatabase();
    db.execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    // A leftover of an earlier run on this computer and a row of another computer.
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, TXT10) VALUES (:C, 424242, 'stari')"),
               {{QStringLiteral("C"), computer}});
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, TXT10) VALUES (:C, 424242, 'tuji')"),
               {{QStringLiteral("C"), otherComputer}});
}

int TestDemoScripts::count(const QString &sql)
{
    QSqlQuery q = m_folder->openDatabase().execute(sql, {{QStringLiteral("C"), computer}});
    return q.next() ? q.value(0).toInt() : -1;
}

QList<SqlScriptParameter> TestDemoScripts::reportParameters(int report, const QStringList &values)
{
    QHash<QString, QString> byName;
    for (const QString &entry : values)
        byName.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    byName.insert(QStringLiteral("COMPUTER"), computer);

    QList<SqlScriptParameter> parameters;
    bool hasComputer = false;
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral(
            "SELECT POLJE, TIP_PODATKA FROM POROCILA_PAR WHERE ID_POROCILA = :R ORDER BY SORTIRANJE"),
        {{QStringLiteral("R"), report}});
    while (q.next()) {
        const QString field = q.value(0).toString().trimmed();
        QString name;
        if (field.startsWith(QLatin1String("{?")) && field.endsWith(QLatin1Char('}')))
            name = field.mid(2, field.size() - 3).toUpper();
        hasComputer = hasComputer || name == QLatin1String("COMPUTER");
        parameters << SqlScriptParameter{field, q.value(1).toString(), byName.value(name), {}};
    }
    // Report 13 has no computer parameter in the demo catalogue; its run would
    // fail every statement of the script with "Parameter {?COMPUTER} ne obstaja.".
    if (!hasComputer)
        parameters << SqlScriptParameter{QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}};
    return parameters;
}

void TestDemoScripts::scripts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("report");    // catalogue report, 0 for the unattended run
    QTest::addColumn<int>("batchKind"); // RPT_OBDELAVE.IDREPORT of the unattended run
    QTest::addColumn<bool>("sqlReport");

    Database &db = m_folder->openDatabase();
    QSqlQuery reports = db.execute(
        QStringLiteral("SELECT ID_POROCILA, DATOTEKA_POR, OPIS_POROCILA FROM POROCILA ORDER BY ID_POROCILA"));
    while (reports.next()) {
        const int report = reports.value(0).toInt();
        for (const int column : {1, 2}) {
            const QString file = reports.value(column).toString().trimmed();
            if (file.endsWith(QLatin1String(".sql"), Qt::CaseInsensitive))
                QTest::addRow("report %d %s", report, qPrintable(file))
                    << file << report << 0 << (column == 1);
        }
    }
    QSqlQuery kinds =
        db.execute(QStringLiteral("SELECT IDREPORT, SQL_FILE FROM RPT_OBDELAVE ORDER BY IDREPORT"));
    while (kinds.next()) {
        const QString file = kinds.value(1).toString().trimmed();
        QTest::addRow("batch %d %s", kinds.value(0).toInt(), qPrintable(file))
            << file << 0 << kinds.value(0).toInt() << false;
    }
}

void TestDemoScripts::scripts()
{
    QFETCH(QString, script);
    QFETCH(int, report);
    QFETCH(int, batchKind);
    QFETCH(bool, sqlReport);

    const QString path = m_folder->file(QStringLiteral("Report/") + script);
    QVERIFY2(QFile::exists(path), qPrintable(script + QStringLiteral(" is missing")));
    SqlScriptInputs inputs;
    inputs.rpeDriver = QStringLiteral("ORACLE");
    inputs.computerName = computer;
    if (report > 0) {
        QVERIFY2(reportValues.contains(script),
                 qPrintable(QStringLiteral("no parameter values for ") + script));
        inputs.parameters = reportParameters(report, reportValues.value(script));
    } else {
        QVERIFY2(batchValues.contains(batchKind), "no parameter values for the report kind");
        inputs.parameters = batchParameters(batchValues.value(batchKind));
    }

    SqlScript sqlScript(inputs);
    sqlScript.setShowErrors(false);
    QString result;
    OVO_TRY(result = sqlScript.RunSqlScript(path));
    QVERIFY2(!sqlScript.failed(), qPrintable(sqlScript.errorText()));

    if (sqlReport) {
        // The last SELECT is what the result grid shows.
        QVERIFY(result.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive));
        QSqlQuery grid;
        OVO_TRY(grid = m_folder->openDatabase().execute(result));
        QVERIFY2(grid.next(), "the result grid is empty");
        return;
    }

    QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL WHERE COMPUTER = :C")) > 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL WHERE COMPUTER = :C AND TXT10 = 'stari'")),
             0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL WHERE COMPUTER <> :C")), 1);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    if (text.contains(QLatin1String("INTERNAL_FUNCTION"), Qt::CaseInsensitive))
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL WHERE COMPUTER = :C "
                                      "AND (KLJUCDPK IS NULL OR KLJUCDPK = '')")),
                 0);
    if (batchKind > 0) {
        // The unattended run executes every statement: a SELECT would be run for
        // nothing and a built-in call fails there.
        QVERIFY(result.isEmpty());
        QVERIFY(!text.contains(QLatin1String("INTERNAL_FUNCTION"), Qt::CaseInsensitive));
    }
}

// A report that reads REPORT_SQL without a script of its own prints whatever
// another report left there, and without the computer filter what another
// computer prepared.
void TestDemoScripts::reportsOfTheWorkTablePrepareTheirRows()
{
    QSqlQuery reports = m_folder->openDatabase().execute(
        QStringLiteral("SELECT ID_POROCILA, DATOTEKA_POR, OPIS_POROCILA, FILTER_POROCILA FROM POROCILA"));
    int checked = 0;
    while (reports.next()) {
        QFile file(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/") +
                                                 reports.value(1).toString()));
        if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("<table name=\"REPORT_SQL\""))
            continue;
        ++checked;
        const QString report = reports.value(0).toString();
        QVERIFY2(!reports.value(2).toString().trimmed().isEmpty(),
                 qPrintable(report + QStringLiteral(" has no script")));
        QVERIFY2(reports.value(3).toString().contains(QLatin1String("{REPORT_SQL.COMPUTER} = '|COMPUTER|'")),
                 qPrintable(report + QStringLiteral(" has no computer filter")));
    }
    QVERIFY(checked > 0);
}

void TestDemoScripts::rateListOpensOnADayWithRates()
{
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT PRIVZETO FROM POROCILA_PAR WHERE ID_POROCILA = 8 AND POLJE = 'Datum'"));
    QVERIFY(q.next());
    const QDate day = QDate::fromString(q.value(0).toString(), QStringLiteral("dd.MM.yyyy"));
    QVERIFY2(day.isValid(), qPrintable(q.value(0).toString()));
    QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM VLN WHERE SFVLN = '0' AND DAN = '%1'")
                      .arg(day.toString(Qt::ISODate))) > 0);
}

QTEST_MAIN(TestDemoScripts)
#include "tst_demoscripts.moc"
