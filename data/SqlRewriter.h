#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Turns a statement written for the server dialects into one the connected
// driver runs. Named parameters (:New) always become positional markers so
// that every driver binds them the same way. For the embedded database the
// server-only forms are rewritten as well: sequence NEXTVAL in both dialects,
// CREATE/DROP SEQUENCE, DUAL, SYSIBM.SYSDUMMY1, SYSDATE and CURRENT DATE.
// Text inside string literals, quoted names and comments is never touched.
class SqlRewriter
{
public:
    using NextValue = std::function<qint64(const QString &sequence)>;

    struct Result
    {
        QString text;
        QStringList parameterNames; // in the order of the markers; a name may repeat
    };

    // The table in which the embedded database keeps its sequences.
    static QString sequenceTable() { return QStringLiteral("OVO_SEQUENCES"); }

    static Result rewrite(const QString &sql, bool embedded, const NextValue &nextValue = {});
    // Only the parameter names, without changing anything.
    static QStringList parameterNames(const QString &sql);
};
