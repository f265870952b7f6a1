#include "data/FQuery.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QSqlQuery>
#include <QTest>

// Stands for a window that declared its fields and keeps pointers to them.
struct Window
{
    TFQuery query;
    Field *qAmount = nullptr;
    Field *qName = nullptr;

    void declare(FieldType amountType)
    {
        auto amount = std::make_unique<Field>("AMOUNT", amountType);
        amount->setObjectName("qAmount");
        amount->setDisplayLabel("Znesek");
        amount->setDisplayWidth(12);
        amount->setDisplayFormat("#,##0.00");
        amount->setReadOnly(true);
        query.addField(std::move(amount), &qAmount);
        query.addField(std::make_unique<Field>("name", FieldType::String, 40), &qName);
    }
};

class TestFQuery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void repairsDeclaredType();
    void plainQueryRefusesMismatch();
    void nameCaseKeptOutsideMssql();
    void missingColumnIsReported();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestFQuery::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Empty);
    Database &db = m_folder->openDatabase();
    db.execute("CREATE TABLE T (AMOUNT INTEGER, NAME VARCHAR(40))");
    db.execute("INSERT INTO T VALUES (1234, 'Novak'), (7, 'Kos')");
}

void TestFQuery::cleanupTestCase()
{
    m_folder.reset();
}

void TestFQuery::repairsDeclaredType()
{
    Window w;
    w.declare(FieldType::Float);
    w.query.setSql("SELECT Amount, Name FROM T ORDER BY AMOUNT DESC");
    Field *declared = w.qAmount;
    OVO_TRY(w.query.open());
    QVERIFY(w.qAmount != declared); // replaced, and the window's pointer follows
    QCOMPARE(w.qAmount->dataType(), FieldType::Integer);
    QCOMPARE(w.qAmount->index(), 0);
    QCOMPARE(w.qAmount->objectName(), QStringLiteral("qAmount"));
    QCOMPARE(w.qAmount->displayLabel(), QStringLiteral("Znesek"));
    QCOMPARE(w.qAmount->displayWidth(), 12);
    QVERIFY(w.qAmount->readOnly());
    QCOMPARE(w.qAmount->displayText(), QStringLiteral("1.234,00"));
    QCOMPARE(w.qName->asString(), QStringLiteral("Novak"));
    // Both directions.
    w.query.last();
    w.query.prior();
    QCOMPARE(w.qAmount->asInteger(), 1234);

    // Reopening finds matching types and keeps the same field.
    Field *repaired = w.qAmount;
    OVO_TRY(w.query.open());
    QCOMPARE(w.qAmount, repaired);
}

void TestFQuery::plainQueryRefusesMismatch()
{
    TUniQuery plain;
    Field *amount = nullptr;
    plain.addField(std::make_unique<Field>("AMOUNT", FieldType::Float), &amount);
    plain.setSql("SELECT AMOUNT FROM T");
    try {
        plain.open();
        QFAIL("opened");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(),
                 QStringLiteral("Neujemanje tipa polja AMOUNT: pričakovan Float, dejanski Integer."));
    }
}

void TestFQuery::nameCaseKeptOutsideMssql()
{
    Window w;
    w.declare(FieldType::Integer);
    w.query.setSql("SELECT AMOUNT, NAME FROM T");
    OVO_TRY(w.query.open());
    QCOMPARE(w.query.driverName(), QStringLiteral("QSQLITE"));
    QCOMPARE(w.qName->fieldName(), QStringLiteral("name"));
    QCOMPARE(w.qName->asString(), QStringLiteral("Novak"));
}

void TestFQuery::missingColumnIsReported()
{
    Window w;
    w.declare(FieldType::Integer);
    w.query.setSql("SELECT AMOUNT FROM T");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, w.query.open());
}

QTEST_GUILESS_MAIN(TestFQuery)
#include "tst_fquery.moc"
