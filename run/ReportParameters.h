#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DataSet;

// One row of POROCILA_PAR: a parameter of a catalogue report.
struct ReportParameter
{
    qint64 id = 0;             // ID_PARAMETRA
    QString field;             // POLJE
    QString caption;           // NASLOV_PAR
    int op = 0;                // PREVERI, 0..7
    QString defaultValue;      // PRIVZETO
    bool visible = false;      // VIDNO = 1
    QString kind;              // TIP_PAR: S, P, F
    QString dataType;          // TIP_PODATKA: D, S, N, K, T
    bool key = false;          // KLJUC = Y
    QString table;             // TABELA (or the key file of source F)
    QString keyColumn;         // POLJEKLJUC
    QString keyType;           // TIPKLJUC
    QString descriptionColumn; // POLJEOPIS
    QString source;            // SOURCE: T table, F key file
    QString filter;            // FILTER

    // Names of the first and second input control.
    QString firstName() const { return QStringLiteral("S_%1").arg(id); }
    QString secondName() const { return QStringLiteral("R_%1").arg(id); }
    bool isDate() const { return dataType.startsWith(QLatin1Char('D')); }
};

// What the user entered for a visible parameter.
struct ParameterInput
{
    QString first;
    QString second;
    QString description;
};

// The parameter rules of a report run: defaults, literals for the selection
// formula and the report's parameter fields, the conditions and filter lines.
namespace ReportParameters {

// The rows of the run window's parameter query (a report's rows ordered by SORTIRANJE).
QList<ReportParameter> FromDataSet(DataSet &rows);

// PRIVZETO: a literal, or one of the bar macros. reportDate (dd.mm.yyyy) is
// the run's report date as far as it is known; |IDOBD| takes the period of
// that day, of the start-up date when there is none.
QString FillDefault(const QString &value, const QString &reportDate = QString());
// A bar macro looked up in Report.ini [VALUES].
QString GetDefaultValueFromFile(const QString &macro);

// A number in the system's format: a point between groups of three digits,
// a comma before the decimals ("1.000,50"). Gives it with a decimal point
// and no grouping ("1000.50"), the form of formulas and SQL; nothing when
// the text is not such a number.
std::optional<QString> ReadNumber(const QString &text);
// A number as formulas and SQL write it: digits, a point before decimals.
bool IsPlainNumber(const QString &text);

// What the user typed (or a default gave) for a parameter, checked by its
// data type and made ready for the run: numbers as ReadNumber gives them
// (for operator 6 a list separated by ";", given back joined by ", "),
// dates as dd.mm.yyyy, texts of operator 6 as a list of quoted literals.
// Throws EConvertError with a message that names the field (NASLOV_PAR).
QString TypedValue(const ReportParameter &row, const QString &text);

// A value as a formula literal, by data type ("S" when empty). Numbers must
// already be plain (IsPlainNumber): anything else throws EConvertError.
QString ConvertFilterValue(const QString &value, const QString &dataType);
// A value as a report parameter value, by data type.
QString ConvertParameterValue(const QString &value, const QString &dataType);
// The line marks of a description as line breaks inside the FILTER formula.
QString ReplaceFilter(const QString &description);
// The report filter with its variables filled in.
QString ZamenjajSpremenljivkeVSelectionu(const QString &filter);

// The sign of an operator in a description line; empty for 0, 5 and 6.
QString OperatorSign(int op);
// The condition a kind "S" parameter adds; empty when it adds none.
QString Condition(const ReportParameter &row, const QString &first, const QString &second);

// The state one run of FillFields changes.
struct RunState
{
    QString reportDate; // dd.mm.yyyy; empty until the first visible date parameter
    QString contract;   // IDPOG of the run
    QString person;     // SFOSB of the run
    QStringList filterLines;
};

// Where FillFields sends what it builds.
struct FillFieldsTarget
{
    // The current input of a visible parameter.
    std::function<ParameterInput(const ReportParameter &)> input;
    // The report-date fallback (FindIzpisDate without today) for defaults
    // needed before a date parameter set the report date; may be empty.
    std::function<QString()> reportDateFallback;
    // One condition for the selection formula.
    std::function<void(const QString &condition)> addSelection;
    // The value of every report parameter field called name.
    std::function<void(const QString &name, const QString &value)> setParameter;
};

// A key for a condition: a number as it stands, anything else (and every
// text key) as an escaped literal, so that no key can change the statement.
QString KeyLiteral(const QString &key, bool text);
// The contract of the run, and its person when the contract is found.
void TakeContract(const QString &contract, RunState &state);
// Contract and person from a parameter value whose field names them.
void CheckpogOsbFilter(const QString &field, const QString &value, RunState &state);

// Reads every parameter row: selection conditions, report parameter values
// and the filter-description lines.
void FillFields(const QList<ReportParameter> &rows, const FillFieldsTarget &target, RunState &state);

// The report's stored selection in brackets, so that conditions appended
// with " and " cannot bind to a part of it ("A or B and C"). Empty stays empty.
QStringList BracketSelection(const QStringList &formula);
// Appends a condition to a selection formula: " and (" condition ")" as a
// new line, or "(" condition ")" alone when the formula is empty. The formula
// is taken as already bracketed (BracketSelection). A condition holding a
// line break or a "//" comment gets its closing bracket on a line of its own.
QStringList AppendCondition(QStringList formula, const QString &condition);

} // namespace ReportParameters
