#include "run/ReportParameters.h"

#include "data/DataSet.h"
#include "data/Field.h"
#include "engine/RpeUtl.h"
#include "run/ReportFormulas.h"
#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Formats.h"
#include "shell/ProgramFolder.h"
#include "shell/SqlLiterals.h"
#include "shell/Utils.h"

#include <QDate>

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
    return ReadIni(ProgramFolder::file(QStringLiteral("Report.ini")), QStringLiteral("VALUES"), key, QString());
}

QString FillDefault(const QString &value)
{
    const QString macro = value.trimmed().toUpper();
    const QDate today = Formats::readShortDate(D->TodayText);
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
        return QString::number(ReportFormulas::IdObdAt(today.isValid() ? today : QDate::currentDate()));
    if (macro == QLatin1String("|OBD|"))
        return LookupString(QStringLiteral("LB"), QStringLiteral("ZDN"), QStringLiteral("IDOBD"),
                            QStringLiteral("SFDJV='L'"));
    if (value.trimmed().startsWith(QLatin1Char('|')))
        return GetDefaultValueFromFile(value.trimmed());
    return value;
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
        return value;
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
    result.replace(QStringLiteral("|DATUM|"), quoted(today.toString(QStringLiteral("dd.MM.yyyy"))), Qt::CaseInsensitive);
    result.replace(QStringLiteral("|KDATUM|"), quoted(D->TodayText), Qt::CaseInsensitive);
    result.replace(QStringLiteral("|UPORABNIK|"), quoted(D->User), Qt::CaseInsensitive);
    result.replace(QStringLiteral("|COMPUTER|"), D->ComputerName, Qt::CaseInsensitive);
    return result;
}

QString OperatorSign(int op)
{
    switch (op) {
    case 1: return QStringLiteral(">");
    case 2: return QStringLiteral(">=");
    case 3: return QStringLiteral("<");
    case 4: return QStringLiteral("<=");
    case 7: return QStringLiteral("<>");
    case 0: return QStringLiteral("=");
    default: return {};
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
                                          ? row.caption + QStringLiteral(": (") + in.description + QLatin1Char(')')
                                          : row.caption + QStringLiteral(": ") + in.description);
                break;
            case 5:
                state.filterLines << row.caption + QLatin1Char(' ') + in.first + QStringLiteral(" - ") + in.second;
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
        if (row.kind != QLatin1String("S")) {
            if (!row.defaultValue.isEmpty())
                target.setParameter(row.field, ConvertParameterValue(FillDefault(row.defaultValue), row.dataType));
            continue;
        }
        const QString value = FillDefault(row.defaultValue);
        CheckpogOsbFilter(row.field, value, state);
        if (!value.isEmpty()) {
            const QString condition = Condition(row, value, value);
            if (!condition.isEmpty())
                target.addSelection(condition);
        }
    }
}

QStringList AppendCondition(QStringList formula, const QString &condition)
{
    if (formula.isEmpty())
        formula << condition;
    else
        formula << QStringLiteral(" and ") + condition;
    return formula;
}

} // namespace ReportParameters
