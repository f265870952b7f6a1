#include "run/ReportFormulas.h"

#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/Formats.h"
#include "shell/SqlLiterals.h"

#include <QRegularExpression>

namespace {
const QString LB = QStringLiteral("LB");
const QString BreakMark = QStringLiteral("'+Chr(13)+'");
constexpr int PdbPieceLength = 200;

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QDate dateOrZero(const QDateTime &value)
{
    return value.isValid() ? value.date() : ReportFormulas::ZeroDate();
}

bool isPlainIdentifier(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}
} // namespace

namespace FormulaText {

QString FormulaString(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    out.replace(QStringLiteral("\r\n"), BreakMark);
    out.replace(QLatin1Char('\r'), BreakMark);
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString MultiLine(const QStringList &lines)
{
    QStringList parts;
    for (const QString &line : lines)
        for (const QString &piece : line.split(BreakMark))
            parts.append(FormulaString(piece));
    return parts.join(QStringLiteral("+Chr(13)+"));
}

QString DateShort(const QDate &date)
{
    return QStringLiteral("Date(%1,%2,%3)").arg(date.year()).arg(date.month()).arg(date.day());
}

} // namespace FormulaText

using namespace FormulaText;

ReportFormulas::ReportFormulas()
{
    qPdb.setSql(QStringLiteral("SELECT * FROM PDB"));
}

QList<FormulaUpdate> ReportFormulas::RetrieveFormulas(const QList<ReportFormula> &formulas)
{
    LoadPdb();
    QList<FormulaUpdate> updates;
    for (int i = 0; i < formulas.size(); ++i) {
        bool applies = true;
        const QString text = formulaValue(formulas[i].name, formulas[i].text, applies);
        if (applies)
            updates.append({i, formulas[i].name, text});
    }
    return updates;
}

QString ReportFormulas::formulaValue(const QString &name, const QString &text, bool &applies)
{
    const QString up = name.toUpper();
    if (up == QLatin1String("PODJETJE")) {
        readCompanyLines();
        return MultiLine(companyLines);
    }
    if (up == QLatin1String("FBANKA"))
        return FormulaString(
            LookupString(LB, QStringLiteral("OSB"), QStringLiteral("NZV"), QStringLiteral("SFOSB=2")));
    if (up == QLatin1String("FILTER"))
        return MultiLine(filterLines);
    if (up == QLatin1String("F_EUROOBD"))
        return boolText(GetFeuroobdBool());
    if (up == QLatin1String("F_EUROOBD_ES"))
        return boolText(GetFeuroobdBoolEs());
    if (up == QLatin1String("F_EUROOBD_EE"))
        return boolText(GetFeuroobdBoolEe());
    if (up == QLatin1String("F_IDOBD"))
        return QString::number(GetIdObd());
    if (up == QLatin1String("F_DANOBD"))
        return FormulaDate(GetDanObd());
    if (up == QLatin1String("F_DANVLN"))
        return FormulaDate(GetLastVlnDate());
    if (up == QLatin1String("F_DANTCN"))
        return FormulaDate(GetLastTcnDate(GetDatumTecaj()));
    if (up == QLatin1String("F_VLT"))
        return GetFeuroobdBool() ? QStringLiteral("'EUR'") : QStringLiteral("'SIT'");
    if (up.startsWith(QLatin1String("F_TECAJ_"))) {
        // Rates are stored per tolar before the changeover and per euro after it.
        if (GetFeuroobdBool())
            return QStringLiteral("if ") + text + QStringLiteral("<>0 then 1/") + text +
                   QStringLiteral(" else 0");
        applies = false;
        return text;
    }
    if (up == QLatin1String("FUPORABNIK"))
        return FormulaString(D->UserFullName);
    if (up == QLatin1String("UPORABNIK"))
        return FormulaString(D->User);
    if (up.startsWith(QLatin1String("TECAJ_")))
        return FloatToSql(GetTecaj(name));
    if (up.startsWith(QLatin1String("TCN_DATE_")) && !reportDate.isEmpty()) {
        const QDate date = reportDateValue();
        if (up == QLatin1String("TCN_DATE_BEGIN_MONTH"))
            return DateShort(GetFirstTcnDate(QDate(date.year(), date.month(), 1)));
        if (up == QLatin1String("TCN_DATE_END_MONTH"))
            return DateShort(GetLastTcnDate(date));
        if (up == QLatin1String("TCN_DATE_END_LAST_YEAR"))
            return DateShort(GetLastTcnDate(QDate(date.year(), 1, 1).addDays(-1)));
    }
    if (up.startsWith(QLatin1String("F_ORG_")))
        return FormulaString(GetOrgField(name.mid(6)));
    if (up.startsWith(QLatin1String("F_PDB_"))) {
        const QString rest = name.mid(6);
        const QChar last = rest.isEmpty() ? QChar() : rest.back();
        if (last < QLatin1Char('1') || last > QLatin1Char('9'))
            throw EConvertError(QStringLiteral("Formula %1 nima veljavne številke dela (1 do 9).").arg(name));
        return PdbPiece(rest.chopped(1), last.digitValue());
    }
    applies = false;
    return text;
}

void ReportFormulas::readCompanyLines()
{
    if (!companyLines.isEmpty())
        return;
    const QString table = QStringLiteral("OSB"), where = QStringLiteral("SFOSB=2");
    for (const QString &column : {QStringLiteral("NZV"), QStringLiteral("NSL")}) {
        try {
            companyLines.append(LookupString(LB, table, column, where));
        } catch (const std::exception &) {
            // A company without a name or address line still prints.
        }
    }
    companyLines.append((LookupString(LB, table, QStringLiteral("PST"), where) + QLatin1Char(' ') +
                         LookupString(LB, table, QStringLiteral("MST"), where))
                            .trimmed());
}

void ReportFormulas::EnsureReportDate()
{
    if (!reportDate.isEmpty())
        return;
    reportDate = findIzpisDate ? findIzpisDate() : (D ? D->TodayText : QString());
    if (reportDate.isEmpty())
        reportDate = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

QDate ReportFormulas::reportDateValue() const
{
    const QDate date = Formats::readShortDate(reportDate);
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' ni veljaven datum").arg(reportDate));
    return date;
}

QString ReportFormulas::upToDate(const QDate &date) const
{
    return QStringLiteral("DAN<=") + SqlDate(date);
}

QDate ReportFormulas::euroStart(const QString &mark)
{
    EnsureReportDate();
    return dateOrZero(LookupDateTime(LB, QStringLiteral("EUROOBD"), QStringLiteral("DANOD"),
                                     QStringLiteral("OZNAKA='") + mark + QLatin1Char('\'')));
}

bool ReportFormulas::GetFeuroobdBool()
{
    const QDate start = euroStart(QStringLiteral("ES"));
    return reportDateValue() >= start;
}

bool ReportFormulas::GetFeuroobdBoolEe()
{
    const QDate start = euroStart(QStringLiteral("EE"));
    return reportDateValue() >= start;
}

bool ReportFormulas::GetFeuroobdBoolEs()
{
    return GetFeuroobdBool() && !GetFeuroobdBoolEe();
}

qint64 ReportFormulas::IdObdAt(const QDate &date)
{
    return LookupIntegerOf(LB, QStringLiteral("OBD"), QStringLiteral("MAXID"),
                           QStringLiteral("Max(IDOBD) AS MAXID"), QStringLiteral("DAN<=") + SqlDate(date));
}

qint64 ReportFormulas::GetIdObd()
{
    EnsureReportDate();
    return IdObdAt(reportDateValue());
}

QDate ReportFormulas::GetDanObd()
{
    EnsureReportDate();
    const QDateTime dan =
        MaxDate(LB, QStringLiteral("OBD"), QStringLiteral("DAN"), upToDate(reportDateValue()));
    return dan.isValid() ? dan.date() : QDate(1990, 1, 1);
}

QDate ReportFormulas::GetLastVlnDate()
{
    EnsureReportDate();
    return dateOrZero(MaxDate(LB, QStringLiteral("VLN"), QStringLiteral("DAN"), upToDate(reportDateValue())));
}

QDate ReportFormulas::GetDatumTecaj()
{
    EnsureReportDate();
    return reportDateValue();
}

QDate ReportFormulas::GetLastTcnDate(const QDate &date)
{
    if (reportDate.isEmpty())
        return date;
    return dateOrZero(MaxDate(LB, QStringLiteral("TCN"), QStringLiteral("DAN"), upToDate(date)));
}

QDate ReportFormulas::GetFirstTcnDate(const QDate &date)
{
    if (reportDate.isEmpty())
        return date;
    return dateOrZero(
        MinDate(LB, QStringLiteral("TCN"), QStringLiteral("DAN"), QStringLiteral("DAN>=") + SqlDate(date)));
}

double ReportFormulas::GetTecaj(const QString &formulaName)
{
    EnsureReportDate();
    const QString up = formulaName.toUpper();
    if (!up.startsWith(QLatin1String("TECAJ_")) || up.size() == 6)
        return 0;
    const QString currency = LookupString(LB, QStringLiteral("VLT"), QStringLiteral("SFVLT"),
                                          QStringLiteral("KRT='") + SqlEscape(up.mid(6)) + QLatin1Char('\''));
    if (currency.isEmpty())
        return 0;
    // The latest middle rate up to the report date. A subquery rather than a
    // dialect row limit: the row limit is applied before the ordering.
    const QString sameRate =
        QStringLiteral(" and SFVLN='0' and SFVLT='") + SqlEscape(currency) + QLatin1Char('\'');
    const QString where = QStringLiteral("DAN=(select Max(DAN) from VLN where ") +
                          upToDate(reportDateValue()) + sameRate + QLatin1Char(')') + sameRate;
    auto q = OpenQuery(LB, QStringLiteral("VLN"), QStringLiteral("TCJ, STV"), where);
    if (q->NoRows())
        return 0;
    const double tcj = q->fieldByName(QStringLiteral("TCJ"))->asFloat();
    const double stv = q->fieldByName(QStringLiteral("STV"))->asFloat();
    return stv != 0 ? tcj / stv : tcj;
}

QString ReportFormulas::orgKey() const
{
    const QString key = organisation.trimmed();
    if (key.isEmpty())
        return QStringLiteral("0");
    static const QRegularExpression number(QStringLiteral("^-?\\d+$"));
    if (!number.match(key).hasMatch())
        throw EConvertError(QStringLiteral("Neveljavna šifra org. enote: %1").arg(key));
    return key;
}

QString ReportFormulas::GetOrgField(const QString &column)
{
    const QString error =
        QStringLiteral("Napaka pri pridobivanju podatkov Org. enote (") + column + QStringLiteral(").");
    if (!isPlainIdentifier(column))
        throw EDatabaseError(error);
    try {
        Query &q = D->qOrg;
        q.close();
        q.setSqlLines({QStringLiteral("select ") + column + QStringLiteral(" from ORG"),
                       QStringLiteral("where sforg=") + orgKey()});
        q.open();
        if (q.isEmpty())
            return QString();
        return q.fieldByName(column)->asString();
    } catch (const std::exception &) {
        throw EDatabaseError(error);
    }
}

void ReportFormulas::LoadPdb()
{
    qPdb.close();
    qPdb.setSqlLines({QStringLiteral("select * from PDB"), QStringLiteral("where sforg=") + orgKey()});
    qPdb.open();
}

QString ReportFormulas::PdbPiece(const QString &column, int piece)
{
    const Field *field = qPdb.fieldByName(column);
    const QString text = qPdb.isEmpty() ? QString() : field->asString();
    const int start = (piece - 1) * PdbPieceLength;
    if (piece < 1 || text.size() <= start)
        return QStringLiteral("''");
    return FormulaString(text.mid(start, PdbPieceLength));
}
