#include "printengine/PreviewWindow.h"

#include "printengine/PageRenderer.h"
#include "printengine/rpe32.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

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
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar = new QWidget(this);
    auto *bar = new QHBoxLayout(m_toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    auto button = [&](const QString &text, const QString &tip) {
        auto *b = new QToolButton(m_toolbar);
        b->setText(text);
        b->setToolTip(tip);
        bar->addWidget(b);
        return b;
    };
    m_closeButton = button(QStringLiteral("Zapri"), QStringLiteral("Zapri predogled"));
    m_printButton = button(QStringLiteral("Natisni"), QStringLiteral("Natisni poročilo"));
    m_exportButton = button(QStringLiteral("Izvozi"), QStringLiteral("Izvozi poročilo"));
    bar->addSpacing(12);
    m_first = button(QStringLiteral("|<"), QStringLiteral("Prva stran"));
    m_prev = button(QStringLiteral("<"), QStringLiteral("Prejšnja stran"));
    m_pageLabel = new QLabel(m_toolbar);
    bar->addWidget(m_pageLabel);
    m_next = button(QStringLiteral(">"), QStringLiteral("Naslednja stran"));
    m_last = button(QStringLiteral(">|"), QStringLiteral("Zadnja stran"));
    bar->addSpacing(12);
    m_zoomBox = new QComboBox(m_toolbar);
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

    connect(m_first, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_FIRST_PAGE_BUTTON))
            goToPage(1);
    });
    connect(m_prev, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_PREVIOUS_PAGE_BUTTON))
            goToPage(currentPage() - 1);
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_NEXT_PAGE_BUTTON))
            goToPage(currentPage() + 1);
    });
    connect(m_last, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_LAST_PAGE_BUTTON))
            goToPage(pageCount());
    });
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_CLOSE_BUTTON))
            close();
    });
    connect(m_printButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_PRINT_BUTTON) && m_print)
            m_print(this);
    });
    connect(m_exportButton, &QToolButton::clicked, this, [this] {
        if (ask(RPE_EVENT_EXPORT_BUTTON) && m_export)
            m_export(this);
    });
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        const int level = m_zoomBox->itemData(index).toInt();
        if (ask(RPE_EVENT_ZOOM_LEVEL_CHANGE, level))
            setZoom(level);
    });
    resize(800, 900);
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
    m_exportButton->setVisible(b.exportButton);
    m_zoomBox->setVisible(b.zoom);
    m_closeButton->setVisible(b.close);
}

bool PreviewWindow::ask(int id, int param)
{
    return !m_event || m_event(id, param);
}

void PreviewWindow::goToPage(int page)
{
    if (m_pages.empty())
        return;
    m_current = qBound(0, page - 1, int(m_pages.size()) - 1);
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
    m_first->setEnabled(m_current > 0);
    m_prev->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < int(m_pages.size()));
    m_last->setEnabled(m_current + 1 < int(m_pages.size()));
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
