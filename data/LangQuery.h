#pragma once

#include "data/Query.h"

#include <functional>

enum class TDBType { dtStandardSQL, dtMSSql7, dtInformix, dtMsAccess };

// One field assignment of an insert or update.
struct TFd
{
    QString Name;
    QString Value;
    int Quoted = 0; // 1: written between apostrophes
};

// A query whose statement is built from clause properties, field assignments
// and conditions. Every statement it builds is written to Query.log in the SQL
// log folder, and every change is appended to Modify.log as well. Values are
// inserted as given: callers pass free text through DoubleQuotes first.
class TLangQuery : public Query
{
    Q_OBJECT
public:
    explicit TLangQuery(QObject *parent = nullptr);

    const QString &columns() const { return m_columns; }
    void setColumns(const QString &v) { m_columns = v; }
    const QString &fromClause() const { return m_fromClause; }
    void setFromClause(const QString &v) { m_fromClause = v; }
    const QString &tables() const { return m_tables; }
    void setTables(const QString &v) { m_tables = v; }
    const QString &whereClause() const { return m_whereClause; }
    void setWhereClause(const QString &v) { m_whereClause = v; }
    const QString &groupByClause() const { return m_groupByClause; }
    void setGroupByClause(const QString &v) { m_groupByClause = v; }
    const QString &havingClause() const { return m_havingClause; }
    void setHavingClause(const QString &v) { m_havingClause = v; }
    const QString &orderByClause() const { return m_orderByClause; }
    void setOrderByClause(const QString &v) { m_orderByClause = v; }
    TDBType dataType() const { return m_dataType; }
    void setDataType(TDBType t) { m_dataType = t; }

    std::function<void(TLangQuery &)> OnInsert;
    std::function<void(TLangQuery &)> OnUpdate;
    std::function<void(TLangQuery &)> OnDelete;

    bool NoRows() const { return m_noRows; }
    const QList<TFd> &fieldAssignments() const { return m_assignments; }
    const QStringList &conditions() const { return m_conditions; }

    void AddField(const QString &name, const QString &value, bool quoted);
    void AddCondition(const QString &prefix, const QString &field, QChar kind, const QString &value);
    void AddConditionOp(const QString &prefix, const QString &field, const QString &op, QChar kind,
                        const QString &value);
    void ClearFields();
    void ClearConditions();

    void Select();
    void ExecInsert();
    void ExecUpdate();
    void ExecDelete();

    // The statements as lines, without running them.
    QStringList selectLines() const;
    QStringList insertLines() const;
    QStringList updateLines() const;
    QStringList deleteLines() const;

private:
    QStringList whereLines() const;
    void requireTable() const;
    void logStatement(const QStringList &lines, bool change) const;
    void execChange(const QStringList &lines);

    QString m_columns, m_fromClause, m_tables, m_whereClause, m_groupByClause, m_havingClause,
        m_orderByClause;
    TDBType m_dataType = TDBType::dtStandardSQL;
    QList<TFd> m_assignments;
    QStringList m_conditions;
    bool m_noRows = true;
};
