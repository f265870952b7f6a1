#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class DataSet;

enum class FieldType {
    Unknown,
    String,
    FixedChar,
    Memo,
    Integer,
    LargeInt,
    Float,
    Date,
    DateTime,
    Time,
    Boolean,
    Blob
};

QString fieldTypeName(FieldType type);

// One column of a data set: its value in the current record, converted to the
// field's type, and the display settings that grids and the field dictionary
// use. A window may declare fields before opening (persistent fields); the
// data set then binds them to the result's columns by name.
class Field
{
public:
    Field(QString fieldName, FieldType type, int size = 0);
    Field(const Field &) = delete;
    Field &operator=(const Field &) = delete;

    const QString &fieldName() const { return m_fieldName; }
    void setFieldName(const QString &name) { m_fieldName = name; }
    // The name the owning window knows the field by.
    const QString &objectName() const { return m_objectName; }
    void setObjectName(const QString &name) { m_objectName = name; }
    FieldType dataType() const { return m_type; }
    int size() const { return m_size; }

    QString displayLabel() const { return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel; }
    void setDisplayLabel(const QString &label) { m_displayLabel = label; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment a) { m_alignment = a; }
    int displayWidth() const { return m_displayWidth; }
    void setDisplayWidth(int w) { m_displayWidth = w; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool v) { m_readOnly = v; }
    bool required() const { return m_required; }
    void setRequired(bool v) { m_required = v; }
    bool visible() const { return m_visible; }
    void setVisible(bool v) { m_visible = v; }
    // Number formats as "#,##0.00"; date formats as "dd.mm.yyyy hh:nn:ss".
    const QString &displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &f) { m_displayFormat = f; }
    const QString &editFormat() const { return m_editFormat; }
    void setEditFormat(const QString &f) { m_editFormat = f; }
    bool isNumeric() const;

    // Copies every setting a window gives a field, not its name or type.
    void copySettingsFrom(const Field &other);

    DataSet *dataSet() const { return m_dataSet; }
    int index() const; // position in the data set's field list, -1 when unowned

    QVariant value() const; // typed: QString, qint64, double, QDate, QDateTime, QTime, bool, QByteArray
    bool isNull() const;
    QString asString() const;
    qint64 asInteger() const;
    double asFloat() const;
    QDateTime asDateTime() const;
    bool asBoolean() const;
    QString displayText() const;
    // Only while the data set is appending a record.
    void setValue(const QVariant &value);
    void clear() { setValue(QVariant()); }

    // Converts a stored value to this field type; invalid input throws EConvertError.
    static QVariant convert(const QVariant &raw, FieldType type, const QString &fieldName);

private:
    friend class DataSet;
    QString m_fieldName;
    QString m_objectName;
    FieldType m_type;
    int m_size;
    QString m_displayLabel;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    int m_displayWidth = 0;
    bool m_readOnly = false;
    bool m_required = false;
    bool m_visible = true;
    QString m_displayFormat;
    QString m_editFormat;
    DataSet *m_dataSet = nullptr;
    int m_column = -1; // column of the result the field reads
};
