#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The batch switches of the command line, read by the entry once the
// catalogue window exists. A switch's value is the argument after it; values
// are not consumed, so every position is also tested as a switch.
class BatchSwitches
{
public:
    enum class Run { Interactive, AutomaticPreparation, StoredReportExtraction };

    bool AutoMode = false;
    QString IdReport;
    QDate Day; // null: not given
    QString Activities;
    QString IdRptHst;

    // arguments: the whole command line, the program first.
    static BatchSwitches read(const QStringList &arguments);

    Run run() const;
    // The processing date of an automatic run: the given day, else today.
    QDate processingDay(const QDate &today = QDate::currentDate()) const;
};
