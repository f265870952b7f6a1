#include "engine/RpeMdiHost.h"

#include <QChildEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

QMdiArea *RpeMdiHost::mdiAreaOf(QWidget *parent)
{
    if (auto *area = qobject_cast<QMdiArea *>(parent))
        return area;
    if (auto *frame = qobject_cast<QMainWindow *>(parent))
        return qobject_cast<QMdiArea *>(frame->centralWidget());
    return nullptr;
}

RpeMdiHost *RpeMdiHost::create(QMdiArea *area, const QString &title, std::function<void()> onClose)
{
    auto *host = new RpeMdiHost(std::move(onClose));
    QMdiSubWindow *form = area->addSubWindow(host);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowTitle(title);
    form->installEventFilter(host);
    form->show();
    return host;
}

RpeMdiHost::RpeMdiHost(std::function<void()> onClose) : m_onClose(std::move(onClose)) {}

QMdiSubWindow *RpeMdiHost::form() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void RpeMdiHost::setTitle(const QString &title)
{
    if (QMdiSubWindow *f = form())
        f->setWindowTitle(title);
}

void RpeMdiHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    stretchChildren();
}

void RpeMdiHost::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    // The engine places its window after the form exists; fit it once it is
    // shown there.
    if (event->added())
        QTimer::singleShot(0, this, &RpeMdiHost::stretchChildren);
}

bool RpeMdiHost::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == form() && m_onClose) {
        // Once only: closing the preview may close the form again.
        auto onClose = std::move(m_onClose);
        m_onClose = nullptr;
        onClose();
    }
    return QWidget::eventFilter(watched, event);
}

void RpeMdiHost::stretchChildren()
{
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->setGeometry(rect());
}
