#include "shell/Utils.h"

#include "shell/IniFile.h"
#include "shell/MessageDialog.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

QString ReadIni(const QString &file, const QString &section, const QString &key, const QString &defaultValue)
{
    return IniFile(file).readString(section, key, defaultValue);
}

QString ComputerName()
{
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0 || buffer[0] == '\0') {
        ShowError(QString::fromLocal8Bit(std::strerror(errno)));
        return QStringLiteral("BLANK");
    }
    return QString::fromLocal8Bit(buffer);
}

QString FirstWord(const QString &text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank);
}

QString AfterFirstWord(const QString &text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : text.mid(blank + 1);
}

int IndexOfCode(const QStringList &items, const QString &code)
{
    for (int i = 0; i < items.size(); ++i) {
        const QString &item = items.at(i);
        const qsizetype blank = item.indexOf(QLatin1Char(' '));
        const bool match = blank >= 0 ? item.left(blank).trimmed().toUpper() == code.trimmed().toUpper()
                                      : item.toUpper() == code.toUpper();
        if (match)
            return i;
    }
    return -1;
}
