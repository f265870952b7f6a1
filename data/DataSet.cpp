#include "data/DataSet.h"

#include "shell/Errors.h"

DataSet::DataSet(QObject *parent) : QObject(parent) {}

DataSet::~DataSet() = default;

QList<Field *> DataSet::fields() const
{
    QList<Field *> list;
    list.reserve(qsizetype(m_fields.size()));
    for (const auto &f : m_fields)
        list.append(f.get());
    return list;
}

Field *DataSet::findField(const QString &name) const
{
    for (const auto &f : m_fields)
        if (f->fieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field *DataSet::fieldByName(const QString &name) const
{
    if (Field *f = findField(name))
        return f;
    throw EDatabaseError(QStringLiteral("Polje %1 ne obstaja.").arg(name));
}

Field *DataSet::addField(std::unique_ptr<Field> field, Field **ownerReference)
{
    if (m_active)
        throw EDatabaseError(QStringLiteral("Polja ni mogoče dodati odprti poizvedbi."));
    m_persistent = true;
    Field *raw = field.get();
    raw->m_dataSet = this;
    m_fields.push_back(std::move(field));
    if (ownerReference) {
        *ownerReference = raw;
        m_ownerReferences.insert(raw, ownerReference);
    }
    return raw;
}

void DataSet::replaceField(int index, std::unique_ptr<Field> field)
{
    Field *old = m_fields.at(size_t(index)).get();
    Field *raw = field.get();
    raw->m_dataSet = this;
    if (Field **reference = m_ownerReferences.take(old)) {
        *reference = raw;
        m_ownerReferences.insert(raw, reference);
    }
    m_fields[size_t(index)] = std::move(field);
}

void DataSet::close()
{
    m_active = false;
    m_inserting = false;
    m_rows.clear();
    m_fieldDefs.clear();
    m_current = -1;
    m_eof = m_bof = true;
    if (!m_persistent)
        m_fields.clear();
    else
        for (const auto &f : m_fields)
            f->m_column = -1;
}

void DataSet::setResult(const QList<FieldDef> &defs, QList<QVector<QVariant>> rows)
{
    m_fieldDefs = defs;
    m_rows = std::move(rows);
    fieldDefsCreated();
    bindFields();
    m_active = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void DataSet::bindFields()
{
    if (!m_persistent) {
        m_fields.clear();
        for (int i = 0; i < m_fieldDefs.size(); ++i) {
            const FieldDef &d = m_fieldDefs.at(i);
            auto f = std::make_unique<Field>(d.name, d.type, d.size);
            f->m_dataSet = this;
            f->m_column = i;
            m_fields.push_back(std::move(f));
        }
        return;
    }
    const auto compatible = [](FieldType a, FieldType b) {
        const auto text = [](FieldType t) {
            return t == FieldType::String || t == FieldType::FixedChar || t == FieldType::Memo;
        };
        return a == b || (text(a) && text(b));
    };
    for (const auto &f : m_fields) {
        f->m_column = -1;
        for (int i = 0; i < m_fieldDefs.size(); ++i) {
            if (m_fieldDefs.at(i).name.compare(f->fieldName(), Qt::CaseInsensitive) != 0)
                continue;
            if (!compatible(f->dataType(), m_fieldDefs.at(i).type)) {
                m_rows.clear();
                throw EDatabaseError(QStringLiteral("Neujemanje tipa polja %1: pričakovan %2, dejanski %3.")
                                         .arg(f->fieldName(), fieldTypeName(f->dataType()),
                                              fieldTypeName(m_fieldDefs.at(i).type)));
            }
            f->m_column = i;
            break;
        }
        if (f->m_column < 0) {
            m_rows.clear();
            throw EDatabaseError(QStringLiteral("Polja %1 ni v rezultatu poizvedbe.").arg(f->fieldName()));
        }
    }
}

QVariant DataSet::currentValue(int column) const
{
    if (m_inserting)
        return m_insertBuffer.value(column);
    if (m_current < 0 || m_current >= m_rows.size() || column < 0)
        return QVariant();
    return m_rows.at(m_current).value(column);
}

void DataSet::setCurrentValue(int column, const QVariant &value)
{
    if (column >= 0 && column < m_insertBuffer.size())
        m_insertBuffer[column] = value;
}

void DataSet::first()
{
    if (m_uniDirectional && m_current > 0)
        throw EDatabaseError(QStringLiteral("Enosmerne poizvedbe ni mogoče premikati nazaj."));
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void DataSet::next()
{
    m_bof = false;
    if (m_current + 1 < m_rows.size())
        ++m_current;
    else
        m_eof = true;
}

void DataSet::prior()
{
    if (m_uniDirectional)
        throw EDatabaseError(QStringLiteral("Enosmerne poizvedbe ni mogoče premikati nazaj."));
    m_eof = false;
    if (m_current > 0)
        --m_current;
    else
        m_bof = true;
}

void DataSet::last()
{
    m_current = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
}

void DataSet::beginInsert()
{
    m_inserting = true;
    m_insertBuffer = QVector<QVariant>(m_fieldDefs.size());
}

void DataSet::endInsert()
{
    m_inserting = false;
    m_insertBuffer.clear();
}
