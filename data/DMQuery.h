#pragma once

#include "data/UniQuery.h"

// Keeps a window's declared fields working when the database reports a column
// with another type than the one declared (numeric columns differ between
// servers and drivers): such a field is replaced by one of the reported type
// that keeps the declared settings, position and the window's reference.
class TDMQuery : public TUniQuery
{
    Q_OBJECT
public:
    using TUniQuery::TUniQuery;

    // The driver name of the connection's alias, taken when the query is
    // bound to its open database.
    const QString &driverName() const { return m_driverName; }

protected:
    void beforeOpen() override;
    void fieldDefsCreated() override;

private:
    QString m_driverName;
};
