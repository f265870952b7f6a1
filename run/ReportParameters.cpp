#include "run/ReportParameters.h"

#include "data/DataSet.h"
#include "data/Field.h"
#include "engine/RpeUtl.h"
#include "run/ReportFormulas.h"
#include "run/ValueLexer.h"
#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/Formats.h"
#include "shell/ProgramFolder.h"
#include "shell/SqlLiterals.h"
#include "shell/Utils.h"

#include <QDate>
#include <QRegularExpression>

namespace ReportParameters {

namespace {

QString text(DataSet &rows, const char *column)
{
    Field *f = rows.findField(QString::fromLatin1(column));
    return f ? f->asString().trimmed() : QString();
}

qint64 integer(DataSet &rows, const char *column)
{
    Field *f = rows.findField(QString::fromLatin1(column));
    return f && !f->isNull() ? f->asInteger() : 0;
}

QChar typeCode(const QString &dataType)
{
    const QString t = dataType.trimmed().toUpper();
    return t.isEmpty() ? QLatin1Char('S') : t.front();
}

QDate dateOrToday(const QString &value)
{
    const QDate d = Formats::readShortDate(value.trimmed());
    return d.isValid() ? d : QDate::currentDate();
}

QString quotedField(const ReportParameter &row)
{
    return QStringLiteral("»") + (row.caption.isEmpty() ? row.field : row.caption) + QStringLiteral("«");
}

bool isNumberType(const QString &dataType)
{
    const QChar t = typeCode(dataType);
    return t == QLatin1Char('N') || t == QLatin1Char('T');
}

// The part of a value up to its first comma.
QString beforeComma(const QString &value)
{
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    return (comma < 0 ? value : value.left(comma)).trimmed();
}

} // namespace

QList<ReportParameter> FromDataSet(DataSet &rows)
{
    QList<ReportParameter> result;
    for (rows.first(); !rows.eof(); rows.next()) {
        ReportParameter p;
        p.id = integer(rows, "ID_PARAMETRA");
        p.field = text(rows, "POLJE");
        p.caption = text(rows, "NASLOV_PAR");
        p.op = int(integer(rows, "PREVERI"));
        p.defaultValue = text(rows, "PRIVZETO");
        p.visible = integer(rows, "VIDNO") == 1;
        p.kind = text(rows, "TIP_PAR").toUpper();
        p.dataType = text(rows, "TIP_PODATKA").toUpper();
        p.key = text(rows, "KLJUC").toUpper() == QLatin1String("Y");
        p.table = text(rows, "TABELA");
        p.keyColumn = text(rows, "POLJEKLJUC");
        p.keyType = text(rows, "TIPKLJUC").toUpper();
        p.descriptionColumn = text(rows, "POLJEOPIS");
        p.source = text(rows, "SOURCE").toUpper();
        p.filter = text(rows, "FILTER");
        result << p;
    }
    return result;
}

QString GetDefaultValueFromFile(const QString &macro)
{
    QString key = macro.mid(1);
    if (key.endsWith(QLatin1Char('|')))
        key.chop(1);
    return ReadIni(ProgramFolder::file(QStringLiteral("Report.ini")), QStringLiteral("VALUES"), key,
                   QString());
}

QString FillDefault(const QString &value, const QString &reportDate)
{
    const QString macro = value.trimmed().toUpper();
    const QDate today = Formats::readShortDate(D->TodayText);
    const QDate reportDay = Formats::readShortDate(reportDate.trimmed());
    if (macro == QLatin1String("|DATUM|"))
        return (today.isValid() ? today : QDate::currentDate()).toString(QStringLiteral("dd.MM.yyyy"));
    if (macro == QLatin1String("|KDATUM|"))
        return D->TodayText;
    if (macro == QLatin1String("|MESEC|"))
        return QDate::currentDate().toString(QStringLiteral("MM"));
    if (macro == QLatin1String("|LETO|"))
        return QDate::currentDate().toString(QStringLiteral("yyyy"));
    if (macro == QLatin1String("|COMPUTER|"))
        return D->ComputerName;
    if (macro == QLatin1String("|UPORABNIK|"))
        return D->User;
    if (macro == QLatin1String("|UPORABNIKIME|"))
        return D->UserFullName;
    if (macro == QLatin1String("|IDOBD|"))
        return QString::number(ReportFormulas::IdObdAt(reportDay.isValid() ? reportDay
                                                       : today.isValid()   ? today
                                                                           : QDate::currentDate()));
    if (macro == QLatin1String("|OBD|"))
        return LookupString(QStringLiteral("LB"), QStringLiteral("ZDN"), QStringLiteral("IDOBD"),
                            QStringLiteral("SFDJV='L'"));
    if (value.trimmed().startsWith(QLatin1Char('|')))
        return GetDefaultValueFromFile(value.trimmed());
    return value;
}

std::optional<QString> ReadNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d*)(?:,(\\d+))?$"));
    const QRegularExpressionMatch m = number.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(2).remove(QLatin1Char('.'));
    const QString decimals = m.captured(3);
    if (whole.isEmpty() && decimals.isEmpty())
        return std::nullopt;
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString out = (m.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString()) + whole;
    if (!decimals.isEmpty())
        out += QLatin1Char('.') + decimals;
    return out;
}

bool IsPlainNumber(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    return plain.match(text).hasMatch();
}

QString TypedValue(const ReportParameter &row, const QString &text)
{
    const QChar type = typeCode(row.dataType);
    const bool textType = type == QLatin1Char('S') || type == QLatin1Char('K');
    // A single text goes into its literal as typed, blanks and all.
    if (textType && row.op != 6)
        return text;
    const QString value = text.trimmed();
    if (value.isEmpty())
        return {};
    if (type == QLatin1Char('D')) {
        const QDate date = Formats::readShortDate(value);
        if (!date.isValid())
            throw EConvertError(
                QStringLiteral("»%1« v polju %2 ni veljaven datum. Vpišite ga v obliki dd.mm.llll.")
                    .arg(value, quotedField(row)));
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    }
    if (isNumberType(row.dataType)) {
        if (row.op != 6) {
            if (const std::optional<QString> number = ReadNumber(value))
                return *number;
            throw EConvertError(
                QStringLiteral("»%1« v polju %2 ni število. Pišite ga z decimalno vejico, npr. 1.000,50.")
                    .arg(value, quotedField(row)));
        }
        // A list of numbers with decimal commas: the values are separated by ";".
        QStringList numbers;
        for (const QString &part : value.split(QLatin1Char(';'))) {
            if (part.trimmed().isEmpty())
                continue;
            const std::optional<QString> number = ReadNumber(part);
            if (!number)
                throw EConvertError(
                    QStringLiteral("»%1« v polju %2 ni seznam števil. Števila ločite s podpičjem, "
                                   "npr. 1.000,50; 2.")
                        .arg(value, quotedField(row)));
            numbers << *number;
        }
        return numbers.join(QStringLiteral(", "));
    }
    if (textType) {
        // Typed in formula syntax; only literals may stand between the brackets.
        if (!ValueLexer::isLiteralList(value, true, true))
            throw EConvertError(QStringLiteral("»%1« v polju %2 ni seznam vrednosti. Vrednosti pišite med "
                                               "opuščaji in jih ločite z vejico, npr. 'A', 'B'.")
                                    .arg(value, quotedField(row)));
        return value;
    }
    return text;
}

QString ConvertFilterValue(const QString &value, const QString &dataType)
{
    switch (typeCode(dataType).unicode()) {
    case 'D':
        return FormulaDate(dateOrToday(value));
    case 'K':
    case 'S':
        // Quotes inside are doubled: a single one would end the literal early
        // and let the rest of the value act as formula text.
        return FormulaText::FormulaString(value);
    case 'N':
    case 'T':
        // Bare in the formula: a number, or the value would be formula text.
        if (!IsPlainNumber(value.trimmed()))
            throw EConvertError(QStringLiteral("»%1« ni število.").arg(value));
        return value.trimmed();
    default:
        return {};
    }
}

QString ConvertParameterValue(const QString &value, const QString &dataType)
{
    switch (typeCode(dataType).unicode()) {
    case 'D':
        return RpeUtl::DateToText(dateOrToday(value));
    case 'K':
    case 'S':
    case 'N':
    case 'T':
        return value;
    default:
        return {};
    }
}

QString ReplaceFilter(const QString &description)
{
    return QString(description).replace(QLatin1String("\\\\"), QLatin1String(",'+Chr(13)+'"));
}

QString ZamenjajSpremenljivkeVSelectionu(const QString &filter)
{
    const QDate today = QDate::currentDate();
    const auto quoted = FormulaText::FormulaString;
    QString result = filter;
    result.replace(QStringLiteral("|DATUM|"), quoted(today.toString(QStringLiteral("dd.MM.yyyy"))),
                   Qt::CaseInsensitive);
    result.replace(QStringLiteral("|KDATUM|"), quoted(D->TodayText), Qt::CaseInsensitive);
    result.replace(QStringLiteral("|UPORABNIK|"), quoted(D->User), Qt::CaseInsensitive);
    result.replace(QStringLiteral("|COMPUTER|"), D->ComputerName, Qt::CaseInsensitive);
    return result;
}

QString OperatorSign(int op)
{
    switch (op) {
    case 1:
        return QStringLiteral(">");
    case 2:
        return QStringLiteral(">=");
    case 3:
        return QStringLiteral("<");
    case 4:
        return QStringLiteral("<=");
    case 7:
        return QStringLiteral("<>");
    case 0:
        return QStringLiteral("=");
    default:
        return {};
    }
}

QString Condition(const ReportParameter &row, const QString &first, const QString &second)
{
    const QString &f = row.field;
    auto c = [&](const QString &v) { return ConvertFilterValue(v, row.dataType); };
    switch (row.op) {
    case 5:
        if (!first.isEmpty() && !second.isEmpty())
            return f + QStringLiteral(" in ") + c(first) + QStringLiteral(" to ") + c(second);
        if (!second.isEmpty())
            return f + QStringLiteral("<=") + c(second);
        if (!first.isEmpty())
            return f + QStringLiteral(">=") + c(first);
        return {};
    case 6:
        return first.isEmpty() ? QString() : f + QStringLiteral(" in [") + first + QLatin1Char(']');
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 7:
        return first.isEmpty() ? QString() : f + OperatorSign(row.op) + c(first);
    default:
        return {};
    }
}

QString KeyLiteral(const QString &key, bool text)
{
    bool numeric = false;
    key.trimmed().toDouble(&numeric);
    if (!text && numeric)
        return key.trimmed();
    return QLatin1Char('\'') + SqlEscape(key) + QLatin1Char('\'');
}

void TakeContract(const QString &contract, RunState &state)
{
    state.contract = contract;
    // Only a number can name a contract; anything else finds no person.
    bool numeric = false;
    contract.toLongLong(&numeric);
    if (!numeric)
        return;
    try {
        state.person = LookupString(QStringLiteral("LB"), QStringLiteral("POG"), QStringLiteral("SFOSB"),
                                    QStringLiteral("IDPOG=") + contract);
    } catch (const std::exception &) {
        // The person keeps its old value.
    }
}

void CheckpogOsbFilter(const QString &field, const QString &value, RunState &state)
{
    const QString upper = field.toUpper();
    if (upper.contains(QLatin1String(".IDPOG")))
        TakeContract(beforeComma(value), state);
    if (upper.contains(QLatin1String(".SFOSB")))
        state.person = beforeComma(value);
}

void FillFields(const QList<ReportParameter> &rows, const FillFieldsTarget &target, RunState &state)
{
    state.reportDate.clear();
    for (const ReportParameter &row : rows) {
        if (row.visible) {
            ParameterInput in = target.input(row);
            CheckpogOsbFilter(row.field, in.first, state);
            if (state.reportDate.isEmpty() && row.dataType == QLatin1String("D"))
                state.reportDate = in.second.isEmpty() ? in.first : in.second;
            if (row.kind != QLatin1String("S")) {
                target.setParameter(row.field, ConvertParameterValue(in.first, row.dataType));
                if (in.description.isEmpty())
                    in.description = in.first;
                if (row.kind == QLatin1String("F") && !in.description.isEmpty())
                    state.filterLines << row.caption + QStringLiteral(": ") + in.description;
                continue;
            }
            if (in.first.isEmpty() && in.second.isEmpty())
                continue;
            const QString condition = Condition(row, in.first, in.second);
            if (!condition.isEmpty())
                target.addSelection(condition);
            switch (row.op) {
            case 6:
                if (in.description.isEmpty())
                    in.description = in.second;
                state.filterLines << (row.source != QLatin1String("F")
                                          ? row.caption + QStringLiteral(": (") + in.description +
                                                QLatin1Char(')')
                                          : row.caption + QStringLiteral(": ") + in.description);
                break;
            case 5:
                state.filterLines << row.caption + QLatin1Char(' ') + in.first + QStringLiteral(" - ") +
                                         in.second;
                break;
            default:
                if (in.description.isEmpty())
                    in.description = in.first;
                state.filterLines << (row.op == 0 ? row.caption + QStringLiteral(": ") + in.description
                                                  : row.caption + QLatin1Char(' ') + OperatorSign(row.op) +
                                                        QLatin1Char(' ') + in.description);
                break;
            }
            continue;
        }
        // Defaults come from the catalogue and from Report.ini: the same checks as typed values.
        const QString reportDate = !state.reportDate.isEmpty() ? state.reportDate
                                   : target.reportDateFallback ? target.reportDateFallback()
                                                               : QString();
        if (row.kind != QLatin1String("S")) {
            if (!row.defaultValue.isEmpty())
                target.setParameter(
                    row.field, ConvertParameterValue(
                                   TypedValue(row, FillDefault(row.defaultValue, reportDate)), row.dataType));
            continue;
        }
        const QString value = TypedValue(row, FillDefault(row.defaultValue, reportDate));
        CheckpogOsbFilter(row.field, value, state);
        if (!value.isEmpty()) {
            const QString condition = Condition(row, value, value);
            if (!condition.isEmpty())
                target.addSelection(condition);
        }
    }
}

namespace {
bool isBlank(const QStringList &lines)
{
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            return false;
    return true;
}

// A closing bracket after a "//" comment would be commented out.
bool needsOwnLines(const QStringList &lines)
{
    for (const QString &line : lines)
        if (line.contains(QLatin1String("//")) || line.contains(QLatin1Char('\n')) ||
            line.contains(QLatin1Char('\r')))
            return true;
    return false;
}
} // namespace

QStringList BracketSelection(const QStringList &formula)
{
    if (isBlank(formula))
        return {};
    if (needsOwnLines(formula))
        return QStringList{QStringLiteral("(")} << formula << QStringLiteral(")");
    QStringList out = formula;
    out.front().prepend(QLatin1Char('('));
    out.back().append(QLatin1Char(')'));
    return out;
}

QStringList AppendCondition(QStringList formula, const QString &condition)
{
    const QString opening = isBlank(formula) ? QStringLiteral("(") : QStringLiteral(" and (");
    if (isBlank(formula))
        formula.clear();
    if (needsOwnLines({condition}))
        formula << opening + condition << QStringLiteral(")");
    else
        formula << opening + condition + QLatin1Char(')');
    return formula;
}

} // namespace ReportParameters
