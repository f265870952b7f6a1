#include "engine/RpeLibraryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace RpeLibraryFile {

QString fileName()
{
    return QStringLiteral("librpe32.so");
}

QString findOnSearchPath()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    for (const QString &folder :
         qEnvironmentVariable("LD_LIBRARY_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << folder;
    folders << QStringLiteral("/usr/local/lib") << QStringLiteral("/usr/lib/x86_64-linux-gnu")
            << QStringLiteral("/usr/lib") << QStringLiteral("/lib");
    for (const QString &folder : folders) {
        const QFileInfo info(QDir(folder), fileName());
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

bool readVersionString(const QString &file, const QString &key, QString &value, int &errorNumber)
{
    errorNumber = 0;
    QFile f(file);
    if (!f.exists())
        return false;
    if (!f.open(QIODevice::ReadOnly)) {
        errorNumber = errno ? errno : EACCES;
        return false;
    }
    const QByteArray content = f.readAll();
    static const QByteArray marker("RPEVERSION\0", 11);
    const QByteArray wanted = key.toUtf8() + '=';
    // The marker text may also occur elsewhere in the file (a reader like
    // this one carries it too): every occurrence is tried.
    for (qsizetype start = content.indexOf(marker); start >= 0; start = content.indexOf(marker, start + 1)) {
        qsizetype pos = start + marker.size();
        while (pos < content.size()) {
            const qsizetype end = content.indexOf('\0', pos);
            if (end < 0 || end == pos)
                break;
            const QByteArray entry = content.mid(pos, end - pos);
            if (entry.startsWith(wanted)) {
                value = QString::fromUtf8(entry.mid(wanted.size()));
                return true;
            }
            if (!entry.contains('='))
                break;
            pos = end + 1;
        }
    }
    return false;
}

} // namespace RpeLibraryFile
