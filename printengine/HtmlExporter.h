#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// HTML: pages as absolutely positioned boxes. One file holds every page, or
// with separate pages the file name holds page 1 and "name2.html", ... the
// others, each with a navigator to the first, previous, next and last page.
class HtmlExporter : public Exporter
{
public:
    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

    static QString pageFileName(const QString &first, int page);

private:
    QString pageHtml(const RenderedPage &page) const;
    bool writeSeparatePage(int number, const QString &body, bool last);
    QFile m_file;
    int m_pages = 0;
    QString m_pending; // separate pages: the previous page waits until it is known whether it is the last
    int m_pendingNumber = 0;
};
