#include "printengine/PreviewWindow.h"

#include "printengine/PageRenderer.h"
#include "printengine/rpe32.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

// One page drawn at the window's zoom.
class PreviewPage : public QWidget
{
public:
    explicit PreviewPage(QWidget *parent) : QWidget(parent) {}
    const RenderedPage *page = nullptr;
    double scale = 1.0;

    void refresh()
    {
        if (page)
            setFixedSize(int(page->width * scale) + 1, int(page->height * scale) + 1);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (!page)
            return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        // scale already holds the screen's dots per point; QFont adds them again.
        PageRenderer::draw(p, *page, 72.0 / logicalDpiY());
    }
};

PreviewWindow::PreviewWindow(std::vector<RenderedPage> pages, QWidget *parent)
    : QWidget(parent), m_pages(std::move(pages))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar = new QWidget(this);
    auto *bar = new QHBoxLayout(m_toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    auto button = [&](const char *name, const QString &text, const QString &tip) {
        auto *b = new QToolButton(m_toolbar);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(tip);
        bar->addWidget(b);
        return b;
    };
    m_closeButton = button("CloseButton", QStringLiteral("Zapri"), QStringLiteral("Zapri predogled"));
    m_printButton = button("PrintButton", QStringLiteral("Natisni"), QStringLiteral("Natisni poročilo"));
    m_printSetupButton = button("PrintSetupButton", QStringLiteral("Nastavitve tiskanja"),
                                QStringLiteral("Papir in tiskalnik"));
    m_exportButton = button("ExportButton", QStringLiteral("Izvozi"), QStringLiteral("Izvozi poročilo"));
    m_refreshButton =
        button("RefreshButton", QStringLiteral("Osveži"), QStringLiteral("Ponovno pripravi poročilo"));
    m_cancelButton =
        button("CancelButton", QStringLiteral("Prekini"), QStringLiteral("Prekini pripravo poročila"));
    bar->addSpacing(12);
    m_first = button("FirstPageButton", QStringLiteral("|<"), QStringLiteral("Prva stran"));
    m_prev = button("PreviousPageButton", QStringLiteral("<"), QStringLiteral("Prejšnja stran"));
    m_pageLabel = new QLabel(m_toolbar);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    bar->addWidget(m_pageLabel);
    m_next = button("NextPageButton", QStringLiteral(">"), QStringLiteral("Naslednja stran"));
    m_last = button("LastPageButton", QStringLiteral(">|"), QStringLiteral("Zadnja stran"));
    bar->addSpacing(12);
    m_zoomBox = new QComboBox(m_toolbar);
    m_zoomBox->setObjectName(QStringLiteral("ZoomBox"));
    m_zoomBox->addItem(QStringLiteral("Širina strani"), RPE_ZOOM_SIZE_FIT_ONE_SIDE);
    m_zoomBox->addItem(QStringLiteral("Cela stran"), RPE_ZOOM_SIZE_FIT_BOTH_SIDES);
    for (int z : {50, 75, 100, 125, 150, 200, 300, 400})
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(z), z);
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(100));
    bar->addWidget(m_zoomBox);
    bar->addStretch();
    layout->addWidget(m_toolbar);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new PreviewPage(m_scroll);
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);
    // The scroll area and the zoom box use the paging keys themselves.
    for (QObject *o : {static_cast<QObject *>(m_scroll), static_cast<QObject *>(m_scroll->viewport()),
                       static_cast<QObject *>(m_view), static_cast<QObject *>(m_zoomBox)})
        o->installEventFilter(this);

    connect(m_first, &QToolButton::clicked, this, &PreviewWindow::firstPage);
    connect(m_prev, &QToolButton::clicked, this, &PreviewWindow::previousPage);
    connect(m_next, &QToolButton::clicked, this, &PreviewWindow::nextPage);
    connect(m_last, &QToolButton::clicked, this, &PreviewWindow::lastPage);
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_CLOSE_BUTTON))
            close();
    });
    connect(m_printButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_PRINT_BUTTON) && m_print)
            m_print(this);
    });
    connect(m_printSetupButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_PRINT_SETUP_BUTTON) && m_printSetup)
            m_printSetup(this);
    });
    connect(m_exportButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_EXPORT_BUTTON) && m_export)
            m_export(this);
    });
    connect(m_refreshButton, &QToolButton::clicked, this, [this] {
        if (!m_running && ask(RPE_EVENT_REFRESH_BUTTON) && m_refresh)
            m_refresh(this);
    });
    connect(m_cancelButton, &QToolButton::clicked, this, [this] {
        if (m_running && ask(RPE_EVENT_CANCEL_BUTTON))
            m_cancelRequested = true;
    });
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        const int level = m_zoomBox->itemData(index).toInt();
        if (ask(RPE_EVENT_ZOOM_LEVEL_CHANGE, level))
            setZoom(level);
    });
    resize(800, 900);
    setButtons(Buttons());
    updatePage();
}

void PreviewWindow::setButtons(const Buttons &b)
{
    m_toolbar->setVisible(b.toolbar);
    for (QWidget *w :
         {static_cast<QWidget *>(m_first), static_cast<QWidget *>(m_prev), static_cast<QWidget *>(m_next),
          static_cast<QWidget *>(m_last), static_cast<QWidget *>(m_pageLabel)})
        w->setVisible(b.navigation);
    m_printButton->setVisible(b.print);
    m_printSetupButton->setVisible(b.printSetup);
    m_exportButton->setVisible(b.exportButton);
    m_refreshButton->setVisible(b.refresh);
    m_cancelButton->setVisible(b.cancel);
    m_zoomBox->setVisible(b.zoom);
    m_closeButton->setVisible(b.close);
}

bool PreviewWindow::ask(int id, int param)
{
    return !m_event || m_event(id, param);
}

void PreviewWindow::firstPage()
{
    if (m_current > 0 && ask(RPE_EVENT_FIRST_PAGE_BUTTON))
        goToPage(1);
}

void PreviewWindow::previousPage()
{
    if (m_current > 0 && ask(RPE_EVENT_PREVIOUS_PAGE_BUTTON))
        goToPage(currentPage() - 1);
}

void PreviewWindow::nextPage()
{
    if (m_current + 1 < pageCount() && ask(RPE_EVENT_NEXT_PAGE_BUTTON))
        goToPage(currentPage() + 1);
}

void PreviewWindow::lastPage()
{
    if (m_current + 1 < pageCount() && ask(RPE_EVENT_LAST_PAGE_BUTTON))
        goToPage(pageCount());
}

void PreviewWindow::goToPage(int page)
{
    if (m_pages.empty())
        return;
    const int before = m_current;
    m_current = qBound(0, page - 1, int(m_pages.size()) - 1);
    updatePage();
    // A new page is read from its top, or from its bottom when going back.
    if (m_current != before) {
        QScrollBar *v = m_scroll->verticalScrollBar();
        v->setValue(m_current > before ? v->minimum() : v->maximum());
    }
}

void PreviewWindow::setPages(std::vector<RenderedPage> pages)
{
    m_pages = std::move(pages);
    m_current = m_pages.empty() ? 0 : qBound(0, m_current, int(m_pages.size()) - 1);
    updatePage();
}

void PreviewWindow::setZoom(int level)
{
    if (level >= 0 && level <= 2)
        m_zoom = -level - 1; // kept as a mode: -1 full size, -2 page width, -3 whole page
    else
        m_zoom = qBound(25, level, 400);
    updatePage();
}

void PreviewWindow::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    m_cancelRequested = false;
    // Until the run ends only Cancel takes input, in this window and in every
    // other one: nothing may close the job under the run.
    if (running)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    updatePage();
}

void PreviewWindow::updatePage()
{
    const RenderedPage *page = m_pages.empty() ? nullptr : &m_pages[size_t(m_current)];
    m_view->page = page;
    double dotsPerPoint = logicalDpiX() / 72.0;
    double scale = dotsPerPoint;
    if (page) {
        const QSize area = m_scroll->viewport()->size();
        if (m_zoom == -2)
            scale = (area.width() - 8) / page->width;
        else if (m_zoom == -3)
            scale = qMin((area.width() - 8) / page->width, (area.height() - 8) / page->height);
        else if (m_zoom > 0)
            scale = dotsPerPoint * m_zoom / 100.0;
    }
    m_view->scale = qMax(0.05, scale);
    m_view->refresh();
    m_pageLabel->setText(
        QStringLiteral(" %1 / %2 ").arg(m_pages.empty() ? 0 : m_current + 1).arg(m_pages.size()));
    const bool idle = !m_running;
    m_first->setEnabled(idle && m_current > 0);
    m_prev->setEnabled(idle && m_current > 0);
    m_next->setEnabled(idle && m_current + 1 < int(m_pages.size()));
    m_last->setEnabled(idle && m_current + 1 < int(m_pages.size()));
    for (QWidget *w : {static_cast<QWidget *>(m_printButton), static_cast<QWidget *>(m_printSetupButton),
                       static_cast<QWidget *>(m_exportButton), static_cast<QWidget *>(m_refreshButton),
                       static_cast<QWidget *>(m_closeButton), static_cast<QWidget *>(m_zoomBox)})
        w->setEnabled(idle);
    m_cancelButton->setEnabled(m_running);
}

bool PreviewWindow::pageKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        nextPage();
        return true;
    case Qt::Key_PageUp:
        previousPage();
        return true;
    case Qt::Key_Home:
        firstPage();
        return true;
    case Qt::Key_End:
        lastPage();
        return true;
    case Qt::Key_Escape:
        if (ask(RPE_EVENT_CLOSE_BUTTON))
            close();
        return true;
    default:
        return false;
    }
}

bool PreviewWindow::wheel(QWheelEvent *event)
{
    // The wheel scrolls the page while it can, then turns to the next or
    // the previous one. Wheel steps of touch pads add up to one notch first.
    const int delta = event->angleDelta().y();
    if (delta == 0 || (event->modifiers() & Qt::ControlModifier))
        return false;
    QScrollBar *v = m_scroll->verticalScrollBar();
    if ((delta < 0 && v->value() < v->maximum()) || (delta > 0 && v->value() > v->minimum())) {
        m_wheelDelta = 0;
        return false;
    }
    m_wheelDelta += delta;
    if (m_wheelDelta <= -120) {
        m_wheelDelta = 0;
        nextPage();
    } else if (m_wheelDelta >= 120) {
        m_wheelDelta = 0;
        previousPage();
    }
    return true;
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_running) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
            return watched != m_cancelButton;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched != this)
        return pageKey(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::Wheel && watched == m_scroll->viewport())
        return wheel(static_cast<QWheelEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_running || !pageKey(event))
        QWidget::keyPressEvent(event);
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_zoom < -1)
        updatePage();
}

void PreviewWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_event)
        m_event(isActiveWindow() ? RPE_EVENT_ACTIVATE_WINDOW : RPE_EVENT_DEACTIVATE_WINDOW, 0);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        // Closing stops the run first; the window closes when it has ended.
        m_cancelRequested = true;
        event->ignore();
        return;
    }
    if (m_closed) {
        event->accept();
        return;
    }
    m_closed = true;
    if (m_event)
        m_event(RPE_EVENT_CLOSE_WINDOW, 0);
    event->accept();
    deleteLater();
}
