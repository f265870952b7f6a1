#pragma once

#include <QByteArray>
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

// The desktop's own hand-over: StartHandOver with xdg-email, refused at once
// in a run without a display.
int DesktopHandOver(const MapiMessage &message, QString &systemText);

// Starts the mail program on a copy of the attachment and returns without
// waiting for it: a mail program that is already running returns at once and
// reads the file later, one that opens its own compose window stays until
// the user closes it. -1, with the reason in systemText, when the copy cannot
// be made or the program is missing; 0 once it has been started. A program
// that fails later (cannot start, ends with a code other than 0) is reported
// with the box of SendMapiMail when it ends.
int StartHandOver(const MapiMessage &message, QString &systemText,
                  const QString &program = QStringLiteral("xdg-email"));

// The folder that holds one subfolder per hand-over: program folder +
// "Temp/Mail/". Subfolders older than a day are removed at start-up and
// before every hand-over; the mail program has long read its file by then.
QString HandOverFolder();
void RemoveOldHandOvers();

// The arguments of xdg-email for the message (the attachment as given).
QStringList DesktopArguments(const MapiMessage &message);
// "Name <address>", or the bare address when there is no other name.
QString RecipientText(const MapiRecipient &recipient);
// The program's own one-line reason among what it wrote to its error
// output: its last line that begins with "program:", else its last
// non-empty line.
QString ReasonLine(const QByteArray &errorOutput, const QString &program);

// "Error sending mail (n)." + CR LF + the reason, in an error box.
void ShowFailure(int result, const QString &systemText);

} // namespace MapiMail

// Hands the message over; a result other than 0 is shown as
// "Error sending mail (n)." with the system's text, and returned.
int SendMapiMail(const QString &subject, const QString &body, const QString &attachment,
                 const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                 const QString &senderName);
