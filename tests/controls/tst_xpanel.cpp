#include "controls/XPanel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestXPanel : public QObject
{
    Q_OBJECT

private slots:
    void itemString_data();
    void itemString();
    void disabledItemsStayDisabled();
    void buttonWidths_data();
    void buttonWidths();
    void releaseReportsPressedButton();
    void reapplyKeepsButtons();
};

void TestXPanel::itemString_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("flat");
    QTest::addColumn<QString>("hint"); // null: no hint

    QTest::newRow("plain key") << "F9-Start" << true << "F9-Start" << true << QString();
    QTest::newRow("leading exclamation disables") << "!Shrani" << false << "Shrani" << true << QString();
    QTest::newRow("raised with a hint")
        << "Start!false{Zažene poročilo}" << true << "Start" << false << "Zažene poročilo";
    QTest::newRow("flat word trimmed and in any case")
        << "Start! TRUE " << true << "Start" << true << QString();
    QTest::newRow("anything but true is raised") << "Start!da" << true << "Start" << false << QString();
    // The hint is cut off first, so its exclamation mark is not the flat part.
    QTest::newRow("exclamation inside the hint") << "Pomoč{Beri!}" << true << "Pomoč" << true << "Beri!";
    QTest::newRow("disabled, raised, hinted")
        << "!Briši!false{Brisanje}" << false << "Briši" << false << "Brisanje";
}

void TestXPanel::itemString()
{
    QFETCH(QString, item);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    QFETCH(bool, flat);
    QFETCH(QString, hint);

    TXPanel panel;
    panel.setItems({item});
    panel.Loaded();
    QCOMPARE(panel.buttonCount(), 1);
    const QPushButton *b = panel.button(0);
    QCOMPARE(b->isEnabled(), enabled);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->isFlat(), flat);
    QCOMPARE(b->toolTip(), hint.isNull() ? QString() : hint);
}

void TestXPanel::disabledItemsStayDisabled()
{
    TXPanel panel;
    panel.setItems({QStringLiteral("F2-Novo"), QStringLiteral("!Shrani")});
    panel.Loaded();
    panel.SetEnabled(false);
    QVERIFY(!panel.button(0)->isEnabled());
    QVERIFY(!panel.isEnabled());
    panel.SetEnabled(true);
    QVERIFY(panel.button(0)->isEnabled());
    QVERIFY(!panel.button(1)->isEnabled());
}

void TestXPanel::buttonWidths_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("six items share 636 evenly") << 6 << QList<int>{106, 106, 106, 106, 106, 106};
    QTest::newRow("seven items: the last takes the remainder") << 7 << QList<int>{90, 90, 90, 90, 90, 90, 96};
    QTest::newRow("no items build no buttons") << 0 << QList<int>{};
}

void TestXPanel::buttonWidths()
{
    QFETCH(int, items);
    QFETCH(QList<int>, widths);

    TXPanel panel;
    QStringList list;
    for (int i = 0; i < items; ++i)
        list.append(QStringLiteral("K%1").arg(i));
    panel.setItems(list);
    panel.setLeftMargin(2);
    panel.setRightMargin(2);
    panel.resize(640, 30);
    panel.Loaded();
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    QCOMPARE(panel.buttonCount(), widths.size());
    int left = 2;
    for (int i = 0; i < widths.size(); ++i) {
        const QRect g = panel.button(i)->geometry();
        QCOMPARE(g.x(), left);
        QCOMPARE(g.width(), widths.at(i));
        QCOMPARE(g.y(), 3);
        QCOMPARE(g.height(), 30 - 3 - 3);
        left += widths.at(i);
    }

    // A margin change lays the row out again.
    if (!widths.isEmpty()) {
        panel.setLeftMargin(10);
        QCOMPARE(panel.button(0)->x(), 10);
        QCOMPARE(panel.button(widths.size() - 1)->geometry().right(), 640 - 2 - 1);
    }
}

void TestXPanel::releaseReportsPressedButton()
{
    TXPanel panel;
    panel.setItems({QStringLiteral("A"), QStringLiteral("!B"), QStringLiteral("C"), QStringLiteral("D")});
    panel.resize(400, 30);
    panel.Loaded();
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy spy(&panel, &TXPanel::mouseUp);

    QTest::mouseClick(panel.button(2), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);
    QCOMPARE(panel.ButtonIndex(), 2);

    // A disabled button reports nothing.
    QTest::mouseClick(panel.button(1), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestXPanel::reapplyKeepsButtons()
{
    TXPanel panel;
    panel.setItems({QStringLiteral("F1-Pomoč"), QStringLiteral("F2-Novo")});
    panel.Loaded();
    QPushButton *first = panel.button(0);

    // Writing the items alone changes no button.
    panel.setItems(
        {QStringLiteral("F1-Help"), QStringLiteral("!F2-New{Nothing yet}"), QStringLiteral("Extra")});
    QCOMPARE(panel.button(0)->text(), QStringLiteral("F1-Pomoč"));

    panel.ReapplyItems();
    QCOMPARE(panel.buttonCount(), 2);
    QCOMPARE(panel.button(0), first);
    QCOMPARE(panel.button(0)->text(), QStringLiteral("F1-Help"));
    QCOMPARE(panel.button(1)->text(), QStringLiteral("F2-New"));
    QVERIFY(!panel.button(1)->isEnabled());
    QCOMPARE(panel.button(1)->toolTip(), QStringLiteral("Nothing yet"));
}

QTEST_MAIN(TestXPanel)
#include "tst_xpanel.moc"
