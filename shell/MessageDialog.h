#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <optional>

// Message boxes and the one-line entry box every window uses. The captions and
// buttons are Slovene; a run without a display answers them at once (see
// DialogHook).

enum class MsgKind { Warning, Error, Information, Confirmation, Custom };

enum class MsgButton {
    Yes = 0x001,
    No = 0x002,
    OK = 0x004,
    Cancel = 0x008,
    Abort = 0x010,
    Retry = 0x020,
    Ignore = 0x040,
    All = 0x080,
    Help = 0x100,
};
Q_DECLARE_FLAGS(MsgButtons, MsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgButtons)

enum class MsgResult { None, Yes, No, OK, Cancel, Abort, Retry, Ignore, All };

// A left or top below 0 keeps the centred position on that axis.
MsgResult MessageDialog(const QString &text, MsgKind kind, MsgButtons buttons, int helpContext = 0,
                        int left = -1, int top = -1);
void ShowError(const QString &text);
void ShowInfo(const QString &text);
MsgResult AskYesNo(const QString &text);

// True, with the new value, only when the user confirmed with "&V redu";
// otherwise value is left as it was.
bool InputQuery(const QString &caption, const QString &prompt, QString &value);
// The default when the box is cancelled.
QString InputBox(const QString &caption, const QString &prompt, const QString &defaultValue);

// The rules behind the boxes, shared by the window and the unattended answer.
namespace Msg {

QString caption(MsgKind kind);
// The title of the application, the caption of a custom box; Qt's display
// name (by default the application's name) until the entry sets it. Unlike
// Qt's display name, window captions never carry it.
void setApplicationTitle(const QString &text);
QString applicationTitle();
QString buttonName(MsgButton button);
QString buttonCaption(MsgButton button);
// Help answers nothing: it opens help and leaves the box open.
MsgResult resultOf(MsgButton button);
std::optional<MsgButton> buttonOf(MsgResult result);
// The buttons of the set in the order they stand from left to right.
QList<MsgButton> orderedButtons(MsgButtons buttons);
// Return presses OK, else Yes, else Retry; a box with none of them has no default.
std::optional<MsgButton> defaultButton(MsgButtons buttons);
// Escape presses Cancel, else No, else OK; a box with none of them ignores Escape.
std::optional<MsgButton> escapeButton(MsgButtons buttons);
// What a box answers when closed from its title bar: the Escape button, or
// Cancel when there is none, as the window manager's close always means "cancel".
MsgResult closeResult(MsgButtons buttons);
// The answer of a box nobody can see: its default button, or what closing it gives.
MsgResult unattendedAnswer(MsgButtons buttons);

} // namespace Msg
