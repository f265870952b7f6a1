#pragma once

#include <QString>

#include <functional>

// The desktop's "open" of a file or folder: whatever application is
// associated with it starts. Tests replace the handler so that no viewer ever
// starts; a run without a display only writes the request to standard error.
namespace ShellOpen {

using Handler = std::function<bool(const QString &path)>;

// True when the request was handed over.
bool open(const QString &path);
void setHandler(Handler handler);
void clearHandler();

} // namespace ShellOpen
