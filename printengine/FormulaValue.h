#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// One value of the report formula language. Null follows the database's
// three-valued logic, so a comparison with a missing field is neither true
// nor false and a record selection drops the record, as the SQL WHERE clause
// the same condition becomes would.
class FormulaValue
{
public:
    enum Type { Null, Number, String, Boolean, Date, DateTime, Array, Range };

    FormulaValue() = default;
    static FormulaValue number(double v);
    static FormulaValue string(const QString &v);
    static FormulaValue boolean(bool v);
    static FormulaValue date(const QDate &v);
    static FormulaValue dateTime(const QDateTime &v);
    static FormulaValue array(const QList<FormulaValue> &items);
    // A range "from to to"; an unset bound is a Null value.
    static FormulaValue range(const FormulaValue &from, const FormulaValue &to, bool includeFrom = true,
                              bool includeTo = true);
    // Database values: numbers, text, dates stored as ISO text become dates.
    static FormulaValue fromVariant(const QVariant &v);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Null; }
    double toNumber() const { return m_number; }
    const QString &toStringValue() const { return m_string; }
    bool toBool() const { return m_bool; }
    QDate toDate() const { return m_dateTime.date(); }
    const QDateTime &toDateTime() const { return m_dateTime; }
    const QList<FormulaValue> &items() const { return m_items; }
    bool includeFrom() const { return m_includeFrom; }
    bool includeTo() const { return m_includeTo; }

    static QString typeName(Type t);
    QString typeName() const { return typeName(m_type); }
    // Default display text (decimal comma, d.M.yyyy), as a field shows it
    // without a format of its own.
    QString toDisplayText() const;
    // Engine text form: dates "yyyy,mm,dd", booleans True/False.
    QString toEngineText() const;
    QVariant toVariant() const;

    // -1, 0, 1; ok is false when the two cannot be compared.
    static int compare(const FormulaValue &a, const FormulaValue &b, bool *ok);
    bool operator==(const FormulaValue &o) const;

private:
    Type m_type = Null;
    double m_number = 0;
    bool m_bool = false;
    bool m_includeFrom = true;
    bool m_includeTo = true;
    QString m_string;
    QDateTime m_dateTime;
    QList<FormulaValue> m_items;
};
