#pragma once

#include "run/SqlScriptParameter.h"

#include <QList>
#include <QString>

// What a preparatory script needs from the report run: the parameters and the
// values of the data module. A window, the batch module and a test fill it
// alike.
struct SqlScriptInputs
{
    QList<SqlScriptParameter> parameters;       // in the report's parameter order; the first match wins
    QString dialect = QStringLiteral("ORACLE"); // "DB2" turns the NVL macro into COALESCE
    QString rpeDriver;                          // a driver containing "ORACLE" gets dates as TO_DATE(...)
    QString computerName;                       // owner of the REPORT_SQL rows the built-in function updates
    QString reportDate; // the run's report date "dd.mm.yyyy"; empty until a date sets it
    // Used when a macro needs the report date before any date parameter set
    // it (the first date input of the window); empty means today.
    QString fallbackReportDate;
    QString databaseName = QStringLiteral("LB");
};
