// The message handed to the mail program and the way a failed hand-over is
// reported.

#include "mail/MapiMail.h"
#include "shell/DialogHook.h"

#include <QTest>

class TestMapiMail : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void messageParts_data();
    void messageParts();
    void failedHandOverIsShownWithItsCode();
    void handedOverSaysNothing();
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

    QTest::newRow("recipient with name") << "ana@primer.example" << "Ana Novak" << "" << "/tmp/Report.PDF"
                                         << "Ana Novak|SMTP:ana@primer.example" << "" << 1;
    QTest::newRow("name falls back to address") << "ana@primer.example" << "" << "" << ""
                                                << "ana@primer.example|SMTP:ana@primer.example" << "" << 0;
    QTest::newRow("no recipient, sender given") << "" << "" << "pisarna@ovo.example" << "/tmp/a.pdf" << ""
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

    const MapiMessage m = MapiMail::Build(QStringLiteral("Seznam pogodb"), QString(), attachment, recipientAddress,
                                          recipientName, senderAddress, QString());
    QCOMPARE(m.subject, QStringLiteral("Seznam pogodb"));
    QCOMPARE(m.recipients.size(), recipient.isEmpty() ? 0 : 1);
    if (!recipient.isEmpty())
        QCOMPARE(m.recipients.front().name + QLatin1Char('|') + m.recipients.front().address, recipient);
    QCOMPARE(m.hasOriginator, !originator.isEmpty());
    if (m.hasOriginator)
        QCOMPARE(m.originator.name + QLatin1Char('|') + m.originator.address, originator);
    QCOMPARE(m.attachments.size(), attachments);
}

void TestMapiMail::failedHandOverIsShownWithItsCode()
{
    MapiMail::setHandOver([](const MapiMessage &, QString &systemText) {
        systemText = QStringLiteral("Poštni program ni nameščen.");
        return -1;
    });
    QCOMPARE(SendMapiMail("s", "", "", "ana@primer.example", "", "", ""), -1);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, QStringLiteral("Error sending mail (-1).\r\nPoštni program ni nameščen."));
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

QTEST_MAIN(TestMapiMail)
#include "tst_mapimail.moc"
