#pragma once

#include "data/Query.h"

// A table opened with an optional filter, used to append rows without loading
// the existing ones (a filter such as "IdAct=0" matches none).
class Table : public DataSet
{
    Q_OBJECT
public:
    explicit Table(QObject *parent = nullptr);

    const QString &databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &name) { m_databaseName = name; }
    const QString &tableName() const { return m_tableName; }
    void setTableName(const QString &name) { m_tableName = name; }
    const QString &filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    bool filtered() const { return m_filtered; }
    void setFiltered(bool on) { m_filtered = on; }

    void open();
    // Starts a new record; set its fields, then post() or cancel().
    void append();
    void post();
    void cancel();

private:
    QString m_databaseName = QStringLiteral("LB");
    QString m_tableName;
    QString m_filter;
    bool m_filtered = false;
};
