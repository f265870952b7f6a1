#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A Windows-style ini file: sections and keys compared without letter case,
// values as written after the first '=', without surrounding blanks. Writing
// replaces only the line of the key written (or adds one) and keeps every
// other byte of the file as it was, also bytes that are not UTF-8 and the
// line ends. Text is UTF-8.
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
    // One line of the file: its bytes without the line end, the line end
    // ("\n", "\r\n" or none on the last line) and the text for parsing.
    struct Line
    {
        QByteArray bytes;
        QByteArray end;
        QString text;
    };
    QList<Line> load() const;
    void save(const QList<Line> &lines) const;

    QString m_fileName;
};
