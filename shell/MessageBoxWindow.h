#pragma once

#include "shell/MessageDialog.h"

#include <QDialog>

class QPushButton;

// The message box window. Its geometry comes from MessageBoxLayout in the
// application font; the buttons are named after their kind ("Yes", "OK", ...)
// so tests and scripts can find them.
class MessageBoxWindow : public QDialog
{
    Q_OBJECT

public:
    MessageBoxWindow(const QString &text, MsgKind kind, MsgButtons buttons, int helpContext = 0,
                     int left = -1, int top = -1, QWidget *parent = nullptr);

    // The result of the pressed button; None while the box is still open.
    MsgResult answer() const { return m_answer; }
    int helpContext() const { return m_helpContext; }
    QPushButton *button(MsgButton button) const;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(MsgButton button);

    MsgButtons m_buttons;
    int m_helpContext;
    MsgResult m_answer = MsgResult::None;
};
