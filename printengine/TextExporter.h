#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// Pages as plain text on a character grid (6 points a column, 12 points a
// line). Plain: pages follow each other; tab-separated: the items of a line
// joined by tabs; paginated: every page exactly LinesPerPage lines, ended by
// a form feed.
class TextExporter : public Exporter
{
public:
    enum Kind { Plain, TabSeparated, Paginated };
    explicit TextExporter(Kind kind) : m_kind(kind) {}

    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

    // The page as lines of text, for the plain and paginated kinds.
    static QStringList pageLines(const RenderedPage &page, bool tabs);

private:
    Kind m_kind;
    QFile m_file;
};
