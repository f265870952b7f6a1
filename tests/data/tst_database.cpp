#include "data/Database.h"
#include "data/Query.h"
#include "data/Table.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT
private slots:
    void aliasOpensWithCredentials();
    void openFailures_data();
    void openFailures();
    void serverStatementsRunUnchanged_data();
    void serverStatementsRunUnchanged();
    void unknownSequenceFails();
    void parametersAndRowsAffected();
    void transactions();
    void fieldDefinitions();
    void filteredTableAppends();
    void navigationBothWays();
    void reportWithParametersCannotBeDeleted();
};

void TestDatabase::aliasOpensWithCredentials()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database db;
    db.setParams({"USER NAME=ovo", "PASSWORD=skrivno"});
    OVO_TRY(db.open());
    QVERIFY(db.connected());
    QCOMPARE(db.driverName(), QStringLiteral("QSQLITE"));
    QCOMPARE(db.aliasParameters(), (QStringList{"DRIVER=QSQLITE", "DATABASE=test.db"}));
    QCOMPARE(db.connection().userName(), QStringLiteral("ovo"));
    QCOMPARE(Database::find("lb"), &db);
    // The open connection keeps the driver it was opened with; the aliases
    // file is not read again for every statement that asks.
    folder.writeFile(QStringLiteral("Aliases.ini"), QStringLiteral("[LB]\nDRIVER=QPSQL\n"));
    QCOMPARE(db.driverName(), QStringLiteral("QSQLITE"));
    db.close();
    QVERIFY(!db.connected());
    QCOMPARE(db.driverName(), QStringLiteral("QPSQL"));
}

void TestDatabase::openFailures_data()
{
    QTest::addColumn<QString>("aliases");
    QTest::addColumn<QString>("message");
    QTest::newRow("alias missing") << "[OTHER]\nDRIVER=QSQLITE\n"
                                   << "Neznan vzdevek podatkovne baze: LB";
    QTest::newRow("database file missing") << "[LB]\nDRIVER=QSQLITE\nDATABASE=nothing.db\n"
                                           << "Datoteka podatkovne baze ne obstaja:";
    QTest::newRow("driver missing") << "[LB]\nDRIVER=QNOSUCH\nDATABASE=test.db\n"
                                    << "Gonilnik QNOSUCH ni na voljo.";
    // A file of 0 bytes is refused like a missing one, and nothing is written into it.
    QTest::newRow("database file empty") << "[LB]\nDRIVER=QSQLITE\nDATABASE=empty.db\n"
                                         << "Datoteka podatkovne baze je prazna:";
}

void TestDatabase::openFailures()
{
    QFETCH(QString, aliases);
    QFETCH(QString, message);
    TestProgramFolder folder(TestProgramFolder::Empty);
    folder.writeFile("Aliases.ini", aliases);
    folder.writeFile("empty.db", QString());
    Database db;
    try {
        db.open();
        QFAIL("opened");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
    }
    QVERIFY(!db.connected());
    QCOMPARE(QFileInfo(folder.file("empty.db")).size(), 0);
    QVERIFY(!QFileInfo::exists(folder.file("empty.db-wal")));
}

void TestDatabase::serverStatementsRunUnchanged_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("to_date us") << "SELECT TO_DATE('05/07/2004','mm/dd/yyyy') FROM dual"
                                << "2004-05-07";
    QTest::newRow("to_date us with time")
        << "SELECT TO_DATE('05/07/2004 13:05:09','mm/dd/yyyy hh24:mi:ss') FROM dual"
        << "2004-05-07 13:05:09";
    QTest::newRow("to_date slovene") << "SELECT TO_DATE('07.05.2004','dd.mm.yyyy') FROM dual"
                                     << "2004-05-07";
    QTest::newRow("to_date compares with a stored date")
        << "SELECT COUNT(*) FROM OBD WHERE TO_DATE('01/01/1900','mm/dd/yyyy') < '2004-01-01'"
        << "1";
    QTest::newRow("nvl of null") << "SELECT NVL(NULL, 'x') FROM dual"
                                 << "x";
    QTest::newRow("nvl of value") << "SELECT NVL(3, 5) FROM dual"
                                  << "3";
    QTest::newRow("coalesce") << "SELECT COALESCE(NULL, NULL, 7) FROM SYSIBM.SYSDUMMY1"
                              << "7";
    QTest::newRow("oracle sequence") << "SELECT TEST_SEQ.NEXTVAL FROM dual"
                                     << "10";
    QTest::newRow("db2 sequence") << "SELECT NEXT VALUE FOR TEST_SEQ FROM SYSIBM.SYSDUMMY1"
                                  << "10";
    QTest::newRow("db2 sequence with alias") << "SELECT NEXTVAL FOR TEST_SEQ AS NewId FROM SYSIBM.SYSDUMMY1"
                                             << "10";
    QTest::newRow("trunc of a date-time") << "SELECT TRUNC('2004-05-07 13:05:09') FROM dual"
                                          << "2004-05-07";
    QTest::newRow("trunc of a number") << "SELECT TRUNC(12.78) FROM dual"
                                       << "12";
    QTest::newRow("decode") << "SELECT DECODE('D', 'N', 'ne', 'D', 'da', 'drugo') FROM dual"
                            << "da";
    QTest::newRow("to_char of a date") << "SELECT TO_CHAR('2004-05-07', 'dd.mm.yyyy') FROM dual"
                                       << "07.05.2004";
    QTest::newRow("last_day") << "SELECT LAST_DAY('2004-02-10') FROM dual"
                              << "2004-02-29";
    QTest::newRow("add_months keeps month end") << "SELECT ADD_MONTHS('2004-01-31', 1) FROM dual"
                                                << "2004-02-29";
}

void TestDatabase::serverStatementsRunUnchanged()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    OVO_TRY(db.execute("CREATE TABLE OBD (DAN DATE)"));
    OVO_TRY(db.execute("INSERT INTO OBD VALUES ('2004-01-31')"));
    OVO_TRY(db.execute("CREATE SEQUENCE TEST_SEQ START WITH 10"));
    try {
        QSqlQuery q = db.execute(sql);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), expected);
    } catch (const EError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestDatabase::unknownSequenceFails()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db.execute("SELECT NO_SUCH_SEQ.NEXTVAL FROM dual"));
    OVO_TRY(db.execute("CREATE SEQUENCE S2"));
    QCOMPARE(db.nextSequenceValue("s2"), 1);
    QCOMPARE(db.nextSequenceValue("S2"), 2);
}

void TestDatabase::parametersAndRowsAffected()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    OVO_TRY(db.execute("CREATE TABLE T (A INTEGER, B VARCHAR(10), C DATE)"));
    Query insert;
    insert.setSql("INSERT INTO T (A, B, C) VALUES (:New, :COMPUTER, :Dan)");
    QCOMPARE(insert.params().size(), 3);
    for (int i = 1; i <= 3; ++i) {
        insert.setParam("New", i);
        insert.setParam("computer", "PC'1");
        insert.setParam("DAN", QDate(2004, 5, i));
        OVO_TRY(insert.execSql());
        QCOMPARE(insert.rowsAffected(), 1);
    }
    Query update;
    update.setSql("UPDATE T SET A = :New WHERE A >= :Old");
    update.setParam("New", 9);
    update.setParam("Old", 2);
    OVO_TRY(update.execSql());
    QCOMPARE(update.rowsAffected(), 2);
    Query read;
    read.setSql("SELECT B, C FROM T WHERE C = TO_DATE('05/01/2004','mm/dd/yyyy')");
    OVO_TRY(read.open());
    QCOMPARE(read.recordCount(), 1);
    QCOMPARE(read.fieldByName("b")->asString(), QStringLiteral("PC'1"));
    QCOMPARE(read.fieldByName("C")->value().toDate(), QDate(2004, 5, 1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, read.paramByName("Missing"));
}

void TestDatabase::transactions()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    OVO_TRY(db.execute("CREATE TABLE T (A INTEGER)"));
    db.startTransaction();
    OVO_TRY(db.execute("INSERT INTO T VALUES (1)"));
    db.rollback();
    db.startTransaction();
    OVO_TRY(db.execute("INSERT INTO T VALUES (2)"));
    db.commit();
    QSqlQuery q = db.execute("SELECT SUM(A), COUNT(*) FROM T");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toInt(), 1);
}

void TestDatabase::fieldDefinitions()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    OVO_TRY(
        db.execute("CREATE TABLE T (I INTEGER, S VARCHAR(30), F CHAR(5), N NUMERIC(15,2), K NUMERIC(10,0), "
                   "D DATE, TS TIMESTAMP, B BLOB)"));
    Query q;
    q.setSql("SELECT T.*, MAX(I) AS MAXID FROM T");
    OVO_TRY(q.open());
    const QList<FieldDef> defs = q.fieldDefs();
    QCOMPARE(defs.size(), 9);
    const QList<FieldType> types{FieldType::Integer,  FieldType::String,   FieldType::FixedChar,
                                 FieldType::Float,    FieldType::LargeInt, FieldType::Date,
                                 FieldType::DateTime, FieldType::Blob,     FieldType::String};
    for (int i = 0; i < types.size(); ++i)
        QVERIFY2(defs.at(i).type == types.at(i), qPrintable(defs.at(i).name));
    QCOMPARE(defs.at(1).size, 30);
    QCOMPARE(defs.at(8).name, QStringLiteral("MAXID"));
}

void TestDatabase::filteredTableAppends()
{
    TestProgramFolder folder;
    Database &db = folder.openDatabase();
    OVO_TRY(db.execute("INSERT INTO ACT (IdAct, SfAct) VALUES (5, '+')"));
    Table act;
    act.setTableName("ACT");
    act.setFilter("IdAct=0");
    act.setFiltered(true);
    OVO_TRY(act.open());
    QVERIFY(act.isEmpty());
    act.append();
    act.fieldByName("IdAct")->setValue(6);
    act.fieldByName("SfAct")->setValue("^");
    act.fieldByName("Cas")->setValue(QDateTime(QDate(2004, 5, 7), QTime(13, 5, 9)));
    OVO_TRY(act.post());
    QSqlQuery q = db.execute("SELECT SfAct, Cas FROM ACT WHERE IdAct = 6");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("^"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("2004-05-07 13:05:09"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, act.fieldByName("SfAct")->setValue("x"));
}

void TestDatabase::navigationBothWays()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    Database &db = folder.openDatabase();
    OVO_TRY(db.execute("CREATE TABLE T (A INTEGER)"));
    OVO_TRY(db.execute("INSERT INTO T VALUES (1), (2), (3)"));
    Query q;
    q.setSql("SELECT A FROM T ORDER BY A");
    OVO_TRY(q.open());
    q.last();
    QCOMPARE(q.fieldByName("A")->asInteger(), 3);
    q.prior();
    QCOMPARE(q.fieldByName("A")->asInteger(), 2);
    q.first();
    QVERIFY(q.bof());
    q.next();
    q.next();
    q.next();
    QVERIFY(q.eof());
    QCOMPARE(q.fieldByName("A")->asInteger(), 3);
    q.setUniDirectional(true);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, q.prior());
}

void TestDatabase::reportWithParametersCannotBeDeleted()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    Database &db = folder.openDatabase();
    QSqlQuery q = db.execute("SELECT MIN(ID_POROCILA) FROM POROCILA_PAR");
    QVERIFY(q.next());
    const QString id = q.value(0).toString();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db.execute("DELETE FROM POROCILA WHERE ID_POROCILA = " + id));
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
