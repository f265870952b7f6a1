// Renders a generated report of 100 000 detail rows in two group levels to
// PDF through the engine's entry points and prints rows/s, pages/s and the
// peak memory of the process.
//   bench_printengine [rows] [output.pdf]
#include "data/Database.h"
#include "printengine/rpe32.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstring>
#include <sys/resource.h>

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

const char *reportXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<report version="1">
  <summary title="Benchmark"/>
  <page size="A4" left="36" right="36" top="36" bottom="36"/>
  <tables><table name="BENCH" alias="B"><logon server="LB"/></table></tables>
  <selection>{B.AMOUNT} >= 0</selection>
  <formulas><formula name="LABEL">{B.NAME} + ' / ' + {B.GRP2}</formula></formulas>
  <sort><field name="B.ID"/></sort>
  <groups><group field="B.GRP1"/><group field="B.GRP2"/></groups>
  <sections>
    <section area="PH" height="18">
      <text x="0" y="2" w="60" h="12" bold="true">ID</text>
      <text x="65" y="2" w="200" h="12" bold="true">Naziv</text>
      <text x="270" y="2" w="70" h="12" bold="true">Datum</text>
      <text x="430" y="2" w="90" h="12" bold="true" align="right">Znesek</text>
      <line x="0" y="16" w="523" h="0"/>
    </section>
    <section area="GH" group="1" height="16"><field source="B.GRP1" x="0" y="2" w="300" h="12" bold="true"/></section>
    <section area="GH" group="2" height="14"><field source="B.GRP2" x="10" y="1" w="300" h="12" italic="true"/></section>
    <section area="D" height="12">
      <field source="B.ID" x="0" y="0" w="60" h="12" decimals="0"/>
      <formulafield formula="LABEL" x="65" y="0" w="200" h="12"/>
      <field source="B.DAN" x="270" y="0" w="70" h="12"/>
      <field source="B.AMOUNT" x="430" y="0" w="90" h="12" align="right" decimals="2" thousands="true"/>
    </section>
    <section area="GF" group="2" height="14">
      <summary field="B.AMOUNT" op="sum" group="2" x="430" y="1" w="90" h="12" align="right" decimals="2" thousands="true" italic="true"/>
    </section>
    <section area="GF" group="1" height="16">
      <summary field="B.AMOUNT" op="sum" group="1" x="430" y="2" w="90" h="12" align="right" decimals="2" thousands="true" bold="true"/>
    </section>
    <section area="RF" height="16">
      <summary field="B.ID" op="count" group="0" x="300" y="2" w="100" h="12" decimals="0" bold="true"/>
      <summary field="B.AMOUNT" op="sum" group="0" x="430" y="2" w="90" h="12" align="right" decimals="2" thousands="true" bold="true"/>
    </section>
    <section area="PF" height="16">
      <special kind="pagenofm" text="Stran %1 od %2" x="400" y="2" w="123" h="12" align="right" size="8"/>
    </section>
  </sections>
</report>
)";

QString engineError(int16_t job)
{
    void *h = nullptr;
    int16_t length = 0;
    RpeGetErrorText(job, &h, &length);
    const QString text = QString::fromUtf8(static_cast<const char *>(h) + 8);
    free(h);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir folder;
    const QString pdf =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : folder.filePath(QStringLiteral("bench.pdf"));
    ProgramFolder::setPath(folder.path());
    {
        QFile aliases(folder.filePath(QStringLiteral("Aliases.ini")));
        aliases.open(QIODevice::WriteOnly);
        aliases.write("[LB]\nDRIVER=QSQLITE\nDATABASE=bench.db\n");
        Database::createEmbedded(folder.filePath(QStringLiteral("bench.db")));
        QFile report(folder.filePath(QStringLiteral("bench.rpt")));
        report.open(QIODevice::WriteOnly);
        report.write(reportXml);
    }
    try {
        Database db(QStringLiteral("BENCHGEN"));
        db.setAliasName(QStringLiteral("LB"));
        db.open();
        db.execute(QStringLiteral("CREATE TABLE BENCH (ID INTEGER PRIMARY KEY, GRP1 VARCHAR(40), GRP2 "
                                  "VARCHAR(40), NAME VARCHAR(80), DAN DATE, AMOUNT NUMERIC(18,2))"));
        db.startTransaction();
        QSqlQuery insert(db.connection());
        insert.prepare(QStringLiteral("INSERT INTO BENCH VALUES (?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i <= rows; ++i) {
            insert.addBindValue(i);
            insert.addBindValue(
                QStringLiteral("Regija %1").arg((i - 1) * 10 / rows + 1, 2, 10, QLatin1Char('0')));
            insert.addBindValue(
                QStringLiteral("Skupina %1").arg((i - 1) * 500 / rows + 1, 3, 10, QLatin1Char('0')));
            insert.addBindValue(QStringLiteral("Stranka št. %1").arg(i));
            insert.addBindValue(QDate(2020, 1, 1).addDays(i % 2000).toString(QStringLiteral("yyyy-MM-dd")));
            insert.addBindValue(double(i % 9973) * 1.25);
            insert.exec();
        }
        db.commit();
        db.close();
    } catch (const EError &e) {
        out << "cannot build the benchmark data: " << e.message() << "\n";
        return 1;
    }
    const double memoryBefore = peakMegabytes();

    QElapsedTimer timer;
    timer.start();
    if (!RpeOpenEngine()) {
        out << "RpeOpenEngine failed: " << engineError(0) << "\n";
        return 1;
    }
    const int16_t job = RpeOpenPrintJob(folder.filePath(QStringLiteral("bench.rpt")).toUtf8().constData());
    if (!job) {
        out << "RpeOpenPrintJob failed: " << engineError(0) << "\n";
        return 1;
    }
    const QByteArray file = pdf.toUtf8();
    RpeDiskOptions disk{sizeof(RpeDiskOptions), file.constData()};
    RpeExportOptions options{};
    options.StructSize = sizeof(RpeExportOptions);
    std::strcpy(options.FormatDLLName, "rxf_pdf.dll");
    std::strcpy(options.DestinationDLLName, "rxddisk.dll");
    options.DestinationOptions = &disk;
    options.NDestinationOptionsBytes = sizeof disk;
    if (!RpeExportTo(job, &options) || !RpeStartPrintJob(job, 1)) {
        out << "export failed: " << engineError(job) << "\n";
        return 1;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    RpeJobInfo info{};
    info.StructSize = sizeof info;
    RpeGetJobStatus(job, &info);
    RpeClosePrintJob(job);
    RpeCloseEngine();

    out << "rows:        " << info.NumRecordsSelected << "\n";
    out << "pages:       " << info.LatestPageN << "\n";
    out << "time:        " << QString::number(seconds, 'f', 2) << " s\n";
    out << "rows/s:      " << QString::number(info.NumRecordsSelected / seconds, 'f', 0) << "\n";
    out << "pages/s:     " << QString::number(info.LatestPageN / seconds, 'f', 1) << "\n";
    out << "peak memory: " << QString::number(peakMegabytes(), 'f', 1) << " MB ("
        << QString::number(memoryBefore, 'f', 1) << " MB before the run)\n";
    out << "pdf size:    " << QString::number(QFile(pdf).size() / 1048576.0, 'f', 1) << " MB\n";
    return 0;
}
