#include "shell/DialogHook.h"

#include <QApplication>
#include <QDebug>

#include <cstdio>

namespace {

struct HookState
{
    bool unattended = false;
    DialogHook::Answerer answerer;
    QList<ShownDialog> shown;
};

HookState &state()
{
    static HookState instance;
    return instance;
}

} // namespace

void DialogHook::setUnattended(bool unattended)
{
    state().unattended = unattended;
}

bool DialogHook::isUnattended()
{
    if (state().unattended)
        return true;
    // A plain QCoreApplication (a command-line tool) cannot create windows at all.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

void DialogHook::setAnswerer(Answerer answerer)
{
    state().answerer = std::move(answerer);
}

void DialogHook::clearAnswerer()
{
    state().answerer = nullptr;
}

QList<ShownDialog> DialogHook::shown()
{
    return state().shown;
}

void DialogHook::clearShown()
{
    state().shown.clear();
}

QString DialogHook::unattendedLine(const QString &caption, const QString &text)
{
    QString line = caption + QLatin1String(": ");
    line.reserve(line.size() + text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            line += QLatin1String(" | ");
        } else if (c == QLatin1Char('\n')) {
            line += QLatin1String(" | ");
        } else {
            line += c;
        }
    }
    return line;
}

std::optional<MsgResult> DialogHook::answer(const DialogRequest &request)
{
    HookState &hook = state();
    hook.shown.append({request.caption, request.text});

    const bool unattended = isUnattended();
    if (!hook.answerer && !unattended)
        return std::nullopt;

    if (unattended) {
        const QByteArray line = unattendedLine(request.caption, request.text).toUtf8();
        std::fprintf(stderr, "%s\n", line.constData());
        std::fflush(stderr);
    }

    const MsgResult fallback = Msg::unattendedAnswer(request.buttons);
    if (!hook.answerer)
        return fallback;

    const MsgResult chosen = hook.answerer(request);
    if (chosen == MsgResult::None)
        return fallback;
    const std::optional<MsgButton> button = Msg::buttonOf(chosen);
    if (!button || !request.buttons.testFlag(*button)) {
        // A box cannot answer with a button it does not have; the default
        // keeps the caller on a path it expects.
        qWarning("DialogHook: the answer %d is not a button of the box \"%s\"", int(chosen),
                 qPrintable(request.caption));
        return fallback;
    }
    return chosen;
}
