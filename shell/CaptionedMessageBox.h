#pragma once

#include "shell/MessageDialog.h"

#include <QString>

// A message box with a caption of its own: the few English boxes of the
// engine binding ("Print Engine Error", "Export Warning") and the print,
// refresh and export errors of the engine's preview. It goes through the same
// dialog hook as every other box, so headless runs and tests answer it.
MsgResult CaptionedMessageBox(const QString &caption, const QString &text, MsgKind kind, MsgButtons buttons);
