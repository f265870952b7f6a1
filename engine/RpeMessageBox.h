#pragma once

#include "shell/MessageDialog.h"

#include <QString>

// A message box with a caption of its own, for the few English boxes of the
// engine binding ("Print Engine Error", "Export Warning"). It goes through the
// same dialog hook as every other box, so headless runs and tests answer it.
MsgResult RpeMessageBox(const QString &caption, const QString &text, MsgKind kind, MsgButtons buttons);
