#pragma once

#include "data/DMQuery.h"

// The form query the windows and data modules place for fixed statements.
class TFQuery : public TDMQuery
{
    Q_OBJECT
public:
    using TDMQuery::TDMQuery;

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

private:
    QString m_caption;
};
