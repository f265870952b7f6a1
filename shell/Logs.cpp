#include "shell/Logs.h"

#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/IniFile.h"
#include "shell/MessageDialog.h"
#include "shell/ProgramFolder.h"
#include "shell/Utils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool OpenLogFile(QFile &file, QIODevice::OpenMode mode)
{
    // Logs hold command lines and statements with the users' data.
    return file.open(mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void AppendLog(const QString &file, const QString &line)
{
    if (file.trimmed().isEmpty())
        return;
    QFile f(file);
    if (!OpenLogFile(f, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw EInOutError(QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(file, f.errorString()));
    f.write((line + QLatin1Char('\n')).toUtf8());
    f.flush();
}

void AppendLogLines(const QString &file, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QString target = file;
    if (target.trimmed().isEmpty() || QFileInfo(target).isDir())
        target = SqlLogDir() + QStringLiteral("PrelmaTemp.log");
    QFile f(target);
    if (!OpenLogFile(f, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw EInOutError(QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(target, f.errorString()));
    for (const QString &line : lines)
        f.write((line + QLatin1Char('\n')).toUtf8());
    f.write("\n");
}

void SaveLog(const QString &file, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!OpenLogFile(f, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    for (const QString &line : lines)
        f.write((line + QLatin1Char('\n')).toUtf8());
}

QString ErrorMessage(const std::exception &error)
{
    if (const auto *e = dynamic_cast<const EError *>(&error))
        return e->message();
    return QString::fromUtf8(error.what());
}

QString ErrorLogLine(const QString &message)
{
    const QString computer = D ? D->ComputerName : ComputerName();
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) + QLatin1Char(' ') +
           computer + QStringLiteral(" : ") + message;
}

namespace {
void writeErrorLine(const QString &message)
{
    const QString file = D ? D->ErrorLogFile : ProgramFolder::file(QStringLiteral("Crerror.log"));
    try {
        AppendLog(file, ErrorLogLine(message));
    } catch (const EInOutError &) {
        // The message is still shown; a read-only program folder must not hide it.
    }
}
} // namespace

void LogError(const QString &message)
{
    writeErrorLine(message);
    ShowError(message);
}

void LogError(const std::exception &error)
{
    LogError(ErrorMessage(error));
}

void LogErrorWithText(const QString &text, const std::exception &error)
{
    const QString message = ErrorMessage(error);
    writeErrorLine(message);
    ShowError(text + QStringLiteral("\r\r") + message);
}

QString SqlLogDir()
{
    QString path = IniFile(ProgramFolder::file(QStringLiteral("Login.ini")))
                       .readString(QStringLiteral("SQL_LOG"), QStringLiteral("PATH"),
                                   ProgramFolder::file(QStringLiteral("Log/")))
                       .trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty())
        path = ProgramFolder::file(QStringLiteral("Log/"));
    if (QFileInfo(path).isRelative())
        path = ProgramFolder::file(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
