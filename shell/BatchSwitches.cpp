#include "shell/BatchSwitches.h"

#include "shell/Formats.h"

BatchSwitches BatchSwitches::read(const QStringList &arguments)
{
    BatchSwitches s;
    const auto at = [&](qsizetype i) { return i < arguments.size() ? arguments.at(i) : QString(); };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        // /AUTO alone is compared untrimmed; once seen it stays on.
        if (!s.AutoMode)
            s.AutoMode = arguments.at(i) == QLatin1String("/AUTO");
        const QString sw = arguments.at(i).trimmed();
        if (sw == QLatin1String("/DAN")) {
            // A text that is not a date leaves the day as it was, without a message.
            const QDate day = Formats::readShortDate(at(i + 1));
            if (day.isValid())
                s.Day = day;
        } else if (sw == QLatin1String("/DJV")) {
            s.Activities = at(i + 1);
        } else if (sw == QLatin1String("/IDREPORT")) {
            s.IdReport = at(i + 1);
        } else if (sw == QLatin1String("/RPTHST")) {
            s.IdRptHst = at(i + 1);
        }
    }
    return s;
}

BatchSwitches::Run BatchSwitches::run() const
{
    if (AutoMode && !IdReport.isEmpty())
        return Run::AutomaticPreparation;
    if (!IdRptHst.isEmpty())
        return Run::StoredReportExtraction;
    return Run::Interactive;
}

QDate BatchSwitches::processingDay(const QDate &today) const
{
    return Day.isValid() ? Day : today;
}
