#pragma once

#include <QString>

// Where the engine library lives and what its version resource says. Shared
// by the loader and the print-job component, so both find the same file.
namespace RpeLibraryFile {

// The library's file name on this platform.
QString fileName();

// The file the loader would load from the search path, or empty when it is
// not found there. The search path stands in for the system's library search
// order: the program's own folder first, then LD_LIBRARY_PATH, then the
// standard library folders.
QString findOnSearchPath();

// One string of the version resource the library carries as text in its file
// ("RPEVERSION", then "Key=Value" entries, each zero-terminated, ending with
// an empty entry), read without loading the library. Returns
// false with errorNumber 0 when the file has no such entry; a file that
// cannot be read gives false and its errno.
bool readVersionString(const QString &file, const QString &key, QString &value, int &errorNumber);

} // namespace RpeLibraryFile
