// Each output format on its own, fed by the same small fixture: two pages of
// items and two detail rows. The written file is read back with the tool a
// user would use (pdftotext, unzip) or as text.
#include "printengine/DifExporter.h"
#include "printengine/ExcelExporter.h"
#include "printengine/HtmlExporter.h"
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

private:
    QString runExporter(Exporter *e, ExportSettings settings, const QString &file);
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

QString TestExporters::runExporter(Exporter *e, ExportSettings settings, const QString &file)
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
        for (const RenderedPage &p : m_pages)
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

QTEST_MAIN(TestExporters)
#include "tst_exporters.moc"
