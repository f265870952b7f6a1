#pragma once

#include "data/LangQuery.h"

#include <QDateTime>
#include <memory>
#include <optional>

class QComboBox;

// Single-value lookups and query shortcuts over a database by name ("LB"),
// each built as a TLangQuery. Errors pass to the caller unless stated.
QString LookupString(const QString &database, const QString &table, const QString &column,
                     const QString &where);
qint64 LookupInteger(const QString &database, const QString &table, const QString &column,
                     const QString &where);
qint64 LookupIntegerOf(const QString &database, const QString &table, const QString &fieldName,
                       const QString &columns, const QString &where);
QDateTime LookupDateTime(const QString &database, const QString &table, const QString &column,
                         const QString &where);
QDateTime MaxDate(const QString &database, const QString &table, const QString &column, const QString &where);
QDateTime MinDate(const QString &database, const QString &table, const QString &column, const QString &where);

std::unique_ptr<TLangQuery> OpenQuery(const QString &database, const QString &table, const QString &columns,
                                      const QString &where);
std::unique_ptr<TLangQuery> OpenQueryOrdered(const QString &database, const QString &table,
                                             const QString &columns, const QString &where,
                                             const QString &orderBy);
std::unique_ptr<TLangQuery> NewTableQuery(const QString &table);
// On an error: LogError and no query.
std::unique_ptr<TLangQuery> OpenSelect(const QString &columns, const QString &from, const QString &where,
                                       const QString &orderBy = {}, const QString &groupBy = {},
                                       const QString &having = {});
// On an error: LogError and false.
bool UpdateColumn(const QString &table, const QString &column, const QString &value, const QString &where,
                  bool quoted);
// One item per row: the text shown, the code as the item's data.
void FillComboFromTable(QComboBox *combo, const QString &table, const QString &codeColumn,
                        const QString &textColumn, const QString &orderBy, const QString &where);
// Field names, then one line per row; nothing when the data set has no row.
std::optional<QStringList> QueryToLines(DataSet &dataSet, const QString &separator, bool flatten);

// Next key of counter table s_kljuci: prefix + number + suffix.
QString NextKey(const QString &name, bool increment);
