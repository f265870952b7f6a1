#pragma once

#include "data/Query.h"

// A query whose result can always be navigated in both directions.
class TUniQuery : public Query
{
    Q_OBJECT
public:
    using Query::Query;

protected:
    void beforeOpen() override { setUniDirectional(false); }
};
