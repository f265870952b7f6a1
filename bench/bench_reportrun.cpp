// Figures of a whole report run on a large installation: the run window
// reads its parameters, the preparatory script fills the work table, and the
// engine exports the report as PDF.
//   bench_reportrun DATABASE.db [REPORT]   (make one with bench/gen_install.py and ovo-mkdb)
#include "engine/Rpe.h"
#include "run/FPrintReport.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "shell/Logs.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {
long peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: bench_reportrun DATABASE.db [REPORT]\n";
        return 2;
    }
    const qint64 report = argc > 2 ? QString::fromLocal8Bit(argv[2]).toLongLong() : 1;
    QTemporaryDir folder;
    QFile aliases(folder.filePath("Aliases.ini"));
    aliases.open(QIODevice::WriteOnly);
    aliases.write(QStringLiteral("[LB]\nDRIVER=QSQLITE\nDATABASE=%1\n")
                      .arg(QFileInfo(argv[1]).absoluteFilePath())
                      .toUtf8());
    aliases.close();
    QDir().mkpath(folder.filePath("Report"));
    const QDir reports(QStringLiteral(OVO_SOURCE_DIR "/db/program/Report"));
    for (const QString &name : reports.entryList(QDir::Files))
        QFile::copy(reports.filePath(name), folder.filePath("Report/" + name));
    QFile::link(QStringLiteral(RPE_LIBRARY), folder.filePath("librpe32.so"));
    ProgramFolder::setPath(folder.path());
    DialogHook::setUnattended(true);
    try {
        TD d({"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, true);
        TFPrintReport window;
        QElapsedTimer timer;
        timer.start();
        if (!window.Open(report))
            return 1;
        out << "open the run window of report " << report << ": " << timer.elapsed() << " ms\n";

        timer.restart();
        const QString script = window.RunScript(window.scriptFile());
        QSqlQuery rows = d.DB.execute(QStringLiteral("SELECT COUNT(*) FROM REPORT_SQL"));
        rows.next();
        out << "preparatory script: " << rows.value(0).toLongLong() << " rows prepared in " << timer.elapsed()
            << " ms\n";
        (void)script;

        const QString pdf = folder.filePath("bench.pdf");
        TRpe *job = window.Job();
        job->setOutput(toExport);
        job->ExportOptions()->FileType = AdobeAcrobatPDF;
        job->ExportOptions()->FileName = pdf;
        timer.restart();
        window.ExecuteReport();
        out << "whole run with the script, to PDF: " << timer.elapsed() << " ms, "
            << QFileInfo(pdf).size() / 1024 << " KB, peak " << peakMb() << " MB\n";
    } catch (const std::exception &e) {
        out << "error: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}
