#pragma once

#include <QList>
#include <QString>

// Splits SQL text into tokens so that rewrites and parameter scanning never
// look inside string literals, quoted names or comments.
struct SqlToken
{
    enum Kind { Space, Comment, Word, Number, String, QuotedName, Parameter, Symbol };
    Kind kind;
    QString text; // exact source text, including quotes and the ':' of a parameter

    bool isWord(QLatin1StringView word) const
    {
        return kind == Word && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QChar c) const { return kind == Symbol && text.size() == 1 && text.at(0) == c; }
    bool isBlank() const { return kind == Space || kind == Comment; }
};

class SqlLexer
{
public:
    static QList<SqlToken> tokenize(const QString &sql);
    // Splits a script into statements at ';' outside literals and comments.
    // Empty statements (only blanks and comments) are dropped.
    static QStringList splitStatements(const QString &script);
};
