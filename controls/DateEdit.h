#pragma once

#include <QDate>
#include <QLineEdit>

// A date entered as dd.mm.yyyy (day and month of one or two digits), or
// nothing at all: unlike a spin-box date edit it can stay empty, which is
// how a parameter without a default starts.
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

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
