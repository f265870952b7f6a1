// A small fuzz run of the preparatory-script runner: the demo scripts and a
// few hostile lines are mutated at random, given mutated parameter values,
// and run against a throw-away copy of the schema and the demo data. Built
// with the sanitizers, any crash or undefined behaviour stops the run. The
// value lexer gets the mutated values as well.
//
//   fuzz_script [iterations] [seed]
#include "data/Database.h"
#include "run/SqlScript.h"
#include "run/ValueLexer.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const char *const pieces[] = {
    "{?",       "}",     "{@",     "NVL}",       "TCJ}",
    "DMCSFVP}", "?",     ";",      "--",         "'",
    "''",       ",",     "\n",     "\r\n",       "1,2",
    "1.000,50", "KONTO", "(",      ")",          "INTERNAL_FUNCTION KljucDPKPoModulu11(",
    "SELECT ",  " or ",  "1=1",    "31.02.2020", "\"",
    "/*",       "*/",    "{?DAN}", "{?KONTO}"};

QString mutate(QString s, QRandomGenerator &rnd)
{
    const int edits = 1 + int(rnd.bounded(4));
    for (int e = 0; e < edits; ++e) {
        const int at = s.isEmpty() ? 0 : int(rnd.bounded(quint32(s.size() + 1)));
        switch (rnd.bounded(4)) {
        case 0:
            s.insert(at, QLatin1String(pieces[rnd.bounded(quint32(std::size(pieces)))]));
            break;
        case 1:
            s.remove(at, int(rnd.bounded(12)));
            break;
        case 2:
            if (at < s.size())
                s[at] = QChar(ushort(rnd.bounded(32, 127)));
            break;
        default: {
            const QString piece = QLatin1String(pieces[rnd.bounded(quint32(std::size(pieces)))]);
            s.insert(at, piece.repeated(int(rnd.bounded(1, 50))));
            break;
        }
        }
    }
    return s.left(20000);
}

QString readSource(const QString &relative)
{
    QFile f(QStringLiteral(OVO_SOURCE_DIR "/") + relative);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    return QString::fromUtf8(f.readAll());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 300;
    QRandomGenerator rnd(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);

    QTemporaryDir folder;
    ProgramFolder::setPath(folder.path());
    {
        QFile aliases(folder.filePath(QStringLiteral("Aliases.ini")));
        if (!aliases.open(QIODevice::WriteOnly))
            qFatal("cannot write the aliases file");
        aliases.write("[LB]\nDRIVER=QSQLITE\nDATABASE=fuzz.db\n");
    }
    Database::createEmbedded(folder.filePath(QStringLiteral("fuzz.db")));
    Database db(QStringLiteral("LB"));
    db.open();
    db.startTransaction();
    db.executeScript(readSource(QStringLiteral("db/schema.sql")));
    db.executeScript(readSource(QStringLiteral("db/demo.sql")));
    db.commit();

    QStringList scripts;
    const QDir dir(QStringLiteral(OVO_SOURCE_DIR "/db/program/Report"));
    for (const QString &name : dir.entryList({QStringLiteral("*.sql")}))
        scripts << readSource(QStringLiteral("db/program/Report/") + name);
    scripts << QStringLiteral(
        "UPDATE REPORT_SQL SET TXT10 = {?K} WHERE COMPUTER = {?COMPUTER};\n"
        "?DELETE FROM REPORT_SQL WHERE INTID IN ({?N}) AND COMPUTER = {?COMPUTER};\n"
        "INSERT INTO REPORT_SQL (COMPUTER, NUM1) SELECT {?COMPUTER}, {@NVL}(MAX(IDOBD), 0) "
        "{@TCJ} 2 FROM OBD WHERE DAN <= {?DAN};");
    const QStringList values = {
        QStringLiteral("760000"),     QStringLiteral("'EUR', 'USD'"), QStringLiteral("KONTO"),
        QStringLiteral("1.000,50"),   QStringLiteral("1, 2, 3"),      QStringLiteral("01.11.2026"),
        QStringLiteral("31.02.2020"), QStringLiteral("1 or 1=1"),     QString()};
    const QString folderPath = ProgramFolder::path();
    const QString computer = QStringLiteral("FUZZ");

    int ran = 0, refused = 0, lexed = 0;
    for (int i = 0; i < iterations; ++i) {
        auto value = [&] { return mutate(values.at(int(rnd.bounded(quint32(values.size())))), rnd); };
        SqlScriptInputs inputs;
        inputs.rpeDriver = rnd.bounded(2) ? QStringLiteral("ORACLE") : QStringLiteral("DB2");
        inputs.dialect = inputs.rpeDriver;
        inputs.computerName = computer;
        const char *types = "DSNKT";
        for (const char *name : {"{?K}", "{?N}", "{?DAN}", "{?DANOD}", "{?DANDO}", "{?KONTO}", "{?IDPOG}"}) {
            SqlScriptParameter p{
                QLatin1String(name), QString(QLatin1Char(types[rnd.bounded(5)])), value(), {}};
            p.list = rnd.bounded(4) == 0;
            inputs.parameters << p;
        }
        inputs.parameters << SqlScriptParameter{
            QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}};
        for (const SqlScriptParameter &p : inputs.parameters)
            lexed += ValueLexer::isLiteralList(p.value, true, true) ? 1 : 0;

        const QString scriptFile = folderPath + QStringLiteral("fuzz.sql");
        QFile f(scriptFile);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the script");
        f.write(mutate(scripts.at(int(rnd.bounded(quint32(scripts.size())))), rnd).toUtf8());
        f.close();

        SqlScript script(inputs);
        script.setShowErrors(false);
        try {
            script.RunSqlScript(scriptFile);
            ++ran;
        } catch (const std::exception &) {
            ++refused;
        }
    }
    std::printf("%d scripts ran, %d ended with an error, %d values were literal lists\n", ran, refused,
                lexed);
    return 0;
}
