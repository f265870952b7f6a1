// A small fuzz run of the engine's two parsers of outside input: formulas
// and report files. Seeds (the demo reports and their formulas, plus a few
// deep and numeric extremes) are mutated at random and fed to the parser, the
// evaluator and the report-file reader and writer. Built with the sanitizers,
// any crash, overflow or undefined behaviour stops the run.
//
//   fuzz_formula [iterations] [seed]
#include "printengine/Formula.h"
#include "printengine/ReportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cstdio>

namespace {

class AnyContext : public FormulaContext
{
public:
    FormulaValue fieldValue(const QString &name) override
    {
        switch (qHash(name) % 4) {
        case 0:
            return FormulaValue::number(1234.5);
        case 1:
            return FormulaValue::string(QStringLiteral("N-2019/012"));
        case 2:
            return FormulaValue::date(QDate(2024, 1, 31));
        default:
            return {};
        }
    }
    FormulaValue formulaValue(const QString &) override { return FormulaValue::number(2); }
    FormulaValue parameterValue(const QString &) override
    {
        return FormulaValue::range(FormulaValue::date(QDate(2024, 1, 1)), FormulaValue());
    }
    FormulaValue specialValue(const QString &) override { return FormulaValue::number(3); }
    FormulaValue summaryValue(const QString &, const QString &, const QString &) override
    {
        return FormulaValue::number(7);
    }
};

const char *const pieces[] = {"(",         ")",      "[",
                              "]",         "-",      "not ",
                              "+",         " to ",   "*",
                              " mod ",     "1E20",   "'a'",
                              ",",         "{",      "}",
                              "{POG.ZNS}", ".",      "999999999999999999999",
                              "Chr(",      "Date(",  "DateAdd('yyyy', ",
                              "Left(",     "Round(", " in ",
                              " and ",     " or ",   "if ",
                              " then ",    " else ", "\"",
                              "0.5"};

QString mutate(QString s, QRandomGenerator &rnd)
{
    const int edits = 1 + int(rnd.bounded(4));
    for (int e = 0; e < edits; ++e) {
        const int at = s.isEmpty() ? 0 : int(rnd.bounded(quint32(s.size() + 1)));
        switch (rnd.bounded(5)) {
        case 0:
            s.insert(at, QLatin1String(pieces[rnd.bounded(quint32(std::size(pieces)))]));
            break;
        case 1:
            s.remove(at, int(rnd.bounded(8)));
            break;
        case 2:
            if (at < s.size())
                s[at] = QChar(ushort(rnd.bounded(32, 127)));
            break;
        case 3: {
            // A repeated piece reaches the depth limits.
            const QString piece = QLatin1String(pieces[rnd.bounded(quint32(std::size(pieces)))]);
            s.insert(at, piece.repeated(int(rnd.bounded(1, 400))));
            break;
        }
        default: {
            const int len = int(rnd.bounded(quint32(qMax(1, int(s.size()) - at + 1))));
            s.insert(at, s.mid(at, len));
            break;
        }
        }
    }
    return s.left(200000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 20000;
    QRandomGenerator rnd(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);

    QStringList formulas = {QStringLiteral("{POG.ZNS} * 2 + Round({POG.ZNS}, 2)"),
                            QStringLiteral("DateAdd('m', 1, {POG.DAN}) > Date(2024, 1, 1)"),
                            QStringLiteral("{POG.SFDJV} in ['N', 'U'] or not IsNull({POG.DANKNZ})"),
                            QStringLiteral("ToText(Mid('abcdef', 2, 3) + Chr(65), 0)"),
                            QStringLiteral("if {?Od} = 1 then Left('abc', 2) else Right('abc', 1)")};
    QList<QByteArray> reports;
    const QDir dir(QStringLiteral(OVO_SOURCE_DIR "/db/program/Report"));
    for (const QString &name : dir.entryList({QStringLiteral("*.rpt")})) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray xml = f.readAll();
        reports << xml;
        // Their formulas are seeds too.
        static const QRegularExpression formula(QStringLiteral("<(?:formula|selection)[^>]*>([^<]+)<"));
        for (const auto &m : formula.globalMatch(QString::fromUtf8(xml)))
            formulas << m.captured(1);
    }
    std::printf("%lld formula seeds, %lld report seeds, %d iterations\n", qlonglong(formulas.size()),
                qlonglong(reports.size()), iterations);

    AnyContext ctx;
    int compiled = 0, evaluated = 0, read = 0;
    for (int i = 0; i < iterations; ++i) {
        const QString text = mutate(formulas.at(int(rnd.bounded(quint32(formulas.size())))), rnd);
        FormulaSyntaxError error;
        const Formula f = Formula::compile(text, &error);
        if (!error.isError()) {
            ++compiled;
            try {
                f.evaluate(ctx);
                ++evaluated;
            } catch (const EError &) {
            }
            f.fields();
            f.summaries();
        }
        if (i % 10 == 0 && !reports.isEmpty()) {
            const QString xml =
                mutate(QString::fromUtf8(reports.at(int(rnd.bounded(quint32(reports.size()))))), rnd);
            ReportFileError fileError;
            if (const auto r = ReportFile::parse(xml.toUtf8(), QStringLiteral("fuzz.rpt"), &fileError)) {
                ++read;
                ReportFile::toXml(*r);
            }
        }
    }
    std::printf("%d compiled, %d evaluated without error, %d report files read\n", compiled, evaluated, read);
    return 0;
}
