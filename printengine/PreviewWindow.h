#pragma once

#include "printengine/PageModel.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QComboBox;
class QScrollArea;
class QToolButton;
class PreviewPage;

// The engine's preview window: the finished pages with navigation, zoom,
// print, export and close. Each button first asks the job's event callback,
// which may cancel the action.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    struct Buttons
    {
        bool navigation = true, print = true, exportButton = true, zoom = true, close = true, cancel = false,
             printSetup = false;
        bool toolbar = true;
    };
    // Asks the event callback: event number and parameter; false cancels.
    using EventHook = std::function<bool(int id, int param)>;
    using PrintHook = std::function<void(QWidget *parent)>;
    using ExportHook = std::function<void(QWidget *parent)>;

    PreviewWindow(std::vector<RenderedPage> pages, QWidget *parent = nullptr);

    void setButtons(const Buttons &b);
    void setEventHook(EventHook hook) { m_event = std::move(hook); }
    void setPrintHook(PrintHook hook) { m_print = std::move(hook); }
    void setExportHook(ExportHook hook) { m_export = std::move(hook); }

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current + 1; }
    void goToPage(int page); // 1-based
    // Zoom: 0 full size, 1 page width, 2 whole page, 25-400 percent.
    void setZoom(int level);
    int zoom() const { return m_zoom; }
    bool isClosed() const { return m_closed; }
    const std::vector<RenderedPage> &pages() const { return m_pages; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updatePage();
    bool ask(int id, int param = 0);

    std::vector<RenderedPage> m_pages;
    int m_current = 0;
    int m_zoom = 100;
    bool m_closed = false;
    bool m_closing = false;
    EventHook m_event;
    PrintHook m_print;
    ExportHook m_export;
    QWidget *m_toolbar = nullptr;
    QToolButton *m_first = nullptr, *m_prev = nullptr, *m_next = nullptr, *m_last = nullptr;
    QToolButton *m_printButton = nullptr, *m_exportButton = nullptr, *m_closeButton = nullptr;
    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewPage *m_view = nullptr;
};
