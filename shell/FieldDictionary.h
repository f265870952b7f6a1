#pragma once

#include <QHash>
#include <QList>
#include <QString>

class DataSet;

// The display settings of one known column name.
struct FieldDictionaryEntry
{
    enum class Type { Text, Integer, SmallInt, Float, Date, DateTime, Memo };

    QString fieldName;
    Type type = Type::Text;
    QString displayLabel; // empty: the column is headed by its name
    int displayWidth = 0; // characters; 0: not set
    QString displayFormat;
    QString editFormat;
    int size = 0; // text entries only
    Qt::Alignment alignment = Qt::AlignLeft;

    bool isNumeric() const { return type == Type::Integer || type == Type::SmallInt || type == Type::Float; }
    bool isDateTime() const { return type == Type::DateTime; }
};

// Headings, widths and formats by column name, so that grids over queries of
// arbitrary columns show readable captions. The entries are data compiled into
// the program (FieldDictionary.tsv); the dictionary never touches the database.
class FieldDictionary
{
public:
    // The compiled-in dictionary.
    FieldDictionary();
    // Entries in the file's tab-separated form; a malformed line throws EConvertError.
    static FieldDictionary fromText(const QString &text);

    const QList<FieldDictionaryEntry> &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    // The entry of a field name, letter case ignored; null when there is none.
    const FieldDictionaryEntry *find(const QString &fieldName) const;

    // Dresses every field of an open data set that has an entry: heading and
    // width always, the display format only where entry and field are both
    // numeric or both date-time. Fields without an entry are left as they are.
    void apply(DataSet &dataSet) const;

private:
    struct Empty
    {
    };
    explicit FieldDictionary(Empty) {}
    void parse(const QString &text);

    QList<FieldDictionaryEntry> m_entries;
    QHash<QString, qsizetype> m_index; // upper-cased name -> entry
};
