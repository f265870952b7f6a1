#pragma once

#include "printengine/ReportDefinition.h"

#include <QString>
#include <memory>

// A fault in a report file, with the line and column where it was found.
struct ReportFileError
{
    int line = 0;
    int column = 0;
    QString message;
    QString text(const QString &fileName) const;
};

// Reads and writes the engine's report files: the XML format described in
// docs/report-file-format.md.
class ReportFile
{
public:
    static std::shared_ptr<ReportDefinition> read(const QString &fileName, ReportFileError *error);
    static std::shared_ptr<ReportDefinition> parse(const QByteArray &xml, const QString &fileName,
                                                   ReportFileError *error);
    // The report as XML; with saved data when the definition carries it.
    static QByteArray toXml(const ReportDefinition &report);
    static bool write(const ReportDefinition &report, const QString &fileName, QString *error);
};
