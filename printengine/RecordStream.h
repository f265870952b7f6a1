#pragma once

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <memory>

class Database;

// Records of one run, read one at a time: the database result is never held
// whole in memory.
class RecordStream
{
public:
    virtual ~RecordStream() = default;
    virtual bool next() = 0; // throws EDatabaseError
    virtual QVariant value(int column) const = 0;
    virtual QStringList columns() const = 0;
};

class SqlRecordStream : public RecordStream
{
public:
    // columns: names for the result columns; empty = the result's own names.
    SqlRecordStream(QSqlQuery query, const QStringList &columns);
    bool next() override;
    QVariant value(int column) const override { return m_query.value(column); }
    QStringList columns() const override { return m_columns; }

private:
    QSqlQuery m_query;
    QStringList m_columns;
};

// Rows saved with the report file.
class SavedRecordStream : public RecordStream
{
public:
    SavedRecordStream(const QStringList &columns, const QList<QVariantList> &rows)
        : m_columns(columns), m_rows(rows)
    {
    }
    bool next() override { return ++m_index < m_rows.size(); }
    QVariant value(int column) const override { return m_rows.at(m_index).value(column); }
    QStringList columns() const override { return m_columns; }

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
    qsizetype m_index = -1;
};
