#pragma once

#include "shell/MessageDialog.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One message box or entry box about to be shown.
struct DialogRequest
{
    QString caption;
    QString text; // the message, or the entry box's prompt
    MsgKind kind; // Custom for the entry box
    MsgButtons buttons;
    QString *value; // entry box only: the answerer may type into it; null for a message box
};

struct ShownDialog
{
    QString caption;
    QString text;

    bool operator==(const ShownDialog &) const = default;
};

// Every message box and entry box passes through here before it opens. Each
// one is recorded (caption and text) in shown(). When an answerer is
// installed it answers the box instead of the user and the box never opens;
// it returns the result of the button to press, or MsgResult::None for the
// default one (an entry box's answerer may also change *request.value). A run
// without a display (the offscreen or minimal platform, no QApplication, or
// setUnattended(true)) never opens a box either: it answers with the default
// button, an entry box with OK and the value unchanged, and writes the box as
// one line to standard error (see unattendedLine). The answerer and the record
// work the same with and without a display, so a test can answer a box
// without showing it and read back what it said. GUI thread only.
class DialogHook
{
public:
    using Answerer = std::function<MsgResult(const DialogRequest &request)>;

    static void setUnattended(bool unattended);
    static bool isUnattended();

    static void setAnswerer(Answerer answerer);
    static void clearAnswerer();

    static QList<ShownDialog> shown();
    static void clearShown();

    // caption + ": " + text, with every line break (CR LF, CR or LF) written as " | ".
    static QString unattendedLine(const QString &caption, const QString &text);

    // Records the box and answers it when it must not open; nullopt means
    // the caller shows the real window.
    static std::optional<MsgResult> answer(const DialogRequest &request);
};
