#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    if (!overridden().isEmpty())
        return overridden();
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return withSlash(QDir::currentPath());
}

void ProgramFolder::setPath(const QString &folder)
{
    overridden() = withSlash(QDir(folder).absolutePath());
}

void ProgramFolder::reset()
{
    overridden().clear();
}
