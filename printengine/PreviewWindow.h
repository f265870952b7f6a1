#pragma once

#include "printengine/PageModel.h"

#include <QWidget>
#include <functional>
#include <vector>

class QKeyEvent;
class QLabel;
class QWheelEvent;
class QComboBox;
class QScrollArea;
class QToolButton;
class PreviewPage;

// The engine's preview window: the finished pages with navigation, zoom,
// print, print setup, export, refresh, cancel and close. Each button first
// asks the job's event callback, which may cancel the action. The keys
// PageDown, PageUp, Home and End and the mouse wheel page like the buttons;
// Esc is the close button.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    struct Buttons
    {
        bool navigation = true, print = true, exportButton = true, zoom = true, close = true, cancel = false,
             printSetup = false, refresh = false;
        bool toolbar = true;
    };
    // Asks the event callback: event number and parameter; false cancels.
    using EventHook = std::function<bool(int id, int param)>;
    using ActionHook = std::function<void(QWidget *parent)>;
    // Runs the report again; the window takes the pages it hands over.
    using RefreshHook = std::function<void(PreviewWindow *window)>;

    PreviewWindow(std::vector<RenderedPage> pages, QWidget *parent = nullptr);

    void setButtons(const Buttons &b);
    void setEventHook(EventHook hook) { m_event = std::move(hook); }
    void setPrintHook(ActionHook hook) { m_print = std::move(hook); }
    void setExportHook(ActionHook hook) { m_export = std::move(hook); }
    void setPrintSetupHook(ActionHook hook) { m_printSetup = std::move(hook); }
    void setRefreshHook(RefreshHook hook) { m_refresh = std::move(hook); }

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current + 1; }
    void goToPage(int page); // 1-based
    // Zoom: 0 full size, 1 page width, 2 whole page, 25-400 percent.
    void setZoom(int level);
    int zoom() const { return m_zoom; }
    bool isClosed() const { return m_closed; }
    const std::vector<RenderedPage> &pages() const { return m_pages; }
    // New pages of a refresh; the page shown stays as far as there are pages.
    void setPages(std::vector<RenderedPage> pages);

    // While a refresh runs, Cancel is the one button that works; the run
    // asks cancelRequested() between pages.
    void setRunning(bool running);
    bool isRunning() const { return m_running; }
    bool cancelRequested() const { return m_cancelRequested; }

    // The page actions of the buttons, keys and wheel.
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updatePage();
    bool ask(int id, int param = 0);
    bool pageKey(QKeyEvent *event);
    bool wheel(QWheelEvent *event);

    std::vector<RenderedPage> m_pages;
    int m_current = 0;
    int m_zoom = 100;
    int m_wheelDelta = 0;
    bool m_closed = false;
    bool m_running = false;
    bool m_cancelRequested = false;
    EventHook m_event;
    ActionHook m_print;
    ActionHook m_export;
    ActionHook m_printSetup;
    RefreshHook m_refresh;
    QWidget *m_toolbar = nullptr;
    QToolButton *m_first = nullptr, *m_prev = nullptr, *m_next = nullptr, *m_last = nullptr;
    QToolButton *m_printButton = nullptr, *m_exportButton = nullptr, *m_closeButton = nullptr;
    QToolButton *m_printSetupButton = nullptr, *m_refreshButton = nullptr, *m_cancelButton = nullptr;
    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewPage *m_view = nullptr;
};
