#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// A report file with the run's records saved in it, so that it opens and
// prints again without the database. The records are written as they come.
class ReportFileExporter : public Exporter
{
public:
    bool wantsPages() const override { return false; }
    bool wantsRecords() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRecord(const QVariantList &record) override;
    bool finish() override;

private:
    QFile m_file;
};

// The report's definition as readable text: sections, objects, formulas.
class DefinitionExporter : public Exporter
{
public:
    bool wantsPages() const override { return false; }
    bool begin(const RunInfo &info) override;
    bool finish() override;
};
