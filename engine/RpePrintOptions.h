#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <functional>

// Copies, collation, page range and print file of the main report. Each
// setter pushes its one field to the engine's print options at once; the
// getters read the engine's value back while a job is open.
class TRpePrintOptions : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override;

    uint16_t Copies();
    void setCopies(uint16_t copies);
    bool Collation();
    void setCollation(bool collation);
    uint16_t StartPage();
    void setStartPage(uint16_t page);
    uint16_t StopPage();
    void setStopPage(uint16_t page);
    // Needs engine 7 or later; at most 512 characters.
    QString OutputFileName();
    void setOutputFileName(const QString &fileName);

private:
    // Reads the main job's options into the cache; false without a job.
    bool pull(const char *property);
    // Reads the engine's options, lets change alter them and writes them
    // back when change says they differ.
    void push(const char *property, const std::function<bool(RpePrintOptions &)> &change);
    // Caches one field and pushes it.
    template <typename Value, typename Field>
    void setField(const char *property, Value &cached, Value value, Field RpePrintOptions::*field);

    uint16_t m_copies = 1;
    bool m_collation = true;
    uint16_t m_startPage = 0;
    uint16_t m_stopPage = 0;
    QString m_outputFileName;
};
