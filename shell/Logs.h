#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <exception>

// Plain-text logs of the program folder and the SQL log folder.

// Opens a log, creating it readable and writable by its owner only.
bool OpenLogFile(QFile &file, QIODevice::OpenMode mode);
// Adds one line at the end of a text file, creating the file; the folder is
// not created. A blank file name writes nothing. Throws EInOutError.
void AppendLog(const QString &file, const QString &line);
// Adds every line and then one empty line; nothing for an empty list. A file
// name that cannot be used is replaced by SqlLogDir() + "PrelmaTemp.log".
void AppendLogLines(const QString &file, const QStringList &lines);
// Replaces a log file by the lines, creating its folder. A log that cannot be
// written is left out: it never stops the work it records.
void SaveLog(const QString &file, const QStringList &lines);
// The error line of Crerror.log: "DD.MM.YYYY HH:NN:SS computer : message".
QString ErrorLogLine(const QString &message);
// Writes the error line to Crerror.log and shows the message.
void LogError(const std::exception &error);
void LogError(const QString &message);
// Same line; shows text, two line breaks and the message.
void LogErrorWithText(const QString &text, const std::exception &error);
// [SQL_LOG] PATH of Login.ini, default program folder + "Log/"; ends with '/'.
QString SqlLogDir();
// Message of any exception the program throws.
QString ErrorMessage(const std::exception &error);
