#pragma once

#include "printengine/rpe32.h"

#include <QList>
#include <QString>

#include <cstdint>

class TRpe;
class QWidget;

// The kinds the output sub-objects are made of (printer, print options,
// export options and the preview-window objects), and what they share.

enum TRpeExportType {
    Records,
    TabSeparated,
    Ascii,
    Dif,
    Csv,
    CharacterSeparated,
    TabSeparatedText,
    ReportFileRPT,
    LotusWK1,
    LotusWK3,
    LotusWKS,
    RichTextFormat,
    WordForWindows,
    ExcelXLS,
    HTML30,
    HTML32ext,
    HTML32std,
    HTML4,
    ODBCTable,
    PaginatedText,
    ReportDefinition,
    AdobeAcrobatPDF,
    XML1
};
enum TRpeExportDestination {
    toFile,
    toEmailViaMapi,
    toEmailViaVIM,
    toEmailViaSMI,
    toMSExchange,
    toLotusNotes,
    toApplication
};
enum TRpeExportExcelType {
    Excel2,
    Excel3,
    Excel4,
    Excel5,
    Excel5Extended,
    Excel7,
    Excel7Tab,
    Excel8,
    Excel8Tab
};
enum TRpeExportExcelColumnWidth { ByArea, ByConstant };
enum TRpeZoomPreview { pwNormal, pwPageWidth, pwWholePage, pwDefault };
enum TRpeBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TRpeOrientation { orDefault, orPortrait, orLandscape };
enum TRpePreserveRptSet { prOrientation = 1, prPaperSize = 2, prPaperSource = 4 };
enum TRpeWindowCursor {
    wcDefault,
    wcArrow,
    wcCross,
    wcIBeam,
    wcUpArrow,
    wcSizeAll,
    wcSizeNWSE,
    wcSizeNESW,
    wcSizeWE,
    wcSizeNS,
    wcNo,
    wcWait,
    wcAppStart,
    wcHelp,
    wcMagnify,
    wcBackgroundProcess,
    wcGrabHand,
    wcZoomIn,
    wcReportSection,
    wcHand
};

// A set of TRpePreserveRptSet values.
using TRpePreserveRptSettings = unsigned;

namespace RpeOutput {

// Boolean fields of the engine's option records.
inline int16_t rpeBool(bool value)
{
    return value ? -1 : 0;
}

// An engine failure of a call on job, through the component's error routine;
// returns only when the routine's answer is to ignore it.
void engineFailed(TRpe *rpe, int16_t job, const QString &context, const QList<int> &tolerated = {});

// The widget of the job's live preview window, or null.
QWidget *previewWindow(TRpe *rpe);

} // namespace RpeOutput
