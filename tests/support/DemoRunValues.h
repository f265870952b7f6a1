#pragma once

#include "run/SqlScriptParameter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// What a user or the unattended run gives the demo installation's scripts:
// one table for every test that runs them, so that a new demo script needs
// its values in one place.
namespace DemoRunValues {

inline const QString computer = QStringLiteral("PISARNA-01");

// Values of the visible and hidden parameters, by placeholder name; the
// computer name is always given. A parameter without a value stays empty, as
// a cleared input, so optional lines using it disappear.
const QHash<QString, QStringList> &reportValues();

// Contract, from and to date of the unattended runs, by report kind.
const QHash<int, QStringList> &batchValues();

// The parameters the unattended run adds for one contract.
QList<SqlScriptParameter> batchParameters(const QStringList &values);

// The report's parameter rows as the run window hands them to the script,
// with the values of reportValues() for its script.
QList<SqlScriptParameter> reportParameters(Database &db, int report, const QStringList &values);

} // namespace DemoRunValues
