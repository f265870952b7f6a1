#include "shell/DbShortcuts.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QComboBox>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

class TestDbShortcuts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { DialogHook::clearShown(); }
    void lookups();
    void openSelectLogsItsError();
    void updateColumn();
    void fillCombo();
    void queryToLines();
    void nextKey();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestDbShortcuts::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Empty);
    Database &db = m_folder->openDatabase();
    db.execute("CREATE TABLE T (ID INTEGER, NAME VARCHAR(20), DAN DATE, OPIS VARCHAR(40))");
    db.execute("INSERT INTO T VALUES (1, 'Novak', '2004-05-07', 'a\r\nb'), (2, 'Kos', '2006-01-31', NULL)");
    db.execute("CREATE TABLE s_kljuci (idkljuc VARCHAR(30), stevec INTEGER, Tip VARCHAR(1), Viden INTEGER, "
               "Predpona VARCHAR(10), Pripona VARCHAR(10))");
}

void TestDbShortcuts::cleanupTestCase()
{
    m_folder.reset();
}

void TestDbShortcuts::lookups()
{
    QCOMPARE(LookupString("LB", "T", "NAME", "ID=2"), QStringLiteral("Kos"));
    QCOMPARE(LookupString("LB", "T", "NAME", "ID=9"), QString());
    QCOMPARE(LookupString("LB", "T", "NAME", ""), QStringLiteral("Novak")); // first row
    QCOMPARE(LookupInteger("LB", "T", "ID", "NAME='Kos'"), 2);
    QCOMPARE(LookupInteger("LB", "T", "ID", "NAME='nobody'"), 0);
    QCOMPARE(LookupIntegerOf("LB", "T", "MAXID", "MAX(ID) AS MAXID", ""), 2);
    QCOMPARE(LookupDateTime("LB", "T", "DAN", "ID=1").date(), QDate(2004, 5, 7));
    QCOMPARE(MaxDate("LB", "T", "DAN", "").date(), QDate(2006, 1, 31));
    QCOMPARE(MinDate("LB", "T", "DAN", "").date(), QDate(2004, 5, 7));
    QVERIFY(!MaxDate("LB", "T", "DAN", "ID=9").isValid());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, LookupString("LB", "NO_TABLE", "X", ""));
}

void TestDbShortcuts::openSelectLogsItsError()
{
    QVERIFY(OpenSelect("ID", "T", "ID=1"));
    QVERIFY(!OpenSelect("ID", "NO_TABLE", ""));
    QCOMPARE(DialogHook::shown().size(), 1);
    QVERIFY(m_folder->readFile("Crerror.log").contains("NO_TABLE"));
}

void TestDbShortcuts::updateColumn()
{
    QVERIFY(UpdateColumn("T", "OPIS", "x", "ID=2", true));
    QCOMPARE(LookupString("LB", "T", "OPIS", "ID=2"), QStringLiteral("x"));
    QVERIFY(!UpdateColumn("T", "NO_COLUMN", "1", "ID=2", false));
    QCOMPARE(DialogHook::shown().size(), 1);
    UpdateColumn("T", "OPIS", "", "ID=2", true);
    // The statement logs hold the users' data: only their owner reads them.
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    for (const char *log : {"Log/Query.log", "Log/Modify.log"}) {
        QVERIFY2(QFile::exists(m_folder->file(log)), log);
        QCOMPARE(QFile::permissions(m_folder->file(log)) & others, QFile::Permissions());
    }
}

void TestDbShortcuts::fillCombo()
{
    QComboBox combo;
    FillComboFromTable(&combo, "T", "ID", "NAME", "NAME", "");
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("Kos"));
    QCOMPARE(combo.itemData(0).toString(), QStringLiteral("2"));
}

void TestDbShortcuts::queryToLines()
{
    auto q = OpenQueryOrdered("LB", "T", "ID, OPIS", "ID=1", "ID");
    const auto lines = QueryToLines(*q, ";", true);
    QVERIFY(lines);
    QCOMPARE(*lines, (QStringList{"ID;OPIS", "1;a b"}));
    auto empty = OpenQuery("LB", "T", "ID", "ID=9");
    QVERIFY(!QueryToLines(*empty, ";", false));
}

void TestDbShortcuts::nextKey()
{
    QCOMPARE(NextKey("racun", true), QStringLiteral("1"));
    QCOMPARE(LookupInteger("LB", "s_kljuci", "stevec", "idkljuc='racun'"), 2);
    QCOMPARE(NextKey("racun", true), QStringLiteral("2"));
    QCOMPARE(NextKey("racun", false), QStringLiteral("3"));
    QCOMPARE(NextKey("racun", false), QStringLiteral("3"));
    QCOMPARE(NextKey("dobropis", false), QStringLiteral("1"));
    QCOMPARE(LookupInteger("LB", "s_kljuci", "stevec", "idkljuc='dobropis'"), 1);
    UpdateColumn("s_kljuci", "Predpona", "R-", "idkljuc='racun'", true);
    UpdateColumn("s_kljuci", "Pripona", "/26", "idkljuc='racun'", true);
    QCOMPARE(NextKey("racun", true), QStringLiteral("R-3/26"));
    // A name with an apostrophe stays a value.
    QCOMPARE(NextKey("o'hara", true), QStringLiteral("1"));
    QCOMPARE(NextKey("o'hara", true), QStringLiteral("2"));
}

QTEST_MAIN(TestDbShortcuts)
#include "tst_dbshortcuts.moc"
