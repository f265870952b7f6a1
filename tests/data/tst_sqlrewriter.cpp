#include "data/DateText.h"
#include "data/SqlLexer.h"
#include "data/SqlRewriter.h"

#include <QTest>

class TestSqlRewriter : public QObject
{
    Q_OBJECT
private slots:
    void rewrite_data();
    void rewrite();
    void serverDriverKeepsDialect();
    void parameterNames();
    void splitStatements();
    void dateFormats_data();
    void dateFormats();
};

void TestSqlRewriter::rewrite_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("parameters");

    QTest::newRow("oracle nextval from dual") << "SELECT ACT_IDACT_SEQ.NEXTVAL FROM dual"
                                              << "SELECT 41 FROM (SELECT 'X' AS DUMMY)" << QStringList();
    QTest::newRow("oracle nextval with alias")
        << "SELECT S1.NEXTVAL AS NewId FROM dual"
        << "SELECT 41 AS NewId FROM (SELECT 'X' AS DUMMY)" << QStringList();
    QTest::newRow("db2 next value for") << "SELECT NEXT VALUE FOR ACT_IDACT_SEQ FROM SYSIBM.SYSDUMMY1"
                                        << "SELECT 41 FROM (SELECT 'Y' AS IBMREQD)" << QStringList();
    QTest::newRow("db2 nextval for with alias")
        << "SELECT NEXTVAL FOR S1 AS NewId FROM SYSIBM.SYSDUMMY1"
        << "SELECT 41 AS NewId FROM (SELECT 'Y' AS IBMREQD)" << QStringList();
    QTest::newRow("literal that looks like a sequence stays")
        << "SELECT 'X.NEXTVAL FROM dual' FROM T"
        << "SELECT 'X.NEXTVAL FROM dual' FROM T" << QStringList();
    QTest::newRow("comment untouched") << "SELECT 1 -- SYSDATE\nFROM T"
                                       << "SELECT 1 -- SYSDATE\nFROM T" << QStringList();
    QTest::newRow("sysdate becomes a call")
        << "update prevod_forme set dt_change=SYSDATE where id_prevoda=1"
        << "update prevod_forme set dt_change=SYSDATE() where id_prevoda=1" << QStringList();
    QTest::newRow("db2 current date")
        << "SELECT CURRENT DATE FROM SYSIBM.SYSDUMMY1"
        << "SELECT TRUNC(SYSDATE()) FROM (SELECT 'Y' AS IBMREQD)" << QStringList();
    QTest::newRow("named parameters become markers")
        << "UPDATE ID SET IdX = :New WHERE Id = 1 AND IdX = :Old"
        << "UPDATE ID SET IdX = ? WHERE Id = 1 AND IdX = ?" << QStringList{"New", "Old"};
    QTest::newRow("colon inside a time literal is no parameter")
        << "SELECT TO_DATE('05/07/2004 13:05:09','mm/dd/yyyy hh24:mi:ss') FROM T WHERE C=:COMPUTER"
        << "SELECT TO_DATE('05/07/2004 13:05:09','mm/dd/yyyy hh24:mi:ss') FROM T WHERE C=?"
        << QStringList{"COMPUTER"};
    QTest::newRow("cast is no parameter") << "SELECT x::text FROM T"
                                          << "SELECT x::text FROM T" << QStringList();
    QTest::newRow("create sequence")
        << "CREATE SEQUENCE rpthst_seq START WITH 100 INCREMENT BY 5"
        << "INSERT INTO OVO_SEQUENCES (NAME, VALUE, INCREMENT) VALUES ('RPTHST_SEQ', 95, 5)" << QStringList();
    QTest::newRow("drop sequence") << "DROP SEQUENCE x"
                                   << "DELETE FROM OVO_SEQUENCES WHERE NAME = 'X'" << QStringList();
}

void TestSqlRewriter::rewrite()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QFETCH(QStringList, parameters);
    const auto result = SqlRewriter::rewrite(sql, true, [](const QString &) { return qint64(41); });
    QCOMPARE(result.text, expected);
    QCOMPARE(result.parameterNames, parameters);
}

void TestSqlRewriter::serverDriverKeepsDialect()
{
    const auto result = SqlRewriter::rewrite("SELECT S.NEXTVAL FROM dual WHERE a=:A", false);
    QCOMPARE(result.text, QStringLiteral("SELECT S.NEXTVAL FROM dual WHERE a=?"));
}

void TestSqlRewriter::parameterNames()
{
    QCOMPARE(SqlRewriter::parameterNames("SELECT * FROM T WHERE A=:a AND B=':b' AND C=:a"),
             (QStringList{"a", "a"}));
}

void TestSqlRewriter::splitStatements()
{
    const QStringList statements = SqlLexer::splitStatements(
        "INSERT INTO T VALUES ('a;b');\n-- only a comment;\n\nUPDATE T SET X=1 /* ; */ ;  ;");
    // The ';' inside the comment does not end a statement, so the comment leads the update.
    QCOMPARE(statements.size(), 2);
    QCOMPARE(statements.at(0), QStringLiteral("INSERT INTO T VALUES ('a;b')"));
    QCOMPARE(statements.at(1), QStringLiteral("-- only a comment;\n\nUPDATE T SET X=1 /* ; */"));
}

void TestSqlRewriter::dateFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("us date") << "05/07/2004"
                             << "mm/dd/yyyy"
                             << "2004-05-07";
    QTest::newRow("us date and time") << "05/07/2004 13:05:09"
                                      << "mm/dd/yyyy hh24:mi:ss"
                                      << "2004-05-07 13:05:09";
    QTest::newRow("midnight equals the date") << "05/07/2004 00:00:00"
                                              << "mm/dd/yyyy hh24:mi:ss"
                                              << "2004-05-07";
    QTest::newRow("slovene date") << "7.5.2004"
                                  << "dd.mm.yyyy"
                                  << "2004-05-07";
    QTest::newRow("month 13") << "13/07/2004"
                              << "mm/dd/yyyy"
                              << "";
    QTest::newRow("31 February") << "31.02.2004"
                                 << "dd.mm.yyyy"
                                 << "";
    QTest::newRow("trailing text") << "05/07/2004x"
                                   << "mm/dd/yyyy"
                                   << "";
}

void TestSqlRewriter::dateFormats()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QString, stored);
    const QDateTime value = DateText::parseWithFormat(text, format);
    QCOMPARE(DateText::fromDateTime(value), stored);
}

QTEST_GUILESS_MAIN(TestSqlRewriter)
#include "tst_sqlrewriter.moc"
