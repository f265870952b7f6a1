#include "printengine/RecordStream.h"

#include "shell/Errors.h"

#include <QSqlError>
#include <QSqlRecord>

SqlRecordStream::SqlRecordStream(QSqlQuery query, const QStringList &columns)
    : m_query(std::move(query)), m_columns(columns)
{
    if (m_columns.isEmpty()) {
        const QSqlRecord rec = m_query.record();
        for (int i = 0; i < rec.count(); ++i)
            m_columns << rec.fieldName(i).toUpper();
    }
}

bool SqlRecordStream::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw EDatabaseError(m_query.lastError().text());
    return false;
}
