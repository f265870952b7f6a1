#include "engine/RpeTables.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeFamilies.h"
#include "engine/RpeUtl.h"

#include <algorithm>
#include <cstring>

namespace dyn = RpeDynamic;
using RpeText::fixed;
using RpeText::put;
using RpeText::take;

namespace {

// The folder part of a table location, with its separator.
QString folderOf(const QString &location)
{
    const qsizetype slash =
        std::max(location.lastIndexOf(QLatin1Char('/')), location.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : location.left(slash + 1);
}

QString fileOf(const QString &location)
{
    return location.mid(folderOf(location).size());
}

bool serverTable(int dbType)
{
    return dbType == 2 || dbType == 3;
}

bool tableType(TRpe *rpe, int16_t job, int table, RpeTableType &type)
{
    type = RpeTableType{};
    type.StructSize = sizeof type;
    rpe->UseHandle();
    return dyn::RpeGetNthTableType(job, int16_t(table), &type) != 0;
}

} // namespace

// ---- Tables ----

TRpeTables::TRpeTables(TRpe *owner) : TRpeContainer(owner, QStringLiteral("Tables")) {}

int TRpeTables::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNTables(Rpe->JobNumber()), "RpeGetNTables");
}

TRpeTablesItem &TRpeTables::operator[](int i)
{
    setNumber(i);
    return m_item;
}

bool TRpeTables::readItem(int i)
{
    const int16_t job = Rpe->JobNumber();
    RpeTableLocation location{};
    location.StructSize = sizeof location;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthTableLocation(job, int16_t(i), &location)) {
        Rpe->EngineError(indexContext("RpeGetNthTableLocation"));
        return false;
    }
    RpeLogOnInfo logOn{};
    logOn.StructSize = sizeof logOn;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthTableLogOnInfo(job, int16_t(i), &logOn)) {
        Rpe->EngineError(indexContext("RpeGetNthTableLogOnInfo"));
        return false;
    }
    RpeTableType type;
    if (!tableType(Rpe, job, i, type)) {
        Rpe->EngineError(indexContext("RpeGetNthTableType"));
        return false;
    }
    TRpeTablesItem &it = m_item;
    it.clear();
    const QString full = fixed(location.Location);
    it.m_name = fileOf(full);
    it.m_path = folderOf(full);
    if (dyn::RpeMajor >= 7) {
        it.m_subName = fixed(location.SubLocation);
        it.m_connectBuffer = fixed(location.ConnectBuffer);
    }
    it.m_password = fixed(logOn.Password);
    it.m_dllName = fixed(type.DLLName);
    it.m_serverType = fixed(type.DescriptiveName);
    it.m_dbType = type.DBType;
    if (dyn::RpeMajor >= 6) {
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthTableAliasName(job, int16_t(i), &handle, &length)) {
            Rpe->EngineError(indexContext("RpeGetNthTableAliasName"));
            return false;
        }
        it.m_aliasName = take(handle);
    }
    m_number = i;
    // A field selection beyond the new table's fields is dropped.
    if (it.m_fields.Number() >= it.m_fields.Count())
        it.m_fields.TRpeContainer::Clear();
    return true;
}

void TRpeTables::clearItem()
{
    m_item.clear();
}

int TRpeTables::IndexOfAliasName(const QString &alias)
{
    const int previous = m_number;
    int found = -1;
    const int n = Count();
    for (int i = 0; i < n && found < 0; ++i) {
        setNumber(i);
        if (m_number == i && m_item.AliasName().compare(alias.trimmed(), Qt::CaseInsensitive) == 0)
            found = i;
    }
    setNumber(previous);
    return found;
}

TRpeFieldMapping TRpeTables::FieldMapping()
{
    if (Rpe->JobIsOpen()) {
        int16_t mapping = 0;
        Rpe->UseHandle();
        if (dyn::RpeGetFieldMappingType(Rpe->JobNumber(), &mapping) && mapping >= fmAuto &&
            mapping <= fmEvent)
            m_fieldMapping = TRpeFieldMapping(mapping);
    }
    return m_fieldMapping;
}

void TRpeTables::setFieldMapping(TRpeFieldMapping mapping)
{
    m_fieldMapping = mapping;
    if (!Rpe->JobReady(0))
        return;
    Rpe->UseHandle();
    if (!dyn::RpeSetFieldMappingType(Rpe->JobNumber(), int16_t(mapping)))
        Rpe->EngineError(QStringLiteral("Tables.SetFieldMapping <RpeSetFieldMappingType>"));
}

// ---- Table item ----

void TRpeTablesItem::clear()
{
    m_name.clear();
    m_path.clear();
    m_subName.clear();
    m_connectBuffer.clear();
    m_password.clear();
    m_aliasName.clear();
    m_serverType.clear();
    m_dllName.clear();
    m_dbType = 0;
}

bool TRpeTablesItem::writeLocation(bool force, const char *operation)
{
    TRpe *rpe = m_owner->Rpe;
    const int i = m_owner->Number();
    QString path = m_path.trimmed();
    if (path.size() >= 4 && !path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    const QString location = (path + m_name.trimmed()).left(256);
    RpeTableLocation current{};
    current.StructSize = sizeof current;
    rpe->UseHandle();
    if (!dyn::RpeGetNthTableLocation(rpe->JobNumber(), int16_t(i), &current)) {
        rpe->EngineError(
            QStringLiteral("Tables[%1].%2 <RpeGetNthTableLocation>").arg(i).arg(QLatin1String(operation)));
        return false;
    }
    const bool sameLocation = fixed(current.Location).compare(location, Qt::CaseInsensitive) == 0;
    const bool sameRest = dyn::RpeMajor < 7 || (fixed(current.SubLocation) == m_subName &&
                                                fixed(current.ConnectBuffer) == m_connectBuffer);
    if (sameLocation && sameRest && !force)
        return true;
    put(current.Location, location);
    if (dyn::RpeMajor >= 7) {
        put(current.SubLocation, m_subName);
        put(current.ConnectBuffer, m_connectBuffer);
    }
    rpe->UseHandle();
    if (!dyn::RpeSetNthTableLocation(rpe->JobNumber(), int16_t(i), &current)) {
        rpe->EngineError(
            QStringLiteral("Tables[%1].%2 <RpeSetNthTableLocation>").arg(i).arg(QLatin1String(operation)));
        return false;
    }
    return true;
}

void TRpeTablesItem::setName(const QString &name)
{
    m_name = name.left(256);
    TRpe *rpe = m_owner->Rpe;
    const int i = m_owner->Number();
    if (i < 0 || !rpe->JobReady(i))
        return;
    bool pathChanged = false;
    if (m_owner->Propagate && (rpe->Subreports()->Number() > 0 || i > 0)) {
        // Every table follows the folder of the main report's first table.
        RpeTableLocation first{};
        first.StructSize = sizeof first;
        rpe->UseHandle();
        if (!dyn::RpeGetNthTableLocation(rpe->PrintJobs(0), 0, &first)) {
            rpe->EngineError(QStringLiteral("Tables[%1].SetName <RpeGetNthTableLocation>").arg(i));
            return;
        }
        const QString folder = folderOf(fixed(first.Location));
        pathChanged = folder != m_path;
        m_path = folder;
    }
    writeLocation(pathChanged, "SetName");
}

void TRpeTablesItem::setPath(const QString &path)
{
    m_path = path.left(256);
    if (m_owner->Number() >= 0 && m_owner->Rpe->JobReady(m_owner->Number()))
        writeLocation(false, "SetPath");
}

void TRpeTablesItem::setSubName(const QString &subName)
{
    m_subName = subName.left(256);
    if (dyn::RpeMajor >= 7 && m_owner->Number() >= 0 && m_owner->Rpe->JobReady(m_owner->Number()))
        writeLocation(false, "SetSubName");
}

void TRpeTablesItem::setConnectBuffer(const QString &buffer)
{
    m_connectBuffer = buffer.left(512);
    if (dyn::RpeMajor >= 7 && m_owner->Number() >= 0 && m_owner->Rpe->JobReady(m_owner->Number()))
        writeLocation(false, "SetConnectBuffer");
}

void TRpeTablesItem::setPassword(const QString &password)
{
    m_password = password.left(128);
    TRpe *rpe = m_owner->Rpe;
    const int i = m_owner->Number();
    if (i < 0 || !rpe->JobReady(i))
        return;
    RpeLogOnInfo logOn{};
    logOn.StructSize = sizeof logOn;
    rpe->UseHandle();
    if (!dyn::RpeGetNthTableLogOnInfo(rpe->JobNumber(), int16_t(i), &logOn)) {
        rpe->EngineError(QStringLiteral("Tables[%1].SetPassword <RpeGetNthTableLogOnInfo>").arg(i));
        return;
    }
    if (fixed(logOn.Password) == m_password)
        return;
    put(logOn.Password, m_password);
    rpe->UseHandle();
    if (!dyn::RpeSetNthTableLogOnInfo(rpe->JobNumber(), int16_t(i), &logOn, 0))
        rpe->EngineError(QStringLiteral("Tables[%1].SetPassword <RpeSetNthTableLogOnInfo>").arg(i));
}

void TRpeTablesItem::setAliasName(const QString &alias)
{
    m_aliasName = alias;
    TRpe *rpe = m_owner->Rpe;
    const int i = m_owner->Number();
    if (dyn::RpeMajor < 6 || i < 0 || !rpe->JobReady(i))
        return;
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    rpe->UseHandle();
    if (!dyn::RpeGetNthTableAliasName(rpe->JobNumber(), int16_t(i), &handle, &length)) {
        rpe->EngineError(QStringLiteral("Tables[%1].SetAliasName <RpeGetNthTableAliasName>").arg(i));
        return;
    }
    if (take(handle) == alias)
        return;
    const QByteArray bytes = alias.toUtf8();
    rpe->UseHandle();
    if (!dyn::RpeSetNthTableAliasName(rpe->JobNumber(), int16_t(i), bytes.constData()))
        rpe->EngineError(QStringLiteral("Tables[%1].SetAliasName <RpeSetNthTableAliasName>").arg(i));
}

// ---- Table fields ----

TRpeTableFields::TRpeTableFields(TRpeTables *tables)
    : TRpeContainer(tables->Rpe, QStringLiteral("TableFields")), m_tables(tables)
{
}

int TRpeTableFields::Count()
{
    const int table = m_tables->Number();
    if (table < 0 || !Rpe->JobReady(table))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNDatabaseFields(Rpe->JobNumber(), int16_t(table)), "RpeGetNDatabaseFields");
}

bool TRpeTableFields::readItem(int i)
{
    const int table = m_tables->Number();
    if (table < 0) {
        Rpe->ComponentError(116, QStringLiteral("Tables.TableFields.SetIndex(%1)").arg(i));
        return false;
    }
    RpeDatabaseFieldInfo info{};
    info.StructSize = sizeof info;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthDatabaseFieldInfo(Rpe->JobNumber(), int16_t(table), int16_t(i), &info)) {
        Rpe->EngineError(
            QStringLiteral("Tables[%1].TableFields.SetIndex <RpeGetNthDatabaseFieldInfo>").arg(table));
        return false;
    }
    m_fieldName = fixed(info.FieldName);
    m_fieldType = RpeUtl::FieldValueTypeOf(info.ValueType);
    m_fieldLength = info.NBytes;
    return true;
}

void TRpeTableFields::clearItem()
{
    m_fieldName.clear();
    m_fieldType = fvUnknown;
    m_fieldLength = 0;
}

// ---- Connect ----

void TRpeConnect::fill(RpeLogOnInfo &info, int which) const
{
    switch (which) {
    case 0:
        put(info.ServerName, m_values[0]);
        break;
    case 1:
        put(info.UserID, m_values[1]);
        break;
    case 2:
        put(info.Password, m_values[2]);
        break;
    case 3:
        put(info.DatabaseName, m_values[3]);
        break;
    }
}

QString TRpeConnect::value(int which)
{
    if (!Rpe->JobIsOpen())
        return m_values[which];
    const int16_t job = Rpe->JobNumber();
    Rpe->UseHandle();
    const int16_t n = dyn::RpeGetNTables(job);
    for (int16_t t = 0; t < n; ++t) {
        RpeTableType type;
        if (!tableType(Rpe, job, t, type) || !serverTable(type.DBType))
            continue;
        RpeLogOnInfo logOn{};
        logOn.StructSize = sizeof logOn;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthTableLogOnInfo(job, t, &logOn)) {
            Rpe->EngineError(QStringLiteral("Connect.Get <RpeGetNthTableLogOnInfo>"));
            break;
        }
        const QString values[4] = {fixed(logOn.ServerName), fixed(logOn.UserID), fixed(logOn.Password),
                                   fixed(logOn.DatabaseName)};
        m_values[which] = values[which];
        break;
    }
    return m_values[which];
}

void TRpeConnect::setValue(int which, const QString &v)
{
    m_values[which] = v.left(128);
    send(which);
}

void TRpeConnect::send(int which)
{
    if (!Rpe->JobReady(0))
        return;
    Rpe->UseHandle();
    if (dyn::RpeGetNTables(Rpe->JobNumber()) <= 0)
        return;
    auto writeJob = [&](bool onlyWhenDifferent) {
        const int16_t job = Rpe->JobNumber();
        RpeLogOnInfo logOn{};
        logOn.StructSize = sizeof logOn;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthTableLogOnInfo(job, 0, &logOn)) {
            Rpe->EngineError(QStringLiteral("Connect.Set <RpeGetNthTableLogOnInfo>"));
            return false;
        }
        const RpeLogOnInfo before = logOn;
        fill(logOn, which);
        if (onlyWhenDifferent && std::memcmp(&before, &logOn, sizeof logOn) == 0)
            return true;
        Rpe->UseHandle();
        if (!dyn::RpeSetNthTableLogOnInfo(job, 0, &logOn, 1)) {
            Rpe->EngineError(QStringLiteral("Connect.Set <RpeSetNthTableLogOnInfo>"));
            return false;
        }
        return true;
    };
    if (!m_propagate) {
        writeJob(true);
        return;
    }
    TRpeSubreports *subreports = Rpe->Subreports();
    const int previous = subreports->Number();
    const int jobs = subreports->Count();
    for (int j = 0; j < jobs; ++j) {
        subreports->select(j);
        if (!writeJob(false))
            break;
    }
    subreports->select(previous);
}

void TRpeConnect::setPropagate(bool propagate)
{
    m_propagate = propagate;
    if (!propagate)
        return;
    for (int which = 0; which < 4; ++which)
        send(which);
}

void TRpeConnect::Clear()
{
    if (!RpeUtl::IsBlank(Rpe->ReportName()) && Rpe->JobIsOpen()) {
        for (int which = 0; which < 4; ++which)
            setValue(which, QString());
        return;
    }
    for (QString &v : m_values)
        v.clear();
    m_propagate = false;
}

bool TRpeConnect::Test()
{
    if (!Rpe->OpenPrintJob())
        return false;
    RpeLogOnInfo logOn{};
    logOn.StructSize = sizeof logOn;
    for (int which = 0; which < 4; ++which)
        fill(logOn, which);
    QString failedContext;
    auto testJob = [&](RpeBool allTables) {
        const int16_t job = Rpe->JobNumber();
        Rpe->UseHandle();
        const int16_t n = dyn::RpeGetNTables(job);
        for (int16_t t = 0; t < n; ++t) {
            RpeLogOnInfo copy = logOn;
            Rpe->UseHandle();
            if (!dyn::RpeSetNthTableLogOnInfo(job, t, &copy, allTables)) {
                failedContext = QStringLiteral("Connect.Test <RpeSetNthTableLogOnInfo>");
                return false;
            }
            Rpe->UseHandle();
            if (!dyn::RpeTestNthTableConnectivity(job, t)) {
                failedContext = QStringLiteral("Connect.Test <RpeTestNthTableConnectivity>");
                return false;
            }
        }
        return true;
    };
    TRpeSubreports *subreports = Rpe->Subreports();
    const int previous = subreports->Number();
    bool ok = true;
    if (!m_propagate) {
        ok = testJob(1);
    } else {
        const int jobs = subreports->Count();
        for (int j = 0; j < jobs && ok; ++j) {
            subreports->select(j);
            ok = testJob(0);
        }
    }
    // The failing job's error is read before the selection moves back; the
    // routine's choice does not change the answer.
    if (!ok)
        Rpe->HandleError(TRpeFailure{false, 0, {}, Rpe->JobNumber(), {}, failedContext});
    if (m_propagate)
        subreports->select(previous);
    return ok;
}

// ---- LogOnInfo ----

TRpeLogOnInfo::TRpeLogOnInfo(TRpe *owner) : TRpeContainer(owner, QStringLiteral("LogOnInfo")) {}

int TRpeLogOnInfo::tableNumber(int n)
{
    const int16_t job = Rpe->JobNumber();
    Rpe->UseHandle();
    const int16_t tables = dyn::RpeGetNTables(job);
    int counted = 0;
    for (int16_t t = 0; t < tables; ++t) {
        if (SQLTablesOnly) {
            RpeTableType type;
            if (!tableType(Rpe, job, t, type) || !serverTable(type.DBType))
                continue;
        }
        if (counted++ == n)
            return t;
    }
    return -1;
}

int TRpeLogOnInfo::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    int n = 0;
    while (tableNumber(n) >= 0)
        ++n;
    return n;
}

void TRpeLogOnInfo::setTable(int n)
{
    setNumber(n);
}

bool TRpeLogOnInfo::readItem(int i)
{
    const int table = tableNumber(i);
    if (table < 0) {
        Rpe->ComponentError(116, QStringLiteral("LogOnInfo[%1]").arg(i));
        return false;
    }
    const int16_t job = Rpe->JobNumber();
    RpeLogOnInfo logOn{};
    logOn.StructSize = sizeof logOn;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthTableLogOnInfo(job, int16_t(table), &logOn)) {
        Rpe->EngineError(indexContext("RpeGetNthTableLogOnInfo"));
        return false;
    }
    RpeTableType type;
    if (!tableType(Rpe, job, table, type)) {
        Rpe->EngineError(indexContext("RpeGetNthTableType"));
        return false;
    }
    m_values[0] = fixed(logOn.ServerName);
    m_values[1] = fixed(logOn.UserID);
    m_values[2] = fixed(logOn.Password);
    m_values[3] = fixed(logOn.DatabaseName);
    m_dllName = fixed(type.DLLName);
    m_serverType = fixed(type.DescriptiveName);
    m_engineTable = table;
    return true;
}

void TRpeLogOnInfo::clearItem()
{
    for (QString &v : m_values)
        v.clear();
    m_dllName.clear();
    m_serverType.clear();
    m_engineTable = -1;
}

void TRpeLogOnInfo::setValue(int which, const QString &v)
{
    m_values[which] = v.left(128);
    if (m_number < 0 || m_engineTable < 0 || !Rpe->JobReady(0))
        return;
    RpeLogOnInfo logOn{};
    logOn.StructSize = sizeof logOn;
    put(logOn.ServerName, m_values[0]);
    put(logOn.UserID, m_values[1]);
    put(logOn.Password, m_values[2]);
    put(logOn.DatabaseName, m_values[3]);
    Rpe->UseHandle();
    if (!dyn::RpeSetNthTableLogOnInfo(Rpe->JobNumber(), int16_t(m_engineTable), &logOn, 0))
        Rpe->EngineError(itemContext(QStringLiteral("Set"), "RpeSetNthTableLogOnInfo"));
}
