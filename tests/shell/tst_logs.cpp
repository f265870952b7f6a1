#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "shell/IniFile.h"
#include "shell/Logs.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestLogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { DialogHook::clearShown(); }
    void appendLogCreatesFileNotFolder();
    void appendLogLinesFallsBack();
    void errorLogLineAndBox();
    void sqlLogDirFromLoginIni();
    void iniFileKeepsOtherLines();
    void iniFileKeepsOtherBytes();
};

void TestLogs::appendLogCreatesFileNotFolder()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    AppendLog(folder.file("a.log"), "first");
    AppendLog(folder.file("a.log"), "second");
    QCOMPARE(folder.readFile("a.log"), QStringLiteral("first\nsecond\n"));
    // Logs hold command lines and data: only their owner reads them.
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(folder.file("a.log")) & others, QFile::Permissions());
    AppendLog("   ", "nothing");
    QVERIFY_THROWS_EXCEPTION(EInOutError, AppendLog(folder.file("missing/a.log"), "x"));
}

void TestLogs::appendLogLinesFallsBack()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    AppendLogLines(folder.file("b.log"), {"x", "y"});
    QCOMPARE(folder.readFile("b.log"), QStringLiteral("x\ny\n\n"));
    AppendLogLines(folder.file("b.log"), {});
    QCOMPARE(folder.readFile("b.log"), QStringLiteral("x\ny\n\n"));
    QDir().mkpath(folder.file("Log"));
    AppendLogLines(QString(), {"z"});
    QCOMPARE(folder.readFile("Log/PrelmaTemp.log"), QStringLiteral("z\n\n"));
}

void TestLogs::errorLogLineAndBox()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    LogErrorWithText("Napaka pri branju: ", EDatabaseError("tabela ne obstaja"));
    const QString line = folder.readFile("Crerror.log");
    static const QRegularExpression shape(
        QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d \\S+ : tabela ne obstaja\\n$"));
    QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().at(0).caption, QStringLiteral("Napaka"));
    QCOMPARE(DialogHook::shown().at(0).text, QStringLiteral("Napaka pri branju: \r\rtabela ne obstaja"));
}

void TestLogs::sqlLogDirFromLoginIni()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    QCOMPARE(SqlLogDir(), folder.file("Log/"));
    folder.writeFile("Login.ini", "[SQL_LOG]\nPATH=Dnevnik\\SQL\n");
    QCOMPARE(SqlLogDir(), folder.file("Dnevnik/SQL/"));
}

void TestLogs::iniFileKeepsOtherLines()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    folder.writeFile("Report.ini", "; komentar\n[report]\nNOT_ALLOWED=;12;\n\n[VALUES]\nA=1\n");
    IniFile ini(folder.file("Report.ini"));
    QCOMPARE(ini.readString("REPORT", "not_allowed"), QStringLiteral(";12;"));
    ini.writeString("REPORT", "NOT_ALLOWED", "");
    ini.writeString("VALUES", "B", "x=y");
    ini.writeString("NEW", "K", "v");
    QCOMPARE(folder.readFile("Report.ini"),
             QStringLiteral("; komentar\n[report]\nNOT_ALLOWED=\n\n[VALUES]\nA=1\nB=x=y\n\n[NEW]\nK=v\n"));
    QCOMPARE(ini.readString("VALUES", "B"), QStringLiteral("x=y"));
    ini.eraseSection("VALUES");
    QVERIFY(!ini.sectionExists("VALUES"));
    QCOMPARE(ini.readString("NEW", "K"), QStringLiteral("v"));
}

void TestLogs::iniFileKeepsOtherBytes()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    // Written by another program: CR LF line ends, a Windows-1250 "č", no
    // line end at the end, and blanks around values.
    const QByteArray before("[REPORT]\r\nNOT_ALLOWED = ;12;40; \r\n[VALUES]\r\nNAZIV=Dru\xe8"
                            "ba\r\nX=1");
    QFile file(folder.file("Report.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();
    IniFile ini(folder.file("Report.ini"));
    QCOMPARE(ini.readString("REPORT", "NOT_ALLOWED"), QStringLiteral(";12;40;"));
    QCOMPARE(ini.readString("VALUES", "X"), QStringLiteral("1"));

    ini.writeString("REPORT", "NOT_ALLOWED", "");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[REPORT]\r\nNOT_ALLOWED =\r\n[VALUES]\r\nNAZIV=Dru\xe8"
                                        "ba\r\nX=1"));
    file.close();
    ini.writeString("VALUES", "Y", "2");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[REPORT]\r\nNOT_ALLOWED =\r\n[VALUES]\r\nNAZIV=Dru\xe8"
                                        "ba\r\nX=1\r\nY=2\r\n"));
}

QTEST_GUILESS_MAIN(TestLogs)
#include "tst_logs.moc"
