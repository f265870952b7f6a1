#pragma once

#include "printengine/Exporter.h"

#include <QFile>
#include <QTemporaryFile>

// Data Interchange Format: a header that counts vectors and tuples, then one
// tuple per detail record. The header needs the count, so the tuples go to
// a temporary file first.
class DifExporter : public Exporter
{
public:
    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRow(const QList<FormulaValue> &values, const QStringList &texts) override;
    bool finish() override;

private:
    QTemporaryFile m_body;
    qint64 m_tuples = 0;
    int m_vectors = 0;
};
