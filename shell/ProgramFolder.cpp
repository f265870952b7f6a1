#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// Kept in the process environment, so that the engine library, which links
// its own copy of this code, sees the same folder as its host.
const char OverrideVariable[] = "OVO_PROGRAM_FOLDER";

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    const QString overridden = qEnvironmentVariable(OverrideVariable);
    if (!overridden.isEmpty())
        return withSlash(overridden);
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return withSlash(QDir::currentPath());
}

void ProgramFolder::setPath(const QString &folder)
{
    qputenv(OverrideVariable, withSlash(QDir(folder).absolutePath()).toLocal8Bit());
}

void ProgramFolder::reset()
{
    qunsetenv(OverrideVariable);
}
