#pragma once

#include "printengine/Exporter.h"

class ReportRunner;

// Places sections on pages: page header and footer of the main report,
// section breaks, new page before and after, sections printed at the bottom
// of the page, and page numbers (restarted after a section that asks so).
// Pages go to the exporter as soon as they are full, so a run holds one page
// at a time.
class Paginator
{
public:
    Paginator(std::shared_ptr<const ReportDefinition> report, Exporter *out, bool countOnly, int startPage);

    void begin(ReportRunner *main);
    // Places one section of runner's report at the current position.
    bool place(ReportRunner &runner, const ReportSection &section, double xOffset);
    bool finish();
    void requestNewPage() { m_breakPending = true; }

    int pageNumber() const { return m_pageNumber; }
    int pageCount() const { return m_pageCount; }
    void setTotalPages(int n) { m_totalPages = n; }
    int totalPages() const { return m_totalPages; }
    bool failed() const { return m_failed; }
    bool countOnly() const { return m_countOnly; }

private:
    bool newPage();
    void startPage();
    void placePageHeader();
    bool endPage();

    std::shared_ptr<const ReportDefinition> m_report;
    Exporter *m_out;
    bool m_countOnly;
    ReportRunner *m_main = nullptr;
    RenderedPage m_page;
    int m_pageNumber = 0;
    int m_pageCount = 0;
    int m_totalPages = 0;
    double m_y = 0;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    bool m_breakPending = false;
    bool m_failed = false;
    bool m_bodyPlaced = false;
    bool m_headerPending = false;
    bool m_resetPending = false; // the next page is numbered 1
};
