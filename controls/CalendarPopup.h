#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;

// The month calendar that drops down under a date edit. It closes when a day
// is chosen (click, Enter), on Esc and on a click outside it.
class TCalendarPopup : public QWidget
{
    Q_OBJECT
public:
    explicit TCalendarPopup(QWidget *parent = nullptr);

    // Shows the month of date (today when invalid) below the anchor widget.
    void popUp(QWidget *anchor, const QDate &date);
    QCalendarWidget *calendar() const { return m_calendar; }

signals:
    void dateChosen(const QDate &date);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QCalendarWidget *m_calendar;
};
