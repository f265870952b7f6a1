#include "engine/RpeDynamic.h"

#include "engine/RpeLibraryFile.h"
#include "shell/Abort.h"
#include "shell/CaptionedMessageBox.h"

#include <QFileInfo>

#include <dlfcn.h>

#include <cerrno>
#include <cstring>

namespace RpeDynamic {

void *RpeHandle = nullptr;
QString RpeLastError;
int32_t RpeMajor = 8;
int32_t RpeMinor = 0;
int32_t RpeRelease = 0;
int32_t RpeBuild = 371;
bool RpeShowErrors = true;

QString notLoadedText()
{
    return RpeLibraryFile::fileName() + QStringLiteral(" is not loaded");
}

QString loadLibraryText()
{
    return QStringLiteral("Error loading library: ") + RpeLibraryFile::fileName();
}

QString freeLibraryText()
{
    return QStringLiteral("Error freeing library: ") + RpeLibraryFile::fileName();
}

namespace {

const QString functionPrefix = QStringLiteral("Error loading function: ");

// The library calls report the system's error as a number and its message.
// The dynamic linker has no error numbers of its own: the number is errno as
// the failed call left it (0 when it set none), the message dlerror()'s text.
QString systemError(int number, const char *message)
{
    QString text = QStringLiteral("\nWindows Error Number: ") + QString::number(number);
    const QString detail = QString::fromLocal8Bit(message ? message : "").trimmed();
    if (!detail.isEmpty())
        text += QStringLiteral(" - ") + detail;
    return text;
}

enum class Gate { None, Rpe6OrHigher, Rpe7OrHigher, Rpe8R2OrHigher, Rpe6OrLower };
enum class Enter { Normal, LoadFirst, QuietWhenUnloaded };

bool gatePasses(Gate gate, QString &suffix)
{
    switch (gate) {
    case Gate::None:
        return true;
    case Gate::Rpe6OrHigher:
        suffix = QStringLiteral("requires RPE 6 or higher");
        return RpeMajor >= 6;
    case Gate::Rpe7OrHigher:
        suffix = QStringLiteral("requires RPE 7 or higher");
        return RpeMajor >= 7;
    case Gate::Rpe8R2OrHigher:
        suffix = QStringLiteral("requires RPE8R2 or higher");
        return RpeMajor >= 8;
    case Gate::Rpe6OrLower:
        suffix = QStringLiteral("requires RPE 6 or lower");
        return RpeMajor <= 6;
    }
    return true;
}

// Steps 1 to 4 of every wrapper: clear the last failure, make sure a library
// is there, apply the version gate and look the entry point up. Null means
// the failure has been reported and the wrapper returns its failure value.
template <typename Function> Function *enter(const char *name, Gate gate, Enter mode)
{
    RpeReportError(QString());
    if (!RpeHandle) {
        if (mode == Enter::QuietWhenUnloaded)
            return nullptr;
        if (mode == Enter::LoadFirst) {
            if (!RpeLoadLibrary())
                return nullptr;
        } else {
            RpeReportError(notLoadedText());
            return nullptr;
        }
    }
    QString suffix;
    if (!gatePasses(gate, suffix)) {
        RpeReportError(QString::fromLatin1(name) + QLatin1Char(' ') + suffix);
        return nullptr;
    }
    void *symbol = dlsym(RpeHandle, name);
    if (!symbol) {
        RpeReportError(QString::fromLatin1(name));
        return nullptr;
    }
    return reinterpret_cast<Function *>(symbol);
}

// Records are packed and begin with their 16-bit size.
void setStructSize(void *record, int size)
{
    if (!record)
        return;
    const uint16_t value = uint16_t(size);
    std::memcpy(record, &value, sizeof value);
}

int byMajor(int below7, int for7, int above7)
{
    return RpeMajor < 7 ? below7 : RpeMajor == 7 ? for7 : above7;
}

int above(int major, int larger, int smaller)
{
    return RpeMajor > major ? larger : smaller;
}

int reportOptionsSize()
{
    if (RpeMajor == 7)
        return 32;
    if (RpeMajor == 8 && RpeMinor == 0)
        return 36;
    return 42;
}

int hiliteConditionSize()
{
    return RpeMajor == 7 ? 30 : 32;
}

} // namespace

bool RpeLoadLibrary(const QString &folder)
{
    QString path = folder.trimmed();
    if (!path.isEmpty()) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += RpeLibraryFile::fileName();
    } else {
        // The system's own search does not look in the program's folder; the
        // search path of the design does, so that folder is tried first.
        path = RpeLibraryFile::findOnSearchPath();
        if (path.isEmpty())
            path = RpeLibraryFile::fileName();
    }
    dlerror();
    errno = 0;
    // Kept mapped after dlclose: the engine registers Qt types and widgets
    // whose code must outlive the handle.
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle) {
        RpeHandle = handle;
        return true;
    }
    const int number = errno;
    const char *message = dlerror();
    RpeHandle = nullptr;
    RpeReportError(loadLibraryText() + systemError(number, message));
    return false;
}

bool RpeFreeLibrary()
{
    RpeLastError.clear();
    if (!RpeHandle)
        return true;
    dlerror();
    errno = 0;
    const int failed = dlclose(RpeHandle);
    RpeHandle = nullptr;
    if (failed == 0)
        return true;
    const int number = errno;
    const char *message = dlerror();
    RpeReportError(freeLibraryText() + systemError(number, message));
    return false;
}

void RpeReportError(const QString &text)
{
    RpeLastError = text;
    if (text.size() <= 1)
        return;
    // Entry point names (and the gate messages, which begin with one) are
    // reported as a function that could not be loaded.
    if (text.left(3).toUpper() == QLatin1String("RPE"))
        RpeLastError = functionPrefix + text;
    if (!RpeShowErrors)
        return;
    const MsgResult answer = CaptionedMessageBox(QStringLiteral("Print Engine Error"),
                                                 RpeLastError + QStringLiteral("\nContinue anyway?"),
                                                 MsgKind::Error, MsgButton::OK | MsgButton::Cancel);
    if (answer != MsgResult::OK)
        throw EAbort();
}

LoaderFailure RpeLastFailure()
{
    if (RpeLastError.trimmed().isEmpty())
        return LoaderFailure::None;
    if (RpeLastError.startsWith(loadLibraryText()))
        return LoaderFailure::LoadLibrary;
    if (RpeLastError.startsWith(freeLibraryText()))
        return LoaderFailure::FreeLibrary;
    if (RpeLastError == notLoadedText())
        return LoaderFailure::NotLoaded;
    if (RpeLastError.startsWith(functionPrefix))
        return LoaderFailure::Function;
    return LoaderFailure::Other;
}

int16_t SectionCode(int areaType, int groupN, int sectionN)
{
    return int16_t(areaType * 1000 + groupN % 25 + (sectionN % 40) * 25);
}

int SectionAreaType(int16_t code)
{
    return code / 1000;
}

int SectionGroupN(int16_t code)
{
    return code % 25;
}

int SectionN(int16_t code)
{
    return (code / 25) % 40;
}

RpeBool RpeOpenEngine()
{
    auto *entryPoint = enter<decltype(::RpeOpenEngine)>("RpeOpenEngine", Gate::None, Enter::LoadFirst);
    if (!entryPoint)
        return 0;
    return entryPoint();
}

RpeBool RpeCloseEngine()
{
    auto *entryPoint =
        enter<decltype(::RpeCloseEngine)>("RpeCloseEngine", Gate::None, Enter::QuietWhenUnloaded);
    if (!entryPoint)
        return 0;
    return entryPoint();
}

int16_t RpeOpenPrintJob(const char *reportFilePath)
{
    auto *entryPoint = enter<decltype(::RpeOpenPrintJob)>("RpeOpenPrintJob", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(reportFilePath);
}

RpeBool RpeClosePrintJob(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeClosePrintJob)>("RpeClosePrintJob", Gate::None, Enter::QuietWhenUnloaded);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

RpeBool RpeStartPrintJob(int16_t printJob, RpeBool waitUntilDone)
{
    auto *entryPoint = enter<decltype(::RpeStartPrintJob)>("RpeStartPrintJob", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, waitUntilDone);
}

RpeBool RpeIsPrintJobFinished(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeIsPrintJobFinished)>("RpeIsPrintJobFinished", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

int32_t RpeGetJobStatus(int16_t printJob, RpeJobInfo *jobInfo)
{
    auto *entryPoint = enter<decltype(::RpeGetJobStatus)>("RpeGetJobStatus", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    setStructSize(jobInfo, 24);
    return entryPoint(printJob, jobInfo);
}

int16_t RpeGetVersion(int16_t versionRequested)
{
    auto *entryPoint = enter<decltype(::RpeGetVersion)>("RpeGetVersion", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(versionRequested);
}

int16_t RpeGetErrorCode(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetErrorCode)>("RpeGetErrorCode", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetErrorText(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetErrorText)>("RpeGetErrorText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, textHandle, textLength);
}

RpeBool RpeGetReportVersion(int16_t printJob, RpeReportVersionInfo *version)
{
    auto *entryPoint =
        enter<decltype(::RpeGetReportVersion)>("RpeGetReportVersion", Gate::Rpe8R2OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(version, 7);
    return entryPoint(printJob, version);
}

RpeBool RpeGetReportOptions(int16_t printJob, RpeReportOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetReportOptions)>("RpeGetReportOptions", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, reportOptionsSize());
    return entryPoint(printJob, options);
}

RpeBool RpeSetReportOptions(int16_t printJob, RpeReportOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeSetReportOptions)>("RpeSetReportOptions", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, reportOptionsSize());
    return entryPoint(printJob, options);
}

int16_t RpeOpenSubreport(int16_t parentJob, const char *subreportName)
{
    auto *entryPoint = enter<decltype(::RpeOpenSubreport)>("RpeOpenSubreport", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(parentJob, subreportName);
}

RpeBool RpeCloseSubreport(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeCloseSubreport)>("RpeCloseSubreport", Gate::None, Enter::QuietWhenUnloaded);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

int16_t RpeGetNSubreportsInSection(int16_t printJob, int16_t sectionCode)
{
    auto *entryPoint = enter<decltype(::RpeGetNSubreportsInSection)>("RpeGetNSubreportsInSection", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, sectionCode);
}

RpeObjectHandle RpeGetNthSubreportInSection(int16_t printJob, int16_t sectionCode, int16_t subreportN)
{
    auto *entryPoint = enter<decltype(::RpeGetNthSubreportInSection)>("RpeGetNthSubreportInSection",
                                                                      Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, subreportN);
}

RpeBool RpeGetSubreportInfo(int16_t printJob, RpeObjectHandle subreportHandle, RpeSubreportInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSubreportInfo)>("RpeGetSubreportInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, byMajor(130, 134, 138));
    return entryPoint(printJob, subreportHandle, info);
}

RpeBool RpeSetDialogParentWindow(int16_t printJob, RpeWindowHandle parentWindow)
{
    auto *entryPoint =
        enter<decltype(::RpeSetDialogParentWindow)>("RpeSetDialogParentWindow", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parentWindow);
}

RpeBool RpeEnableProgressDialog(int16_t printJob, RpeBool enable)
{
    auto *entryPoint =
        enter<decltype(::RpeEnableProgressDialog)>("RpeEnableProgressDialog", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, enable);
}

RpeBool RpeGetAllowPromptDialog(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetAllowPromptDialog)>("RpeGetAllowPromptDialog",
                                                                  Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

RpeBool RpeSetAllowPromptDialog(int16_t printJob, RpeBool allow)
{
    auto *entryPoint = enter<decltype(::RpeSetAllowPromptDialog)>("RpeSetAllowPromptDialog",
                                                                  Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, allow);
}

RpeBool RpeGetPrintDate(int16_t printJob, int16_t *year, int16_t *month, int16_t *day)
{
    auto *entryPoint = enter<decltype(::RpeGetPrintDate)>("RpeGetPrintDate", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, year, month, day);
}

RpeBool RpeSetPrintDate(int16_t printJob, int16_t year, int16_t month, int16_t day)
{
    auto *entryPoint = enter<decltype(::RpeSetPrintDate)>("RpeSetPrintDate", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, year, month, day);
}

int16_t RpeGetNGroups(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNGroups)>("RpeGetNGroups", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetGroupCondition(int16_t printJob, int16_t sectionCode, RpeTextHandle *conditionField,
                             int16_t *conditionFieldLength, int16_t *condition, int16_t *sortDirection)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGroupCondition)>("RpeGetGroupCondition", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, conditionField, conditionFieldLength, condition, sortDirection);
}

RpeBool RpeSetGroupCondition(int16_t printJob, int16_t sectionCode, const char *conditionField,
                             int16_t condition, int16_t sortDirection)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGroupCondition)>("RpeSetGroupCondition", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, conditionField, condition, sortDirection);
}

RpeBool RpeGetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGroupOptions)>("RpeGetGroupOptions", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 2586, 2070));
    return entryPoint(printJob, groupN, options);
}

RpeBool RpeSetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGroupOptions)>("RpeSetGroupOptions", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 2586, 2070));
    return entryPoint(printJob, groupN, options);
}

int16_t RpeGetNSections(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNSections)>("RpeGetNSections", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

int16_t RpeGetSectionCode(int16_t printJob, int16_t sectionN)
{
    auto *entryPoint = enter<decltype(::RpeGetSectionCode)>("RpeGetSectionCode", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, sectionN);
}

RpeBool RpeGetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height)
{
    auto *entryPoint = enter<decltype(::RpeGetMinimumSectionHeight)>("RpeGetMinimumSectionHeight", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, height);
}

RpeBool RpeSetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height)
{
    auto *entryPoint = enter<decltype(::RpeSetMinimumSectionHeight)>("RpeSetMinimumSectionHeight", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, height);
}

RpeBool RpeGetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSectionHeight)>("RpeGetSectionHeight", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, height);
}

RpeBool RpeSetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height)
{
    auto *entryPoint =
        enter<decltype(::RpeSetSectionHeight)>("RpeSetSectionHeight", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, height);
}

RpeBool RpeGetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSectionFormat)>("RpeGetSectionFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 28, 26));
    return entryPoint(printJob, sectionCode, options);
}

RpeBool RpeSetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeSetSectionFormat)>("RpeSetSectionFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 28, 26));
    return entryPoint(printJob, sectionCode, options);
}

RpeBool RpeGetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeGetAreaFormat)>("RpeGetAreaFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 28, 26));
    return entryPoint(printJob, areaCode, options);
}

RpeBool RpeSetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeSetAreaFormat)>("RpeSetAreaFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 28, 26));
    return entryPoint(printJob, areaCode, options);
}

RpeBool RpeSetFont(int16_t printJob, int16_t sectionCode, int16_t scopeCode, const char *faceName,
                   int16_t fontFamily, int16_t fontPitch, int16_t charSet, int16_t pointSize,
                   int16_t isItalic, int16_t isUnderlined, int16_t isStruckOut, int16_t weight)
{
    auto *entryPoint = enter<decltype(::RpeSetFont)>("RpeSetFont", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, scopeCode, faceName, fontFamily, fontPitch, charSet, pointSize,
                      isItalic, isUnderlined, isStruckOut, weight);
}

RpeBool RpeGetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType)
{
    auto *entryPoint = enter<decltype(::RpeGetGraphType)>("RpeGetGraphType", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionN, graphN, graphType);
}

RpeBool RpeSetGraphType(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t *graphType)
{
    auto *entryPoint = enter<decltype(::RpeSetGraphType)>("RpeSetGraphType", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionN, graphN, graphType);
}

RpeBool RpeGetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphTypeInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGraphTypeInfo)>("RpeGetGraphTypeInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 6);
    return entryPoint(printJob, sectionN, graphN, info);
}

RpeBool RpeSetGraphTypeInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphTypeInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGraphTypeInfo)>("RpeSetGraphTypeInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 6);
    return entryPoint(printJob, sectionN, graphN, info);
}

RpeBool RpeGetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text)
{
    auto *entryPoint = enter<decltype(::RpeGetGraphText)>("RpeGetGraphText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(text, 1026);
    return entryPoint(printJob, sectionN, graphN, text);
}

RpeBool RpeSetGraphText(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphText *text)
{
    auto *entryPoint = enter<decltype(::RpeSetGraphText)>("RpeSetGraphText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(text, 1026);
    return entryPoint(printJob, sectionN, graphN, text);
}

RpeBool RpeGetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                            RpeTextHandle *title, int16_t *titleLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGraphTextInfo)>("RpeGetGraphTextInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionN, graphN, titleType, title, titleLength);
}

RpeBool RpeSetGraphTextInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleType,
                            const char *title)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGraphTextInfo)>("RpeSetGraphTextInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionN, graphN, titleType, title);
}

RpeBool RpeGetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                            RpeFontColorInfo *font)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGraphFontInfo)>("RpeGetGraphFontInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(font, above(7, 88, 86));
    return entryPoint(printJob, sectionN, graphN, titleFontType, font);
}

RpeBool RpeSetGraphFontInfo(int16_t printJob, int16_t sectionN, int16_t graphN, int16_t titleFontType,
                            RpeFontColorInfo *font)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGraphFontInfo)>("RpeSetGraphFontInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(font, above(7, 88, 86));
    return entryPoint(printJob, sectionN, graphN, titleFontType, font);
}

RpeBool RpeGetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeGetGraphOptions)>("RpeGetGraphOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 162);
    return entryPoint(printJob, sectionN, graphN, options);
}

RpeBool RpeSetGraphOptions(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeSetGraphOptions)>("RpeSetGraphOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 162);
    return entryPoint(printJob, sectionN, graphN, options);
}

RpeBool RpeGetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptionInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGraphOptionInfo)>("RpeGetGraphOptionInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(7, 28, 26));
    return entryPoint(printJob, sectionN, graphN, info);
}

RpeBool RpeSetGraphOptionInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphOptionInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGraphOptionInfo)>("RpeSetGraphOptionInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(7, 28, 26));
    return entryPoint(printJob, sectionN, graphN, info);
}

RpeBool RpeGetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data)
{
    auto *entryPoint = enter<decltype(::RpeGetGraphData)>("RpeGetGraphData", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(data, 10);
    return entryPoint(printJob, sectionN, graphN, data);
}

RpeBool RpeSetGraphData(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphDataInfo *data)
{
    auto *entryPoint = enter<decltype(::RpeSetGraphData)>("RpeSetGraphData", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(data, 10);
    return entryPoint(printJob, sectionN, graphN, data);
}

RpeBool RpeGetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphAxisInfo *axis)
{
    auto *entryPoint =
        enter<decltype(::RpeGetGraphAxisInfo)>("RpeGetGraphAxisInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(axis, above(7, 94, 88));
    return entryPoint(printJob, sectionN, graphN, axis);
}

RpeBool RpeSetGraphAxisInfo(int16_t printJob, int16_t sectionN, int16_t graphN, RpeGraphAxisInfo *axis)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGraphAxisInfo)>("RpeSetGraphAxisInfo", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(axis, above(7, 94, 88));
    return entryPoint(printJob, sectionN, graphN, axis);
}

int16_t RpeGetNFormulas(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNFormulas)>("RpeGetNFormulas", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthFormula(int16_t printJob, int16_t formulaN, RpeTextHandle *nameHandle, int16_t *nameLength,
                         RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthFormula)>("RpeGetNthFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, formulaN, nameHandle, nameLength, textHandle, textLength);
}

RpeBool RpeGetFormula(int16_t printJob, const char *formulaName, RpeTextHandle *textHandle,
                      int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetFormula)>("RpeGetFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, formulaName, textHandle, textLength);
}

RpeBool RpeSetFormula(int16_t printJob, const char *formulaName, const char *formulaText)
{
    auto *entryPoint = enter<decltype(::RpeSetFormula)>("RpeSetFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, formulaName, formulaText);
}

RpeBool RpeGetSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSelectionFormula)>("RpeGetSelectionFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, textHandle, textLength);
}

RpeBool RpeSetSelectionFormula(int16_t printJob, const char *formulaText)
{
    auto *entryPoint =
        enter<decltype(::RpeSetSelectionFormula)>("RpeSetSelectionFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, formulaText);
}

RpeBool RpeGetGroupSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetGroupSelectionFormula)>("RpeGetGroupSelectionFormula",
                                                                      Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, textHandle, textLength);
}

RpeBool RpeSetGroupSelectionFormula(int16_t printJob, const char *formulaText)
{
    auto *entryPoint = enter<decltype(::RpeSetGroupSelectionFormula)>("RpeSetGroupSelectionFormula",
                                                                      Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, formulaText);
}

RpeBool RpeGetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetSectionFormatFormula)>("RpeGetSectionFormatFormula", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, formulaName, textHandle, textLength);
}

RpeBool RpeSetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   const char *formulaText)
{
    auto *entryPoint = enter<decltype(::RpeSetSectionFormatFormula)>("RpeSetSectionFormatFormula", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, formulaName, formulaText);
}

RpeBool RpeGetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetAreaFormatFormula)>("RpeGetAreaFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, areaCode, formulaName, textHandle, textLength);
}

RpeBool RpeSetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                const char *formulaText)
{
    auto *entryPoint =
        enter<decltype(::RpeSetAreaFormatFormula)>("RpeSetAreaFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, areaCode, formulaName, formulaText);
}

int16_t RpeGetNSQLExpressions(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNSQLExpressions)>("RpeGetNSQLExpressions", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthSQLExpression(int16_t printJob, int16_t expressionN, RpeTextHandle *nameHandle,
                               int16_t *nameLength, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthSQLExpression)>("RpeGetNthSQLExpression", Gate::Rpe7OrHigher,
                                                                 Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, expressionN, nameHandle, nameLength, textHandle, textLength);
}

RpeBool RpeGetSQLExpression(int16_t printJob, const char *expressionName, RpeTextHandle *textHandle,
                            int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSQLExpression)>("RpeGetSQLExpression", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, expressionName, textHandle, textLength);
}

RpeBool RpeSetSQLExpression(int16_t printJob, const char *expressionName, const char *expressionText)
{
    auto *entryPoint =
        enter<decltype(::RpeSetSQLExpression)>("RpeSetSQLExpression", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, expressionName, expressionText);
}

int16_t RpeGetNParams(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNParams)>("RpeGetNParams", Gate::Rpe6OrLower, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthParamInfo(int16_t printJob, int16_t paramN, RpeParamInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthParamInfo)>("RpeGetNthParamInfo", Gate::Rpe6OrLower, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 132);
    return entryPoint(printJob, paramN, info);
}

RpeBool RpeGetNthParam(int16_t printJob, int16_t paramN, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParam)>("RpeGetNthParam", Gate::Rpe6OrLower, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, paramN, textHandle, textLength);
}

RpeBool RpeSetNthParam(int16_t printJob, int16_t paramN, const char *value)
{
    auto *entryPoint = enter<decltype(::RpeSetNthParam)>("RpeSetNthParam", Gate::Rpe6OrLower, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, paramN, value);
}

int16_t RpeGetNParameterFields(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNParameterFields)>("RpeGetNParameterFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthParameterField)>("RpeGetNthParameterField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(6, 1438, 1162));
    return entryPoint(printJob, parameterN, info);
}

RpeBool RpeSetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthParameterField)>("RpeSetNthParameterField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(6, 1438, 1162));
    return entryPoint(printJob, parameterN, info);
}

RpeBool RpeConvertPFInfoToVInfo(void *value, int16_t valueType, RpeValueInfo *valueInfo)
{
    auto *entryPoint =
        enter<decltype(::RpeConvertPFInfoToVInfo)>("RpeConvertPFInfoToVInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(valueInfo, above(5, 316, 311));
    return entryPoint(value, valueType, valueInfo);
}

RpeBool RpeConvertVInfoToPFInfo(RpeValueInfo *valueInfo, int16_t *valueType, void *value)
{
    auto *entryPoint =
        enter<decltype(::RpeConvertVInfoToPFInfo)>("RpeConvertVInfoToPFInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(valueInfo, above(5, 316, 311));
    return entryPoint(valueInfo, valueType, value);
}

int16_t RpeGetNParameterDefaultValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    auto *entryPoint = enter<decltype(::RpeGetNParameterDefaultValues)>("RpeGetNParameterDefaultValues",
                                                                        Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, parameterFieldName, reportName);
}

RpeBool RpeGetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParameterDefaultValue)>("RpeGetNthParameterDefaultValue",
                                                                         Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(value, 316);
    return entryPoint(printJob, parameterFieldName, reportName, index, value);
}

RpeBool RpeSetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    auto *entryPoint = enter<decltype(::RpeSetNthParameterDefaultValue)>("RpeSetNthParameterDefaultValue",
                                                                         Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(value, 316);
    return entryPoint(printJob, parameterFieldName, reportName, index, value);
}

RpeBool RpeAddParameterDefaultValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value)
{
    auto *entryPoint = enter<decltype(::RpeAddParameterDefaultValue)>("RpeAddParameterDefaultValue",
                                                                      Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(value, 316);
    return entryPoint(printJob, parameterFieldName, reportName, value);
}

RpeBool RpeDeleteNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                          const char *reportName, int16_t index)
{
    auto *entryPoint = enter<decltype(::RpeDeleteNthParameterDefaultValue)>(
        "RpeDeleteNthParameterDefaultValue", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName, index);
}

RpeBool RpeGetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue)
{
    auto *entryPoint = enter<decltype(::RpeGetParameterMinMaxValue)>("RpeGetParameterMinMaxValue",
                                                                     Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(minValue, 316);
    setStructSize(maxValue, 316);
    return entryPoint(printJob, parameterFieldName, reportName, minValue, maxValue);
}

RpeBool RpeSetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue)
{
    auto *entryPoint = enter<decltype(::RpeSetParameterMinMaxValue)>("RpeSetParameterMinMaxValue",
                                                                     Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(minValue, 316);
    setStructSize(maxValue, 316);
    return entryPoint(printJob, parameterFieldName, reportName, minValue, maxValue);
}

RpeBool RpeGetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, RpeTextHandle *textHandle,
                                           int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParameterValueDescription)>(
        "RpeGetNthParameterValueDescription", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName, index, textHandle, textLength);
}

RpeBool RpeSetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, const char *description)
{
    auto *entryPoint = enter<decltype(::RpeSetNthParameterValueDescription)>(
        "RpeSetNthParameterValueDescription", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName, index, description);
}

RpeBool RpeGetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option)
{
    auto *entryPoint = enter<decltype(::RpeGetParameterPickListOption)>("RpeGetParameterPickListOption",
                                                                        Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(option, 8);
    return entryPoint(printJob, parameterFieldName, reportName, option);
}

RpeBool RpeSetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option)
{
    auto *entryPoint = enter<decltype(::RpeSetParameterPickListOption)>("RpeSetParameterPickListOption",
                                                                        Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(option, 8);
    return entryPoint(printJob, parameterFieldName, reportName, option);
}

RpeBool RpeGetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetParameterValueInfo)>("RpeGetParameterValueInfo",
                                                                   Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 16);
    return entryPoint(printJob, parameterFieldName, reportName, info);
}

RpeBool RpeSetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetParameterValueInfo)>("RpeSetParameterValueInfo",
                                                                   Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 16);
    return entryPoint(printJob, parameterFieldName, reportName, info);
}

int16_t RpeGetNParameterCurrentValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    auto *entryPoint = enter<decltype(::RpeGetNParameterCurrentValues)>("RpeGetNParameterCurrentValues",
                                                                        Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, parameterFieldName, reportName);
}

RpeBool RpeGetNthParameterCurrentValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParameterCurrentValue)>("RpeGetNthParameterCurrentValue",
                                                                         Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(value, 316);
    return entryPoint(printJob, parameterFieldName, reportName, index, value);
}

RpeBool RpeAddParameterCurrentValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value)
{
    auto *entryPoint = enter<decltype(::RpeAddParameterCurrentValue)>("RpeAddParameterCurrentValue",
                                                                      Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(value, 316);
    return entryPoint(printJob, parameterFieldName, reportName, value);
}

int16_t RpeGetNParameterCurrentRanges(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    auto *entryPoint = enter<decltype(::RpeGetNParameterCurrentRanges)>("RpeGetNParameterCurrentRanges",
                                                                        Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, parameterFieldName, reportName);
}

RpeBool RpeGetNthParameterCurrentRange(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *rangeStart,
                                       RpeValueInfo *rangeEnd, int16_t *rangeInfo)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParameterCurrentRange)>("RpeGetNthParameterCurrentRange",
                                                                         Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(rangeStart, 316);
    setStructSize(rangeEnd, 316);
    return entryPoint(printJob, parameterFieldName, reportName, index, rangeStart, rangeEnd, rangeInfo);
}

RpeBool RpeAddParameterCurrentRange(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *rangeStart, RpeValueInfo *rangeEnd, int16_t rangeInfo)
{
    auto *entryPoint = enter<decltype(::RpeAddParameterCurrentRange)>("RpeAddParameterCurrentRange",
                                                                      Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(rangeStart, 316);
    setStructSize(rangeEnd, 316);
    return entryPoint(printJob, parameterFieldName, reportName, rangeStart, rangeEnd, rangeInfo);
}

RpeBool RpeClearParameterCurrentValuesAndRanges(int16_t printJob, const char *parameterFieldName,
                                                const char *reportName)
{
    auto *entryPoint = enter<decltype(::RpeClearParameterCurrentValuesAndRanges)>(
        "RpeClearParameterCurrentValuesAndRanges", Gate::Rpe7OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName);
}

int16_t RpeGetNthParameterType(int16_t printJob, int16_t parameterN)
{
    auto *entryPoint = enter<decltype(::RpeGetNthParameterType)>("RpeGetNthParameterType", Gate::Rpe7OrHigher,
                                                                 Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, parameterN);
}

int16_t RpeGetNSortFields(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNSortFields)>("RpeGetNSortFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                           int16_t *nameLength, int16_t *direction)
{
    auto *entryPoint = enter<decltype(::RpeGetNthSortField)>("RpeGetNthSortField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN, nameHandle, nameLength, direction);
}

RpeBool RpeSetNthSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction)
{
    auto *entryPoint = enter<decltype(::RpeSetNthSortField)>("RpeSetNthSortField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN, name, direction);
}

RpeBool RpeDeleteNthSortField(int16_t printJob, int16_t sortFieldN)
{
    auto *entryPoint =
        enter<decltype(::RpeDeleteNthSortField)>("RpeDeleteNthSortField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN);
}

int16_t RpeGetNGroupSortFields(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNGroupSortFields)>("RpeGetNGroupSortFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthGroupSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                                int16_t *nameLength, int16_t *direction)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthGroupSortField)>("RpeGetNthGroupSortField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN, nameHandle, nameLength, direction);
}

RpeBool RpeSetNthGroupSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthGroupSortField)>("RpeSetNthGroupSortField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN, name, direction);
}

RpeBool RpeDeleteNthGroupSortField(int16_t printJob, int16_t sortFieldN)
{
    auto *entryPoint = enter<decltype(::RpeDeleteNthGroupSortField)>("RpeDeleteNthGroupSortField", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sortFieldN);
}

int16_t RpeGetNTables(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetNTables)>("RpeGetNTables", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthTableType(int16_t printJob, int16_t tableN, RpeTableType *tableType)
{
    auto *entryPoint = enter<decltype(::RpeGetNthTableType)>("RpeGetNthTableType", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(tableType, 324);
    return entryPoint(printJob, tableN, tableType);
}

RpeBool RpeGetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthTableSessionInfo)>("RpeGetNthTableSessionInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(sessionInfo, 262);
    return entryPoint(printJob, tableN, sessionInfo);
}

RpeBool RpeSetNthTableSessionInfo(int16_t printJob, int16_t tableN, RpeSessionInfo *sessionInfo,
                                  RpeBool propagate)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTableSessionInfo)>("RpeSetNthTableSessionInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(sessionInfo, 262);
    return entryPoint(printJob, tableN, sessionInfo, propagate);
}

RpeBool RpeGetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthTableLogOnInfo)>("RpeGetNthTableLogOnInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(logOnInfo, 514);
    return entryPoint(printJob, tableN, logOnInfo);
}

RpeBool RpeSetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo,
                                RpeBool propagateAcrossTables)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTableLogOnInfo)>("RpeSetNthTableLogOnInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(logOnInfo, 514);
    return entryPoint(printJob, tableN, logOnInfo, propagateAcrossTables);
}

RpeBool RpeGetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthTableLocation)>("RpeGetNthTableLocation", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(location, above(6, 1026, 258));
    return entryPoint(printJob, tableN, location);
}

RpeBool RpeSetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTableLocation)>("RpeSetNthTableLocation", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(location, above(6, 1026, 258));
    return entryPoint(printJob, tableN, location);
}

RpeBool RpeGetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo)
{
    auto *entryPoint = enter<decltype(::RpeGetNthTablePrivateInfo)>("RpeGetNthTablePrivateInfo",
                                                                    Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(privateInfo, 12);
    return entryPoint(printJob, tableN, privateInfo);
}

RpeBool RpeSetNthTablePrivateInfo(int16_t printJob, int16_t tableN, RpeTablePrivateInfo *privateInfo)
{
    auto *entryPoint = enter<decltype(::RpeSetNthTablePrivateInfo)>("RpeSetNthTablePrivateInfo",
                                                                    Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(privateInfo, 12);
    return entryPoint(printJob, tableN, privateInfo);
}

RpeBool RpeTestNthTableConnectivity(int16_t printJob, int16_t tableN)
{
    auto *entryPoint = enter<decltype(::RpeTestNthTableConnectivity)>("RpeTestNthTableConnectivity",
                                                                      Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, tableN);
}

RpeBool RpeLogOffServer(const char *dllName, RpeLogOnInfo *logOnInfo)
{
    auto *entryPoint = enter<decltype(::RpeLogOffServer)>("RpeLogOffServer", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(logOnInfo, 514);
    return entryPoint(dllName, logOnInfo);
}

RpeBool RpeGetSQLQuery(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetSQLQuery)>("RpeGetSQLQuery", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, textHandle, textLength);
}

RpeBool RpeSetSQLQuery(int16_t printJob, const char *queryString)
{
    auto *entryPoint = enter<decltype(::RpeSetSQLQuery)>("RpeSetSQLQuery", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, queryString);
}

RpeBool RpeDiscardSavedData(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeDiscardSavedData)>("RpeDiscardSavedData", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

RpeBool RpeGetReportTitle(int16_t printJob, RpeTextHandle *titleHandle, int16_t *titleLength)
{
    auto *entryPoint = enter<decltype(::RpeGetReportTitle)>("RpeGetReportTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, titleHandle, titleLength);
}

RpeBool RpeSetReportTitle(int16_t printJob, const char *title)
{
    auto *entryPoint = enter<decltype(::RpeSetReportTitle)>("RpeSetReportTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, title);
}

RpeBool RpeOutputToWindow(int16_t printJob, const char *title, int32_t left, int32_t top, int32_t width,
                          int32_t height, uint32_t style, RpeWindowHandle parentWindow)
{
    auto *entryPoint = enter<decltype(::RpeOutputToWindow)>("RpeOutputToWindow", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, title, left, top, width, height, style, parentWindow);
}

RpeWindowHandle RpeGetWindowHandle(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetWindowHandle)>("RpeGetWindowHandle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return nullptr;
    return entryPoint(printJob);
}

RpeBool RpeCloseWindow(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeCloseWindow)>("RpeCloseWindow", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

RpeBool RpeGetWindowOptions(int16_t printJob, RpeWindowOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetWindowOptions)>("RpeGetWindowOptions", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, byMajor(26, 30, 32));
    return entryPoint(printJob, options);
}

RpeBool RpeSetWindowOptions(int16_t printJob, RpeWindowOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeSetWindowOptions)>("RpeSetWindowOptions", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, byMajor(26, 30, 32));
    return entryPoint(printJob, options);
}

RpeBool RpeShowPrintControls(int16_t printJob, RpeBool showPrintControls)
{
    auto *entryPoint =
        enter<decltype(::RpeShowPrintControls)>("RpeShowPrintControls", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, showPrintControls);
}

RpeBool RpePrintControlsShowing(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpePrintControlsShowing)>("RpePrintControlsShowing", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob);
}

RpeBool RpeZoomPreviewWindow(int16_t printJob, int16_t level)
{
    auto *entryPoint =
        enter<decltype(::RpeZoomPreviewWindow)>("RpeZoomPreviewWindow", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, level);
}

RpeBool RpeOutputToPrinter(int16_t printJob, int16_t nCopies)
{
    auto *entryPoint = enter<decltype(::RpeOutputToPrinter)>("RpeOutputToPrinter", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, nCopies);
}

RpeBool RpeSelectPrinter(int16_t printJob, const char *driverName, const char *printerName,
                         const char *portName, RpeDeviceMode *mode)
{
    auto *entryPoint = enter<decltype(::RpeSelectPrinter)>("RpeSelectPrinter", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, driverName, printerName, portName, mode);
}

RpeBool RpeGetSelectedPrinter(int16_t printJob, RpeTextHandle *driverHandle, int16_t *driverLength,
                              RpeTextHandle *printerHandle, int16_t *printerLength, RpeTextHandle *portHandle,
                              int16_t *portLength, RpeDeviceMode *mode)
{
    auto *entryPoint =
        enter<decltype(::RpeGetSelectedPrinter)>("RpeGetSelectedPrinter", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, driverHandle, driverLength, printerHandle, printerLength, portHandle,
                      portLength, mode);
}

int16_t RpeGetNDetailCopies(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNDetailCopies)>("RpeGetNDetailCopies", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeSetNDetailCopies(int16_t printJob, int16_t nDetailCopies)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNDetailCopies)>("RpeSetNDetailCopies", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, nDetailCopies);
}

RpeBool RpeGetPrintOptions(int16_t printJob, RpePrintOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeGetPrintOptions)>("RpeGetPrintOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(6, 522, 10));
    return entryPoint(printJob, options);
}

RpeBool RpeSetPrintOptions(int16_t printJob, RpePrintOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeSetPrintOptions)>("RpeSetPrintOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(6, 522, 10));
    return entryPoint(printJob, options);
}

RpeBool RpeGetExportOptions(int16_t printJob, RpeExportOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetExportOptions)>("RpeGetExportOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 150);
    return entryPoint(printJob, options);
}

RpeBool RpeExportTo(int16_t printJob, RpeExportOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeExportTo)>("RpeExportTo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 150);
    return entryPoint(printJob, options);
}

RpeBool RpeGetMargins(int16_t printJob, int16_t *left, int16_t *right, int16_t *top, int16_t *bottom)
{
    auto *entryPoint = enter<decltype(::RpeGetMargins)>("RpeGetMargins", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, left, right, top, bottom);
}

RpeBool RpeSetMargins(int16_t printJob, int16_t left, int16_t right, int16_t top, int16_t bottom)
{
    auto *entryPoint = enter<decltype(::RpeSetMargins)>("RpeSetMargins", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, left, right, top, bottom);
}

RpeBool RpeGetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetReportSummaryInfo)>("RpeGetReportSummaryInfo",
                                                                  Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(7, 1284, 1282));
    return entryPoint(printJob, info);
}

RpeBool RpeSetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetReportSummaryInfo)>("RpeSetReportSummaryInfo",
                                                                  Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, above(7, 1284, 1282));
    return entryPoint(printJob, info);
}

RpeBool RpeEnableEvent(int16_t printJob, RpeEnableEventInfo *enableEventInfo)
{
    auto *entryPoint = enter<decltype(::RpeEnableEvent)>("RpeEnableEvent", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(enableEventInfo, byMajor(14, 18, 22));
    return entryPoint(printJob, enableEventInfo);
}

RpeBool RpeSetEventCallback(int16_t printJob, RpeEventCallback callback, void *userData)
{
    auto *entryPoint =
        enter<decltype(::RpeSetEventCallback)>("RpeSetEventCallback", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, callback, userData);
}

RpeBool RpeGetFieldMappingType(int16_t printJob, int16_t *mappingType)
{
    auto *entryPoint = enter<decltype(::RpeGetFieldMappingType)>("RpeGetFieldMappingType", Gate::Rpe7OrHigher,
                                                                 Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, mappingType);
}

RpeBool RpeSetFieldMappingType(int16_t printJob, int16_t mappingType)
{
    auto *entryPoint = enter<decltype(::RpeSetFieldMappingType)>("RpeSetFieldMappingType", Gate::Rpe7OrHigher,
                                                                 Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, mappingType);
}

RpeBool RpeGetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo)
{
    auto *entryPoint =
        enter<decltype(::RpeGetTrackCursorInfo)>("RpeGetTrackCursorInfo", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(cursorInfo, above(7, 36, 32));
    return entryPoint(printJob, cursorInfo);
}

RpeBool RpeSetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo)
{
    auto *entryPoint =
        enter<decltype(::RpeSetTrackCursorInfo)>("RpeSetTrackCursorInfo", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(cursorInfo, above(7, 36, 32));
    return entryPoint(printJob, cursorInfo);
}

RpeBool RpeGetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format)
{
    auto *entryPoint = enter<decltype(::RpeGetObjectFormat)>("RpeGetObjectFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(format, above(5, 316, 311));
    return entryPoint(printJob, object, format);
}

RpeBool RpeSetObjectFormat(int16_t printJob, RpeObjectHandle object, RpeObjectFormat *format)
{
    auto *entryPoint = enter<decltype(::RpeSetObjectFormat)>("RpeSetObjectFormat", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(format, above(5, 316, 311));
    return entryPoint(printJob, object, format);
}

int16_t RpeGetNObjectsInSection(int16_t printJob, int16_t sectionCode)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNObjectsInSection)>("RpeGetNObjectsInSection", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, sectionCode);
}

RpeObjectHandle RpeGetNthObjectInSection(int16_t printJob, int16_t sectionCode, int16_t objectN)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthObjectInSection)>("RpeGetNthObjectInSection", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, objectN);
}

RpeBool RpeGetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetObjectInfo)>("RpeGetObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 22);
    return entryPoint(printJob, object, info);
}

RpeBool RpeSetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetObjectInfo)>("RpeSetObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 22);
    return entryPoint(printJob, object, info);
}

RpeBool RpeGetOleObjectInfo(int16_t printJob, RpeObjectHandle object, RpeOleObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetOleObjectInfo)>("RpeGetOleObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 262);
    return entryPoint(printJob, object, info);
}

RpeBool RpeGetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font)
{
    auto *entryPoint =
        enter<decltype(::RpeGetObjectFontColor)>("RpeGetObjectFontColor", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(font, above(7, 88, 86));
    return entryPoint(printJob, object, font);
}

RpeBool RpeSetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font)
{
    auto *entryPoint =
        enter<decltype(::RpeSetObjectFontColor)>("RpeSetObjectFontColor", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(font, above(7, 88, 86));
    return entryPoint(printJob, object, font);
}

RpeBool RpeChangeSummaryType(int16_t printJob, RpeObjectHandle object, int16_t summaryType)
{
    auto *entryPoint =
        enter<decltype(::RpeChangeSummaryType)>("RpeChangeSummaryType", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, summaryType);
}

RpeBool RpeGetFieldObjectInfo(int16_t printJob, RpeObjectHandle object, RpeFieldObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetFieldObjectInfo)>("RpeGetFieldObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 520);
    return entryPoint(printJob, object, info);
}

int16_t RpeGetNParagraphs(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeGetNParagraphs)>("RpeGetNParagraphs", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                               RpeParagraphInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthParagraphInfo)>("RpeGetNthParagraphInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 24);
    return entryPoint(printJob, object, paragraphN, info);
}

RpeBool RpeSetNthParagraphInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN,
                               RpeParagraphInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthParagraphInfo)>("RpeSetNthParagraphInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 24);
    return entryPoint(printJob, object, paragraphN, info);
}

int16_t RpeGetNTabStopsInParagraph(int16_t printJob, RpeObjectHandle object, int16_t paragraphN)
{
    auto *entryPoint = enter<decltype(::RpeGetNTabStopsInParagraph)>("RpeGetNTabStopsInParagraph", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object, paragraphN);
}

RpeBool RpeGetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN,
                             RpeTabStopInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthTabStopInfo)>("RpeGetNthTabStopInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 8);
    return entryPoint(printJob, object, paragraphN, tabStopN, info);
}

RpeBool RpeSetNthTabStopInfo(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN,
                             RpeTabStopInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTabStopInfo)>("RpeSetNthTabStopInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 8);
    return entryPoint(printJob, object, paragraphN, tabStopN, info);
}

RpeBool RpeDeleteNthTabStop(int16_t printJob, RpeObjectHandle object, int16_t paragraphN, int16_t tabStopN)
{
    auto *entryPoint =
        enter<decltype(::RpeDeleteNthTabStop)>("RpeDeleteNthTabStop", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, paragraphN, tabStopN);
}

int16_t RpeGetNEmbeddedFields(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNEmbeddedFields)>("RpeGetNEmbeddedFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetNthEmbeddedFieldInfo(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   RpeEmbeddedFieldInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetNthEmbeddedFieldInfo)>("RpeGetNthEmbeddedFieldInfo", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 524);
    return entryPoint(printJob, object, fieldN, info);
}

RpeBool RpeGetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                     RpeObjectFormat *format)
{
    auto *entryPoint = enter<decltype(::RpeGetNthEmbeddedFieldFormat)>("RpeGetNthEmbeddedFieldFormat",
                                                                       Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(format, above(5, 316, 311));
    return entryPoint(printJob, object, fieldN, format);
}

RpeBool RpeSetNthEmbeddedFieldFormat(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                     RpeObjectFormat *format)
{
    auto *entryPoint = enter<decltype(::RpeSetNthEmbeddedFieldFormat)>("RpeSetNthEmbeddedFieldFormat",
                                                                       Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(format, above(5, 316, 311));
    return entryPoint(printJob, object, fieldN, format);
}

RpeBool RpeGetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                            int16_t formulaName, RpeTextHandle *textHandle,
                                            int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthEmbeddedFieldFormatFormula)>(
        "RpeGetNthEmbeddedFieldFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, formulaName, textHandle, textLength);
}

RpeBool RpeSetNthEmbeddedFieldFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                            int16_t formulaName, const char *formulaText)
{
    auto *entryPoint = enter<decltype(::RpeSetNthEmbeddedFieldFormatFormula)>(
        "RpeSetNthEmbeddedFieldFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, formulaName, formulaText);
}

RpeBool RpeDeleteNthEmbeddedField(int16_t printJob, RpeObjectHandle object, int16_t fieldN)
{
    auto *entryPoint =
        enter<decltype(::RpeDeleteNthEmbeddedField)>("RpeDeleteNthEmbeddedField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN);
}

int32_t RpeGetTextSize(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeGetTextSize)>("RpeGetTextSize", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

int32_t RpeGetTextHeight(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeGetTextHeight)>("RpeGetTextHeight", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetText(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle, int32_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetText)>("RpeGetText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, textHandle, textLength);
}

RpeBool RpeInsertText(int16_t printJob, RpeObjectHandle object, int32_t position, const char *text)
{
    auto *entryPoint = enter<decltype(::RpeInsertText)>("RpeInsertText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, position, text);
}

RpeBool RpeDeleteText(int16_t printJob, RpeObjectHandle object, int32_t position, int32_t count)
{
    auto *entryPoint = enter<decltype(::RpeDeleteText)>("RpeDeleteText", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, position, count);
}

RpeBool RpeGetNthSubreportLink(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                               RpeTextHandle *mainFieldHandle, int16_t *mainFieldLength,
                               RpeTextHandle *subFieldHandle, int16_t *subFieldLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthSubreportLink)>("RpeGetNthSubreportLink", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, subreportHandle, linkN, mainFieldHandle, mainFieldLength, subFieldHandle,
                      subFieldLength);
}

RpeBool RpeGetNthSubreportLinkEx(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                                 RpeSubreportLinkInfo *link)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthSubreportLinkEx)>("RpeGetNthSubreportLinkEx", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(link, 1538);
    return entryPoint(printJob, subreportHandle, linkN, link);
}

RpeBool RpeGetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetLineObjectInfo)>("RpeGetLineObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 34);
    return entryPoint(printJob, object, info);
}

RpeBool RpeSetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetLineObjectInfo)>("RpeSetLineObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 34);
    return entryPoint(printJob, object, info);
}

RpeBool RpeGetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetBoxObjectInfo)>("RpeGetBoxObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 50);
    return entryPoint(printJob, object, info);
}

RpeBool RpeSetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetBoxObjectInfo)>("RpeSetBoxObjectInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 50);
    return entryPoint(printJob, object, info);
}

RpeBool RpeGetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetPictureFormatInfo)>("RpeGetPictureFormatInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 36);
    return entryPoint(printJob, object, info);
}

RpeBool RpeSetPictureFormatInfo(int16_t printJob, RpeObjectHandle object, RpePictureFormatInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeSetPictureFormatInfo)>("RpeSetPictureFormatInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 36);
    return entryPoint(printJob, object, info);
}

int16_t RpeGetNSummariesInCrossTabObject(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeGetNSummariesInCrossTabObject)>("RpeGetNSummariesInCrossTabObject",
                                                                           Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetNthSummaryInfoInCrossTabObject(int16_t printJob, RpeObjectHandle object, int16_t summaryN,
                                             RpeCrossTabSummaryInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetNthSummaryInfoInCrossTabObject)>(
        "RpeGetNthSummaryInfoInCrossTabObject", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 1038);
    return entryPoint(printJob, object, summaryN, info);
}

int16_t RpeGetNGroupsInCrossTabObject(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn)
{
    auto *entryPoint = enter<decltype(::RpeGetNGroupsInCrossTabObject)>("RpeGetNGroupsInCrossTabObject",
                                                                        Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object, rowOrColumn);
}

RpeBool RpeGetNthCrossTabGroupOptions(int16_t printJob, RpeObjectHandle object, int16_t rowOrColumn,
                                      int16_t groupN, RpeCrossTabGroupOptions *options)
{
    auto *entryPoint = enter<decltype(::RpeGetNthCrossTabGroupOptions)>("RpeGetNthCrossTabGroupOptions",
                                                                        Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 528);
    return entryPoint(printJob, object, rowOrColumn, groupN, options);
}

RpeBool RpeGetCrossTabOptions(int16_t printJob, RpeObjectHandle object, RpeCrossTabOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeGetCrossTabOptions)>("RpeGetCrossTabOptions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, 26);
    return entryPoint(printJob, object, options);
}

RpeBool RpeGetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                  RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetObjectFormatFormula)>("RpeGetObjectFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, formulaName, textHandle, textLength);
}

RpeBool RpeSetObjectFormatFormula(int16_t printJob, RpeObjectHandle object, int16_t formulaName,
                                  const char *formulaText)
{
    auto *entryPoint =
        enter<decltype(::RpeSetObjectFormatFormula)>("RpeSetObjectFormatFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, formulaName, formulaText);
}

RpeBool RpeGetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetParameterBrowseField)>("RpeGetParameterBrowseField", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName, textHandle, textLength);
}

RpeBool RpeSetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   const char *browseField)
{
    auto *entryPoint = enter<decltype(::RpeSetParameterBrowseField)>("RpeSetParameterBrowseField", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, parameterFieldName, reportName, browseField);
}

RpeBool RpeGetNthTableAliasName(int16_t printJob, int16_t tableN, RpeTextHandle *textHandle,
                                int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthTableAliasName)>("RpeGetNthTableAliasName", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, tableN, textHandle, textLength);
}

RpeBool RpeSetNthTableAliasName(int16_t printJob, int16_t tableN, const char *aliasName)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTableAliasName)>("RpeSetNthTableAliasName", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, tableN, aliasName);
}

RpeBool RpeSetNthTableServerType(int16_t printJob, int16_t tableN, RpeServerTypeInfo *serverType,
                                 RpeBool propagate)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthTableServerType)>("RpeSetNthTableServerType", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(serverType, 132);
    return entryPoint(printJob, tableN, serverType, propagate);
}

int16_t RpeGetNDatabaseFields(int16_t printJob, int16_t tableN)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNDatabaseFields)>("RpeGetNDatabaseFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, tableN);
}

RpeBool RpeGetNthDatabaseFieldInfo(int16_t printJob, int16_t tableN, int16_t fieldN,
                                   RpeDatabaseFieldInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetNthDatabaseFieldInfo)>("RpeGetNthDatabaseFieldInfo", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 262);
    return entryPoint(printJob, tableN, fieldN, info);
}

RpeBool RpeGetNthSummaryFieldInfo(int16_t printJob, RpeObjectHandle object, RpeSummaryFieldInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthSummaryFieldInfo)>("RpeGetNthSummaryFieldInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 1546);
    return entryPoint(printJob, object, info);
}

int16_t RpeGetReportStyle(int16_t printJob)
{
    auto *entryPoint = enter<decltype(::RpeGetReportStyle)>("RpeGetReportStyle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 99;
    return entryPoint(printJob);
}

RpeBool RpeSetReportStyle(int16_t printJob, int16_t style)
{
    auto *entryPoint = enter<decltype(::RpeSetReportStyle)>("RpeSetReportStyle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, style);
}

RpeBool RpeGetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetNthOLAPCubeLogOnInfo)>("RpeGetNthOLAPCubeLogOnInfo", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 1666);
    return entryPoint(printJob, cubeN, info);
}

RpeBool RpeSetNthOLAPCubeLogOnInfo(int16_t printJob, int16_t cubeN, RpeOlapLogOnInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetNthOLAPCubeLogOnInfo)>("RpeSetNthOLAPCubeLogOnInfo", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 1666);
    return entryPoint(printJob, cubeN, info);
}

int16_t RpeGetObjectNHiliteConditions(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeGetObjectNHiliteConditions)>("RpeGetObjectNHiliteConditions",
                                                                        Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeSetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                       RpeHiliteConditionInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetObjectNthHiliteCondition)>("RpeSetObjectNthHiliteCondition",
                                                                         Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, hiliteConditionSize());
    return entryPoint(printJob, object, conditionN, info);
}

RpeBool RpeGetObjectNthHiliteCondition(int16_t printJob, RpeObjectHandle object, int16_t conditionN,
                                       RpeHiliteConditionInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetObjectNthHiliteCondition)>("RpeGetObjectNthHiliteCondition",
                                                                         Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, hiliteConditionSize());
    return entryPoint(printJob, object, conditionN, info);
}

RpeBool RpeAddObjectHiliteCondition(int16_t printJob, RpeObjectHandle object, RpeHiliteConditionInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeAddObjectHiliteCondition)>("RpeAddObjectHiliteCondition",
                                                                      Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, hiliteConditionSize());
    return entryPoint(printJob, object, info);
}

RpeBool RpeClearObjectHiliteConditions(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint = enter<decltype(::RpeClearObjectHiliteConditions)>("RpeClearObjectHiliteConditions",
                                                                         Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object);
}

int16_t RpeGetNRunningTotals(int16_t printJob)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNRunningTotals)>("RpeGetNRunningTotals", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob);
}

RpeBool RpeGetNthRunningTotalName(int16_t printJob, int16_t totalN, RpeTextHandle *textHandle,
                                  int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthRunningTotalName)>("RpeGetNthRunningTotalName", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, totalN, textHandle, textLength);
}

RpeBool RpeGetRunningTotalInfo(int16_t printJob, const char *totalName, RpeRunningTotalInfo *info)
{
    auto *entryPoint =
        enter<decltype(::RpeGetRunningTotalInfo)>("RpeGetRunningTotalInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 14);
    return entryPoint(printJob, totalName, info);
}

RpeBool RpeGetRunningTotalConditionField(int16_t printJob, const char *totalName, int16_t conditionType,
                                         RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetRunningTotalConditionField)>("RpeGetRunningTotalConditionField",
                                                                           Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, totalName, conditionType, textHandle, textLength);
}

RpeBool RpeGetRunningTotalConditionFormula(int16_t printJob, const char *totalName, int16_t conditionType,
                                           RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetRunningTotalConditionFormula)>(
        "RpeGetRunningTotalConditionFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, totalName, conditionType, textHandle, textLength);
}

RpeBool RpeGetRunningTotalSummaryField(int16_t printJob, const char *totalName, int16_t fieldType,
                                       RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetRunningTotalSummaryField)>("RpeGetRunningTotalSummaryField",
                                                                         Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, totalName, fieldType, textHandle, textLength);
}

RpeBool RpeGetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeGetMapDataInfo)>("RpeGetMapDataInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 8);
    return entryPoint(printJob, object, info);
}

RpeBool RpeSetMapDataInfo(int16_t printJob, RpeObjectHandle object, RpeMapDataInfo *info)
{
    auto *entryPoint = enter<decltype(::RpeSetMapDataInfo)>("RpeSetMapDataInfo", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(info, 8);
    return entryPoint(printJob, object, info);
}

RpeBool RpeGetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style)
{
    auto *entryPoint = enter<decltype(::RpeGetMapStyle)>("RpeGetMapStyle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(style, 24);
    return entryPoint(printJob, object, style);
}

RpeBool RpeSetMapStyle(int16_t printJob, RpeObjectHandle object, RpeMapStyle *style)
{
    auto *entryPoint = enter<decltype(::RpeSetMapStyle)>("RpeSetMapStyle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(style, 24);
    return entryPoint(printJob, object, style);
}

int16_t RpeGetNMapSummaryFields(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNMapSummaryFields)>("RpeGetNMapSummaryFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                 RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthMapSummaryField)>("RpeGetNthMapSummaryField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, textHandle, textLength);
}

RpeBool RpeSetNthMapSummaryField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                 const char *fieldName)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthMapSummaryField)>("RpeSetNthMapSummaryField", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, fieldName);
}

int16_t RpeGetNMapConditionFields(int16_t printJob, RpeObjectHandle object)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNMapConditionFields)>("RpeGetNMapConditionFields", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, object);
}

RpeBool RpeGetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   RpeTextHandle *textHandle, int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetNthMapConditionField)>("RpeGetNthMapConditionField", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, textHandle, textLength);
}

RpeBool RpeSetNthMapConditionField(int16_t printJob, RpeObjectHandle object, int16_t fieldN,
                                   const char *fieldName)
{
    auto *entryPoint = enter<decltype(::RpeSetNthMapConditionField)>("RpeSetNthMapConditionField", Gate::None,
                                                                     Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, fieldN, fieldName);
}

RpeBool RpeSetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions)
{
    auto *entryPoint =
        enter<decltype(::RpeSetMapConditions)>("RpeSetMapConditions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(conditions, 6);
    return entryPoint(printJob, object, conditions);
}

RpeBool RpeGetMapConditions(int16_t printJob, RpeObjectHandle object, RpeMapCondition *conditions)
{
    auto *entryPoint =
        enter<decltype(::RpeGetMapConditions)>("RpeGetMapConditions", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(conditions, 6);
    return entryPoint(printJob, object, conditions);
}

RpeBool RpeSetMapTitle(int16_t printJob, RpeObjectHandle object, const char *title)
{
    auto *entryPoint = enter<decltype(::RpeSetMapTitle)>("RpeSetMapTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, title);
}

RpeBool RpeGetMapTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                       int16_t *textLength)
{
    auto *entryPoint = enter<decltype(::RpeGetMapTitle)>("RpeGetMapTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, textHandle, textLength);
}

RpeBool RpeSetMapLegendTitle(int16_t printJob, RpeObjectHandle object, const char *title)
{
    auto *entryPoint =
        enter<decltype(::RpeSetMapLegendTitle)>("RpeSetMapLegendTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, title);
}

RpeBool RpeGetMapLegendTitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                             int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetMapLegendTitle)>("RpeGetMapLegendTitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, textHandle, textLength);
}

RpeBool RpeSetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, const char *title)
{
    auto *entryPoint =
        enter<decltype(::RpeSetMapLegendSubtitle)>("RpeSetMapLegendSubtitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, title);
}

RpeBool RpeGetMapLegendSubtitle(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle,
                                int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetMapLegendSubtitle)>("RpeGetMapLegendSubtitle", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, object, textHandle, textLength);
}

RpeBool RpeSetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax)
{
    auto *entryPoint =
        enter<decltype(::RpeSetFormulaSyntax)>("RpeSetFormulaSyntax", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(syntax, 6);
    return entryPoint(printJob, syntax);
}

RpeBool RpeGetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax)
{
    auto *entryPoint =
        enter<decltype(::RpeGetFormulaSyntax)>("RpeGetFormulaSyntax", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(syntax, 6);
    return entryPoint(printJob, syntax);
}

RpeBool RpeGetStartPageNumber(int16_t printJob, int16_t *startPageNumber)
{
    auto *entryPoint =
        enter<decltype(::RpeGetStartPageNumber)>("RpeGetStartPageNumber", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, startPageNumber);
}

RpeBool RpeSetStartPageNumber(int16_t printJob, int16_t startPageNumber)
{
    auto *entryPoint =
        enter<decltype(::RpeSetStartPageNumber)>("RpeSetStartPageNumber", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, startPageNumber);
}

RpeBool RpeSetGlobalOptions(int16_t printJob, RpeGlobalOptions *options)
{
    auto *entryPoint =
        enter<decltype(::RpeSetGlobalOptions)>("RpeSetGlobalOptions", Gate::Rpe6OrHigher, Enter::Normal);
    if (!entryPoint)
        return 0;
    setStructSize(options, above(7, 8, 6));
    return entryPoint(printJob, options);
}

int16_t RpeGetNSectionsInArea(int16_t printJob, int16_t areaCode)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNSectionsInArea)>("RpeGetNSectionsInArea", Gate::None, Enter::Normal);
    if (!entryPoint)
        return -1;
    return entryPoint(printJob, areaCode);
}

RpeBool RpeGetSectionWidth(int16_t printJob, int16_t sectionCode, int16_t *width)
{
    auto *entryPoint = enter<decltype(::RpeGetSectionWidth)>("RpeGetSectionWidth", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, sectionCode, width);
}

RpeBool RpeGetNthGroupNameFormula(int16_t printJob, int16_t groupN, RpeTextHandle *textHandle,
                                  int16_t *textLength)
{
    auto *entryPoint =
        enter<decltype(::RpeGetNthGroupNameFormula)>("RpeGetNthGroupNameFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, groupN, textHandle, textLength);
}

RpeBool RpeSetNthGroupNameFormula(int16_t printJob, int16_t groupN, const char *formulaText)
{
    auto *entryPoint =
        enter<decltype(::RpeSetNthGroupNameFormula)>("RpeSetNthGroupNameFormula", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(printJob, groupN, formulaText);
}

RpeBool RpeSetTempFilePath(const char *tempFilePath)
{
    auto *entryPoint = enter<decltype(::RpeSetTempFilePath)>("RpeSetTempFilePath", Gate::None, Enter::Normal);
    if (!entryPoint)
        return 0;
    return entryPoint(tempFilePath);
}
} // namespace RpeDynamic
