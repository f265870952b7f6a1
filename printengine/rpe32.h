/* rpe32: the report print engine's C interface.
 *
 * Conventions:
 *  - A print job is a 16-bit number; 0 means the call failed.
 *  - RpeBool results are nonzero on success.
 *  - Counts (RpeGetN...) are -1 on failure.
 *  - Text comes back as a text handle plus a length (see RpeTextHandle.h);
 *    the caller copies the text and frees the handle.
 *  - Every record starts with a 16-bit StructSize that the caller sets to the
 *    size this header gives (the sizes of engine version 8.5); a record of
 *    another size is refused.
 *  - After a failure, RpeGetErrorCode and RpeGetErrorText give the job's last
 *    failure; job 0 holds the engine's last failure of any job.
 * Records are packed (no padding), so their sizes are exact.
 */
#ifndef RPE32_H
#define RPE32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define RPE_API __attribute__((visibility("default")))

typedef int32_t RpeBool;
typedef void *RpeTextHandle;
typedef void *RpeWindowHandle;    /* the preview window (a QWidget *) */
typedef uint32_t RpeObjectHandle; /* a report object; 0 = none */

/* Engine version: RpeGetVersion(RPE_GV_DLL or RPE_GV_ENGINE) gives major in the high byte, minor in the low
 * byte. */
#define RPE_GV_DLL 100
#define RPE_GV_ENGINE 200
#define RPE_VERSION_MAJOR 8
#define RPE_VERSION_MINOR 5

/* Error codes. */
#define RPE_ERR_NONE 0
#define RPE_ERR_NO_MEMORY 500
#define RPE_ERR_BAD_JOB 501
#define RPE_ERR_BAD_ARGUMENT 502
#define RPE_ERR_BAD_STRUCT_SIZE 503
#define RPE_ERR_ENGINE_NOT_OPEN 504
#define RPE_ERR_CANCELLED 505
#define RPE_ERR_REPORT_FILE 506
#define RPE_ERR_FORMULA 507
#define RPE_ERR_DATABASE 508
#define RPE_ERR_NO_DESTINATION 509
#define RPE_ERR_BAD_INDEX 510
#define RPE_ERR_BAD_NAME 511
#define RPE_ERR_BAD_SECTION 512
#define RPE_ERR_BAD_VALUE 513
#define RPE_ERR_NOT_FOUND 515
#define RPE_ERR_JOB_BUSY 524
#define RPE_ERR_OUTPUT 530
#define RPE_ERR_PRINTER 531
#define RPE_ERR_EXPORT 532
#define RPE_ERR_NO_PRINTER 533
#define RPE_ERR_NOT_AVAILABLE 580
#define RPE_ERR_INTERNAL 999

/* Job status (RpeGetJobStatus result). */
#define RPE_JOB_NOT_STARTED 1
#define RPE_JOB_IN_PROGRESS 2
#define RPE_JOB_COMPLETED 3
#define RPE_JOB_FAILED 4
#define RPE_JOB_CANCELLED 5
#define RPE_JOB_HALTED 6

/* Section area types; a section code is area * 1000 + (group mod 25) + (section mod 40) * 25. */
#define RPE_AREA_REPORT_HEADER 1
#define RPE_AREA_PAGE_HEADER 2
#define RPE_AREA_GROUP_HEADER 3
#define RPE_AREA_DETAIL 4
#define RPE_AREA_GROUP_FOOTER 5
#define RPE_AREA_PAGE_FOOTER 7
#define RPE_AREA_REPORT_FOOTER 8

/* Object kinds (RpeObjectInfo.ObjectType) and field kinds (RpeFieldObjectInfo.FieldType). */
#define RPE_OBJ_FIELD 1
#define RPE_OBJ_TEXT 2
#define RPE_OBJ_LINE 3
#define RPE_OBJ_BOX 4
#define RPE_OBJ_SUBREPORT 5
#define RPE_OBJ_OLE 6
#define RPE_OBJ_GRAPH 7
#define RPE_OBJ_CROSSTAB 8
#define RPE_OBJ_PICTURE 9
#define RPE_OBJ_MAP 10
#define RPE_OBJ_OLAP 11
#define RPE_FIELD_DATABASE 1
#define RPE_FIELD_FORMULA 2
#define RPE_FIELD_SUMMARY 3
#define RPE_FIELD_SPECIAL 4
#define RPE_FIELD_GROUPNAME 5
#define RPE_FIELD_PARAMETER 6
#define RPE_FIELD_SQLEXPRESSION 7
#define RPE_FIELD_RUNNINGTOTAL 8

/* Value types of RpeValueInfo and parameter fields. */
#define RPE_VI_NUMBER 0
#define RPE_VI_CURRENCY 1
#define RPE_VI_BOOLEAN 2
#define RPE_VI_DATE 3
#define RPE_VI_STRING 4
#define RPE_VI_DATETIME 5
#define RPE_VI_TIME 6
#define RPE_VI_INTEGER 7
#define RPE_VI_COLOR 8
#define RPE_VI_CHAR 9
#define RPE_VI_LONG 10
#define RPE_VI_NOVALUE 100

/* Range bounds of RpeAddParameterCurrentRange. */
#define RPE_RANGE_INCLUDE_START_AND_END 0
#define RPE_RANGE_INCLUDE_START_ONLY 1
#define RPE_RANGE_INCLUDE_END_ONLY 2
#define RPE_RANGE_EXCLUDE_START_AND_END 3

/* Parameter value kinds (RpeParameterValueInfo.ValueKind). */
#define RPE_PV_RANGE 0
#define RPE_PV_DISCRETE 1
#define RPE_PV_DISCRETE_AND_RANGE 2

/* Section format formula names (RpeGetSectionFormatFormula). */
#define RPE_FFN_SUPPRESS 0

/* Summary kinds. */
#define RPE_ST_SUM 0
#define RPE_ST_AVERAGE 1
#define RPE_ST_MAXIMUM 4
#define RPE_ST_MINIMUM 5
#define RPE_ST_COUNT 6

/* Sort directions. */
#define RPE_SF_ASCENDING 0
#define RPE_SF_DESCENDING 1

/* Window style bits of RpeOutputToWindow. */
#define RPE_WS_MAXIMIZEBOX 0x00010000u
#define RPE_WS_MINIMIZEBOX 0x00020000u
#define RPE_WS_THICKFRAME 0x00040000u
#define RPE_WS_SYSMENU 0x00080000u
#define RPE_WS_CAPTION 0x00C00000u
#define RPE_WS_MAXIMIZE 0x01000000u
#define RPE_WS_CLIPCHILDREN 0x02000000u
#define RPE_WS_CLIPSIBLINGS 0x04000000u
#define RPE_WS_DISABLED 0x08000000u
#define RPE_WS_VISIBLE 0x10000000u
#define RPE_WS_MINIMIZE 0x20000000u
/* A window size or position of RPE_DEFAULT (or any negative value) lets the engine choose. */
#define RPE_DEFAULT ((int32_t)0x80000000)

/* Zoom levels of RpeZoomPreviewWindow below 25 (25 to 400 are percent). */
#define RPE_ZOOM_FULL_SIZE 0
#define RPE_ZOOM_SIZE_FIT_ONE_SIDE 1
#define RPE_ZOOM_SIZE_FIT_BOTH_SIDES 2

/* Export: RpeExportOptions.FormatDLLName / FormatType and DestinationDLLName / DestinationType. */
#define RPE_EXPORT_FORMAT_SIZE 56

/* Events (RpeSetEventCallback). */
#define RPE_EVENT_CLOSE_WINDOW 1
#define RPE_EVENT_ACTIVATE_WINDOW 2
#define RPE_EVENT_DEACTIVATE_WINDOW 3
#define RPE_EVENT_PRINT_BUTTON 4
#define RPE_EVENT_EXPORT_BUTTON 5
#define RPE_EVENT_ZOOM_LEVEL_CHANGE 6
#define RPE_EVENT_FIRST_PAGE_BUTTON 7
#define RPE_EVENT_PREVIOUS_PAGE_BUTTON 8
#define RPE_EVENT_NEXT_PAGE_BUTTON 9
#define RPE_EVENT_LAST_PAGE_BUTTON 10
#define RPE_EVENT_CANCEL_BUTTON 11
#define RPE_EVENT_CLOSE_BUTTON 12
#define RPE_EVENT_SEARCH_BUTTON 13
#define RPE_EVENT_GROUP_TREE_BUTTON 14
#define RPE_EVENT_PRINT_SETUP_BUTTON 15
#define RPE_EVENT_REFRESH_BUTTON 16
#define RPE_EVENT_SHOW_GROUP 17
#define RPE_EVENT_DRILL_ON_GROUP 18
#define RPE_EVENT_DRILL_ON_DETAIL 19
#define RPE_EVENT_READING_RECORDS 20
#define RPE_EVENT_START 21
#define RPE_EVENT_STOP 22
#define RPE_EVENT_RIGHT_CLICK 24
#define RPE_EVENT_LEFT_CLICK 25
#define RPE_EVENT_MIDDLE_CLICK 26
#define RPE_EVENT_DRILL_ON_HYPERLINK 27
#define RPE_EVENT_LAUNCH_ANALYSIS 28

/* Event destinations (RpeStartEventInfo, RpeStopEventInfo). */
#define RPE_TO_NOWHERE 0
#define RPE_TO_WINDOW 1
#define RPE_TO_PRINTER 2
#define RPE_TO_EXPORT 3
#define RPE_FROM_QUERY 4

#pragma pack(push, 1)

typedef struct RpeJobInfo
{
    uint16_t StructSize; /* 24 */
    uint32_t NumRecordsRead;
    uint32_t NumRecordsSelected;
    uint32_t NumRecordsPrinted;
    uint16_t DisplayPageN;
    uint16_t LatestPageN;
    uint16_t StartPageN;
    uint16_t PrintEnded;
    uint16_t Reserved;
} RpeJobInfo;

typedef struct RpeReportVersionInfo
{
    uint16_t StructSize; /* 7 */
    uint16_t Major;
    uint16_t Minor;
    char Letter;
} RpeReportVersionInfo;

typedef struct RpeReportOptions
{
    uint16_t StructSize; /* 42 */
    int16_t SaveDataWithReport;
    int16_t SaveSummariesWithReport;
    int16_t UseIndexForSpeed;
    int16_t TranslateDOSStrings;
    int16_t TranslateDOSMemos;
    int16_t ConvertDateTimeType;
    int16_t ConvertNullFieldToDefault;
    int16_t PrintEngineErrorMessages;
    int16_t CaseInsensitiveSQLData;
    int16_t VerifyOnEveryPrint;
    int16_t CreateGroupTree;
    int16_t NoDataForHiddenObjects;
    int16_t PerformGroupingOnServer;
    int16_t ZoomMode;
    int16_t AsyncQuery;
    int16_t PromptMode;
    int16_t SelectDistinctRecords;
    int16_t AlwaysSortLocally;
    int16_t IsReadOnly;
    int16_t CanSelectDistinctRecords;
} RpeReportOptions;

typedef struct RpeSubreportInfo
{
    uint16_t StructSize; /* 138 */
    char Name[128];
    int16_t NLinks;
    int16_t OnDemand;
    int16_t IsExternal;
    int16_t ReImportOption;
} RpeSubreportInfo;

typedef struct RpeGroupOptions
{
    uint16_t StructSize; /* 2586 */
    int16_t Condition;
    char FieldName[1024];
    int16_t SortDirection;
    int16_t RepeatGroupHeader;
    int16_t KeepGroupTogether;
    int16_t TopOrBottomNGroups;
    char TopOrBottomNSortFieldName[1024];
    int16_t NTopOrBottomGroups;
    int16_t DiscardOtherGroups;
    int16_t Reserved;
    int16_t HierarchicalSorting;
    char InstanceIDField[256];
    char ParentIDField[256];
    int32_t GroupIndent;
    int16_t Reserved2;
} RpeGroupOptions;

typedef struct RpeSectionOptions
{
    uint16_t StructSize; /* 28 */
    int16_t Visible;
    int16_t NewPageBefore;
    int16_t NewPageAfter;
    int16_t KeepTogether;
    int16_t SuppressBlankSection;
    int16_t ResetPageNAfter;
    int16_t PrintAtBottomOfPage;
    uint32_t BackgroundColor; /* 0x00bbggrr */
    int16_t UnderlaySection;
    int16_t ShowArea;
    int16_t FreeFormPlacement;
    int16_t ReserveMinimumPageFooter;
} RpeSectionOptions;

typedef struct RpeFontColorInfo
{
    uint16_t StructSize; /* 88 */
    char FaceName[64];
    int16_t FontFamily;
    int16_t FontPitch;
    int16_t CharSet;
    int16_t PointSize;
    int16_t IsItalic;
    int16_t IsUnderlined;
    int16_t IsStruckOut;
    int16_t Weight;
    uint32_t Color;
    int16_t TwipSize;
} RpeFontColorInfo;

typedef struct RpeGraphTypeInfo
{
    uint16_t StructSize; /* 6 */
    int16_t GraphType;
    int16_t GraphSubtype;
} RpeGraphTypeInfo;

typedef struct RpeGraphText
{
    uint16_t StructSize; /* 1026 */
    char Title[256];
    char Subtitle[256];
    char Footnote[256];
    char GroupsTitle[128];
    char SeriesTitle[128];
} RpeGraphText;

typedef struct RpeGraphOptions
{
    uint16_t StructSize; /* 162 */
    uint8_t Reserved[160];
} RpeGraphOptions;

typedef struct RpeGraphOptionInfo
{
    uint16_t StructSize; /* 28 */
    uint8_t Reserved[26];
} RpeGraphOptionInfo;

typedef struct RpeGraphDataInfo
{
    uint16_t StructSize; /* 10 */
    int16_t RowGroupN;
    int16_t ColGroupN;
    int16_t SummarizedFieldN;
    int16_t GraphDirection;
} RpeGraphDataInfo;

typedef struct RpeGraphAxisInfo
{
    uint16_t StructSize; /* 94 */
    uint8_t Reserved[92];
} RpeGraphAxisInfo;

typedef struct RpeParamInfo
{
    uint16_t StructSize; /* 132 */
    char Name[128];
    int16_t Type;
} RpeParamInfo;

/* A parameter field. DefaultValue and CurrentValue hold the value in the
 * engine's text form (dates "yyyy,mm,dd", booleans True/False), which
 * RpeConvertPFInfoToVInfo turns into an RpeValueInfo. */
typedef struct RpeParameterFieldInfo
{
    uint16_t StructSize; /* 1438 */
    uint16_t ValueType;
    uint16_t DefaultValueSet;
    uint16_t CurrentValueSet;
    char Name[256];
    char Prompt[256];
    char DefaultValue[256];
    char CurrentValue[256];
    char ReportName[128];
    uint16_t NeedsCurrentValue;
    uint16_t IsLinked;
    char EditMask[256];
    uint16_t IsLimited;
    double MinSize;
    double MaxSize;
} RpeParameterFieldInfo;

typedef struct RpeValueInfo
{
    uint16_t StructSize; /* 316 */
    uint16_t ValueType;
    double Number;
    double Currency;
    int32_t Boolean; /* true = -1 */
    int16_t Date[3]; /* year, month, day */
    char String[256];
    int16_t DateTime[6]; /* year, month, day, hour, minute, second */
    int16_t Time[3];
    int16_t Integer;
    uint32_t Color;
    char Char;
    int32_t Long;
    uint8_t IsNull;
} RpeValueInfo;

typedef struct RpeParameterPickListOption
{
    uint16_t StructSize; /* 8 */
    int16_t ShowDescriptionOnly;
    int16_t SortMethod;
    int16_t SortBasedOnDescription;
} RpeParameterPickListOption;

typedef struct RpeParameterValueInfo
{
    uint16_t StructSize; /* 16 */
    int16_t AllowNull;
    int16_t AllowEditing;
    int16_t AllowMultipleValues;
    int16_t ValueKind; /* RPE_PV_... */
    int16_t PartOfGroup;
    int16_t GroupNum;
    int16_t MutuallyExclusiveGroup;
} RpeParameterValueInfo;

typedef struct RpeTableType
{
    uint16_t StructSize; /* 324 */
    char DLLName[64];
    char DescriptiveName[256];
    int16_t DBType; /* 1 standard, 2 SQL, 3 stored procedure */
} RpeTableType;

typedef struct RpeSessionInfo
{
    uint16_t StructSize; /* 262 */
    char UserID[128];
    char Password[128];
    uint32_t SessionHandle;
} RpeSessionInfo;

typedef struct RpeLogOnInfo
{
    uint16_t StructSize; /* 514 */
    char ServerName[128];
    char DatabaseName[128];
    char UserID[128];
    char Password[128];
} RpeLogOnInfo;

typedef struct RpeTableLocation
{
    uint16_t StructSize; /* 1026 */
    char Location[256];
    char SubLocation[256];
    char ConnectBuffer[512];
} RpeTableLocation;

typedef struct RpeTablePrivateInfo
{
    uint16_t StructSize; /* 12 */
    uint16_t NBytes;
    uint16_t Tag;
    uint16_t Reserved;
    uint32_t Handle;
} RpeTablePrivateInfo;

typedef struct RpePrintOptions
{
    uint16_t StructSize; /* 522 */
    uint16_t StartPageN;
    uint16_t StopPageN;
    uint16_t NReportCopies;
    uint16_t Collation; /* 1 collated, 0 not */
    char OutputFileName[512];
} RpePrintOptions;

/* The printer settings the engine applies (orientation 1 portrait, 2
 * landscape; paper sizes as QPageSize ids; lengths in tenths of a mm). */
#define RPE_DM_ORIENTATION 0x0001u
#define RPE_DM_PAPERSIZE 0x0002u
#define RPE_DM_PAPERLENGTH 0x0004u
#define RPE_DM_PAPERWIDTH 0x0008u
#define RPE_DM_COPIES 0x0100u
#define RPE_DM_DEFAULTSOURCE 0x0200u
#define RPE_DM_DUPLEX 0x1000u
#define RPE_DM_COLLATE 0x8000u
/* The printer RpeGetSelectedPrinter reports for a job that prints to a file
 * (RpePrintOptions.OutputFileName) when no printer is installed; RpeSelectPrinter
 * accepts it like an installed one. */
#define RPE_FILE_PRINTER_NAME "Print to File"
typedef struct RpeDeviceMode
{
    uint16_t StructSize; /* 22 */
    uint32_t Fields;     /* RPE_DM_... bits of the values that are set */
    int16_t Orientation;
    int16_t PaperSize;
    int16_t PaperLength;
    int16_t PaperWidth;
    int16_t Copies;
    int16_t DefaultSource;
    int16_t Duplex;
    int16_t Collate;
} RpeDeviceMode;

/* Export: the format and destination names and types, and their option
 * records (see docs/print-engine.md for the names and option layouts). */
typedef struct RpeExportOptions
{
    uint16_t StructSize; /* 150 */
    char FormatDLLName[RPE_EXPORT_FORMAT_SIZE];
    uint32_t FormatType;
    uint16_t NFormatOptionsBytes;
    char DestinationDLLName[RPE_EXPORT_FORMAT_SIZE];
    uint32_t DestinationType;
    uint16_t NDestinationOptionsBytes;
    uint16_t Reserved;
    void *FormatOptions;
    void *DestinationOptions;
    uint8_t Reserved2[6];
} RpeExportOptions;

/* Format options. Booleans are -1 for true and 0 for false. */
typedef struct RpeCharSepOptions
{ /* records, separated values, DIF: 10; character-separated: 15 */
    uint16_t StructSize;
    int32_t UseReportNumberFormat;
    int32_t UseReportDateFormat;
    char StringDelimiter;
    char FieldSeparator[4];
} RpeCharSepOptions;

typedef struct RpePageRangeOptions
{ /* PDF and RTF: 12 */
    uint16_t StructSize;
    int32_t UsePageRange;
    uint16_t FirstPageNo;
    uint16_t LastPageNo;
    uint16_t Reserved;
} RpePageRangeOptions;

typedef struct RpeFileNameOptions
{ /* HTML 3.x and 3.2: 10 */
    uint16_t StructSize;
    const char *FileName; /* unaligned on purpose; read with memcpy */
} RpeFileNameOptions;

typedef struct RpeHtmlOptions
{ /* HTML 4: 14 */
    uint16_t StructSize;
    const char *FileName;
    int16_t PageNavigator;
    int16_t SeparatePages;
} RpeHtmlOptions;

typedef struct RpeXmlOptions
{ /* 14 */
    uint16_t StructSize;
    const char *FileName;
    int16_t SeparatePages;
    int16_t Reserved;
} RpeXmlOptions;

typedef struct RpePaginatedTextOptions
{ /* 4 */
    uint16_t StructSize;
    uint16_t LinesPerPage;
} RpePaginatedTextOptions;

typedef struct RpeExcelOptions
{ /* 30 (4 with column headings only) */
    uint16_t StructSize;
    int16_t ColumnHeadings;
    int16_t UseConstantColumnWidth;
    double ColumnWidth;
    int16_t BaseAreaType;
    int16_t BaseAreaGroupNum;
    int16_t TabularFormat;
    int16_t WorksheetFunctions;
    uint8_t Reserved[8];
} RpeExcelOptions;

typedef struct RpeDiskOptions
{ /* file and application destinations: 10 */
    uint16_t StructSize;
    const char *FileName;
} RpeDiskOptions;

typedef struct RpeMailOptions
{ /* mail destinations: 34 (42 with a blind-copy list) */
    uint16_t StructSize;
    const char *ToList;
    const char *CCList;
    const char *Subject;
    const char *Message;
    const char *BCCList;
} RpeMailOptions;

/* The options of the formats and destinations the engine does not have; their
 * layouts are published so that a caller can build them all the same. */
typedef struct RpeOdbcOptions
{ /* 34 */
    uint16_t StructSize;
    const char *DataSource;
    const char *UserID;
    const char *Password;
    const char *TableName;
} RpeOdbcOptions;

typedef struct RpeExchangeOptions
{ /* 28 */
    uint16_t StructSize;
    const char *Profile;
    const char *Password;
    const char *Folder;
    uint16_t ItemType; /* 1011 */
} RpeExchangeOptions;

typedef struct RpeNotesOptions
{ /* 26 */
    uint16_t StructSize;
    const char *DatabaseName;
    const char *FormName;
    const char *Comments;
} RpeNotesOptions;

typedef struct RpeReportSummaryInfo
{
    uint16_t StructSize; /* 1284 */
    char ApplicationName[128];
    char Title[128];
    char Subject[128];
    char Author[128];
    char Keywords[128];
    char Comments[512];
    char ReportTemplate[128];
    int16_t SavePreviewPicture;
} RpeReportSummaryInfo;

typedef struct RpeWindowOptions
{
    uint16_t StructSize; /* 32 */
    int16_t HasGroupTree;
    int16_t CanDrillDown;
    int16_t HasNavigationControls;
    int16_t HasCancelButton;
    int16_t HasPrintButton;
    int16_t HasExportButton;
    int16_t HasZoomControl;
    int16_t HasCloseButton;
    int16_t HasProgressControls;
    int16_t HasSearchButton;
    int16_t HasPrintSetupButton;
    int16_t HasRefreshButton;
    int16_t ShowToolbarTips;
    int16_t ShowDocumentTips;
    int16_t HasLaunchButton;
} RpeWindowOptions;

typedef struct RpeEnableEventInfo
{
    uint16_t StructSize; /* 22 */
    int16_t CloseWindowEvent;
    int16_t ActivateWindowEvent;
    int16_t StartStopEvent;
    int16_t WindowButtonEvent;
    int16_t DrillEvent;
    int16_t ReadingRecordEvent;
    int16_t MouseClickEvent;
    int16_t HyperlinkEvent;
    int16_t LaunchAnalysisEvent;
    int16_t FieldMappingEvent;
} RpeEnableEventInfo;

/* Event records. The window is named by its print job; RpeGetWindowHandle
 * of that job gives the window itself. */
typedef struct RpeGeneralEventInfo
{ /* 8: window events 1-12, 14-16 */
    uint16_t StructSize;
    int16_t Param; /* zoom level (6), view index (12), group tree visible (14) */
    uint16_t WindowJob;
    uint16_t Reserved;
} RpeGeneralEventInfo;

typedef struct RpeSearchEventInfo
{ /* 134 */
    uint16_t StructSize;
    uint16_t WindowJob;
    char SearchString[128];
    uint16_t Reserved;
} RpeSearchEventInfo;

typedef struct RpeReadingRecordsEventInfo
{ /* 14 */
    uint16_t StructSize;
    int16_t Cancelled;
    uint32_t RecordsRead;
    uint32_t RecordsSelected;
    int16_t Done;
} RpeReadingRecordsEventInfo;

typedef struct RpeStartEventInfo
{ /* 4 */
    uint16_t StructSize;
    int16_t Destination; /* RPE_TO_... */
} RpeStartEventInfo;

typedef struct RpeStopEventInfo
{ /* 6 */
    uint16_t StructSize;
    int16_t Destination;
    int16_t JobStatus; /* RPE_JOB_... */
} RpeStopEventInfo;

/* Drill kinds of RpeGroupEventInfo.DrillType. */
#define RPE_DRILL_ON_GROUP 0
#define RPE_DRILL_ON_GROUP_TREE 1
#define RPE_DRILL_ON_GRAPH 2
#define RPE_DRILL_ON_MAP 3
#define RPE_DRILL_ON_SUBREPORT 4

/* Mouse buttons and key flags of RpeMouseClickEventInfo. */
#define RPE_MOUSE_LEFT_BUTTON 1
#define RPE_MOUSE_RIGHT_BUTTON 2
#define RPE_MOUSE_MIDDLE_BUTTON 4
#define RPE_MOUSE_SHIFT_KEY 1
#define RPE_MOUSE_CONTROL_KEY 2

/* Records that carry lists point at the engine's own memory, valid for the
 * duration of the callback only; their size therefore follows the pointer
 * width. */
typedef struct RpeGroupEventInfo
{ /* 17 show group, 18 drill on group */
    uint16_t StructSize;
    uint16_t WindowJob;
    int16_t GroupLevel;
    int16_t DrillType;            /* RPE_DRILL_ON_... (18 only) */
    const char *const *GroupList; /* GroupLevel names, outermost first */
} RpeGroupEventInfo;

typedef struct RpeDrillDetailEventInfo
{ /* 19 */
    uint16_t StructSize;
    uint16_t WindowJob;
    int16_t SelectedFieldIndex;
    int16_t NFields;
    const char *const *FieldNames;
    const RpeValueInfo *FieldValues;
} RpeDrillDetailEventInfo;

typedef struct RpeMouseClickEventInfo
{ /* 24 right, 25 left, 26 middle click; 344 */
    uint16_t StructSize;
    uint16_t WindowJob;
    int16_t Button;   /* RPE_MOUSE_..._BUTTON */
    int16_t KeyFlags; /* RPE_MOUSE_SHIFT_KEY | RPE_MOUSE_CONTROL_KEY */
    int32_t X;
    int32_t Y;
    RpeValueInfo FieldValue;
    int16_t FieldType; /* RPE_VI_... */
    int16_t SectionCode;
    uint32_t ObjectHandle;
    uint32_t Reserved;
} RpeMouseClickEventInfo;

typedef struct RpeTextEventInfo
{ /* 27 hyperlink text, 28 analysis file path */
    uint16_t StructSize;
    uint16_t WindowJob;
    uint32_t Reserved; /* keeps the pointer on its natural boundary */
    const char *Text;
} RpeTextEventInfo;

/* The callback returns nonzero to let the engine carry on, 0 to cancel the action. */
typedef RpeBool (*RpeEventCallback)(int16_t eventID, void *param, void *userData);

typedef struct RpeTrackCursorInfo
{
    uint16_t StructSize; /* 36 */
    int32_t GroupAreaCursor;
    int32_t GroupAreaFieldCursor;
    int32_t DetailAreaCursor;
    int32_t DetailAreaFieldCursor;
    int32_t GraphCursor;
    uint8_t Reserved[10];
    int16_t OnDemandSubreportCursor;
    int16_t HyperlinkCursor;
} RpeTrackCursorInfo;

typedef struct RpeObjectFormat
{
    uint16_t StructSize; /* 316 */
    uint8_t Reserved[314];
} RpeObjectFormat;

typedef struct RpeObjectInfo
{
    uint16_t StructSize; /* 22 */
    int16_t ObjectType;  /* RPE_OBJ_... */
    int32_t XOffset;     /* twips from the section's left */
    int32_t YOffset;     /* twips from the section's top */
    int32_t Width;
    int32_t Height;
    int16_t SectionCode;
} RpeObjectInfo;

typedef struct RpeOleObjectInfo
{
    uint16_t StructSize; /* 262 */
    uint8_t Reserved[260];
} RpeOleObjectInfo;

typedef struct RpeFieldObjectInfo
{
    uint16_t StructSize; /* 520 */
    char FieldName[512]; /* in braces: {TABLE.FIELD}, {@formula}, {?parameter} */
    int16_t ValueType;   /* RPE_VI_..., 22 unknown */
    int16_t NBytes;
    int16_t FieldType; /* RPE_FIELD_... */
} RpeFieldObjectInfo;

typedef struct RpeParagraphInfo
{
    uint16_t StructSize; /* 24 */
    uint8_t Reserved[22];
} RpeParagraphInfo;

typedef struct RpeTabStopInfo
{
    uint16_t StructSize; /* 8 */
    int16_t Alignment;
    int32_t XOffset;
} RpeTabStopInfo;

typedef struct RpeEmbeddedFieldInfo
{
    uint16_t StructSize; /* 524 */
    uint8_t Reserved[522];
} RpeEmbeddedFieldInfo;

typedef struct RpeSubreportLinkInfo
{
    uint16_t StructSize; /* 1538 */
    char MainReportFieldName[512];
    char SubreportFieldName[512];
    char ParameterFieldName[512];
} RpeSubreportLinkInfo;

typedef struct RpeLineObjectInfo
{
    uint16_t StructSize; /* 34 */
    int16_t LineStyle;
    int32_t LineWidth; /* twips */
    uint32_t LineColor;
    int32_t LeftX;
    int32_t TopY;
    int32_t RightX;
    int32_t BottomY;
    int16_t TopSectionCode;
    int16_t BottomSectionCode;
    int16_t ExpandToNextSection;
} RpeLineObjectInfo;

typedef struct RpeBoxObjectInfo
{
    uint16_t StructSize; /* 50 */
    int16_t LineStyle;
    int32_t LineWidth;
    uint32_t LineColor;
    uint32_t FillColor; /* 0xffffffff = none */
    int16_t IsRoundedCorner;
    int32_t CornerRoundingHeight;
    int32_t CornerRoundingWidth;
    int32_t LeftX;
    int32_t TopY;
    int32_t RightX;
    int32_t BottomY;
    int16_t TopSectionCode;
    int16_t BottomSectionCode;
    int16_t ExtendToBottomOfSection;
    int16_t DropShadow;
} RpeBoxObjectInfo;

typedef struct RpePictureFormatInfo
{
    uint16_t StructSize; /* 36 */
    int32_t RightCropping;
    int32_t LeftCropping;
    int32_t BottomCropping;
    int32_t TopCropping;
    double XScaling;
    double YScaling;
    int16_t CanGrow;
} RpePictureFormatInfo;

typedef struct RpeCrossTabSummaryInfo
{
    uint16_t StructSize; /* 1038 */
    uint8_t Reserved[1036];
} RpeCrossTabSummaryInfo;

typedef struct RpeCrossTabGroupOptions
{
    uint16_t StructSize; /* 528 */
    uint8_t Reserved[526];
} RpeCrossTabGroupOptions;

typedef struct RpeCrossTabOptions
{
    uint16_t StructSize; /* 26 */
    uint8_t Reserved[24];
} RpeCrossTabOptions;

typedef struct RpeServerTypeInfo
{
    uint16_t StructSize; /* 132 */
    char DLLName[64];
    char ServerType[64];
    int16_t DBType;
} RpeServerTypeInfo;

typedef struct RpeDatabaseFieldInfo
{
    uint16_t StructSize; /* 262 */
    char FieldName[256];
    int16_t ValueType;
    int16_t NBytes;
} RpeDatabaseFieldInfo;

typedef struct RpeSummaryFieldInfo
{
    uint16_t StructSize; /* 1546 */
    char SummarizedField[512];
    int16_t SummaryType; /* RPE_ST_... */
    int16_t SummaryParameter;
    char SecondSummarizedField[512];
    int16_t HeaderAreaCode;
    int16_t FooterAreaCode;
    char FieldName[512];
} RpeSummaryFieldInfo;

typedef struct RpeOlapLogOnInfo
{
    uint16_t StructSize; /* 1666 */
    uint8_t Reserved[1664];
} RpeOlapLogOnInfo;

typedef struct RpeHiliteConditionInfo
{
    uint16_t StructSize; /* 32 */
    uint8_t Reserved[30];
} RpeHiliteConditionInfo;

typedef struct RpeRunningTotalInfo
{
    uint16_t StructSize; /* 14 */
    uint8_t Reserved[12];
} RpeRunningTotalInfo;

typedef struct RpeMapDataInfo
{
    uint16_t StructSize; /* 8 */
    uint8_t Reserved[6];
} RpeMapDataInfo;

typedef struct RpeMapStyle
{
    uint16_t StructSize; /* 24 */
    uint8_t Reserved[22];
} RpeMapStyle;

typedef struct RpeMapCondition
{
    uint16_t StructSize; /* 6 */
    uint8_t Reserved[4];
} RpeMapCondition;

#define RPE_FORMULA_SYNTAX_NATIVE 0
typedef struct RpeFormulaSyntax
{
    uint16_t StructSize;      /* 6 */
    int16_t FormulaSyntax[2]; /* report formulas, format formulas */
} RpeFormulaSyntax;

typedef struct RpeGlobalOptions
{
    uint16_t StructSize; /* 8 */
    int16_t MorePrintEngineErrorMessages;
    int16_t MatchLogOnInfo;
    int16_t UseDefaultTextHandling;
} RpeGlobalOptions;

/* The library's version resource: a loader reads it through
 * RpeGetVersionResource, or from the file itself (docs/print-engine.md). */
typedef struct RpeVersionResource
{
    uint16_t StructSize; /* 266 */
    uint16_t Major;
    uint16_t Minor;
    uint16_t Release;
    uint16_t Build;
    char FileVersion[32]; /* "8.5.0.217" */
    char ProductName[64];
    char FileDescription[128];
    char CompanyName[32];
} RpeVersionResource;

#pragma pack(pop)

RPE_API const RpeVersionResource *RpeGetVersionResource(void);

/* Replaceable hand-overs: the application destination opens the exported
 * file with this hook (default: the desktop's application for the file);
 * the mail destinations hand the file to this hook (default: xdg-email).
 * Lists are separated by ';'. A null hook restores the default. */
typedef RpeBool (*RpeOpenFileHook)(const char *fileName, void *userData);
typedef RpeBool (*RpeMailHook)(const char *toList, const char *ccList, const char *bccList,
                               const char *subject, const char *message, const char *attachment,
                               void *userData);
RPE_API RpeBool RpeSetOpenFileHook(RpeOpenFileHook hook, void *userData);
RPE_API RpeBool RpeSetMailHook(RpeMailHook hook, void *userData);

/* Entry points. */
RPE_API RpeBool RpeOpenEngine(void);
RPE_API RpeBool RpeCloseEngine(void);
RPE_API int16_t RpeOpenPrintJob(const char *reportFilePath);
RPE_API RpeBool RpeClosePrintJob(int16_t printJob);
RPE_API RpeBool RpeStartPrintJob(int16_t printJob, RpeBool waitUntilDone);
RPE_API RpeBool RpeIsPrintJobFinished(int16_t printJob);
RPE_API int32_t RpeGetJobStatus(int16_t printJob, RpeJobInfo *jobInfo);
RPE_API int16_t RpeGetVersion(int16_t versionRequested);
RPE_API int16_t RpeGetErrorCode(int16_t printJob);
RPE_API RpeBool RpeGetErrorText(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeGetReportVersion(int16_t printJob, RpeReportVersionInfo *version);
RPE_API RpeBool RpeGetReportOptions(int16_t printJob, RpeReportOptions *options);
RPE_API RpeBool RpeSetReportOptions(int16_t printJob, RpeReportOptions *options);
RPE_API int16_t RpeOpenSubreport(int16_t parentJob, const char *subreportName);
RPE_API RpeBool RpeCloseSubreport(int16_t printJob);
RPE_API int16_t RpeGetNSubreportsInSection(int16_t printJob, int16_t sectionCode);
RPE_API RpeObjectHandle RpeGetNthSubreportInSection(int16_t printJob, int16_t sectionCode,
                                                    int16_t subreportN);
RPE_API RpeBool RpeGetSubreportInfo(int16_t printJob, RpeObjectHandle subreportHandle,
                                    RpeSubreportInfo *info);
RPE_API RpeBool RpeSetDialogParentWindow(int16_t printJob, RpeWindowHandle parentWindow);
RPE_API RpeBool RpeEnableProgressDialog(int16_t printJob, RpeBool enable);
RPE_API RpeBool RpeGetAllowPromptDialog(int16_t printJob);
RPE_API RpeBool RpeSetAllowPromptDialog(int16_t printJob, RpeBool allow);
RPE_API RpeBool RpeGetPrintDate(int16_t printJob, int16_t *year, int16_t *month, int16_t *day);
RPE_API RpeBool RpeSetPrintDate(int16_t printJob, int16_t year, int16_t month, int16_t day);
RPE_API int16_t RpeGetNGroups(int16_t printJob);
RPE_API RpeBool RpeGetGroupCondition(int16_t printJob, int16_t sectionCode, RpeTextHandle *conditionField,
                                     int16_t *conditionFieldLength, int16_t *condition,
                                     int16_t *sortDirection);
RPE_API RpeBool RpeSetGroupCondition(int16_t printJob, int16_t sectionCode, const char *conditionField,
                                     int16_t condition, int16_t sortDirection);
RPE_API RpeBool RpeGetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options);
RPE_API RpeBool RpeSetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options);
RPE_API int16_t RpeGetNSections(int16_t printJob);
RPE_API int16_t RpeGetSectionCode(int16_t printJob, int16_t sectionN);
RPE_API RpeBool RpeGetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height);
RPE_API RpeBool RpeSetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height);
RPE_API RpeBool RpeGetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height);
RPE_API RpeBool RpeSetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height);
RPE_API RpeBool RpeGetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options);
RPE_API RpeBool RpeSetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options);
RPE_API RpeBool RpeGetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options);
RPE_API RpeBool RpeSetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options);
RPE_API RpeBool RpeSetFont(int16_t printJob, int16_t sectionCode, int16_t scopeCode, const char *faceName,
                           int16_t fontFamily, int16_t fontPitch, int16_t charSet, int16_t pointSize,
                           int16_t isItalic, int16_t isUnderlined, int16_t isStruckOut, int16_t weight);
RPE_API RpeBool RpeGetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType);
RPE_API RpeBool RpeSetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType);
RPE_API RpeBool RpeGetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                    RpeGraphTypeInfo *info);
RPE_API RpeBool RpeSetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                    RpeGraphTypeInfo *info);
RPE_API RpeBool RpeGetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text);
RPE_API RpeBool RpeSetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text);
RPE_API RpeBool RpeGetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                                    RpeTextHandle *title, int16_t *titleLength);
RPE_API RpeBool RpeSetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                                    const char *title);
RPE_API RpeBool RpeGetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                                    RpeFontColorInfo *font);
RPE_API RpeBool RpeSetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                                    RpeFontColorInfo *font);
RPE_API RpeBool RpeGetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN,
                                   RpeGraphOptions *options);
RPE_API RpeBool RpeSetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN,
                                   RpeGraphOptions *options);
RPE_API RpeBool RpeGetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                      RpeGraphOptionInfo *info);
RPE_API RpeBool RpeSetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                      RpeGraphOptionInfo *info);
RPE_API RpeBool RpeGetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data);
RPE_API RpeBool RpeSetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data);
RPE_API RpeBool RpeGetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                    RpeGraphAxisInfo *axis);
RPE_API RpeBool RpeSetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN,
                                    RpeGraphAxisInfo *axis);
RPE_API int16_t RpeGetNFormulas(int16_t printJob);
RPE_API RpeBool RpeGetNthFormula(int16_t printJob, int16_t formulaN, RpeTextHandle *nameHandle,
                                 int16_t *nameLength, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeGetFormula(int16_t printJob, const char *formulaName, RpeTextHandle *textHandle,
                              int16_t *textLength);
RPE_API RpeBool RpeSetFormula(int16_t printJob, const char *formulaName, const char *formulaText);
RPE_API RpeBool RpeGetSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetSelectionFormula(int16_t printJob, const char *formulaText);
RPE_API RpeBool RpeGetGroupSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetGroupSelectionFormula(int16_t printJob, const char *formulaText);
RPE_API RpeBool RpeGetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                           RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                           const char *formulaText);
RPE_API RpeBool RpeGetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                        RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                        const char *formulaText);
RPE_API int16_t RpeGetNSQLExpressions(int16_t printJob);
RPE_API RpeBool RpeGetNthSQLExpression(int16_t printJob, int16_t expressionN, RpeTextHandle *nameHandle,
                                       int16_t *nameLength, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeGetSQLExpression(int16_t printJob, const char *expressionName, RpeTextHandle *textHandle,
                                    int16_t *textLength);
RPE_API RpeBool RpeSetSQLExpression(int16_t printJob, const char *expressionName, const char *expressionText);
RPE_API int16_t RpeGetNParams(int16_t printJob);
RPE_API RpeBool RpeGetNthParamInfo(int16_t printJob, int16_t paramN, RpeParamInfo *info);
RPE_API RpeBool RpeGetNthParam(int16_t printJob, int16_t paramN, RpeTextHandle *textHandle,
                               int16_t *textLength);
RPE_API RpeBool RpeSetNthParam(int16_t printJob, int16_t paramN, const char *value);
RPE_API int16_t RpeGetNParameterFields(int16_t printJob);
RPE_API RpeBool RpeGetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info);
RPE_API RpeBool RpeSetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info);
RPE_API RpeBool RpeConvertPFInfoToVInfo(void *value, int16_t valueType, RpeValueInfo *valueInfo);
RPE_API RpeBool RpeConvertVInfoToPFInfo(RpeValueInfo *valueInfo, int16_t *valueType, void *value);
RPE_API int16_t RpeGetNParameterDefaultValues(int16_t printJob, const char *parameterFieldName,
                                              const char *reportName);
RPE_API RpeBool RpeGetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                               const char *reportName, int16_t index, RpeValueInfo *value);
RPE_API RpeBool RpeSetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                               const char *reportName, int16_t index, RpeValueInfo *value);
RPE_API RpeBool RpeAddParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                            const char *reportName, RpeValueInfo *value);
RPE_API RpeBool RpeDeleteNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                                  const char *reportName, int16_t index);
RPE_API RpeBool RpeGetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, RpeValueInfo *minValue,
                                           RpeValueInfo *maxValue);
RPE_API RpeBool RpeSetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, RpeValueInfo *minValue,
                                           RpeValueInfo *maxValue);
RPE_API RpeBool RpeGetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                                   const char *reportName, int16_t index,
                                                   RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                                   const char *reportName, int16_t index,
                                                   const char *description);
RPE_API RpeBool RpeGetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                              const char *reportName, RpeParameterPickListOption *option);
RPE_API RpeBool RpeSetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                              const char *reportName, RpeParameterPickListOption *option);
RPE_API RpeBool RpeGetParameterValueInfo(int16_t printJob, const char *parameterFieldName,
                                         const char *reportName, RpeParameterValueInfo *info);
RPE_API RpeBool RpeSetParameterValueInfo(int16_t printJob, const char *parameterFieldName,
                                         const char *reportName, RpeParameterValueInfo *info);
RPE_API int16_t RpeGetNParameterCurrentValues(int16_t printJob, const char *parameterFieldName,
                                              const char *reportName);
RPE_API RpeBool RpeGetNthParameterCurrentValue(int16_t printJob, const char *parameterFieldName,
                                               const char *reportName, int16_t index, RpeValueInfo *value);
RPE_API RpeBool RpeAddParameterCurrentValue(int16_t printJob, const char *parameterFieldName,
                                            const char *reportName, RpeValueInfo *value);
RPE_API int16_t RpeGetNParameterCurrentRanges(int16_t printJob, const char *parameterFieldName,
                                              const char *reportName);
RPE_API RpeBool RpeGetNthParameterCurrentRange(int16_t printJob, const char *parameterFieldName,
                                               const char *reportName, int16_t index,
                                               RpeValueInfo *rangeStart, RpeValueInfo *rangeEnd,
                                               int16_t *rangeInfo);
RPE_API RpeBool RpeAddParameterCurrentRange(int16_t printJob, const char *parameterFieldName,
                                            const char *reportName, RpeValueInfo *rangeStart,
                                            RpeValueInfo *rangeEnd, int16_t rangeInfo);
RPE_API RpeBool RpeClearParameterCurrentValuesAndRanges(int16_t printJob, const char *parameterFieldName,
                                                        const char *reportName);
RPE_API int16_t RpeGetNthParameterType(int16_t printJob, int16_t parameterN);
RPE_API int16_t RpeGetNSortFields(int16_t printJob);
RPE_API RpeBool RpeGetNthSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                                   int16_t *nameLength, int16_t *direction);
RPE_API RpeBool RpeSetNthSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction);
RPE_API RpeBool RpeDeleteNthSortField(int16_t printJob, int16_t sortFieldN);
RPE_API int16_t RpeGetNGroupSortFields(int16_t printJob);
RPE_API RpeBool RpeGetNthGroupSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                                        int16_t *nameLength, int16_t *direction);
RPE_API RpeBool RpeSetNthGroupSortField(int16_t printJob, int16_t sortFieldN, const char *name,
                                        int16_t direction);
RPE_API RpeBool RpeDeleteNthGroupSortField(int16_t printJob, int16_t sortFieldN);
RPE_API int16_t RpeGetNTables(int16_t printJob);
RPE_API RpeBool RpeGetNthTableType(int16_t printJob, int16_t tableN, RpeTableType *tableType);
RPE_API RpeBool RpeGetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo);
RPE_API RpeBool RpeSetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo,
                                          RpeBool propagate);
RPE_API RpeBool RpeGetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo);
RPE_API RpeBool RpeSetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo,
                                        RpeBool propagateAcrossTables);
RPE_API RpeBool RpeGetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location);
RPE_API RpeBool RpeSetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location);
RPE_API RpeBool RpeGetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo);
RPE_API RpeBool RpeSetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo);
RPE_API RpeBool RpeTestNthTableConnectivity(int16_t printJob, int16_t tableN);
RPE_API RpeBool RpeLogOffServer(const char *dllName, RpeLogOnInfo *logOnInfo);
RPE_API RpeBool RpeGetSQLQuery(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetSQLQuery(int16_t printJob, const char *queryString);
RPE_API RpeBool RpeDiscardSavedData(int16_t printJob);
RPE_API RpeBool RpeGetReportTitle(int16_t printJob, RpeTextHandle *titleHandle, int16_t *titleLength);
RPE_API RpeBool RpeSetReportTitle(int16_t printJob, const char *title);
RPE_API RpeBool RpeOutputToWindow(int16_t printJob, const char *title, int32_t left, int32_t top,
                                  int32_t width, int32_t height, uint32_t style,
                                  RpeWindowHandle parentWindow);
RPE_API RpeWindowHandle RpeGetWindowHandle(int16_t printJob);
RPE_API RpeBool RpeCloseWindow(int16_t printJob);
RPE_API RpeBool RpeGetWindowOptions(int16_t printJob, RpeWindowOptions *options);
RPE_API RpeBool RpeSetWindowOptions(int16_t printJob, RpeWindowOptions *options);
RPE_API RpeBool RpeShowPrintControls(int16_t printJob, RpeBool showPrintControls);
RPE_API RpeBool RpePrintControlsShowing(int16_t printJob);
RPE_API RpeBool RpeZoomPreviewWindow(int16_t printJob, int16_t level);
RPE_API RpeBool RpeOutputToPrinter(int16_t printJob, int16_t nCopies);
RPE_API RpeBool RpeSelectPrinter(int16_t printJob, const char *driverName, const char *printerName,
                                 const char *portName, RpeDeviceMode *mode);
RPE_API RpeBool RpeGetSelectedPrinter(int16_t printJob, RpeTextHandle *driverHandle, int16_t *driverLength,
                                      RpeTextHandle *printerHandle, int16_t *printerLength,
                                      RpeTextHandle *portHandle, int16_t *portLength, RpeDeviceMode *mode);
RPE_API int16_t RpeGetNDetailCopies(int16_t printJob);
RPE_API RpeBool RpeSetNDetailCopies(int16_t printJob, int16_t nDetailCopies);
RPE_API RpeBool RpeGetPrintOptions(int16_t printJob, RpePrintOptions *options);
RPE_API RpeBool RpeSetPrintOptions(int16_t printJob, RpePrintOptions *options);
RPE_API RpeBool RpeGetExportOptions(int16_t printJob, RpeExportOptions *options);
RPE_API RpeBool RpeExportTo(int16_t printJob, RpeExportOptions *options);
RPE_API RpeBool RpeGetMargins(int16_t printJob, int16_t *left, int16_t *right, int16_t *top, int16_t *bottom);
RPE_API RpeBool RpeSetMargins(int16_t printJob, int16_t left, int16_t right, int16_t top, int16_t bottom);
RPE_API RpeBool RpeGetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info);
RPE_API RpeBool RpeSetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info);
RPE_API RpeBool RpeEnableEvent(int16_t printJob, RpeEnableEventInfo *enableEventInfo);
RPE_API RpeBool RpeSetEventCallback(int16_t printJob, RpeEventCallback callback, void *userData);
RPE_API RpeBool RpeGetFieldMappingType(int16_t printJob, int16_t *mappingType);
RPE_API RpeBool RpeSetFieldMappingType(int16_t printJob, int16_t mappingType);
RPE_API RpeBool RpeGetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo);
RPE_API RpeBool RpeSetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo);
RPE_API RpeBool RpeGetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format);
RPE_API RpeBool RpeSetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format);
RPE_API int16_t RpeGetNObjectsInSection(int16_t printJob, int16_t sectionCode);
RPE_API RpeObjectHandle RpeGetNthObjectInSection(int16_t printJob, int16_t sectionCode, int16_t objectN);
RPE_API RpeBool RpeGetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info);
RPE_API RpeBool RpeSetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info);
RPE_API RpeBool RpeGetOleObjectInfo(int16_t printJob, RpeObjectHandle object, RpeOleObjectInfo *info);
RPE_API RpeBool RpeGetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font);
RPE_API RpeBool RpeSetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font);
RPE_API RpeBool RpeChangeSummaryType(int16_t printJob, RpeObjectHandle object, int16_t summaryType);
RPE_API RpeBool RpeGetFieldObjectInfo(int16_t printJob, RpeObjectHandle object, RpeFieldObjectInfo *info);
RPE_API int16_t RpeGetNParagraphs(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                                       RpeParagraphInfo *info);
RPE_API RpeBool RpeSetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                                       RpeParagraphInfo *info);
RPE_API int16_t RpeGetNTabStopsInParagraph(int16_t printJob, RpeObjectHandle object, int16_t paragraphN);
RPE_API RpeBool RpeGetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                                     int16_t tabStopN, RpeTabStopInfo *info);
RPE_API RpeBool RpeSetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                                     int16_t tabStopN, RpeTabStopInfo *info);
RPE_API RpeBool RpeDeleteNthTabStop(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                                    int16_t tabStopN);
RPE_API int16_t RpeGetNEmbeddedFields(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetNthEmbeddedFieldInfo(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                           RpeEmbeddedFieldInfo *info);
RPE_API RpeBool RpeGetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                             RpeObjectFormat *format);
RPE_API RpeBool RpeSetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                             RpeObjectFormat *format);
RPE_API RpeBool RpeGetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                                    int16_t formulaName, RpeTextHandle *textHandle,
                                                    int16_t *textLength);
RPE_API RpeBool RpeSetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                                    int16_t formulaName, const char *formulaText);
RPE_API RpeBool RpeDeleteNthEmbeddedField(int16_t printJob, RpeObjectHandle object, int16_t fieldN);
RPE_API int32_t RpeGetTextSize(int16_t printJob, RpeObjectHandle object);
RPE_API int32_t RpeGetTextHeight(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetText(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                           int32_t *textLength);
RPE_API RpeBool RpeInsertText(int16_t printJob, RpeObjectHandle object, int32_t position, const char *text);
RPE_API RpeBool RpeDeleteText(int16_t printJob, RpeObjectHandle object, int32_t position, int32_t count);
RPE_API RpeBool RpeGetNthSubreportLink(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                                       RpeTextHandle *mainFieldHandle, int16_t *mainFieldLength,
                                       RpeTextHandle *subFieldHandle, int16_t *subFieldLength);
RPE_API RpeBool RpeGetNthSubreportLinkEx(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                                         RpeSubreportLinkInfo *link);
RPE_API RpeBool RpeGetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info);
RPE_API RpeBool RpeSetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info);
RPE_API RpeBool RpeGetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info);
RPE_API RpeBool RpeSetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info);
RPE_API RpeBool RpeGetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info);
RPE_API RpeBool RpeSetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info);
RPE_API int16_t RpeGetNSummariesInCrossTabObject(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetNthSummaryInfoInCrossTabObject(int16_t printJob, RpeObjectHandle object,
                                                     int16_t summaryN, RpeCrossTabSummaryInfo *info);
RPE_API int16_t RpeGetNGroupsInCrossTabObject(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn);
RPE_API RpeBool RpeGetNthCrossTabGroupOptions(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn,
                                              int16_t groupN, RpeCrossTabGroupOptions *options);
RPE_API RpeBool RpeGetCrossTabOptions(int16_t printJob, RpeObjectHandle object, RpeCrossTabOptions *options);
RPE_API RpeBool RpeGetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                          RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                          const char *formulaText);
RPE_API RpeBool RpeGetParameterBrowseField(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, RpeTextHandle *textHandle,
                                           int16_t *textLength);
RPE_API RpeBool RpeSetParameterBrowseField(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, const char *browseField);
RPE_API RpeBool RpeGetNthTableAliasName(int16_t printJob, int16_t tableN, RpeTextHandle *textHandle,
                                        int16_t *textLength);
RPE_API RpeBool RpeSetNthTableAliasName(int16_t printJob, int16_t tableN, const char *aliasName);
RPE_API RpeBool RpeSetNthTableServerType(int16_t printJob, int16_t tableN, RpeServerTypeInfo *serverType,
                                         RpeBool propagate);
RPE_API int16_t RpeGetNDatabaseFields(int16_t printJob, int16_t tableN);
RPE_API RpeBool RpeGetNthDatabaseFieldInfo(int16_t printJob, int16_t tableN, int16_t fieldN,
                                           RpeDatabaseFieldInfo *info);
RPE_API RpeBool RpeGetNthSummaryFieldInfo(int16_t printJob, RpeObjectHandle object,
                                          RpeSummaryFieldInfo *info);
RPE_API int16_t RpeGetReportStyle(int16_t printJob);
RPE_API RpeBool RpeSetReportStyle(int16_t printJob, int16_t style);
RPE_API RpeBool RpeGetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info);
RPE_API RpeBool RpeSetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info);
RPE_API int16_t RpeGetObjectNHiliteConditions(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeSetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                               RpeHiliteConditionInfo *info);
RPE_API RpeBool RpeGetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                               RpeHiliteConditionInfo *info);
RPE_API RpeBool RpeAddObjectHiliteCondition(int16_t printJob, RpeObjectHandle object,
                                            RpeHiliteConditionInfo *info);
RPE_API RpeBool RpeClearObjectHiliteConditions(int16_t printJob, RpeObjectHandle object);
RPE_API int16_t RpeGetNRunningTotals(int16_t printJob);
RPE_API RpeBool RpeGetNthRunningTotalName(int16_t printJob, int16_t totalN, RpeTextHandle *textHandle,
                                          int16_t *textLength);
RPE_API RpeBool RpeGetRunningTotalInfo(int16_t printJob, const char *totalName, RpeRunningTotalInfo *info);
RPE_API RpeBool RpeGetRunningTotalConditionField(int16_t printJob, const char *totalName,
                                                 int16_t conditionType, RpeTextHandle *textHandle,
                                                 int16_t *textLength);
RPE_API RpeBool RpeGetRunningTotalConditionFormula(int16_t printJob, const char *totalName,
                                                   int16_t conditionType, RpeTextHandle *textHandle,
                                                   int16_t *textLength);
RPE_API RpeBool RpeGetRunningTotalSummaryField(int16_t printJob, const char *totalName, int16_t fieldType,
                                               RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeGetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info);
RPE_API RpeBool RpeSetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info);
RPE_API RpeBool RpeGetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style);
RPE_API RpeBool RpeSetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style);
RPE_API int16_t RpeGetNMapSummaryFields(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                         RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                         const char *fieldName);
RPE_API int16_t RpeGetNMapConditionFields(int16_t printJob, RpeObjectHandle object);
RPE_API RpeBool RpeGetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                           RpeTextHandle *textHandle, int16_t *textLength);
RPE_API RpeBool RpeSetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                           const char *fieldName);
RPE_API RpeBool RpeSetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions);
RPE_API RpeBool RpeGetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions);
RPE_API RpeBool RpeSetMapTitle(int16_t printJob, RpeObjectHandle object, const char *title);
RPE_API RpeBool RpeGetMapTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                               int16_t *textLength);
RPE_API RpeBool RpeSetMapLegendTitle(int16_t printJob, RpeObjectHandle object, const char *title);
RPE_API RpeBool RpeGetMapLegendTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                                     int16_t *textLength);
RPE_API RpeBool RpeSetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, const char *title);
RPE_API RpeBool RpeGetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                                        int16_t *textLength);
RPE_API RpeBool RpeSetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax);
RPE_API RpeBool RpeGetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax);
RPE_API RpeBool RpeGetStartPageNumber(int16_t printJob, int16_t *startPageNumber);
RPE_API RpeBool RpeSetStartPageNumber(int16_t printJob, int16_t startPageNumber);
RPE_API RpeBool RpeSetGlobalOptions(int16_t printJob, RpeGlobalOptions *options);
RPE_API int16_t RpeGetNSectionsInArea(int16_t printJob, int16_t areaCode);
RPE_API RpeBool RpeGetSectionWidth(int16_t printJob, int16_t sectionCode, int16_t *width);
RPE_API RpeBool RpeGetNthGroupNameFormula(int16_t printJob, int16_t groupN, RpeTextHandle *textHandle,
                                          int16_t *textLength);
RPE_API RpeBool RpeSetNthGroupNameFormula(int16_t printJob, int16_t groupN, const char *formulaText);
RPE_API RpeBool RpeSetTempFilePath(const char *tempFilePath);

#ifdef __cplusplus
}
#endif

#endif /* RPE32_H */
