#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The message handed to the desktop's mail program: its compose window
// opens with the recipient, subject and attachment filled in, and the user
// sends it from there.
struct MapiRecipient
{
    QString name;    // display name; the address when no name is given
    QString address; // "SMTP:" + address
};

struct MapiMessage
{
    QString subject;
    QString body;
    bool hasOriginator = false;
    MapiRecipient originator;
    QList<MapiRecipient> recipients; // at most one primary recipient
    QStringList attachments;         // at most one file
};

namespace MapiMail {

// The message the arguments describe; empty addresses and paths leave out
// the originator, the recipient and the attachment.
MapiMessage Build(const QString &subject, const QString &body, const QString &attachment,
                  const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                  const QString &senderName);

// The hand-over to the mail program; returns the result code (0 = handed
// over). Tests replace it so that no mail program starts.
using HandOver = std::function<int(const MapiMessage &message, QString &systemText)>;
void setHandOver(HandOver handOver);
void clearHandOver();

// The desktop's own hand-over (xdg-email): -1 when the tool cannot be
// started, else its exit code.
int DesktopHandOver(const MapiMessage &message, QString &systemText);

} // namespace MapiMail

// Hands the message over; a result other than 0 is shown as
// "Error sending mail (n)." with the system's text, and returned.
int SendMapiMail(const QString &subject, const QString &body, const QString &attachment,
                 const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                 const QString &senderName);
