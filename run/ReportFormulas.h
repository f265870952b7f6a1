#pragma once

#include "data/Query.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Report formula literals. Every text value goes through FormulaString so that
// an apostrophe in the data can never end the literal early.
namespace FormulaText {
// 'text' with apostrophes doubled and line breaks as '+Chr(13)+'.
QString FormulaString(const QString &text);
// The lines as one text constant joined by +Chr(13)+; empty for no lines.
// A line may already hold the break mark '+Chr(13)+' (key-list descriptions):
// it stays a break, everything around it is escaped.
QString MultiLine(const QStringList &lines);
// Date(2004,5,7); the two-digit spelling is FormulaDate, numbers FloatToSql.
QString DateShort(const QDate &date);
} // namespace FormulaText

// One formula of the report as the print job lists it, in index order. A
// formula of several lines comes joined by line feeds.
struct ReportFormula
{
    QString name;
    QString text;
};

// A formula whose text RetrieveFormulas replaces.
struct FormulaUpdate
{
    int index = 0;
    QString name;
    QString text;
};

// Fills the report's named formulas from the database: company, filter text,
// euro switches, periods, exchange rates, organisation data and user. The run
// window keeps one object for its whole life (the company lines are read
// once) and sets the state of each run before RetrieveFormulas.
class ReportFormulas
{
public:
    ReportFormulas();

    // State owned by the run window.
    QString reportDate;       // dd.mm.yyyy; empty until a date parameter or a lookup sets it
    QString organisation;     // selected key of the organisation list; empty counts as "0"
    QStringList filterLines;  // the filter-description lines of this run
    QStringList companyLines; // read on first use, then reused
    // The report-date fallback of the window; without one the start-up date of D.
    std::function<QString()> findIzpisDate;

    // The new text of every formula that a rule matches; the others keep theirs.
    // Loads the organisation's PDB row first. Errors abort the run.
    QList<FormulaUpdate> RetrieveFormulas(const QList<ReportFormula> &formulas);

    // Value sources.
    void EnsureReportDate();
    double GetTecaj(const QString &formulaName);
    bool GetFeuroobdBool();
    bool GetFeuroobdBoolEs();
    bool GetFeuroobdBoolEe();
    qint64 GetIdObd();
    // The accounting period of a day: the greatest IDOBD starting on or before it; 0 when none.
    static qint64 IdObdAt(const QDate &date);
    QDate GetDanObd();
    QDate GetLastVlnDate();
    QDate GetDatumTecaj();
    QDate GetFirstTcnDate(const QDate &date);
    QDate GetLastTcnDate(const QDate &date);
    QString GetOrgField(const QString &column);
    void LoadPdb();
    // Piece n (1-9) of 200 characters of a PDB column: FormulaString of the
    // piece, or '' when the text is shorter. Throws for an unknown column.
    QString PdbPiece(const QString &column, int piece);

    // The date that stands for "none" in the period and rate lookups.
    static QDate ZeroDate() { return QDate(1899, 12, 30); }

    Query qPdb;

private:
    QString formulaValue(const QString &name, const QString &text, bool &applies);
    void readCompanyLines();
    QString orgKey() const;
    QDate reportDateValue() const;
    QString upToDate(const QDate &date) const;
    QDate euroStart(const QString &mark);
};
