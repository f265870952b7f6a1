#pragma once

#include <QString>
#include <QStringList>

// A Windows-style ini file: sections and keys compared without letter case,
// values as written after the first '='. Writing keeps every other line of the
// file as it was. Files are UTF-8.
class IniFile
{
public:
    explicit IniFile(QString fileName);

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // Keys of a section in file order; values as "key=value" lines.
    QStringList sectionLines(const QString &section) const;
    QStringList sectionKeys(const QString &section) const;
    bool sectionExists(const QString &section) const;

    // Throw EInOutError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void eraseSection(const QString &section);

    const QString &fileName() const { return m_fileName; }

private:
    QStringList load() const;
    void save(const QStringList &lines) const;

    QString m_fileName;
};
