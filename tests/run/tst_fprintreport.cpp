// The report run window over the demo installation: its rows, defaults and
// key lists, what a run makes of the inputs, and the way in from the catalogue.

#include "catalogue/Porocila.h"
#include "controls/DateEdit.h"
#include "engine/Rpe.h"
#include "mail/MapiMail.h"
#include "run/FPrintReport.h"
#include "run/FPrintSql.h"
#include "run/ReportFormulas.h"
#include "run/RunServices.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "shell/Logs.h"
#include "tests/support/TestProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
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
    void typedValues_data();
    void typedValues();
    void filterValues_data();
    void filterValues();
    void defaultsAreChecked_data();
    void defaultsAreChecked();
    void selectionBrackets_data();
    void selectionBrackets();
    void aRunWritesItsSelection();
    void everyDemoReportRunsWithItsDefaults();
    void sqlReportShowsItsLastSelect();
    void sqlReportWithoutItsFile();
    void demoSqlReportShowsPartners();
    void mailHandsTheExportOver();
    void unknownExportFormatRunsNothing();
    void numbersInTheWindow_data();
    void numbersInTheWindow();
    void impossibleDateRunsNothing();
    void failingScriptStopsTheMail_data();
    void failingScriptStopsTheMail();
    void periodAtTheReportDate_data();
    void periodAtTheReportDate();
    void storedOrKeepsItsPrecedence();
    void scriptValuesByType();

private:
    QStringList column(const QString &sql);
    // A catalogue report of the test: its row, its parameter rows and its script.
    struct TestParameter
    {
        qint64 id;
        QString field, caption;
        int op;
        QString defaultValue;
        bool visible;
        QString kind, type;
        QString key = QStringLiteral("N");
        QString source = QString();
    };
    void addReport(qint64 id, const QString &file, const QString &script, const QString &filter,
                   const QList<TestParameter> &parameters);
    static QString pdfText(const QString &file);
    void exportTo(TFPrintReport &window, const QString &pdf);
    QString formulaLog() const;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
};

void TestFPrintReport::init()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    QVERIFY(m_folder->copyDemoReports());
    QVERIFY(QFile::link(QStringLiteral(RPE_LIBRARY_DIR "/librpe32.so"),
                        m_folder->file(QStringLiteral("librpe32.so"))));
    m_folder->writeFile(QStringLiteral("Report.ini"),
                        QStringLiteral("[VALUES]\nDVALUTA=EUR\nPOGODBA=1002\nNEZAPRT=odprto\n"
                                       "NAPAD=1 or 1=1\nZNESEK=1.000,50\n"));
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"},
        true);
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

void TestFPrintReport::addReport(qint64 id, const QString &file, const QString &script, const QString &filter,
                                 const QList<TestParameter> &parameters)
{
    const auto literal = [](const QString &text) {
        return text.isNull() ? QStringLiteral("NULL")
                             : QStringLiteral("'%1'").arg(QString(text).replace("'", "''"));
    };
    QString scriptName;
    if (!script.isNull()) {
        scriptName = QStringLiteral("test_%1_prip.sql").arg(id);
        m_folder->writeFile(QStringLiteral("Report/") + scriptName, script);
    }
    m_data->DB.execute(
        QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR, "
                       "DATOTEKA_POR, OPIS_POROCILA, FILTER_POROCILA) VALUES (%1, 10000002, %1, "
                       "'Preizkus %1', %2, %3, %4)")
            .arg(id)
            .arg(literal(file), scriptName.isEmpty() ? QStringLiteral("NULL") : literal(scriptName),
                 literal(filter)));
    int order = 0;
    for (const TestParameter &p : parameters)
        m_data->DB.execute(
            QStringLiteral("INSERT INTO POROCILA_PAR (ID_PARAMETRA, ID_POROCILA, POLJE, NASLOV_PAR, "
                           "PREVERI, PRIVZETO, VIDNO, TIP_PAR, TIP_PODATKA, SORTIRANJE, KLJUC, TABELA, "
                           "POLJEKLJUC, POLJEOPIS, SOURCE) VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, "
                           "%10, %11, %12, %13, 'NZV', %14)")
                .arg(p.id)
                .arg(id)
                .arg(literal(p.field), literal(p.caption))
                .arg(p.op)
                .arg(literal(p.defaultValue))
                .arg(p.visible ? 1 : 0)
                .arg(literal(p.kind), literal(p.type))
                .arg(++order * 10)
                .arg(literal(p.key),
                     p.source == QLatin1String("T") ? QStringLiteral("'OSB'") : QStringLiteral("NULL"),
                     p.source == QLatin1String("T") ? QStringLiteral("'SFDRZ'") : QStringLiteral("NULL"),
                     literal(p.source)));
}

QString TestFPrintReport::pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestFPrintReport::exportTo(TFPrintReport &window, const QString &pdf)
{
    TRpe *job = window.Job();
    job->setOutput(toExport);
    job->ExportOptions()->FileType = AdobeAcrobatPDF;
    job->ExportOptions()->FileName = pdf;
}

QString TestFPrintReport::formulaLog() const
{
    QFile log(SqlLogDir() + QStringLiteral("Formula.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void TestFPrintReport::everyDemoReportOpensWithItsRows()
{
    for (const QString &id :
         column(QStringLiteral("SELECT ID_POROCILA FROM POROCILA ORDER BY ID_POROCILA"))) {
        TFPrintReport window;
        QVERIFY2(window.Open(id.toLongLong()), qPrintable(id));
        const QStringList captions =
            column(QStringLiteral("SELECT NASLOV_PAR FROM POROCILA_PAR WHERE ID_POROCILA = %1 AND VIDNO = 1 "
                                  "ORDER BY SORTIRANJE")
                       .arg(id));
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
    QTest::newRow("date range has two empty edits") << qint64(1) << "R_2"
                                                    << ""
                                                    << "";
    QTest::newRow("literal date") << qint64(2) << "S_7"
                                  << "01.01.2026"
                                  << "";
    QTest::newRow("macro in lower case") << qint64(12) << "S_48" << today << "";
    QTest::newRow("key from Report.ini") << qint64(8) << "S_29"
                                         << "Evro"
                                         << "EUR";
    QTest::newRow("contract from Report.ini") << qint64(2) << "S_6"
                                              << ""
                                              << "1002";
    QTest::newRow("literal text") << qint64(10) << "S_40"
                                  << "760000"
                                  << "";
    QTest::newRow("year macro") << qint64(9) << "S_32"
                                << QDate::currentDate().toString(QStringLiteral("yyyy")) << "";
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

    QTest::newRow("equal text") << "{OSB.MST}"
                                << "S"
                                << "S" << 0 << true << ""
                                << "Ljubljana"
                                << ""
                                << "" << QStringList{"{OSB.MST}='Ljubljana'"} << QStringList{}
                                << QStringList{"Kraj: Ljubljana"};
    QTest::newRow("apostrophe stays inside") << "{OSB.NZV}"
                                             << "S"
                                             << "S" << 2 << true << ""
                                             << "O'Hara' or true or '"
                                             << ""
                                             << "" << QStringList{"{OSB.NZV}>='O''Hara'' or true or '''"}
                                             << QStringList{} << QStringList{"Kraj >= O'Hara' or true or '"};
    QTest::newRow("date range") << "{POG.DAN}"
                                << "S"
                                << "D" << 5 << true << ""
                                << "01.01.2026"
                                << "31.3.2026"
                                << "" << QStringList{"{POG.DAN} in Date(2026,01,01) to Date(2026,03,31)"}
                                << QStringList{} << QStringList{"Kraj 01.01.2026 - 31.3.2026"};
    QTest::newRow("only the to-value") << "{POG.DAN}"
                                       << "S"
                                       << "D" << 5 << true << ""
                                       << ""
                                       << "31.03.2026"
                                       << "" << QStringList{"{POG.DAN}<=Date(2026,03,31)"} << QStringList{}
                                       << QStringList{"Kraj  - 31.03.2026"};
    QTest::newRow("number greater") << "{POG.IDPOG}"
                                    << "S"
                                    << "N" << 1 << true << ""
                                    << "1005"
                                    << ""
                                    << "" << QStringList{"{POG.IDPOG}>1005"} << QStringList{}
                                    << QStringList{"Kraj > 1005"};
    QTest::newRow("list of keys") << "{POG.SFDJV}"
                                  << "S"
                                  << "S" << 6 << true << ""
                                  << "'U', 'L'"
                                  << "U, L"
                                  << "Upravljanje,'+Chr(13)+'Lastno"
                                  << QStringList{"{POG.SFDJV} in ['U', 'L']"} << QStringList{}
                                  << QStringList{"Kraj: (Upravljanje,'+Chr(13)+'Lastno)"};
    QTest::newRow("empty adds nothing") << "{OSB.MST}"
                                        << "S"
                                        << "S" << 0 << true << ""
                                        << ""
                                        << ""
                                        << "" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("report parameter date")
        << "DatumDo"
        << "P"
        << "D" << 0 << true << ""
        << "5.2.2026"
        << ""
        << "" << QStringList{} << QStringList{"DatumDo=2026,02,05"} << QStringList{};
    QTest::newRow("script parameter is listed")
        << "{?MST}"
        << "F"
        << "S" << 0 << true << ""
        << "Koper"
        << ""
        << "" << QStringList{} << QStringList{"{?MST}=Koper"} << QStringList{"Kraj: Koper"};
    QTest::newRow("hidden range from its default")
        << "{VLN.SFVLN}"
        << "S"
        << "S" << 5 << false << "0"
        << ""
        << ""
        << "" << QStringList{"{VLN.SFVLN} in '0' to '0'"} << QStringList{} << QStringList{};
    QTest::newRow("hidden not equal")
        << "{POG.SFDJV}"
        << "S"
        << "S" << 7 << false << "K"
        << ""
        << ""
        << "" << QStringList{"{POG.SFDJV}<>'K'"} << QStringList{} << QStringList{};
    QTest::newRow("hidden report parameter")
        << "Valuta"
        << "P"
        << "S" << 0 << false << "|DVALUTA|"
        << ""
        << ""
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

void TestFPrintReport::typedValues_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value"); // or the message

    const QString notNumber =
        QStringLiteral("»%1« v polju »Znesek« ni število. Pišite ga z decimalno vejico, npr. 1.000,50.");
    const QString notNumbers = QStringLiteral(
        "»%1« v polju »Znesek« ni seznam števil. Števila ločite s podpičjem, npr. 1.000,50; 2.");
    QTest::newRow("decimal comma") << "N" << 1 << "1000,5"
                                   << "1000.5";
    QTest::newRow("points between thousands") << "N" << 1 << "1.000,50"
                                              << "1000.50";
    QTest::newRow("a point before three digits is a thousands point") << "T" << 0 << "1.003"
                                                                      << "1003";
    QTest::newRow("negative with decimals only") << "N" << 0 << "-,5"
                                                 << "-0.5";
    QTest::newRow("point as a decimal mark") << "N" << 0 << "1000.5" << notNumber.arg("1000.5");
    QTest::newRow("two decimal commas") << "N" << 0 << "1,2,3" << notNumber.arg("1,2,3");
    QTest::newRow("words") << "N" << 0 << "1 or 1=1" << notNumber.arg("1 or 1=1");
    QTest::newRow("list separated by semicolons") << "N" << 6 << "1.000,5; 2;3;"
                                                  << "1000.5, 2, 3";
    QTest::newRow("a comma in a list is a decimal comma") << "N" << 6 << "1,2"
                                                          << "1.2";
    QTest::newRow("list with a column name") << "T" << 6 << "1; KONTO" << notNumbers.arg("1; KONTO");
    QTest::newRow("text list in formula syntax") << "S" << 6 << "'EUR', 'O''Neil'"
                                                 << "'EUR', 'O''Neil'";
    QTest::newRow("text list that leaves its brackets")
        << "S" << 6 << "'zz'] or {REPORT_SQL.INTID} in [77"
        << "»'zz'] or {REPORT_SQL.INTID} in [77« v polju »Znesek« ni seznam vrednosti. Vrednosti pišite med "
           "opuščaji in jih ločite z vejico, npr. 'A', 'B'.";
    QTest::newRow("single text as typed") << "K" << 0 << " O'Brien "
                                          << " O'Brien ";
    QTest::newRow("date in its full form") << "D" << 0 << "1.2.2026"
                                           << "01.02.2026";
    QTest::newRow("date that does not exist")
        << "D" << 0 << "31.02.2020"
        << "»31.02.2020« v polju »Znesek« ni veljaven datum. Vpišite ga v obliki dd.mm.llll.";
    QTest::newRow("empty number") << "N" << 0 << " "
                                  << "";
}

void TestFPrintReport::typedValues()
{
    QFETCH(QString, type);
    QFETCH(int, op);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    ReportParameter row;
    row.caption = QStringLiteral("Znesek");
    row.dataType = type;
    row.op = op;
    QString got;
    try {
        got = ReportParameters::TypedValue(row, typed);
    } catch (const EConvertError &e) {
        got = e.message();
    }
    QCOMPARE(got, value);
}

void TestFPrintReport::filterValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("literal"); // or the message
    QTest::newRow("account code with an apostrophe") << "76'00"
                                                     << "K"
                                                     << "'76''00'";
    QTest::newRow("text that tries to end its literal") << "x' or 'a'='a"
                                                        << "S"
                                                        << "'x'' or ''a''=''a'";
    QTest::newRow("plain number") << "1000.5"
                                  << "N"
                                  << "1000.5";
    QTest::newRow("number carrying formula text") << "1 or 1=1"
                                                  << "T"
                                                  << "»1 or 1=1« ni število.";
    QTest::newRow("date") << "05.02.2026"
                          << "D"
                          << "Date(2026,02,05)";
}

void TestFPrintReport::filterValues()
{
    QFETCH(QString, value);
    QFETCH(QString, type);
    QFETCH(QString, literal);
    QString got;
    try {
        got = ReportParameters::ConvertFilterValue(value, type);
    } catch (const EConvertError &e) {
        got = e.message();
    }
    QCOMPARE(got, literal);
}

void TestFPrintReport::defaultsAreChecked_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("result"); // the condition or parameter value, or the message

    // Report.ini [VALUES]: NAPAD=1 or 1=1, ZNESEK=1.000,50.
    QTest::newRow("number carrying a condition")
        << "N" << 0 << "S"
        << "»1 or 1=1« v polju »Kraj« ni število. Pišite ga z decimalno vejico, npr. 1.000,50.";
    QTest::newRow("text becomes a literal") << "S" << 0 << "S"
                                            << "{X}='1 or 1=1'";
    QTest::newRow("date must be a date")
        << "D" << 0 << "S"
        << "»1 or 1=1« v polju »Kraj« ni veljaven datum. Vpišite ga v obliki dd.mm.llll.";
    QTest::newRow("text list must be literals") << "S" << 6 << "S"
                                                << "»1 or 1=1« v polju »Kraj« ni seznam vrednosti. Vrednosti "
                                                   "pišite med opuščaji in jih ločite z vejico, "
                                                   "npr. 'A', 'B'.";
    QTest::newRow("report parameter number too")
        << "N" << 0 << "P"
        << "»1 or 1=1« v polju »Kraj« ni število. Pišite ga z decimalno vejico, npr. 1.000,50.";
}

void TestFPrintReport::defaultsAreChecked()
{
    QFETCH(QString, type);
    QFETCH(int, op);
    QFETCH(QString, kind);
    QFETCH(QString, result);
    ReportParameter row;
    row.id = 1;
    row.field = QStringLiteral("{X}");
    row.caption = QStringLiteral("Kraj");
    row.kind = kind;
    row.dataType = type;
    row.op = op;
    row.defaultValue = QStringLiteral("|NAPAD|");
    QString got;
    ReportParameters::FillFieldsTarget target;
    target.input = [](const ReportParameter &) { return ParameterInput{}; };
    target.addSelection = [&](const QString &condition) { got = condition; };
    target.setParameter = [&](const QString &, const QString &value) { got = value; };
    ReportParameters::RunState state;
    try {
        ReportParameters::FillFields({row}, target, state);
    } catch (const EConvertError &e) {
        got = e.message();
    }
    QCOMPARE(got, result);

    // A number from the file in the system's format reaches the formula as a number.
    row.dataType = QStringLiteral("N");
    row.op = 1;
    row.kind = QStringLiteral("S");
    row.defaultValue = QStringLiteral("|ZNESEK|");
    ReportParameters::FillFields({row}, target, state);
    QCOMPARE(got, QStringLiteral("{X}>1000.50"));
}

void TestFPrintReport::selectionBrackets_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QStringList>("selection");

    QTest::newRow("stored or and the filter")
        << QStringList{"A = 77 or A = 0"} << QStringList{"{REPORT_SQL.COMPUTER} = 'x'"}
        << QStringList{"(A = 77 or A = 0)", " and ({REPORT_SQL.COMPUTER} = 'x')"};
    QTest::newRow("no stored selection") << QStringList{} << QStringList{"A = 1", "B = 2 or C = 3"}
                                         << QStringList{"(A = 1)", " and (B = 2 or C = 3)"};
    QTest::newRow("blank stored lines") << QStringList{"", " "} << QStringList{"C"} << QStringList{"(C)"};
    QTest::newRow("stored selection of two lines") << QStringList{"A = 1", "or B = 2"} << QStringList{"C"}
                                                   << QStringList{"(A = 1", "or B = 2)", " and (C)"};
    // A bracket after a comment would be commented out.
    QTest::newRow("comment in the stored selection")
        << QStringList{"A = 1 // star pogoj"} << QStringList{"C"}
        << QStringList{"(", "A = 1 // star pogoj", ")", " and (C)"};
    QTest::newRow("comment in a filter")
        << QStringList{"A"} << QStringList{"B // x"} << QStringList{"(A)", " and (B // x", ")"};
}

void TestFPrintReport::selectionBrackets()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, conditions);
    QFETCH(QStringList, selection);
    QStringList formula = ReportParameters::BracketSelection(stored);
    for (const QString &condition : conditions)
        formula = ReportParameters::AppendCondition(formula, condition);
    QCOMPARE(formula, selection);
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
    QCOMPARE(written, (QStringList{"({POG.DAN} <= {?DatumDo})", " and ({POG.SFORG}>=1)",
                                   " and ({POG.IDPOG}>1003)", " and ({POG.DAN}<=Date(2026,06,30))"}));
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
    m_folder->writeFile(
        QStringLiteral("Report/poizvedba.sql"),
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV) VALUES ({?COMPUTER}, 7, 'Test');\n"
                       "SELECT NZV FROM OSB;\n"
                       "SELECT SFOSB, NZV FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n"));
    m_data->DB.execute(
        QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR, "
                       "DATOTEKA_POR, OPIS_POROCILA) VALUES (90, 10000002, 9, 'Poizvedba', "
                       "'poizvedba.sql', 'poizvedba.sql')"));
    m_data->DB.execute(
        QStringLiteral("INSERT INTO POROCILA_PAR (ID_PARAMETRA, ID_POROCILA, POLJE, NASLOV_PAR, "
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
    m_data->DB.execute(
        QStringLiteral("INSERT INTO POROCILA (ID_POROCILA, ID_KATEGORIJA, STEVILKA_POR, NASLOV_POR, "
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
    const QStringList written =
        m_folder->readFile(QStringLiteral("partnerji.xls")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
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
    // The spreadsheet is a workbook and is named as one.
    QCOMPARE(attachment, SqlLogDir() + QStringLiteral("Report.xlsx"));
    QVERIFY(attachmentThere);
    QVERIFY(!QFile::exists(attachment));
    QCOMPARE(sent.subject, QStringLiteral("Naslovne nalepke"));
    QCOMPARE(sent.recipients.size(), 1);
    QCOMPARE(sent.recipients.front().address, QStringLiteral("SMTP:marko.zupancic@ovo-finance.example"));
    QCOMPARE(sent.recipients.front().name, QStringLiteral("Zupančič Marko"));
    QCOMPARE(window.Job()->ExportOptions()->Excel.XlsType, Excel8);
    // The run's start is in the activity log.
    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM ACT WHERE SfAct = 'P' AND Id = '7'")),
             QStringList{"1"});
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

void TestFPrintReport::numbersInTheWindow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("condition"); // the selection line, or the message when it is refused

    // Report 3: S_12 "Pogodbe nad številko" (number, greater); S_96 a number list of the test.
    QTest::newRow("decimal comma") << "S_12"
                                   << "1000,5"
                                   << " and ({POG.IDPOG}>1000.5)";
    QTest::newRow("thousands point and decimal comma") << "S_12"
                                                       << "1.000,50"
                                                       << " and ({POG.IDPOG}>1000.50)";
    QTest::newRow("misplaced thousands point")
        << "S_12"
        << "1.00,5"
        << "»1.00,5« v polju »Pogodbe nad številko« ni število. Pišite ga z decimalno vejico, npr. 1.000,50.";
    QTest::newRow("list separated by semicolons") << "S_96"
                                                  << "1001; 1.003"
                                                  << " and ({POG.IDPOG} in [1001, 1003])";
    QTest::newRow("list separated by commas") << "S_96"
                                              << "1001, 1003"
                                              << "»1001, 1003« v polju »Izbrane pogodbe« ni seznam števil. "
                                                 "Števila ločite s podpičjem, npr. 1.000,50; 2.";
}

void TestFPrintReport::numbersInTheWindow()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, condition);
    m_data->DB.execute(
        QStringLiteral("INSERT INTO POROCILA_PAR (ID_PARAMETRA, ID_POROCILA, POLJE, NASLOV_PAR, "
                       "PREVERI, VIDNO, TIP_PAR, TIP_PODATKA, SORTIRANJE, KLJUC) VALUES "
                       "(96, 3, '{POG.IDPOG}', 'Izbrane pogodbe', 6, 1, 'S', 'N', 99, 'N')"));
    TFPrintReport window;
    QVERIFY(window.Open(3));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *edit = window.ui.PFields->findChild<QLineEdit *>(control);
    QVERIFY(edit);
    // Typed key by key: the edit takes every character of the system's format.
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    if (condition.startsWith(QLatin1String(" and "))) {
        exportTo(window, m_folder->file(QStringLiteral("pogodbe.pdf")));
        OVO_TRY(QVERIFY(window.ExecuteReport()));
        QVERIFY2(DialogHook::shown().isEmpty(), qPrintable(DialogHook::shown().value(0).text));
        QVERIFY2(formulaLog().split(QLatin1Char('\n')).contains(condition), qPrintable(formulaLog()));
    } else {
        // Refused before anything ran: no job, no selection written, the field has the focus.
        QTest::mouseClick(window.ui.BPregled, Qt::LeftButton);
        QCOMPARE(DialogHook::shown().size(), 1);
        QCOMPARE(DialogHook::shown().front().text, condition);
        QVERIFY(window.Job()->ReportName().isEmpty());
        QVERIFY(!QFile::exists(SqlLogDir() + QStringLiteral("Formula.log")));
        QVERIFY(edit->hasFocus());
    }
}

void TestFPrintReport::impossibleDateRunsNothing()
{
    TFPrintReport window;
    QVERIFY(window.Open(3));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *date = window.ui.PFields->findChild<TDateEdit *>(QStringLiteral("S_13"));
    QCoreApplication::processEvents();
    date->setFocus();
    QTRY_VERIFY(date->hasFocus());
    // Over the default date, selected as the user would.
    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(date, QStringLiteral("31.02.2020"));
    QCOMPARE(date->text(), QStringLiteral("31.02.2020"));
    const QString message = QStringLiteral(
        "»31.02.2020« v polju »Sklenjene do« ni veljaven datum. Vpišite ga v obliki dd.mm.llll.");
    // Leaving it is refused, and the focus comes back.
    QTest::keyClick(date, Qt::Key_Tab);
    QTRY_COMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, message);
    QTRY_VERIFY(date->hasFocus());
    // A run started anyway stops before anything: one message, no job, no selection.
    DialogHook::clearShown();
    QTest::mouseClick(window.ui.BPregled, Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, message);
    QVERIFY(window.Job()->ReportName().isEmpty());
    QVERIFY(!QFile::exists(SqlLogDir() + QStringLiteral("Formula.log")));
    QVERIFY(date->hasFocus());
}

void TestFPrintReport::failingScriptStopsTheMail_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    const QString insert = QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, DAN)");
    QTest::newRow("empty date the script needs")
        << insert + "\nSELECT {?COMPUTER}, SFOSB, NZV, {?DAN} FROM OSB;"
        << "Stavek 2 (" + insert + "): Parameter »Stanje na dan« nima datuma.";
    QTest::newRow("statement the database refuses") << "INSERT INTO NI_TABELE VALUES (1);"
                                                    << "Stavek 2 (INSERT INTO NI_TABELE VALUES (1)): ";
}

void TestFPrintReport::failingScriptStopsTheMail()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    addReport(93, QStringLiteral("partnerji_seznam.rpt"),
              QStringLiteral("DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n") + statement +
                  QStringLiteral(
                      "\nINSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV) VALUES ({?COMPUTER}, 1, 'Zadnji');\n"),
              QStringLiteral("{REPORT_SQL.COMPUTER} = '|COMPUTER|'"),
              {{930, "{?DAN}", "Stanje na dan", 0, QString(), true, "F", "D"},
               {931, "{?COMPUTER}", "Računalnik", 0, "|COMPUTER|", false, "F", "S"}});
    bool handedOver = false;
    MapiMail::setHandOver([&](const MapiMessage &, QString &) {
        handedOver = true;
        return 0;
    });
    TFPrintReport window;
    QVERIFY(window.Open(93));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.ui.bEmail, Qt::LeftButton);
    MapiMail::clearHandOver();
    QVERIFY(!handedOver);
    QCOMPARE(DialogHook::shown().size(), 1);
    const QString shown = DialogHook::shown().front().text;
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QVERIFY2(shown.endsWith(QLatin1String("\r\rPriprava podatkov ni uspela; izpis je prekinjen.")),
             qPrintable(shown));
    QVERIFY(!QFile::exists(TFPrintReport::ExportFileName(QStringLiteral("PDF"))));
    // The script ran to its end as designed; the report job never started.
    QCOMPARE(
        column(QStringLiteral("SELECT NZV FROM REPORT_SQL WHERE COMPUTER = '%1'").arg(m_data->ComputerName)),
        QStringList{"Zadnji"});
    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM ACT WHERE SfAct = 'P' AND Id = '93'")),
             QStringList{"0"});
}

void TestFPrintReport::periodAtTheReportDate_data()
{
    QTest::addColumn<QString>("defaultDate");
    QTest::addColumn<QString>("typedDate");
    QTest::addColumn<qint64>("shown");  // the visible default; 0: today's period
    QTest::addColumn<qint64>("hidden"); // the hidden default the script gets

    const qint64 today = 0;
    // The demo's periods are the months from January 2006: November 2006 is 11.
    QTest::newRow("default date of the report") << "15.11.2006"
                                                << "" << qint64(11) << qint64(11);
    QTest::newRow("date typed before the run") << "15.11.2006"
                                               << "1.3.2007" << qint64(11) << qint64(15);
    QTest::newRow("no date: today's period") << ""
                                             << "" << today << today;
}

void TestFPrintReport::periodAtTheReportDate()
{
    QFETCH(QString, defaultDate);
    QFETCH(QString, typedDate);
    QFETCH(qint64, shown);
    QFETCH(qint64, hidden);
    if (shown == 0) {
        shown = hidden = ReportFormulas::IdObdAt(QDate::currentDate());
        QVERIFY(shown > 11);
    }
    addReport(94, QStringLiteral("partnerji_seznam.rpt"),
              QStringLiteral("DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n"
                             "INSERT INTO REPORT_SQL (COMPUTER, SFOSB, INTID, INT1) "
                             "VALUES ({?COMPUTER}, 1, {?VIDNO}, {?SKRITO});\n"),
              QString(),
              {{940, "{?DAN}", "Na dan", 0, defaultDate.isEmpty() ? QString() : defaultDate, true, "F", "D"},
               {941, "{?VIDNO}", "Obdobje", 0, "|IDOBD|", true, "F", "N"},
               {942, "{?SKRITO}", "Obdobje", 0, "|idobd|", false, "F", "N"},
               {943, "{?COMPUTER}", "Računalnik", 0, "|COMPUTER|", false, "F", "S"}});
    TFPrintReport window;
    QVERIFY(window.Open(94));
    QCOMPARE(window.ui.PFields->findChild<QLineEdit *>(QStringLiteral("S_941"))->text(),
             QString::number(shown));
    if (!typedDate.isEmpty()) {
        auto *date = window.ui.PFields->findChild<TDateEdit *>(QStringLiteral("S_940"));
        date->clear();
        QTest::keyClicks(date, typedDate);
    }
    exportTo(window, m_folder->file(QStringLiteral("obdobje.pdf")));
    OVO_TRY(QVERIFY(window.ExecuteReport()));
    QCOMPARE(column(QStringLiteral("SELECT INTID || '/' || INT1 FROM REPORT_SQL WHERE COMPUTER = '%1'")
                        .arg(m_data->ComputerName)),
             QStringList{QStringLiteral("%1/%2").arg(shown).arg(hidden)});
}

void TestFPrintReport::storedOrKeepsItsPrecedence()
{
    // The report's own selection has an "or"; the catalogue filter keeps to this computer's rows.
    QString rpt = m_folder->readFile(QStringLiteral("Report/partnerji_seznam.rpt"));
    rpt.replace(QStringLiteral("</tables>"),
                QStringLiteral("</tables>\n  <selection>{REPORT_SQL.SFOSB} = 77 or "
                               "{REPORT_SQL.SFOSB} = 0</selection>"));
    m_folder->writeFile(QStringLiteral("Report/oklepaji.rpt"), rpt);
    addReport(95, QStringLiteral("oklepaji.rpt"), QString(),
              QStringLiteral("{REPORT_SQL.COMPUTER} = '|COMPUTER|'"), {});
    m_data->DB.execute(
        QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV) VALUES ('%1', 77, 'Moja stranka'), "
                       "('%1', 0, 'Ničelna stranka'), ('%1', 5, 'Druga stranka'), "
                       "('TUJI-PC', 77, 'Tuja stranka')")
            .arg(m_data->ComputerName));
    TFPrintReport window;
    QVERIFY(window.Open(95));
    const QString pdf = m_folder->file(QStringLiteral("oklepaji.pdf"));
    exportTo(window, pdf);
    OVO_TRY(QVERIFY(window.ExecuteReport()));
    QCOMPARE(formulaLog(), QStringLiteral("({REPORT_SQL.SFOSB} = 77 or {REPORT_SQL.SFOSB} = 0)\n"
                                          " and ({REPORT_SQL.COMPUTER} = '%1')\n")
                               .arg(m_data->ComputerName));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QLatin1String("Moja stranka")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Ničelna stranka")), qPrintable(text));
    // Without the brackets "or" would let another computer's row through.
    QVERIFY(!text.contains(QLatin1String("Druga stranka")));
    QVERIFY(!text.contains(QLatin1String("Tuja stranka")));
}

void TestFPrintReport::scriptValuesByType()
{
    // A code list of a key list, a number with a decimal comma and a code that is
    // also a column's name, all typed or picked in the window, reach the script.
    addReport(97, QStringLiteral("partnerji_seznam.rpt"),
              QStringLiteral("DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};\n"
                             "INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, TXT1, ZNS, KONTO)\n"
                             "SELECT {?COMPUTER}, SFOSB, NZV, SFDRZ, {?ZNESEK}, {?PK} FROM OSB\n"
                             "WHERE SFDRZ IN ({?DRZAVE});\n"),
              QString(),
              {{970, "{?DRZAVE}", "Države", 6, QString(), true, "F", "K", "Y", "T"},
               {971, "{?ZNESEK}", "Znesek", 0, QString(), true, "F", "N"},
               {972, "{?PK}", "Konto", 0, QString(), true, "F", "K"},
               {973, "{?COMPUTER}", "Računalnik", 0, "|COMPUTER|", false, "F", "S"}});
    TFPrintReport window;
    QVERIFY(window.Open(97));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *countries = window.ui.PFields->findChild<QComboBox *>(QStringLiteral("S_970"));
    countries->addItem(QStringLiteral("Hrvaška"), QStringLiteral("HR"));
    countries->addItem(QStringLiteral("Avstrija"), QStringLiteral("AT"));
    countries->setCurrentIndex(0);
    auto *amount = window.ui.PFields->findChild<QLineEdit *>(QStringLiteral("S_971"));
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("1.000,5"));
    auto *account = window.ui.PFields->findChild<QLineEdit *>(QStringLiteral("S_972"));
    account->setFocus();
    QTest::keyClicks(account, QStringLiteral("KONTO"));
    exportTo(window, m_folder->file(QStringLiteral("drzave.pdf")));
    OVO_TRY(QVERIFY(window.ExecuteReport()));
    QVERIFY2(DialogHook::shown().isEmpty(), qPrintable(DialogHook::shown().value(0).text));
    const QStringList rows =
        column(QStringLiteral("SELECT DISTINCT TXT1 || '/' || ZNS || '/' || KONTO FROM REPORT_SQL "
                              "WHERE COMPUTER = '%1' ORDER BY 1")
                   .arg(m_data->ComputerName));
    const QStringList expected = column(QStringLiteral("SELECT DISTINCT SFDRZ || '/1000.5/KONTO' FROM OSB "
                                                       "WHERE SFDRZ IN ('HR', 'AT') ORDER BY 1"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(rows, expected);
}

QTEST_MAIN(TestFPrintReport)
#include "tst_fprintreport.moc"
