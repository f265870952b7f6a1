// Figures of the data layer on a large installation: the catalogue's kind of
// statements, reading every contract, lookups and new ids on both paths.
//   bench_data DATABASE.db   (make one with bench/gen_install.py and ovo-mkdb)
#include "data/LangQuery.h"
#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {
long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: bench_data DATABASE.db\n";
        return 2;
    }
    QTemporaryDir folder;
    QFile aliases(folder.filePath("Aliases.ini"));
    aliases.open(QIODevice::WriteOnly);
    aliases.write(QStringLiteral("[LB]\nDRIVER=QSQLITE\nDATABASE=%1\n")
                      .arg(QFileInfo(argv[1]).absoluteFilePath())
                      .toUtf8());
    aliases.close();
    ProgramFolder::setPath(folder.path());
    try {
        QElapsedTimer timer;
        timer.start();
        TD d({"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, true);
        out << "start-up of the data module: " << timer.elapsed() << " ms\n";

        timer.restart();
        TLangQuery q;
        q.setColumns("*");
        q.setFromClause("POG");
        q.setOrderByClause("IDPOG");
        q.Select();
        const qint64 ms = std::max<qint64>(1, timer.elapsed());
        qint64 sum = 0;
        for (; !q.eof(); q.next())
            sum += q.fieldByName("IDPOG")->asInteger();
        out << "read all contracts: " << q.recordCount() << " rows in " << ms << " ms, "
            << qint64(q.recordCount()) * 1000 / ms << " rows/s, navigation " << timer.elapsed() - ms
            << " ms, peak " << peakKb() / 1024 << " MB\n";
        q.close();

        constexpr int lookups = 5000;
        timer.restart();
        for (int i = 0; i < lookups; ++i)
            LookupString("LB", "POG", "IDPOG", QStringLiteral("IDPOG=%1").arg(1 + i * 13));
        out << "lookups by key: " << lookups * 1000LL / std::max<qint64>(1, timer.elapsed()) << " per s\n";

        constexpr int ids = 2000;
        for (const char *name : {"IdAct", "IdRptPog"}) {
            timer.restart();
            for (int i = 0; i < ids; ++i)
                d.GetNewId(name);
            out << "GetNewId(" << name << "): " << ids * 1000LL / std::max<qint64>(1, timer.elapsed())
                << " per s\n";
        }
        (void)sum;
    } catch (const EError &e) {
        out << "error: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
