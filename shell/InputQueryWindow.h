#pragma once

#include <QDialog>

class QLineEdit;

// The one-line entry box: a prompt, an edit field of at most 255 characters
// that starts fully selected, and "&V redu" / "&Prekliči".
class InputQueryWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 255;

    InputQueryWindow(const QString &caption, const QString &prompt, const QString &value,
                     QWidget *parent = nullptr);

    QString value() const;
    QLineEdit *edit() const { return m_edit; }

private:
    QLineEdit *m_edit;
};
