#include "run/DpkCheckDigits.h"

#include "shell/Errors.h"

namespace {
int digitOf(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        throw EConvertError(QStringLiteral("'%1' ni veljavno celo število.").arg(c));
    return c.unicode() - '0';
}
} // namespace

QString DpkCheckDigits(const QString &controlValue)
{
    QString value = controlValue;
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        value.truncate(slash);
    if (value.trimmed().isEmpty() || value.trimmed() == QLatin1String("00000"))
        return QStringLiteral("  ");
    // A longer value keeps only its last seven characters: the key format has room for seven.
    const QString s = (QStringLiteral("0000000") + value).right(7).trimmed();

    const QString firstDigits = QStringLiteral("9002") + s;
    static constexpr int firstWeights[] = {3, 7, 1};
    int sum = 0;
    for (qsizetype i = 0; i < firstDigits.size(); ++i)
        sum += digitOf(firstDigits.at(i)) * firstWeights[i % 3];
    const int first = sum % 10 == 0 ? 0 : 10 - sum % 10;

    const QString secondDigits = s + QString::number(first);
    sum = 0;
    for (qsizetype k = 0; k < secondDigits.size(); ++k)
        sum += digitOf(secondDigits.at(secondDigits.size() - 1 - k)) * int(2 + k % 6);
    const int r = sum % 11;
    const int second = r <= 1 ? 0 : 11 - r;
    return QString::number(first) + QString::number(second);
}
