#include "run/SqlScript.h"

#include "data/Database.h"
#include "run/DpkCheckDigits.h"
#include "run/ValueLexer.h"
#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/Formats.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/SqlLiterals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const QString internalFunction = QStringLiteral("INTERNAL_FUNCTION");

QString dataTypeOf(const SqlScriptParameter &parameter)
{
    const QString type = parameter.dataType.trimmed().left(1).toUpper();
    return type.isEmpty() ? QStringLiteral("S") : type;
}

// The parameter as an error names it: its caption, else its placeholder.
QString fieldName(const SqlScriptParameter &parameter, const QString &placeholder)
{
    return parameter.caption.trimmed().isEmpty()
               ? placeholder
               : QStringLiteral("»") + parameter.caption.trimmed() + QStringLiteral("«");
}

bool isIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$#]*$"));
    return identifier.match(name).hasMatch();
}

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString duration(qint64 ms)
{
    return QTime::fromMSecsSinceStartOfDay(int(ms % (24 * 3600 * 1000))).toString(QStringLiteral("hh:mm:ss"));
}

// The script's logs serve whoever reads them later: writing one must never
// stop the run, as with the query logs.
QStringList readLines(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EInOutError(QStringLiteral("Ne morem brati datoteke %1: %2").arg(file, f.errorString()));
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    // A final line break ends the last line; it does not start an empty one.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Lines that end a statement, counted before substitution for the progress.
int statementCount(const QStringList &lines)
{
    int count = 0;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1String("--")) && line.endsWith(QLatin1Char(';')))
            ++count;
    }
    return count;
}

// Walks the tokens opener...'}' of a text left to right: onText gets the text
// between them, onToken each token and returns whether to go on. An unclosed
// opener and what follows it stay plain text. Replacements are never scanned
// again, so a value holding "{?" or "{@" stays as it is.
template <typename OnText, typename OnToken>
void scanTokens(const QString &text, QLatin1String opener, OnText onText, OnToken onToken)
{
    qsizetype pos = 0;
    for (;;) {
        const qsizetype start = text.indexOf(opener, pos);
        const qsizetype end = start < 0 ? -1 : text.indexOf(QLatin1Char('}'), start + opener.size());
        if (end < 0)
            break;
        onText(text.mid(pos, start - pos));
        if (!onToken(text.mid(start, end - start + 1)))
            return;
        pos = end + 1;
    }
    onText(text.mid(pos));
}

QString syntaxError(const QString &statement)
{
    return QStringLiteral(
               "KljucDPKPoModulu11(PoljeKontrolka,PoljeKljucDPK,PoljeID: string): Internal function "
               "Syntax error (") +
           statement + QStringLiteral(").");
}

// Restores the status bar however the run ends.
class StatusReset
{
public:
    explicit StatusReset(SqlScript *script) : m_script(script) {}
    ~StatusReset()
    {
        for (int panel = 0; panel < 4; ++panel)
            emit m_script->statusText(panel, QString());
        emit m_script->statusShown(false);
    }
    StatusReset(const StatusReset &) = delete;
    StatusReset &operator=(const StatusReset &) = delete;

private:
    SqlScript *m_script;
};
} // namespace

struct SqlScript::Run
{
    QString scriptFile;
    QStringList runLog;
    QStringList statement;
    QString statementError; // a line of the statement could not be substituted
    QString result;
    int executed = 0;
    int count = 0;
    int ordinal = 0; // of the statement now ending, built-in calls included
    QElapsedTimer since;
};

SqlScript::SqlScript(SqlScriptInputs inputs, QObject *parent) : QObject(parent), m_inputs(std::move(inputs))
{
}

SqlScriptInputs SqlScript::inputsFromDataModule()
{
    SqlScriptInputs inputs;
    if (D) {
        inputs.dialect = D->Dialect;
        inputs.rpeDriver = D->RpeDriver;
        inputs.computerName = D->ComputerName;
    }
    return inputs;
}

Database &SqlScript::database() const
{
    return Database::require(m_inputs.databaseName);
}

void SqlScript::pumpEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QString SqlScript::RunSqlScript(const QString &scriptFile)
{
    m_errorText.clear();
    m_failed = false;
    StatusReset reset(this);
    emit statusShown(true);
    emit statusText(0, QStringLiteral("Pripravljam podatke..."));
    emit statusText(1, QStringLiteral("SQL"));
    emit statusText(2, QStringLiteral("0 %"));
    emit statusText(3, QStringLiteral("0/0"));
    pumpEvents();

    Run run;
    run.scriptFile = scriptFile;
    const QStringList lines = readLines(scriptFile);
    run.count = statementCount(lines);
    emit statusText(3, QStringLiteral("0/") + QString::number(run.count));
    run.since.start();

    try {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString raw = lines.at(i).trimmed();
            QString line;
            QString lineError;
            try {
                line = substituteLine(raw);
            } catch (const std::exception &e) {
                line = raw;
                lineError = ErrorMessage(e);
            }
            if (line.startsWith(QLatin1String("--")) || line.trimmed().isEmpty()) {
                // An optional line that disappears still ends its statement;
                // otherwise two statements would run as one.
                if (raw.startsWith(QLatin1Char('?')) && raw.endsWith(QLatin1Char(';')))
                    runStatement(run);
                continue;
            }
            if (!lineError.isEmpty() && run.statementError.isEmpty())
                run.statementError = lineError;
            const bool lastLine = i == lines.size() - 1;
            if (!line.endsWith(QLatin1Char(';')) && !lastLine) {
                run.statement << line;
                continue;
            }
            if (line.startsWith(internalFunction, Qt::CaseInsensitive)) {
                if (!lineError.isEmpty())
                    throw EConvertError(lineError);
                ++run.ordinal;
                RunInternalFunction(line);
                run.runLog << line;
                showProgress(run);
                run.since.restart();
                run.statement.clear();
                run.statementError.clear();
                continue;
            }
            if (line.endsWith(QLatin1Char(';')))
                line.chop(1);
            if (!line.trimmed().isEmpty())
                run.statement << line;
            runStatement(run);
        }
        // A script whose last lines are comments still runs the statement before them.
        runStatement(run);
    } catch (...) {
        SaveLog(scriptFile + QStringLiteral(".txt"), run.runLog);
        throw;
    }
    SaveLog(scriptFile + QStringLiteral(".txt"), run.runLog);
    if (m_failed && m_showErrors)
        ShowError(m_errorText);
    return run.result;
}

void SqlScript::runStatement(Run &run)
{
    if (run.statement.isEmpty())
        return;
    const QStringList statement = std::exchange(run.statement, {});
    const QString substitutionError = std::exchange(run.statementError, {});
    ++run.ordinal;
    Database &db = database();
    bool inTransaction = false;
    try {
        if (!substitutionError.isEmpty())
            throw EConvertError(substitutionError);
        db.startTransaction();
        inTransaction = true;
        SaveLog(SqlLogDir() + QStringLiteral("Knjiga.Sql"), statement);
        const QString text = statement.join(QLatin1Char('\n'));
        if (text.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
            run.result = text.trimmed();
        else
            db.execute(text);
        db.commit();
        inTransaction = false;
    } catch (const std::exception &e) {
        if (inTransaction) {
            try {
                db.rollback();
            } catch (const EDatabaseError &) {
                // Nothing left to undo: the statement's own error is reported.
            }
        }
        const QString message = ErrorMessage(e);
        m_failed = true;
        // Which statement failed: its number in the script and its first line.
        m_errorText += QStringLiteral("Stavek %1 (%2): %3\r\r")
                           .arg(run.ordinal)
                           .arg(statement.front().trimmed(), message);
        try {
            AppendLogLines(run.scriptFile + QStringLiteral(".log"), QStringList(statement) << message);
        } catch (const EInOutError &logError) {
            m_errorText += logError.message() + QStringLiteral("\r\r");
        }
        return;
    }
    ++run.executed;
    run.runLog << statement << duration(run.since.elapsed());
    showProgress(run);
    run.since.restart();
    pumpEvents();
}

void SqlScript::showProgress(const Run &run)
{
    // Without counted statements (no ";" anywhere) the one statement run is all of it.
    const int percent = run.count > 0 ? qRound(run.executed * 100.0 / run.count) : 100;
    emit statusText(2, QString::number(qMin(percent, 100)) + QStringLiteral(" %"));
    emit statusText(3, QString::number(run.executed) + QLatin1Char('/') + QString::number(run.count));
}

QString SqlScript::substituteLine(const QString &trimmedLine)
{
    bool dropped = false;
    const bool optional = trimmedLine.startsWith(QLatin1Char('?'));
    const QList<Piece> pieces =
        substituteParameters(optional ? trimmedLine.mid(1) : trimmedLine, optional, dropped);
    return dropped ? QString() : expandMacros(pieces);
}

QString SqlScript::SubstituteSqlParameters(const QString &line)
{
    bool dropped = false;
    QString out;
    for (const Piece &piece : substituteParameters(line, false, dropped))
        out += piece.text;
    return out;
}

QString SqlScript::SubstituteOptionalLine(const QString &line)
{
    bool dropped = false;
    const QString body = line.startsWith(QLatin1Char('?')) ? line.mid(1) : line;
    QString out;
    for (const Piece &piece : substituteParameters(body, true, dropped))
        out += piece.text;
    return dropped ? QString() : out;
}

QString SqlScript::SubstituteSqlMacros(const QString &line)
{
    return expandMacros({Piece{line, false}});
}

QList<SqlScript::Piece> SqlScript::substituteParameters(const QString &line, bool optional, bool &dropped)
{
    dropped = false;
    QList<Piece> pieces;
    scanTokens(
        line, QLatin1String("{?"),
        [&](const QString &text) {
            pieces << Piece{text, false};
        },
        [&](const QString &placeholder) {
            const SqlScriptParameter *parameter = findParameter(placeholder);
            if (!parameter && !optional)
                throw EConvertError(QStringLiteral("Parameter %1 ne obstaja.").arg(placeholder));
            if (parameter)
                noteReportDate(*parameter);
            if (!parameter || (optional && parameter->value.trimmed().isEmpty())) {
                dropped = true;
                return false;
            }
            pieces << Piece{parameterValue(*parameter, placeholder), true};
            return true;
        });
    if (dropped)
        pieces.clear();
    return pieces;
}

const SqlScriptParameter *SqlScript::findParameter(const QString &placeholder) const
{
    for (const SqlScriptParameter &parameter : m_inputs.parameters)
        if (parameter.field.trimmed().compare(placeholder, Qt::CaseInsensitive) == 0)
            return &parameter;
    return nullptr;
}

void SqlScript::noteReportDate(const SqlScriptParameter &parameter)
{
    if (m_inputs.reportDate.isEmpty() && dataTypeOf(parameter) == QLatin1String("D"))
        m_inputs.reportDate = parameter.secondValue.isEmpty() ? parameter.value : parameter.secondValue;
}

QString SqlScript::parameterValue(const SqlScriptParameter &parameter, const QString &placeholder) const
{
    const QString type = dataTypeOf(parameter);
    const QString field = fieldName(parameter, placeholder);
    const QString value = parameter.value.trimmed();
    if (type == QLatin1String("D")) {
        // An empty or impossible date would reach the database as a text it
        // cannot read, or compare with nothing at all.
        if (value.isEmpty())
            throw EConvertError(QStringLiteral("Parameter %1 nima datuma.").arg(field));
        const QDate date = Formats::readShortDate(value);
        if (!date.isValid())
            throw EConvertError(QStringLiteral("»%1« v parametru %2 ni veljaven datum.").arg(value, field));
        const QString quoted =
            QLatin1Char('\'') + date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char('\'');
        if (m_inputs.rpeDriver.contains(QLatin1String("ORACLE"), Qt::CaseInsensitive))
            return QStringLiteral("TO_DATE(") + quoted + QStringLiteral(",'dd.mm.yyyy')");
        return quoted;
    }
    const bool text = type == QLatin1String("S") || type == QLatin1String("K");
    if (text && !parameter.list)
        return QLatin1Char('\'') + SqlEscape(parameter.value) + QLatin1Char('\'');
    // Unquoted: numbers, or for a list of texts quoted literals, joined by
    // commas. A name or anything else could change the statement.
    if (value.isEmpty())
        throw EConvertError(QStringLiteral("Parameter %1 nima vrednosti.").arg(field));
    if (!ValueLexer::isLiteralList(value, true, text))
        throw EConvertError(
            QStringLiteral("Neveljavna vrednost parametra %1: %2").arg(field, parameter.value));
    return value;
}

QString SqlScript::expandMacros(const QList<Piece> &pieces)
{
    QString out;
    for (const Piece &piece : pieces) {
        if (piece.isValue) {
            out += piece.text;
            continue;
        }
        scanTokens(
            piece.text, QLatin1String("{@"), [&](const QString &text) { out += text; },
            [&](const QString &macro) {
                out += macroValue(macro.mid(2, macro.size() - 3));
                return true;
            });
    }
    return out;
}

QString SqlScript::macroValue(const QString &name)
{
    if (name.compare(QLatin1String("NVL"), Qt::CaseInsensitive) == 0)
        return m_inputs.dialect == QLatin1String("DB2") ? QStringLiteral("COALESCE") : QStringLiteral("NVL");
    if (name.compare(QLatin1String("TCJ"), Qt::CaseInsensitive) == 0)
        return isEuroPeriod() ? QStringLiteral("/") : QStringLiteral("*");
    if (name.compare(QLatin1String("DMCSFVP"), Qt::CaseInsensitive) == 0) {
        if (!isEuroPeriod())
            return QStringLiteral("1");
        return LookupString(m_inputs.databaseName, QStringLiteral("EUROOBD"), QStringLiteral("SfVPFrom"),
                            QStringLiteral("OZNAKA='ES'"));
    }
    return name;
}

bool SqlScript::isEuroPeriod()
{
    if (m_inputs.reportDate.isEmpty()) {
        m_inputs.reportDate = m_inputs.fallbackReportDate.isEmpty()
                                  ? QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))
                                  : m_inputs.fallbackReportDate;
    }
    const QDate date = QDate::fromString(m_inputs.reportDate.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' ni veljaven datum.").arg(m_inputs.reportDate));
    // Without a euro start every date counts as euro.
    const QDateTime start = LookupDateTime(m_inputs.databaseName, QStringLiteral("EUROOBD"),
                                           QStringLiteral("DANOD"), QStringLiteral("OZNAKA='ES'"));
    return !start.isValid() || date >= start.date();
}

void SqlScript::RunInternalFunction(const QString &statement)
{
    QString call = statement;
    const qsizetype at = call.indexOf(internalFunction, 0, Qt::CaseInsensitive);
    if (at >= 0)
        call.remove(at, internalFunction.size());
    call = call.trimmed();
    const qsizetype open = call.indexOf(QLatin1Char('('));
    const QString name = (open < 0 ? call : call.left(open)).trimmed();
    if (name.compare(QLatin1String("KljucDPKPoModulu11"), Qt::CaseInsensitive) != 0)
        return;
    const qsizetype close = open < 0 ? -1 : call.indexOf(QLatin1Char(')'), open + 1);
    if (close < 0)
        throw ESQLError(syntaxError(statement));
    QStringList arguments = call.mid(open + 1, close - open - 1).split(QLatin1Char(','));
    for (QString &argument : arguments)
        argument = argument.trimmed();
    // The columns go into the statements as names: anything else is a syntax error too.
    if (arguments.size() != 3 || !std::all_of(arguments.cbegin(), arguments.cend(), isIdentifier))
        throw ESQLError(syntaxError(statement));
    KljucDPKPoModulu11(arguments.at(0), arguments.at(1), arguments.at(2));
}

void SqlScript::KljucDPKPoModulu11(const QString &controlColumn, const QString &keyColumn,
                                   const QString &idColumn)
{
    for (const QString &column : {controlColumn, keyColumn, idColumn})
        if (!isIdentifier(column))
            throw ESQLError(QStringLiteral("Neveljavno ime stolpca: %1").arg(column));

    const QString logFile = SqlLogDir() + QStringLiteral("IF_KljuciDpk.txt");
    QStringList log{timeStamp() + QStringLiteral(": START DPK")};
    Database &db = database();
    try {
        struct Row
        {
            QString control;
            QVariant id;
        };
        std::vector<Row> rows;
        {
            // Read first: the updates below must not disturb the walk over the table.
            QSqlQuery q =
                db.execute(QStringLiteral("SELECT %1, %2, %3 FROM REPORT_SQL WHERE COMPUTER = :COMPUTER")
                               .arg(controlColumn, keyColumn, idColumn),
                           {{QStringLiteral("COMPUTER"), m_inputs.computerName}});
            log << timeStamp() + QStringLiteral(": SELECT REPORT_SQL");
            while (q.next())
                if (q.value(1).toString().trimmed().isEmpty())
                    rows.push_back({q.value(0).toString(), q.value(2)});
        }
        log << timeStamp() + QStringLiteral(": START TABLE");

        static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d+)?([eE][+-]?\\d+)?$"));
        const bool bareId = idColumn.startsWith(QLatin1String("NUM"), Qt::CaseInsensitive) ||
                            idColumn.startsWith(QLatin1String("INT"), Qt::CaseInsensitive);
        const QString computerCondition =
            QStringLiteral("COMPUTER='") + SqlEscape(m_inputs.computerName) + QStringLiteral("' AND ");
        int count = 0;
        for (const Row &row : rows) {
            const QString key = row.control + QLatin1Char('-') + DpkCheckDigits(row.control);
            const QString id = row.id.toString();
            // A row without an identifier cannot be told apart from the others.
            if (row.id.isNull() || (bareId && !number.match(id).hasMatch()))
                throw EConvertError(
                    QStringLiteral("Neveljaven identifikator v stolpcu %1: '%2'").arg(idColumn, id));
            const QString idLiteral = bareId ? id : QLatin1Char('\'') + SqlEscape(id) + QLatin1Char('\'');
            db.startTransaction();
            try {
                db.execute(
                    QStringLiteral("UPDATE REPORT_SQL SET %1 = '%2' WHERE ").arg(keyColumn, SqlEscape(key)) +
                    computerCondition + idColumn + QLatin1Char('=') + idLiteral);
                db.commit();
            } catch (const EDatabaseError &) {
                try {
                    db.rollback();
                } catch (const EDatabaseError &) {
                    // The update's error is the one to report.
                }
                throw;
            }
            ++count;
            if (count % 100 == 0) {
                log << timeStamp() + QStringLiteral(": IZRACUNANIH ") + QString::number(count) +
                           QStringLiteral(" ZAPISOV");
                SaveLog(logFile, log);
            }
            emit statusText(4, QString::number(count));
            pumpEvents();
        }
        log << timeStamp() + QStringLiteral(": KONEC TABLE");
    } catch (...) {
        SaveLog(logFile, log);
        throw;
    }
    SaveLog(logFile, log);
}
