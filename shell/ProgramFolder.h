#pragma once

#include <QString>

// The folder of the application executable, where every ini file, log and the
// Report folder live. Tests point it at a temporary folder.
class ProgramFolder
{
public:
    // Always ends with a '/'.
    static QString path();
    static QString file(const QString &name) { return path() + name; }
    static void setPath(const QString &folder);
    static void reset();
};
