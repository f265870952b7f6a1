#pragma once

#include "data/Field.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QVector>
#include <memory>
#include <vector>

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Unknown;
    int size = 0;
};

// Rows of one result held in memory, navigated in both directions, with
// fields bound to its columns. Queries and tables derive from it.
class DataSet : public QObject
{
    Q_OBJECT
public:
    explicit DataSet(QObject *parent = nullptr);
    ~DataSet() override;

    bool active() const { return m_active; }
    virtual void close();

    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_current; } // 0-based, -1 when empty
    void first();
    void next();
    void prior();
    void last();

    // A unidirectional data set cannot move backwards.
    bool uniDirectional() const { return m_uniDirectional; }
    void setUniDirectional(bool on) { m_uniDirectional = on; }

    const QList<FieldDef> &fieldDefs() const { return m_fieldDefs; }
    QList<Field *> fields() const;
    int fieldCount() const { return int(m_fields.size()); }
    Field *findField(const QString &name) const;
    Field *fieldByName(const QString &name) const; // throws EDatabaseError

    // Declares a persistent field owned by this data set. ownerReference, when
    // given, is the owner's pointer to the field, kept pointing at the field
    // when the data set replaces it.
    Field *addField(std::unique_ptr<Field> field, Field **ownerReference = nullptr);
    bool hasPersistentFields() const { return m_persistent; }

    // Appending a record (tables).
    bool inserting() const { return m_inserting; }

    QVariant currentValue(int column) const;

protected:
    // Subclasses call this with the columns and rows of a fresh result.
    void setResult(const QList<FieldDef> &defs, QList<QVector<QVariant>> rows);
    // Runs after the field definitions are made and before fields are bound;
    // the form query repairs field types here.
    virtual void fieldDefsCreated() {}
    // Replaces the persistent field at index with a new one, moving the owner's reference.
    void replaceField(int index, std::unique_ptr<Field> field);
    void beginInsert();
    void endInsert();
    QVector<QVariant> &insertBuffer() { return m_insertBuffer; }
    void setCurrentValue(int column, const QVariant &value);

private:
    friend class Field;
    void bindFields();

    QList<FieldDef> m_fieldDefs;
    QList<QVector<QVariant>> m_rows;
    std::vector<std::unique_ptr<Field>> m_fields;
    QHash<Field *, Field **> m_ownerReferences;
    bool m_persistent = false;
    bool m_active = false;
    bool m_uniDirectional = false;
    bool m_eof = true;
    bool m_bof = true;
    int m_current = -1;
    bool m_inserting = false;
    QVector<QVariant> m_insertBuffer;
};
