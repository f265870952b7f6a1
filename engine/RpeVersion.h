#pragma once

#include "engine/RpePersistent.h"

#include <QString>

#include <cstdint>

// The version sub-objects of the print-job component. Read-only: the
// engine's library, the open report's file format and the operating system.

class TRpeEngineVersion : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override;

    // "major.minor" of the library and of the engine, from the engine.
    QString DLL();
    QString Engine();
    QString FileVersion() const { return m_fileVersion; }
    int32_t Major();
    int32_t Minor();
    int32_t Release();
    int32_t Build();

    // Written by the component after it read the library file.
    void store(const QString &fileVersion, int32_t major, int32_t minor, int32_t release, int32_t build);
    void storeFileVersion(const QString &fileVersion) { m_fileVersion = fileVersion; }

private:
    void refresh();
    QString versionOf(int16_t which);
    QString m_fileVersion;
    int32_t m_major = 0, m_minor = 0, m_release = 0, m_build = 0;
};

class TRpeReportVersion : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    uint16_t Major();
    uint16_t Minor();
    QString Letter();

private:
    bool read(uint16_t &major, uint16_t &minor, QString &letter);
};

class TRpeWindowsVersion : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    // "3.1", "95", "98", "NT", or "Unknown" on any other system.
    QString Platform() const;
    uint32_t Major() const;
    uint32_t Minor() const;
    QString Build() const;
};

class TRpeVersion
{
public:
    explicit TRpeVersion(TRpe *owner) : Rpe(owner), Report(owner), Windows(owner) {}
    void Clear() { Rpe.Clear(); }

    TRpeEngineVersion Rpe;
    TRpeReportVersion Report;
    TRpeWindowsVersion Windows;
};
