#include "controls/CalendarPopup.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

TCalendarPopup::TCalendarPopup(QWidget *parent)
    : QWidget(parent, Qt::Popup), m_calendar(new QCalendarWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setLocale(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // A click on a day and Enter both activate it; browsing months does not.
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate &date) {
        close();
        emit dateChosen(date);
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](const QDate &date) {
        close();
        emit dateChosen(date);
    });
}

void TCalendarPopup::popUp(QWidget *anchor, const QDate &date)
{
    const QDate shown = date.isValid() ? date : QDate::currentDate();
    m_calendar->setSelectedDate(shown);
    m_calendar->setCurrentPage(shown.year(), shown.month());
    adjustSize();
    QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
    // Kept on the screen: above the edit when there is no room below it.
    if (const QScreen *screen = anchor->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + height() > area.bottom())
            at.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
    }
    move(at);
    show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void TCalendarPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
