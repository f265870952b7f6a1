#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <QByteArray>

#include <array>

// The per-format and per-destination parts of the export options.
struct TRpeExportEmail
{
    QString CCList, Message, Subject, ToList, BCCList;
};

struct TRpeExportExchange
{
    QString Folder, Password, Profile;
};

struct TRpeExportODBC
{
    QString Password, Source, Table, User;
};

struct TRpeExportExcel
{
    bool ColumnHeadings = false;
    TRpeExportExcelColumnWidth ColumnWidth = ByArea;
    bool TabularFormat = false;
    double Constant = 0;
    QString Area; // a section name
    bool WorksheetFunctions = true;
    TRpeExportExcelType XlsType = Excel5Extended;
};

struct TRpeExportLotusNotes
{
    QString DBName, FormName, Comments;
};

struct TRpeExportHTML
{
    bool PageNavigator = false;
    bool SeparatePages = false;
};

// RTF and PDF alike.
struct TRpeExportPageRange
{
    bool UseOlderDll = false;
    bool Prompt = false;
    bool UsePageRange = false;
    uint16_t FirstPage = 0;
    uint16_t LastPage = 0;
};
using TRpeExportRTF = TRpeExportPageRange;
using TRpeExportPDF = TRpeExportPageRange;

struct TRpeExportXML
{
    bool SeparatePages = true;
};

// Export format and destination. The values are plain until Send builds the
// engine's export record from them; the record and the option records it
// points to live here, since the engine reads them only when the job runs.
class TRpeExportOptions : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override;

    QString FileName;
    TRpeExportType FileType = Ascii;
    TRpeExportDestination Destination = toFile;
    QString AppName;
    bool UseRptNumberFmt = true;
    bool UseRptDateFmt = true;
    char CharSepDelimiter = '"';
    QString CharSepSeparator = QStringLiteral(",");
    uint16_t LinesPerPage = 60;
    bool PromptForOptions = false;
    bool PromptOnOverwrite = false;
    TRpeExportEmail Email;
    TRpeExportExchange Exchange;
    TRpeExportODBC ODBC;
    TRpeExportExcel Excel;
    TRpeExportLotusNotes LotusNotes;
    TRpeExportHTML HTML;
    TRpeExportRTF RTF;
    TRpeExportPDF PDF;
    TRpeExportXML XML;

    // Binds the export to the current job; needs an open job.
    bool Send();
    // Fills Record from the properties; false (after the error routine)
    // when the Excel area is no section name.
    bool BuildRecord();
    const RpeExportOptions &Record() const { return m_record; }

private:
    template <typename T> void setFormatOptions(const T &options, uint16_t size);
    template <typename T> void setDestinationOptions(const T &options, uint16_t size);
    bool buildFormat();
    void buildDestination();
    const char *keep(int slot, const QString &text);

    RpeExportOptions m_record{};
    std::array<uint8_t, 64> m_formatOptions{};
    std::array<uint8_t, 64> m_destinationOptions{};
    // The texts the option records point to.
    std::array<QByteArray, 8> m_texts;
};
