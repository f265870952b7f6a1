// Entry points for report features this engine does not have: each fails
// with RPE_ERR_NOT_AVAILABLE and a text that says why (see docs/print-engine.md).
#include "printengine/PrintEngine.h"
#include "printengine/rpe32.h"

#include <QString>

namespace {

template <typename R> R unavailable(int job, R failure, const char *entry, const char *why)
{
    PrintEngine::instance().setError(job, RPE_ERR_NOT_AVAILABLE,
                                     QStringLiteral("%1 is not available in this engine: %2")
                                         .arg(QLatin1String(entry), QString::fromUtf8(why)));
    return failure;
}

} // namespace

extern "C" {

RpeBool RpeGetGraphType(int16_t printJob, int16_t, int16_t, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphType",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphType(int16_t printJob, int16_t, int16_t, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphType",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphTypeInfo(int16_t printJob, int16_t, int16_t, RpeGraphTypeInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphTypeInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphTypeInfo(int16_t printJob, int16_t, int16_t, RpeGraphTypeInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphTypeInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphText(int16_t printJob, int16_t, int16_t, RpeGraphText *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphText",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphText(int16_t printJob, int16_t, int16_t, RpeGraphText *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphText",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphTextInfo(int16_t printJob, int16_t, int16_t, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphTextInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphTextInfo(int16_t printJob, int16_t, int16_t, int16_t, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphTextInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphFontInfo(int16_t printJob, int16_t, int16_t, int16_t, RpeFontColorInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphFontInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphFontInfo(int16_t printJob, int16_t, int16_t, int16_t, RpeFontColorInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphFontInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphOptions(int16_t printJob, int16_t, int16_t, RpeGraphOptions *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphOptions",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphOptions(int16_t printJob, int16_t, int16_t, RpeGraphOptions *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphOptions",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphOptionInfo(int16_t printJob, int16_t, int16_t, RpeGraphOptionInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphOptionInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphOptionInfo(int16_t printJob, int16_t, int16_t, RpeGraphOptionInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphOptionInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphData(int16_t printJob, int16_t, int16_t, RpeGraphDataInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphData",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphData(int16_t printJob, int16_t, int16_t, RpeGraphDataInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphData",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeGetGraphAxisInfo(int16_t printJob, int16_t, int16_t, RpeGraphAxisInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetGraphAxisInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetGraphAxisInfo(int16_t printJob, int16_t, int16_t, RpeGraphAxisInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetGraphAxisInfo",
                                "graphs are not part of this engine's reports");
}

RpeBool RpeSetSQLExpression(int16_t printJob, const char *, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetSQLExpression",
                                "SQL expression fields are not part of this engine's reports; use a formula");
}

int16_t RpeGetNParams(int16_t printJob)
{
    return unavailable<int16_t>(
        printJob, -1, "RpeGetNParams",
        "stored procedure parameters are not supported; reports read tables or an SQL query");
}

RpeBool RpeGetNthParamInfo(int16_t printJob, int16_t, RpeParamInfo *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetNthParamInfo",
        "stored procedure parameters are not supported; reports read tables or an SQL query");
}

RpeBool RpeGetNthParam(int16_t printJob, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetNthParam",
        "stored procedure parameters are not supported; reports read tables or an SQL query");
}

RpeBool RpeSetNthParam(int16_t printJob, int16_t, const char *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetNthParam",
        "stored procedure parameters are not supported; reports read tables or an SQL query");
}

RpeBool RpeSetNthGroupSortField(int16_t printJob, int16_t, const char *, int16_t)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetNthGroupSortField",
        "sorting groups by their summaries is not supported; groups follow their field's order");
}

RpeBool RpeGetNthTableSessionInfo(int16_t printJob, int16_t, RpeSessionInfo *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetNthTableSessionInfo",
        "session log-on of secured file databases is not supported; use the table log-on");
}

RpeBool RpeSetNthTableSessionInfo(int16_t printJob, int16_t, RpeSessionInfo *, RpeBool)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetNthTableSessionInfo",
        "session log-on of secured file databases is not supported; use the table log-on");
}

RpeBool RpeGetNthTablePrivateInfo(int16_t printJob, int16_t, RpeTablePrivateInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthTablePrivateInfo",
                                "private table information of file database drivers is not supported");
}

RpeBool RpeSetNthTablePrivateInfo(int16_t printJob, int16_t, RpeTablePrivateInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthTablePrivateInfo",
                                "private table information of file database drivers is not supported");
}

RpeBool RpeGetExportOptions(int16_t printJob, RpeExportOptions *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetExportOptions",
                                "the engine has no export options dialog; pass the options to RpeExportTo");
}

RpeBool RpeGetObjectFormat(int16_t printJob, RpeObjectHandle, RpeObjectFormat *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetObjectFormat",
        "object format records and format formulas are not supported; formats are set in the report file");
}

RpeBool RpeSetObjectFormat(int16_t printJob, RpeObjectHandle, RpeObjectFormat *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetObjectFormat",
        "object format records and format formulas are not supported; formats are set in the report file");
}

RpeBool RpeGetOleObjectInfo(int16_t printJob, RpeObjectHandle, RpeOleObjectInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetOleObjectInfo", "OLE objects are not supported");
}

int16_t RpeGetNParagraphs(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNParagraphs",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

RpeBool RpeGetNthParagraphInfo(int16_t printJob, RpeObjectHandle, int16_t, RpeParagraphInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthParagraphInfo",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

RpeBool RpeSetNthParagraphInfo(int16_t printJob, RpeObjectHandle, int16_t, RpeParagraphInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthParagraphInfo",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

int16_t RpeGetNTabStopsInParagraph(int16_t printJob, RpeObjectHandle, int16_t)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNTabStopsInParagraph",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

RpeBool RpeGetNthTabStopInfo(int16_t printJob, RpeObjectHandle, int16_t, int16_t, RpeTabStopInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthTabStopInfo",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

RpeBool RpeSetNthTabStopInfo(int16_t printJob, RpeObjectHandle, int16_t, int16_t, RpeTabStopInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthTabStopInfo",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

RpeBool RpeDeleteNthTabStop(int16_t printJob, RpeObjectHandle, int16_t, int16_t)
{
    return unavailable<RpeBool>(printJob, 0, "RpeDeleteNthTabStop",
                                "paragraph and tab-stop formatting of text objects is not supported");
}

int16_t RpeGetNEmbeddedFields(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNEmbeddedFields",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeGetNthEmbeddedFieldInfo(int16_t printJob, RpeObjectHandle, int16_t, RpeEmbeddedFieldInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthEmbeddedFieldInfo",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeGetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle, int16_t, RpeObjectFormat *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthEmbeddedFieldFormat",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeSetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle, int16_t, RpeObjectFormat *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthEmbeddedFieldFormat",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeGetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle, int16_t, int16_t,
                                            RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthEmbeddedFieldFormatFormula",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeSetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle, int16_t, int16_t, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthEmbeddedFieldFormatFormula",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeDeleteNthEmbeddedField(int16_t printJob, RpeObjectHandle, int16_t)
{
    return unavailable<RpeBool>(printJob, 0, "RpeDeleteNthEmbeddedField",
                                "fields embedded in text objects are not supported");
}

RpeBool RpeGetPictureFormatInfo(int16_t printJob, RpeObjectHandle, RpePictureFormatInfo *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetPictureFormatInfo",
        "cropping and scaling of pictures is not supported; pictures keep their proportions in their box");
}

RpeBool RpeSetPictureFormatInfo(int16_t printJob, RpeObjectHandle, RpePictureFormatInfo *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetPictureFormatInfo",
        "cropping and scaling of pictures is not supported; pictures keep their proportions in their box");
}

int16_t RpeGetNSummariesInCrossTabObject(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNSummariesInCrossTabObject",
                                "cross-tab objects are not supported");
}

RpeBool RpeGetNthSummaryInfoInCrossTabObject(int16_t printJob, RpeObjectHandle, int16_t,
                                             RpeCrossTabSummaryInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthSummaryInfoInCrossTabObject",
                                "cross-tab objects are not supported");
}

int16_t RpeGetNGroupsInCrossTabObject(int16_t printJob, RpeObjectHandle, int16_t)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNGroupsInCrossTabObject",
                                "cross-tab objects are not supported");
}

RpeBool RpeGetNthCrossTabGroupOptions(int16_t printJob, RpeObjectHandle, int16_t, int16_t,
                                      RpeCrossTabGroupOptions *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthCrossTabGroupOptions",
                                "cross-tab objects are not supported");
}

RpeBool RpeGetCrossTabOptions(int16_t printJob, RpeObjectHandle, RpeCrossTabOptions *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetCrossTabOptions", "cross-tab objects are not supported");
}

RpeBool RpeGetObjectFormatFormula(int16_t printJob, RpeObjectHandle, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeGetObjectFormatFormula",
        "object format records and format formulas are not supported; formats are set in the report file");
}

RpeBool RpeSetObjectFormatFormula(int16_t printJob, RpeObjectHandle, int16_t, const char *)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetObjectFormatFormula",
        "object format records and format formulas are not supported; formats are set in the report file");
}

RpeBool RpeSetNthTableServerType(int16_t printJob, int16_t, RpeServerTypeInfo *, RpeBool)
{
    return unavailable<RpeBool>(
        printJob, 0, "RpeSetNthTableServerType",
        "changing a table's server type is not supported; the database alias decides the driver");
}

RpeBool RpeGetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t, RpeOlapLogOnInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthOLAPCubeLogOnInfo", "OLAP cubes are not supported");
}

RpeBool RpeSetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t, RpeOlapLogOnInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthOLAPCubeLogOnInfo", "OLAP cubes are not supported");
}

int16_t RpeGetObjectNHiliteConditions(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetObjectNHiliteConditions",
                                "highlighting conditions are not supported");
}

RpeBool RpeSetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle, int16_t, RpeHiliteConditionInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetObjectNthHiliteCondition",
                                "highlighting conditions are not supported");
}

RpeBool RpeGetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle, int16_t, RpeHiliteConditionInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetObjectNthHiliteCondition",
                                "highlighting conditions are not supported");
}

RpeBool RpeAddObjectHiliteCondition(int16_t printJob, RpeObjectHandle, RpeHiliteConditionInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeAddObjectHiliteCondition",
                                "highlighting conditions are not supported");
}

RpeBool RpeClearObjectHiliteConditions(int16_t printJob, RpeObjectHandle)
{
    return unavailable<RpeBool>(printJob, 0, "RpeClearObjectHiliteConditions",
                                "highlighting conditions are not supported");
}

RpeBool RpeGetRunningTotalInfo(int16_t printJob, const char *, RpeRunningTotalInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetRunningTotalInfo",
                                "running total fields are not supported; use summary fields");
}

RpeBool RpeGetRunningTotalConditionField(int16_t printJob, const char *, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetRunningTotalConditionField",
                                "running total fields are not supported; use summary fields");
}

RpeBool RpeGetRunningTotalConditionFormula(int16_t printJob, const char *, int16_t, RpeTextHandle *,
                                           int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetRunningTotalConditionFormula",
                                "running total fields are not supported; use summary fields");
}

RpeBool RpeGetRunningTotalSummaryField(int16_t printJob, const char *, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetRunningTotalSummaryField",
                                "running total fields are not supported; use summary fields");
}

RpeBool RpeGetMapDataInfo(int16_t printJob, RpeObjectHandle, RpeMapDataInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapDataInfo", "map objects are not supported");
}

RpeBool RpeSetMapDataInfo(int16_t printJob, RpeObjectHandle, RpeMapDataInfo *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapDataInfo", "map objects are not supported");
}

RpeBool RpeGetMapStyle(int16_t printJob, RpeObjectHandle, RpeMapStyle *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapStyle", "map objects are not supported");
}

RpeBool RpeSetMapStyle(int16_t printJob, RpeObjectHandle, RpeMapStyle *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapStyle", "map objects are not supported");
}

int16_t RpeGetNMapSummaryFields(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNMapSummaryFields", "map objects are not supported");
}

RpeBool RpeGetNthMapSummaryField(int16_t printJob, RpeObjectHandle, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthMapSummaryField", "map objects are not supported");
}

RpeBool RpeSetNthMapSummaryField(int16_t printJob, RpeObjectHandle, int16_t, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthMapSummaryField", "map objects are not supported");
}

int16_t RpeGetNMapConditionFields(int16_t printJob, RpeObjectHandle)
{
    return unavailable<int16_t>(printJob, -1, "RpeGetNMapConditionFields", "map objects are not supported");
}

RpeBool RpeGetNthMapConditionField(int16_t printJob, RpeObjectHandle, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthMapConditionField", "map objects are not supported");
}

RpeBool RpeSetNthMapConditionField(int16_t printJob, RpeObjectHandle, int16_t, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthMapConditionField", "map objects are not supported");
}

RpeBool RpeSetMapConditions(int16_t printJob, RpeObjectHandle, RpeMapCondition *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapConditions", "map objects are not supported");
}

RpeBool RpeGetMapConditions(int16_t printJob, RpeObjectHandle, RpeMapCondition *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapConditions", "map objects are not supported");
}

RpeBool RpeSetMapTitle(int16_t printJob, RpeObjectHandle, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapTitle", "map objects are not supported");
}

RpeBool RpeGetMapTitle(int16_t printJob, RpeObjectHandle, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapTitle", "map objects are not supported");
}

RpeBool RpeSetMapLegendTitle(int16_t printJob, RpeObjectHandle, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapLegendTitle", "map objects are not supported");
}

RpeBool RpeGetMapLegendTitle(int16_t printJob, RpeObjectHandle, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapLegendTitle", "map objects are not supported");
}

RpeBool RpeSetMapLegendSubtitle(int16_t printJob, RpeObjectHandle, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetMapLegendSubtitle", "map objects are not supported");
}

RpeBool RpeGetMapLegendSubtitle(int16_t printJob, RpeObjectHandle, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetMapLegendSubtitle", "map objects are not supported");
}

RpeBool RpeGetNthGroupNameFormula(int16_t printJob, int16_t, RpeTextHandle *, int16_t *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeGetNthGroupNameFormula",
                                "group name fields are not supported; print the group field itself");
}

RpeBool RpeSetNthGroupNameFormula(int16_t printJob, int16_t, const char *)
{
    return unavailable<RpeBool>(printJob, 0, "RpeSetNthGroupNameFormula",
                                "group name fields are not supported; print the group field itself");
}

} // extern "C"
