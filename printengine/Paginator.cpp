#include "printengine/Paginator.h"

#include "printengine/ReportRunner.h"

Paginator::Paginator(std::shared_ptr<const ReportDefinition> report, Exporter *out, bool countOnly,
                     int startPage)
    : m_report(std::move(report)), m_out(out), m_countOnly(countOnly || !out || !out->wantsPages()),
      m_pageNumber(startPage - 1)
{
}

void Paginator::begin(ReportRunner *main)
{
    m_main = main;
    // On the first page the report header comes before the page header.
    m_headerPending = true;
    startPage();
}

void Paginator::startPage()
{
    const ReportDefinition &r = *m_report;
    if (m_resetPending)
        m_pageNumber = 0;
    m_resetPending = false;
    ++m_pageNumber;
    ++m_pageCount;
    m_page.items.clear();
    m_page.number = m_pageNumber;
    m_page.width = r.paperWidth();
    m_page.height = r.paperHeight();
    m_page.report = m_report;
    double footer = 0;
    for (const ReportSection &s : r.sections) {
        if (s.area == ReportSection::PageFooter && !s.suppress)
            footer += s.height;
    }
    m_y = r.marginTop;
    m_bodyBottom = r.paperHeight() - r.marginBottom - footer;
    m_bodyTop = m_y;
    if (!m_headerPending)
        placePageHeader();
}

void Paginator::placePageHeader()
{
    const ReportDefinition &r = *m_report;
    m_headerPending = false;
    for (const ReportSection &s : r.sections) {
        if (s.area != ReportSection::PageHeader || m_main->isSuppressed(s))
            continue;
        if (!m_countOnly)
            m_main->buildItems(s, r.marginLeft, m_y, &m_page.items);
        m_y += s.height;
    }
    m_bodyTop = m_y;
    m_main->placeRepeatedHeaders();
}

bool Paginator::endPage()
{
    const ReportDefinition &r = *m_report;
    if (m_headerPending)
        placePageHeader(); // a page holding only the report header still gets its page header
    double y = m_bodyBottom;
    for (const ReportSection &s : r.sections) {
        if (s.area != ReportSection::PageFooter || s.suppress)
            continue;
        if (!m_countOnly && !m_main->isSuppressed(s))
            m_main->buildItems(s, r.marginLeft, y, &m_page.items);
        y += s.height;
    }
    if (!m_countOnly && !m_out->writePage(m_page))
        m_failed = true;
    m_page.items.clear();
    return !m_failed;
}

bool Paginator::newPage()
{
    if (!endPage())
        return false;
    startPage();
    return true;
}

bool Paginator::place(ReportRunner &runner, const ReportSection &section, double xOffset)
{
    if (m_failed)
        return false;
    if (m_headerPending && section.area != ReportSection::ReportHeader)
        placePageHeader();
    const bool atTop = m_y <= m_bodyTop + 0.01;
    // The first group of a report does not push the report header onto a page of its own.
    const bool newPageBefore = section.newPageBefore && m_bodyPlaced;
    if ((m_breakPending || newPageBefore) && !atTop) {
        if (!newPage())
            return false;
    }
    m_breakPending = false;
    // A section never splits; one taller than the page body prints alone and is cut.
    if (m_y + section.height > m_bodyBottom + 0.01 && m_y > m_bodyTop + 0.01) {
        if (!newPage())
            return false;
    }
    // A section printed at the bottom fills the page: what follows starts a new one.
    if (section.printAtBottom)
        m_y = qMax(m_y, m_bodyBottom - section.height);
    if (!m_countOnly)
        runner.buildItems(section, m_report->marginLeft + xOffset, m_y, &m_page.items);
    m_y += section.height;
    if (section.area != ReportSection::ReportHeader)
        m_bodyPlaced = true;
    if (section.newPageAfter || section.printAtBottom)
        m_breakPending = true;
    if (section.resetPageNumberAfter)
        m_resetPending = true;
    return true;
}

bool Paginator::finish()
{
    if (m_failed)
        return false;
    return endPage();
}
