#include "catalogue/CatalogueIds.h"

#include "shell/DbShortcuts.h"

namespace CatalogueIds {

qint64 FollowingId(qint64 maximum, bool userRange)
{
    if (userRange && maximum < UserRangeStart)
        return UserRangeStart + 1;
    return maximum + 1;
}

qint64 NextId(const QString &table, const QString &column, bool userRange)
{
    const QString where =
        column + (userRange ? QStringLiteral(">=") : QStringLiteral("<")) + QString::number(UserRangeStart);
    const qint64 maximum =
        LookupIntegerOf(QStringLiteral("LB"), table, QStringLiteral("MAXID"),
                        QStringLiteral("MAX(") + column + QStringLiteral(") AS MAXID"), where);
    return FollowingId(maximum, userRange);
}

} // namespace CatalogueIds
