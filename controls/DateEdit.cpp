#include "controls/DateEdit.h"

#include "controls/CalendarPopup.h"
#include "shell/Formats.h"
#include "shell/MessageDialog.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>

TDateEdit::TDateEdit(QWidget *parent) : QLineEdit(parent)
{
    // Digits and points only; whether they make a date is decided on leaving.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}(\\.[0-9]{0,2}(\\.[0-9]{0,4})?)?")), this));
    setPlaceholderText(QStringLiteral("dd.mm.llll"));
    m_calendarAction = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    m_calendarAction->setObjectName(QStringLiteral("calendarAction"));
    m_calendarAction->setToolTip(QStringLiteral("Koledar (Alt+Dol)"));
    connect(m_calendarAction, &QAction::triggered, this, &TDateEdit::showCalendar);
}

QDate TDateEdit::date() const
{
    return Formats::readShortDate(text().trimmed());
}

void TDateEdit::setDate(const QDate &date)
{
    setText(date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString());
}

QString TDateEdit::dateText() const
{
    const QDate d = date();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString TDateEdit::refusal() const
{
    const QString typed = text().trimmed();
    if (typed.isEmpty() || date().isValid())
        return {};
    const QString where = m_caption.isEmpty() ? QString() : QStringLiteral(" v polju »%1«").arg(m_caption);
    return QStringLiteral("»%1«%2 ni veljaven datum. Vpišite ga v obliki dd.mm.llll.").arg(typed, where);
}

void TDateEdit::showCalendar()
{
    if (!m_popup) {
        m_popup = new TCalendarPopup(this);
        connect(m_popup, &TCalendarPopup::dateChosen, this, [this](const QDate &chosen) {
            setDate(chosen);
            setFocus(Qt::PopupFocusReason);
            selectAll();
        });
    }
    m_popup->popUp(this, date());
}

void TDateEdit::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) ||
        (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A complete date is shown in its full form.
    if (date().isValid()) {
        setDate(date());
        return;
    }
    // Only the user's own leaving is checked: not the calendar or a message
    // box taking the focus, another window, or the focus given back after a
    // refusal (that would send two bad edits to and fro).
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason &&
        reason != Qt::ShortcutFocusReason)
        return;
    if (!refusal().isEmpty() && !m_refusing)
        // After the focus change is complete: a box opened in the middle of
        // a mouse press would let the pressed button fire as well.
        QTimer::singleShot(0, this, &TDateEdit::refuse);
}

void TDateEdit::refuse()
{
    // With the focus back here someone (a run that checked its inputs) has
    // already said why.
    const QString message = refusal();
    if (message.isEmpty() || !isVisible() || hasFocus())
        return;
    m_refusing = true;
    ShowError(message);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    m_refusing = false;
}
