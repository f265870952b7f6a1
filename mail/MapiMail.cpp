#include "mail/MapiMail.h"

#include "shell/DialogHook.h"
#include "shell/MessageDialog.h"

#include <QProcess>

namespace MapiMail {

namespace {
HandOver &installed()
{
    static HandOver handOver;
    return handOver;
}

MapiRecipient recipient(const QString &address, const QString &name)
{
    return MapiRecipient{name.isEmpty() ? address : name, QStringLiteral("SMTP:") + address};
}
} // namespace

MapiMessage Build(const QString &subject, const QString &body, const QString &attachment,
                  const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                  const QString &senderName)
{
    MapiMessage m;
    m.subject = subject;
    m.body = body;
    if (!senderAddress.isEmpty()) {
        m.hasOriginator = true;
        m.originator = recipient(senderAddress, senderName);
    }
    if (!recipientAddress.isEmpty())
        m.recipients << recipient(recipientAddress, recipientName);
    if (!attachment.isEmpty())
        m.attachments << attachment;
    return m;
}

void setHandOver(HandOver handOver)
{
    installed() = std::move(handOver);
}

void clearHandOver()
{
    installed() = nullptr;
}

int DesktopHandOver(const MapiMessage &message, QString &systemText)
{
    // A run without a display has nobody to finish the message.
    if (DialogHook::isUnattended()) {
        systemText = QStringLiteral("Poštni program brez zaslona ni na voljo.");
        return -1;
    }
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject};
    if (!message.body.isEmpty())
        arguments << QStringLiteral("--body") << message.body;
    for (const QString &file : message.attachments)
        arguments << QStringLiteral("--attach") << file;
    for (const MapiRecipient &r : message.recipients)
        arguments << r.address.mid(5); // without "SMTP:"
    QProcess process;
    process.start(QStringLiteral("xdg-email"), arguments);
    if (!process.waitForStarted(10000)) {
        systemText = process.errorString();
        return -1;
    }
    process.waitForFinished(60000);
    systemText = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace MapiMail

int SendMapiMail(const QString &subject, const QString &body, const QString &attachment,
                 const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                 const QString &senderName)
{
    const MapiMessage message =
        MapiMail::Build(subject, body, attachment, recipientAddress, recipientName, senderAddress, senderName);
    QString systemText;
    const MapiMail::HandOver &handOver = MapiMail::installed();
    const int result = handOver ? handOver(message, systemText) : MapiMail::DesktopHandOver(message, systemText);
    if (result != 0)
        MessageDialog(QStringLiteral("Error sending mail (%1).\r\n%2").arg(result).arg(systemText), MsgKind::Error,
                      MsgButton::OK);
    return result;
}
