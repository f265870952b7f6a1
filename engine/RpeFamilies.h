#pragma once

#include "engine/RpeSubObject.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The report-object sub-objects of the print-job component. Selection,
// Formulas, Subreports, PrintDate and Pages carry what the component's own
// operations use; the other families are present so that the component owns
// and clears them, and gain their engine side separately.

class TRpeSelection : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override { m_formula.clear(); }
    // The record selection formula, one entry per line.
    QStringList Formula();
    void setFormula(const QStringList &lines);

private:
    QStringList m_formula;
};

class TRpeFormulas : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override;
    int Count();
    // Selects the formula by name (without the @); an unknown name is error 120.
    void setName(const QString &name);
    QString Name() const { return m_name; }
    int ItemIndex() const { return m_index; }
    QStringList Formula();
    void setFormula(const QStringList &lines);

private:
    QString m_name;
    int m_index = -1;
    QStringList m_formula;
};

class TRpeSubreports : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    // Forgets the subreports; the selection goes back to the main report.
    void Clear() override;
    // 1 (the main report) + the subreports of the main job.
    int Count();
    int Number() const { return m_number; }
    QString Name() const { return m_name; }
    // Selects report i (0 = main) and opens its job.
    void select(int i);
    bool SubExecute = false;

private:
    QStringList names();
    int m_number = 0;
    QString m_name;
    QStringList m_names;
    bool m_namesRead = false;
};

class TRpePrintDate : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override { Day = Month = Year = 0; }
    // Sends the parts that are set (above 0).
    void Send();
    int Day = 0, Month = 0, Year = 0;
};

class TRpePages : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override { StartPageNumber = 1; }
    int StartPageNumber = 1;
};

// The families the component owns before their engine side exists.
#define RPE_PLACEHOLDER(Name)                                                                                          \
    class Name : public TRpeSubObject                                                                                  \
    {                                                                                                                  \
    public:                                                                                                            \
        using TRpeSubObject::TRpeSubObject;                                                                            \
    };
RPE_PLACEHOLDER(TRpeMargins)
RPE_PLACEHOLDER(TRpeSummaryInfo)
RPE_PLACEHOLDER(TRpeReportOptions)
RPE_PLACEHOLDER(TRpeGlobalOptions)
RPE_PLACEHOLDER(TRpeGroupSelection)
RPE_PLACEHOLDER(TRpeSQL)
RPE_PLACEHOLDER(TRpeConnect)
RPE_PLACEHOLDER(TRpeTables)
RPE_PLACEHOLDER(TRpeSortFields)
RPE_PLACEHOLDER(TRpeGroupSortFields)
RPE_PLACEHOLDER(TRpeGroups)
RPE_PLACEHOLDER(TRpeParamFields)
RPE_PLACEHOLDER(TRpeSectionFormat)
RPE_PLACEHOLDER(TRpeAreaFormat)
RPE_PLACEHOLDER(TRpeSectionFont)
RPE_PLACEHOLDER(TRpeSectionSize)
RPE_PLACEHOLDER(TRpeSQLExpressions)
RPE_PLACEHOLDER(TRpeStoredProcParams)
RPE_PLACEHOLDER(TRpeLogOnInfo)
RPE_PLACEHOLDER(TRpeLogOnServer)
RPE_PLACEHOLDER(TRpeSessionInfo)
RPE_PLACEHOLDER(TRpeLines)
RPE_PLACEHOLDER(TRpeBoxes)
RPE_PLACEHOLDER(TRpePictures)
RPE_PLACEHOLDER(TRpeTextObjects)
RPE_PLACEHOLDER(TRpeOleObjects)
RPE_PLACEHOLDER(TRpeCrossTabs)
RPE_PLACEHOLDER(TRpeMaps)
RPE_PLACEHOLDER(TRpeOLAPCubes)
RPE_PLACEHOLDER(TRpeDatabaseFields)
RPE_PLACEHOLDER(TRpeSummaryFields)
RPE_PLACEHOLDER(TRpeSpecialFields)
RPE_PLACEHOLDER(TRpeGroupNameFields)
RPE_PLACEHOLDER(TRpeRunningTotals)
RPE_PLACEHOLDER(TRpeGraphs)
RPE_PLACEHOLDER(TRpeRecords)
#undef RPE_PLACEHOLDER
