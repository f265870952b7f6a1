#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// Pages as plain text on a character grid (6 points a column, 12 points a
// line). Plain: pages follow each other; tab-separated: the items of a line
// joined by tabs; paginated: every report page becomes exactly LinesPerPage
// lines, the page's height spread over them, ended by a form feed.
class TextExporter : public Exporter
{
public:
    enum Kind { Plain, TabSeparated, Paginated };
    explicit TextExporter(Kind kind) : m_kind(kind) {}

    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

    // The page as lines of text; lineCount > 0 divides the page's body into that
    // many lines (never more), 0 uses the 12-point grid.
    static QStringList pageLines(const RenderedPage &page, bool tabs, int lineCount = 0);

private:
    Kind m_kind;
    QFile m_file;
};
