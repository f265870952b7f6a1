#include "printengine/DifExporter.h"

namespace {
QByteArray quotedString(const QString &s)
{
    QString v = s;
    v.replace(u'"', QStringLiteral("\"\""));
    return (u'"' + v + u'"').toUtf8();
}
} // namespace

bool DifExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_vectors = int(info.rowColumns.size());
    m_tuples = 0;
    if (!m_body.open())
        return fail(QStringLiteral("Cannot create a temporary file: %1").arg(m_body.errorString()));
    return true;
}

bool DifExporter::writeRow(const QList<FormulaValue> &values, const QStringList &texts)
{
    QByteArray out = "-1,0\r\nBOT\r\n";
    for (int i = 0; i < values.size(); ++i) {
        const FormulaValue &v = values[i];
        if (v.type() == FormulaValue::Number && !m_settings.useReportNumberFormat) {
            out += "0," + QByteArray::number(v.toNumber(), 'g', 15) + "\r\nV\r\n";
        } else if (v.isNull()) {
            out += "1,0\r\n\"\"\r\n";
        } else {
            const QString text = m_settings.useReportNumberFormat ? texts.value(i) : v.toDisplayText();
            out += "1,0\r\n" + quotedString(text) + "\r\n";
        }
    }
    ++m_tuples;
    if (m_body.write(out) < 0)
        return fail(QStringLiteral("Cannot write a temporary file: %1").arg(m_body.errorString()));
    return true;
}

bool DifExporter::finish()
{
    QFile file(m_settings.fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, file.errorString()));
    QByteArray head;
    head += "TABLE\r\n0,1\r\n" +
            quotedString(m_info.title.isEmpty() ? QStringLiteral("REPORT") : m_info.title) + "\r\n";
    head += "VECTORS\r\n0," + QByteArray::number(m_vectors) + "\r\n\"\"\r\n";
    head += "TUPLES\r\n0," + QByteArray::number(m_tuples) + "\r\n\"\"\r\n";
    head += "DATA\r\n0,0\r\n\"\"\r\n";
    file.write(head);
    m_body.seek(0);
    while (!m_body.atEnd())
        file.write(m_body.read(1 << 20));
    file.write("-1,0\r\nEOD\r\n");
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, file.errorString()));
    return true;
}
