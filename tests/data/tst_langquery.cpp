#include "data/LangQuery.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QSqlQuery>
#include <QTest>

class TestLangQuery : public QObject
{
    Q_OBJECT
private slots:
    void selectLines_data();
    void selectLines();
    void changeLines_data();
    void changeLines();
    void refusedStatements();
    void runsAndLogs();
    void noRows();
};

namespace {
struct Setup
{
    QString columns, from, where, groupBy, having, orderBy;
    QStringList conditions;
};
} // namespace
Q_DECLARE_METATYPE(Setup)

void TestLangQuery::selectLines_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("columns and from only")
        << Setup{"*", "ACT", {}, {}, {}, {}, {}} << QStringList{"Select *", "From ACT"};
    QTest::newRow("two conditions and a free where")
        << Setup{"*", "T", "X>0", {}, {}, {}, {"IDREPORT='5'", "DAN=1"}}
        << QStringList{"Select *", "From T", "Where ", "IDREPORT='5' and", "DAN=1 and", "X>0"};
    QTest::newRow("free where alone is in parentheses")
        << Setup{"A", "T", "A=1 or B=2", {}, {}, {}, {}}
        << QStringList{"Select A", "From T", "Where (A=1 or B=2)"};
    QTest::newRow("blank where gives no where line")
        << Setup{"A", "T", "   ", {}, {}, {}, {}} << QStringList{"Select A", "From T"};
    QTest::newRow("one condition") << Setup{"A", "T", {}, {}, {}, {}, {"A=1"}}
                                   << QStringList{"Select A", "From T", "Where ", "A=1"};
    QTest::newRow("group, having and order")
        << Setup{"A, COUNT(*)", "T", {}, "A", "COUNT(*)>1", "A DESC", {}}
        << QStringList{"Select A, COUNT(*)", "From T", "Group by A", "Having COUNT(*)>1", "Order By A DESC"};
    QTest::newRow("empty from is still written")
        << Setup{"1", {}, {}, {}, {}, {}, {}} << QStringList{"Select 1", "From "};
}

void TestLangQuery::selectLines()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, lines);
    TLangQuery q;
    q.setColumns(setup.columns);
    q.setFromClause(setup.from);
    q.setGroupByClause(setup.groupBy);
    q.setHavingClause(setup.having);
    q.setOrderByClause(setup.orderBy);
    for (const QString &c : setup.conditions) {
        const QString field = c.section('=', 0, 0);
        const QString value = c.section('=', 1);
        if (value.startsWith('\''))
            q.AddCondition({}, field, 'S', value.mid(1, value.size() - 2));
        else
            q.AddCondition({}, field, 'N', value);
    }
    q.setWhereClause(setup.where);
    QCOMPARE(q.selectLines(), lines);
}

void TestLangQuery::changeLines_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("fields"); // name|value|quoted
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("insert ends quoted")
        << "insert" << QStringList{"A|5|0", "B| a b |1"}
        << QStringList{"Insert into T ", "   (A, B)", "values ", "(5, 'a b')"};
    QTest::newRow("insert ends unquoted")
        << "insert" << QStringList{"B|x|1", "A|5|0"}
        << QStringList{"Insert into T ", "   (B, A)", "values ", "('x', 5) "};
    QTest::newRow("empty quoted value is NULL")
        << "insert" << QStringList{"A||1"} << QStringList{"Insert into T ", "   (A)", "values ", "(NULL) "};
    QTest::newRow("blank quoted value is two apostrophes")
        << "insert" << QStringList{"A|   |1"} << QStringList{"Insert into T ", "   (A)", "values ", "('')"};
    QTest::newRow("update with one unquoted assignment")
        << "update" << QStringList{"N|5|0"} << QStringList{"Update T ", "Set ", "    N=5 "};
    QTest::newRow("update with two assignments and a condition")
        << "update" << QStringList{"A|x|1", "N|5|0"}
        << QStringList{"Update T ", "Set ", "    A='x', ", "    N=5 ", "Where ", "ID=1"};
    QTest::newRow("delete") << "delete" << QStringList{} << QStringList{"Delete from T", "Where ", "ID=1"};
}

void TestLangQuery::changeLines()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, lines);
    TLangQuery q;
    q.setTables("T");
    for (const QString &f : fields) {
        const QStringList parts = f.split('|');
        q.AddField(parts.at(0), parts.at(1), parts.at(2) == "1");
    }
    if (kind != "insert" && lines.contains("ID=1"))
        q.AddCondition({}, "ID", 'I', "1");
    const QStringList built = kind == "insert"   ? q.insertLines()
                              : kind == "update" ? q.updateLines()
                                                 : q.deleteLines();
    QCOMPARE(built, lines);
}

void TestLangQuery::refusedStatements()
{
    TestProgramFolder folder;
    folder.openDatabase();
    TLangQuery q;
    q.AddField("A", "1", false);
    try {
        q.ExecInsert();
        QFAIL("no table");
    } catch (const ESQLError &e) {
        QCOMPARE(e.message(), QStringLiteral("Table name missing."));
    }
    QVERIFY(!QFile::exists(folder.file("Log/Query.log")));
    TLangQuery empty;
    empty.setTables("T");
    QVERIFY_THROWS_EXCEPTION(EListError, empty.ExecUpdate());
    QVERIFY(!QFile::exists(folder.file("Log/Modify.log")));
}

void TestLangQuery::runsAndLogs()
{
    TestProgramFolder folder;
    Database &db = folder.openDatabase();
    TLangQuery q;
    q.setTables("KATEGORIJE");
    q.AddField("ID_KATEGORIJA", "10000001", false);
    q.AddField("OPIS_KATEGORIJE", "Pogodbe", true);
    q.AddField("PROGRAM", "POROCILA", true);
    OVO_TRY(q.ExecInsert());
    q.ClearFields();
    q.AddField("OPIS_KATEGORIJE", "Pogodbe in aneksi", true);
    q.AddCondition({}, "ID_KATEGORIJA", 'N', "10000001");
    OVO_TRY(q.ExecUpdate());
    QCOMPARE(q.rowsAffected(), 1);
    QSqlQuery check = db.execute("SELECT OPIS_KATEGORIJE FROM KATEGORIJE");
    QVERIFY(check.next());
    QCOMPARE(check.value(0).toString(), QStringLiteral("Pogodbe in aneksi"));

    QCOMPARE(folder.readFile("Log/Query.log"),
             QStringLiteral("Update KATEGORIJE \nSet \n    OPIS_KATEGORIJE='Pogodbe in aneksi'\nWhere "
                            "\nID_KATEGORIJA=10000001\n"));
    const QString modify = folder.readFile("Log/Modify.log");
    QVERIFY(modify.startsWith("Insert into KATEGORIJE \n"));
    QVERIFY(modify.endsWith("ID_KATEGORIJA=10000001\nGo\n\n"));
    QCOMPARE(modify.count("\nGo\n\n"), 2);

    // A select replaces Query.log and leaves Modify.log alone.
    TLangQuery s;
    s.setColumns("*");
    s.setFromClause("KATEGORIJE");
    OVO_TRY(s.Select());
    QCOMPARE(folder.readFile("Log/Query.log"), QStringLiteral("Select *\nFrom KATEGORIJE\n"));
    QCOMPARE(folder.readFile("Log/Modify.log"), modify);
}

void TestLangQuery::noRows()
{
    TestProgramFolder folder;
    folder.openDatabase();
    TLangQuery q;
    QVERIFY(q.NoRows());
    q.setColumns("*");
    q.setFromClause("KATEGORIJE");
    OVO_TRY(q.Select());
    QVERIFY(q.NoRows());
    q.setTables("KATEGORIJE");
    q.AddField("ID_KATEGORIJA", "1", false);
    OVO_TRY(q.ExecInsert());
    OVO_TRY(q.Select());
    QVERIFY(!q.NoRows());
    q.ClearConditions();
    q.AddCondition({}, "ID_KATEGORIJA", 'N', "1");
    OVO_TRY(q.ExecDelete());
    QVERIFY(q.NoRows());
}

QTEST_GUILESS_MAIN(TestLangQuery)
#include "tst_langquery.moc"
