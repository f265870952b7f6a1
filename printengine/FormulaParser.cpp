#include "printengine/FormulaParser.h"

#include <QHash>
#include <cmath>

namespace {
struct FunctionArity
{
    int min;
    int max;
};

const QHash<QString, FunctionArity> &functionTable()
{
    // Names are matched without regard to case; the table holds them in lower case.
    static const QHash<QString, FunctionArity> table = {
        {QStringLiteral("totext"), {1, 4}},      {QStringLiteral("trim"), {1, 1}},
        {QStringLiteral("trimleft"), {1, 1}},    {QStringLiteral("trimright"), {1, 1}},
        {QStringLiteral("uppercase"), {1, 1}},   {QStringLiteral("lowercase"), {1, 1}},
        {QStringLiteral("left"), {2, 2}},        {QStringLiteral("right"), {2, 2}},
        {QStringLiteral("mid"), {2, 3}},         {QStringLiteral("len"), {1, 1}},
        {QStringLiteral("round"), {1, 2}},       {QStringLiteral("truncate"), {1, 2}},
        {QStringLiteral("abs"), {1, 1}},         {QStringLiteral("isnull"), {1, 1}},
        {QStringLiteral("currentdate"), {0, 0}}, {QStringLiteral("currentdatetime"), {0, 0}},
        {QStringLiteral("year"), {1, 1}},        {QStringLiteral("month"), {1, 1}},
        {QStringLiteral("day"), {1, 1}},         {QStringLiteral("dateadd"), {3, 3}},
        {QStringLiteral("iif"), {3, 3}},         {QStringLiteral("replace"), {3, 3}},
        {QStringLiteral("instr"), {2, 3}},       {QStringLiteral("date"), {1, 3}},
        {QStringLiteral("datetime"), {1, 6}},    {QStringLiteral("chr"), {1, 1}},
        {QStringLiteral("tonumber"), {1, 1}},    {QStringLiteral("sum"), {1, 2}},
        {QStringLiteral("count"), {1, 2}},       {QStringLiteral("average"), {1, 2}},
        {QStringLiteral("minimum"), {1, 2}},     {QStringLiteral("maximum"), {1, 2}},
    };
    return table;
}

const QStringList &specialNames()
{
    static const QStringList names = {QStringLiteral("pagenumber"), QStringLiteral("totalpagecount"),
                                      QStringLiteral("recordnumber"), QStringLiteral("printdate")};
    return names;
}

const char *const keywords[] = {"if", "then", "else", "and", "or", "not", "mod", "in", "to", "true", "false"};
} // namespace

QString FormulaSyntaxError::text() const
{
    return QStringLiteral("Formula syntax error at position %1: %2").arg(position).arg(message);
}

FormulaParser::FormulaParser(const QString &text) : m_text(text) {}

bool FormulaParser::isKnownFunction(const QString &name, int *minArgs, int *maxArgs)
{
    const auto it = functionTable().constFind(name.toLower());
    if (it == functionTable().constEnd())
        return false;
    if (minArgs)
        *minArgs = it->min;
    if (maxArgs)
        *maxArgs = it->max;
    return true;
}

bool FormulaParser::isSummaryFunction(const QString &lowerName)
{
    return lowerName == QLatin1String("sum") || lowerName == QLatin1String("count") ||
           lowerName == QLatin1String("average") || lowerName == QLatin1String("minimum") ||
           lowerName == QLatin1String("maximum");
}

bool FormulaParser::isSpecialName(const QString &name)
{
    return specialNames().contains(name.toLower());
}

bool FormulaParser::isIdentifier(QStringView name)
{
    if (name.isEmpty() || !(name.front().isLetter() || name.front() == u'_'))
        return false;
    for (const QChar c : name) {
        if (!c.isLetter() && !c.isDigit() && c != u'_')
            return false;
    }
    return true;
}

bool FormulaParser::isFieldName(QStringView name)
{
    int parts = 0;
    for (const QStringView part : name.tokenize(u'.')) {
        if (!isIdentifier(part))
            return false;
        ++parts;
    }
    return parts >= 2;
}

FormulaParser::Nested::Nested(FormulaParser &parser) : m_parser(parser)
{
    if (++m_parser.m_depth > MaxDepth)
        m_parser.failTooDeep(m_parser.m_tok.position);
}

void FormulaParser::failTooDeep(int position) const
{
    failAt(position, QStringLiteral("the formula is nested more than %1 levels deep").arg(MaxDepth));
}

std::unique_ptr<FormulaNode> FormulaParser::parse(FormulaSyntaxError *error)
{
    *error = {};
    try {
        next();
        if (m_tok.type == End)
            return nullptr;
        auto root = expression();
        if (m_tok.type != End)
            fail(QStringLiteral("an operator or the end of the formula"));
        return root;
    } catch (const SyntaxFailure &f) {
        error->position = f.position;
        error->message = f.message;
        return nullptr;
    }
}

void FormulaParser::next()
{
    m_tok = lex();
}

FormulaParser::Token FormulaParser::lex()
{
    const int n = m_text.size();
    for (;;) {
        while (m_pos < n && m_text.at(m_pos).isSpace())
            ++m_pos;
        if (m_pos + 1 < n && m_text.at(m_pos) == u'/' && m_text.at(m_pos + 1) == u'/') {
            while (m_pos < n && m_text.at(m_pos) != u'\n')
                ++m_pos;
            continue;
        }
        break;
    }
    Token t;
    t.position = m_pos + 1;
    if (m_pos >= n) {
        t.type = End;
        return t;
    }
    const QChar c = m_text.at(m_pos);
    if (c.isDigit() || (c == u'.' && m_pos + 1 < n && m_text.at(m_pos + 1).isDigit())) {
        const int start = m_pos;
        while (m_pos < n && m_text.at(m_pos).isDigit())
            ++m_pos;
        if (m_pos < n && m_text.at(m_pos) == u'.') {
            ++m_pos;
            while (m_pos < n && m_text.at(m_pos).isDigit())
                ++m_pos;
        }
        t.type = NumberTok;
        t.text = m_text.mid(start, m_pos - start);
        t.number = t.text.toDouble();
        if (!std::isfinite(t.number))
            failAt(t.position, QStringLiteral("number %1 is too large").arg(t.text));
        return t;
    }
    if (c == u'\'' || c == u'"') {
        // A doubled quote inside the literal stands for one quote.
        QString value;
        ++m_pos;
        for (;;) {
            if (m_pos >= n)
                failAt(t.position, QStringLiteral("string literal is not closed; expected %1").arg(c));
            const QChar d = m_text.at(m_pos);
            if (d == c) {
                if (m_pos + 1 < n && m_text.at(m_pos + 1) == c) {
                    value += c;
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            value += d;
            ++m_pos;
        }
        t.type = StringTok;
        t.text = value;
        return t;
    }
    if (c == u'{') {
        const int close = m_text.indexOf(u'}', m_pos);
        if (close < 0)
            failAt(t.position, QStringLiteral("field name is not closed; expected '}'"));
        t.type = FieldTok;
        t.text = m_text.mid(m_pos + 1, close - m_pos - 1).trimmed();
        m_pos = close + 1;
        if (t.text.isEmpty())
            failAt(t.position, QStringLiteral("expected a field name between the braces"));
        return t;
    }
    if (c.isLetter() || c == u'_') {
        const int start = m_pos;
        while (m_pos < n && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_'))
            ++m_pos;
        t.type = Ident;
        t.text = m_text.mid(start, m_pos - start);
        return t;
    }
    ++m_pos;
    switch (c.unicode()) {
    case '(':
        t.type = LParen;
        return t;
    case ')':
        t.type = RParen;
        return t;
    case '[':
        t.type = LBracket;
        return t;
    case ']':
        t.type = RBracket;
        return t;
    case ',':
        t.type = Comma;
        return t;
    case '+':
    case '-':
    case '*':
    case '/':
    case '=':
    case '&':
        t.type = Op;
        t.text = c;
        return t;
    case '<':
        t.type = Op;
        if (m_pos < n && (m_text.at(m_pos) == u'>' || m_text.at(m_pos) == u'=')) {
            t.text = QStringLiteral("<") + m_text.at(m_pos);
            ++m_pos;
        } else {
            t.text = QStringLiteral("<");
        }
        return t;
    case '>':
        t.type = Op;
        if (m_pos < n && m_text.at(m_pos) == u'=') {
            t.text = QStringLiteral(">=");
            ++m_pos;
        } else {
            t.text = QStringLiteral(">");
        }
        return t;
    default:
        failAt(t.position, QStringLiteral("unexpected character '%1'").arg(c));
    }
}

bool FormulaParser::isKeyword(const char *word) const
{
    return m_tok.type == Ident && m_tok.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool FormulaParser::isOp(const char *op) const
{
    return m_tok.type == Op && m_tok.text == QLatin1String(op);
}

QString FormulaParser::describe(const Token &t) const
{
    switch (t.type) {
    case End:
        return QStringLiteral("the end of the formula");
    case NumberTok:
        return QStringLiteral("number %1").arg(t.text);
    case StringTok:
        return QStringLiteral("a string");
    case FieldTok:
        return QStringLiteral("{%1}").arg(t.text);
    case Ident:
        return QStringLiteral("'%1'").arg(t.text);
    case LParen:
        return QStringLiteral("'('");
    case RParen:
        return QStringLiteral("')'");
    case LBracket:
        return QStringLiteral("'['");
    case RBracket:
        return QStringLiteral("']'");
    case Comma:
        return QStringLiteral("','");
    case Op:
        return QStringLiteral("'%1'").arg(t.text);
    }
    return {};
}

void FormulaParser::fail(const QString &expected) const
{
    throw SyntaxFailure{m_tok.position,
                        QStringLiteral("expected %1, found %2").arg(expected, describe(m_tok))};
}

void FormulaParser::failAt(int position, const QString &message) const
{
    throw SyntaxFailure{position, message};
}

std::unique_ptr<FormulaNode> FormulaParser::binary(const QString &op, int pos, std::unique_ptr<FormulaNode> l,
                                                   std::unique_ptr<FormulaNode> r)
{
    auto node = std::make_unique<FormulaNode>(FormulaNode::Binary, pos);
    node->name = op;
    attach(node.get(), std::move(l));
    attach(node.get(), std::move(r));
    return node;
}

void FormulaParser::attach(FormulaNode *parent, std::unique_ptr<FormulaNode> child) const
{
    // A chain such as 1 + 1 + ... is read in a loop, but its tree is as deep
    // as the chain is long.
    parent->height = qMax(parent->height, child->height + 1);
    if (parent->height > MaxDepth + 1)
        failTooDeep(parent->position);
    parent->children.push_back(std::move(child));
}

std::unique_ptr<FormulaNode> FormulaParser::expression()
{
    if (isKeyword("if")) {
        const Nested nested(*this);
        auto node = std::make_unique<FormulaNode>(FormulaNode::If, m_tok.position);
        next();
        attach(node.get(), expression());
        if (!isKeyword("then"))
            fail(QStringLiteral("'then'"));
        next();
        attach(node.get(), expression());
        if (isKeyword("else")) {
            next();
            attach(node.get(), expression());
        }
        return node;
    }
    return orExpr();
}

std::unique_ptr<FormulaNode> FormulaParser::orExpr()
{
    auto left = andExpr();
    while (isKeyword("or")) {
        const int pos = m_tok.position;
        next();
        left = binary(QStringLiteral("or"), pos, std::move(left), andExpr());
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::andExpr()
{
    auto left = notExpr();
    while (isKeyword("and")) {
        const int pos = m_tok.position;
        next();
        left = binary(QStringLiteral("and"), pos, std::move(left), notExpr());
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::notExpr()
{
    if (isKeyword("not")) {
        const Nested nested(*this);
        auto node = std::make_unique<FormulaNode>(FormulaNode::Unary, m_tok.position);
        node->name = QStringLiteral("not");
        next();
        attach(node.get(), notExpr());
        return node;
    }
    return comparison();
}

std::unique_ptr<FormulaNode> FormulaParser::comparison()
{
    auto left = rangeExpr();
    static const char *const ops[] = {"=", "<>", "<", ">", "<=", ">="};
    for (const char *op : ops) {
        if (isOp(op)) {
            const int pos = m_tok.position;
            next();
            return binary(QString::fromLatin1(op), pos, std::move(left), rangeExpr());
        }
    }
    if (isKeyword("in")) {
        const int pos = m_tok.position;
        next();
        return binary(QStringLiteral("in"), pos, std::move(left), rangeExpr());
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::rangeExpr()
{
    auto left = additive();
    if (isKeyword("to")) {
        auto node = std::make_unique<FormulaNode>(FormulaNode::RangeExpr, m_tok.position);
        next();
        attach(node.get(), std::move(left));
        attach(node.get(), additive());
        return node;
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::additive()
{
    auto left = multiplicative();
    while (isOp("+") || isOp("-") || isOp("&")) {
        const QString op = m_tok.text;
        const int pos = m_tok.position;
        next();
        left = binary(op, pos, std::move(left), multiplicative());
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::multiplicative()
{
    auto left = unary();
    while (isOp("*") || isOp("/") || isKeyword("mod")) {
        const QString op = m_tok.type == Op ? m_tok.text : QStringLiteral("mod");
        const int pos = m_tok.position;
        next();
        left = binary(op, pos, std::move(left), unary());
    }
    return left;
}

std::unique_ptr<FormulaNode> FormulaParser::unary()
{
    if (isOp("-") || isOp("+")) {
        const Nested nested(*this);
        auto node = std::make_unique<FormulaNode>(FormulaNode::Unary, m_tok.position);
        node->name = m_tok.text;
        next();
        attach(node.get(), unary());
        return node;
    }
    return primary();
}

std::unique_ptr<FormulaNode> FormulaParser::primary()
{
    const Token t = m_tok;
    switch (t.type) {
    case NumberTok: {
        auto node = std::make_unique<FormulaNode>(FormulaNode::Literal, t.position);
        node->value = FormulaValue::number(t.number);
        next();
        return node;
    }
    case StringTok: {
        auto node = std::make_unique<FormulaNode>(FormulaNode::Literal, t.position);
        node->value = FormulaValue::string(t.text);
        next();
        return node;
    }
    case FieldTok: {
        FormulaNode::Kind kind = FormulaNode::Field;
        QString name = t.text;
        if (name.startsWith(u'@')) {
            kind = FormulaNode::FormulaRef;
            name = name.mid(1).trimmed();
        } else if (name.startsWith(u'?')) {
            kind = FormulaNode::Parameter;
            name = name.mid(1).trimmed();
        } else if (!isFieldName(name)) {
            // The name goes into the statement's text: only identifiers may.
            failAt(t.position,
                   QStringLiteral(
                       "expected a field written as {TABLE.FIELD}, {@formula} or {?parameter}, found {%1}")
                       .arg(name));
        }
        auto node = std::make_unique<FormulaNode>(kind, t.position);
        node->name = name;
        next();
        return node;
    }
    case LParen: {
        const Nested nested(*this);
        next();
        auto inner = expression();
        if (m_tok.type != RParen)
            fail(QStringLiteral("')'"));
        next();
        return inner;
    }
    case LBracket: {
        const Nested nested(*this);
        auto node = std::make_unique<FormulaNode>(FormulaNode::List, t.position);
        next();
        if (m_tok.type != RBracket) {
            for (;;) {
                attach(node.get(), rangeExpr());
                if (m_tok.type == Comma) {
                    next();
                    continue;
                }
                if (m_tok.type != RBracket)
                    fail(QStringLiteral("',' or ']'"));
                break;
            }
        }
        next();
        return node;
    }
    case Ident: {
        if (isKeyword("true") || isKeyword("false")) {
            auto node = std::make_unique<FormulaNode>(FormulaNode::Literal, t.position);
            node->value = FormulaValue::boolean(isKeyword("true"));
            next();
            return node;
        }
        for (const char *kw : keywords) {
            if (isKeyword(kw))
                fail(QStringLiteral("a value"));
        }
        int minArgs = 0;
        int maxArgs = 0;
        if (isKnownFunction(t.text, &minArgs, &maxArgs)) {
            const Nested nested(*this);
            auto node = std::make_unique<FormulaNode>(FormulaNode::Call, t.position);
            node->name = t.text.toLower();
            next();
            if (m_tok.type != LParen) {
                if (minArgs == 0)
                    return node; // CurrentDate without parentheses
                fail(QStringLiteral("'(' after %1").arg(t.text));
            }
            next();
            if (m_tok.type != RParen) {
                for (;;) {
                    attach(node.get(), expression());
                    if (m_tok.type == Comma) {
                        next();
                        continue;
                    }
                    if (m_tok.type != RParen)
                        fail(QStringLiteral("',' or ')'"));
                    break;
                }
            }
            const int n = int(node->children.size());
            if (n < minArgs || n > maxArgs) {
                failAt(
                    m_tok.position,
                    minArgs == maxArgs
                        ? QStringLiteral("%1 takes %2 argument(s), found %3").arg(t.text).arg(minArgs).arg(n)
                        : QStringLiteral("%1 takes %2 to %3 arguments, found %4")
                              .arg(t.text)
                              .arg(minArgs)
                              .arg(maxArgs)
                              .arg(n));
            }
            if (isSummaryFunction(node->name)) {
                // Summaries name their field and group; they are not computed from values.
                for (size_t i = 0; i < node->children.size(); ++i) {
                    const FormulaNode *arg = node->children[i].get();
                    if (arg->kind != FormulaNode::Field && !(i == 0 && arg->kind == FormulaNode::FormulaRef))
                        failAt(arg->position,
                               i == 0 ? QStringLiteral("%1 needs a field or formula to summarise").arg(t.text)
                                      : QStringLiteral("%1 needs a group field as its second argument")
                                            .arg(t.text));
                }
            }
            next();
            return node;
        }
        if (isSpecialName(t.text)) {
            auto node = std::make_unique<FormulaNode>(FormulaNode::Special, t.position);
            node->name = t.text.toLower();
            next();
            return node;
        }
        failAt(t.position, QStringLiteral("unknown function or name '%1'").arg(t.text));
    }
    default:
        fail(QStringLiteral("a value"));
    }
}
