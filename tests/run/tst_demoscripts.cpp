#include "run/SqlScript.h"
#include "tests/support/DemoRunValues.h"
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
using DemoRunValues::computer;
const QString otherComputer = QStringLiteral("RACUNOVODSTVO-02");
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
    int count(const QString &sql);

    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestDemoScripts::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->openDatabase();
    // The scripts run from a copy: the runner writes its logs next to them.
    QVERIFY(m_folder->copyDemoReports({QStringLiteral("*.sql")}));
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
        QVERIFY2(DemoRunValues::reportValues().contains(script),
                 qPrintable(QStringLiteral("no parameter values for ") + script));
        inputs.parameters = DemoRunValues::reportParameters(m_folder->openDatabase(), report,
                                                            DemoRunValues::reportValues().value(script));
    } else {
        QVERIFY2(DemoRunValues::batchValues().contains(batchKind), "no parameter values for the report kind");
        inputs.parameters = DemoRunValues::batchParameters(DemoRunValues::batchValues().value(batchKind));
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
