#include "shell/ApplicationSetup.h"
#include "shell/DialogHook.h"
#include "shell/DialogUnits.h"
#include "shell/InputQueryLayout.h"
#include "shell/InputQueryWindow.h"
#include "shell/MessageBoxLayout.h"
#include "shell/MessageBoxWindow.h"
#include "shell/MessageDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

Q_DECLARE_METATYPE(MsgKind)
Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgResult)

namespace QTest {
template <> char *toString(const MsgResult &result)
{
    static const char *const names[] = {"None",  "Yes",   "No",     "OK", "Cancel",
                                        "Abort", "Retry", "Ignore", "All"};
    return qstrdup(names[int(result)]);
}
} // namespace QTest

namespace {

const QString appTitle = QStringLiteral("Poročila");

constexpr MsgButtons everyButton = MsgButton::Yes | MsgButton::No | MsgButton::OK | MsgButton::Cancel |
                                   MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore | MsgButton::All |
                                   MsgButton::Help;

MsgButtons asFlags(std::optional<MsgButton> button)
{
    return button ? MsgButtons(*button) : MsgButtons();
}

// Points file descriptor 2 at a temporary file for as long as it lives, so a
// test sees exactly what went to standard error.
class StderrCapture
{
public:
    StderrCapture()
    {
        if (!m_file.open())
            return;
        std::fflush(stderr);
        m_saved = ::dup(2);
        ::dup2(m_file.handle(), 2);
    }
    ~StderrCapture() { restore(); }

    QByteArray text()
    {
        restore();
        QFile written(m_file.fileName());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("<capture failed>");
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

QList<QPushButton *> buttonsLeftToRight(const QWidget &window)
{
    QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
    return buttons;
}

} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void entryLayout();

    void buttonRules_data();
    void buttonRules();

    void windowButtons_data();
    void windowButtons();
    void windowTextAndGeometry();
    void windowPosition_data();
    void windowPosition();
    void windowKeys_data();
    void windowKeys();
    void entryWindow();

    void unattendedLine_data();
    void unattendedLine();
    void unattendedWritesOneLinePerBox();
    void captionPerKind_data();
    void captionPerKind();
    void answerer_data();
    void answerer();
    void entryBoxAnswers_data();
    void entryBoxAnswers();
    void applicationSetup();
};

void TestMessageDialog::initTestCase()
{
    // Everything below relies on boxes never waiting for a user.
    QVERIFY(DialogHook::isUnattended());
    Msg::setApplicationTitle(appTitle);
}

void TestMessageDialog::init()
{
    DialogHook::clearAnswerer();
    DialogHook::clearShown();
}

void TestMessageDialog::layout_data()
{
    QTest::addColumn<int>("charWidth");
    QTest::addColumn<int>("charHeight");
    QTest::addColumn<QSize>("textSize");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QRect>("iconRect");
    QTest::addColumn<QRect>("textRect");
    QTest::addColumn<QList<QRect>>("buttonRects");
    QTest::addColumn<QPoint>("position");

    const QRect screen(0, 0, 1024, 768);
    // w 7, h 16: margins 14/16, spacing 17/20, buttons 87x28 with 7 between.
    QTest::newRow("short text with icon: the buttons set the width")
        << 7 << 16 << QSize(60, 16) << 2 << true << screen << QSize(209, 112) << QRect(14, 16, 32, 32)
        << QRect(63, 16, 60, 16) << QList<QRect>{QRect(14, 68, 87, 28), QRect(108, 68, 87, 28)}
        << QPoint(407, 328);
    QTest::newRow("wrapped text with icon: the text sets the width, buttons centred")
        << 7 << 16 << QSize(500, 64) << 1 << true << screen << QSize(577, 144) << QRect(14, 16, 32, 32)
        << QRect(63, 16, 500, 64) << QList<QRect>{QRect(245, 100, 87, 28)} << QPoint(223, 312);
    QTest::newRow("no icon: the text starts at the margin and may be lower than 32")
        << 7 << 16 << QSize(200, 16) << 3 << false << screen << QSize(303, 96) << QRect()
        << QRect(14, 16, 200, 16)
        << QList<QRect>{QRect(14, 52, 87, 28), QRect(108, 52, 87, 28), QRect(202, 52, 87, 28)}
        << QPoint(360, 336);
    // w 6, h 13: 10*13/8 = 16 and 14*13/8 = 22 (not 23): multiply, then divide down.
    // The screen is a second monitor to the right of the first.
    QTest::newRow("odd character size on a second screen")
        << 6 << 13 << QSize(100, 13) << 2 << true << QRect(1024, 0, 800, 600) << QSize(180, 96)
        << QRect(12, 13, 32, 32) << QRect(59, 13, 100, 13)
        << QList<QRect>{QRect(12, 61, 75, 22), QRect(93, 61, 75, 22)} << QPoint(1334, 252);
}

void TestMessageDialog::layout()
{
    QFETCH(int, charWidth);
    QFETCH(int, charHeight);
    QFETCH(QSize, textSize);
    QFETCH(int, buttonCount);
    QFETCH(bool, hasIcon);
    QFETCH(QRect, screen);

    const MessageBoxLayout layout =
        MessageBoxLayout::compute(DialogUnits(charWidth, charHeight), textSize, buttonCount, hasIcon, screen);

    QTEST(layout.clientSize, "clientSize");
    QTEST(layout.iconRect, "iconRect");
    QTEST(layout.textRect, "textRect");
    QTEST(layout.buttonRects, "buttonRects");
    QTEST(layout.position, "position");
}

void TestMessageDialog::entryLayout()
{
    const InputQueryLayout layout =
        InputQueryLayout::compute(DialogUnits(7, 16), QSize(80, 16), 22, QRect(0, 0, 1024, 768));

    QCOMPARE(layout.clientSize, QSize(315, 126));
    QCOMPARE(layout.promptRect, QRect(14, 16, 80, 16));
    QCOMPARE(layout.editRect, QRect(14, 40, 287, 22));
    QCOMPARE(layout.okRect, QRect(66, 82, 87, 28)); // 38*7/4 = 66.5
    QCOMPARE(layout.cancelRect, QRect(161, 82, 87, 28));
    QCOMPARE(layout.position, QPoint(354, 321));
}

void TestMessageDialog::buttonRules_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgButtons>("defaultButton"); // empty: none
    QTest::addColumn<MsgButtons>("escapeButton");  // empty: none
    QTest::addColumn<MsgResult>("unattended");

    QTest::newRow("OK alone answers both keys") << MsgButtons(MsgButton::OK) << MsgButtons(MsgButton::OK)
                                                << MsgButtons(MsgButton::OK) << MsgResult::OK;
    QTest::newRow("OK and Cancel") << (MsgButton::OK | MsgButton::Cancel) << MsgButtons(MsgButton::OK)
                                   << MsgButtons(MsgButton::Cancel) << MsgResult::OK;
    QTest::newRow("Yes and No") << (MsgButton::Yes | MsgButton::No) << MsgButtons(MsgButton::Yes)
                                << MsgButtons(MsgButton::No) << MsgResult::Yes;
    QTest::newRow("Cancel wins over No for Escape")
        << (MsgButton::Yes | MsgButton::No | MsgButton::Cancel) << MsgButtons(MsgButton::Yes)
        << MsgButtons(MsgButton::Cancel) << MsgResult::Yes;
    QTest::newRow("OK wins over Yes for Return, No over OK for Escape")
        << (MsgButton::Yes | MsgButton::No | MsgButton::OK) << MsgButtons(MsgButton::OK)
        << MsgButtons(MsgButton::No) << MsgResult::OK;
    QTest::newRow("Abort, Retry, Ignore: Retry is default, Escape does nothing")
        << (MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore) << MsgButtons(MsgButton::Retry)
        << MsgButtons() << MsgResult::Retry;
    // Nothing to press: the box answers as if closed from its title bar.
    QTest::newRow("Abort and Ignore have no default")
        << (MsgButton::Abort | MsgButton::Ignore) << MsgButtons() << MsgButtons() << MsgResult::Cancel;
}

void TestMessageDialog::buttonRules()
{
    QFETCH(MsgButtons, buttons);

    QTEST(asFlags(Msg::defaultButton(buttons)), "defaultButton");
    QTEST(asFlags(Msg::escapeButton(buttons)), "escapeButton");
    QTEST(Msg::unattendedAnswer(buttons), "unattended");
}

void TestMessageDialog::windowButtons_data()
{
    QTest::addColumn<MsgKind>("kind");
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultName"); // empty: no default button

    QTest::newRow("error box with OK") << MsgKind::Error << MsgButtons(MsgButton::OK) << "Napaka"
                                       << QStringList{"OK"} << QStringList{"&V redu"} << "OK";
    QTest::newRow("confirmation with Yes, No, Cancel")
        << MsgKind::Confirmation << (MsgButton::Cancel | MsgButton::No | MsgButton::Yes) << "Potrditev"
        << QStringList{"Yes", "No", "Cancel"} << QStringList{"&Da", "&Ne", "&Prekliči"} << "Yes";
    QTest::newRow("warning with Abort, Retry, Ignore")
        << MsgKind::Warning << (MsgButton::Ignore | MsgButton::Retry | MsgButton::Abort) << "Opozorilo"
        << QStringList{"Abort", "Retry", "Ignore"} << QStringList{"P&rekini", "P&onovi", "Pr&ezri"}
        << "Retry";
    QTest::newRow("information with Help but no default")
        << MsgKind::Information << (MsgButton::Help | MsgButton::All) << "Informacija"
        << QStringList{"All", "Help"} << QStringList{"&Vse", "Po&moč"} << "";
    QTest::newRow("custom box with every button, titled after the application")
        << MsgKind::Custom << everyButton << appTitle
        << QStringList{"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "Help"}
        << QStringList{"&Da",     "&Ne",     "&V redu", "&Prekliči", "P&rekini",
                       "P&onovi", "Pr&ezri", "&Vse",    "Po&moč"}
        << "OK";
}

void TestMessageDialog::windowButtons()
{
    QFETCH(MsgKind, kind);
    QFETCH(MsgButtons, buttons);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultName);

    const MessageBoxWindow window(QStringLiteral("Besedilo"), kind, buttons);
    QTEST(window.windowTitle(), "title");

    QStringList shownNames;
    QStringList shownCaptions;
    QStringList defaults;
    for (const QPushButton *button : buttonsLeftToRight(window)) {
        shownNames << button->objectName();
        shownCaptions << button->text();
        if (button->isDefault())
            defaults << button->objectName();
    }
    QCOMPARE(shownNames, names);
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(defaults, defaultName.isEmpty() ? QStringList() : QStringList{defaultName});

    const QLabel *icon = window.findChild<QLabel *>(QStringLiteral("Icon"));
    QCOMPARE(icon != nullptr, kind != MsgKind::Custom);
    if (icon)
        QCOMPARE(icon->size(), QSize(32, 32));
}

void TestMessageDialog::windowTextAndGeometry()
{
    // CR LF, a lone CR and two CRs (an empty line) all break the line; the
    // word of 400 letters must still stay within half the screen.
    const QString text = QStringLiteral("Prva vrstica\r\nDruga\rTretja\r\rPeta ") +
                         QString(400, QLatin1Char('x')) + QStringLiteral(" ") +
                         QStringList(QList<QString>(60, QStringLiteral("beseda"))).join(' ');
    MessageBoxWindow window(text, MsgKind::Warning, MsgButton::OK | MsgButton::Cancel);
    const int halfScreen = window.screen()->geometry().width() / 2;

    const QLabel *label = window.findChild<QLabel *>(QStringLiteral("Message"));
    QVERIFY(label);
    QVERIFY(label->text().startsWith(QStringLiteral("Prva vrstica\nDruga\nTretja\n\nPeta ")));
    QVERIFY2(label->width() <= halfScreen, qPrintable(QString::number(label->width())));
    QVERIFY2(label->height() >= 6 * label->fontMetrics().height(), "the words must wrap onto further lines");

    const QList<QPushButton *> buttons = buttonsLeftToRight(window);
    QCOMPARE(buttons.size(), 2);
    for (const QPushButton *button : buttons)
        QVERIFY(button->geometry().top() > label->geometry().bottom());
    const int leftGap = buttons.first()->x();
    const int rightGap = window.width() - 1 - buttons.last()->geometry().right();
    QVERIFY2(qAbs(leftGap - rightGap) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(leftGap).arg(rightGap)));
    QVERIFY(label->geometry().right() < window.width());

    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
    QVERIFY(!window.grab().isNull()); // paints the wrapped text once
}

void TestMessageDialog::windowPosition_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("both negative: centred") << -1 << -5;
    QTest::newRow("left given, top centred") << 10 << -1;
    QTest::newRow("top given, left centred") << -1 << 20;
    QTest::newRow("zero is a position, not the default") << 0 << 0;
}

void TestMessageDialog::windowPosition()
{
    QFETCH(int, left);
    QFETCH(int, top);

    const MessageBoxWindow window(QStringLiteral("Besedilo"), MsgKind::Information, MsgButton::OK, 0, left,
                                  top);
    const QRect screen = window.screen()->geometry();
    const QPoint centred = screen.topLeft() + QPoint((screen.width() - window.width()) / 2,
                                                     (screen.height() - window.height()) / 2);
    QCOMPARE(window.pos(), QPoint(left >= 0 ? left : centred.x(), top >= 0 ? top : centred.y()));
}

enum class Action { Return, Escape, Close, ClickHelp };

void TestMessageDialog::windowKeys_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<int>("action");
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("Return presses OK")
        << (MsgButton::OK | MsgButton::Cancel) << int(Action::Return) << MsgResult::OK << false;
    QTest::newRow("Return presses Yes")
        << (MsgButton::Yes | MsgButton::No) << int(Action::Return) << MsgResult::Yes << false;
    QTest::newRow("Escape presses Cancel") << (MsgButton::Yes | MsgButton::No | MsgButton::Cancel)
                                           << int(Action::Escape) << MsgResult::Cancel << false;
    QTest::newRow("Escape presses No")
        << (MsgButton::Yes | MsgButton::No) << int(Action::Escape) << MsgResult::No << false;
    QTest::newRow("Escape presses a lone OK")
        << MsgButtons(MsgButton::OK) << int(Action::Escape) << MsgResult::OK << false;
    QTest::newRow("Escape without Cancel, No or OK keeps the box open")
        << (MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore) << int(Action::Escape) << MsgResult::None
        << true;
    QTest::newRow("closing from the title bar answers the Escape button")
        << (MsgButton::Yes | MsgButton::No) << int(Action::Close) << MsgResult::No << false;
    QTest::newRow("closing a box without an Escape button answers Cancel")
        << (MsgButton::Abort | MsgButton::Ignore) << int(Action::Close) << MsgResult::Cancel << false;
    QTest::newRow("Help keeps the box open")
        << (MsgButton::OK | MsgButton::Help) << int(Action::ClickHelp) << MsgResult::None << true;
}

void TestMessageDialog::windowKeys()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(int, action);

    MessageBoxWindow window(QStringLiteral("Besedilo"), MsgKind::Custom, buttons);
    window.show(); // Return only reaches a visible default button
    switch (Action(action)) {
    case Action::Return:
        QTest::keyClick(&window, Qt::Key_Return);
        break;
    case Action::Escape:
        QTest::keyClick(&window, Qt::Key_Escape);
        break;
    case Action::Close:
        window.close();
        break;
    case Action::ClickHelp:
        window.button(MsgButton::Help)->click();
        break;
    }
    QTEST(window.answer(), "answer");
    QTEST(window.isVisible(), "staysOpen");
}

void TestMessageDialog::entryWindow()
{
    InputQueryWindow window(QStringLiteral("Iskanje"), QStringLiteral("Ime:"), QStringLiteral("staro ime"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Iskanje"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Prompt"))->text(), QStringLiteral("Ime:"));

    const QList<QPushButton *> buttons = buttonsLeftToRight(window);
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons.at(0)->objectName(), QStringLiteral("OK"));
    QCOMPARE(buttons.at(0)->text(), QStringLiteral("&V redu"));
    QVERIFY(buttons.at(0)->isDefault());
    QCOMPARE(buttons.at(1)->objectName(), QStringLiteral("Cancel"));
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("&Prekliči"));

    const DialogUnits units = DialogUnits::fromFont(window.font());
    QCOMPARE(window.size(), QSize(units.x(180), units.y(63)));
    QCOMPARE(window.edit()->width(), units.x(164));
    QCOMPARE(window.edit()->maxLength(), 255);

    // The old value is selected, so typing replaces it and Return confirms.
    window.show();
    QCOMPARE(window.edit()->selectedText(), QStringLiteral("staro ime"));
    QTest::keyClicks(window.edit(), QStringLiteral("novo"));
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(window.value(), QStringLiteral("novo"));

    InputQueryWindow cancelled(QStringLiteral("Iskanje"), QStringLiteral("Ime:"),
                               QString(300, QLatin1Char('a')));
    QCOMPARE(cancelled.value().size(), 255);
    cancelled.show();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QVERIFY(!cancelled.isVisible());
}

void TestMessageDialog::unattendedLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("single line") << "Ni povezave."
                                 << "Napaka: Ni povezave.";
    QTest::newRow("CR LF is one break") << "a\r\nb"
                                        << "Napaka: a | b";
    QTest::newRow("lone CR") << "a\rb"
                             << "Napaka: a | b";
    QTest::newRow("lone LF") << "a\nb"
                             << "Napaka: a | b";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "Napaka: a |  | b";
    QTest::newRow("two CRs leave an empty line between") << "a\r\rb"
                                                         << "Napaka: a |  | b";
    QTest::newRow("break at the end") << "a\r\n"
                                      << "Napaka: a | ";
    QTest::newRow("empty text") << ""
                                << "Napaka: ";
}

void TestMessageDialog::unattendedLine()
{
    QFETCH(QString, text);
    QTEST(DialogHook::unattendedLine(QStringLiteral("Napaka"), text), "line");
}

void TestMessageDialog::unattendedWritesOneLinePerBox()
{
    StderrCapture capture;
    ShowError(QStringLiteral("Prva vrstica\r\nDruga"));
    const MsgResult asked = AskYesNo(QStringLiteral("Nadaljujem?"));
    const QString entered =
        InputBox(QStringLiteral("Iskanje"), QStringLiteral("Ime:"), QStringLiteral("Čebelica"));
    const QByteArray written = capture.text();

    QCOMPARE(asked, MsgResult::Yes);
    QCOMPARE(entered, QStringLiteral("Čebelica"));
    QCOMPARE(QString::fromUtf8(written), QStringLiteral("Napaka: Prva vrstica | Druga\n"
                                                        "Potrditev: Nadaljujem?\n"
                                                        "Iskanje: Ime:\n"));
    const QList<ShownDialog> expected{
        {"Napaka", "Prva vrstica\r\nDruga"}, {"Potrditev", "Nadaljujem?"}, {"Iskanje", "Ime:"}};
    QCOMPARE(DialogHook::shown(), expected);
}

void TestMessageDialog::captionPerKind_data()
{
    QTest::addColumn<MsgKind>("kind");
    QTest::addColumn<QString>("caption");

    QTest::newRow("warning") << MsgKind::Warning << "Opozorilo";
    QTest::newRow("error") << MsgKind::Error << "Napaka";
    QTest::newRow("information") << MsgKind::Information << "Informacija";
    QTest::newRow("confirmation") << MsgKind::Confirmation << "Potrditev";
    QTest::newRow("custom takes the application title") << MsgKind::Custom << appTitle;
}

void TestMessageDialog::captionPerKind()
{
    QFETCH(MsgKind, kind);
    QFETCH(QString, caption);

    MessageDialog(QStringLiteral("Besedilo"), kind, MsgButton::OK);
    QCOMPARE(DialogHook::shown(), (QList<ShownDialog>{{caption, QStringLiteral("Besedilo")}}));
}

void TestMessageDialog::answerer_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgResult>("pressed");
    QTest::addColumn<MsgResult>("result");

    QTest::newRow("None takes the default")
        << (MsgButton::Yes | MsgButton::No) << MsgResult::None << MsgResult::Yes;
    QTest::newRow("No on a yes/no box") << (MsgButton::Yes | MsgButton::No) << MsgResult::No << MsgResult::No;
    QTest::newRow("Ignore of abort/retry/ignore") << (MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore)
                                                  << MsgResult::Ignore << MsgResult::Ignore;
    QTest::newRow("All of a custom set")
        << (MsgButton::Yes | MsgButton::All | MsgButton::Cancel) << MsgResult::All << MsgResult::All;
    // A box cannot answer with a button it lacks.
    QTest::newRow("a button the box lacks gives the default")
        << (MsgButton::OK | MsgButton::Cancel) << MsgResult::Yes << MsgResult::OK;
}

void TestMessageDialog::answerer()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgResult, pressed);

    QList<DialogRequest> requests;
    DialogHook::setAnswerer([&](const DialogRequest &request) {
        requests << request;
        return pressed;
    });
    if (pressed != MsgResult::None && !buttons.testFlag(*Msg::buttonOf(pressed)))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a button of the box")));

    QTEST(MessageDialog(QStringLiteral("Shranim?"), MsgKind::Warning, buttons, 17), "result");

    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().caption, QStringLiteral("Opozorilo"));
    QCOMPARE(requests.first().text, QStringLiteral("Shranim?"));
    QCOMPARE(requests.first().kind, MsgKind::Warning);
    QCOMPARE(requests.first().buttons, buttons);
    QCOMPARE(requests.first().value, nullptr);
    QCOMPARE(DialogHook::shown().size(), 1);
}

void TestMessageDialog::entryBoxAnswers_data()
{
    QTest::addColumn<MsgResult>("pressed");
    QTest::addColumn<QString>("typed"); // null: the answerer types nothing
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("value");     // InputQuery's value afterwards
    QTest::addColumn<QString>("boxResult"); // what InputBox returns

    QTest::newRow("default answer keeps the value") << MsgResult::None << QString() << true << "staro"
                                                    << "staro";
    QTest::newRow("typed and confirmed") << MsgResult::OK << "novo" << true << "novo"
                                         << "novo";
    QTest::newRow("typed an empty text and confirmed") << MsgResult::OK << "" << true << ""
                                                       << "";
    QTest::newRow("typed but cancelled: value untouched, InputBox gives the default")
        << MsgResult::Cancel << "novo" << false << "staro"
        << "staro";
}

void TestMessageDialog::entryBoxAnswers()
{
    QFETCH(MsgResult, pressed);
    QFETCH(QString, typed);

    DialogRequest seen{};
    DialogHook::setAnswerer([&](const DialogRequest &request) {
        seen = request;
        if (!typed.isNull() && request.value)
            *request.value = typed;
        return pressed;
    });

    QString value = QStringLiteral("staro");
    QTEST(InputQuery(QStringLiteral("Iskanje"), QStringLiteral("Ime:"), value), "confirmed");
    QTEST(value, "value");
    QCOMPARE(seen.caption, QStringLiteral("Iskanje"));
    QCOMPARE(seen.text, QStringLiteral("Ime:"));
    QCOMPARE(seen.buttons, MsgButton::OK | MsgButton::Cancel);

    QTEST(InputBox(QStringLiteral("Iskanje"), QStringLiteral("Ime:"), QStringLiteral("staro")), "boxResult");
}

void TestMessageDialog::applicationSetup()
{
    SetUpApplication();
    // Plain messages carry the title. Qt's display name stays unset (it falls
    // back to the name): once set, Qt appends it to every window caption.
    QCOMPARE(Msg::caption(MsgKind::Custom), QStringLiteral("Reports executor"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("porocila"));
    // Qt's own dialogs speak Slovene.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Odpri"));
    Msg::setApplicationTitle(appTitle);
}

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
