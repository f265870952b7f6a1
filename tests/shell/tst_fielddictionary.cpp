#include "data/Query.h"
#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/FieldDictionary.h"
#include "tests/support/TestProgramFolder.h"

#include <QMap>
#include <QTest>

using Type = FieldDictionaryEntry::Type;

// The compiled-in dictionary and how it dresses the fields of a real query.
class TestFieldDictionary : public QObject
{
    Q_OBJECT

private slots:
    void compositionOfTheCompiledDictionary();
    void tellingEntries_data();
    void tellingEntries();
    void applyToQuery_data();
    void applyToQuery();
    void malformedText_data();
    void malformedText();
};

void TestFieldDictionary::compositionOfTheCompiledDictionary()
{
    const FieldDictionary fld;
    QCOMPARE(fld.count(), 685);
    QMap<Type, int> types;
    QMap<QString, int> formats;
    int labels = 0, widths = 0;
    for (const FieldDictionaryEntry &e : fld.entries()) {
        ++types[e.type];
        if (!e.displayFormat.isEmpty())
            ++formats[e.displayFormat];
        labels += e.displayLabel.isEmpty() ? 0 : 1;
        widths += e.displayWidth > 0 ? 1 : 0;
        // A format must belong to its entry's family, or no grid could use it.
        if (!e.displayFormat.isEmpty())
            QVERIFY2(e.isNumeric() || e.isDateTime(), qPrintable(e.fieldName));
        if (e.type == Type::Text)
            QVERIFY2(e.size > 0, qPrintable(e.fieldName));
    }
    const QMap<Type, int> expectedTypes{{Type::Float, 306},   {Type::Text, 212}, {Type::Integer, 80},
                                        {Type::SmallInt, 38}, {Type::Date, 36},  {Type::DateTime, 11},
                                        {Type::Memo, 2}};
    QCOMPARE(types, expectedTypes);
    QCOMPARE(labels, 612);
    QCOMPARE(widths, 517);
    const QMap<QString, int> expectedFormats{{"#,##0.00", 243},
                                             {"#,##0.00####", 26},
                                             {"#,##0.00######", 21},
                                             {"#,##0.##", 7},
                                             {",0.00", 6},
                                             {"hh:nn:ss", 2},
                                             {"dd.mm.yyyy", 2},
                                             {"#,##0.########", 1},
                                             {"#,##0.00000000", 1},
                                             {"##,##0.00", 1},
                                             {"0", 1},
                                             {"dd.mm.yyyy hh:mm:ss", 1},
                                             {"hh:mm dd.mm.yyyy", 1}};
    QCOMPARE(formats, expectedFormats);
    // The first and the last name, as a check that the order is the dictionary's.
    QCOMPARE(fld.entries().first().fieldName, QStringLiteral("IdAct"));
    QCOMPARE(fld.entries().last().fieldName, QStringLiteral("SfBrkSpr"));
}

void TestFieldDictionary::tellingEntries_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("size");

    QTest::newRow("IdAct") << "IdAct"
                           << "IdAct" << int(Type::Integer) << "Transakcija ID" << 10 << "" << 0;
    QTest::newRow("SfAct") << "SFACT"
                           << "SfAct" << int(Type::Text) << "Vrsta transakcije" << 10 << "" << 1;
    QTest::newRow("Cas") << "cas"
                         << "Cas" << int(Type::DateTime) << "Čas posla" << 10 << "hh:nn:ss" << 0;
    QTest::newRow("Cen without a width")
        << "Cen"
        << "Cen" << int(Type::Float) << "Cena storitve" << 0 << "#,##0.00" << 0;
    QTest::newRow("Lot") << "LOT"
                         << "Lot" << int(Type::Float) << "St.Lotov" << 15 << "#,##0.########" << 0;
    QTest::newRow("IdPog") << "IDPOG"
                           << "IdPog" << int(Type::Integer) << "Pogodba" << 20 << "" << 0;
    QTest::newRow("Nzv") << "nzv"
                         << "Nzv" << int(Type::Text) << "Naziv" << 30 << "" << 80;
    QTest::newRow("SfDjv") << "SfDjv"
                           << "SfDjv" << int(Type::Text) << "Dejavnost" << 30 << "" << 1;
    QTest::newRow("SfOrg") << "SFORG"
                           << "SfOrg" << int(Type::SmallInt) << "Org.enota" << 15 << "" << 0;
    // The label is spelled as the installed dictionary has it.
    QTest::newRow("Mts") << "Mts"
                         << "Mts" << int(Type::Text) << "Matiena št." << 15 << "" << 15;
    QTest::newRow("Pst") << "PST"
                         << "Pst" << int(Type::Text) << "Pošta" << 10 << "" << 10;
    QTest::newRow("KrtKDD") << "krtkdd"
                            << "KrtKDD" << int(Type::Text) << "Šifra KDD" << 10 << "" << 10;
    QTest::newRow("Dan without a label") << "DAN"
                                         << "Dan" << int(Type::Date) << "" << 10 << "" << 0;
}

void TestFieldDictionary::tellingEntries()
{
    QFETCH(QString, lookup);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, label);
    QFETCH(int, width);
    QFETCH(QString, format);
    QFETCH(int, size);

    static const FieldDictionary fld;
    const FieldDictionaryEntry *e = fld.find(lookup);
    QVERIFY(e);
    QCOMPARE(e->fieldName, name);
    QCOMPARE(int(e->type), type);
    QCOMPARE(e->displayLabel, label);
    QCOMPARE(e->displayWidth, width);
    QCOMPARE(e->displayFormat, format);
    QCOMPARE(e->size, size);
}

void TestFieldDictionary::applyToQuery_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("shown");

    QTest::newRow("integer key in upper case") << "IDPOG"
                                               << "Pogodba" << 20 << ""
                                               << "1042";
    QTest::newRow("date keeps its own format, headed by the name") << "DAN"
                                                                   << "Dan" << 10 << ""
                                                                   << "7.5.2004";
    QTest::newRow("float with thousands and decimal comma") << "CEN"
                                                            << "Cena storitve" << 7 << "#,##0.00"
                                                            << "1.234,50";
    QTest::newRow("date-time takes a time format") << "CAS"
                                                   << "Čas posla" << 10 << "hh:nn:ss"
                                                   << "14:05:09";
    QTest::newRow("integer with the bare format") << "STDNI"
                                                  << "Št. dni" << 10 << "0"
                                                  << "30";
    // A numeric column whose entry is text gets the heading but keeps its format.
    QTest::newRow("type mismatch keeps own format") << "SFDJV"
                                                    << "Dejavnost" << 30 << "0.0"
                                                    << "2,5";
    QTest::newRow("text field keeps its format") << "NZV"
                                                 << "Naziv" << 30 << ""
                                                 << "Novak";
    QTest::newRow("column not in the dictionary") << "XYZ"
                                                  << "Moj naslov" << 7 << ""
                                                  << "x";
}

void TestFieldDictionary::applyToQuery()
{
    QFETCH(QString, field);
    QFETCH(QString, heading);
    QFETCH(int, width);
    QFETCH(QString, format);
    QFETCH(QString, shown);

    TestProgramFolder folder(TestProgramFolder::Empty);
    TD d({QStringLiteral("host")}, false);
    QVERIFY(d.OpenDatabase(QStringLiteral("ovo"), QStringLiteral("ovo")));
    d.DB.executeScript(QStringLiteral(
        "CREATE TABLE T (IDPOG INTEGER, DAN DATE, CEN NUMERIC(18,2), CAS TIMESTAMP, STDNI INTEGER, "
        "SFDJV NUMERIC(18,2), NZV VARCHAR(80), XYZ VARCHAR(10));"
        "INSERT INTO T VALUES (1042, '2004-05-07', 1234.5, '2004-05-07 14:05:09', 30, 2.5, 'Novak', 'x');"));

    Query q;
    q.setSql(QStringLiteral("SELECT * FROM T"));
    OVO_TRY(q.open());
    // What a window set before dressing: only fields without an entry, or
    // entries without a width or a usable format, keep it.
    for (Field *f : q.fields()) {
        f->setDisplayWidth(7);
        if (f->fieldName() == QLatin1String("XYZ"))
            f->setDisplayLabel(QStringLiteral("Moj naslov"));
        if (f->fieldName() == QLatin1String("SFDJV"))
            f->setDisplayFormat(QStringLiteral("0.0"));
    }
    d.ApplyFieldDictionary(q);

    const Field *f = q.fieldByName(field);
    QCOMPARE(f->displayLabel(), heading);
    QCOMPARE(f->displayWidth(), width);
    QCOMPARE(f->displayFormat(), format);
    QCOMPARE(f->displayText(), shown);
}

void TestFieldDictionary::malformedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing column") << "# header\nIdPog\tinteger\tPogodba\t20\t\t\tR"
                                    << "Slovar polj, vrstica 2: pričakovanih 8 stolpcev, najdenih 7.";
    QTest::newRow("unknown type") << "IdPog\tnumber\tPogodba\t20\t\t\t\tR"
                                  << "Slovar polj, vrstica 1: neznan tip 'number'.";
    QTest::newRow("width not a number") << "IdPog\tinteger\tPogodba\tx\t\t\t\tR"
                                        << "Slovar polj, vrstica 1: 'x' ni veljavno število.";
    QTest::newRow("unknown alignment") << "IdPog\tinteger\tPogodba\t20\t\t\t\tX"
                                       << "Slovar polj, vrstica 1: neznana poravnava 'X'.";
    QTest::newRow("same name in another case")
        << "IdPog\tinteger\tPogodba\t20\t\t\t\tR\n\nIDPOG\tinteger\t\t\t\t\t\tR"
        << "Slovar polj, vrstica 3: polje IDPOG je že v slovarju.";
}

void TestFieldDictionary::malformedText()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        FieldDictionary::fromText(text);
        QFAIL("no error");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), message);
    }
}

QTEST_MAIN(TestFieldDictionary)
#include "tst_fielddictionary.moc"
