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

bool keyOf(const QString &line, QString &key, QString &value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    return true;
}

const QByteArray Bom("\xEF\xBB\xBF");
} // namespace

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QList<IniFile::Line> IniFile::load() const
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        Line line;
        if (end < 0) {
            line.bytes = data.mid(start);
            end = data.size();
        } else {
            line.bytes = data.mid(start, end - start);
            line.end = QByteArrayLiteral("\n");
            ++end;
        }
        if (line.bytes.endsWith('\r')) {
            line.bytes.chop(1);
            line.end.prepend('\r');
        }
        QByteArray parsed = line.bytes;
        if (lines.isEmpty() && parsed.startsWith(Bom))
            parsed.remove(0, Bom.size());
        line.text = QString::fromUtf8(parsed);
        lines.append(line);
        start = end;
    }
    return lines;
}

void IniFile::save(const QList<Line> &lines) const
{
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(
            QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(m_fileName, file.errorString()));
    for (const Line &l : lines)
        file.write(l.bytes + l.end);
    if (!file.commit())
        throw EInOutError(
            QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(m_fileName, file.errorString()));
}

namespace {
// Range [begin, end) of the lines that belong to a section's body; begin -1 when missing.
template <typename Lines>
std::pair<qsizetype, qsizetype> sectionRange(const Lines &lines, const QString &section)
{
    qsizetype begin = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (!isSection(lines.at(i).text, &name))
            continue;
        if (begin >= 0)
            return {begin, i};
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            begin = i + 1;
    }
    return {begin, lines.size()};
}
} // namespace

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QList<Line> lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    if (begin < 0)
        return defaultValue;
    for (qsizetype i = begin; i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i).text, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return defaultValue;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    const QList<Line> lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    QStringList result;
    for (qsizetype i = begin; begin >= 0 && i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i).text, k, v))
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
    QList<Line> lines = load();
    // New lines end as the file's lines do.
    const QByteArray lineEnd =
        !lines.isEmpty() && lines.front().end == "\r\n" ? QByteArray("\r\n") : QByteArray("\n");
    const auto lineOf = [&](const QString &text) { return Line{text.toUtf8(), lineEnd, text}; };
    // A line added after a last line that has no line end gives it one.
    const auto endLastLine = [&] {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = lineEnd;
    };
    const auto [begin, end] = sectionRange(lines, section);
    const QString entry = key + QLatin1Char('=') + value;
    if (begin < 0) {
        endLastLine();
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
            lines.append(lineOf(QString()));
        lines.append(lineOf(QLatin1Char('[') + section + QLatin1Char(']')));
        lines.append(lineOf(entry));
        save(lines);
        return;
    }
    qsizetype insertAt = begin;
    for (qsizetype i = begin; i < end; ++i) {
        QString k, v;
        if (keyOf(lines.at(i).text, k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            // The key keeps its spelling and whatever stood before it on the line.
            Line &line = lines[i];
            const qsizetype eq = line.bytes.indexOf('=');
            line.bytes = line.bytes.left(eq + 1) + value.toUtf8();
            line.text = QString::fromUtf8(line.bytes);
            save(lines);
            return;
        }
        if (!lines.at(i).text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (insertAt == lines.size())
        endLastLine();
    lines.insert(insertAt, lineOf(entry));
    save(lines);
}

void IniFile::eraseSection(const QString &section)
{
    QList<Line> lines = load();
    const auto [begin, end] = sectionRange(lines, section);
    if (begin < 0)
        return;
    lines.remove(begin - 1, end - begin + 1);
    save(lines);
}
