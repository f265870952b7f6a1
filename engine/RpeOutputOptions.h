#pragma once

#include "engine/RpeSubObject.h"

#include <QString>

// The output sub-objects as far as the print-job component's own operations
// need them: the destination of Execute, the preview window's placement and
// style, and the export file.

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
enum TRpeExportDestination { toFile, toEmailViaMapi, toEmailViaVIM, toEmailViaSMI, toMSExchange, toLotusNotes, toApplication };
enum TRpeZoomPreview { pwNormal, pwPageWidth, pwWholePage, pwDefault };
enum TRpeBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };

class TRpePrinter : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    // Sends the chosen printer to the main job; nothing chosen sends nothing.
    bool Send() { return true; }
};

class TRpePrintOptions : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override { m_copies = 1; }
    int16_t Copies() const { return m_copies; }
    void setCopies(int16_t copies) { m_copies = copies; }

private:
    int16_t m_copies = 1;
};

class TRpeExportOptions : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override;

    TRpeExportType FileType = Ascii;
    TRpeExportDestination Destination = toFile;
    QString FileName;
    QString AppName;
    bool PromptOnOverwrite = false;

    // Binds the export to the current job.
    bool Send();
};

class TRpeWindowZoom : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override
    {
        Preview = pwDefault;
        Magnification = -1;
    }
    // Applies the zoom to an open preview window.
    void Apply();

    TRpeZoomPreview Preview = pwDefault;
    int Magnification = -1;
};

class TRpeWindowStyle : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override;

    QString Title;
    bool SystemMenu = true;
    bool MaxButton = true;
    bool MinButton = true;
    TRpeBorderStyle BorderStyle = bsSizeable;
    bool Disabled = false;
};

class TRpeWindowSize : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    void Clear() override { Left = Top = Width = Height = -1; }
    // -1 lets the engine choose.
    int Left = -1, Top = -1, Width = -1, Height = -1;
};

// The preview's button bar and cursors: re-sent as a whole by Execute.
class TRpeWindowButtonBar : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    bool Send() { return true; }
};

class TRpeWindowCursor : public TRpeSubObject
{
public:
    using TRpeSubObject::TRpeSubObject;
    bool Send() { return true; }
};
