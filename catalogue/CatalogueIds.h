#pragma once

#include <QString>

// New keys of the catalogue tables: the highest key of a range plus one.
// Keys from 10000000 up belong to the installation's users, keys below to the
// standard catalogue that is shipped with the program. Nothing guards two
// users who allocate at the same moment: the second insert then fails on the key.
namespace CatalogueIds {

constexpr qint64 UserRangeStart = 10000000;

// The next key of column in table; the user range starts at 10000001.
qint64 NextId(const QString &table, const QString &column, bool userRange);
// The value that follows the highest key found (0 when none) in that range.
qint64 FollowingId(qint64 maximum, bool userRange);

} // namespace CatalogueIds
