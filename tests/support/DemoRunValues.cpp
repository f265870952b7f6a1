#include "DemoRunValues.h"

#include "data/Database.h"

#include <QSqlQuery>

namespace DemoRunValues {

const QHash<QString, QStringList> &reportValues()
{
    static const QHash<QString, QStringList> values{
        {QStringLiteral("pogodbe_seznam_prip.sql"), {"DAN=01.11.2026"}},
        {QStringLiteral("pogodba_kartica_prip.sql"), {"IDPOG=1011", "DANOD=01.11.2026", "DANDO=10.12.2026"}},
        {QStringLiteral("partnerji_seznam_prip.sql"), {"UPORABNIK=ADMIN"}},
        {QStringLiteral("konti_stanje_prip.sql"), {"LETO=2026", "MESEC=11", "IDOBD=251", "OBD=250"}},
        {QStringLiteral("provizije_prip.sql"), {"DANOD=01.11.2026", "DANDO=10.12.2026", "KONTO=760000"}},
        {QStringLiteral("odprte_postavke_prip.sql"), {}},
        {QStringLiteral("sklici_dpk_prip.sql"), {"DAN=01.12.2026"}},
        {QStringLiteral("promet_vp_prip.sql"), {}},
        {QStringLiteral("stanje_portfelja_prip.sql"), {"IDPOG=1001", "DAN=30.11.2026"}},
        {QStringLiteral("bruto_bilanca_prip.sql"), {"DAN=30.11.2026"}},
        {QStringLiteral("partnerji.sql"), {"MST=Ljubljana"}},
    };
    return values;
}

const QHash<int, QStringList> &batchValues()
{
    static const QHash<int, QStringList> values{
        {1, {"1013", "01.11.2026", "30.11.2026"}},
        {2, {"1013", "01.11.2026", "30.11.2026"}},
        {3, {"1013", "01.01.2026", "31.12.2026"}},
        {4, {"1017", "01.12.2026", "31.12.2026"}},
    };
    return values;
}

QList<SqlScriptParameter> batchParameters(const QStringList &values)
{
    QList<SqlScriptParameter> parameters;
    for (const char *name : {"IDPOG", "POGODBA", "STRANKA"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("N"), values.at(0), {}};
    for (const char *name : {"DANOD", "DAN", "DATUM", "DATUMOD", "DAN OD", "DAN_OD", "DATUM OD"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("D"), values.at(1), {}};
    for (const char *name : {"DANDO", "DATUMDO", "DATUM DO", "DAN DO", "DAN_DO"})
        parameters << SqlScriptParameter{
            QStringLiteral("{?%1}").arg(QLatin1String(name)), QStringLiteral("D"), values.at(2), {}};
    parameters << SqlScriptParameter{QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}};
    return parameters;
}

QList<SqlScriptParameter> reportParameters(Database &db, int report, const QStringList &values)
{
    QHash<QString, QString> byName;
    for (const QString &entry : values)
        byName.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    byName.insert(QStringLiteral("COMPUTER"), computer);

    QList<SqlScriptParameter> parameters;
    bool hasComputer = false;
    QSqlQuery q = db.execute(
        QStringLiteral(
            "SELECT POLJE, TIP_PODATKA FROM POROCILA_PAR WHERE ID_POROCILA = :R ORDER BY SORTIRANJE"),
        {{QStringLiteral("R"), report}});
    while (q.next()) {
        const QString field = q.value(0).toString().trimmed();
        QString name;
        if (field.startsWith(QLatin1String("{?")) && field.endsWith(QLatin1Char('}')))
            name = field.mid(2, field.size() - 3).toUpper();
        hasComputer = hasComputer || name == QLatin1String("COMPUTER");
        parameters << SqlScriptParameter{field, q.value(1).toString(), byName.value(name), {}};
    }
    // A report without a computer parameter would fail every statement of its
    // script with "Parameter {?COMPUTER} ne obstaja.".
    if (!hasComputer)
        parameters << SqlScriptParameter{QStringLiteral("{?COMPUTER}"), QStringLiteral("S"), computer, {}};
    return parameters;
}

} // namespace DemoRunValues
