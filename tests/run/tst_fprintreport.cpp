// The report run window over the demo installation: its rows, defaults and
// key lists, what a run makes of the inputs, and the way in from the catalogue.

#include "catalogue/Porocila.h"
#include "controls/DateEdit.h"
#include "engine/Rpe.h"
#include "mail/MapiMail.h"
#include "run/FPrintSql.h"
#include "run/FPrintReport.h"
#include "run/RunServices.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Logs.h"
#include "tests/support/TestProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <memory>

class TestFPrintReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyDemoReportOpensWithItsRows();
    void defaults_data();
    void defaults();
    void keyFileListsStartUnselected();
    void missingReportIsReported();
    void catalogueOpensTheRunWindow();
    void fillFields_data();
    void fillFields();
    void aRunWritesItsSelection();
    void everyDemoReportRunsWithItsDefaults();
    void sqlReportShowsItsLastSelect();
    void sqlReportWithoutItsFile();
    void demoSqlReportShowsPartners();
    void mailHandsTheExportOver();
    void unknownExportFormatRunsNothing();

private:
    QStringList column(const QString &sql);
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
};

void TestFPrintReport::init()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    QDir().mkpath(m_folder->file(QStringLiteral("Report")));
    const QDir source(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report")));
    for (const QString &name : source.entryList(QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), m_folder->file(QStringLiteral("Report/") + name)));
    QVERIFY(QFile::link(QStringLiteral(RPE_LIBRARY_DIR "/librpe32.so"), m_folder->file(QStringLiteral("librpe32.so"))));
    m_folder->writeFile(QStringLiteral("Report.ini"),
                        QStringLiteral("[VALUES]\nDVALUTA=EUR\nPOGODBA=1002\nNEZAPRT=odprto\n"));
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, true);
    DialogHook::clearShown();
}

void TestFPrintReport::cleanup()
{
    m_data.reset();
    m_folder.reset();
    DialogHook::clearAnswerer();
}

QStringList TestFPrintReport::column(const QString &sql)
{
    QStringList values;
    QSqlQuery q = m_data->DB.execute(sql);
    while (q.next())
        values << q.value(0).toString();
    return values;
}

void TestFPrintReport::everyDemoReportOpensWithItsRows()
{
    for (const QString &id : column(QStringLiteral("SELECT ID_POROCILA FROM POROCILA ORDER BY ID_POROCILA"))) {
        TFPrintReport window;
        QVERIFY2(window.Open(id.toLongLong()), qPrintable(id));
        const QStringList captions =
            column(QStringLiteral("SELECT NASLOV_PAR FROM POROCILA_PAR WHERE ID_POROCILA = %1 AND VIDNO = 1 "
                                  "ORDER BY SORTIRANJE").arg(id));
        QStringList labels;
        QList<QLabel *> found = window.ui.PFields->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        std::sort(found.begin(), found.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
        for (QLabel *label : found)
            if (label != window.ui.lVersion)
                labels << label->text();
        QCOMPARE(labels, captions);
        for (const ReportParameter &row : window.parameters()) {
            QWidget *first = window.ui.PFields->findChild<QWidget *>(row.firstName());
            QWidget *second = window.ui.PFields->findChild<QWidget *>(row.secondName());
            QCOMPARE(first != nullptr, row.visible);
            QCOMPARE(second != nullptr, row.visible && row.op == 5);
        }
        QVERIFY(window.windowTitle().startsWith(id + QLatin1Char(' ')));
    }
}

void TestFPrintReport::defaults_data()
{
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    QTest::addColumn<qint64>("report");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("date macro") << qint64(1) << "S_1" << today << "";
    QTest::newRow("date range has two empty edits") << qint64(1) << "R_2" << "" << "";
    QTest::newRow("literal date") << qint64(2) << "S_7" << "01.01.2026" << "";
    QTest::newRow("macro in lower case") << qint64(12) << "S_48" << today << "";
    QTest::newRow("key from Report.ini") << qint64(8) << "S_29" << "Evro" << "EUR";
    QTest::newRow("contract from Report.ini") << qint64(2) << "S_6" << "" << "1002";
    QTest::newRow("literal text") << qint64(10) << "S_40" << "760000" << "";
    QTest::newRow("year macro") << qint64(9) << "S_32" << QDate::currentDate().toString(QStringLiteral("yyyy")) << "";
}

void TestFPrintReport::defaults()
{
    QFETCH(qint64, report);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, key);
    TFPrintReport window;
    QVERIFY(window.Open(report));
    QWidget *w = window.ui.PFields->findChild<QWidget *>(control);
    QVERIFY(w);
    if (auto *list = qobject_cast<QComboBox *>(w)) {
        QCOMPARE(list->currentData(TFPrintReport::KeyRole).toString(), key);
        if (!text.isEmpty())
            QCOMPARE(list->currentText(), text);
    } else if (auto *date = qobject_cast<TDateEdit *>(w)) {
        QCOMPARE(date->dateText(), text);
    } else {
        QCOMPARE(qobject_cast<QLineEdit *>(w)->text(), text);
    }
}

void TestFPrintReport::keyFileListsStartUnselected()
{
    TFPrintReport window;
    QVERIFY(window.Open(4));
    auto *list = window.ui.PFields->findChild<QComboBox *>(QStringLiteral("S_15"));
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentIndex(), -1);
    // The line mark of a description becomes a comma in the item's text.
    QCOMPARE(list->itemText(2), QStringLiteral("Pošiljanje po pošti,tiskarna pripravi ovojnico"));
    list->setCurrentIndex(2);
    const ParameterInput in = window.FindData(15, QStringLiteral("S"), 6, QStringLiteral("F"));
    QCOMPARE(in.first, QStringLiteral("'POSTA_DA'"));
    QCOMPARE(in.description, QStringLiteral("Pošiljanje po pošti,'+Chr(13)+'tiskarna pripravi ovojnico"));
}

void TestFPrintReport::missingReportIsReported()
{
    TFPrintReport window;
    QVERIFY(!window.Open(0));
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, QStringLiteral("Ne najdem željenega poročila (0)."));
}

void TestFPrintReport::catalogueOpensTheRunWindow()
{
    InstallRunServices();
    TFPorocila catalogue;
    catalogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&catalogue));
    QString title;
    int rows = 0;
    // The window is modal: look for it from the event loop it runs.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<TFPrintReport *>(w);
            if (window && window->isVisible()) {
                title = window->windowTitle();
                rows = int(window->parameters().size());
                window->reject();
            }
        }
    });
    poll.start(50);
    // The first report of the first category is the current row.
    catalogue.findChild<QAction *>(QStringLiteral("Izpis"))->trigger();
    QCOMPARE(title, QStringLiteral("1 Seznam pogodb"));
    QCOMPARE(rows, 5);
    CatalogueServices::instance().runReport = nullptr;
}

void TestFPrintReport::fillFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("op");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("equal text") << "{OSB.MST}" << "S" << "S" << 0 << true << "" << "Ljubljana" << "" << ""
                                << QStringList{"{OSB.MST}='Ljubljana'"} << QStringList{}
                                << QStringList{"Kraj: Ljubljana"};
    QTest::newRow("apostrophe stays inside") << "{OSB.NZV}" << "S" << "S" << 2 << true << "" << "O'Hara' or true or '"
                                             << "" << ""
                                             << QStringList{"{OSB.NZV}>='O''Hara'' or true or '''"} << QStringList{}
                                             << QStringList{"Kraj >= O'Hara' or true or '"};
    QTest::newRow("date range") << "{POG.DAN}" << "S" << "D" << 5 << true << "" << "01.01.2026" << "31.3.2026" << ""
                                << QStringList{"{POG.DAN} in Date(2026,01,01) to Date(2026,03,31)"} << QStringList{}
                                << QStringList{"Kraj 01.01.2026 - 31.3.2026"};
    QTest::newRow("only the to-value") << "{POG.DAN}" << "S" << "D" << 5 << true << "" << "" << "31.03.2026" << ""
                                       << QStringList{"{POG.DAN}<=Date(2026,03,31)"} << QStringList{}
                                       << QStringList{"Kraj  - 31.03.2026"};
    QTest::newRow("number greater") << "{POG.IDPOG}" << "S" << "N" << 1 << true << "" << "1005" << "" << ""
                                    << QStringList{"{POG.IDPOG}>1005"} << QStringList{}
                                    << QStringList{"Kraj > 1005"};
    QTest::newRow("list of keys") << "{POG.SFDJV}" << "S" << "S" << 6 << true << "" << "'U', 'L'" << "U, L"
                                  << "Upravljanje,'+Chr(13)+'Lastno"
                                  << QStringList{"{POG.SFDJV} in ['U', 'L']"} << QStringList{}
                                  << QStringList{"Kraj: (Upravljanje,'+Chr(13)+'Lastno)"};
    QTest::newRow("empty adds nothing") << "{OSB.MST}" << "S" << "S" << 0 << true << "" << "" << "" << ""
                                        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("report parameter date") << "DatumDo" << "P" << "D" << 0 << true << "" << "5.2.2026" << "" << ""
                                           << QStringList{} << QStringList{"DatumDo=2026,02,05"} << QStringList{};
    QTest::newRow("script parameter is listed") << "{?MST}" << "F" << "S" << 0 << true << "" << "Koper" << "" << ""
                                                << QStringList{} << QStringList{"{?MST}=Koper"}
                                                << QStringList{"Kraj: Koper"};
    QTest::newRow("hidden range from its default") << "{VLN.SFVLN}" << "S" << "S" << 5 << false << "0" << "" << ""
                                                   << "" << QStringList{"{VLN.SFVLN} in '0' to '0'"}
                                                   << QStringList{} << QStringList{};
    QTest::newRow("hidden not equal") << "{POG.SFDJV}" << "S" << "S" << 7 << false << "K" << "" << "" << ""
                                      << QStringList{"{POG.SFDJV}<>'K'"} << QStringList{} << QStringList{};
    QTest::newRow("hidden report parameter") << "Valuta" << "P" << "S" << 0 << false << "|DVALUTA|" << "" << ""
                                             << "" << QStringList{} << QStringList{"Valuta=EUR"} << QStringList{};
}

void TestFPrintReport::fillFields()
{
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(QString, type);
    QFETCH(int, op);
    QFETCH(bool, visible);
    QFETCH(QString, defaultValue);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, description);
    QFETCH(QStringList, selection);
    QFETCH(QStringList, parameters);
    QFETCH(QStringList, lines);

    ReportParameter row;
    row.id = 1;
    row.field = field;
    row.caption = QStringLiteral("Kraj");
    row.kind = kind;
    row.dataType = type;
    row.op = op;
    row.visible = visible;
    row.defaultValue = defaultValue;
    row.source = QStringLiteral("T");
    QStringList gotSelection, gotParameters;
    ReportParameters::FillFieldsTarget target;
    target.input = [&](const ReportParameter &) { return ParameterInput{first, second, description}; };
    target.addSelection = [&](const QString &condition) { gotSelection << condition; };
    target.setParameter = [&](const QString &name, const QString &value) {
        gotParameters << name + QLatin1Char('=') + value;
    };
    ReportParameters::RunState state;
    ReportParameters::FillFields({row}, target, state);
    QCOMPARE(gotSelection, selection);
    QCOMPARE(gotParameters, parameters);
    QCOMPARE(state.filterLines, lines);
}

void TestFPrintReport::aRunWritesItsSelection()
{
    TFPrintReport window;
    QVERIFY(window.Open(3));
    auto *org = window.ui.PFields->findChild<QComboBox *>(QStringLiteral("S_11"));
    org->addItem(QStringLiteral("Ljubljana"), QStringLiteral("1"));
    org->setCurrentIndex(0);
    window.ui.PFields->findChild<QLineEdit *>(QStringLiteral("S_12"))->setText(QStringLiteral("1003"));
    window.ui.PFields->findChild<TDateEdit *>(QStringLiteral("S_13"))->setText(QStringLiteral("30.6.2026"));
    TRpe *job = window.Job();
    job->setOutput(toExport);
    job->ExportOptions()->FileType = AdobeAcrobatPDF;
    job->ExportOptions()->FileName = m_folder->file(QStringLiteral("pogodbe.pdf"));
    QVERIFY(window.ExecuteReport());
    QFile log(SqlLogDir() + QStringLiteral("Formula.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList written = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(written, (QStringList{"{POG.DAN} <= {?DatumDo}", " and {POG.SFORG}>=1", " and {POG.IDPOG}>1003",
                                   " and {POG.DAN}<=Date(2026,06,30)"}));
    QCOMPARE(window.state().filterLines,
             (QStringList{"Org. enota 1 - ", "Pogodbe nad številko > 1003", "Sklenjene do <= 30.06.2026"}));
    QVERIFY(QFile::exists(m_folder->file(QStringLiteral("pogodbe.pdf"))));
}

void TestFPrintReport::everyDemoReportRunsWithItsDefaults()
{
    const QStringList ids = column(QStringLiteral(
        "SELECT ID_POROCILA FROM POROCILA WHERE UPPER(DATOTEKA_POR) NOT LIKE '%.SQL' ORDER BY ID_POROCILA"));
    QVERIFY(!ids.isEmpty());
    for (const QString &id : ids) {
        DialogHook::clearShown();
        TFPrintReport window;
        QVERIFY(window.Open(id.toLongLong()));
        TRpe *job = window.Job();
        job->setOutput(toExport);
        job->ExportOptions()->FileType = AdobeAcrobatPDF;
        const QString pdf = m_folder->file(QStringLiteral("porocilo_%1.pdf").arg(id));
        job->ExportOptions()->FileName = pdf;
        try {
            QVERIFY2(window.ExecuteReport(), qPrintable(id));
        } catch (const std::exception &e) {
            QFAIL(qPrintable(QStringLiteral("report %1: %2").arg(id, QString::fromUtf8(e.what()))));
        }
        QVERIFY2(DialogHook::shown().isEmpty(),
                 qPrintable(QStringLiteral("report %1: %2").arg(id, DialogHook::shown().value(0).text)));
        QVERIFY2(QFile::exists(pdf), qPrintable(id));
    }
}

void TestFPrintReport::sqlReportShowsItsLastSelect()
{
    // It names itself as its script: it runs once, and the last SELECT is shown.
    m_folder->writeFile(QStringLiteral("Report/poizvedba.sql"),
                        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV) VALUES ({?COMPUTER}, 7, 'Test');\n"
                                       "SELECT NZV FROM OSB;\n"
                                       "SELECT SFOSB, NZV FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n"));
    m_data->DB.execute(QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR, "
                                      "DATOTEKA_POR, OPIS_POROCILA) VALUES (90, 10000002, 9, 'Poizvedba', "
                                      "'poizvedba.sql', 'poizvedba.sql')"));
    m_data->DB.execute(QStringLiteral("INSERT INTO POROCILA_PAR (ID_PARAMETRA, ID_POROCILA, POLJE, NASLOV_PAR, "
                                      "PREVERI, PRIVZETO, VIDNO, TIP_PAR, TIP_PODATKA, SORTIRANJE, KLJUC) VALUES "
                                      "(900, 90, '{?COMPUTER}', 'Računalnik', 0, '|COMPUTER|', 0, 'F', 'S', 90, 'N')"));
    const QString saved = m_folder->file(QStringLiteral("izvoz.xls"));
    DialogHook::setAnswerer([&](const DialogRequest &request) {
        if (request.value)
            *request.value = saved;
        return MsgResult::None;
    });
    TFPrintReport window;
    QVERIFY(window.Open(90));
    QStringList lines;
    QString caption;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *viewer = qobject_cast<TfPrintSql *>(w);
            if (viewer && viewer->isVisible()) {
                caption = viewer->pCaption->text();
                lines = viewer->ResultLines();
                viewer->BitBtn1Click();
                viewer->reject();
            }
        }
    });
    poll.start(50);
    window.BPregledClick();
    QCOMPARE(caption, QStringLiteral("Poizvedba"));
    QCOMPARE(lines, (QStringList{"SFOSB\tNZV", "7\tTest"}));
    QCOMPARE(m_folder->readFile(QStringLiteral("izvoz.xls")), QStringLiteral("SFOSB\tNZV\r\n7\tTest\r\n"));
    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL WHERE SFOSB = 7")), QStringList{"1"});
}

void TestFPrintReport::sqlReportWithoutItsFile()
{
    m_data->DB.execute(QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR, "
                                      "DATOTEKA_POR) VALUES (91, 10000002, 10, 'Brez datoteke', 'ni.SQL')"));
    TFPrintReport window;
    QVERIFY(window.Open(91));
    window.ui.BPregled->click();
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text,
             QStringLiteral("Unknown SQL skript %1!").arg(m_data->ReportDir + QStringLiteral("ni.SQL")));
}

void TestFPrintReport::demoSqlReportShowsPartners()
{
    const QString saved = m_folder->file(QStringLiteral("partnerji.xls"));
    DialogHook::setAnswerer([&](const DialogRequest &request) {
        if (request.value)
            *request.value = saved;
        return MsgResult::None;
    });
    TFPrintReport window;
    QVERIFY(window.Open(6));
    int rows = 0;
    QStringList lines;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *viewer = qobject_cast<TfPrintSql *>(w);
            if (viewer && viewer->isVisible()) {
                rows = viewer->Grid->model()->rowCount();
                lines = viewer->ResultLines();
                viewer->BitBtn1->click();
                viewer->reject();
            }
        }
    });
    poll.start(50);
    window.ui.BPregled->click();
    QVERIFY(rows > 0);
    QCOMPARE(lines.size(), rows + 1);
    const QStringList written = m_folder->readFile(QStringLiteral("partnerji.xls")).split(QStringLiteral("\r\n"),
                                                                                         Qt::SkipEmptyParts);
    QCOMPARE(written, lines);
    QVERIFY(lines.front().contains(QLatin1Char('\t')));
}

void TestFPrintReport::mailHandsTheExportOver()
{
    QString attachment;
    bool attachmentThere = false;
    MapiMessage sent;
    MapiMail::setHandOver([&](const MapiMessage &message, QString &) {
        sent = message;
        attachment = message.attachments.value(0);
        attachmentThere = QFile::exists(attachment);
        return 0;
    });
    TFPrintReport window;
    QVERIFY(window.Open(7));
    auto *person = window.ui.PFields->findChild<QComboBox *>(QStringLiteral("S_27"));
    person->addItem(QStringLiteral("Zupančič"), QStringLiteral("3"));
    person->setCurrentIndex(0);
    window.ui.cbExport->setCurrentText(QStringLiteral("XLS"));
    window.ui.bEmail->click();
    MapiMail::clearHandOver();
    QVERIFY2(DialogHook::shown().isEmpty(), qPrintable(DialogHook::shown().value(0).text));
    QCOMPARE(attachment, SqlLogDir() + QStringLiteral("Report.XLS"));
    QVERIFY(attachmentThere);
    QVERIFY(!QFile::exists(attachment));
    QCOMPARE(sent.subject, QStringLiteral("Naslovne nalepke"));
    QCOMPARE(sent.recipients.size(), 1);
    QCOMPARE(sent.recipients.front().address, QStringLiteral("SMTP:marko.zupancic@ovo-finance.example"));
    QCOMPARE(sent.recipients.front().name, QStringLiteral("Zupančič Marko"));
    QCOMPARE(window.Job()->ExportOptions()->Excel.XlsType, Excel8);
    // The run's start is in the activity log.
    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM ACT WHERE SfAct = 'P' AND Id = '7'")), QStringList{"1"});
}

void TestFPrintReport::unknownExportFormatRunsNothing()
{
    bool handedOver = false;
    MapiMail::setHandOver([&](const MapiMessage &, QString &) {
        handedOver = true;
        return 0;
    });
    TFPrintReport window;
    QVERIFY(window.Open(7));
    window.ui.cbExport->setCurrentText(QStringLiteral("pdf"));
    window.ui.bEmail->click();
    MapiMail::clearHandOver();
    QVERIFY(!handedOver);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, QStringLiteral("Unknown export format!"));
    QVERIFY(window.Job()->ReportName().isEmpty());
}

QTEST_MAIN(TestFPrintReport)
#include "tst_fprintreport.moc"
