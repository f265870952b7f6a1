#include "data/Field.h"

#include "data/DataSet.h"
#include "data/DateText.h"
#include "shell/Errors.h"
#include "shell/Formats.h"

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Unknown:
        return QStringLiteral("Unknown");
    case FieldType::String:
        return QStringLiteral("String");
    case FieldType::FixedChar:
        return QStringLiteral("FixedChar");
    case FieldType::Memo:
        return QStringLiteral("Memo");
    case FieldType::Integer:
        return QStringLiteral("Integer");
    case FieldType::LargeInt:
        return QStringLiteral("LargeInt");
    case FieldType::Float:
        return QStringLiteral("Float");
    case FieldType::Date:
        return QStringLiteral("Date");
    case FieldType::DateTime:
        return QStringLiteral("DateTime");
    case FieldType::Time:
        return QStringLiteral("Time");
    case FieldType::Boolean:
        return QStringLiteral("Boolean");
    case FieldType::Blob:
        return QStringLiteral("Blob");
    }
    return QString();
}

Field::Field(QString fieldName, FieldType type, int size)
    : m_fieldName(std::move(fieldName)), m_objectName(m_fieldName), m_type(type), m_size(size)
{
    if (isNumeric())
        m_alignment = Qt::AlignRight;
}

bool Field::isNumeric() const
{
    return m_type == FieldType::Integer || m_type == FieldType::LargeInt || m_type == FieldType::Float;
}

void Field::copySettingsFrom(const Field &other)
{
    m_objectName = other.m_objectName;
    m_displayLabel = other.m_displayLabel;
    m_alignment = other.m_alignment;
    m_displayWidth = other.m_displayWidth;
    m_readOnly = other.m_readOnly;
    m_required = other.m_required;
    m_visible = other.m_visible;
    m_displayFormat = other.m_displayFormat;
    m_editFormat = other.m_editFormat;
}

int Field::index() const
{
    if (!m_dataSet)
        return -1;
    return int(m_dataSet->fields().indexOf(const_cast<Field *>(this)));
}

QVariant Field::convert(const QVariant &raw, FieldType type, const QString &fieldName)
{
    if (raw.isNull() || !raw.isValid())
        return QVariant();
    const auto fail = [&] {
        return EConvertError(QStringLiteral("Vrednost '%1' polja %2 ni veljavna (%3).")
                                 .arg(raw.toString(), fieldName, fieldTypeName(type)));
    };
    bool ok = true;
    switch (type) {
    case FieldType::Integer:
    case FieldType::LargeInt: {
        if (raw.metaType().id() == QMetaType::Double)
            return QVariant(qint64(std::llround(raw.toDouble())));
        const QString text = raw.toString().trimmed();
        qint64 v = text.toLongLong(&ok);
        if (!ok) {
            const double d = text.toDouble(&ok);
            v = qint64(std::llround(d));
        }
        if (!ok)
            throw fail();
        return QVariant(v);
    }
    case FieldType::Float: {
        const double v =
            raw.metaType().id() == QMetaType::QString
                ? raw.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok)
                : raw.toDouble(&ok);
        if (!ok)
            throw fail();
        return QVariant(v);
    }
    case FieldType::Date:
    case FieldType::DateTime: {
        QDateTime v;
        if (raw.metaType().id() == QMetaType::QDateTime)
            v = raw.toDateTime();
        else if (raw.metaType().id() == QMetaType::QDate)
            v = QDateTime(raw.toDate(), QTime(0, 0));
        else
            v = DateText::parse(raw.toString());
        if (!v.isValid())
            throw fail();
        return type == FieldType::Date ? QVariant(v.date()) : QVariant(v);
    }
    case FieldType::Time: {
        QTime t = raw.metaType().id() == QMetaType::QTime
                      ? raw.toTime()
                      : QTime::fromString(raw.toString().trimmed(), QStringLiteral("HH:mm:ss"));
        if (!t.isValid())
            throw fail();
        return QVariant(t);
    }
    case FieldType::Boolean: {
        const QString text = raw.toString().trimmed().toUpper();
        return QVariant(text == QLatin1String("1") || text == QLatin1String("TRUE") ||
                        text == QLatin1String("T") || text == QLatin1String("Y") ||
                        text == QLatin1String("D"));
    }
    case FieldType::Blob:
        return QVariant(raw.toByteArray());
    case FieldType::String:
    case FieldType::FixedChar:
    case FieldType::Memo:
    case FieldType::Unknown:
        break;
    }
    if (raw.metaType().id() == QMetaType::Double)
        return QVariant(Formats::floatToText(raw.toDouble()).replace(QLatin1Char(','), QLatin1Char('.')));
    return QVariant(raw.toString());
}

QVariant Field::value() const
{
    if (!m_dataSet || m_column < 0)
        return QVariant();
    return convert(m_dataSet->currentValue(m_column), m_type, m_fieldName);
}

bool Field::isNull() const
{
    if (!m_dataSet || m_column < 0)
        return true;
    const QVariant raw = m_dataSet->currentValue(m_column);
    return raw.isNull() || !raw.isValid();
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return QString();
    switch (m_type) {
    case FieldType::Float:
        return Formats::floatToText(v.toDouble());
    case FieldType::Date:
        return Formats::shortDate(v.toDate());
    case FieldType::DateTime:
        return Formats::dateTimeToText(v.toDateTime());
    case FieldType::Time:
        return v.toTime().toString(QStringLiteral("H:mm:ss"));
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

qint64 Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (m_type == FieldType::Float)
        return qint64(std::llround(v.toDouble()));
    return convert(v, FieldType::LargeInt, m_fieldName).toLongLong();
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    return convert(v, FieldType::Float, m_fieldName).toDouble();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.isNull())
        return QDateTime();
    return convert(v, FieldType::DateTime, m_fieldName).toDateTime();
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    return !v.isNull() && convert(v, FieldType::Boolean, m_fieldName).toBool();
}

QString Field::displayText() const
{
    const QVariant v = value();
    if (v.isNull())
        return QString();
    if (!m_displayFormat.isEmpty()) {
        if (isNumeric())
            return Formats::formatFloat(m_displayFormat, v.toDouble());
        if (m_type == FieldType::Date || m_type == FieldType::DateTime)
            return Formats::formatDateTime(m_displayFormat, asDateTime());
    }
    return asString();
}

void Field::setValue(const QVariant &value)
{
    if (!m_dataSet || !m_dataSet->inserting())
        throw EDatabaseError(
            QStringLiteral("Polja %1 ni mogoče spreminjati: zapis ni v urejanju.").arg(m_fieldName));
    m_dataSet->setCurrentValue(m_column, value);
}
