#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The enumerations of the print-job component and its sub-objects.

enum TRpeOutput { toWindow, toPrinter, toExport };
enum TRpeErrorResult { errIgnore, errAbort, errRaise };
enum TRpeFormulaSyntax { fsNative, fsBasic };
enum TRpeReportStyle {
    rsStandard,
    rsLeadingBreak,
    rsTrailingBreak,
    rsTable,
    rsDropTable,
    rsExecutiveLeadingBreak,
    rsExecutiveTrailingBreak,
    rsShading,
    rsRedBlueBorder,
    rsMaroonTealBox
};
enum TRpeWindowState { wsNormal, wsMinimized, wsMaximized };
enum TRpeDrillDownType { ddOnGroup, ddOnGroupTree, ddOnGraph, ddOnMap, ddOnSubreport };
enum TRpeStartEventDestination { seNoWhere, seToWindow, seToPrinter, seToExport, seFromQuery };
enum TRpeStopEventJobStatus { seUndefined, seNotStarted, seInProgress, seCompleted, seFailed, seCancelled, seHalted };

// One failure on its way to the error routine: a component error (a number
// of the component's own table) or the failure of an engine call, with the
// job it addressed, the engine codes the call tolerates and the context
// ("operation <entry point>").
struct TRpeFailure
{
    bool component = false;
    int number = 0; // component errors only
    QString text; // component errors only; empty = the table's text
    int16_t job = 0;
    QList<int> tolerated;
    QString context;
};
