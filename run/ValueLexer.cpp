#include "run/ValueLexer.h"

#include <utility>

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool startsName(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
} // namespace

ValueLexer::ValueLexer(QString text) : m_text(std::move(text)) {}

ValueLexer::Token ValueLexer::next()
{
    while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
        ++m_pos;
    const qsizetype start = m_pos;
    if (m_pos >= m_text.size())
        return {Kind::End, QString(), start};
    const QChar c = m_text.at(m_pos);
    auto token = [&](Kind kind) { return Token{kind, m_text.mid(start, m_pos - start), start}; };

    // A sign belongs to a number only when a digit follows at once: "- 1"
    // and "--" are no numbers.
    const bool signedNumber = (c == QLatin1Char('-') || c == QLatin1Char('+')) && m_pos + 1 < m_text.size() &&
                              isDigit(m_text.at(m_pos + 1));
    if (isDigit(c) || signedNumber) {
        ++m_pos;
        while (m_pos < m_text.size() && isDigit(m_text.at(m_pos)))
            ++m_pos;
        if (m_pos + 1 < m_text.size() && m_text.at(m_pos) == QLatin1Char('.') &&
            isDigit(m_text.at(m_pos + 1))) {
            m_pos += 2;
            while (m_pos < m_text.size() && isDigit(m_text.at(m_pos)))
                ++m_pos;
        }
        // "1e5", "12abc": a number run into a name is neither.
        if (m_pos < m_text.size() && (startsName(m_text.at(m_pos)) || isDigit(m_text.at(m_pos)) ||
                                      m_text.at(m_pos) == QLatin1Char('.'))) {
            while (m_pos < m_text.size() &&
                   (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('.')))
                ++m_pos;
            return token(Kind::Other);
        }
        return token(Kind::Number);
    }
    if (c == QLatin1Char('\'')) {
        ++m_pos;
        while (m_pos < m_text.size()) {
            if (m_text.at(m_pos) == QLatin1Char('\'')) {
                if (m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == QLatin1Char('\'')) {
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                return token(Kind::Text);
            }
            ++m_pos;
        }
        // An apostrophe that is never closed takes the rest with it.
        return token(Kind::Other);
    }
    if (c == QLatin1Char(',')) {
        ++m_pos;
        return token(Kind::Comma);
    }
    if (startsName(c)) {
        while (m_pos < m_text.size() &&
               (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_') ||
                m_text.at(m_pos) == QLatin1Char('$') || m_text.at(m_pos) == QLatin1Char('#')))
            ++m_pos;
        return token(Kind::Name);
    }
    ++m_pos;
    return token(Kind::Other);
}

bool ValueLexer::isLiteralList(const QString &text, bool numbers, bool texts)
{
    ValueLexer lexer(text);
    for (;;) {
        const Token value = lexer.next();
        if (!((numbers && value.kind == Kind::Number) || (texts && value.kind == Kind::Text)))
            return false;
        const Token after = lexer.next();
        if (after.kind == Kind::End)
            return true;
        if (after.kind != Kind::Comma)
            return false;
    }
}
