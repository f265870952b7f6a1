#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// Detail records as fixed-width columns, one record a line; a column is as
// wide as its field object (about 5 points a character).
class RecordsExporter : public Exporter
{
public:
    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRow(const QList<FormulaValue> &values, const QStringList &texts) override;
    bool finish() override;

private:
    QFile m_file;
    QList<int> m_widths;
    QList<bool> m_right;
};
