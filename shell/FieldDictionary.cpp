#include "shell/FieldDictionary.h"

#include "data/DataSet.h"
#include "shell/Errors.h"

#include <QFile>

namespace {

using Type = FieldDictionaryEntry::Type;

Type typeOf(const QString &name, int line)
{
    static const QHash<QString, Type> types{
        {QStringLiteral("text"), Type::Text},         {QStringLiteral("integer"), Type::Integer},
        {QStringLiteral("smallint"), Type::SmallInt}, {QStringLiteral("float"), Type::Float},
        {QStringLiteral("date"), Type::Date},         {QStringLiteral("datetime"), Type::DateTime},
        {QStringLiteral("memo"), Type::Memo},
    };
    const auto it = types.constFind(name);
    if (it == types.constEnd())
        throw EConvertError(QStringLiteral("Slovar polj, vrstica %1: neznan tip '%2'.").arg(line).arg(name));
    return *it;
}

int numberOf(const QString &text, int line)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        throw EConvertError(
            QStringLiteral("Slovar polj, vrstica %1: '%2' ni veljavno število.").arg(line).arg(text));
    return value;
}

Qt::Alignment alignmentOf(const QString &code, int line)
{
    if (code == QLatin1String("L"))
        return Qt::AlignLeft;
    if (code == QLatin1String("R"))
        return Qt::AlignRight;
    if (code == QLatin1String("C"))
        return Qt::AlignHCenter;
    throw EConvertError(
        QStringLiteral("Slovar polj, vrstica %1: neznana poravnava '%2'.").arg(line).arg(code));
}

bool isNumericField(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::LargeInt || type == FieldType::Float;
}

bool isTimeField(FieldType type)
{
    return type == FieldType::Time || type == FieldType::DateTime;
}

} // namespace

FieldDictionary::FieldDictionary()
{
    QFile file(QStringLiteral(":/shell/FieldDictionary.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Slovar polj ni vgrajen v program."));
    parse(QString::fromUtf8(file.readAll()));
}

FieldDictionary FieldDictionary::fromText(const QString &text)
{
    FieldDictionary dictionary{Empty{}};
    dictionary.parse(text);
    return dictionary;
}

void FieldDictionary::parse(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != 8)
            throw EConvertError(
                QStringLiteral("Slovar polj, vrstica %1: pričakovanih 8 stolpcev, najdenih %2.")
                    .arg(lineNo)
                    .arg(cells.size()));
        FieldDictionaryEntry entry;
        entry.fieldName = cells.at(0).trimmed();
        if (entry.fieldName.isEmpty())
            throw EConvertError(QStringLiteral("Slovar polj, vrstica %1: manjka ime polja.").arg(lineNo));
        entry.type = typeOf(cells.at(1), lineNo);
        entry.displayLabel = cells.at(2);
        entry.displayWidth = numberOf(cells.at(3), lineNo);
        entry.displayFormat = cells.at(4);
        entry.editFormat = cells.at(5);
        entry.size = numberOf(cells.at(6), lineNo);
        entry.alignment = alignmentOf(cells.at(7), lineNo);
        const QString key = entry.fieldName.toUpper();
        if (m_index.contains(key))
            throw EConvertError(QStringLiteral("Slovar polj, vrstica %1: polje %2 je že v slovarju.")
                                    .arg(lineNo)
                                    .arg(entry.fieldName));
        m_index.insert(key, m_entries.size());
        m_entries.append(entry);
    }
}

const FieldDictionaryEntry *FieldDictionary::find(const QString &fieldName) const
{
    const auto it = m_index.constFind(fieldName.toUpper());
    return it == m_index.constEnd() ? nullptr : &m_entries.at(*it);
}

void FieldDictionary::apply(DataSet &dataSet) const
{
    for (Field *field : dataSet.fields()) {
        const FieldDictionaryEntry *entry = find(field->fieldName());
        if (!entry)
            continue;
        // An entry without a label heads the column with the entry's spelling of the name.
        field->setDisplayLabel(entry->displayLabel.isEmpty() ? entry->fieldName : entry->displayLabel);
        // An entry without a width leaves the field's default width.
        if (entry->displayWidth > 0)
            field->setDisplayWidth(entry->displayWidth);
        // A format only means something to a field of the same family; dates and
        // texts keep their own.
        if (isNumericField(field->dataType()) && entry->isNumeric())
            field->setDisplayFormat(entry->displayFormat);
        else if (isTimeField(field->dataType()) && entry->isDateTime())
            field->setDisplayFormat(entry->displayFormat);
    }
}
