#include "shell/VersionInfo.h"

#include <QMap>

namespace {
const QMap<QString, QString> &strings()
{
    static const QMap<QString, QString> resource{
        {QStringLiteral("FileVersion"), QStringLiteral(OVO_FILE_VERSION)},
        {QStringLiteral("ProductVersion"), QStringLiteral(OVO_FILE_VERSION)},
        {QStringLiteral("ProductName"), QStringLiteral("Ovo - Reports")},
        {QStringLiteral("FileDescription"), QStringLiteral("Reports executor")},
        {QStringLiteral("InternalName"), QStringLiteral("porocila")},
    };
    return resource;
}
} // namespace

int VersionInfo::resourceSize()
{
    int size = 0;
    for (auto it = strings().cbegin(); it != strings().cend(); ++it)
        size += int((it.key().size() + it.value().size() + 2) * sizeof(char16_t));
    return size;
}

QString VersionInfo::value(const QString &key)
{
    return strings().value(key);
}
