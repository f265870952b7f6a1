#pragma once

#include "printengine/rpe32.h"

#include <QString>

#include <cstdint>

// The run-time binding of the print engine library. Nothing links against the
// library: every wrapper looks its entry point up by name on each call, so a
// component may swap the library handle between calls. The wrappers carry the
// entry points' own names inside this namespace; call them qualified, since
// the engine header declares the same names for the library's side.
//
// Process-wide state, shared by every print-job component; each component
// writes its own library handle into RpeHandle before it calls a wrapper.
namespace RpeDynamic {

extern void *RpeHandle;      // the loaded library; null = not loaded
extern QString RpeLastError; // the last failure the loader reported; cleared by every wrapper call
extern int32_t RpeMajor, RpeMinor, RpeRelease, RpeBuild; // version of the loaded engine
extern bool RpeShowErrors;                               // show the failure box

// Loads the library from folder, or from the search path when folder is blank.
bool RpeLoadLibrary(const QString &folder = QString());
// True when there was nothing to free.
bool RpeFreeLibrary();
// The one failure reporter: keeps the text and asks "Continue anyway?". Cancel
// throws EAbort; an empty text only clears RpeLastError.
void RpeReportError(const QString &text);

// The kind of the last loader failure, told from RpeLastError.
enum class LoaderFailure { None, LoadLibrary, FreeLibrary, NotLoaded, Function, Other };
LoaderFailure RpeLastFailure();

// The loader's texts.
QString notLoadedText();   // "librpe32.so is not loaded"
QString loadLibraryText(); // "Error loading library: librpe32.so"
QString freeLibraryText(); // "Error freeing library: librpe32.so"

// Section codes: area type * 1000 + (group mod 25) + (section mod 40) * 25.
int16_t SectionCode(int areaType, int groupN, int sectionN);
int SectionAreaType(int16_t code);
int SectionGroupN(int16_t code);
int SectionN(int16_t code);

// The 252 entry points, in the engine's published order.
RpeBool RpeOpenEngine();
RpeBool RpeCloseEngine();
int16_t RpeOpenPrintJob(const char *reportFilePath);
RpeBool RpeClosePrintJob(int16_t printJob);
RpeBool RpeStartPrintJob(int16_t printJob, RpeBool waitUntilDone);
RpeBool RpeIsPrintJobFinished(int16_t printJob);
int32_t RpeGetJobStatus(int16_t printJob, RpeJobInfo *jobInfo);
int16_t RpeGetVersion(int16_t versionRequested);
int16_t RpeGetErrorCode(int16_t printJob);
RpeBool RpeGetErrorText(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetReportVersion(int16_t printJob, RpeReportVersionInfo *version);
RpeBool RpeGetReportOptions(int16_t printJob, RpeReportOptions *options);
RpeBool RpeSetReportOptions(int16_t printJob, RpeReportOptions *options);
int16_t RpeOpenSubreport(int16_t parentJob, const char *subreportName);
RpeBool RpeCloseSubreport(int16_t printJob);
int16_t RpeGetNSubreportsInSection(int16_t printJob, int16_t sectionCode);
RpeObjectHandle RpeGetNthSubreportInSection(int16_t printJob, int16_t sectionCode, int16_t subreportN);
RpeBool RpeGetSubreportInfo(int16_t printJob, RpeObjectHandle subreportHandle, RpeSubreportInfo *info);
RpeBool RpeSetDialogParentWindow(int16_t printJob, RpeWindowHandle parentWindow);
RpeBool RpeEnableProgressDialog(int16_t printJob, RpeBool enable);
RpeBool RpeGetAllowPromptDialog(int16_t printJob);
RpeBool RpeSetAllowPromptDialog(int16_t printJob, RpeBool allow);
RpeBool RpeGetPrintDate(int16_t printJob, int16_t *year, int16_t *month, int16_t *day);
RpeBool RpeSetPrintDate(int16_t printJob, int16_t year, int16_t month, int16_t day);
int16_t RpeGetNGroups(int16_t printJob);
RpeBool RpeGetGroupCondition(int16_t printJob, int16_t sectionCode, RpeTextHandle *conditionField,
                             int16_t *conditionFieldLength, int16_t *condition, int16_t *sortDirection);
RpeBool RpeSetGroupCondition(int16_t printJob, int16_t sectionCode, const char *conditionField,
                             int16_t condition, int16_t sortDirection);
RpeBool RpeGetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options);
RpeBool RpeSetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options);
int16_t RpeGetNSections(int16_t printJob);
int16_t RpeGetSectionCode(int16_t printJob, int16_t sectionN);
RpeBool RpeGetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height);
RpeBool RpeSetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height);
RpeBool RpeGetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height);
RpeBool RpeSetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height);
RpeBool RpeGetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options);
RpeBool RpeSetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options);
RpeBool RpeGetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options);
RpeBool RpeSetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options);
RpeBool RpeSetFont(int16_t printJob, int16_t sectionCode, int16_t scopeCode, const char *faceName,
                   int16_t fontFamily, int16_t fontPitch, int16_t charSet, int16_t pointSize,
                   int16_t isItalic, int16_t isUnderlined, int16_t isStruckOut, int16_t weight);
RpeBool RpeGetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType);
RpeBool RpeSetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType);
RpeBool RpeGetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphTypeInfo *info);
RpeBool RpeSetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphTypeInfo *info);
RpeBool RpeGetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text);
RpeBool RpeSetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text);
RpeBool RpeGetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                            RpeTextHandle *title, int16_t *titleLength);
RpeBool RpeSetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                            const char *title);
RpeBool RpeGetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                            RpeFontColorInfo *font);
RpeBool RpeSetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                            RpeFontColorInfo *font);
RpeBool RpeGetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptions *options);
RpeBool RpeSetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptions *options);
RpeBool RpeGetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptionInfo *info);
RpeBool RpeSetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptionInfo *info);
RpeBool RpeGetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data);
RpeBool RpeSetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data);
RpeBool RpeGetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphAxisInfo *axis);
RpeBool RpeSetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphAxisInfo *axis);
int16_t RpeGetNFormulas(int16_t printJob);
RpeBool RpeGetNthFormula(int16_t printJob, int16_t formulaN, RpeTextHandle *nameHandle, int16_t *nameLength,
                         RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetFormula(int16_t printJob, const char *formulaName, RpeTextHandle *textHandle,
                      int16_t *textLength);
RpeBool RpeSetFormula(int16_t printJob, const char *formulaName, const char *formulaText);
RpeBool RpeGetSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetSelectionFormula(int16_t printJob, const char *formulaText);
RpeBool RpeGetGroupSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetGroupSelectionFormula(int16_t printJob, const char *formulaText);
RpeBool RpeGetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   const char *formulaText);
RpeBool RpeGetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                const char *formulaText);
int16_t RpeGetNSQLExpressions(int16_t printJob);
RpeBool RpeGetNthSQLExpression(int16_t printJob, int16_t expressionN, RpeTextHandle *nameHandle,
                               int16_t *nameLength, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetSQLExpression(int16_t printJob, const char *expressionName, RpeTextHandle *textHandle,
                            int16_t *textLength);
RpeBool RpeSetSQLExpression(int16_t printJob, const char *expressionName, const char *expressionText);
int16_t RpeGetNParams(int16_t printJob);
RpeBool RpeGetNthParamInfo(int16_t printJob, int16_t paramN, RpeParamInfo *info);
RpeBool RpeGetNthParam(int16_t printJob, int16_t paramN, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetNthParam(int16_t printJob, int16_t paramN, const char *value);
int16_t RpeGetNParameterFields(int16_t printJob);
RpeBool RpeGetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info);
RpeBool RpeSetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info);
RpeBool RpeConvertPFInfoToVInfo(void *value, int16_t valueType, RpeValueInfo *valueInfo);
RpeBool RpeConvertVInfoToPFInfo(RpeValueInfo *valueInfo, int16_t *valueType, void *value);
int16_t RpeGetNParameterDefaultValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName);
RpeBool RpeGetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value);
RpeBool RpeSetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value);
RpeBool RpeAddParameterDefaultValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value);
RpeBool RpeDeleteNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                          const char *reportName, int16_t index);
RpeBool RpeGetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue);
RpeBool RpeSetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue);
RpeBool RpeGetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, RpeTextHandle *textHandle,
                                           int16_t *textLength);
RpeBool RpeSetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, const char *description);
RpeBool RpeGetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option);
RpeBool RpeSetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option);
RpeBool RpeGetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info);
RpeBool RpeSetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info);
int16_t RpeGetNParameterCurrentValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName);
RpeBool RpeGetNthParameterCurrentValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value);
RpeBool RpeAddParameterCurrentValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value);
int16_t RpeGetNParameterCurrentRanges(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName);
RpeBool RpeGetNthParameterCurrentRange(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *rangeStart,
                                       RpeValueInfo *rangeEnd, int16_t *rangeInfo);
RpeBool RpeAddParameterCurrentRange(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *rangeStart, RpeValueInfo *rangeEnd, int16_t rangeInfo);
RpeBool RpeClearParameterCurrentValuesAndRanges(int16_t printJob, const char *parameterFieldName,
                                                const char *reportName);
int16_t RpeGetNthParameterType(int16_t printJob, int16_t parameterN);
int16_t RpeGetNSortFields(int16_t printJob);
RpeBool RpeGetNthSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                           int16_t *nameLength, int16_t *direction);
RpeBool RpeSetNthSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction);
RpeBool RpeDeleteNthSortField(int16_t printJob, int16_t sortFieldN);
int16_t RpeGetNGroupSortFields(int16_t printJob);
RpeBool RpeGetNthGroupSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                                int16_t *nameLength, int16_t *direction);
RpeBool RpeSetNthGroupSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction);
RpeBool RpeDeleteNthGroupSortField(int16_t printJob, int16_t sortFieldN);
int16_t RpeGetNTables(int16_t printJob);
RpeBool RpeGetNthTableType(int16_t printJob, int16_t tableN, RpeTableType *tableType);
RpeBool RpeGetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo);
RpeBool RpeSetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo,
                                  RpeBool propagate);
RpeBool RpeGetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo);
RpeBool RpeSetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo,
                                RpeBool propagateAcrossTables);
RpeBool RpeGetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location);
RpeBool RpeSetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location);
RpeBool RpeGetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo);
RpeBool RpeSetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo);
RpeBool RpeTestNthTableConnectivity(int16_t printJob, int16_t tableN);
RpeBool RpeLogOffServer(const char *dllName, RpeLogOnInfo *logOnInfo);
RpeBool RpeGetSQLQuery(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetSQLQuery(int16_t printJob, const char *queryString);
RpeBool RpeDiscardSavedData(int16_t printJob);
RpeBool RpeGetReportTitle(int16_t printJob, RpeTextHandle *titleHandle, int16_t *titleLength);
RpeBool RpeSetReportTitle(int16_t printJob, const char *title);
RpeBool RpeOutputToWindow(int16_t printJob, const char *title, int32_t left, int32_t top, int32_t width,
                          int32_t height, uint32_t style, RpeWindowHandle parentWindow);
RpeWindowHandle RpeGetWindowHandle(int16_t printJob);
RpeBool RpeCloseWindow(int16_t printJob);
RpeBool RpeGetWindowOptions(int16_t printJob, RpeWindowOptions *options);
RpeBool RpeSetWindowOptions(int16_t printJob, RpeWindowOptions *options);
RpeBool RpeShowPrintControls(int16_t printJob, RpeBool showPrintControls);
RpeBool RpePrintControlsShowing(int16_t printJob);
RpeBool RpeZoomPreviewWindow(int16_t printJob, int16_t level);
RpeBool RpeOutputToPrinter(int16_t printJob, int16_t nCopies);
RpeBool RpeSelectPrinter(int16_t printJob, const char *driverName, const char *printerName,
                         const char *portName, RpeDeviceMode *mode);
RpeBool RpeGetSelectedPrinter(int16_t printJob, RpeTextHandle *driverHandle, int16_t *driverLength,
                              RpeTextHandle *printerHandle, int16_t *printerLength, RpeTextHandle *portHandle,
                              int16_t *portLength, RpeDeviceMode *mode);
int16_t RpeGetNDetailCopies(int16_t printJob);
RpeBool RpeSetNDetailCopies(int16_t printJob, int16_t nDetailCopies);
RpeBool RpeGetPrintOptions(int16_t printJob, RpePrintOptions *options);
RpeBool RpeSetPrintOptions(int16_t printJob, RpePrintOptions *options);
RpeBool RpeGetExportOptions(int16_t printJob, RpeExportOptions *options);
RpeBool RpeExportTo(int16_t printJob, RpeExportOptions *options);
RpeBool RpeGetMargins(int16_t printJob, int16_t *left, int16_t *right, int16_t *top, int16_t *bottom);
RpeBool RpeSetMargins(int16_t printJob, int16_t left, int16_t right, int16_t top, int16_t bottom);
RpeBool RpeGetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info);
RpeBool RpeSetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info);
RpeBool RpeEnableEvent(int16_t printJob, RpeEnableEventInfo *enableEventInfo);
RpeBool RpeSetEventCallback(int16_t printJob, RpeEventCallback callback, void *userData);
RpeBool RpeGetFieldMappingType(int16_t printJob, int16_t *mappingType);
RpeBool RpeSetFieldMappingType(int16_t printJob, int16_t mappingType);
RpeBool RpeGetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo);
RpeBool RpeSetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo);
RpeBool RpeGetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format);
RpeBool RpeSetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format);
int16_t RpeGetNObjectsInSection(int16_t printJob, int16_t sectionCode);
RpeObjectHandle RpeGetNthObjectInSection(int16_t printJob, int16_t sectionCode, int16_t objectN);
RpeBool RpeGetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info);
RpeBool RpeSetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info);
RpeBool RpeGetOleObjectInfo(int16_t printJob, RpeObjectHandle object, RpeOleObjectInfo *info);
RpeBool RpeGetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font);
RpeBool RpeSetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font);
RpeBool RpeChangeSummaryType(int16_t printJob, RpeObjectHandle object, int16_t summaryType);
RpeBool RpeGetFieldObjectInfo(int16_t printJob, RpeObjectHandle object, RpeFieldObjectInfo *info);
int16_t RpeGetNParagraphs(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                               RpeParagraphInfo *info);
RpeBool RpeSetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                               RpeParagraphInfo *info);
int16_t RpeGetNTabStopsInParagraph(int16_t printJob, RpeObjectHandle object, int16_t paragraphN);
RpeBool RpeGetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN,
                             RpeTabStopInfo *info);
RpeBool RpeSetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN,
                             RpeTabStopInfo *info);
RpeBool RpeDeleteNthTabStop(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN);
int16_t RpeGetNEmbeddedFields(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetNthEmbeddedFieldInfo(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   RpeEmbeddedFieldInfo *info);
RpeBool RpeGetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                     RpeObjectFormat *format);
RpeBool RpeSetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                     RpeObjectFormat *format);
RpeBool RpeGetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                            int16_t formulaName, RpeTextHandle *textHandle,
                                            int16_t *textLength);
RpeBool RpeSetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                            int16_t formulaName, const char *formulaText);
RpeBool RpeDeleteNthEmbeddedField(int16_t printJob, RpeObjectHandle object, int16_t fieldN);
int32_t RpeGetTextSize(int16_t printJob, RpeObjectHandle object);
int32_t RpeGetTextHeight(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetText(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle, int32_t *textLength);
RpeBool RpeInsertText(int16_t printJob, RpeObjectHandle object, int32_t position, const char *text);
RpeBool RpeDeleteText(int16_t printJob, RpeObjectHandle object, int32_t position, int32_t count);
RpeBool RpeGetNthSubreportLink(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                               RpeTextHandle *mainFieldHandle, int16_t *mainFieldLength,
                               RpeTextHandle *subFieldHandle, int16_t *subFieldLength);
RpeBool RpeGetNthSubreportLinkEx(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                                 RpeSubreportLinkInfo *link);
RpeBool RpeGetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info);
RpeBool RpeSetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info);
RpeBool RpeGetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info);
RpeBool RpeSetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info);
RpeBool RpeGetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info);
RpeBool RpeSetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info);
int16_t RpeGetNSummariesInCrossTabObject(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetNthSummaryInfoInCrossTabObject(int16_t printJob, RpeObjectHandle object, int16_t summaryN,
                                             RpeCrossTabSummaryInfo *info);
int16_t RpeGetNGroupsInCrossTabObject(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn);
RpeBool RpeGetNthCrossTabGroupOptions(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn,
                                      int16_t groupN, RpeCrossTabGroupOptions *options);
RpeBool RpeGetCrossTabOptions(int16_t printJob, RpeObjectHandle object, RpeCrossTabOptions *options);
RpeBool RpeGetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                  RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                  const char *formulaText);
RpeBool RpeGetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   const char *browseField);
RpeBool RpeGetNthTableAliasName(int16_t printJob, int16_t tableN, RpeTextHandle *textHandle,
                                int16_t *textLength);
RpeBool RpeSetNthTableAliasName(int16_t printJob, int16_t tableN, const char *aliasName);
RpeBool RpeSetNthTableServerType(int16_t printJob, int16_t tableN, RpeServerTypeInfo *serverType,
                                 RpeBool propagate);
int16_t RpeGetNDatabaseFields(int16_t printJob, int16_t tableN);
RpeBool RpeGetNthDatabaseFieldInfo(int16_t printJob, int16_t tableN, int16_t fieldN,
                                   RpeDatabaseFieldInfo *info);
RpeBool RpeGetNthSummaryFieldInfo(int16_t printJob, RpeObjectHandle object, RpeSummaryFieldInfo *info);
int16_t RpeGetReportStyle(int16_t printJob);
RpeBool RpeSetReportStyle(int16_t printJob, int16_t style);
RpeBool RpeGetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info);
RpeBool RpeSetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info);
int16_t RpeGetObjectNHiliteConditions(int16_t printJob, RpeObjectHandle object);
RpeBool RpeSetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                       RpeHiliteConditionInfo *info);
RpeBool RpeGetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                       RpeHiliteConditionInfo *info);
RpeBool RpeAddObjectHiliteCondition(int16_t printJob, RpeObjectHandle object, RpeHiliteConditionInfo *info);
RpeBool RpeClearObjectHiliteConditions(int16_t printJob, RpeObjectHandle object);
int16_t RpeGetNRunningTotals(int16_t printJob);
RpeBool RpeGetNthRunningTotalName(int16_t printJob, int16_t totalN, RpeTextHandle *textHandle,
                                  int16_t *textLength);
RpeBool RpeGetRunningTotalInfo(int16_t printJob, const char *totalName, RpeRunningTotalInfo *info);
RpeBool RpeGetRunningTotalConditionField(int16_t printJob, const char *totalName, int16_t conditionType,
                                         RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetRunningTotalConditionFormula(int16_t printJob, const char *totalName, int16_t conditionType,
                                           RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetRunningTotalSummaryField(int16_t printJob, const char *totalName, int16_t fieldType,
                                       RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeGetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info);
RpeBool RpeSetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info);
RpeBool RpeGetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style);
RpeBool RpeSetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style);
int16_t RpeGetNMapSummaryFields(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                 RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                 const char *fieldName);
int16_t RpeGetNMapConditionFields(int16_t printJob, RpeObjectHandle object);
RpeBool RpeGetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   RpeTextHandle *textHandle, int16_t *textLength);
RpeBool RpeSetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   const char *fieldName);
RpeBool RpeSetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions);
RpeBool RpeGetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions);
RpeBool RpeSetMapTitle(int16_t printJob, RpeObjectHandle object, const char *title);
RpeBool RpeGetMapTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                       int16_t *textLength);
RpeBool RpeSetMapLegendTitle(int16_t printJob, RpeObjectHandle object, const char *title);
RpeBool RpeGetMapLegendTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                             int16_t *textLength);
RpeBool RpeSetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, const char *title);
RpeBool RpeGetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                                int16_t *textLength);
RpeBool RpeSetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax);
RpeBool RpeGetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax);
RpeBool RpeGetStartPageNumber(int16_t printJob, int16_t *startPageNumber);
RpeBool RpeSetStartPageNumber(int16_t printJob, int16_t startPageNumber);
RpeBool RpeSetGlobalOptions(int16_t printJob, RpeGlobalOptions *options);
int16_t RpeGetNSectionsInArea(int16_t printJob, int16_t areaCode);
RpeBool RpeGetSectionWidth(int16_t printJob, int16_t sectionCode, int16_t *width);
RpeBool RpeGetNthGroupNameFormula(int16_t printJob, int16_t groupN, RpeTextHandle *textHandle,
                                  int16_t *textLength);
RpeBool RpeSetNthGroupNameFormula(int16_t printJob, int16_t groupN, const char *formulaText);
RpeBool RpeSetTempFilePath(const char *tempFilePath);

} // namespace RpeDynamic
