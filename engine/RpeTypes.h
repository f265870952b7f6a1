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
enum TRpeMouseButton { mbLeft, mbRight, mbMiddle };
enum TRpeFieldValueType {
    fvUnknown,
    fvInt8s,
    fvInt8u,
    fvInt16s,
    fvInt16u,
    fvInt32s,
    fvInt32u,
    fvNumber,
    fvCurrency,
    fvBoolean,
    fvDate,
    fvTime,
    fvString,
    fvTransientMemo,
    fvPersistentMemo,
    fvBlob,
    fvDateTime,
    fvBitmap,
    fvIcon,
    fvPicture,
    fvOle,
    fvGraph
};
enum TRpeStartEventDestination { seNoWhere, seToWindow, seToPrinter, seToExport, seFromQuery };
enum TRpeStopEventJobStatus {
    seUndefined,
    seNotStarted,
    seInProgress,
    seCompleted,
    seFailed,
    seCancelled,
    seHalted
};

// Where and how the user clicked in the preview.
struct TRpeMouseInfo
{
    TRpeMouseButton button = mbLeft;
    bool shift = false;
    bool control = false;
    int x = 0;
    int y = 0;
};

// One failure on its way to the error routine: a component error (a number
// of the component's own table) or the failure of an engine call, with the
// job it addressed, the engine codes the call tolerates and the context
// ("operation <entry point>").
struct TRpeFailure
{
    bool component = false;
    int number = 0; // component errors only
    QString text;   // component errors only; empty = the table's text
    int16_t job = 0;
    QList<int> tolerated;
    QString context;
};
