#include "data/SqlRewriter.h"

#include "data/SqlLexer.h"
#include "shell/Errors.h"

namespace {
class Cursor
{
public:
    explicit Cursor(const QList<SqlToken> &tokens) : m_tokens(tokens) {}

    // Index of the next meaningful token at or after i, or -1.
    qsizetype next(qsizetype i) const
    {
        while (i < m_tokens.size() && m_tokens.at(i).isBlank())
            ++i;
        return i < m_tokens.size() ? i : -1;
    }
    // Index of the previous meaningful token before i, or -1.
    qsizetype previous(qsizetype i) const
    {
        --i;
        while (i >= 0 && m_tokens.at(i).isBlank())
            --i;
        return i;
    }
    bool wordAt(qsizetype i, QLatin1StringView word) const
    {
        return i >= 0 && i < m_tokens.size() && m_tokens.at(i).isWord(word);
    }
    bool symbolAt(qsizetype i, QChar c) const
    {
        return i >= 0 && i < m_tokens.size() && m_tokens.at(i).isSymbol(c);
    }
    bool nameAt(qsizetype i) const
    {
        return i >= 0 && i < m_tokens.size() &&
               (m_tokens.at(i).kind == SqlToken::Word || m_tokens.at(i).kind == SqlToken::QuotedName);
    }
    QString name(qsizetype i) const
    {
        const SqlToken &t = m_tokens.at(i);
        if (t.kind == SqlToken::QuotedName)
            return t.text.mid(1, t.text.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
        return t.text.toUpper();
    }

private:
    const QList<SqlToken> &m_tokens;
};

QString quoted(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

// CREATE SEQUENCE name [START WITH n] [INCREMENT BY n] [other options ignored]
bool rewriteSequenceDdl(const QList<SqlToken> &tokens, QString &out)
{
    const Cursor c(tokens);
    const qsizetype first = c.next(0);
    const qsizetype second = first < 0 ? -1 : c.next(first + 1);
    const bool create = c.wordAt(first, QLatin1StringView("CREATE"));
    if (!(create || c.wordAt(first, QLatin1StringView("DROP"))) ||
        !c.wordAt(second, QLatin1StringView("SEQUENCE")))
        return false;
    const qsizetype nameAt = c.next(second + 1);
    if (!c.nameAt(nameAt))
        throw EDatabaseError(QStringLiteral("Manjka ime sekvence."));
    const QString name = c.name(nameAt);
    if (!create) {
        out =
            QStringLiteral("DELETE FROM %1 WHERE NAME = %2").arg(SqlRewriter::sequenceTable(), quoted(name));
        return true;
    }
    qint64 start = 1;
    qint64 increment = 1;
    for (qsizetype i = c.next(nameAt + 1); i >= 0; i = c.next(i + 1)) {
        auto numberAfter = [&](qsizetype from, qint64 &target) {
            qsizetype j = c.next(from);
            bool negative = false;
            if (c.symbolAt(j, QLatin1Char('-'))) {
                negative = true;
                j = c.next(j + 1);
            }
            if (j >= 0 && tokens.at(j).kind == SqlToken::Number) {
                target = tokens.at(j).text.toLongLong() * (negative ? -1 : 1);
                return j;
            }
            return from;
        };
        if (c.wordAt(i, QLatin1StringView("START"))) {
            qsizetype j = c.next(i + 1);
            if (c.wordAt(j, QLatin1StringView("WITH")))
                i = numberAfter(j + 1, start);
        } else if (c.wordAt(i, QLatin1StringView("INCREMENT"))) {
            qsizetype j = c.next(i + 1);
            if (c.wordAt(j, QLatin1StringView("BY")))
                i = numberAfter(j + 1, increment);
        }
    }
    if (increment == 0)
        increment = 1;
    out = QStringLiteral("INSERT INTO %1 (NAME, VALUE, INCREMENT) VALUES (%2, %3, %4)")
              .arg(SqlRewriter::sequenceTable(), quoted(name))
              .arg(start - increment)
              .arg(increment);
    return true;
}
} // namespace

QStringList SqlRewriter::parameterNames(const QString &sql)
{
    QStringList names;
    for (const SqlToken &t : SqlLexer::tokenize(sql))
        if (t.kind == SqlToken::Parameter)
            names.append(t.text.mid(1));
    return names;
}

SqlRewriter::Result SqlRewriter::rewrite(const QString &sql, bool embedded, const NextValue &nextValue)
{
    const QList<SqlToken> tokens = SqlLexer::tokenize(sql);
    Result result;
    if (embedded && rewriteSequenceDdl(tokens, result.text))
        return result;

    const Cursor c(tokens);
    auto sequenceValue = [&](const QString &name) -> QString {
        if (!nextValue)
            throw EDatabaseError(QStringLiteral("Sekvenca %1 ni na voljo.").arg(name));
        return QString::number(nextValue(name));
    };

    QString &out = result.text;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const SqlToken &t = tokens.at(i);
        if (t.kind == SqlToken::Parameter) {
            result.parameterNames.append(t.text.mid(1));
            out += QLatin1Char('?');
            continue;
        }
        if (!embedded || (t.kind != SqlToken::Word && t.kind != SqlToken::QuotedName)) {
            out += t.text;
            continue;
        }
        const qsizetype n1 = c.next(i + 1);
        const qsizetype n2 = n1 < 0 ? -1 : c.next(n1 + 1);
        const qsizetype n3 = n2 < 0 ? -1 : c.next(n2 + 1);
        // seq.NEXTVAL
        if (c.symbolAt(n1, QLatin1Char('.')) && c.wordAt(n2, QLatin1StringView("NEXTVAL"))) {
            out += sequenceValue(c.name(i));
            i = n2;
            continue;
        }
        // NEXT VALUE FOR seq
        if (t.isWord(QLatin1StringView("NEXT")) && c.wordAt(n1, QLatin1StringView("VALUE")) &&
            c.wordAt(n2, QLatin1StringView("FOR")) && c.nameAt(n3)) {
            out += sequenceValue(c.name(n3));
            i = n3;
            continue;
        }
        // NEXTVAL FOR seq
        if (t.isWord(QLatin1StringView("NEXTVAL")) && c.wordAt(n1, QLatin1StringView("FOR")) &&
            c.nameAt(n2)) {
            out += sequenceValue(c.name(n2));
            i = n2;
            continue;
        }
        // SYSIBM.SYSDUMMY1
        if (t.isWord(QLatin1StringView("SYSIBM")) && c.symbolAt(n1, QLatin1Char('.')) &&
            c.wordAt(n2, QLatin1StringView("SYSDUMMY1"))) {
            out += QStringLiteral("(SELECT 'Y' AS IBMREQD)");
            i = n2;
            continue;
        }
        const qsizetype before = c.previous(i);
        // FROM dual
        if (t.isWord(QLatin1StringView("DUAL")) && c.wordAt(before, QLatin1StringView("FROM"))) {
            out += QStringLiteral("(SELECT 'X' AS DUMMY)");
            continue;
        }
        // SYSDATE is a function without parentheses on the server.
        if (t.isWord(QLatin1StringView("SYSDATE")) && !c.symbolAt(n1, QLatin1Char('(')) &&
            !c.symbolAt(before, QLatin1Char('.'))) {
            out += QStringLiteral("SYSDATE()");
            continue;
        }
        // CURRENT DATE / CURRENT TIMESTAMP
        if (t.isWord(QLatin1StringView("CURRENT")) && c.wordAt(n1, QLatin1StringView("DATE"))) {
            out += QStringLiteral("TRUNC(SYSDATE())");
            i = n1;
            continue;
        }
        if (t.isWord(QLatin1StringView("CURRENT")) && c.wordAt(n1, QLatin1StringView("TIMESTAMP"))) {
            out += QStringLiteral("SYSDATE()");
            i = n1;
            continue;
        }
        out += t.text;
    }
    return result;
}
