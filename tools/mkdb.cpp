// Creates an embedded database file from SQL scripts, through the program's
// own database layer so that the scripts use the same dialect as the program.
//   ovo-mkdb OUTPUT.db SCRIPT.sql [SCRIPT.sql ...]
#include "data/Database.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        err << "usage: ovo-mkdb OUTPUT.db SCRIPT.sql [SCRIPT.sql ...]\n";
        return 2;
    }
    const QString output = QFileInfo(args.first()).absoluteFilePath();
    QFile::remove(output);
    try {
        Database::createEmbedded(output);
    } catch (const EError &e) {
        err << e.message() << "\n";
        return 1;
    }
    QTemporaryDir folder;
    {
        QFile aliases(folder.filePath(QStringLiteral("Aliases.ini")));
        aliases.open(QIODevice::WriteOnly | QIODevice::Text);
        aliases.write(QStringLiteral("[MKDB]\nDRIVER=QSQLITE\nDATABASE=%1\n").arg(output).toUtf8());
    }
    ProgramFolder::setPath(folder.path());

    Database db(QStringLiteral("MKDB"));
    try {
        db.open();
        db.startTransaction();
        for (const QString &script : args.mid(1)) {
            QFile file(script);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
                err << "cannot read " << script << ": " << file.errorString() << "\n";
                return 1;
            }
            try {
                db.executeScript(QString::fromUtf8(file.readAll()));
            } catch (const EError &e) {
                err << script << ": " << e.message() << "\n";
                return 1;
            }
        }
        db.commit();
    } catch (const EError &e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
