#pragma once

#include <QDate>
#include <QLineEdit>

class QAction;
class TCalendarPopup;

// A date entered as dd.mm.yyyy (day and month of one or two digits), or
// nothing at all: unlike a spin-box date edit it can stay empty, which is
// how a parameter without a default starts. A calendar drops down from the
// button at its right end, or with Alt+Down or F4. A date that does not
// exist (31.02.2020, 15.13.2021) is refused when the edit is left: a message
// says so and the edit keeps the focus with the text to mend.
class TDateEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDateEdit(QWidget *parent = nullptr);

    // Invalid when the edit holds no complete date.
    QDate date() const;
    void setDate(const QDate &date);
    // The date as dd.mm.yyyy; empty when there is none.
    QString dateText() const;

    // The field the edit stands for, named in its message.
    void setCaption(const QString &caption) { m_caption = caption; }
    // Why the text is not accepted; empty for a date and for no text at all.
    QString refusal() const;

    void showCalendar();
    TCalendarPopup *calendarPopup() const { return m_popup; }
    QAction *calendarAction() const { return m_calendarAction; }

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refuse();

    QString m_caption;
    QAction *m_calendarAction;
    TCalendarPopup *m_popup = nullptr; // made on first use, a child of the edit
    bool m_refusing = false;
};
