#include "data/SqlLexer.h"

namespace {
bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c == QLatin1Char('#');
}

// Index just past a quoted run starting at i; a doubled quote stays inside.
qsizetype skipQuoted(const QString &s, qsizetype i, QChar quote)
{
    ++i;
    while (i < s.size()) {
        if (s.at(i) == quote) {
            if (i + 1 < s.size() && s.at(i + 1) == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i; // unterminated: the rest belongs to the literal
}
} // namespace

QList<SqlToken> SqlLexer::tokenize(const QString &s)
{
    QList<SqlToken> tokens;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        qsizetype end = i + 1;
        SqlToken::Kind kind = SqlToken::Symbol;
        if (c.isSpace()) {
            while (end < n && s.at(end).isSpace())
                ++end;
            kind = SqlToken::Space;
        } else if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
            while (end < n && s.at(end) != QLatin1Char('\n'))
                ++end;
            kind = SqlToken::Comment;
        } else if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            const qsizetype close = s.indexOf(QLatin1String("*/"), i + 2);
            end = close < 0 ? n : close + 2;
            kind = SqlToken::Comment;
        } else if (c == QLatin1Char('\'')) {
            end = skipQuoted(s, i, c);
            kind = SqlToken::String;
        } else if (c == QLatin1Char('"')) {
            end = skipQuoted(s, i, c);
            kind = SqlToken::QuotedName;
        } else if (c == QLatin1Char(':') && i + 1 < n && isWordStart(s.at(i + 1)) &&
                   !(i > 0 && s.at(i - 1) == QLatin1Char(':'))) {
            end = i + 2;
            while (end < n && isWordChar(s.at(end)))
                ++end;
            kind = SqlToken::Parameter;
        } else if (c == QLatin1Char(':') && i + 1 < n && s.at(i + 1) == QLatin1Char(':')) {
            end = i + 2; // a cast, never a parameter
        } else if (c.isDigit()) {
            while (end < n && (s.at(end).isDigit() || s.at(end) == QLatin1Char('.')))
                ++end;
            kind = SqlToken::Number;
        } else if (isWordStart(c)) {
            while (end < n && isWordChar(s.at(end)))
                ++end;
            kind = SqlToken::Word;
        }
        tokens.append({kind, s.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

QStringList SqlLexer::splitStatements(const QString &script)
{
    QStringList statements;
    QString current;
    bool meaningful = false;
    const auto flush = [&] {
        if (meaningful)
            statements.append(current.trimmed());
        current.clear();
        meaningful = false;
    };
    for (const SqlToken &t : tokenize(script)) {
        if (t.isSymbol(QLatin1Char(';'))) {
            flush();
            continue;
        }
        current += t.text;
        if (!t.isBlank())
            meaningful = true;
    }
    flush();
    return statements;
}
