#pragma once

#include "engine/RpeContainer.h"

// The tables of the current job, their fields, and their log-on.

enum TRpeFieldMapping { fmAuto, fmPrompt, fmEvent };

class TRpeTables;

// The fields of the selected table.
class TRpeTableFields : public TRpeContainer
{
public:
    explicit TRpeTableFields(TRpeTables *tables);
    int Count() override;
    TRpeTableFields &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    QString FieldName() const { return m_fieldName; }
    TRpeFieldValueType FieldType() const { return m_fieldType; }
    int FieldLength() const { return m_fieldLength; }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    TRpeTables *m_tables;
    QString m_fieldName;
    TRpeFieldValueType m_fieldType = fvUnknown;
    int m_fieldLength = 0;
};

class TRpeTablesItem
{
public:
    explicit TRpeTablesItem(TRpeTables *owner) : m_owner(owner) {}
    QString Name() const { return m_name; }
    // Writes Path + Name as the table's location when it differs.
    void setName(const QString &name);
    QString Path() const { return m_path; }
    void setPath(const QString &path);
    QString SubName() const { return m_subName; }
    void setSubName(const QString &subName);
    QString ConnectBuffer() const { return m_connectBuffer; }
    void setConnectBuffer(const QString &buffer);
    QString Password() const { return m_password; }
    void setPassword(const QString &password);
    QString AliasName() const { return m_aliasName; }
    void setAliasName(const QString &alias);
    QString ServerType() const { return m_serverType; }
    QString DLLName() const { return m_dllName; }
    int DBType() const { return m_dbType; }
    TRpeTableFields &Fields() { return m_fields; }

private:
    friend class TRpeTables;
    void clear();
    bool writeLocation(bool force, const char *operation);
    TRpeTables *m_owner;
    QString m_name, m_path, m_subName, m_connectBuffer, m_password, m_aliasName, m_serverType, m_dllName;
    int m_dbType = 0;
    TRpeTableFields m_fields{m_owner};
};

class TRpeTables : public TRpeContainer
{
public:
    explicit TRpeTables(TRpe *owner);
    int Count() override;
    TRpeTablesItem &Item() { return m_item; }
    TRpeTablesItem &operator[](int i);
    // The index of the table with that alias (ignoring case), or -1; the
    // selection is kept.
    int IndexOfAliasName(const QString &alias);
    bool Propagate = false;
    bool VerifyFix = false;
    TRpeFieldMapping FieldMapping();
    void setFieldMapping(TRpeFieldMapping mapping);

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    friend class TRpeTablesItem;
    friend class TRpeTableFields;
    TRpeTablesItem m_item{this};
    TRpeFieldMapping m_fieldMapping = fmAuto;
};

// The log-on of every table at once, for the main report and, with
// Propagate, every subreport.
class TRpeConnect : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    // With a report: sends four empty values; else forgets them.
    void Clear() override;
    QString ServerName() { return value(0); }
    QString UserID() { return value(1); }
    QString Password() { return value(2); }
    QString DatabaseName() { return value(3); }
    void setServerName(const QString &v) { setValue(0, v); }
    void setUserID(const QString &v) { setValue(1, v); }
    void setPassword(const QString &v) { setValue(2, v); }
    void setDatabaseName(const QString &v) { setValue(3, v); }
    bool Propagate() const { return m_propagate; }
    // True sends all four values again.
    void setPropagate(bool propagate);
    // Logs every table on and tests it; false at the first failing table,
    // whose error stays in LastErrorNumber and LastErrorString.
    bool Test();

private:
    QString value(int which);
    void setValue(int which, const QString &v);
    void send(int which);
    void fill(RpeLogOnInfo &info, int which) const;
    QString m_values[4];
    bool m_propagate = false;
};

// The log-on of one table; by default only server tables are counted.
class TRpeLogOnInfo : public TRpeContainer
{
public:
    explicit TRpeLogOnInfo(TRpe *owner);
    int Count() override;
    // Selects the n-th (server) table; beyond the last is error 116.
    void setTable(int n);
    int Table() const { return m_number; }
    TRpeLogOnInfo &operator[](int n)
    {
        setTable(n);
        return *this;
    }
    bool SQLTablesOnly = true;

    QString ServerName() const { return m_values[0]; }
    QString UserID() const { return m_values[1]; }
    QString Password() const { return m_values[2]; }
    QString DatabaseName() const { return m_values[3]; }
    QString DLLName() const { return m_dllName; }
    QString ServerType() const { return m_serverType; }
    void setServerName(const QString &v) { setValue(0, v); }
    void setUserID(const QString &v) { setValue(1, v); }
    void setPassword(const QString &v) { setValue(2, v); }
    void setDatabaseName(const QString &v) { setValue(3, v); }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    // The engine's table number of the n-th counted table, or -1.
    int tableNumber(int n);
    void setValue(int which, const QString &v);
    QString m_values[4];
    QString m_dllName, m_serverType;
    int m_engineTable = -1;
};
