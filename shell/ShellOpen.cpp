#include "shell/ShellOpen.h"

#include "shell/DialogHook.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstdio>

namespace ShellOpen {
namespace {
Handler &handler()
{
    static Handler h;
    return h;
}
} // namespace

bool open(const QString &path)
{
    if (handler())
        return handler()(path);
    if (DialogHook::isUnattended()) {
        const QByteArray line = (QStringLiteral("Odpri: ") + path).toUtf8();
        std::fprintf(stderr, "%s\n", line.constData());
        std::fflush(stderr);
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

void clearHandler()
{
    handler() = nullptr;
}

} // namespace ShellOpen
