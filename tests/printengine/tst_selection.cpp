// Record selection: conditions the database can answer exactly go into the
// WHERE clause, the rest is evaluated per record, and either way the same
// records are selected. Each formula runs twice on the demo database: as it
// is, and wrapped so that nothing of it can go to the database.
#include "printengine/Exporter.h"
#include "printengine/ReportFile.h"
#include "printengine/ReportRunner.h"
#include "tests/support/TestProgramFolder.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

class DemoData : public DataProvider
{
public:
    explicit DemoData(Database &db) : m_db(db) {}
    std::unique_ptr<RecordStream> open(const ReportDefinition &, const QueryPlan &plan) override
    {
        lastPlan = plan;
        return std::make_unique<SqlRecordStream>(m_db.execute(plan.sql),
                                                 plan.explicitSql ? QStringList() : plan.columns);
    }
    std::optional<QStringList> tableColumns(const ReportDefinition &, const ReportTable &table) override
    {
        const QSqlRecord record =
            m_db.execute(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table.name)).record();
        QStringList columns;
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        return columns;
    }
    QueryPlan lastPlan;

private:
    Database &m_db;
};

// Keeps the first cell of every detail row.
class FirstCells : public Exporter
{
public:
    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool writeRow(const QList<FormulaValue> &, const QStringList &texts) override
    {
        cells << texts.value(0);
        return true;
    }
    bool finish() override { return true; }
    QStringList cells;
};

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameRecordsWithAndWithoutTheDatabase_data();
    void sameRecordsWithAndWithoutTheDatabase();
    void groupSelectionDropsWholeGroups_data();
    void groupSelectionDropsWholeGroups();
    void fieldNamesMustBeColumnsOfTheirTables_data();
    void fieldNamesMustBeColumnsOfTheirTables();

private:
    QStringList run(const QString &selection, QueryPlan *plan, const QString &groupSelection = QString(),
                    std::shared_ptr<const ReportDefinition> base = nullptr);
    std::unique_ptr<TestProgramFolder> m_folder;
    std::shared_ptr<ReportDefinition> m_report;
};

void TestSelection::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    ReportFileError error;
    m_report = ReportFile::read(
        TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/pogodbe_org.rpt")), &error);
    QVERIFY2(m_report, qPrintable(error.message));
    ParameterFieldDef period;
    period.name = QStringLiteral("Obdobje");
    period.type = ParameterFieldDef::Date;
    period.valueKind = ParameterFieldDef::Range;
    period.ranges << ParameterRange{QStringLiteral("2021,1,1"), QStringLiteral("2023,12,31"), true, false};
    ParameterFieldDef activities;
    activities.name = QStringLiteral("Dejavnosti");
    activities.allowMultiple = true;
    activities.current << QStringLiteral("N") << QStringLiteral("X");
    m_report->parameters << period << activities;
}

QStringList TestSelection::run(const QString &selection, QueryPlan *plan, const QString &groupSelection,
                               std::shared_ptr<const ReportDefinition> base)
{
    auto report = std::make_shared<ReportDefinition>(base ? *base : *m_report);
    report->selection = selection;
    report->groupSelection = groupSelection;
    DemoData data(m_folder->openDatabase());
    ReportRunner runner(report, &data, RunOptions());
    QString error;
    if (!runner.prepare(&error))
        return {QStringLiteral("prepare: ") + error};
    FirstCells out;
    try {
        runner.run(&out, nullptr);
    } catch (const EError &e) {
        *plan = data.lastPlan;
        return {QStringLiteral("run: ") + e.message()};
    }
    *plan = data.lastPlan;
    out.cells.sort();
    return out.cells;
}

void TestSelection::sameRecordsWithAndWithoutTheDatabase_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("pushed");   // conjuncts that reach the WHERE clause
    QTest::addColumn<int>("residual"); // conjuncts evaluated per record

    QTest::newRow("string equality") << "{POG.SFDJV} = 'N'" << 1 << 0;
    QTest::newRow("comparison with missing dates") << "{POG.DANKNZ} >= Date(2026,1,1)" << 1 << 0;
    // Null under not: unknown both in SQL and in the formula, so the record is dropped either way.
    QTest::newRow("negation over missing dates") << "not ({POG.DANKNZ} >= Date(2026,1,1))" << 1 << 0;
    QTest::newRow("or of a list and a number") << "{POG.SFORG} in [1, 3] or {POG.ZNS} > 300000" << 1 << 0;
    QTest::newRow("date range literal") << "{POG.DAN} in Date(2020,1,1) to Date(2022,12,31)" << 1 << 0;
    QTest::newRow("range parameter with open end") << "{POG.DAN} in {?Obdobje}" << 1 << 0;
    QTest::newRow("multi-value parameter") << "{POG.SFDJV} in {?Dejavnosti}" << 1 << 0;
    QTest::newRow("IsNull and a joined table")
        << "IsNull({POG.DANKNZ}) and {OSB.MST} = 'Ljubljana'" << 2 << 0;
    QTest::newRow("a function keeps its conjunct local")
        << "{POG.STPOG} >= 'N' and Left({POG.STPOG}, 1) <> 'U'" << 1 << 1;
    QTest::newRow("formula field per record") << "{@STRANKA} > 'M' and {POG.ZNS} < 300000" << 1 << 1;
    QTest::newRow("list with a Null stays local")
        << "{POG.DANKNZ} in [Date(2026,6,30), {POG.DANKNZ}]" << 0 << 1;
}

void TestSelection::sameRecordsWithAndWithoutTheDatabase()
{
    QFETCH(QString, selection);
    QFETCH(int, pushed);
    QFETCH(int, residual);

    QueryPlan plan;
    const QStringList direct = run(selection, &plan);
    QCOMPARE(int(plan.pushed.size()), pushed);
    QCOMPARE(int(plan.residual.size()), residual);

    // IIF is never translated: the whole condition is evaluated per record.
    QueryPlan local;
    const QStringList evaluated = run(QStringLiteral("IIF(%1, true, false)").arg(selection), &local);
    QVERIFY(local.pushed.isEmpty());
    QCOMPARE(direct, evaluated);
    QVERIFY2(!direct.isEmpty() && !direct.first().contains(u':'), qPrintable(direct.join(u'\n')));
}

void TestSelection::groupSelectionDropsWholeGroups_data()
{
    QTest::addColumn<QString>("groupSelection");
    QTest::addColumn<QString>("having"); // the same choice of (unit, activity) groups in SQL

    QTest::newRow("sum over the inner group") << "Sum({POG.ZNS}, {POG.SFDJV}) > 500000"
                                              << "SUM(ZNS) > 500000";
    QTest::newRow("count and the group's own field")
        << "Count({POG.IDPOG}, {POG.SFDJV}) >= 2 and {POG.SFDJV} <> 'N'"
        << "COUNT(*) >= 2 AND SFDJV <> 'N'";
    QTest::newRow("maximum over the outer group") << "Maximum({POG.ZNS}, {POG.SFORG}) < 360000"
                                                  << "SFORG IN (SELECT SFORG FROM POG WHERE DAN <= "
                                                     "'2025-12-31' GROUP BY SFORG HAVING MAX(ZNS) < 360000)";
}

void TestSelection::groupSelectionDropsWholeGroups()
{
    QFETCH(QString, groupSelection);
    QFETCH(QString, having);
    QueryPlan plan;
    const QStringList got = run(QStringLiteral("{POG.DAN} <= Date(2025,12,31)"), &plan, groupSelection);
    QStringList expected;
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT IDPOG FROM POG WHERE DAN <= '2025-12-31' AND SFORG || '/' || SFDJV IN "
                       "(SELECT SFORG || '/' || SFDJV FROM POG WHERE DAN <= '2025-12-31' GROUP BY SFORG, "
                       "SFDJV HAVING %1)")
            .arg(having));
    while (q.next())
        expected << q.value(0).toString();
    expected.sort();
    QVERIFY(!expected.isEmpty());
    QVERIFY2(got.size() != 1 || !got.first().contains(u':'), qPrintable(got.join(u'\n')));
    QCOMPARE(got, expected);
}

void TestSelection::fieldNamesMustBeColumnsOfTheirTables_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("source");    // the detail field
    QTest::addColumn<QStringList>("cells"); // what the run shows, or its error

    // The run window writes an operator-6 text list as "field in [typed]".
    const QString typed = QStringLiteral(
        "'zz'] or {REPORT_SQL.INTID FROM REPORT_SQL UNION SELECT 'TA', USR, 77 FROM USR --} in [77");
    const QString own = QStringLiteral("{REPORT_SQL.COMPUTER} = 'TA'");
    QTest::newRow("SQL typed into a text list")
        << own + QStringLiteral(" and {REPORT_SQL.KRT} in [") + typed + u']' << "REPORT_SQL.KRT"
        << QStringList{QStringLiteral(
               "prepare: Record selection formula: Formula syntax error at position 64: expected a field "
               "written as {TABLE.FIELD}, {@formula} or {?parameter}, found {REPORT_SQL.INTID FROM "
               "REPORT_SQL "
               "UNION SELECT 'TA', USR, 77 FROM USR --}")};
    QTest::newRow("a name the table does not have")
        << own + QStringLiteral(" and {REPORT_SQL.GESLO} = 'x'") << "REPORT_SQL.KRT"
        << QStringList{QStringLiteral("run: Record selection formula: Formula error at position 34: table "
                                      "REPORT_SQL has no field GESLO")};
    QTest::newRow("a report field the table does not have")
        << own << "REPORT_SQL.GESLO"
        << QStringList{QStringLiteral("run: Field {REPORT_SQL.GESLO}: table REPORT_SQL has no field GESLO")};
    QTest::newRow("names in any case") << QStringLiteral("{report_sql.Computer} = 'TA'") << "Report_Sql.krt"
                                       << QStringList{QStringLiteral("moja")};
}

void TestSelection::fieldNamesMustBeColumnsOfTheirTables()
{
    QFETCH(QString, selection);
    QFETCH(QString, source);
    QFETCH(QStringList, cells);

    // Two computers' work rows; a report sees only its own.
    Database &db = m_folder->openDatabase();
    db.execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, KRT) VALUES ('TA', 1, 'moja')"));
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID, KRT) VALUES ('TB', 2, 'tuja')"));
    ReportFileError error;
    const auto report = ReportFile::parse(
        QStringLiteral("<report><tables><table name=\"REPORT_SQL\"><logon server=\"LB\"/></table></tables>"
                       "<sections><section area=\"D\"><field source=\"%1\"/></section></sections></report>")
            .arg(source)
            .toUtf8(),
        QStringLiteral("r.rpt"), &error);
    QVERIFY2(report, qPrintable(error.message));

    QueryPlan plan;
    QCOMPARE(run(selection, &plan, QString(), report), cells);
    // A refused name never reaches the database.
    if (cells.first().contains(u':'))
        QVERIFY2(plan.sql.isEmpty(), qPrintable(plan.sql));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
