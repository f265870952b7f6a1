// The date edit as the user meets it: typing and leaving with Tab, the
// refusal of a day that does not exist, and the calendar that drops down.

#include "controls/CalendarPopup.h"
#include "controls/DateEdit.h"
#include "shell/DialogHook.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestDateEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void leaving_data();
    void leaving();
    void calendarPicksADay();
    void calendarByKeys();

private:
    // A window with the date edit and a line edit after it in the tab order.
    struct Form
    {
        QWidget window;
        TDateEdit *date = nullptr;
        QLineEdit *next = nullptr;
    };
    static void build(Form &form);
};

void TestDateEdit::init()
{
    DialogHook::clearShown();
}

void TestDateEdit::build(Form &form)
{
    auto *layout = new QVBoxLayout(&form.window);
    form.date = new TDateEdit(&form.window);
    form.date->setCaption(QStringLiteral("Datum do"));
    form.next = new QLineEdit(&form.window);
    layout->addWidget(form.date);
    layout->addWidget(form.next);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.window.activateWindow();
    form.date->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(form.date->hasFocus());
}

void TestDateEdit::leaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // the text after leaving
    QTest::addColumn<QString>("message"); // empty: accepted, the focus moves on

    QTest::newRow("short date shown in full") << "1.2.2020"
                                              << "01.02.2020"
                                              << "";
    QTest::newRow("empty stays empty") << ""
                                       << ""
                                       << "";
    QTest::newRow("leap day") << "29.02.2024"
                              << "29.02.2024"
                              << "";
    const QString refused =
        QStringLiteral("»%1« v polju »Datum do« ni veljaven datum. Vpišite ga v obliki dd.mm.llll.");
    QTest::newRow("thirty-first of February") << "31.02.2020"
                                              << "31.02.2020" << refused.arg("31.02.2020");
    QTest::newRow("thirteenth month") << "15.13.2021"
                                      << "15.13.2021" << refused.arg("15.13.2021");
    QTest::newRow("no leap day") << "29.02.2023"
                                 << "29.02.2023" << refused.arg("29.02.2023");
    QTest::newRow("day and month only") << "15.11"
                                        << "15.11" << refused.arg("15.11");
}

void TestDateEdit::leaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    Form form;
    build(form);
    QTest::keyClicks(form.date, typed);
    QTest::keyClick(form.date, Qt::Key_Tab);
    QTest::qWait(20);
    QCOMPARE(form.date->text(), shown);
    if (message.isEmpty()) {
        QVERIFY(DialogHook::shown().isEmpty());
        QVERIFY(form.next->hasFocus());
        QCOMPARE(form.date->refusal(), QString());
    } else {
        QCOMPARE(DialogHook::shown().size(), 1);
        QCOMPARE(DialogHook::shown().front().text, message);
        // The edit has the focus back, the text selected for mending.
        QTRY_VERIFY(form.date->hasFocus());
        QCOMPARE(form.date->selectedText(), typed);
        QVERIFY(!form.date->date().isValid());
        QCOMPARE(form.date->dateText(), QString());
        QCOMPARE(form.date->refusal(), message);
    }
}

void TestDateEdit::calendarPicksADay()
{
    Form form;
    build(form);
    // The button at the edit's right end opens the month of an empty edit: today's.
    QToolButton *button = nullptr;
    for (QToolButton *b : form.date->findChildren<QToolButton *>())
        if (b->defaultAction() == form.date->calendarAction())
            button = b;
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    TCalendarPopup *popup = form.date->calendarPopup();
    QVERIFY(popup);
    QTRY_VERIFY(popup->isVisible());
    const QDate today = QDate::currentDate();
    QCOMPARE(popup->calendar()->monthShown(), today.month());
    QCOMPARE(popup->calendar()->yearShown(), today.year());

    // A click on the 15th: only one cell of a month page shows 15.
    auto *view = popup->calendar()->findChild<QTableView *>();
    QVERIFY(view);
    QModelIndex fifteenth;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        for (int c = 0; c < view->model()->columnCount(); ++c)
            if (view->model()->index(r, c).data().toString() == QLatin1String("15"))
                fifteenth = view->model()->index(r, c);
    QVERIFY(fifteenth.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(fifteenth).center());
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(form.date->text(),
             QDate(today.year(), today.month(), 15).toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestDateEdit::calendarByKeys()
{
    Form form;
    build(form);
    QTest::keyClicks(form.date, QStringLiteral("28.2.2024"));
    // Alt+Down opens the month of the typed date; Right and Enter take the next day.
    QTest::keyClick(form.date, Qt::Key_Down, Qt::AltModifier);
    TCalendarPopup *popup = form.date->calendarPopup();
    QVERIFY(popup);
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->calendar()->selectedDate(), QDate(2024, 2, 28));
    QWidget *view = popup->calendar()->findChild<QTableView *>();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(form.date->text(), QStringLiteral("29.02.2024"));

    // Esc closes it without a choice; an empty edit stays empty.
    form.date->clear();
    QTest::keyClick(form.date, Qt::Key_F4);
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(form.date->text(), QString());
    QVERIFY(DialogHook::shown().isEmpty());
}

QTEST_MAIN(TestDateEdit)
#include "tst_dateedit.moc"
