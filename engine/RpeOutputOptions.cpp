#include "engine/RpeOutputOptions.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

#include <cstring>

void TRpeExportOptions::Clear()
{
    FileType = Ascii;
    Destination = toFile;
    FileName.clear();
    AppName.clear();
    PromptOnOverwrite = false;
}

namespace {

struct ExportFormat
{
    const char *library;
    uint32_t type;
};

// Indexed by TRpeExportType.
const ExportFormat exportFormats[] = {
    {"rxfrec.dll", 0},  {"rxfsepv.dll", 1}, {"rxftext.dll", 0}, {"rxfdif.dll", 0},   {"rxfsepv.dll", 0},
    {"rxfsepv.dll", 2}, {"rxftext.dll", 1}, {"rxfrpt.dll", 0},  {"rxfwks.dll", 1},   {"rxfwks.dll", 2},
    {"rxfwks.dll", 0},  {"rxf_rtf.dll", 0}, {"rxfwordw.dll", 0}, {"rxfxls.dll", 0},  {"rxfhtml.dll", 0},
    {"rxfhtml.dll", 1}, {"rxfhtml.dll", 2}, {"rxfhtml.dll", 3}, {"rxfodbc.dll", 0},  {"rxftext", 2},
    {"rxfrdef.dll", 0}, {"rxf_pdf.dll", 0}, {"rxfxml.dll", 0},
};

} // namespace

bool TRpeExportOptions::Send()
{
    if (!Rpe->JobIsOpen())
        return false;
    RpeExportOptions record{};
    const ExportFormat &format = exportFormats[FileType];
    std::strncpy(record.FormatDLLName, format.library, sizeof record.FormatDLLName - 1);
    record.FormatType = format.type;

    // The application destination is the disk with a file the component
    // opens itself afterwards when an application is named.
    const bool toDisk = Destination == toFile ||
                        (Destination == toApplication && (!AppName.trimmed().isEmpty() || RpeDynamic::RpeMajor < 7));
    const char *destination = toDisk ? "rxddisk.dll" : Destination == toApplication ? "rxdapp.dll"
                              : Destination == toEmailViaVIM                         ? "rxdvim.dll"
                              : Destination == toMSExchange                          ? "rxdpost.dll"
                              : Destination == toLotusNotes                          ? "rxdnotes.dll"
                                                                                     : "rxdmapi.dll";
    std::strncpy(record.DestinationDLLName, destination, sizeof record.DestinationDLLName - 1);
    const QByteArray fileName = FileName.trimmed().toUtf8();
    RpeDiskOptions disk{sizeof(RpeDiskOptions), fileName.constData()};
    if (Destination == toFile || Destination == toApplication) {
        record.DestinationOptions = &disk;
        record.NDestinationOptionsBytes = sizeof disk;
    }
    Rpe->UseHandle();
    if (!RpeDynamic::RpeExportTo(Rpe->JobNumber(), &record)) {
        Rpe->Fail(TRpeFailure{false, 0, {}, Rpe->JobNumber(), {}, QStringLiteral("Export.Send <RpeExportTo>")});
        return false;
    }
    return true;
}

void TRpeWindowZoom::Apply()
{
    if (!Rpe->JobIsOpen())
        return;
    int16_t level = -1;
    if (Magnification == -1) {
        if (Preview == pwDefault)
            return;
        level = Preview == pwNormal ? RPE_ZOOM_FULL_SIZE : Preview == pwPageWidth ? RPE_ZOOM_SIZE_FIT_ONE_SIDE
                                                                                : RPE_ZOOM_SIZE_FIT_BOTH_SIDES;
    } else {
        level = int16_t(Magnification);
    }
    Rpe->UseHandle();
    if (!RpeDynamic::RpeZoomPreviewWindow(Rpe->JobNumber(), level))
        Rpe->Fail(TRpeFailure{false, 0, {}, Rpe->JobNumber(), {}, QStringLiteral("WindowZoom.Send <RpeZoomPreviewWindow>")});
}

void TRpeWindowStyle::Clear()
{
    Title.clear();
    SystemMenu = MaxButton = MinButton = true;
    BorderStyle = bsSizeable;
    Disabled = false;
}
