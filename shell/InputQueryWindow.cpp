#include "shell/InputQueryWindow.h"

#include "shell/DialogUnits.h"
#include "shell/InputQueryLayout.h"
#include "shell/MessageDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

InputQueryWindow::InputQueryWindow(const QString &caption, const QString &prompt, const QString &value,
                                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(caption);

    auto *promptLabel = new QLabel(prompt, this);
    promptLabel->setObjectName(QStringLiteral("Prompt"));
    promptLabel->setTextFormat(Qt::PlainText);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Value"));
    m_edit->setMaxLength(MaxLength);
    m_edit->setText(value);
    m_edit->selectAll();
    promptLabel->setBuddy(m_edit);

    auto *ok = new QPushButton(Msg::buttonCaption(MsgButton::OK), this);
    ok->setObjectName(Msg::buttonName(MsgButton::OK));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // QDialog already rejects on Escape, which is what Cancel answers.
    auto *cancel = new QPushButton(Msg::buttonCaption(MsgButton::Cancel), this);
    cancel->setObjectName(Msg::buttonName(MsgButton::Cancel));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QScreen *screen = this->screen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    const InputQueryLayout layout = InputQueryLayout::compute(
        DialogUnits::fromFont(font()), promptLabel->sizeHint(), m_edit->sizeHint().height(), screenRect);
    promptLabel->setGeometry(layout.promptRect);
    m_edit->setGeometry(layout.editRect);
    ok->setGeometry(layout.okRect);
    cancel->setGeometry(layout.cancelRect);
    setFixedSize(layout.clientSize);
    move(layout.position);
    m_edit->setFocus();
}

QString InputQueryWindow::value() const
{
    return m_edit->text();
}
