#include "shell/IniFile.h"

#include "shell/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace {
bool isSection(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// Range [begin, end) of the lines that belong to a section's body; begin -1 when missing.
std::pair<qsizetype, qsizetype> sectionRange(const QStringList &lines, const QString &section)
{
    qsizetype begin = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (!isSection(lines.at(i), &name))
            continue;
        if (begin >= 0)
            return {begin, i};
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            begin = i + 1;
    }
    return {begin, lines.size()};
}

bool keyOf(const QString &line, QString &key, QString &value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1);
    return true;
}
} // namespace

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QStringList IniFile::load() const
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void IniFile::save(const QStringList &lines) const
{
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw EInOutError(QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(m_fileName, file.errorString()));
    for (const QString &l : lines)
        file.write((l + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        throw EInOutError(QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(m_fileName, file.errorString()));
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QStringList lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    if (begin < 0)
        return defaultValue;
    for (qsizetype i = begin; i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i), k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return defaultValue;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    const QStringList lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    QStringList result;
    for (qsizetype i = begin; begin >= 0 && i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i), k, v))
            result.append(k + QLatin1Char('=') + v);
    }
    return result;
}

QStringList IniFile::sectionKeys(const QString &section) const
{
    QStringList keys;
    for (const QString &line : sectionLines(section))
        keys.append(line.left(line.indexOf(QLatin1Char('='))));
    return keys;
}

bool IniFile::sectionExists(const QString &section) const
{
    return sectionRange(load(), section).first >= 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QStringList lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    const QString entry = key + QLatin1Char('=') + value;
    if (begin < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(entry);
        save(lines);
        return;
    }
    qsizetype insertAt = begin;
    for (qsizetype i = begin; i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i), k, v)) {
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = k + QLatin1Char('=') + value;
                save(lines);
                return;
            }
        }
        if (!lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
    save(lines);
}

void IniFile::eraseSection(const QString &section)
{
    QStringList lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    if (begin < 0)
        return;
    lines.remove(begin - 1, end - begin + 1);
    save(lines);
}
