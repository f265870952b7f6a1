#include "shell/MessageDialog.h"

#include "shell/DialogHook.h"
#include "shell/InputQueryWindow.h"
#include "shell/MessageBoxWindow.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

struct ButtonInfo
{
    MsgButton button;
    const char *name;
    const char *caption;
    MsgResult result;
};

// Left-to-right order of the buttons in a box.
const ButtonInfo buttonTable[] = {
    {MsgButton::Yes, "Yes", "&Da", MsgResult::Yes},
    {MsgButton::No, "No", "&Ne", MsgResult::No},
    {MsgButton::OK, "OK", "&V redu", MsgResult::OK},
    {MsgButton::Cancel, "Cancel", "&Prekliči", MsgResult::Cancel},
    {MsgButton::Abort, "Abort", "P&rekini", MsgResult::Abort},
    {MsgButton::Retry, "Retry", "P&onovi", MsgResult::Retry},
    {MsgButton::Ignore, "Ignore", "Pr&ezri", MsgResult::Ignore},
    {MsgButton::All, "All", "&Vse", MsgResult::All},
    {MsgButton::Help, "Help", "Po&moč", MsgResult::None},
};

const ButtonInfo &infoOf(MsgButton button)
{
    for (const ButtonInfo &info : buttonTable) {
        if (info.button == button)
            return info;
    }
    Q_UNREACHABLE();
}

std::optional<MsgButton> firstPresent(MsgButtons buttons, std::initializer_list<MsgButton> candidates)
{
    for (MsgButton candidate : candidates) {
        if (buttons.testFlag(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

namespace Msg {

QString caption(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QStringLiteral("Opozorilo");
    case MsgKind::Error:
        return QStringLiteral("Napaka");
    case MsgKind::Information:
        return QStringLiteral("Informacija");
    case MsgKind::Confirmation:
        return QStringLiteral("Potrditev");
    case MsgKind::Custom:
        break;
    }
    return applicationTitle();
}

namespace {
QString &title()
{
    static QString text;
    return text;
}
} // namespace

void setApplicationTitle(const QString &text)
{
    title() = text;
}

QString applicationTitle()
{
    return title().isEmpty() ? QGuiApplication::applicationDisplayName() : title();
}

QString buttonName(MsgButton button)
{
    return QString::fromLatin1(infoOf(button).name);
}

QString buttonCaption(MsgButton button)
{
    return QString::fromUtf8(infoOf(button).caption);
}

MsgResult resultOf(MsgButton button)
{
    return infoOf(button).result;
}

std::optional<MsgButton> buttonOf(MsgResult result)
{
    if (result == MsgResult::None)
        return std::nullopt;
    for (const ButtonInfo &info : buttonTable) {
        if (info.result == result)
            return info.button;
    }
    return std::nullopt;
}

QList<MsgButton> orderedButtons(MsgButtons buttons)
{
    QList<MsgButton> ordered;
    for (const ButtonInfo &info : buttonTable) {
        if (buttons.testFlag(info.button))
            ordered.append(info.button);
    }
    return ordered;
}

std::optional<MsgButton> defaultButton(MsgButtons buttons)
{
    return firstPresent(buttons, {MsgButton::OK, MsgButton::Yes, MsgButton::Retry});
}

std::optional<MsgButton> escapeButton(MsgButtons buttons)
{
    return firstPresent(buttons, {MsgButton::Cancel, MsgButton::No, MsgButton::OK});
}

MsgResult closeResult(MsgButtons buttons)
{
    const std::optional<MsgButton> escape = escapeButton(buttons);
    return escape ? resultOf(*escape) : MsgResult::Cancel;
}

MsgResult unattendedAnswer(MsgButtons buttons)
{
    const std::optional<MsgButton> def = defaultButton(buttons);
    return def ? resultOf(*def) : closeResult(buttons);
}

} // namespace Msg

MsgResult MessageDialog(const QString &text, MsgKind kind, MsgButtons buttons, int helpContext, int left,
                        int top)
{
    const DialogRequest request{Msg::caption(kind), text, kind, buttons, nullptr};
    if (const std::optional<MsgResult> answer = DialogHook::answer(request))
        return *answer;

    MessageBoxWindow window(text, kind, buttons, helpContext, left, top, QApplication::activeWindow());
    window.exec();
    return window.answer();
}

void ShowError(const QString &text)
{
    MessageDialog(text, MsgKind::Error, MsgButton::OK);
}

void ShowInfo(const QString &text)
{
    MessageDialog(text, MsgKind::Information, MsgButton::OK);
}

MsgResult AskYesNo(const QString &text)
{
    return MessageDialog(text, MsgKind::Confirmation, MsgButton::Yes | MsgButton::No);
}

bool InputQuery(const QString &caption, const QString &prompt, QString &value)
{
    // The answerer types into a copy so a cancelled answer leaves value alone.
    QString typed = value;
    const DialogRequest request{caption, prompt, MsgKind::Custom, MsgButton::OK | MsgButton::Cancel, &typed};
    if (const std::optional<MsgResult> answer = DialogHook::answer(request)) {
        if (*answer != MsgResult::OK)
            return false;
        value = typed;
        return true;
    }

    InputQueryWindow window(caption, prompt, value, QApplication::activeWindow());
    if (window.exec() != QDialog::Accepted)
        return false;
    value = window.value();
    return true;
}

QString InputBox(const QString &caption, const QString &prompt, const QString &defaultValue)
{
    QString value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}
