#include "controls/DateEdit.h"

#include "shell/Formats.h"

#include <QRegularExpressionValidator>

TDateEdit::TDateEdit(QWidget *parent) : QLineEdit(parent)
{
    // Digits and points only; whether they make a date is decided on reading.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}(\\.[0-9]{0,2}(\\.[0-9]{0,4})?)?")), this));
    setPlaceholderText(QStringLiteral("dd.mm.llll"));
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

void TDateEdit::focusOutEvent(QFocusEvent *event)
{
    // A complete date is shown in its full form; anything else stays as typed
    // so the user can see and mend it.
    if (date().isValid())
        setDate(date());
    QLineEdit::focusOutEvent(event);
}
