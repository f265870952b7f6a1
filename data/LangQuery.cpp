#include "data/LangQuery.h"

#include "shell/Errors.h"
#include "shell/Logs.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>

TLangQuery::TLangQuery(QObject *parent) : Query(parent) {}

void TLangQuery::AddField(const QString &name, const QString &value, bool quoted)
{
    TFd fd;
    fd.Name = name;
    if (value.isEmpty()) {
        fd.Value = QStringLiteral("NULL");
        fd.Quoted = 0;
    } else {
        fd.Value = value.trimmed();
        fd.Quoted = quoted ? 1 : 0;
    }
    m_assignments.append(fd);
}

void TLangQuery::AddCondition(const QString &prefix, const QString &field, QChar kind, const QString &value)
{
    AddConditionOp(prefix, field, QStringLiteral("="), kind, value);
}

void TLangQuery::AddConditionOp(const QString &prefix, const QString &field, const QString &op, QChar kind,
                                const QString &value)
{
    const QString left = prefix.isEmpty() ? field : prefix + QLatin1Char('.') + field;
    const bool bare = kind == QLatin1Char('F') || kind == QLatin1Char('I') || kind == QLatin1Char('N');
    m_conditions.append(bare ? left + op + value : left + op + QLatin1Char('\'') + value + QLatin1Char('\''));
}

void TLangQuery::ClearFields()
{
    m_assignments.clear();
}

void TLangQuery::ClearConditions()
{
    m_conditions.clear();
    m_whereClause.clear();
}

QStringList TLangQuery::whereLines() const
{
    QStringList lines;
    const bool freeText = !m_whereClause.trimmed().isEmpty();
    if (m_conditions.isEmpty()) {
        if (freeText)
            lines.append(QStringLiteral("Where (") + m_whereClause + QLatin1Char(')'));
        return lines;
    }
    lines.append(QStringLiteral("Where "));
    for (qsizetype i = 0; i + 1 < m_conditions.size(); ++i)
        lines.append(m_conditions.at(i) + QStringLiteral(" and"));
    if (freeText) {
        lines.append(m_conditions.last() + QStringLiteral(" and"));
        lines.append(m_whereClause);
    } else {
        lines.append(m_conditions.last());
    }
    return lines;
}

QStringList TLangQuery::selectLines() const
{
    QStringList lines;
    lines.append(QStringLiteral("Select ") + m_columns);
    lines.append(QStringLiteral("From ") + m_fromClause);
    lines += whereLines();
    if (!m_groupByClause.trimmed().isEmpty())
        lines.append(QStringLiteral("Group by ") + m_groupByClause);
    if (!m_havingClause.trimmed().isEmpty())
        lines.append(QStringLiteral("Having ") + m_havingClause);
    if (!m_orderByClause.trimmed().isEmpty())
        lines.append(QStringLiteral("Order By ") + m_orderByClause);
    return lines;
}

void TLangQuery::requireTable() const
{
    if (m_tables.isEmpty())
        throw ESQLError(QStringLiteral("Table name missing."));
}

namespace {
void requireAssignments(const QList<TFd> &assignments)
{
    // Building a statement without assignments reads before the start of the list.
    if (assignments.isEmpty())
        throw EListError(QStringLiteral("List index out of bounds (-1)"));
}
} // namespace

QStringList TLangQuery::insertLines() const
{
    requireTable();
    requireAssignments(m_assignments);
    QStringList names, values;
    for (const TFd &fd : m_assignments) {
        names.append(fd.Name);
        values.append(fd.Quoted == 1 ? QLatin1Char('\'') + fd.Value + QLatin1Char('\'') : fd.Value);
    }
    const bool lastQuoted = m_assignments.last().Quoted == 1;
    return {QStringLiteral("Insert into ") + m_tables + QLatin1Char(' '),
            QStringLiteral("   (") + names.join(QStringLiteral(", ")) + QLatin1Char(')'),
            QStringLiteral("values "),
            QLatin1Char('(') + values.join(QStringLiteral(", ")) +
                (lastQuoted ? QStringLiteral(")") : QStringLiteral(") "))};
}

QStringList TLangQuery::updateLines() const
{
    requireTable();
    requireAssignments(m_assignments);
    QStringList lines{QStringLiteral("Update ") + m_tables + QLatin1Char(' '), QStringLiteral("Set ")};
    for (qsizetype i = 0; i < m_assignments.size(); ++i) {
        const TFd &fd = m_assignments.at(i);
        const bool last = i + 1 == m_assignments.size();
        QString line = QStringLiteral("    ") + fd.Name;
        if (fd.Quoted == 1)
            line += QStringLiteral("='") + fd.Value + (last ? QStringLiteral("'") : QStringLiteral("', "));
        else
            line += QLatin1Char('=') + fd.Value + (last ? QStringLiteral(" ") : QStringLiteral(", "));
        lines.append(line);
    }
    lines += whereLines();
    return lines;
}

QStringList TLangQuery::deleteLines() const
{
    requireTable();
    QStringList lines{QStringLiteral("Delete from ") + m_tables};
    lines += whereLines();
    return lines;
}

void TLangQuery::logStatement(const QStringList &lines, bool change) const
{
    // Logging must never stop the statement.
    try {
        const QString folder = SqlLogDir();
        QDir().mkpath(folder);
        QFile last(folder + QStringLiteral("Query.log"));
        if (OpenLogFile(last, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            last.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        if (!change)
            return;
        const QByteArray entry = (lines.join(QLatin1Char('\n')) + QStringLiteral("\nGo\n\n")).toUtf8();
        QFile modify(folder + QStringLiteral("Modify.log"));
        if (OpenLogFile(modify, QIODevice::Append | QIODevice::Text)) {
            modify.write(entry);
            return;
        }
        QFile fallback(ProgramFolder::file(QStringLiteral("Datoteka.txt")));
        if (OpenLogFile(fallback, QIODevice::Append | QIODevice::Text))
            fallback.write(entry);
    } catch (...) {
    }
}

void TLangQuery::Select()
{
    const QStringList lines = selectLines();
    logStatement(lines, false);
    if (active())
        close();
    setSqlLines(lines);
    open();
    m_noRows = isEmpty();
}

void TLangQuery::execChange(const QStringList &lines)
{
    logStatement(lines, true);
    setSqlLines(lines);
    m_noRows = true;
    if (m_dataType == TDBType::dtMsAccess)
        return;
    execSql();
}

void TLangQuery::ExecInsert()
{
    requireTable();
    if (OnInsert)
        OnInsert(*this);
    execChange(insertLines());
}

void TLangQuery::ExecUpdate()
{
    requireTable();
    if (OnUpdate)
        OnUpdate(*this);
    execChange(updateLines());
}

void TLangQuery::ExecDelete()
{
    requireTable();
    if (OnDelete)
        OnDelete(*this);
    execChange(deleteLines());
}
