#include "shell/MessageBoxWindow.h"

#include "shell/DialogUnits.h"
#include "shell/MessageBoxLayout.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr Qt::WindowFlags boxFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                     Qt::MSWindowsFixedSizeDialogHint;

constexpr int wordWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// Messages come with CR LF or a lone CR between lines (two CRs make an empty
// line); Qt's text layout breaks only on LF.
QString withLineFeeds(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::optional<QStyle::StandardPixmap> iconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MsgKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case MsgKind::Information:
        return QStyle::SP_MessageBoxInformation;
    case MsgKind::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    case MsgKind::Custom:
        break;
    }
    return std::nullopt;
}

// A label that paints with the very flags the text was measured with, so the
// lines break where the layout expects. QLabel cannot break inside a word,
// which a long path or statement in a message needs to stay on the screen.
class MessageText : public QLabel
{
public:
    MessageText(const QString &text, int flags, QWidget *parent) : QLabel(text, parent), m_flags(flags)
    {
        setTextFormat(Qt::PlainText);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), m_flags, text());
    }

private:
    int m_flags;
};

} // namespace

MessageBoxWindow::MessageBoxWindow(const QString &text, MsgKind kind, MsgButtons buttons, int helpContext,
                                   int left, int top, QWidget *parent)
    : QDialog(parent, boxFlags), m_buttons(buttons), m_helpContext(helpContext)
{
    setWindowTitle(Msg::caption(kind));

    const QScreen *screen = this->screen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    const QString message = withLineFeeds(text);
    const QRect wrapRect(0, 0, MessageBoxLayout::textWidthLimit(screenRect), 0);
    int textFlags = wordWrapFlags;
    QSize textSize = fontMetrics().boundingRect(wrapRect, textFlags, message).size();
    if (textSize.width() > wrapRect.width()) {
        // A word wider than the limit: break anywhere rather than grow past it.
        textFlags = wordWrapFlags | Qt::TextWrapAnywhere;
        textSize = fontMetrics().boundingRect(wrapRect, textFlags, message).size();
    }
    const std::optional<QStyle::StandardPixmap> icon = iconOf(kind);
    const QList<MsgButton> ordered = Msg::orderedButtons(buttons);
    const MessageBoxLayout layout = MessageBoxLayout::compute(
        DialogUnits::fromFont(font()), textSize, int(ordered.size()), icon.has_value(), screenRect);

    if (icon) {
        auto *iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("Icon"));
        iconLabel->setPixmap(style()
                                 ->standardIcon(*icon, nullptr, this)
                                 .pixmap(MessageBoxLayout::IconSize, MessageBoxLayout::IconSize));
        iconLabel->setGeometry(layout.iconRect);
    }

    auto *textLabel = new MessageText(message, textFlags, this);
    textLabel->setObjectName(QStringLiteral("Message"));
    textLabel->setGeometry(layout.textRect);

    const std::optional<MsgButton> def = Msg::defaultButton(buttons);
    for (qsizetype i = 0; i < ordered.size(); ++i) {
        const MsgButton kindOfButton = ordered.at(i);
        auto *pushButton = new QPushButton(Msg::buttonCaption(kindOfButton), this);
        pushButton->setObjectName(Msg::buttonName(kindOfButton));
        pushButton->setGeometry(layout.buttonRects.at(i));
        connect(pushButton, &QPushButton::clicked, this, [this, kindOfButton] { press(kindOfButton); });
        if (def == kindOfButton) {
            pushButton->setDefault(true);
            pushButton->setFocus();
        }
    }

    setFixedSize(layout.clientSize);
    move(left >= 0 ? left : layout.position.x(), top >= 0 ? top : layout.position.y());
}

QPushButton *MessageBoxWindow::button(MsgButton button) const
{
    return findChild<QPushButton *>(Msg::buttonName(button), Qt::FindDirectChildrenOnly);
}

void MessageBoxWindow::reject()
{
    m_answer = Msg::closeResult(m_buttons);
    QDialog::reject();
}

void MessageBoxWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape belongs to one button; a box without it stays open.
        if (const std::optional<MsgButton> escape = Msg::escapeButton(m_buttons))
            press(*escape);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageBoxWindow::press(MsgButton button)
{
    // There is no help system yet: the Help button stays, but only keeps the box open.
    if (button == MsgButton::Help)
        return;
    m_answer = Msg::resultOf(button);
    accept();
}
