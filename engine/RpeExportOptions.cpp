#include "engine/RpeExportOptions.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"

#include <cstring>

namespace dyn = RpeDynamic;
using RpeOutput::rpeBool;

namespace {

enum class FormatOptions {
    None,
    NumberAndDate,
    CharSeparated,
    PageRange,
    FileName,
    Html4,
    Odbc,
    Lines,
    Excel,
    Xml
};

struct ExportFormat
{
    const char *library;
    uint32_t type;
    FormatOptions options;
};

// Indexed by TRpeExportType.
const ExportFormat exportFormats[] = {
    {"rxfrec.dll", 0, FormatOptions::NumberAndDate},  // Records
    {"rxfsepv.dll", 1, FormatOptions::NumberAndDate}, // TabSeparated
    {"rxftext.dll", 0, FormatOptions::None},          // Ascii
    {"rxfdif.dll", 0, FormatOptions::NumberAndDate},  // Dif
    {"rxfsepv.dll", 0, FormatOptions::NumberAndDate}, // Csv
    {"rxfsepv.dll", 2, FormatOptions::CharSeparated}, // CharacterSeparated
    {"rxftext.dll", 1, FormatOptions::None},          // TabSeparatedText
    {"rxfrpt.dll", 0, FormatOptions::None},           // ReportFileRPT
    {"rxfwks.dll", 1, FormatOptions::None},           // LotusWK1
    {"rxfwks.dll", 2, FormatOptions::None},           // LotusWK3
    {"rxfwks.dll", 0, FormatOptions::None},           // LotusWKS
    {"rxf_rtf.dll", 0, FormatOptions::PageRange},     // RichTextFormat
    {"rxfwordw.dll", 0, FormatOptions::None},         // WordForWindows
    {"rxfxls.dll", 0, FormatOptions::Excel},          // ExcelXLS: the type is the Excel kind
    {"rxfhtml.dll", 0, FormatOptions::FileName},      // HTML30
    {"rxfhtml.dll", 1, FormatOptions::FileName},      // HTML32ext
    {"rxfhtml.dll", 2, FormatOptions::FileName},      // HTML32std
    {"rxfhtml.dll", 3, FormatOptions::Html4},         // HTML4
    {"rxfodbc.dll", 0, FormatOptions::Odbc},          // ODBCTable
    {"rxftext", 2, FormatOptions::Lines},             // PaginatedText: the name has no extension
    {"rxfrdef.dll", 0, FormatOptions::None},          // ReportDefinition
    {"rxf_pdf.dll", 0, FormatOptions::PageRange},     // AdobeAcrobatPDF
    {"rxfxml.dll", 0, FormatOptions::Xml},            // XML1
};
static_assert(std::size(exportFormats) == XML1 + 1);

// Option records end where the engine stops reading; older engines read less.
constexpr uint16_t numberAndDateSize = offsetof(RpeCharSepOptions, StringDelimiter);
constexpr uint16_t excelWithoutFunctionsSize = offsetof(RpeExcelOptions, WorksheetFunctions);
constexpr uint16_t excelHeadingsOnlySize = offsetof(RpeExcelOptions, UseConstantColumnWidth);
constexpr uint16_t mailSize = offsetof(RpeMailOptions, BCCList);

// Text slots of the option records.
// The format and the destination each keep their own copy of the file name:
// both records point into these until the job has run.
enum Slot { FileSlot, Text1, Text2, Text3, Text4, Text5, FormatFileSlot };

// Copies the first size bytes of an option record into buffer, which the
// export record then points to, with size as the record's own size.
template <typename T, size_t N> void *place(std::array<uint8_t, N> &buffer, const T &options, uint16_t size)
{
    static_assert(sizeof(T) <= N);
    buffer.fill(0);
    std::memcpy(buffer.data(), &options, size);
    std::memcpy(buffer.data(), &size, sizeof size);
    return buffer.data();
}

void copyName(char (&target)[RPE_EXPORT_FORMAT_SIZE], const char *name)
{
    std::memset(target, 0, sizeof target);
    std::strncpy(target, name, sizeof target - 1);
}

} // namespace

void TRpeExportOptions::Clear()
{
    FileName.clear();
    FileType = Ascii;
    Destination = toFile;
    AppName.clear();
    UseRptNumberFmt = UseRptDateFmt = true;
    CharSepDelimiter = '"';
    CharSepSeparator = QStringLiteral(",");
    LinesPerPage = 60;
    PromptForOptions = PromptOnOverwrite = false;
    Email = {};
    Exchange = {};
    ODBC = {};
    Excel = {};
    LotusNotes = {};
    HTML = {};
    RTF = {};
    PDF = {};
    XML = {};
}

const char *TRpeExportOptions::keep(int slot, const QString &text)
{
    m_texts[size_t(slot)] = text.toUtf8();
    return m_texts[size_t(slot)].constData();
}

template <typename T> void TRpeExportOptions::setFormatOptions(const T &options, uint16_t size)
{
    m_record.FormatOptions = place(m_formatOptions, options, size);
    m_record.NFormatOptionsBytes = size;
}

template <typename T> void TRpeExportOptions::setDestinationOptions(const T &options, uint16_t size)
{
    m_record.DestinationOptions = place(m_destinationOptions, options, size);
    m_record.NDestinationOptionsBytes = size;
}

bool TRpeExportOptions::buildFormat()
{
    const ExportFormat &format = exportFormats[FileType];
    const char *library = format.library;
    uint32_t type = format.type;
    FormatOptions options = format.options;
    if (FileType == RichTextFormat) {
        if (RTF.UseOlderDll)
            library = "rxfrtf.dll";
        if (RTF.UseOlderDll || RTF.Prompt)
            options = FormatOptions::None;
    } else if (FileType == AdobeAcrobatPDF) {
        if (PDF.UseOlderDll)
            library = "rxfpdf.dll";
        if (PDF.Prompt)
            options = FormatOptions::None;
    } else if (FileType == ExcelXLS) {
        type = uint32_t(Excel.XlsType);
        if (Excel.XlsType <= Excel5)
            options = FormatOptions::None;
    }
    copyName(m_record.FormatDLLName, library);
    m_record.FormatType = type;

    const QString fileName = FileName.trimmed();
    switch (options) {
    case FormatOptions::None:
        break;
    case FormatOptions::NumberAndDate:
    case FormatOptions::CharSeparated: {
        RpeCharSepOptions o{};
        o.UseReportNumberFormat = rpeBool(UseRptNumberFmt);
        o.UseReportDateFormat = rpeBool(UseRptDateFmt);
        if (options == FormatOptions::NumberAndDate) {
            setFormatOptions(o, numberAndDateSize);
            break;
        }
        o.StringDelimiter = CharSepDelimiter;
        const QByteArray separator = CharSepSeparator.toLatin1().left(sizeof o.FieldSeparator - 1);
        std::memcpy(o.FieldSeparator, separator.constData(), size_t(separator.size()));
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::PageRange: {
        const TRpeExportPageRange &range = FileType == RichTextFormat ? RTF : PDF;
        RpePageRangeOptions o{};
        o.UsePageRange = rpeBool(range.UsePageRange);
        o.FirstPageNo = range.FirstPage;
        o.LastPageNo = range.LastPage;
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::FileName: {
        RpeFileNameOptions o{};
        o.FileName = keep(FormatFileSlot, fileName);
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::Html4: {
        RpeHtmlOptions o{};
        o.FileName = keep(FormatFileSlot, fileName);
        o.PageNavigator = rpeBool(HTML.PageNavigator);
        o.SeparatePages = rpeBool(HTML.SeparatePages);
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::Odbc: {
        RpeOdbcOptions o{};
        o.DataSource = keep(Text1, ODBC.Source);
        o.UserID = keep(Text2, ODBC.User);
        o.Password = keep(Text3, ODBC.Password);
        o.TableName = keep(Text4, ODBC.Table);
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::Lines: {
        RpePaginatedTextOptions o{};
        o.LinesPerPage = LinesPerPage;
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::Excel: {
        RpeExcelOptions o{};
        o.ColumnHeadings = rpeBool(Excel.ColumnHeadings);
        if (dyn::RpeMajor < 6) {
            setFormatOptions(o, excelHeadingsOnlySize);
            break;
        }
        int16_t area = 0;
        if (!RpeUtl::IsBlank(Excel.Area)) {
            if (!RpeUtl::StrToSectionCode(Excel.Area, area)) {
                Rpe->ComponentError(360, QStringLiteral("Export.Send <StrToSectionCode>"));
                return false;
            }
            o.BaseAreaType = int16_t(dyn::SectionAreaType(area));
            o.BaseAreaGroupNum = int16_t(dyn::SectionN(area) + 1);
        }
        o.UseConstantColumnWidth = rpeBool(Excel.ColumnWidth == ByConstant);
        o.ColumnWidth = Excel.Constant;
        o.TabularFormat = rpeBool(Excel.TabularFormat);
        if (dyn::RpeMajor < 7) {
            setFormatOptions(o, excelWithoutFunctionsSize);
            break;
        }
        if (Excel.XlsType >= Excel7)
            o.WorksheetFunctions = rpeBool(Excel.WorksheetFunctions);
        setFormatOptions(o, sizeof o);
        break;
    }
    case FormatOptions::Xml: {
        RpeXmlOptions o{};
        o.FileName = keep(FormatFileSlot, fileName);
        o.SeparatePages = rpeBool(XML.SeparatePages);
        setFormatOptions(o, sizeof o);
        break;
    }
    }
    return true;
}

void TRpeExportOptions::buildDestination()
{
    // The application destination is the disk with a file the component
    // opens itself afterwards, when an application is named or the engine
    // cannot open one.
    TRpeExportDestination destination = Destination;
    if (destination == toApplication && (!RpeUtl::IsBlank(AppName) || dyn::RpeMajor < 7))
        destination = toFile;
    const QString fileName = FileName.trimmed();
    switch (destination) {
    case toFile:
    case toApplication: {
        copyName(m_record.DestinationDLLName, destination == toFile ? "rxddisk.dll" : "rxdapp.dll");
        m_record.DestinationType = 0;
        RpeDiskOptions o{};
        o.FileName = keep(FileSlot, fileName);
        setDestinationOptions(o, sizeof o);
        break;
    }
    case toEmailViaMapi:
    case toEmailViaVIM:
    case toEmailViaSMI: {
        const bool mapi = destination == toEmailViaMapi;
        copyName(m_record.DestinationDLLName, mapi ? "rxdmapi.dll" : "rxdvim.dll");
        m_record.DestinationType = 0;
        RpeMailOptions o{};
        o.ToList = keep(Text1, Email.ToList);
        o.CCList = keep(Text2, Email.CCList);
        o.Subject = keep(Text3, Email.Subject);
        o.Message = keep(Text4, Email.Message);
        if (!mapi)
            o.BCCList = keep(Text5, Email.BCCList);
        setDestinationOptions(o, mapi ? mailSize : uint16_t(sizeof o));
        break;
    }
    case toMSExchange: {
        copyName(m_record.DestinationDLLName, "rxdpost.dll");
        m_record.DestinationType = 0;
        RpeExchangeOptions o{};
        o.Profile = keep(Text1, Exchange.Profile);
        o.Password = keep(Text2, Exchange.Password);
        o.Folder = keep(Text3, Exchange.Folder);
        o.ItemType = 1011;
        setDestinationOptions(o, sizeof o);
        break;
    }
    case toLotusNotes: {
        copyName(m_record.DestinationDLLName, "rxdnotes.dll");
        m_record.DestinationType = 3;
        RpeNotesOptions o{};
        o.DatabaseName = keep(Text1, LotusNotes.DBName);
        o.FormName = keep(Text2, LotusNotes.FormName);
        o.Comments = keep(Text3, LotusNotes.Comments);
        setDestinationOptions(o, sizeof o);
        break;
    }
    }
}

bool TRpeExportOptions::BuildRecord()
{
    m_record = RpeExportOptions{};
    m_record.StructSize = sizeof m_record;
    if (!buildFormat())
        return false;
    buildDestination();
    return true;
}

bool TRpeExportOptions::Send()
{
    if (!Rpe->OpenPrintJob())
        return false;
    const int16_t job = Rpe->JobNumber();
    if (PromptForOptions) {
        m_record = RpeExportOptions{};
        m_record.StructSize = sizeof m_record;
        Rpe->UseHandle();
        if (!dyn::RpeGetExportOptions(job, &m_record)) {
            RpeOutput::engineFailed(Rpe, job, QStringLiteral("Export.Send <RpeGetExportOptions>"),
                                    {505, 524, 545});
            return false;
        }
    } else if (!BuildRecord()) {
        return false;
    }
    Rpe->UseHandle();
    if (!dyn::RpeExportTo(job, &m_record)) {
        RpeOutput::engineFailed(Rpe, job, QStringLiteral("Export.Send <RpeExportTo>"));
        return false;
    }
    return true;
}
