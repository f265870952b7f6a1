#include "controls/XPanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>

XPanelItem XPanelItem::parse(QString item)
{
    XPanelItem result;
    result.enabled = !item.startsWith(QLatin1Char('!'));
    if (!result.enabled)
        item.remove(0, 1);
    // The hint goes first: a "!" inside it must not be taken for the flat part.
    if (const qsizetype open = item.indexOf(QLatin1Char('{')); open >= 0) {
        const qsizetype close = item.indexOf(QLatin1Char('}'));
        result.hasHint = true;
        result.hint = close > open ? item.mid(open + 1, close - open - 1) : QString();
        item.truncate(open);
    }
    if (const qsizetype bang = item.indexOf(QLatin1Char('!')); bang >= 0) {
        result.flat = item.mid(bang + 1).trimmed().toLower() == QLatin1String("true");
        item.truncate(bang);
    } else {
        result.flat = true;
    }
    result.caption = item;
    return result;
}

TXPanel::TXPanel(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
}

void TXPanel::setLeftMargin(int v)
{
    m_leftMargin = v;
    layoutButtons();
}

void TXPanel::setRightMargin(int v)
{
    m_rightMargin = v;
    layoutButtons();
}

void TXPanel::setTopMargin(int v)
{
    m_topMargin = v;
    layoutButtons();
}

void TXPanel::setBottomMargin(int v)
{
    m_bottomMargin = v;
    layoutButtons();
}

QList<QPair<int, int>> TXPanel::columns(int width, int leftMargin, int rightMargin, int count)
{
    QList<QPair<int, int>> result;
    if (count <= 0)
        return result;
    const int inner = width - leftMargin - rightMargin;
    const int w = inner / count;
    int left = leftMargin;
    for (int i = 0; i + 1 < count; ++i, left += w)
        result.append({left, w});
    result.append({left, inner - w * (count - 1)});
    return result;
}

void TXPanel::Loaded()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (const QString &item : std::as_const(m_items)) {
        auto *b = new QPushButton(this);
        // Keys of the bar are pressed with the mouse; the keyboard stays with the grids.
        b->setFocusPolicy(Qt::NoFocus);
        applyItem(b, item);
        b->installEventFilter(this);
        b->show();
        m_buttons.append(b);
    }
    layoutButtons();
}

void TXPanel::ReapplyItems()
{
    for (int i = 0; i < m_buttons.size() && i < m_items.size(); ++i)
        applyItem(m_buttons.at(i), m_items.at(i));
}

void TXPanel::SetEnabled(bool enabled)
{
    for (int i = 0; i < m_buttons.size() && i < m_items.size(); ++i) {
        if (!m_items.at(i).startsWith(QLatin1Char('!')))
            m_buttons.at(i)->setEnabled(enabled);
    }
    setEnabled(enabled);
}

void TXPanel::applyItem(QPushButton *button, const QString &item)
{
    const XPanelItem parsed = XPanelItem::parse(item);
    button->setEnabled(parsed.enabled);
    if (parsed.hasHint)
        button->setToolTip(parsed.hint);
    button->setFlat(parsed.flat);
    button->setText(parsed.caption);
}

void TXPanel::layoutButtons()
{
    if (m_buttons.isEmpty())
        return;
    const auto cols = columns(width(), m_leftMargin, m_rightMargin, int(m_buttons.size()));
    const int h = height() - m_topMargin - m_bottomMargin;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setGeometry(cols.at(i).first, m_topMargin, cols.at(i).second, h);
}

void TXPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutButtons();
}

bool TXPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A disabled button hears no mouse at all.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->isEnabled())
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        // The first enabled entry that is the sender; the count when none is.
        m_buttonIndex = int(m_buttons.size());
        for (int i = 0; i < m_buttons.size(); ++i) {
            if (m_buttons.at(i) == watched && m_buttons.at(i)->isEnabled()) {
                m_buttonIndex = i;
                break;
            }
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // The button finishes its own release first, so that a handler that
        // opens a modal box does not leave the button pressed behind it.
        const Qt::MouseButton released = static_cast<QMouseEvent *>(event)->button();
        watched->event(event);
        emit mouseUp(released, m_buttonIndex);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
