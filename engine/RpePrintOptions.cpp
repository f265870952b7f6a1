#include "engine/RpePrintOptions.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

#include <cstring>

namespace dyn = RpeDynamic;

namespace {

constexpr qsizetype maxFileNameLength = 512;

QString fileNameOf(const RpePrintOptions &options)
{
    return QString::fromUtf8(options.OutputFileName,
                             qsizetype(strnlen(options.OutputFileName, sizeof options.OutputFileName)));
}

void setFileName(RpePrintOptions &options, const QString &fileName)
{
    QByteArray utf8 = fileName.toUtf8();
    if (utf8.size() >= qsizetype(sizeof options.OutputFileName)) {
        utf8.truncate(sizeof options.OutputFileName - 1);
        // Never half a character at the cut.
        while (!utf8.isEmpty() && (uchar(utf8.back()) & 0xC0) == 0x80)
            utf8.chop(1);
        if (!utf8.isEmpty() && (uchar(utf8.back()) & 0xC0) == 0xC0)
            utf8.chop(1);
    }
    std::memset(options.OutputFileName, 0, sizeof options.OutputFileName);
    std::memcpy(options.OutputFileName, utf8.constData(), size_t(utf8.size()));
}

} // namespace

void TRpePrintOptions::Clear()
{
    m_copies = 1;
    m_collation = true;
    m_startPage = 0;
    m_stopPage = 0;
    m_outputFileName.clear();
}

bool TRpePrintOptions::pull(const char *property)
{
    const int16_t job = Rpe->PrintJobs(0);
    if (!Rpe->JobIsOpen() || job <= 0)
        return false;
    RpePrintOptions options{};
    Rpe->UseHandle();
    if (!dyn::RpeGetPrintOptions(job, &options)) {
        RpeOutput::engineFailed(
            Rpe, job, QStringLiteral("PrintOptions.%1 <RpeGetPrintOptions>").arg(QLatin1String(property)));
        return false;
    }
    m_copies = options.NReportCopies;
    m_collation = options.Collation != 0;
    m_startPage = options.StartPageN;
    m_stopPage = options.StopPageN;
    if (dyn::RpeMajor >= 7)
        m_outputFileName = fileNameOf(options);
    return true;
}

void TRpePrintOptions::push(const char *property, const std::function<bool(RpePrintOptions &)> &change)
{
    if (!Rpe->JobReady(0))
        return;
    const int16_t job = Rpe->PrintJobs(0);
    const QString name = QStringLiteral("PrintOptions.Set%1").arg(QLatin1String(property));
    RpePrintOptions options{};
    Rpe->UseHandle();
    if (!dyn::RpeGetPrintOptions(job, &options)) {
        RpeOutput::engineFailed(Rpe, job, name + QStringLiteral(" <RpeGetPrintOptions>"));
        return;
    }
    if (!change(options))
        return;
    Rpe->UseHandle();
    if (!dyn::RpeSetPrintOptions(job, &options))
        RpeOutput::engineFailed(Rpe, job, name + QStringLiteral(" <RpeSetPrintOptions>"));
}

template <typename Value, typename Field>
void TRpePrintOptions::setField(const char *property, Value &cached, Value value,
                                Field RpePrintOptions::*field)
{
    cached = value;
    push(property, [&](RpePrintOptions &o) {
        if (Value(o.*field) == value)
            return false;
        o.*field = Field(value);
        return true;
    });
}

uint16_t TRpePrintOptions::Copies()
{
    pull("Copies");
    return m_copies;
}

void TRpePrintOptions::setCopies(uint16_t copies)
{
    setField("Copies", m_copies, copies, &RpePrintOptions::NReportCopies);
}

bool TRpePrintOptions::Collation()
{
    pull("Collation");
    return m_collation;
}

void TRpePrintOptions::setCollation(bool collation)
{
    setField("Collation", m_collation, collation, &RpePrintOptions::Collation);
}

uint16_t TRpePrintOptions::StartPage()
{
    pull("StartPage");
    return m_startPage;
}

void TRpePrintOptions::setStartPage(uint16_t page)
{
    setField("StartPage", m_startPage, page, &RpePrintOptions::StartPageN);
}

uint16_t TRpePrintOptions::StopPage()
{
    pull("StopPage");
    return m_stopPage;
}

void TRpePrintOptions::setStopPage(uint16_t page)
{
    setField("StopPage", m_stopPage, page, &RpePrintOptions::StopPageN);
}

QString TRpePrintOptions::OutputFileName()
{
    pull("OutputFileName");
    return m_outputFileName;
}

void TRpePrintOptions::setOutputFileName(const QString &fileName)
{
    m_outputFileName = fileName.left(maxFileNameLength);
    if (dyn::RpeMajor < 7)
        return;
    const QString wanted = m_outputFileName;
    push("OutputFileName", [&](RpePrintOptions &o) {
        if (fileNameOf(o).compare(wanted, Qt::CaseInsensitive) == 0)
            return false;
        setFileName(o, wanted);
        return true;
    });
}
