#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// Detail records as delimited text: comma-separated, tab-separated or with
// the caller's delimiter and separator. With the report's formats the cells
// are the texts the report shows; without, numbers and dates are written in
// a neutral form (point decimal, yyyy-MM-dd).
class SeparatedValuesExporter : public Exporter
{
public:
    enum Kind { Csv, TabSeparated, CharacterSeparated };
    explicit SeparatedValuesExporter(Kind kind) : m_kind(kind) {}

    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRow(const QList<FormulaValue> &values, const QStringList &texts) override;
    bool finish() override;

    static QString cell(const FormulaValue &v, const QString &text, bool reportFormats);

private:
    QString quoted(const QString &s) const;
    Kind m_kind;
    QFile m_file;
    QString m_separator;
    QString m_delimiter;
};
