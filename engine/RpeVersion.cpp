#include "engine/RpeVersion.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

#include <QFileInfo>
#include <QSysInfo>

namespace dyn = RpeDynamic;

void TRpeEngineVersion::Clear()
{
    m_fileVersion.clear();
    m_major = m_minor = m_release = m_build = 0;
}

void TRpeEngineVersion::store(const QString &fileVersion, int32_t major, int32_t minor, int32_t release,
                              int32_t build)
{
    m_fileVersion = fileVersion;
    m_major = major;
    m_minor = minor;
    m_release = release;
    m_build = build;
}

void TRpeEngineVersion::refresh()
{
    // Numbers below 5 mean the file was not read yet.
    if (Rpe->LibraryHandle() && m_major < 5)
        Rpe->GetRpeVersion();
}

int32_t TRpeEngineVersion::Major()
{
    refresh();
    return m_major;
}

int32_t TRpeEngineVersion::Minor()
{
    refresh();
    return m_minor;
}

int32_t TRpeEngineVersion::Release()
{
    refresh();
    return m_release;
}

int32_t TRpeEngineVersion::Build()
{
    refresh();
    return m_build;
}

QString TRpeEngineVersion::versionOf(int16_t which)
{
    if (!Rpe->LibraryHandle())
        return {};
    Rpe->UseHandle();
    const int16_t v = dyn::RpeGetVersion(which);
    if (v == -1) {
        Rpe->EngineError(QStringLiteral("Version.Rpe <RpeGetVersion>"));
        return {};
    }
    return QStringLiteral("%1.%2").arg((uint16_t(v) >> 8) & 0xff).arg(uint16_t(v) & 0xff);
}

QString TRpeEngineVersion::DLL()
{
    return versionOf(RPE_GV_DLL);
}

QString TRpeEngineVersion::Engine()
{
    return versionOf(RPE_GV_ENGINE);
}

bool TRpeReportVersion::read(uint16_t &major, uint16_t &minor, QString &letter)
{
    major = minor = 0;
    letter.clear();
    // Engines 8.0 to 8.4 lack the call.
    if (dyn::RpeMajor == 8 && dyn::RpeMinor < 5)
        return false;
    if (!Rpe->JobReady(0))
        return false;
    RpeReportVersionInfo info{};
    Rpe->UseHandle();
    if (!dyn::RpeGetReportVersion(Rpe->JobNumber(), &info)) {
        Rpe->EngineError(QStringLiteral("Version.Report <RpeGetReportVersion>"));
        return false;
    }
    major = info.Major;
    minor = info.Minor;
    letter = info.Letter ? QString(QLatin1Char(info.Letter)) : QString();
    return true;
}

uint16_t TRpeReportVersion::Major()
{
    uint16_t major, minor;
    QString letter;
    read(major, minor, letter);
    return major;
}

uint16_t TRpeReportVersion::Minor()
{
    uint16_t major, minor;
    QString letter;
    read(major, minor, letter);
    return minor;
}

QString TRpeReportVersion::Letter()
{
    uint16_t major, minor;
    QString letter;
    read(major, minor, letter);
    return letter;
}

namespace {

// The kernel's version: "6.1.0-18-amd64" gives 6, 1 and 0.
QList<uint32_t> kernelNumbers()
{
    QList<uint32_t> numbers;
    for (const QString &part :
         QSysInfo::kernelVersion().section(QLatin1Char('-'), 0, 0).split(QLatin1Char('.')))
        numbers << part.toUInt();
    while (numbers.size() < 3)
        numbers << 0;
    return numbers;
}

} // namespace

QString TRpeWindowsVersion::Platform() const
{
    // None of the named platforms exists here.
    return QStringLiteral("Unknown");
}

uint32_t TRpeWindowsVersion::Major() const
{
    return kernelNumbers().at(0);
}

uint32_t TRpeWindowsVersion::Minor() const
{
    return kernelNumbers().at(1);
}

QString TRpeWindowsVersion::Build() const
{
    return QString::number(kernelNumbers().at(2) & 0xffff);
}
