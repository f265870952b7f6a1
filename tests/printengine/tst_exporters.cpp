// Each output format on its own, fed by the same small fixture: two pages of
// items and two detail rows. The written file is read back with the tool a
// user would use (pdftotext, unzip) or as text.
#include "printengine/DifExporter.h"
#include "printengine/ExcelExporter.h"
#include "printengine/HtmlExporter.h"
#include "printengine/PageRenderer.h"
#include "printengine/PdfExporter.h"
#include "printengine/RecordsExporter.h"
#include "printengine/ReportFile.h"
#include "printengine/ReportFileExporter.h"
#include "printengine/RtfExporter.h"
#include "printengine/SeparatedValuesExporter.h"
#include "printengine/TextExporter.h"
#include "printengine/XmlExporter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using ExporterFactory = std::function<Exporter *()>;
Q_DECLARE_METATYPE(ExporterFactory)

class TestExporters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesItsFormat_data();
    void writesItsFormat();
    void separatePagesWithNavigator();
    void savedDataReadsBack();
    void numberTooWideShowsHashes_data();
    void numberTooWideShowsHashes();
    void paginatedTextKeepsEveryLine();
    void rtfBreaksLines_data();
    void rtfBreaksLines();
    void excelLayout_data();
    void excelLayout();

private:
    QString runExporter(Exporter *e, ExportSettings settings, const QString &file,
                        const std::vector<RenderedPage> *pages = nullptr);
    std::shared_ptr<ReportDefinition> m_report;
    std::vector<RenderedPage> m_pages;
    QTemporaryDir m_dir;
};

void TestExporters::initTestCase()
{
    auto r = std::make_shared<ReportDefinition>();
    r->title = QStringLiteral("Preizkus");
    r->marginLeft = r->marginTop = 36;
    ReportSection d;
    d.area = ReportSection::Details;
    ReportObject name;
    name.kind = ReportObject::DatabaseField;
    name.name = QStringLiteral("Stranka");
    name.text = QStringLiteral("OSB.NZV");
    name.width = 150;
    ReportObject amount = name;
    amount.name = QStringLiteral("Znesek");
    amount.text = QStringLiteral("POG.ZNS");
    amount.x = 200;
    amount.width = 80;
    amount.alignment = Qt::AlignRight;
    ReportObject line;
    line.kind = ReportObject::Line;
    line.width = 280;
    d.objects << name << amount << line;
    r->sections << d;
    m_report = r;
    const ReportSection &s = r->sections.first();
    for (int p = 1; p <= 2; ++p) {
        RenderedPage page;
        page.number = p;
        page.width = 595;
        page.height = 842;
        page.report = r;
        const QString who = p == 1 ? QStringLiteral("Žiga Čuk") : QStringLiteral("Ana <Krajnc> & co");
        page.items.push_back(PageItem{PageItem::Text, QRectF(36, 36, 150, 12), who, &s.objects[0], &s});
        page.items.push_back(PageItem{PageItem::Text, QRectF(236, 36, 80, 12),
                                      p == 1 ? QStringLiteral("1.234,50") : QStringLiteral("7,00"),
                                      &s.objects[1], &s});
        page.items.push_back(PageItem{PageItem::Line, QRectF(36, 50, 280, 0), QString(), &s.objects[2], &s});
        m_pages.push_back(page);
    }
}

QString TestExporters::runExporter(Exporter *e, ExportSettings settings, const QString &file,
                                   const std::vector<RenderedPage> *pages)
{
    settings.fileName = m_dir.filePath(file);
    RunInfo info;
    info.title = m_report->title;
    info.pageWidth = 595;
    info.pageHeight = 842;
    info.rowColumns = {QStringLiteral("Stranka"), QStringLiteral("Znesek")};
    info.recordColumns = {QStringLiteral("OSB.NZV"), QStringLiteral("POG.ZNS")};
    info.report = m_report;
    if (!e->open(settings) || !e->begin(info))
        return QStringLiteral("begin failed: ") + e->errorText();
    if (e->wantsPages()) {
        for (const RenderedPage &p : pages ? *pages : m_pages)
            e->writePage(p);
    }
    if (e->wantsRows()) {
        e->writeRow({FormulaValue::string(QStringLiteral("Žiga Čuk")), FormulaValue::number(1234.5)},
                    {QStringLiteral("Žiga Čuk"), QStringLiteral("1.234,50")});
        e->writeRow({FormulaValue::string(QStringLiteral("Ana \"K\"")), FormulaValue::number(7)},
                    {QStringLiteral("Ana \"K\""), QStringLiteral("7,00")});
    }
    if (e->wantsRecords()) {
        e->writeRecord({QStringLiteral("Žiga Čuk"), 1234.5});
        e->writeRecord({QVariant(), 7});
    }
    if (!e->finish())
        return QStringLiteral("finish failed: ") + e->errorText();
    QProcess tool;
    if (file.endsWith(QLatin1String(".pdf")))
        tool.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), settings.fileName, QStringLiteral("-")});
    else if (file.endsWith(QLatin1String(".xlsx")))
        tool.start(QStringLiteral("unzip"),
                   {QStringLiteral("-p"), settings.fileName, QStringLiteral("xl/worksheets/sheet1.xml")});
    else {
        QFile f(settings.fileName);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

void TestExporters::writesItsFormat_data()
{
    QTest::addColumn<ExporterFactory>("factory");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("reportFormats");
    QTest::addColumn<QStringList>("contains");

    auto make = [](auto f) { return ExporterFactory(f); };
    QTest::newRow("PDF, text extractable") << make([] { return new PdfExporter; }) << "a.pdf" << true
                                           << QStringList{"Žiga Čuk", "1.234,50", "Ana <Krajnc> & co"};
    QTest::newRow("RTF, non-ASCII as \\u")
        << make([] { return new RtfExporter; }) << "a.rtf" << true
        << QStringList{"{\\rtf1", "\\u381?iga \\u268?uk", "\\page", "\\shp"};
    QTest::newRow("HTML, escaped") << make([] { return new HtmlExporter; }) << "a.html" << true
                                   << QStringList{"Žiga Čuk", "Ana &lt;Krajnc&gt; &amp; co", "id=\"page2\"",
                                                  "</html>"};
    QTest::newRow("XML, sections and named fields")
        << make([] { return new XmlExporter; }) << "a.xml" << true
        << QStringList{"<Page Number=\"2\">", "<Section Name=\"Da\">",
                       "<Field Name=\"Znesek\">1.234,50</Field>", "Ana &lt;Krajnc&gt; &amp; co"};
    // 6 points a column: the amount ends where its box ends, at column 46.
    QTest::newRow("plain text, right-aligned column")
        << make([] { return new TextExporter(TextExporter::Plain); }) << "a.txt" << true
        << QStringList{"Žiga Čuk" + QString(30, u' ') + "1.234,50"};
    QTest::newRow("tab-separated text") << make([] { return new TextExporter(TextExporter::TabSeparated); })
                                        << "b.txt" << true << QStringList{"Žiga Čuk\t1.234,50"};
    QTest::newRow("paginated text ends pages with form feeds")
        << make([] { return new TextExporter(TextExporter::Paginated); }) << "c.txt" << true
        << QStringList{"\r\n\f", "Ana <Krajnc> & co"};
    QTest::newRow("CSV with the report's formats")
        << make([] { return new SeparatedValuesExporter(SeparatedValuesExporter::Csv); }) << "a.csv" << true
        << QStringList{"\"Žiga Čuk\",\"1.234,50\"\r\n", "\"Ana \"\"K\"\"\",\"7,00\""};
    // Without the report's formats numbers are plain and not quoted.
    QTest::newRow("CSV with neutral numbers")
        << make([] { return new SeparatedValuesExporter(SeparatedValuesExporter::Csv); }) << "b.csv" << false
        << QStringList{"\"Žiga Čuk\",1234.5\r\n"};
    QTest::newRow("tab-separated values")
        << make([] { return new SeparatedValuesExporter(SeparatedValuesExporter::TabSeparated); }) << "a.tsv"
        << true << QStringList{"\"Žiga Čuk\"\t\"1.234,50\""};
    QTest::newRow("fixed-width records") << make([] { return new RecordsExporter; }) << "a.rec" << true
                                         << QStringList{"Žiga Čuk                              1.234,50\r\n"};
    QTest::newRow("DIF counts its tuples")
        << make([] { return new DifExporter; }) << "a.dif" << false
        << QStringList{"TUPLES\r\n0,2\r\n", "0,1234.5\r\nV\r\n", "1,0\r\n\"Ana \"\"K\"\"\"", "EOD"};
    QTest::newRow("Excel workbook with numbers as numbers")
        << make([] { return new ExcelExporter; }) << "a.xlsx" << true
        << QStringList{"<v>1234.5</v>", "Žiga Čuk"};
}

void TestExporters::writesItsFormat()
{
    QFETCH(ExporterFactory, factory);
    QFETCH(QString, file);
    QFETCH(bool, reportFormats);
    QFETCH(QStringList, contains);
    std::unique_ptr<Exporter> e(factory());
    ExportSettings settings;
    settings.useReportNumberFormat = reportFormats;
    settings.useReportDateFormat = reportFormats;
    settings.linesPerPage = 20;
    const QString text = runExporter(e.get(), settings, file);
    for (const QString &c : contains)
        QVERIFY2(text.contains(c),
                 qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(c, text.left(3000))));
}

void TestExporters::separatePagesWithNavigator()
{
    HtmlExporter e;
    ExportSettings s;
    s.separatePages = true;
    s.pageNavigator = true;
    runExporter(&e, s, QStringLiteral("stran.html"));
    QFile first(m_dir.filePath(QStringLiteral("stran.html")));
    QFile second(m_dir.filePath(QStringLiteral("stran2.html")));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QVERIFY(second.open(QIODevice::ReadOnly));
    const QString one = QString::fromUtf8(first.readAll());
    const QString two = QString::fromUtf8(second.readAll());
    QVERIFY(one.contains(QStringLiteral("Žiga Čuk")) && !one.contains(QStringLiteral("Krajnc")));
    QVERIFY(one.contains(QStringLiteral("<a href=\"stran2.html\">Naslednja</a>")));
    QVERIFY(one.contains(QStringLiteral("<a href=\"stran2.html\">Zadnja</a>")));
    QVERIFY(two.contains(QStringLiteral("<a href=\"stran.html\">Prva</a>")));
    QVERIFY(!two.contains(QStringLiteral("%LAST%")));
}

void TestExporters::savedDataReadsBack()
{
    ReportFileExporter e;
    runExporter(&e, ExportSettings(), QStringLiteral("s.rpt"));
    ReportFileError error;
    QFile f(m_dir.filePath(QStringLiteral("s.rpt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const auto back = ReportFile::parse(f.readAll(), f.fileName(), &error);
    QVERIFY2(back, qPrintable(error.text(f.fileName())));
    QVERIFY(back->hasSavedData);
    QCOMPARE(back->savedColumns, (QStringList{"OSB.NZV", "POG.ZNS"}));
    QCOMPARE(back->savedRows.size(), 2);
    QCOMPARE(back->savedRows[0][0].toString(), QStringLiteral("Žiga Čuk"));
    QCOMPARE(back->savedRows[0][1].toDouble(), 1234.5);
    QVERIFY(back->savedRows[1][0].isNull());
    QCOMPARE(back->sections.size(), 1);
}

void TestExporters::numberTooWideShowsHashes_data()
{
    QTest::addColumn<ExporterFactory>("factory");
    QTest::addColumn<QString>("file");
    auto make = [](auto f) { return ExporterFactory(f); };
    QTest::newRow("PDF") << make([] { return new PdfExporter; }) << "w.pdf";
    QTest::newRow("RTF") << make([] { return new RtfExporter; }) << "w.rtf";
    QTest::newRow("HTML") << make([] { return new HtmlExporter; }) << "w.html";
}

// "87.000,00" cut to "87.000,…" reads as another amount: a number that does
// not fit shows "#" across its box, while a text too long still ends in "…".
void TestExporters::numberTooWideShowsHashes()
{
    QFETCH(ExporterFactory, factory);
    QFETCH(QString, file);
    const ReportSection &s = m_report->sections.first();
    RenderedPage page;
    page.number = 1;
    page.width = 595;
    page.height = 842;
    page.report = m_report;
    PageItem wide{PageItem::Text, QRectF(236, 36, 30, 12), QStringLiteral("87.000,00"), &s.objects[1], &s};
    wide.number = true;
    PageItem fits{PageItem::Text, QRectF(236, 60, 80, 12), QStringLiteral("269.000,00"), &s.objects[1], &s};
    fits.number = true;
    const PageItem name{PageItem::Text, QRectF(36, 84, 40, 12), QStringLiteral("Dunajska cesta 156"),
                        &s.objects[0], &s};
    page.items = {wide, fits, name};
    QVERIFY(PageRenderer::fittedText(name).endsWith(QChar(0x2026)));
    const QString hashes = PageRenderer::fittedText(wide);
    QVERIFY2(hashes.size() >= 2 && hashes.count(u'#') == hashes.size(), qPrintable(hashes));

    std::unique_ptr<Exporter> e(factory());
    ExportSettings settings;
    settings.fileName = m_dir.filePath(file);
    RunInfo info;
    info.title = m_report->title;
    info.pageWidth = 595;
    info.pageHeight = 842;
    info.report = m_report;
    QVERIFY(e->open(settings) && e->begin(info));
    QVERIFY(e->writePage(page));
    QVERIFY2(e->finish(), qPrintable(e->errorText()));
    QString text;
    if (file.endsWith(QLatin1String(".pdf"))) {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {settings.fileName, QStringLiteral("-")});
        QVERIFY(tool.waitForFinished(30000));
        text = QString::fromUtf8(tool.readAllStandardOutput());
    } else {
        QFile f(settings.fileName);
        QVERIFY(f.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(f.readAll());
    }
    QVERIFY2(text.contains(hashes), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("87.0")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("269.000,00")), qPrintable(text));
}

// An A4 page holds 64 lines of 12 points; a file of 60 lines a page spreads
// them over its lines instead of dropping the last ones and the page footer.
void TestExporters::paginatedTextKeepsEveryLine()
{
    const ReportSection &s = m_report->sections.first();
    RenderedPage page;
    page.number = 1;
    page.width = 595;
    page.height = 842;
    page.report = m_report;
    for (int i = 0; i < 64; ++i)
        page.items.push_back(PageItem{PageItem::Text, QRectF(36, 36 + 12 * i, 150, 12),
                                      QStringLiteral("Pogodba %1").arg(1001 + i), &s.objects[0], &s});
    page.items.push_back(PageItem{PageItem::Text, QRectF(36, 842 - 36 - 10, 150, 10),
                                  QStringLiteral("Stran 1 od 2"), &s.objects[0], &s});
    RenderedPage second = page;
    second.number = 2;
    second.items.resize(1);
    const std::vector<RenderedPage> pages{page, second};
    TextExporter e(TextExporter::Paginated);
    ExportSettings settings;
    settings.linesPerPage = 60;
    const QString text = runExporter(&e, settings, QStringLiteral("p.txt"), &pages);
    const QStringList written = text.split(u'\f');
    QCOMPARE(written.size(), 3); // two pages, each ended by a form feed
    for (int p = 0; p < 2; ++p) {
        QString body = written[p];
        if (body.startsWith(QLatin1String("\r\n")))
            body.remove(0, 2);
        QCOMPARE(body.count(QStringLiteral("\r\n")), 60);
    }
    for (int i = 0; i < 64; ++i)
        QVERIFY2(written[0].contains(QStringLiteral("Pogodba %1").arg(1001 + i)), qPrintable(written[0]));
    QVERIFY(written[0].contains(QStringLiteral("Stran 1 od 2")));
}

void TestExporters::rtfBreaksLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("carriage return, as Chr(13) joins") << "Dunajska cesta 156\r1000 Ljubljana";
    QTest::newRow("line feed") << "Dunajska cesta 156\n1000 Ljubljana";
    QTest::newRow("carriage return and line feed, one break") << "Dunajska cesta 156\r\n1000 Ljubljana";
}

void TestExporters::rtfBreaksLines()
{
    QFETCH(QString, text);
    QCOMPARE(RtfExporter::escape(text), QByteArray("Dunajska cesta 156\\line 1000 Ljubljana"));
}

void TestExporters::excelLayout_data()
{
    QTest::addColumn<bool>("tabular");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("absent");
    // The detail section has name and amount on its first line, the address under them.
    QTest::newRow("a row per line of fields")
        << false << QStringList{"r=\"A1\"", "r=\"B1\"", "r=\"A2\"", "r=\"A4\""} << QStringList{"r=\"C1\""};
    QTest::newRow("tabular: a record on one row")
        << true << QStringList{"r=\"A1\"", "r=\"C1\"", "r=\"C2\""} << QStringList{"r=\"A3\""};
}

void TestExporters::excelLayout()
{
    QFETCH(bool, tabular);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, absent);
    const ReportSection &s = m_report->sections.first();
    ReportObject address = s.objects[0];
    address.y = 15;
    RunInfo info;
    info.title = m_report->title;
    info.rowColumns = {QStringLiteral("Stranka"), QStringLiteral("Znesek"), QStringLiteral("Naslov")};
    info.rowObjects = {&s.objects[0], &s.objects[1], &address};
    ExcelExporter e;
    ExportSettings settings;
    settings.fileName = m_dir.filePath(QStringLiteral("layout.xlsx"));
    settings.excelTabular = tabular;
    QVERIFY(e.open(settings) && e.begin(info));
    for (int i = 0; i < 2; ++i)
        QVERIFY(e.writeRow({FormulaValue::string(QStringLiteral("Ana")), FormulaValue::number(7),
                            FormulaValue::string(QStringLiteral("Cesta 1"))},
                           {QStringLiteral("Ana"), QStringLiteral("7,00"), QStringLiteral("Cesta 1")}));
    QVERIFY2(e.finish(), qPrintable(e.errorText()));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), settings.fileName, QStringLiteral("xl/worksheets/sheet1.xml")});
    QVERIFY(unzip.waitForFinished(30000));
    const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
    for (const QString &c : cells)
        QVERIFY2(sheet.contains(c), qPrintable(c + u'\n' + sheet));
    for (const QString &c : absent)
        QVERIFY2(!sheet.contains(c), qPrintable(c + u'\n' + sheet));
}

QTEST_MAIN(TestExporters)
#include "tst_exporters.moc"
