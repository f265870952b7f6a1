#include "shell/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

DialogUnits::DialogUnits(int charWidth, int charHeight) : m_charWidth(charWidth), m_charHeight(charHeight) {}

DialogUnits DialogUnits::fromFont(const QFont &font)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return DialogUnits(metrics.horizontalAdvance(letters) / 52, metrics.height());
}
