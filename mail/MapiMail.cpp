#include "mail/MapiMail.h"

#include "shell/DialogHook.h"
#include "shell/MessageDialog.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

QString withoutControls(const QString &text)
{
    QString clean;
    for (const QChar c : text)
        clean += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    return clean.simplified();
}

// Beside the attachment, under a name no export file has.
const char ErrorOutputName[] = ".mail-stderr";

// The mail program has long read its file by then.
constexpr qint64 HandOverLifetimeSeconds = 24 * 60 * 60;
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

QString RecipientText(const MapiRecipient &recipient)
{
    QString address = recipient.address;
    if (address.startsWith(QLatin1String("SMTP:"), Qt::CaseInsensitive))
        address = address.mid(5);
    address = withoutControls(address);
    const QString name = withoutControls(recipient.name);
    if (name.isEmpty() || name == address)
        return address;
    static const QString specials = QStringLiteral("()<>[]:;@\\,.\"");
    bool quote = false;
    for (const QChar c : name)
        quote = quote || specials.contains(c);
    if (!quote)
        return name + QStringLiteral(" <") + address + QLatin1Char('>');
    QString quoted = name;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + quoted + QStringLiteral("\" <") + address + QLatin1Char('>');
}

QStringList DesktopArguments(const MapiMessage &message)
{
    // --utf8 first: it applies to the options after it. Every value goes
    // behind an option, so that none is read as an option or a raw mailto
    // address of its own (which could name further attachments).
    QStringList arguments{QStringLiteral("--utf8")};
    if (!message.subject.isEmpty())
        arguments << QStringLiteral("--subject") << message.subject;
    if (!message.body.isEmpty())
        arguments << QStringLiteral("--body") << message.body;
    for (const QString &file : message.attachments)
        arguments << QStringLiteral("--attach") << file;
    for (const MapiRecipient &r : message.recipients)
        arguments << QStringLiteral("--to") << RecipientText(r);
    return arguments;
}

QString ReasonLine(const QByteArray &errorOutput, const QString &program)
{
    const QString prefix = QFileInfo(program).fileName() + QLatin1Char(':');
    QString last, own;
    for (const QString &line : QString::fromLocal8Bit(errorOutput).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (text.isEmpty())
            continue;
        last = text;
        if (text.startsWith(prefix))
            own = text;
    }
    return own.isEmpty() ? last : own;
}

void ShowFailure(int result, const QString &systemText)
{
    MessageDialog(QStringLiteral("Error sending mail (%1).\r\n%2").arg(result).arg(systemText),
                  MsgKind::Error, MsgButton::OK);
}

QString HandOverFolder()
{
    return ProgramFolder::file(QStringLiteral("Temp/Mail/"));
}

void RemoveOldHandOvers()
{
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-HandOverLifetimeSeconds);
    const QFileInfoList folders =
        QDir(HandOverFolder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : folders)
        if (folder.lastModified() < limit)
            QDir(folder.absoluteFilePath()).removeRecursively();
}

int StartHandOver(const MapiMessage &message, QString &systemText, const QString &program)
{
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        systemText = QStringLiteral("Poštnega programa %1 ni mogoče najti.").arg(program);
        return -1;
    }
    RemoveOldHandOvers();
    QDir().mkpath(HandOverFolder());
    // The caller removes its export file as soon as we return; the mail
    // program gets a copy of its own, which outlives this call.
    QTemporaryDir folder(HandOverFolder() + QStringLiteral("XXXXXX"));
    if (!folder.isValid()) {
        systemText =
            QStringLiteral("Ne morem pripraviti mape %1: %2").arg(HandOverFolder(), folder.errorString());
        return -1;
    }
    MapiMessage handed = message;
    for (QString &file : handed.attachments) {
        const QString copy = folder.filePath(QFileInfo(file).fileName());
        QFile source(file);
        if (!source.copy(copy)) {
            systemText = QStringLiteral("Ne morem kopirati priponke %1: %2").arg(file, source.errorString());
            return -1;
        }
        file = copy;
    }
    folder.setAutoRemove(false);

    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(executable);
    process->setArguments(DesktopArguments(handed));
    // No pipes: a mail program that outlives this one must not write into a
    // closed pipe.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    const QString errorFile = folder.filePath(QLatin1String(ErrorOutputName));
    process->setStandardErrorFile(errorFile);
    const auto reason = [errorFile, executable](const QString &fallback) {
        QFile f(errorFile);
        const QString line = f.open(QIODevice::ReadOnly) ? ReasonLine(f.readAll(), executable) : QString();
        return line.isEmpty() ? fallback : line;
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // the end is reported by finished()
        ShowFailure(-1, process->errorString());
        process->deleteLater();
    });
    QObject::connect(
        process, &QProcess::finished, process, [process, reason](int exitCode, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit)
                ShowFailure(-1, reason(QStringLiteral("Poštni program se je nepričakovano končal.")));
            else if (exitCode != 0)
                ShowFailure(exitCode, reason(QStringLiteral("Poštni program ni sporočil razloga.")));
            process->deleteLater();
        });
    process->start();
    return 0;
}

int DesktopHandOver(const MapiMessage &message, QString &systemText)
{
    // A run without a display has nobody to finish the message.
    if (DialogHook::isUnattended()) {
        systemText = QStringLiteral("Poštni program brez zaslona ni na voljo.");
        return -1;
    }
    return StartHandOver(message, systemText);
}

} // namespace MapiMail

int SendMapiMail(const QString &subject, const QString &body, const QString &attachment,
                 const QString &recipientAddress, const QString &recipientName, const QString &senderAddress,
                 const QString &senderName)
{
    const MapiMessage message = MapiMail::Build(subject, body, attachment, recipientAddress, recipientName,
                                                senderAddress, senderName);
    QString systemText;
    const MapiMail::HandOver &handOver = MapiMail::installed();
    const int result =
        handOver ? handOver(message, systemText) : MapiMail::DesktopHandOver(message, systemText);
    if (result != 0)
        MapiMail::ShowFailure(result, systemText);
    return result;
}
