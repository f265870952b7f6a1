// Takes ids for one id name from a program folder's database and prints them,
// one per line, so that a test can run several of these at once.
//   getnewid_worker FOLDER NAME COUNT
#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    ProgramFolder::setPath(args.at(1));
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        TD d({"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, true);
        const int count = args.at(3).toInt();
        for (int i = 0; i < count; ++i)
            out << d.GetNewId(args.at(2)) << '\n';
    } catch (const EError &e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}
