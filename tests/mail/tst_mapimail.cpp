// The message handed to the mail program, the hand-over itself (with stand-in
// mail programs) and the way a failed hand-over is reported.

#include "mail/MapiMail.h"
#include "shell/DialogHook.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/time.h>

namespace {
// What every stand-in does with its arguments: it notes the recipient and
// the attachment it was given in $OVO_MAILER_OUT.
const char StandInHead[] = "#!/bin/sh\n"
                           "while [ $# -gt 0 ]; do\n"
                           "  case \"$1\" in\n"
                           "    --attach) file=\"$2\"; shift ;;\n"
                           "    --to) to=\"$2\"; shift ;;\n"
                           "  esac\n"
                           "  shift\n"
                           "done\n"
                           "printf '%s\\n' \"$to\" > \"$OVO_MAILER_OUT/to\"\n";

QString readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class TestMapiMail : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void messageParts_data();
    void messageParts();
    void recipientText_data();
    void recipientText();
    void failedHandOverIsShownWithItsCode();
    void handedOverSaysNothing();
    void standInMailProgram_data();
    void standInMailProgram();
    void missingMailProgram();
    void oldHandOversAreRemoved();
};

void TestMapiMail::cleanup()
{
    MapiMail::clearHandOver();
    DialogHook::clearShown();
}

void TestMapiMail::messageParts_data()
{
    QTest::addColumn<QString>("recipientAddress");
    QTest::addColumn<QString>("recipientName");
    QTest::addColumn<QString>("senderAddress");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QString>("recipient"); // name|address, empty for none
    QTest::addColumn<QString>("originator");
    QTest::addColumn<int>("attachments");

    QTest::newRow("recipient with name") << "ana@primer.example"
                                         << "Ana Novak"
                                         << ""
                                         << "/tmp/Report.PDF"
                                         << "Ana Novak|SMTP:ana@primer.example"
                                         << "" << 1;
    QTest::newRow("name falls back to address") << "ana@primer.example"
                                                << ""
                                                << ""
                                                << ""
                                                << "ana@primer.example|SMTP:ana@primer.example"
                                                << "" << 0;
    QTest::newRow("no recipient, sender given") << ""
                                                << ""
                                                << "pisarna@ovo.example"
                                                << "/tmp/a.pdf"
                                                << ""
                                                << "pisarna@ovo.example|SMTP:pisarna@ovo.example" << 1;
}

void TestMapiMail::messageParts()
{
    QFETCH(QString, recipientAddress);
    QFETCH(QString, recipientName);
    QFETCH(QString, senderAddress);
    QFETCH(QString, attachment);
    QFETCH(QString, recipient);
    QFETCH(QString, originator);
    QFETCH(int, attachments);

    const MapiMessage m = MapiMail::Build(QStringLiteral("Seznam pogodb"), QString(), attachment,
                                          recipientAddress, recipientName, senderAddress, QString());
    QCOMPARE(m.subject, QStringLiteral("Seznam pogodb"));
    QCOMPARE(m.recipients.size(), recipient.isEmpty() ? 0 : 1);
    if (!recipient.isEmpty())
        QCOMPARE(m.recipients.front().name + QLatin1Char('|') + m.recipients.front().address, recipient);
    QCOMPARE(m.hasOriginator, !originator.isEmpty());
    if (m.hasOriginator)
        QCOMPARE(m.originator.name + QLatin1Char('|') + m.originator.address, originator);
    QCOMPARE(m.attachments.size(), attachments);
}

void TestMapiMail::recipientText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("display name") << "Zupančič Marko"
                                  << "Zupančič Marko <marko@ovo.example>";
    QTest::newRow("no name but the address") << "marko@ovo.example"
                                             << "marko@ovo.example";
    QTest::newRow("comma and quote are quoted") << "Novak, Ana \"Anči\""
                                                << "\"Novak, Ana \\\"Anči\\\"\" <marko@ovo.example>";
    QTest::newRow("line breaks cannot start a header") << "Ana\r\nBcc: x@y"
                                                       << "\"Ana Bcc: x@y\" <marko@ovo.example>";
}

void TestMapiMail::recipientText()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(MapiMail::RecipientText({name, QStringLiteral("SMTP:marko@ovo.example")}), expected);
}

void TestMapiMail::failedHandOverIsShownWithItsCode()
{
    MapiMail::setHandOver([](const MapiMessage &, QString &systemText) {
        systemText = QStringLiteral("Poštni program ni nameščen.");
        return -1;
    });
    QCOMPARE(SendMapiMail("s", "", "", "ana@primer.example", "", "", ""), -1);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text,
             QStringLiteral("Error sending mail (-1).\r\nPoštni program ni nameščen."));
}

void TestMapiMail::handedOverSaysNothing()
{
    MapiMessage received;
    MapiMail::setHandOver([&](const MapiMessage &message, QString &) {
        received = message;
        return 0;
    });
    QCOMPARE(SendMapiMail("Izpis", "", "/tmp/Report.PDF", "", "", "", ""), 0);
    QVERIFY(DialogHook::shown().isEmpty());
    QVERIFY(received.recipients.isEmpty());
    QCOMPARE(received.attachments, QStringList{QStringLiteral("/tmp/Report.PDF")});
}

void TestMapiMail::standInMailProgram_data()
{
    QTest::addColumn<QString>("body");    // of the stand-in, after its head
    QTest::addColumn<QString>("read");    // what it found in the attachment a second later
    QTest::addColumn<QString>("message"); // the box shown when it ended, empty for none

    QTest::newRow("returns at once and reads the file later")
        << "( sleep 1; cat \"$file\" > \"$OVO_MAILER_OUT/read\" 2>/dev/null || echo missing > "
           "\"$OVO_MAILER_OUT/read\" ) &\n"
           "exit 0\n"
        << "%PDF-demo\n"
        << "";
    QTest::newRow("stays in the foreground like a compose window")
        << "sleep 2\ncat \"$file\" > \"$OVO_MAILER_OUT/read\"\nexit 0\n"
        << "%PDF-demo\n"
        << "";
    // Of all it printed, only its own one-line reason is shown.
    QTest::newRow("fails with a reason and a hint")
        << "cat \"$file\" > \"$OVO_MAILER_OUT/read\"\n"
           "echo 'Gtk-Message: Failed to load module' >&2\n"
           "echo \"xdg-email: no method available for opening 'mailto:'\" >&2\n"
           "echo \"Try 'xdg-email --help' for more information.\" >&2\n"
           "exit 3\n"
        << "%PDF-demo\n"
        << "Error sending mail (3).\r\nxdg-email: no method available for opening 'mailto:'";
    QTest::newRow("fails without a word") << "cat \"$file\" > \"$OVO_MAILER_OUT/read\"\nexit 4\n"
                                          << "%PDF-demo\n"
                                          << "Error sending mail (4).\r\nPoštni program ni sporočil razloga.";
}

void TestMapiMail::standInMailProgram()
{
    QFETCH(QString, body);
    QFETCH(QString, read);
    QFETCH(QString, message);

    TestProgramFolder folder(TestProgramFolder::Empty);
    QTemporaryDir bin, out;
    QFile script(bin.filePath(QStringLiteral("xdg-email")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(StandInHead + body.toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
    qputenv("OVO_MAILER_OUT", out.path().toLocal8Bit());

    const QString exported = folder.file(QStringLiteral("Report.PDF"));
    folder.writeFile(QStringLiteral("Report.PDF"), QStringLiteral("%PDF-demo\n"));
    MapiMail::setHandOver(
        [](const MapiMessage &m, QString &systemText) { return MapiMail::StartHandOver(m, systemText); });

    QElapsedTimer clock;
    clock.start();
    const int result = SendMapiMail(QStringLiteral("Seznam pogodb"), QString(), exported,
                                    QStringLiteral("marko@ovo.example"), QStringLiteral("Zupančič Marko"),
                                    QString(), QString());
    // The window goes on at once, whatever the mail program does.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(result, 0);
    // The run window removes its export as soon as the hand-over returns.
    QVERIFY(QFile::remove(exported));

    QTRY_COMPARE_WITH_TIMEOUT(readAll(out.filePath(QStringLiteral("read"))), read, 10000);
    QCOMPARE(readAll(out.filePath(QStringLiteral("to"))),
             QStringLiteral("Zupančič Marko <marko@ovo.example>\n"));
    if (message.isEmpty()) {
        QTest::qWait(200); // the end of the program has been handled
        QVERIFY2(DialogHook::shown().isEmpty(), qPrintable(DialogHook::shown().value(0).text));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(DialogHook::shown().size(), 1, 10000);
        QCOMPARE(DialogHook::shown().front().caption, QStringLiteral("Napaka"));
        QCOMPARE(DialogHook::shown().front().text, message);
    }
    // The copy stays for the mail program, in a folder of its own.
    const QStringList handOvers =
        QDir(MapiMail::HandOverFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(handOvers.size(), 1);
    QVERIFY(QFile::exists(MapiMail::HandOverFolder() + handOvers.front() + QStringLiteral("/Report.PDF")));
    qputenv("PATH", path);
}

void TestMapiMail::missingMailProgram()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    folder.writeFile(QStringLiteral("Report.PDF"), QStringLiteral("%PDF-demo\n"));
    MapiMail::setHandOver([](const MapiMessage &m, QString &systemText) {
        return MapiMail::StartHandOver(m, systemText, QStringLiteral("ovo-no-such-mailer"));
    });
    QCOMPARE(SendMapiMail("Izpis", "", folder.file(QStringLiteral("Report.PDF")), "", "", "", ""), -1);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(
        DialogHook::shown().front().text,
        QStringLiteral("Error sending mail (-1).\r\nPoštnega programa ovo-no-such-mailer ni mogoče najti."));
}

void TestMapiMail::oldHandOversAreRemoved()
{
    TestProgramFolder folder(TestProgramFolder::Empty);
    const QString old = MapiMail::HandOverFolder() + QStringLiteral("old");
    const QString fresh = MapiMail::HandOverFolder() + QStringLiteral("fresh");
    QVERIFY(QDir().mkpath(old));
    QVERIFY(QDir().mkpath(fresh));
    const timeval twoDaysAgo[2] = {{time(nullptr) - 2 * 24 * 3600, 0}, {time(nullptr) - 2 * 24 * 3600, 0}};
    QCOMPARE(::utimes(QFile::encodeName(old).constData(), twoDaysAgo), 0);
    MapiMail::RemoveOldHandOvers();
    QVERIFY(!QFileInfo::exists(old));
    QVERIFY(QFileInfo::exists(fresh));
}

QTEST_MAIN(TestMapiMail)
#include "tst_mapimail.moc"
