#include "catalogue/FIskanje.h"
#include "controls/DataSetGridModel.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "tests/support/TestProgramFolder.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

// The search dialog over the persons of the demo installation, driven through
// its edit, its sort list, its navigator and its buttons.
class TestFIskanje : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyStartShowsNoRowsAndDressedColumns();
    void typedTextIsUpperCaseAndEnterSearchesThenAccepts();
    void sortLabelSearchesSameTextInThatColumn();
    void apostropheIsSearchedAsText();
    void briseEmptiesTheEdit();
    void searchReturnsTheChosenRowAndFreesTheDialog_data();
    void searchReturnsTheChosenRowAndFreesTheDialog();

private:
    // Opens a dialog over OSB (key SFOSB, description NZV) and shows it.
    void open(const QString &filter, const QString &startText);
    QStringList column(const QString &fieldName) const;
    QStringList headings() const;
    void press(Qt::Key key) { QTest::keyClick(m_dialog->ui.eiskanje, key); }

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
    std::unique_ptr<TFIskanje> m_dialog;
};

void TestFIskanje::init()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"},
        true);
    DialogHook::clearShown();
}

void TestFIskanje::cleanup()
{
    m_dialog.reset();
    m_data.reset();
    m_folder.reset();
    DialogHook::clearShown();
}

void TestFIskanje::open(const QString &filter, const QString &startText)
{
    m_dialog = std::make_unique<TFIskanje>();
    OVO_TRY(m_dialog->Open(QStringLiteral("OSB"), QStringLiteral("SFOSB"), QStringLiteral("NZV"), filter,
                           startText));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

QStringList TestFIskanje::column(const QString &fieldName) const
{
    const auto *model = static_cast<const DataSetGridModel *>(m_dialog->ui.DBGrid1->model());
    QStringList values;
    for (int r = 0; r < model->rowCount(); ++r)
        values.append(model->value(r, fieldName).toString());
    return values;
}

QStringList TestFIskanje::headings() const
{
    const QAbstractItemModel *model = m_dialog->ui.DBGrid1->model();
    QStringList titles;
    for (int c = 0; c < model->columnCount(); ++c)
        titles.append(model->headerData(c, Qt::Horizontal).toString());
    return titles;
}

void TestFIskanje::emptyStartShowsNoRowsAndDressedColumns()
{
    open(QString(), QString());

    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Iskanje"));
    QCOMPARE(m_dialog->ui.DBGrid1->model()->rowCount(), 0);
    QVERIFY(m_dialog->Query.sqlText().contains(QStringLiteral("0=1")));
    QVERIFY(m_dialog->ui.eiskanje->hasFocus());
    // Key first as "*", then the leading columns OSB has, then the rest in
    // table order; columns the dictionary lacks are headed by their names.
    QCOMPARE(m_dialog->resultColumns(),
             (QStringList{"SFOSB", "NZV", "IME", "MTS", "DVS", "NSL", "MST", "PST", "SFDRZ", "DZ", "ROJ",
                          "TEL", "FAX", "EML", "EMAIL", "ZRR"}));
    const QStringList titles = headings();
    QCOMPARE(titles.mid(0, 4), (QStringList{"*", "Naziv", "Ime", "Matiena št."}));
    QCOMPARE(titles.at(9), QStringLiteral("DZ"));
    QCOMPARE(titles.at(14), QStringLiteral("EMAIL"));
    QStringList labels;
    for (int i = 0; i < m_dialog->ui.LBSort->count(); ++i)
        labels.append(m_dialog->ui.LBSort->item(i)->text());
    QCOMPARE(labels, titles);
    QCOMPARE(m_dialog->ui.LBSort->currentRow(), 1); // the description column sorts
    // Widths come from the dictionary: Naziv is 30 characters, wider than Pošta's 10.
    QVERIFY(m_dialog->ui.DBGrid1->columnWidth(1) > 2 * m_dialog->ui.DBGrid1->columnWidth(7));
}

void TestFIskanje::typedTextIsUpperCaseAndEnterSearchesThenAccepts()
{
    open(QStringLiteral("SFOSB < 20"), QString());
    QTest::keyClicks(m_dialog->ui.eiskanje, QStringLiteral("kra"));
    QCOMPARE(m_dialog->ui.eiskanje->text(), QStringLiteral("KRA"));

    press(Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    // Kralj 22 is outside the filter; the rest sorted by name.
    QCOMPARE(column(QStringLiteral("NZV")), (QStringList{"Krajnc", "Kralj"}));
    QVERIFY(m_dialog->Query.sqlText().contains(QStringLiteral("NZV LIKE 'KRA%'")));

    QTest::mouseClick(m_dialog->ui.NavLast, Qt::LeftButton);
    QCOMPARE(m_dialog->ui.DBGrid1->currentIndex().row(), 1);
    press(Qt::Key_Enter); // same text: accepts the current row
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result().key, QStringLiteral("4"));
    QCOMPARE(m_dialog->result().description, QStringLiteral("Kralj"));
}

void TestFIskanje::sortLabelSearchesSameTextInThatColumn()
{
    open(QString(), QStringLiteral("ko"));
    QCOMPARE(m_dialog->ui.eiskanje->text(), QStringLiteral("KO"));
    QCOMPARE(column(QStringLiteral("NZV")), (QStringList{"Korošec", "Kos", "Kovačič"}));

    const int mst = int(m_dialog->resultColumns().indexOf(QStringLiteral("MST")));
    QListWidgetItem *item = m_dialog->ui.LBSort->item(mst);
    QTest::mouseClick(m_dialog->ui.LBSort->viewport(), Qt::LeftButton, {},
                      m_dialog->ui.LBSort->visualItemRect(item).center());
    QCOMPARE(m_dialog->sortColumn(), QStringLiteral("MST"));
    QCOMPARE(m_dialog->ui.eiskanje->text(), QStringLiteral("KO"));
    QCOMPARE(column(QStringLiteral("MST")), (QStringList{"Koper", "Koper", "Koper"}));
    QCOMPARE(column(QStringLiteral("SFOSB")).size(), 3);
    QVERIFY(m_dialog->Query.sqlText().contains(QStringLiteral("Order By MST")));
}

void TestFIskanje::apostropheIsSearchedAsText()
{
    open(QString(), QString());
    QTest::keyClicks(m_dialog->ui.eiskanje, QStringLiteral("o'"));
    press(Qt::Key_Return);
    QVERIFY(DialogHook::shown().isEmpty());
    QVERIFY(m_dialog->Query.sqlText().contains(QStringLiteral("NZV LIKE 'O''%'")));
    QCOMPARE(m_dialog->ui.DBGrid1->model()->rowCount(), 0);
    // An empty result is never accepted, however often Enter is pressed.
    press(Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
}

void TestFIskanje::briseEmptiesTheEdit()
{
    open(QString(), QStringLiteral("HOR"));
    // The starting text was searched but not yet by Enter: the first Enter searches again.
    press(Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(column(QStringLiteral("NZV")), (QStringList{"Horvat", "Horvat"}));
    QTest::mouseClick(m_dialog->ui.SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_dialog->ui.eiskanje->text(), QString());
    // An empty search text lists every row.
    press(Qt::Key_Return);
    QSqlQuery count = m_data->DB.execute(QStringLiteral("SELECT COUNT(*) FROM OSB"));
    QVERIFY(count.next());
    QCOMPARE(m_dialog->ui.DBGrid1->model()->rowCount(), count.value(0).toInt());
}

void TestFIskanje::searchReturnsTheChosenRowAndFreesTheDialog_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("description");

    QTest::newRow("V REDU") << "ok"
                            << "4"
                            << "Kralj";
    QTest::newRow("PREKLIC") << "cancel"
                             << ""
                             << "";
    QTest::newRow("Esc") << "escape"
                         << ""
                         << "";
}

void TestFIskanje::searchReturnsTheChosenRowAndFreesTheDialog()
{
    QFETCH(QString, action);
    QFETCH(QString, key);
    QFETCH(QString, description);

    QPointer<TFIskanje> shown;
    QTimer::singleShot(0, this, [&] {
        shown = qobject_cast<TFIskanje *>(QApplication::activeModalWidget());
        QVERIFY(shown);
        QCOMPARE(shown->ui.eiskanje->text(), QStringLiteral("KRALJ"));
        if (action == QLatin1String("ok"))
            QTest::mouseClick(shown->ui.sbOk, Qt::LeftButton);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(shown->ui.sbPreklic, Qt::LeftButton);
        else
            QTest::keyClick(shown->ui.eiskanje, Qt::Key_Escape);
    });
    const TFIskanje::Result result =
        TFIskanje::Search(QStringLiteral("OSB"), QStringLiteral("SFOSB"), QStringLiteral("NZV"),
                          QStringLiteral("SFOSB < 20"), QStringLiteral("kralj"));
    QCOMPARE(result.key, key);
    QCOMPARE(result.description, description);
    QVERIFY(shown.isNull());
}

QTEST_MAIN(TestFIskanje)
#include "tst_fiskanje.moc"
