#pragma once

#include <QString>

// The program's version resource: the strings compiled in from the build.
namespace VersionInfo {
// Size in bytes of the whole resource as the program carries it.
int resourceSize();
// A string of the resource ("FileVersion", "ProductVersion", ...); empty when missing.
QString value(const QString &key);
} // namespace VersionInfo
