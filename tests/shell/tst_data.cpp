#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "tests/support/TestProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {
const QStringList demoSwitches{"porocila", "/LOG",     "ADMIN", "ovo",    "ovo",
                               "/PRG",     "POROCILA", "/CR",   "ORACLE", "LB"};

QStringList withUser(const QString &user)
{
    QStringList args = demoSwitches;
    args[2] = user;
    return args;
}

QString scalar(Database &db, const QString &sql)
{
    QSqlQuery q = db.execute(sql);
    return q.next() ? q.value(0).toString() : QString();
}

// Readable and writable by its owner, by nobody else.
bool ownerOnly(const QString &file)
{
    const QFile::Permissions p = QFile::permissions(file);
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    return p.testFlags(QFile::ReadOwner | QFile::WriteOwner) && !(p & others);
}

void setTime(const QString &file, const QDateTime &time)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(time, QFileDevice::FileModificationTime));
}
} // namespace

class TestData : public QObject
{
    Q_OBJECT
private slots:
    void init() { DialogHook::clearShown(); }
    void switches_data();
    void switches();
    void incompleteSwitches_data();
    void incompleteSwitches();
    void failedOpenHidesPassword();
    void notAnExeReadsNoSwitches();
    void traceAndSteps();
    void badTraceLevel();
    void settingsFiles();
    void entryRight_data();
    void entryRight();
    void entryRightUndefined();
    void deniedAndNotAllowed();
    void userFullName_data();
    void userFullName();
    void idsFromSequences();
    void idsFromTable();
    void idErrors();
    void activityLog();
    void activityLogWithoutComputerColumn();
    void reportFilesFromServer();
    void signaturesAndCaptions();
};

void TestData::switches_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>(
        "expected"); // user, dbuser, dbpass, program, driver, server, database, dialect

    QTest::newRow("upper-case switches")
        << demoSwitches << QStringList{"ADMIN", "ovo", "ovo", "POROCILA", "ORACLE", "LB", "", "ORACLE"};
    QTest::newRow("lower and mixed case switches")
        << QStringList{"p", "/log", "ADMIN", "u", "pw", "/Prg", "X", "/cR", "ORA", "SRV"}
        << QStringList{"ADMIN", "u", "pw", "X", "ORA", "SRV", "", "ORACLE"};
    QTest::newRow("odbc form with server")
        << QStringList{"p",   "/LOG", "ADMIN", "u",    "pw",     "/PRG", "X",
                       "/CR", "IBM",  "DB2",   "ODBC", "DRIVER", "DBSRV"}
        << QStringList{"ADMIN", "u", "pw", "X", "IBM DB2 ODBC DRIVER", "DBSRV", "DBSRV", "DB2"};
    QTest::newRow("odbc form without server")
        << QStringList{"p", "/LOG", "ADMIN", "u", "pw", "/PRG", "X", "/CR", "IBM", "DB2", "ODBC", "DRIVER"}
        << QStringList{"ADMIN", "u", "pw", "X", "IBM DB2 ODBC DRIVER", "DB2", "DB2", "DB2"};
    // The odbc words are case-sensitive, and "ibm" contains no DB2.
    QTest::newRow("odbc words in lower case")
        << QStringList{"p", "/LOG", "ADMIN", "u", "pw", "/PRG", "X", "/CR", "ibm", "db2", "odbc", "x", "y"}
        << QStringList{"ADMIN", "u", "pw", "X", "ibm", "db2", "", "ORACLE"};
    QTest::newRow("driver containing DB2")
        << QStringList{"p", "/LOG", "ADMIN", "u", "pw", "/PRG", "X", "/CR", "MYDB2DRV", "SRV"}
        << QStringList{"ADMIN", "u", "pw", "X", "MYDB2DRV", "SRV", "SRV", "DB2"};
    // Values are not consumed: /PRG is both the user and the identification switch.
    QTest::newRow("a value that is a switch")
        << QStringList{"p", "/LOG", "/PRG", "X", "pw", "/CR", "ORA", "SRV"}
        << QStringList{"/PRG", "X", "pw", "X", "ORA", "SRV", "", "ORACLE"};
}

void TestData::switches()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    TestProgramFolder folder(TestProgramFolder::Demo);
    std::unique_ptr<TD> d;
    OVO_TRY(d = std::make_unique<TD>(args, true));
    const QStringList actual{d->User,      d->DbUser,    d->DbPassword,  d->ProgramId,
                             d->RpeDriver, d->RpeServer, d->RpeDatabase, d->Dialect};
    QCOMPARE(actual, expected);
    QVERIFY(d->DB.connected());
    QCOMPARE(D, d.get());
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestData::incompleteSwitches_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("lines");  // the three lines after the usage text
    QTest::addColumn<QString>("logged"); // the line of Mavlit.log: the password hidden
    QTest::newRow("no arguments") << QStringList{"porocila"} << "DRIVER=\rSERVERNAME=\rDATABASE="
                                  << "porocila";
    QTest::newRow("driver without server")
        << QStringList{"p", "/LOG", "A", "u", "pw", "/PRG", "X", "/CR", "ORA"}
        << "DRIVER=ORA\rSERVERNAME=\rDATABASE="
        << "p /LOG A u ******** /PRG X /CR ORA";
    QTest::newRow("password missing") << QStringList{"p", "/PRG", "X", "/CR", "ORA", "SRV", "/LOG", "A", "u"}
                                      << "DRIVER=ORA\rSERVERNAME=SRV\rDATABASE="
                                      << "p /PRG X /CR ORA SRV /LOG A u";
    QTest::newRow("program missing, switch in lower case")
        << QStringList{"p", "/log", "A", "u", "Zelo skrivno", "/CR", "MYDB2", "SRV"}
        << "DRIVER=MYDB2\rSERVERNAME=SRV\rDATABASE=SRV"
        << "p /log A u ******** /CR MYDB2 SRV";
}

void TestData::incompleteSwitches()
{
    QFETCH(QStringList, args);
    QFETCH(QString, lines);
    QFETCH(QString, logged);
    TestProgramFolder folder;
    try {
        TD d(args, true);
        QFAIL("created");
    } catch (const EProcessExit &e) {
        QCOMPARE(e.exitCode(), 0);
    }
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().at(0).caption, QStringLiteral("Napaka"));
    QCOMPARE(DialogHook::shown().at(0).text,
             QStringLiteral(
                 "Program je treba startati s parametri /LOG UPORABNIK DBUSER DBPASS /PRG IDENTSTRING /CR "
                 "DRIVERNAME SERVERNAME [/AUTO /IDREPORT IdReport] [/DAN Datum] [/DJV Dejavnosti] \r") +
                 lines);
    QCOMPARE(folder.readFile("Log/Mavlit.log"), logged + '\n');
    QVERIFY(ownerOnly(folder.file("Log/Mavlit.log")));
    QCOMPARE(D, nullptr);
}

void TestData::failedOpenHidesPassword()
{
    TestProgramFolder folder;
    folder.writeFile("Aliases.ini", "[LB]\nDRIVER=QSQLITE\nDATABASE=missing.db\n");
    folder.writeFile("RpeConf.ini", "[RPEPRINT]\nLOG=1\n");
    try {
        TD d({"p", "/LOG", "ADMIN", "ovo", "Zelo$krivno", "/PRG", "X", "/CR", "ORA", "SRV"}, true);
        QFAIL("created");
    } catch (const EProcessExit &e) {
        QCOMPARE(e.exitCode(), 0);
    }
    const QString trace = folder.readFile("Crprint.log");
    QVERIFY(trace.startsWith("d1\nd2\nd3\nd4\nob1\nob2\n0b3\n"));
    QVERIFY(trace.contains("ovo"));
    QVERIFY(!trace.contains("Zelo$krivno"));
    QVERIFY(!folder.readFile("Crerror.log").contains("Zelo$krivno"));
    QVERIFY(folder.readFile("Crerror.log").contains("missing.db"));
    QCOMPARE(DialogHook::shown().size(), 1);
    QVERIFY(DialogHook::shown().at(0).text.startsWith(
        "Napaka pri odpiranju podatkovne povezave: \r\r\rDatoteka"));
}

void TestData::notAnExeReadsNoSwitches()
{
    TestProgramFolder folder;
    TD d({"host"}, false);
    QVERIFY(!d.IsExe);
    QVERIFY(!d.DB.connected());
    QVERIFY(d.User.isEmpty());
    QCOMPARE(d.Dialect, QStringLiteral("ORACLE"));
    QCOMPARE(d.EngineVersion, QStringLiteral("8.5"));
    QVERIFY(!d.FileVersion.isEmpty());
    QCOMPARE(d.ReportDir, folder.file("Report/"));
    QCOMPARE(d.TodayText, QDate::currentDate().toString("dd.MM.yyyy"));
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestData::traceAndSteps()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    // Blanks around a value do not change it.
    folder.writeFile("RpeConf.ini", "[RPEPRINT]\nSPOROCILA=1 \nLOG= 2\n");
    TD d(demoSwitches, true);
    QVERIFY(d.ShowSteps);
    QCOMPARE(d.TraceLevel, 2);
    QCOMPARE(folder.readFile("Crprint.log"),
             QStringLiteral("d1\nd2\nd3\nd4\nob1\nob2\n0b3\nob3a\nob4\nob5\n"));
    QStringList boxes;
    for (const ShownDialog &s : DialogHook::shown())
        boxes.append(s.text);
    QCOMPARE(boxes, (QStringList{"Data.Create", "Data.Odpribazo", "Data.Odpribazo", "Data.Create"}));
}

void TestData::badTraceLevel()
{
    TestProgramFolder folder;
    folder.writeFile("RpeConf.ini", "[RPEPRINT]\nLOG=veliko\n");
    QVERIFY_THROWS_EXCEPTION(EConvertError, TD({"p"}, false));
}

void TestData::settingsFiles()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.writeFile("Mavlit.ini", "[EMAIL]\nLOG=D\n[FORCESERVER]\nCUSTOMSERVER=YES\nSERVERNAME=PROD\n");
    folder.writeFile("Mavlit85test.ini", "[FORCESERVER]\nCUSTOMSERVER=yes\nSERVERNAME=TEST\n");
    {
        TD d(demoSwitches, true);
        QVERIFY(d.MailLog);
        QCOMPARE(d.RpeServer, QStringLiteral("PROD"));
        QCOMPARE(d.RpeDatabase, QString());
    }
    QStringList test = demoSwitches;
    test.append("/test");
    TD d(test, true);
    QCOMPARE(d.SettingsFile, folder.file("Mavlit85test.ini"));
    QVERIFY(!d.MailLog);
    QCOMPARE(d.RpeServer, QStringLiteral("LB")); // lower-case yes is not honoured
}

void TestData::entryRight_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("granted to the user") << "ADMIN" << true;
    QTest::newRow("granted through a group") << "JANEZ" << true;
    QTest::newRow("not granted") << "MOJCA" << false;
    QTest::newRow("user unknown") << "NEZNAN" << false;
}

void TestData::entryRight()
{
    QFETCH(QString, user);
    QFETCH(bool, allowed);
    TestProgramFolder folder(TestProgramFolder::Demo);
    TD d(withUser(user), true);
    QCOMPARE(d.HasEntryRight(), allowed);
    QCOMPARE(DialogHook::shown().isEmpty(), allowed);
    if (!allowed)
        QCOMPARE(DialogHook::shown().at(0).text, QStringLiteral("Ni pravice za vnos (Porocila vnos)."));
}

void TestData::entryRightUndefined()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.openDatabase().execute("DELETE FROM GRPRGT WHERE SFRGT='090'");
    folder.openDatabase().execute("DELETE FROM RGT WHERE SFRGT='090'");
    folder.openDatabase().execute("DELETE FROM SFRGT WHERE SFRGT='090'");
    TD d(withUser("MOJCA"), true);
    QVERIFY(d.HasEntryRight());
}

void TestData::deniedAndNotAllowed()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.writeFile("Report.ini", "[REPORT]\nNOT_ALLOWED=;12;40;\n");
    // The same report denied twice is listed once.
    folder.openDatabase().execute("INSERT INTO RGTGRPDATA (IDGRP, SFRGT, IDDATA) VALUES (2, '220', '9')");
    TD d(withUser("MOJCA"), true);
    QCOMPARE(d.DeniedReports, (QStringList{"9", "10"}));
    QCOMPARE(d.NotAllowed, QStringLiteral(";12;40;"));
    for (const char *id : {"12", "40", "9", "10"})
        QVERIFY2(!d.IsReportAllowed(id), id);
    for (const char *id : {"4", "120", "1"})
        QVERIFY2(d.IsReportAllowed(id), id);
    QVERIFY(folder.readFile("Report.ini").contains("NOT_ALLOWED=\n"));
}

void TestData::userFullName_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("name");
    QTest::newRow("person with both names") << "ADMIN"
                                            << "Marko Zupančič";
    QTest::newRow("user without person") << "GOST"
                                         << "";
    QTest::newRow("no user row") << "NEZNAN"
                                 << "";
    QTest::newRow("empty surname") << "MOJCA"
                                   << "Mojca";
}

void TestData::userFullName()
{
    QFETCH(QString, user);
    QFETCH(QString, name);
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.openDatabase().execute("UPDATE OSB SET NZV = NULL WHERE SFOSB = 4");
    TD d(withUser(user), true);
    QCOMPARE(d.UserFullName, name);
}

void TestData::idsFromSequences()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    TD d(demoSwitches, true);
    QVERIFY(d.Sequences.contains("IDRPTHST"));
    QCOMPARE(d.Sequences.value("IDRPTHST").SeqName, QStringLiteral("RPTHST_SEQ"));
    QCOMPARE(d.GetNewId("idrpthst"), 1);
    QCOMPARE(d.GetNewId("IdRptHst"), 2);
    QCOMPARE(d.GetNewId("IdAct"), 1);
    d.Dialect = "DB2";
    QCOMPARE(d.GetNewId("IdAct"), 2);
    QCOMPARE(d.GetNewId("IDRPTHST"), 3);
    QCOMPARE(scalar(d.DB, "SELECT IdRptHst FROM ID WHERE Id = 1"), QString()); // the table is left alone
}

void TestData::idsFromTable()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.openDatabase().execute("DELETE FROM OVOSEQ");
    TD d(demoSwitches, true);
    QVERIFY(d.Sequences.isEmpty());
    QCOMPARE(d.GetNewId("idrpthst"), 1); // a null counter yields 1 and stores 1
    QCOMPARE(scalar(d.DB, "SELECT IdRptHst FROM ID WHERE Id = 1"), QStringLiteral("1"));
    QCOMPARE(d.GetNewId("IdRptPog"), 15);
    QCOMPARE(d.GetNewId("IdRptPog"), 16);
    QCOMPARE(scalar(d.DB, "SELECT IdRptPog FROM ID WHERE Id = 1"), QStringLiteral("16"));
}

void TestData::idErrors()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    folder.openDatabase().execute("UPDATE OVOSEQ SET SeqName = 'NO_SUCH_SEQ'");
    folder.openDatabase().execute("DROP SEQUENCE ACT_IDACT_SEQ");
    TD d(demoSwitches, true);
    try {
        d.GetNewId("IDRPTHST");
        QFAIL("no error");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(),
                 QStringLiteral("EDatabaseError: napaka pri sekvenci NO_SUCH_SEQ. Sporočilo: Sekvenca "
                                "NO_SUCH_SEQ ne obstaja."));
    }
    try {
        d.GetNewId("IdAct");
        QFAIL("no error");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("Napaka pri sekvenci ACT_IDACT_SEQ !"));
    }
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, d.GetNewId("IdRptPog = 0; --"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, d.GetNewId("NoSuchColumn"));
}

void TestData::activityLog()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    Database &setup = folder.openDatabase();
    setup.execute("CREATE TABLE LOGTEST (A INTEGER, B VARCHAR(10), SfVp INTEGER, IdPog INTEGER, Dan DATE)");
    setup.execute("INSERT INTO LOGTEST VALUES (7, 'x y', 3, NULL, '2004-05-07')");
    TD d(demoSwitches, true);
    d.OpenActivitySource("LOGTEST", "A=7");
    d.LogActivity(d.Act, "^", "A", "LOGTEST");
    d.CloseActivitySource();
    QSqlQuery q =
        d.DB.execute("SELECT IdAct, SfAct, Db, Tbl, Usr, Cmp, Id, SfApp, SfOrg, SfVp, SfDog, IdPog, Dan, "
                     "Cnt, Cas FROM ACT");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    const QStringList values{q.value(1).toString(),  q.value(2).toString(),  q.value(3).toString(),
                             q.value(4).toString(),  q.value(5).toString(),  q.value(6).toString(),
                             q.value(7).toString(),  q.value(8).toString(),  q.value(9).toString(),
                             q.value(10).toString(), q.value(11).toString(), q.value(12).toString()};
    QCOMPARE(values, (QStringList{"^", "LB", "LOGTEST", "ADMIN", d.ComputerName, "7", "I", "1", "3", "", "",
                                  "2004-05-07"}));
    QCOMPARE(q.value(13).toString(), QStringLiteral("7#|A#|x y#|B#|3#|SfVp#|#|IdPog#|7.5.2004#|Dan#|"));
    QVERIFY(q.value(14).toString().startsWith(QDate::currentDate().toString("yyyy-MM-dd")));
    QVERIFY(!q.next());
    QVERIFY(!d.bAct.active());
}

void TestData::activityLogWithoutComputerColumn()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    Database &setup = folder.openDatabase();
    setup.execute("DROP TABLE ACT");
    setup.execute(
        "CREATE TABLE ACT (IdAct INTEGER, SfAct CHAR(1), Db VARCHAR(30), Tbl VARCHAR(30), Usr VARCHAR(20), "
        "Cas TIMESTAMP, Id VARCHAR(50), SfApp CHAR(1), SfOrg INTEGER, SfVp INTEGER, SfDog INTEGER, "
        "IdPog INTEGER, Dan TIMESTAMP, Cnt TEXT)");
    TD d(withUser("GOST"), true);
    d.OpenActivitySource("KATEGORIJE", "");
    d.LogActivity(d.Act, "+", "ID_KATEGORIJA", "KATEGORIJE");
    d.CloseActivitySource();
    QCOMPARE(scalar(d.DB, "SELECT COUNT(*) FROM ACT WHERE SfAct='+' AND SfOrg IS NULL"), QStringLiteral("1"));
}

void TestData::reportFilesFromServer()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    // The Update folder is missing under the installation folder but stands beside it.
    const QString install = folder.file("server/inst");
    QDir().mkpath(install);
    QDir().mkpath(folder.file("server/Update/RECYCLER"));
    QDir().mkpath(folder.file("Report"));
    folder.openDatabase().execute("UPDATE INI SET InstallDir = '" + install + "'");
    const QDateTime serverTime = QDateTime::currentDateTime().addDays(-3);
    for (const char *name : {"new.rpt", "same.rpt", "newer.rpt"}) {
        folder.writeFile(QStringLiteral("server/Update/") + name, QStringLiteral("server ") + name);
        setTime(folder.file(QStringLiteral("server/Update/") + name), serverTime);
    }
    folder.writeFile("Report/same.rpt", "local same");
    setTime(folder.file("Report/same.rpt"), serverTime);
    folder.writeFile("Report/newer.rpt", "local newer");
    QFile::setPermissions(folder.file("Report/newer.rpt"), QFileDevice::ReadOwner);
    TD d(demoSwitches, true);
    QCOMPARE(folder.readFile("Report/new.rpt"), QStringLiteral("server new.rpt"));
    QCOMPARE(folder.readFile("Report/same.rpt"), QStringLiteral("local same"));
    QCOMPARE(folder.readFile("Report/newer.rpt"),
             QStringLiteral("server newer.rpt")); // read-only, newer: replaced
    QVERIFY(!QFile::exists(folder.file("Report/RECYCLER")));
    QCOMPARE(QFileInfo(folder.file("Report/new.rpt")).lastModified(),
             QFileInfo(folder.file("server/Update/new.rpt")).lastModified());
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestData::signaturesAndCaptions()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    TD d(demoSwitches, true);
    QDir().mkpath(d.ReportDir);
    folder.writeFile("Report/PodpisnikL_2.bmp", "left 2");
    folder.writeFile("Report/Podpisnik_desni.bmp", "old right");
    d.PrepareSignatures("2");
    QCOMPARE(folder.readFile("Report/Podpisnik_levi.bmp"), QStringLiteral("left 2"));
    QVERIFY(!QFile::exists(folder.file("Report/Podpisnik_desni.bmp")));
    d.PrepareSignatures("");
    QVERIFY(!QFile::exists(folder.file("Report/Podpisnik_levi.bmp")));

    QComboBox combo;
    QCOMPARE(d.DeliveryCaption("EMAIL_NE", &combo), QStringLiteral("Email - Ne Pošlji"));
    QCOMPARE(combo.count(), 4);
    QCOMPARE(combo.itemData(0).toString(), QStringLiteral("POSTA_DA"));
    QCOMPARE(combo.itemText(1), QStringLiteral("Pošta - Ne Pošlji"));
    QCOMPARE(d.DeliveryCaption("posta_da"), QString());

    // Neither the command line nor a password of the alias is written in clear.
    folder.writeFile("Aliases.ini", "[LB]\nDRIVER=QSQLITE\nDATABASE=test.db\nPASSWORD=skrivno\n");
    d.SaveAliasInfo();
    QCOMPARE(folder.readFile("Bde.txt"),
             QStringLiteral("DRIVER=QSQLITE\nDATABASE=test.db\nPASSWORD=********\n"
                            "porocila /LOG ADMIN ovo ******** /PRG POROCILA /CR ORACLE LB\n"));
    QVERIFY(ownerOnly(folder.file("Bde.txt")));
}

QTEST_MAIN(TestData)
#include "tst_data.moc"
