#include "catalogue/Porocila.h"
#include "controls/DataSetGridModel.h"
#include "controls/XPanel.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/ShellOpen.h"
#include "tests/support/TestProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

struct ActRow
{
    QString code, table, id;
    bool operator==(const ActRow &) const = default;
};

char *toString(const ActRow &row)
{
    return QTest::toString(QStringLiteral("ACT(%1 %2 %3)").arg(row.code, row.table, row.id));
}

} // namespace

// The catalogue window over a temporary program folder with the demo
// installation, driven as the user would: through its actions, its grids and
// its key bar, with every box answered by the dialog hook.
class TestPorocila : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void showsProgramCategoriesAndOrderedReports();
    void deniedReportIsGreyedAndCannotStart_data();
    void deniedReportIsGreyedAndCannotStart();
    void newCategoryIdentifier_data();
    void newCategoryIdentifier();
    void newCategoryCancelledOrEmpty();
    void renameCategory();
    void deleteReport_data();
    void deleteReport();
    void deleteWithFailingActivityLog();
    void design();
    void editorsLeadBackToTheReport_data();
    void editorsLeadBackToTheReport();
    void keyboardAndKeyBar_data();
    void keyboardAndKeyBar();
    void connectionAndEngineServer();
    void closeAndDestroyCleanUp();

private:
    // Starts the program as user over a fresh folder; sql runs before the
    // data module reads the database, reportIni is written before it starts.
    void start(const QString &user = QStringLiteral("ADMIN"),
               TestProgramFolder::Content content = TestProgramFolder::Demo, const QString &sql = {},
               const QString &reportIni = {});
    QStringList column(const QString &sql);
    QList<ActRow> activity();
    QStringList categoryNames() const;
    QStringList reportTitles() const;
    void selectCategory(const QString &name);
    void selectReport(qint64 id);
    void answer(const QString &typed, MsgResult result = MsgResult::None);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
    std::unique_ptr<TFPorocila> m_window;
    QList<qint64> m_runs;
};

void TestPorocila::initTestCase()
{
    // The title plain messages carry.
    Msg::setApplicationTitle(QStringLiteral("Reports executor"));
}

void TestPorocila::cleanup()
{
    m_window.reset();
    m_data.reset();
    m_folder.reset();
    DialogHook::clearAnswerer();
    DialogHook::clearShown();
    ShellOpen::clearHandler();
    CatalogueServices::instance() = CatalogueServices();
    m_runs.clear();
}

void TestPorocila::start(const QString &user, TestProgramFolder::Content content, const QString &sql,
                         const QString &reportIni)
{
    m_folder = std::make_unique<TestProgramFolder>(content);
    if (!reportIni.isEmpty())
        m_folder->writeFile(QStringLiteral("Report.ini"), reportIni);
    if (!sql.isEmpty())
        m_folder->openDatabase().executeScript(sql);
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", user, "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, true);
    m_window = std::make_unique<TFPorocila>();
    m_window->setWindowTitle(QStringLiteral("Ovo - Reports 8.5 "));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    DialogHook::clearShown();
}

QStringList TestPorocila::column(const QString &sql)
{
    QStringList values;
    QSqlQuery q = m_data->DB.execute(sql);
    while (q.next())
        values.append(q.value(0).toString());
    return values;
}

QList<ActRow> TestPorocila::activity()
{
    QList<ActRow> rows;
    QSqlQuery q = m_data->DB.execute(QStringLiteral("SELECT SfAct, Tbl, Id FROM ACT ORDER BY IdAct"));
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return rows;
}

QStringList TestPorocila::categoryNames() const
{
    QStringList names;
    const QAbstractItemModel *m = m_window->ui.GridKat->model();
    for (int r = 0; r < m->rowCount(); ++r)
        names.append(m->index(r, 0).data().toString());
    return names;
}

QStringList TestPorocila::reportTitles() const
{
    QStringList titles;
    const QAbstractItemModel *m = m_window->ui.GridPor->model();
    for (int r = 0; r < m->rowCount(); ++r)
        titles.append(m->index(r, 0).data().toString() + QLatin1Char('/') + m->index(r, 1).data().toString());
    return titles;
}

void TestPorocila::selectCategory(const QString &name)
{
    const int row = int(categoryNames().indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    m_window->ui.GridKat->setCurrentIndex(m_window->ui.GridKat->model()->index(row, 0));
}

void TestPorocila::selectReport(qint64 id)
{
    const auto *m = static_cast<const DataSetGridModel *>(m_window->ui.GridPor->model());
    for (int r = 0; r < m->rowCount(); ++r) {
        if (m->value(r, QStringLiteral("ID_POROCILA")).toLongLong() == id) {
            m_window->ui.GridPor->setCurrentIndex(m->index(r, 0));
            QCOMPARE(m_window->CurrentReportIdText(), QString::number(id));
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("report %1 is not listed").arg(id)));
}

// Every box that has the button gets the given result, the others their
// default; an entry box also gets the text typed.
void TestPorocila::answer(const QString &typed, MsgResult result)
{
    DialogHook::setAnswerer([typed, result](const DialogRequest &request) {
        if (request.value)
            *request.value = typed;
        const std::optional<MsgButton> button = Msg::buttonOf(result);
        return button && request.buttons.testFlag(*button) ? result : MsgResult::None;
    });
}

void TestPorocila::showsProgramCategoriesAndOrderedReports()
{
    // Same number: the title decides; the other program's category stays out.
    start(QStringLiteral("ADMIN"), TestProgramFolder::Demo,
          QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR) "
                         "VALUES (10000002, 10000001, 2, 'Aktivne pogodbe');"
                         "INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR) "
                         "VALUES (10000003, 10000001, 0, 'Zbirnik');"));

    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ovo - Reports 8.5 ") + m_data->FileVersion);
    QVERIFY(!m_data->FileVersion.isEmpty());
    QCOMPARE(categoryNames(),
             (QStringList{"Pogodbe", "Partnerji", "Finance", "Vrednostni papirji", "Uporabniška poročila"}));
    QCOMPARE(m_window->ui.GridKat->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Kategorija"));
    QCOMPARE(reportTitles(), (QStringList{"Zbirnik/10000003", "Seznam pogodb/1", "Aktivne pogodbe/10000002",
                                          "Kartica pogodbe/2", "Pogodbe po organizacijskih enotah/3",
                                          "Navodila za pošiljanje po pogodbah/4"}));
    QCOMPARE(m_window->ui.GridPor->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Naziv"));
    QCOMPARE(m_window->ui.GridPor->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Šifra"));

    selectCategory(QStringLiteral("Finance"));
    QCOMPARE(reportTitles().first(), QStringLiteral("Tečajna lista/8"));

    // The key bar: six items, run, new and change wait for their windows.
    const TXPanel *bar = m_window->ui.XPanel1;
    QStringList captions;
    for (int i = 0; i < bar->buttonCount(); ++i)
        captions.append(bar->button(i)->text());
    QCOMPARE(captions,
             (QStringList{"F1-Pomoč", "F2-Novo", "F3-Spremeni", "F9-Start", "DEL-Briši", "ESC-Izhod"}));
    QCOMPARE(bar->button(3)->isEnabled(), false);
    QCOMPARE(bar->button(4)->isEnabled(), true);
    QVERIFY(!m_window->ui.BPregled->isEnabled());
    QVERIFY(!m_window->ui.Avtomatskapriprava1->isEnabled());
    QCOMPARE(m_window->ui.BPregled->text(), QStringLiteral("F9 - &Start"));
}

void TestPorocila::deniedReportIsGreyedAndCannotStart_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("reportIni");
    QTest::addColumn<qint64>("denied");

    QTest::newRow("listed in NOT_ALLOWED") << "ADMIN"
                                           << "[REPORT]\nNOT_ALLOWED=;9;\n"
                                           << qint64(9);
    QTest::newRow("withheld from the user") << "MOJCA" << QString() << qint64(9);
    QTest::newRow("withheld from the user's group") << "MOJCA" << QString() << qint64(10);
}

void TestPorocila::deniedReportIsGreyedAndCannotStart()
{
    QFETCH(QString, user);
    QFETCH(QString, reportIni);
    QFETCH(qint64, denied);
    CatalogueServices::instance().runReport = [this](qint64 id) { m_runs.append(id); };
    start(user, TestProgramFolder::Demo, {}, reportIni);
    selectCategory(QStringLiteral("Finance"));
    QCOMPARE(m_window->CurrentReportIdText(), QStringLiteral("8"));
    QVERIFY(m_window->ui.BPregled->isEnabled());

    // Greyed while not selected: silver behind the text; the allowed row 11 is not.
    QTableView *grid = m_window->ui.GridPor;
    const auto *m = static_cast<const DataSetGridModel *>(grid->model());
    const auto backgroundOf = [&](qint64 id) {
        const QImage image = grid->viewport()->grab().toImage();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->value(r, QStringLiteral("ID_POROCILA")).toLongLong() == id) {
                const QRect cell = grid->visualRect(m->index(r, 1));
                return image.pixelColor(cell.right() - 3, cell.center().y());
            }
        }
        return QColor();
    };
    QCOMPARE(backgroundOf(denied), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(backgroundOf(11) != QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(reportTitles().size(), 5); // still listed

    // Selected it cannot be started: no button, no menu item, and every way in refuses.
    selectReport(denied);
    QVERIFY(!m_window->ui.BPregled->isEnabled());
    QVERIFY(!m_window->ui.Start1->isEnabled());
    m_window->ui.Izpis->trigger();
    emit m_window->ui.GridPor->doubleClicked(grid->currentIndex());
    QTest::mouseClick(m_window->ui.XPanel1->button(3), Qt::LeftButton);
    const ShownDialog refused{QStringLiteral("Napaka"), QStringLiteral("Ni pravice za izvajanje reporta.")};
    QCOMPARE(DialogHook::shown(), (QList<ShownDialog>{refused, refused, refused}));
    QVERIFY(m_runs.isEmpty());

    selectReport(11);
    QVERIFY(m_window->ui.BPregled->isEnabled());
    m_window->ui.Izpis->trigger();
    QCOMPARE(m_runs, QList<qint64>{11});
}

void TestPorocila::newCategoryIdentifier_data()
{
    QTest::addColumn<int>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expectedId");

    QTest::newRow("first user category") << int(TestProgramFolder::Schema) << QString() << "10000001";
    QTest::newRow("standard-range keys do not count")
        << int(TestProgramFolder::Schema)
        << "INSERT INTO KATEGORIJE (ID_KATEGORIJA, OPIS_KATEGORIJE, PROGRAM) VALUES (42, 'Stara', "
           "'POROCILA');"
        << "10000001";
    QTest::newRow("after the demo categories, of any program")
        << int(TestProgramFolder::Demo) << QString() << "10000007";
    QTest::newRow("one above the highest, whatever the gaps")
        << int(TestProgramFolder::Schema)
        << "INSERT INTO KATEGORIJE (ID_KATEGORIJA, OPIS_KATEGORIJE, PROGRAM) VALUES (10000050, 'Ena', "
           "'DRUGO');"
        << "10000051";
}

void TestPorocila::newCategoryIdentifier()
{
    QFETCH(int, content);
    QFETCH(QString, sql);
    QFETCH(QString, expectedId);
    start(QStringLiteral("ADMIN"), TestProgramFolder::Content(content), sql);

    const QString name = QStringLiteral("Poročila d'Artagnan");
    answer(name);
    m_window->ui.Dodajkategorijo1->trigger();

    QCOMPARE(DialogHook::shown(),
             (QList<ShownDialog>{{QStringLiteral("Kategorije poročil"), QStringLiteral("Ime kategorije")}}));
    QCOMPARE(column(QStringLiteral(
                        "SELECT OPIS_KATEGORIJE || '|' || PROGRAM FROM KATEGORIJE WHERE ID_KATEGORIJA=") +
                    expectedId),
             QStringList{name + QStringLiteral("|POROCILA")});
    QCOMPARE(activity(), (QList<ActRow>{{"+", "KATEGORIJE", expectedId}}));
    QVERIFY(categoryNames().contains(name));
    QCOMPARE(m_window->CurrentCategoryId(), expectedId.toLongLong());
}

void TestPorocila::newCategoryCancelledOrEmpty()
{
    start();
    const QStringList before = column(QStringLiteral("SELECT ID_KATEGORIJA FROM KATEGORIJE"));
    answer(QStringLiteral("Ne bo"), MsgResult::Cancel);
    m_window->ui.Dodajkategorijo1->trigger();
    answer(QString());
    m_window->ui.Dodajkategorijo1->trigger();
    QCOMPARE(column(QStringLiteral("SELECT ID_KATEGORIJA FROM KATEGORIJE")), before);
    QVERIFY(activity().isEmpty());

    // A failing insert is reported and the list is read again.
    m_data->DB.execute(QStringLiteral("DROP TABLE KATEGORIJE"));
    m_data->DB.execute(
        QStringLiteral("CREATE TABLE KATEGORIJE (ID_KATEGORIJA INTEGER, OPIS_KATEGORIJE VARCHAR(5) "
                       "CHECK (length(OPIS_KATEGORIJE) < 5), PROGRAM VARCHAR(30))"));
    DialogHook::clearShown();
    answer(QStringLiteral("Predolgo ime"));
    m_window->ui.Dodajkategorijo1->trigger();
    QCOMPARE(DialogHook::shown().size(), 2);
    QCOMPARE(DialogHook::shown().at(1).caption, QStringLiteral("Napaka"));
    QVERIFY2(
        DialogHook::shown().at(1).text.startsWith(QStringLiteral("Napaka pri vpisu kategorije. Sporočilo: ")),
        qPrintable(DialogHook::shown().at(1).text));
    QVERIFY(categoryNames().isEmpty());
}

void TestPorocila::renameCategory()
{
    start();
    selectCategory(QStringLiteral("Finance"));
    const QString modifyLog = m_folder->readFile(QStringLiteral("Log/Modify.log"));

    // The same name again, and a cancelled box: nothing is written or logged.
    answer(QStringLiteral("Finance"));
    m_window->ui.Preimenuj1->trigger();
    answer(QStringLiteral("Drugače"), MsgResult::Cancel);
    m_window->ui.Preimenuj1->trigger();
    QCOMPARE(m_folder->readFile(QStringLiteral("Log/Modify.log")), modifyLog);
    QVERIFY(activity().isEmpty());
    QCOMPARE(m_window->CurrentCategoryId(), qint64(10000003));

    answer(QStringLiteral("Finance in računovodstvo"));
    m_window->ui.Preimenuj1->trigger();
    QCOMPARE(column(QStringLiteral("SELECT OPIS_KATEGORIJE FROM KATEGORIJE WHERE ID_KATEGORIJA=10000003")),
             QStringList{"Finance in računovodstvo"});
    QCOMPARE(activity(), (QList<ActRow>{{"^", "KATEGORIJE", "10000003"}}));
    // The list is read again from its first row.
    QCOMPARE(categoryNames().at(2), QStringLiteral("Finance in računovodstvo"));
    QCOMPARE(m_window->CurrentCategoryId(), qint64(10000001));
    QCOMPARE(m_window->CurrentReportIdText(), QStringLiteral("1"));
}

void TestPorocila::deleteReport_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<qint64>("report");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("deleted");

    const QString question = QStringLiteral("Ali želite brisati poročilo?");
    QTest::newRow("report without parameters")
        << "ADMIN" << qint64(10000009) << int(MsgResult::Yes) << QStringList{question} << true;
    QTest::newRow("report with parameters is kept")
        << "ADMIN" << qint64(1) << int(MsgResult::Yes)
        << QStringList{question,
                       QStringLiteral("Ne morem brisati poročila. Morda obstajajo definirani parametri.")}
        << false;
    QTest::newRow("answered no") << "ADMIN" << qint64(10000009) << int(MsgResult::No) << QStringList{question}
                                 << false;
    QTest::newRow("user without the catalogue right")
        << "MOJCA" << qint64(10000009) << int(MsgResult::Yes)
        << QStringList{QStringLiteral("Ni pravice za vnos (Porocila vnos).")} << false;
}

void TestPorocila::deleteReport()
{
    QFETCH(QString, user);
    QFETCH(qint64, report);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, deleted);
    start(user, TestProgramFolder::Demo,
          QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR) "
                         "VALUES (10000009, 10000001, 9, 'Brez parametrov');"));
    selectReport(report);
    const QStringList before = reportTitles();

    this->answer(QString(), MsgResult(answer));
    m_window->ui.Brisi->trigger();

    QStringList texts;
    for (const ShownDialog &d : DialogHook::shown())
        texts.append(d.text);
    QCOMPARE(texts, messages);
    const QString exists =
        QStringLiteral("SELECT COUNT(*) FROM POROCILA WHERE ID_POROCILA=") + QString::number(report);
    QCOMPARE(column(exists), QStringList{deleted ? "0" : "1"});
    if (deleted) {
        QCOMPARE(activity(), (QList<ActRow>{{"-", "POROCILA", QString::number(report)}}));
        QVERIFY(!reportTitles().contains(QStringLiteral("Brez parametrov/10000009")));
        QCOMPARE(reportTitles().size(), before.size() - 1);
    } else {
        QVERIFY(activity().isEmpty());
        QCOMPARE(reportTitles(), before);
        QCOMPARE(m_window->CurrentReportIdText(), QString::number(report));
    }
}

void TestPorocila::deleteWithFailingActivityLog()
{
    start(QStringLiteral("ADMIN"), TestProgramFolder::Demo,
          QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR) "
                         "VALUES (10000009, 10000001, 9, 'Brez parametrov'); DROP TABLE ACT;"));
    selectReport(10000009);
    const int before = reportTitles().size();
    answer(QString(), MsgResult::Yes);
    m_window->ui.Brisi->trigger();

    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM POROCILA WHERE ID_POROCILA=10000009")),
             QStringList{"0"});
    // The delete happened: the list no longer shows the report, and the log's error is still reported.
    QVERIFY(!reportTitles().contains(QStringLiteral("Brez parametrov/10000009")));
    QCOMPARE(reportTitles().size(), before - 1);
    QCOMPARE(DialogHook::shown().size(), 2);
    QCOMPARE(DialogHook::shown().at(1).caption, QStringLiteral("Napaka"));
}

void TestPorocila::design()
{
    QStringList opened;
    ShellOpen::setHandler([&](const QString &path) {
        opened.append(path);
        return true;
    });
    start(QStringLiteral("MOJCA"), TestProgramFolder::Demo,
          QStringLiteral("INSERT INTO KATEGORIJE (ID_KATEGORIJA, OPIS_KATEGORIJE, PROGRAM) "
                         "VALUES (10000010, 'Prazna', 'POROCILA');"));
    const QString reportDir = m_folder->file(QStringLiteral("Report/"));
    QCOMPARE(m_window->ReportDir, reportDir);

    selectReport(2);
    m_window->ui.Oblikuj->trigger();
    selectCategory(QStringLiteral("Finance"));
    selectReport(9); // withheld: nothing happens
    m_window->ui.Oblikuj->trigger();
    selectCategory(QStringLiteral("Prazna"));
    QVERIFY(reportTitles().isEmpty());
    m_window->ui.Oblikuj->trigger();

    QCOMPARE(opened, (QStringList{reportDir + "pogodba_kartica.rpt", reportDir}));
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestPorocila::editorsLeadBackToTheReport_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("change"); // F3 instead of F2
    QTest::addColumn<int>("number");  // the number the editor leaves behind
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("new report is found by its number")
        << "ADMIN" << false << 3 << "10000020" << QStringList{};
    QTest::newRow("an unknown number goes to the end") << "ADMIN" << false << 77 << "4" << QStringList{};
    QTest::newRow("changed report is found by its old number")
        << "ADMIN" << true << 0 << "2" << QStringList{};
    QTest::newRow("new without the catalogue right")
        << "MOJCA" << false << 3 << "2" << QStringList{"Ni pravice za vnos (Porocila vnos)."};
}

void TestPorocila::editorsLeadBackToTheReport()
{
    QFETCH(QString, user);
    QFETCH(bool, change);
    QFETCH(int, number);
    QFETCH(QString, current);
    QFETCH(QStringList, messages);

    // Stand-ins for the definition editor: each adds a report numbered 3
    // that sorts before the demo's report 3.
    QList<qint64> edited;
    CatalogueServices &services = CatalogueServices::instance();
    const auto addReport = [this] {
        m_data->DB.execute(
            QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR) "
                           "VALUES (10000020, 10000001, 3, 'A nov')"));
    };
    services.newReport = [&](qint64 category) {
        edited.append(category);
        addReport();
        return number;
    };
    services.changeReport = [&](qint64 category, qint64 report, DataSet &row) {
        edited += {category, report, row.fieldByName(QStringLiteral("STEVILKA_POR"))->asInteger()};
        addReport();
    };
    start(user);
    QVERIFY(m_window->ui.Nov->isEnabled());
    selectReport(2);
    if (change)
        m_window->ui.Spremeni->trigger();
    else
        m_window->ui.Nov->trigger();

    QStringList texts;
    for (const ShownDialog &d : DialogHook::shown())
        texts.append(d.text);
    QCOMPARE(texts, messages);
    if (messages.isEmpty())
        QCOMPARE(edited, (change ? QList<qint64>{10000001, 2, 2} : QList<qint64>{10000001}));
    else
        QVERIFY(edited.isEmpty());
    QCOMPARE(m_window->CurrentReportIdText(), current);
}

void TestPorocila::keyboardAndKeyBar_data()
{
    QTest::addColumn<QKeySequence>("key"); // empty: the key bar item instead
    QTest::addColumn<int>("barItem");
    QTest::addColumn<QString>("firstBox"); // caption|text of the first box, empty for none
    QTest::addColumn<QList<qint64>>("runs");
    QTest::addColumn<bool>("stillOpen");

    const QString question = QStringLiteral("Potrditev|Ali želite brisati poročilo?");
    QTest::newRow("Esc closes") << QKeySequence(Qt::Key_Escape) << -1 << QString() << QList<qint64>{}
                                << false;
    QTest::newRow("ESC-Izhod closes") << QKeySequence() << 5 << QString() << QList<qint64>{} << false;
    QTest::newRow("F9 starts") << QKeySequence(Qt::Key_F9) << -1 << QString() << QList<qint64>{1} << true;
    QTest::newRow("F9-Start starts") << QKeySequence() << 3 << QString() << QList<qint64>{1} << true;
    QTest::newRow("Del asks") << QKeySequence(Qt::Key_Delete) << -1 << question << QList<qint64>{} << true;
    QTest::newRow("DEL-Briši asks") << QKeySequence() << 4 << question << QList<qint64>{} << true;
    QTest::newRow("F1-Pomoč has no help to show")
        << QKeySequence() << 0 << QString() << QList<qint64>{} << true;
    QTest::newRow("Ctrl+Shift+F10 shows the user") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F10) << -1
                                                   << "Reports executor|ADMIN" << QList<qint64>{} << true;
    QTest::newRow("Ctrl+Shift+D asks for the database")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D) << -1 << "Database|Server:" << QList<qint64>{}
        << true;
    QTest::newRow("Ctrl+Shift+S asks for the server") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << -1
                                                      << "Database|Server:" << QList<qint64>{} << true;
}

void TestPorocila::keyboardAndKeyBar()
{
    QFETCH(QKeySequence, key);
    QFETCH(int, barItem);
    QFETCH(QString, firstBox);
    QFETCH(QList<qint64>, runs);
    QFETCH(bool, stillOpen);
    CatalogueServices::instance().runReport = [this](qint64 id) { m_runs.append(id); };
    start();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->ui.GridPor->setFocus();
    answer(QString(), MsgResult::No);

    if (barItem >= 0)
        QTest::mouseClick(m_window->ui.XPanel1->button(barItem), Qt::LeftButton);
    else
        QTest::keySequence(m_window.get(), key);

    const QList<ShownDialog> shown = DialogHook::shown();
    QCOMPARE(shown.isEmpty() ? QString() : shown.first().caption + QLatin1Char('|') + shown.first().text,
             firstBox);
    QCOMPARE(m_runs, runs);
    QCOMPARE(m_window->isVisible(), stillOpen);
}

void TestPorocila::connectionAndEngineServer()
{
    start();
    const QString server = m_data->RpeServer, database = m_data->RpeDatabase;

    m_window->UporabnikiExecute();
    m_window->Lastnostipovezave1Click();
    QCOMPARE(DialogHook::shown(),
             (QList<ShownDialog>{{"Reports executor", "ADMIN"},
                                 {"Reports executor", "Marko Zupančič"},
                                 {"Informacija", "Servername=" + server + "; Databasename=" + database +
                                                     "; Driver=" + m_data->RpeDriver},
                                 {"Informacija", "ORACLE=QSQLITE"}}));
    QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Bde.txt"))));

    // An empty answer keeps the value; any other replaces it.
    answer(QString());
    m_window->ui.ADatabase->trigger();
    m_window->ui.AServer->trigger();
    QCOMPARE(m_data->RpeDatabase, database);
    QCOMPARE(m_data->RpeServer, server);
    answer(QStringLiteral("PRODUKCIJA"));
    m_window->ui.ADatabase->trigger();
    QCOMPARE(m_data->RpeDatabase, QStringLiteral("PRODUKCIJA"));
    answer(QStringLiteral("SRV2"));
    m_window->ui.AServer->trigger();
    QCOMPARE(m_data->RpeServer, QStringLiteral("SRV2"));
}

void TestPorocila::closeAndDestroyCleanUp()
{
    start(QStringLiteral("ADMIN"), TestProgramFolder::Demo, {},
          QStringLiteral("[REPORT]\nNOT_ALLOWED=\n\n[VALUES]\nDATUM=1.1.2024\n"));
    const QString computer = QString(m_data->ComputerName).replace(QLatin1Char('\''), QStringLiteral("''"));
    m_data->DB.execute(
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('%1', 1)").arg(computer));
    m_data->DB.execute(
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('%1', 2)").arg(computer));
    m_data->DB.execute(
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, INTID) VALUES ('DRUGI-RACUNALNIK', 3)"));

    m_window->close();
    QCOMPARE(column(QStringLiteral("SELECT COMPUTER FROM REPORT_SQL")), QStringList{"DRUGI-RACUNALNIK"});
    QVERIFY(m_folder->readFile(QStringLiteral("Report.ini")).contains(QStringLiteral("DATUM=")));

    m_window.reset();
    const QString ini = m_folder->readFile(QStringLiteral("Report.ini"));
    QVERIFY2(!ini.contains(QStringLiteral("[VALUES]")) && !ini.contains(QStringLiteral("DATUM")),
             qPrintable(ini));
    QVERIFY(ini.contains(QStringLiteral("[REPORT]")));
}

QTEST_MAIN(TestPorocila)
#include "tst_porocila.moc"
