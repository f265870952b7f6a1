#pragma once

#include "printengine/Exporter.h"

#include <vector>

// Keeps every finished page: the preview window and the printer page
// through them after the run.
class PageCollector : public Exporter
{
public:
    bool writePage(const RenderedPage &page) override
    {
        m_pages.push_back(page);
        return true;
    }
    bool finish() override { return true; }
    const std::vector<RenderedPage> &pages() const { return m_pages; }
    std::vector<RenderedPage> takePages() { return std::move(m_pages); }

private:
    std::vector<RenderedPage> m_pages;
};
