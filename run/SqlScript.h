#pragma once

#include "run/SqlScriptInputs.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Database;

// Runs a report's preparatory SQL script against the main database: lines
// trimmed, "--" comments and empty lines skipped, statements ended by ";",
// parameter placeholders "{?name}" and macros "{@name}" substituted, "?"
// lines kept only when all their placeholders have a value, and
// "INTERNAL_FUNCTION" lines calling a built-in function. Each statement runs
// in its own transaction; a failing one is rolled back, appended to the
// script's ".log" and reported once at the end while the later statements
// still run. Progress goes out through the two signals, which the report run
// window shows in its five-panel status bar and the unattended run may log.
class SqlScript : public QObject
{
    Q_OBJECT
public:
    explicit SqlScript(SqlScriptInputs inputs, QObject *parent = nullptr);

    // Dialect, report-engine driver and computer name of the data module D.
    static SqlScriptInputs inputsFromDataModule();

    // Runs the script file; returns the text of its last SELECT statement,
    // which is kept and not executed (empty when there is none). Writes
    // SqlLogDir() + "Knjiga.Sql", script + ".txt" and script + ".log". A
    // failing built-in function or an unreadable script throw; failing
    // statements only make failed() true.
    QString RunSqlScript(const QString &scriptFile);

    // Each placeholder replaced by its value: "D", "S" and "K" quoted (dates
    // as TO_DATE under an ORACLE driver), "N" and "T" bare; a list of
    // operator 6 bare as it is. Throws EConvertError, naming the parameter,
    // for an unknown placeholder, an empty or impossible date, and a bare
    // value that is not numbers (or for texts quoted literals) joined by commas.
    QString SubstituteSqlParameters(const QString &line);
    // For a line starting with "?": the line without it, or empty when a
    // placeholder has no parameter or an empty value.
    QString SubstituteOptionalLine(const QString &line);
    QString SubstituteSqlMacros(const QString &line);

    // "INTERNAL_FUNCTION KljucDPKPoModulu11(control, key, id)"; unknown names do nothing.
    void RunInternalFunction(const QString &statement);
    // Fills the key column of this computer's REPORT_SQL rows that have none
    // with control value + "-" + check digits; progress in
    // SqlLogDir() + "IF_KljuciDpk.txt" and status panel 4.
    void KljucDPKPoModulu11(const QString &controlColumn, const QString &keyColumn, const QString &idColumn);

    // The report date after substitution; the window takes it back.
    const QString &reportDate() const { return m_inputs.reportDate; }
    // Error texts of the last run's failing statements, each as "Stavek n
    // (first line): error" followed by two carriage returns.
    const QString &errorText() const { return m_errorText; }
    bool failed() const { return m_failed; }
    // Whether a run with failing statements ends with an error box (default true).
    void setShowErrors(bool show) { m_showErrors = show; }

signals:
    // The window shows its status bar for the run and hides it afterwards.
    void statusShown(bool shown);
    // Panels: 0 stage, 1 "SQL", 2 percentage, 3 executed/count, 4 built-in progress.
    void statusText(int panel, const QString &text);

private:
    // A piece of a substituted line; values are never searched for macros.
    struct Piece
    {
        QString text;
        bool isValue = false;
    };
    struct Run;

    // Empty list with dropped set: an optional line that disappears.
    QList<Piece> substituteParameters(const QString &line, bool optional, bool &dropped);
    QString expandMacros(const QList<Piece> &pieces);
    QString substituteLine(const QString &trimmedLine);
    QString macroValue(const QString &name);
    QString parameterValue(const SqlScriptParameter &parameter, const QString &placeholder) const;
    const SqlScriptParameter *findParameter(const QString &placeholder) const;
    void noteReportDate(const SqlScriptParameter &parameter);
    bool isEuroPeriod();

    void runStatement(Run &run);
    void showProgress(const Run &run);
    void pumpEvents();
    Database &database() const;

    SqlScriptInputs m_inputs;
    QString m_errorText;
    bool m_failed = false;
    bool m_showErrors = true;
};
