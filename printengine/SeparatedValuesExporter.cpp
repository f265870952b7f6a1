#include "printengine/SeparatedValuesExporter.h"

bool SeparatedValuesExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    switch (m_kind) {
    case Csv:
        m_separator = QStringLiteral(",");
        m_delimiter = QStringLiteral("\"");
        break;
    case TabSeparated:
        m_separator = QStringLiteral("\t");
        m_delimiter = QStringLiteral("\"");
        break;
    case CharacterSeparated:
        m_separator = m_settings.separator;
        m_delimiter = m_settings.delimiter.isNull() ? QString() : QString(m_settings.delimiter);
        break;
    }
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    if (m_settings.columnHeadings) {
        QStringList cells;
        for (const QString &c : info.rowColumns)
            cells << quoted(c);
        m_file.write((cells.join(m_separator) + QStringLiteral("\r\n")).toUtf8());
    }
    return true;
}

QString SeparatedValuesExporter::quoted(const QString &s) const
{
    if (m_delimiter.isEmpty())
        return s;
    QString v = s;
    v.replace(m_delimiter, m_delimiter + m_delimiter);
    return m_delimiter + v + m_delimiter;
}

QString SeparatedValuesExporter::cell(const FormulaValue &v, const QString &text, bool reportFormats)
{
    if (reportFormats)
        return text;
    switch (v.type()) {
    case FormulaValue::Number:
        return QString::number(v.toNumber(), 'g', 15);
    case FormulaValue::Date:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case FormulaValue::DateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return v.toDisplayText();
    }
}

bool SeparatedValuesExporter::writeRow(const QList<FormulaValue> &values, const QStringList &texts)
{
    QStringList cells;
    for (int i = 0; i < values.size(); ++i) {
        const FormulaValue &v = values[i];
        const QString c =
            cell(v, texts.value(i), m_settings.useReportNumberFormat && m_settings.useReportDateFormat);
        // Numbers in their neutral form need no delimiters.
        if (v.type() == FormulaValue::Number && !m_settings.useReportNumberFormat)
            cells << c;
        else
            cells << quoted(c);
    }
    if (m_file.write((cells.join(m_separator) + QStringLiteral("\r\n")).toUtf8()) < 0)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool SeparatedValuesExporter::finish()
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}
