#include "shell/CaptionedMessageBox.h"

#include "shell/DialogHook.h"
#include "shell/MessageBoxWindow.h"

MsgResult CaptionedMessageBox(const QString &caption, const QString &text, MsgKind kind, MsgButtons buttons)
{
    const DialogRequest request{caption, text, kind, buttons, nullptr};
    if (const std::optional<MsgResult> answer = DialogHook::answer(request))
        return *answer;

    // No owner window: these boxes come from the engine and its binding, which
    // may run while no window of ours is active.
    MessageBoxWindow window(text, kind, buttons);
    window.setWindowTitle(caption);
    window.exec();
    return window.answer();
}
