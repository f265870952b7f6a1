// The engine's C entry points: each checks its arguments, works on the
// C++ objects behind the job number, and turns every exception into the
// job's error code and text. Nothing thrown leaves this file.
#include "printengine/PrintEngine.h"
#include "printengine/PrintJob.h"
#include "printengine/ReportFile.h"
#include "printengine/RpeError.h"
#include "printengine/RpeTextHandle.h"
#include "printengine/rpe32.h"

#include "data/Database.h"

#include <QColor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QWidget>
#include <cstring>

namespace {

PrintEngine &engine()
{
    return PrintEngine::instance();
}

template <typename R, typename F> R guarded(int job, R failure, F &&body)
{
    try {
        return body();
    } catch (const RpeError &e) {
        engine().setError(job, e.code(), e.message());
    } catch (const EError &e) {
        engine().setError(job, RPE_ERR_INTERNAL, e.message());
    } catch (const std::bad_alloc &) {
        engine().setError(job, RPE_ERR_NO_MEMORY, QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        engine().setError(job, RPE_ERR_INTERNAL, QString::fromUtf8(e.what()));
    } catch (...) {
        engine().setError(job, RPE_ERR_INTERNAL, QStringLiteral("Unknown failure inside the print engine"));
    }
    return failure;
}

PrintJob &jobOf(int16_t job)
{
    return engine().job(job);
}

[[noreturn]] void badArgument(const char *entry, const QString &what)
{
    throw RpeError(RPE_ERR_BAD_ARGUMENT, QStringLiteral("%1: %2").arg(QLatin1String(entry), what));
}

template <typename T> T &record(T *p, const char *entry)
{
    if (!p)
        badArgument(entry, QStringLiteral("the record argument is missing"));
    if (p->StructSize != sizeof(T))
        throw RpeError(RPE_ERR_BAD_STRUCT_SIZE,
                       QStringLiteral("%1: record size %2 does not match this engine's %3")
                           .arg(QLatin1String(entry))
                           .arg(p->StructSize)
                           .arg(sizeof(T)));
    return *p;
}

template <typename T> T &out(T *p, const char *entry)
{
    if (!p)
        badArgument(entry, QStringLiteral("an output argument is missing"));
    return *p;
}

QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

void copyText(char *dst, size_t size, const QString &s)
{
    QByteArray utf8 = s.toUtf8();
    if (utf8.size() >= qsizetype(size)) {
        utf8.truncate(qsizetype(size) - 1);
        // Do not leave half a character at the cut.
        while (!utf8.isEmpty() && (uchar(utf8.back()) & 0xC0) == 0x80)
            utf8.chop(1);
        if (!utf8.isEmpty() && (uchar(utf8.back()) & 0xC0) == 0xC0)
            utf8.chop(1);
    }
    std::memcpy(dst, utf8.constData(), size_t(utf8.size()));
    dst[utf8.size()] = 0;
}

template <size_t N> void copyText(char (&dst)[N], const QString &s)
{
    copyText(dst, N, s);
}

void giveText(const QString &s, RpeTextHandle *handle, int16_t *length, const char *entry)
{
    if (!handle || !length)
        badArgument(entry, QStringLiteral("the text handle or length argument is missing"));
    const QByteArray utf8 = s.toUtf8();
    *handle = rpeTextHandleNew(utf8.constData(), uint32_t(utf8.size()));
    if (!*handle)
        throw std::bad_alloc();
    *length = int16_t(qMin<qsizetype>(utf8.size() + 1, 32767));
}

int16_t checkedIndex(qsizetype n, int index, const char *entry)
{
    if (index < 0 || index >= n)
        throw RpeError(RPE_ERR_BAD_INDEX, QStringLiteral("%1: index %2 is out of range (0 to %3)")
                                              .arg(QLatin1String(entry))
                                              .arg(index)
                                              .arg(n - 1));
    return int16_t(index);
}

int twips(double points)
{
    return int(points * 20 + (points >= 0 ? 0.5 : -0.5));
}

double points(int twips)
{
    return twips / 20.0;
}

QString braced(const QString &field)
{
    if (field.startsWith(u'@'))
        return QStringLiteral("{@%1}").arg(field.mid(1));
    return u'{' + field + u'}';
}

QString unbraced(const QString &field)
{
    QString f = field.trimmed();
    if (f.startsWith(u'{') && f.endsWith(u'}'))
        f = f.mid(1, f.size() - 2).trimmed();
    return f;
}

// Sections.
ReportSection &sectionByCode(ReportDefinition &r, int code, const char *entry)
{
    for (ReportSection &s : r.sections) {
        if (s.code() == code)
            return s;
    }
    throw RpeError(
        RPE_ERR_BAD_SECTION,
        QStringLiteral("%1: the report has no section with code %2").arg(QLatin1String(entry)).arg(code));
}

QList<ReportSection *> sectionsOfArea(ReportDefinition &r, int areaCode, const char *entry)
{
    const int area = areaCode / 1000;
    const int group = areaCode % 25 + 1;
    QList<ReportSection *> list;
    for (ReportSection &s : r.sections) {
        if (int(s.area) == area &&
            ((s.area != ReportSection::GroupHeader && s.area != ReportSection::GroupFooter) ||
             s.group == group))
            list << &s;
    }
    if (list.isEmpty())
        throw RpeError(RPE_ERR_BAD_SECTION, QStringLiteral("%1: the report has no area with code %2")
                                                .arg(QLatin1String(entry))
                                                .arg(areaCode));
    return list;
}

// Object handles name a section and an object of the job's report.
RpeObjectHandle objectHandle(const ReportDefinition &r, const ReportSection &s, int index)
{
    const int si = int(&s - r.sections.constData());
    return RpeObjectHandle((si + 1) << 16 | (index + 1));
}

ReportObject &objectOf(ReportDefinition &r, RpeObjectHandle h, ReportSection **section, const char *entry)
{
    const int si = int(h >> 16) - 1;
    const int oi = int(h & 0xFFFF) - 1;
    if (si < 0 || si >= r.sections.size() || oi < 0 || oi >= r.sections[si].objects.size())
        throw RpeError(RPE_ERR_NOT_FOUND,
                       QStringLiteral("%1: object handle %2 does not name an object of the report")
                           .arg(QLatin1String(entry))
                           .arg(h));
    if (section)
        *section = &r.sections[si];
    return r.sections[si].objects[oi];
}

ReportObject &objectOfKind(ReportDefinition &r, RpeObjectHandle h, ReportObject::Kind kind, const char *entry)
{
    ReportObject &o = objectOf(r, h, nullptr, entry);
    if (o.kind != kind)
        throw RpeError(RPE_ERR_BAD_ARGUMENT,
                       QStringLiteral("%1: object %2 is of another kind").arg(QLatin1String(entry)).arg(h));
    return o;
}

int objectType(const ReportObject &o)
{
    switch (o.kind) {
    case ReportObject::Text:
        return RPE_OBJ_TEXT;
    case ReportObject::Line:
        return RPE_OBJ_LINE;
    case ReportObject::Box:
        return RPE_OBJ_BOX;
    case ReportObject::Picture:
        return RPE_OBJ_PICTURE;
    case ReportObject::Subreport:
        return RPE_OBJ_SUBREPORT;
    default:
        return RPE_OBJ_FIELD;
    }
}

// Parameters.
ReportDefinition &reportNamed(PrintJob &job, const char *reportName, const char *entry)
{
    const QString name = text(reportName).trimmed();
    if (name.isEmpty() || name.compare(job.subreportName(), Qt::CaseInsensitive) == 0)
        return job.report();
    const auto sub = job.mainJob().report().subreports.value(name.toUpper());
    if (!sub)
        throw RpeError(RPE_ERR_BAD_NAME,
                       QStringLiteral("%1: the report has no subreport %2").arg(QLatin1String(entry), name));
    return *sub;
}

ParameterFieldDef &parameterNamed(PrintJob &job, const char *name, const char *reportName, const char *entry)
{
    ReportDefinition &r = reportNamed(job, reportName, entry);
    QString n = unbraced(text(name));
    if (n.startsWith(u'?'))
        n = n.mid(1);
    const int i = r.parameterIndex(n);
    if (i < 0)
        throw RpeError(
            RPE_ERR_BAD_NAME,
            QStringLiteral("%1: the report has no parameter field %2").arg(QLatin1String(entry), n));
    return r.parameters[i];
}

QString two(int v)
{
    return QString::number(v).rightJustified(2, u'0');
}

// RpeValueInfo to the engine's text form; the value type decides.
QString valueText(const RpeValueInfo &v)
{
    switch (v.ValueType) {
    case RPE_VI_NUMBER:
        return QString::number(v.Number, 'g', 15);
    case RPE_VI_CURRENCY:
        return QString::number(v.Currency, 'g', 15);
    case RPE_VI_BOOLEAN:
        return v.Boolean ? QStringLiteral("True") : QStringLiteral("False");
    case RPE_VI_DATE:
        return QStringLiteral("%1,%2,%3").arg(v.Date[0]).arg(two(v.Date[1]), two(v.Date[2]));
    case RPE_VI_STRING:
        return QString::fromUtf8(v.String, int(strnlen(v.String, sizeof v.String)));
    case RPE_VI_DATETIME:
        return QStringLiteral("%1,%2,%3 %4:%5:%6")
            .arg(v.DateTime[0])
            .arg(two(v.DateTime[1]), two(v.DateTime[2]), two(v.DateTime[3]), two(v.DateTime[4]),
                 two(v.DateTime[5]));
    case RPE_VI_TIME:
        return QStringLiteral("%1:%2:%3").arg(two(v.Time[0]), two(v.Time[1]), two(v.Time[2]));
    case RPE_VI_INTEGER:
        return QString::number(v.Integer);
    case RPE_VI_COLOR:
        return QString::number(v.Color);
    case RPE_VI_CHAR:
        return QString(QChar::fromLatin1(v.Char));
    case RPE_VI_LONG:
        return QString::number(v.Long);
    case RPE_VI_NOVALUE:
        return QString();
    }
    throw RpeError(RPE_ERR_BAD_VALUE, QStringLiteral("Unknown value type %1").arg(v.ValueType));
}

// The engine's text form to an RpeValueInfo of the given type.
bool fillValue(const QString &textValue, int type, RpeValueInfo *v)
{
    const uint16_t size = v->StructSize;
    std::memset(v, 0, sizeof *v);
    v->StructSize = size;
    v->ValueType = uint16_t(type);
    const QString t = textValue.trimmed();
    bool ok = true;
    switch (type) {
    case RPE_VI_NUMBER:
    case RPE_VI_CURRENCY: {
        QString s = t;
        s.replace(u',', u'.');
        const double d = s.toDouble(&ok);
        (type == RPE_VI_NUMBER ? v->Number : v->Currency) = d;
        return ok || t.isEmpty();
    }
    case RPE_VI_BOOLEAN: {
        const FormulaValue b = ReportRunner::fromEngineText(t, ParameterFieldDef::Boolean, &ok);
        v->Boolean = b.toBool() ? -1 : 0;
        return true;
    }
    case RPE_VI_DATE: {
        if (t.isEmpty())
            return true;
        const FormulaValue d = ReportRunner::fromEngineText(t, ParameterFieldDef::Date, &ok);
        if (!ok)
            return false;
        v->Date[0] = int16_t(d.toDate().year());
        v->Date[1] = int16_t(d.toDate().month());
        v->Date[2] = int16_t(d.toDate().day());
        return true;
    }
    case RPE_VI_DATETIME: {
        if (t.isEmpty())
            return true;
        const FormulaValue d = ReportRunner::fromEngineText(t, ParameterFieldDef::DateTime, &ok);
        if (!ok)
            return false;
        const QDateTime dt = d.toDateTime();
        const int16_t parts[6] = {int16_t(dt.date().year()),   int16_t(dt.date().month()),
                                  int16_t(dt.date().day()),    int16_t(dt.time().hour()),
                                  int16_t(dt.time().minute()), int16_t(dt.time().second())};
        std::memcpy(v->DateTime, parts, sizeof parts);
        return true;
    }
    case RPE_VI_TIME: {
        if (t.isEmpty())
            return true;
        const FormulaValue d = ReportRunner::fromEngineText(t, ParameterFieldDef::Time, &ok);
        if (!ok)
            return false;
        v->Time[0] = int16_t(d.toDateTime().time().hour());
        v->Time[1] = int16_t(d.toDateTime().time().minute());
        v->Time[2] = int16_t(d.toDateTime().time().second());
        return true;
    }
    case RPE_VI_STRING:
        copyText(v->String, textValue);
        return true;
    case RPE_VI_INTEGER:
        v->Integer = int16_t(t.toInt(&ok));
        return ok || t.isEmpty();
    case RPE_VI_COLOR:
        v->Color = t.toUInt(&ok);
        return ok || t.isEmpty();
    case RPE_VI_CHAR:
        v->Char = t.isEmpty() ? 0 : char(t.at(0).toLatin1());
        return true;
    case RPE_VI_LONG:
        v->Long = t.toInt(&ok);
        return ok || t.isEmpty();
    case RPE_VI_NOVALUE:
        v->IsNull = 1;
        return true;
    }
    return false;
}

// A value of the parameter's own type, checked.
QString parameterText(const ParameterFieldDef &p, const RpeValueInfo &v, const char *entry)
{
    if (v.ValueType != p.type && !(p.type == ParameterFieldDef::Number && v.ValueType == RPE_VI_CURRENCY) &&
        !(p.type == ParameterFieldDef::Currency && v.ValueType == RPE_VI_NUMBER))
        throw RpeError(RPE_ERR_BAD_VALUE, QStringLiteral("%1: parameter %2 takes values of type %3, not %4")
                                              .arg(QLatin1String(entry), p.name)
                                              .arg(int(p.type))
                                              .arg(v.ValueType));
    return valueText(v);
}

void checkParameterValue(const ParameterFieldDef &p, const QString &value, const char *entry)
{
    bool ok = false;
    ReportRunner::fromEngineText(value, p.type, &ok);
    if (!ok)
        throw RpeError(RPE_ERR_BAD_VALUE, QStringLiteral("%1: \"%2\" is not a valid value for parameter %3")
                                              .arg(QLatin1String(entry), value, p.name));
}

[[noreturn]] void notAvailable(const char *entry, const QString &why)
{
    throw RpeError(RPE_ERR_NOT_AVAILABLE,
                   QStringLiteral("%1 is not available in this engine: %2").arg(QLatin1String(entry), why));
}

QString fixedText(const char *s, size_t n)
{
    return QString::fromUtf8(s, int(strnlen(s, n))).trimmed();
}

template <typename T> T optionsOf(const void *p, uint16_t bytes, uint16_t minimum, const char *entry)
{
    if (!p)
        badArgument(entry, QStringLiteral("the options record is missing"));
    T t{};
    uint16_t size = 0;
    std::memcpy(&size, p, sizeof size);
    if (size < minimum || size > sizeof(T) || (bytes && bytes != size))
        throw RpeError(RPE_ERR_BAD_STRUCT_SIZE,
                       QStringLiteral("%1: options record of %2 bytes is not a valid size")
                           .arg(QLatin1String(entry))
                           .arg(size));
    std::memcpy(&t, p, size);
    return t;
}

// The report options as the engine always applies them. Flags compare as
// true or false; the other fields by value. CanSelectDistinctRecords is only
// reported.
struct ReportOptionRule
{
    const char *name;
    int16_t RpeReportOptions::*field;
    int16_t value;
    bool flag;
};
const ReportOptionRule reportOptionRules[] = {
    // A report exported to the report format carries its records; summaries are computed from them.
    {"SaveDataWithReport", &RpeReportOptions::SaveDataWithReport, 1, true},
    {"SaveSummariesWithReport", &RpeReportOptions::SaveSummariesWithReport, 0, true},
    // The selection goes to the database, which uses its indexes.
    {"UseIndexForSpeed", &RpeReportOptions::UseIndexForSpeed, 1, true},
    {"TranslateDOSStrings", &RpeReportOptions::TranslateDOSStrings, 0, true},
    {"TranslateDOSMemos", &RpeReportOptions::TranslateDOSMemos, 0, true},
    // Date-times stay date-times.
    {"ConvertDateTimeType", &RpeReportOptions::ConvertDateTimeType, 2, false},
    {"ConvertNullFieldToDefault", &RpeReportOptions::ConvertNullFieldToDefault, 0, true},
    // Failures come back as error codes and texts, never as message boxes.
    {"PrintEngineErrorMessages", &RpeReportOptions::PrintEngineErrorMessages, 0, true},
    {"CaseInsensitiveSQLData", &RpeReportOptions::CaseInsensitiveSQLData, 0, true},
    // Every start plans its statement against the database as it is.
    {"VerifyOnEveryPrint", &RpeReportOptions::VerifyOnEveryPrint, 1, true},
    {"CreateGroupTree", &RpeReportOptions::CreateGroupTree, 0, true},
    {"NoDataForHiddenObjects", &RpeReportOptions::NoDataForHiddenObjects, 0, true},
    {"PerformGroupingOnServer", &RpeReportOptions::PerformGroupingOnServer, 0, true},
    {"ZoomMode", &RpeReportOptions::ZoomMode, 0, false},
    {"AsyncQuery", &RpeReportOptions::AsyncQuery, 0, true},
    {"PromptMode", &RpeReportOptions::PromptMode, 0, false},
    {"SelectDistinctRecords", &RpeReportOptions::SelectDistinctRecords, 0, true},
    // The database sorts.
    {"AlwaysSortLocally", &RpeReportOptions::AlwaysSortLocally, 0, true},
    {"IsReadOnly", &RpeReportOptions::IsReadOnly, 0, true},
};

} // namespace

extern "C" {

// ---- Engine and jobs ----

RpeBool RpeOpenEngine(void)
{
    return guarded<RpeBool>(0, 0, [] {
        if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            throw RpeError(RPE_ERR_ENGINE_NOT_OPEN,
                           QStringLiteral("The print engine needs a running Qt GUI application"));
        engine().open();
        return 1;
    });
}

RpeBool RpeCloseEngine(void)
{
    return guarded<RpeBool>(0, 0, [] {
        engine().close();
        return 1;
    });
}

int16_t RpeOpenPrintJob(const char *reportFilePath)
{
    return guarded<int16_t>(0, 0, [&] {
        if (!engine().isOpen())
            throw RpeError(RPE_ERR_ENGINE_NOT_OPEN, QStringLiteral("The print engine is not open"));
        const QString path = text(reportFilePath).trimmed();
        if (path.isEmpty())
            badArgument("RpeOpenPrintJob", QStringLiteral("no report file is named"));
        if (!QFileInfo::exists(path))
            throw RpeError(RPE_ERR_REPORT_FILE, QStringLiteral("Report file %1 does not exist").arg(path));
        ReportFileError error;
        auto report = ReportFile::read(path, &error);
        if (!report)
            throw RpeError(RPE_ERR_REPORT_FILE, error.text(path));
        const int n = engine().nextJobNumber();
        if (n == 0)
            throw RpeError(RPE_ERR_NO_MEMORY, QStringLiteral("Too many open print jobs"));
        return int16_t(engine().addJob(std::make_unique<PrintJob>(n, report)));
    });
}

RpeBool RpeClosePrintJob(int16_t printJob)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        // A refresh of the preview runs the job while the window takes events.
        if (jobOf(printJob).status == RPE_JOB_IN_PROGRESS)
            throw RpeError(RPE_ERR_JOB_BUSY, QStringLiteral("Print job %1 is running").arg(printJob));
        // Subreport jobs of this job close with it.
        QList<int> children;
        for (auto &entry : engine().jobs()) {
            if (entry.second->parentJob() && &entry.second->mainJob() == engine().findJob(printJob) &&
                entry.first != printJob)
                children << entry.first;
        }
        for (int c : children)
            engine().removeJob(c);
        engine().removeJob(printJob);
        return 1;
    });
}

RpeBool RpeStartPrintJob(int16_t printJob, RpeBool)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).start();
        return 1;
    });
}

RpeBool RpeIsPrintJobFinished(int16_t printJob)
{
    return guarded<RpeBool>(printJob, -1,
                            [&] { return RpeBool(jobOf(printJob).status != RPE_JOB_IN_PROGRESS); });
}

int32_t RpeGetJobStatus(int16_t printJob, RpeJobInfo *jobInfo)
{
    return guarded<int32_t>(printJob, -1, [&] {
        PrintJob &j = jobOf(printJob);
        RpeJobInfo &info = record(jobInfo, "RpeGetJobStatus");
        info.NumRecordsRead = uint32_t(j.recordsRead);
        info.NumRecordsSelected = uint32_t(j.recordsSelected);
        info.NumRecordsPrinted = uint32_t(j.recordsSelected);
        info.DisplayPageN = 1;
        info.LatestPageN = uint16_t(j.pagesPrinted);
        info.StartPageN = uint16_t(j.startPageNumber);
        info.PrintEnded = j.printEnded ? 1 : 0;
        return int32_t(j.status);
    });
}

int16_t RpeGetVersion(int16_t versionRequested)
{
    return guarded<int16_t>(0, -1, [&] {
        if (versionRequested != RPE_GV_DLL && versionRequested != RPE_GV_ENGINE)
            badArgument(
                "RpeGetVersion",
                QStringLiteral("ask for %1 (library) or %2 (engine)").arg(RPE_GV_DLL).arg(RPE_GV_ENGINE));
        return int16_t(RPE_VERSION_MAJOR << 8 | RPE_VERSION_MINOR);
    });
}

int16_t RpeGetErrorCode(int16_t printJob)
{
    return int16_t(engine().errorCode(printJob));
}

RpeBool RpeGetErrorText(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(0, 0, [&] {
        giveText(engine().errorText(printJob), textHandle, textLength, "RpeGetErrorText");
        return 1;
    });
}

RpeBool RpeGetReportVersion(int16_t printJob, RpeReportVersionInfo *version)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        RpeReportVersionInfo &v = record(version, "RpeGetReportVersion");
        v.Major = RPE_VERSION_MAJOR;
        v.Minor = RPE_VERSION_MINOR;
        v.Letter = ' ';
        return 1;
    });
}

RpeBool RpeGetReportOptions(int16_t printJob, RpeReportOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        RpeReportOptions &o = record(options, "RpeGetReportOptions");
        o = RpeReportOptions{};
        o.StructSize = sizeof(RpeReportOptions);
        for (const ReportOptionRule &rule : reportOptionRules)
            o.*rule.field = rule.value;
        return 1;
    });
}

RpeBool RpeSetReportOptions(int16_t printJob, RpeReportOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        const RpeReportOptions &o = record(options, "RpeSetReportOptions");
        // Each option is how the engine works; a record that asks for
        // another way is refused rather than kept and ignored.
        QStringList refused;
        for (const ReportOptionRule &rule : reportOptionRules) {
            const int16_t v = o.*rule.field;
            if (rule.flag ? (v != 0) != (rule.value != 0) : v != rule.value)
                refused << QStringLiteral("%1 %2 (the engine works with %3)")
                               .arg(QLatin1String(rule.name))
                               .arg(v)
                               .arg(rule.value);
        }
        if (!refused.isEmpty())
            notAvailable(
                "RpeSetReportOptions",
                QStringLiteral("these report options cannot be changed: %1").arg(refused.join(", ")));
        return 1;
    });
}

int16_t RpeOpenSubreport(int16_t parentJob, const char *subreportName)
{
    return guarded<int16_t>(parentJob, 0, [&] {
        PrintJob &parent = jobOf(parentJob);
        const QString name = text(subreportName).trimmed();
        const auto sub = parent.mainJob().report().subreports.value(name.toUpper());
        if (!sub)
            throw RpeError(RPE_ERR_BAD_NAME, QStringLiteral("The report has no subreport %1").arg(name));
        const int n = engine().nextJobNumber();
        if (n == 0)
            throw RpeError(RPE_ERR_NO_MEMORY, QStringLiteral("Too many open print jobs"));
        return int16_t(engine().addJob(std::make_unique<PrintJob>(n, sub, &parent.mainJob(), name)));
    });
}

RpeBool RpeCloseSubreport(int16_t printJob)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (!jobOf(printJob).parentJob())
            badArgument("RpeCloseSubreport", QStringLiteral("job %1 is not a subreport").arg(printJob));
        engine().removeJob(printJob);
        return 1;
    });
}

int16_t RpeGetNSubreportsInSection(int16_t printJob, int16_t sectionCode)
{
    return guarded<int16_t>(printJob, -1, [&] {
        int n = 0;
        for (const ReportObject &o :
             sectionByCode(jobOf(printJob).report(), sectionCode, "RpeGetNSubreportsInSection").objects)
            n += o.kind == ReportObject::Subreport;
        return int16_t(n);
    });
}

RpeObjectHandle RpeGetNthSubreportInSection(int16_t printJob, int16_t sectionCode, int16_t subreportN)
{
    return guarded<RpeObjectHandle>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        ReportSection &s = sectionByCode(r, sectionCode, "RpeGetNthSubreportInSection");
        int n = 0;
        for (int i = 0; i < s.objects.size(); ++i) {
            if (s.objects[i].kind == ReportObject::Subreport && n++ == subreportN)
                return objectHandle(r, s, i);
        }
        throw RpeError(RPE_ERR_BAD_INDEX,
                       QStringLiteral("Section %1 has no subreport %2").arg(s.name()).arg(subreportN));
    });
}

RpeBool RpeGetSubreportInfo(int16_t printJob, RpeObjectHandle subreportHandle, RpeSubreportInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportObject &o = objectOfKind(jobOf(printJob).report(), subreportHandle, ReportObject::Subreport,
                                       "RpeGetSubreportInfo");
        RpeSubreportInfo &i = record(info, "RpeGetSubreportInfo");
        copyText(i.Name, o.text);
        i.NLinks = int16_t(o.links.size());
        i.OnDemand = 0;
        i.IsExternal = 0;
        i.ReImportOption = 0;
        return 1;
    });
}

RpeBool RpeSetDialogParentWindow(int16_t printJob, RpeWindowHandle parentWindow)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).dialogParent = static_cast<QWidget *>(parentWindow);
        return 1;
    });
}

RpeBool RpeEnableProgressDialog(int16_t printJob, RpeBool enable)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).progressDialog = enable != 0;
        return 1;
    });
}

RpeBool RpeGetAllowPromptDialog(int16_t printJob)
{
    // The engine never prompts: a parameter without a value takes its default.
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        return RpeBool(0);
    });
}

RpeBool RpeSetAllowPromptDialog(int16_t printJob, RpeBool allow)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        if (allow)
            notAvailable("RpeSetAllowPromptDialog",
                         QStringLiteral("the engine does not prompt for parameter values; give each "
                                        "parameter a current or a default value"));
        j.allowPromptDialog = false;
        return 1;
    });
}

RpeBool RpeGetPrintDate(int16_t printJob, int16_t *year, int16_t *month, int16_t *day)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        const QDate d = j.printDate.isValid() ? j.printDate : QDate::currentDate();
        out(year, "RpeGetPrintDate") = int16_t(d.year());
        out(month, "RpeGetPrintDate") = int16_t(d.month());
        out(day, "RpeGetPrintDate") = int16_t(d.day());
        return 1;
    });
}

RpeBool RpeSetPrintDate(int16_t printJob, int16_t year, int16_t month, int16_t day)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const QDate d(year, month, day);
        if (!d.isValid())
            badArgument("RpeSetPrintDate",
                        QStringLiteral("%1-%2-%3 is not a date").arg(year).arg(month).arg(day));
        jobOf(printJob).printDate = d;
        return 1;
    });
}

// ---- Groups and sections ----

int16_t RpeGetNGroups(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(jobOf(printJob).report().groups.size()); });
}

static GroupDef &groupOfSection(ReportDefinition &r, int sectionCode, const char *entry)
{
    const ReportSection &s = sectionByCode(r, sectionCode, entry);
    if (s.area != ReportSection::GroupHeader && s.area != ReportSection::GroupFooter)
        throw RpeError(
            RPE_ERR_BAD_SECTION,
            QStringLiteral("%1: section %2 is not a group section").arg(QLatin1String(entry), s.name()));
    return r.groups[s.group - 1];
}

RpeBool RpeGetGroupCondition(int16_t printJob, int16_t sectionCode, RpeTextHandle *conditionField,
                             int16_t *conditionFieldLength, int16_t *condition, int16_t *sortDirection)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        GroupDef &g = groupOfSection(jobOf(printJob).report(), sectionCode, "RpeGetGroupCondition");
        giveText(braced(g.field), conditionField, conditionFieldLength, "RpeGetGroupCondition");
        out(condition, "RpeGetGroupCondition") = 0;
        out(sortDirection, "RpeGetGroupCondition") = g.descending ? RPE_SF_DESCENDING : RPE_SF_ASCENDING;
        return 1;
    });
}

RpeBool RpeSetGroupCondition(int16_t printJob, int16_t sectionCode, const char *conditionField,
                             int16_t condition, int16_t sortDirection)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        GroupDef &g = groupOfSection(jobOf(printJob).report(), sectionCode, "RpeSetGroupCondition");
        if (condition != 0)
            notAvailable("RpeSetGroupCondition",
                         QStringLiteral(
                             "groups break on every change of their field; date periods are not supported"));
        const QString f = unbraced(text(conditionField));
        if (!f.contains(u'.') && !f.startsWith(u'@'))
            badArgument("RpeSetGroupCondition", QStringLiteral("%1 is not a field").arg(f));
        g.field = f;
        g.descending = sortDirection == RPE_SF_DESCENDING;
        return 1;
    });
}

RpeBool RpeGetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        const GroupDef &g = r.groups[checkedIndex(r.groups.size(), groupN, "RpeGetGroupOptions")];
        RpeGroupOptions &o = record(options, "RpeGetGroupOptions");
        const uint16_t size = o.StructSize;
        std::memset(&o, 0, sizeof o);
        o.StructSize = size;
        copyText(o.FieldName, braced(g.field));
        o.SortDirection = g.descending ? RPE_SF_DESCENDING : RPE_SF_ASCENDING;
        o.RepeatGroupHeader = g.repeatHeader;
        o.KeepGroupTogether = 0;
        return 1;
    });
}

RpeBool RpeSetGroupOptions(int16_t printJob, int16_t groupN, RpeGroupOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        GroupDef &g = r.groups[checkedIndex(r.groups.size(), groupN, "RpeSetGroupOptions")];
        const RpeGroupOptions &o = record(options, "RpeSetGroupOptions");
        if (o.TopOrBottomNGroups || o.HierarchicalSorting || o.Condition || o.KeepGroupTogether)
            notAvailable("RpeSetGroupOptions",
                         QStringLiteral("top/bottom N groups, hierarchical groups, date periods and "
                                        "keeping a group on one page are not supported"));
        const QString f =
            unbraced(QString::fromUtf8(o.FieldName, int(strnlen(o.FieldName, sizeof o.FieldName))));
        if (!f.isEmpty())
            g.field = f;
        g.descending = o.SortDirection == RPE_SF_DESCENDING;
        g.repeatHeader = o.RepeatGroupHeader != 0;
        return 1;
    });
}

int16_t RpeGetNSections(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(jobOf(printJob).report().sections.size()); });
}

int16_t RpeGetSectionCode(int16_t printJob, int16_t sectionN)
{
    return guarded<int16_t>(printJob, -1, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        const QList<int> order = r.sectionOrder();
        return int16_t(r.sections[order[checkedIndex(order.size(), sectionN, "RpeGetSectionCode")]].code());
    });
}

RpeBool RpeGetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        out(height, "RpeGetMinimumSectionHeight") = int16_t(
            twips(sectionByCode(jobOf(printJob).report(), sectionCode, "RpeGetMinimumSectionHeight").height));
        return 1;
    });
}

RpeBool RpeSetMinimumSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (height < 0)
            badArgument("RpeSetMinimumSectionHeight", QStringLiteral("a height cannot be negative"));
        sectionByCode(jobOf(printJob).report(), sectionCode, "RpeSetMinimumSectionHeight").height =
            points(height);
        return 1;
    });
}

RpeBool RpeGetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t *height)
{
    return RpeGetMinimumSectionHeight(printJob, sectionCode, height);
}

RpeBool RpeSetSectionHeight(int16_t printJob, int16_t sectionCode, int16_t height)
{
    return RpeSetMinimumSectionHeight(printJob, sectionCode, height);
}

static void readFormat(const ReportSection &s, RpeSectionOptions &o)
{
    o.Visible = !s.suppress;
    o.NewPageBefore = s.newPageBefore;
    o.NewPageAfter = s.newPageAfter;
    o.KeepTogether = s.keepTogether;
    o.SuppressBlankSection = 0;
    o.ResetPageNAfter = s.resetPageNumberAfter;
    o.PrintAtBottomOfPage = s.printAtBottom;
    const QColor c(s.backgroundColor.isEmpty() ? QStringLiteral("#ffffff") : s.backgroundColor);
    o.BackgroundColor = uint32_t(c.red() | c.green() << 8 | c.blue() << 16);
    o.UnderlaySection = 0;
    o.ShowArea = 1;
    o.FreeFormPlacement = 1;
    o.ReserveMinimumPageFooter = 0;
}

static void writeFormat(ReportSection &s, const RpeSectionOptions &o, const char *entry)
{
    if (o.UnderlaySection || o.SuppressBlankSection)
        notAvailable(entry,
                     QStringLiteral("underlaid sections and suppressing blank sections are not supported"));
    if (!o.KeepTogether)
        notAvailable(entry, QStringLiteral("a section never splits across pages (KeepTogether must be set)"));
    s.suppress = !o.Visible;
    s.newPageBefore = o.NewPageBefore;
    s.newPageAfter = o.NewPageAfter;
    s.keepTogether = o.KeepTogether;
    s.resetPageNumberAfter = o.ResetPageNAfter;
    s.printAtBottom = o.PrintAtBottomOfPage;
}

RpeBool RpeGetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        readFormat(sectionByCode(jobOf(printJob).report(), sectionCode, "RpeGetSectionFormat"),
                   record(options, "RpeGetSectionFormat"));
        return 1;
    });
}

RpeBool RpeSetSectionFormat(int16_t printJob, int16_t sectionCode, RpeSectionOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        writeFormat(sectionByCode(jobOf(printJob).report(), sectionCode, "RpeSetSectionFormat"),
                    record(options, "RpeSetSectionFormat"), "RpeSetSectionFormat");
        return 1;
    });
}

RpeBool RpeGetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        readFormat(*sectionsOfArea(jobOf(printJob).report(), areaCode, "RpeGetAreaFormat").first(),
                   record(options, "RpeGetAreaFormat"));
        return 1;
    });
}

RpeBool RpeSetAreaFormat(int16_t printJob, int16_t areaCode, RpeSectionOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const RpeSectionOptions &o = record(options, "RpeSetAreaFormat");
        for (ReportSection *s : sectionsOfArea(jobOf(printJob).report(), areaCode, "RpeSetAreaFormat"))
            writeFormat(*s, o, "RpeSetAreaFormat");
        return 1;
    });
}

RpeBool RpeSetFont(int16_t printJob, int16_t sectionCode, int16_t scopeCode, const char *faceName, int16_t,
                   int16_t, int16_t, int16_t pointSize, int16_t isItalic, int16_t isUnderlined, int16_t,
                   int16_t weight)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        // Scope: 1 field objects, 2 text objects, 3 both.
        if (scopeCode < 1 || scopeCode > 3)
            badArgument("RpeSetFont",
                        QStringLiteral("scope %1 is not 1 (fields), 2 (texts) or 3 (both)").arg(scopeCode));
        for (ReportObject &o : sectionByCode(jobOf(printJob).report(), sectionCode, "RpeSetFont").objects) {
            const bool field = o.isField();
            const bool textObject = o.kind == ReportObject::Text;
            if (!((field && (scopeCode & 1)) || (textObject && (scopeCode & 2))))
                continue;
            if (faceName && *faceName)
                o.font.family = text(faceName);
            if (pointSize > 0)
                o.font.size = pointSize;
            o.font.italic = isItalic;
            o.font.underline = isUnderlined;
            o.font.bold = weight >= 600;
        }
        return 1;
    });
}

// ---- Formulas ----

int16_t RpeGetNFormulas(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(jobOf(printJob).report().formulas.size()); });
}

RpeBool RpeGetNthFormula(int16_t printJob, int16_t formulaN, RpeTextHandle *nameHandle, int16_t *nameLength,
                         RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        const NamedFormula &f = r.formulas[checkedIndex(r.formulas.size(), formulaN, "RpeGetNthFormula")];
        giveText(f.name, nameHandle, nameLength, "RpeGetNthFormula");
        giveText(f.text, textHandle, textLength, "RpeGetNthFormula");
        return 1;
    });
}

static NamedFormula &formulaNamed(ReportDefinition &r, const char *name, const char *entry)
{
    QString n = unbraced(text(name));
    if (n.startsWith(u'@'))
        n = n.mid(1);
    const int i = r.formulaIndex(n);
    if (i < 0)
        throw RpeError(RPE_ERR_BAD_NAME,
                       QStringLiteral("%1: the report has no formula %2").arg(QLatin1String(entry), n));
    return r.formulas[i];
}

RpeBool RpeGetFormula(int16_t printJob, const char *formulaName, RpeTextHandle *textHandle,
                      int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(formulaNamed(jobOf(printJob).report(), formulaName, "RpeGetFormula").text, textHandle,
                 textLength, "RpeGetFormula");
        return 1;
    });
}

RpeBool RpeSetFormula(int16_t printJob, const char *formulaName, const char *formulaText)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        formulaNamed(jobOf(printJob).report(), formulaName, "RpeSetFormula").text = text(formulaText);
        return 1;
    });
}

RpeBool RpeGetSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(jobOf(printJob).report().selection, textHandle, textLength, "RpeGetSelectionFormula");
        return 1;
    });
}

RpeBool RpeSetSelectionFormula(int16_t printJob, const char *formulaText)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).report().selection = text(formulaText);
        return 1;
    });
}

RpeBool RpeGetGroupSelectionFormula(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(jobOf(printJob).report().groupSelection, textHandle, textLength,
                 "RpeGetGroupSelectionFormula");
        return 1;
    });
}

RpeBool RpeSetGroupSelectionFormula(int16_t printJob, const char *formulaText)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).report().groupSelection = text(formulaText);
        return 1;
    });
}

RpeBool RpeGetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection &s = sectionByCode(jobOf(printJob).report(), sectionCode, "RpeGetSectionFormatFormula");
        if (formulaName != RPE_FFN_SUPPRESS)
            notAvailable("RpeGetSectionFormatFormula",
                         QStringLiteral("only the suppress formula (%1) of a section is supported")
                             .arg(RPE_FFN_SUPPRESS));
        giveText(s.suppressFormula, textHandle, textLength, "RpeGetSectionFormatFormula");
        return 1;
    });
}

RpeBool RpeSetSectionFormatFormula(int16_t printJob, int16_t sectionCode, int16_t formulaName,
                                   const char *formulaText)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection &s = sectionByCode(jobOf(printJob).report(), sectionCode, "RpeSetSectionFormatFormula");
        if (formulaName != RPE_FFN_SUPPRESS)
            notAvailable("RpeSetSectionFormatFormula",
                         QStringLiteral("only the suppress formula (%1) of a section is supported")
                             .arg(RPE_FFN_SUPPRESS));
        s.suppressFormula = text(formulaText);
        return 1;
    });
}

RpeBool RpeGetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s =
            sectionsOfArea(jobOf(printJob).report(), areaCode, "RpeGetAreaFormatFormula").first();
        if (formulaName != RPE_FFN_SUPPRESS)
            notAvailable("RpeGetAreaFormatFormula",
                         QStringLiteral("only the suppress formula (%1) is supported").arg(RPE_FFN_SUPPRESS));
        giveText(s->suppressFormula, textHandle, textLength, "RpeGetAreaFormatFormula");
        return 1;
    });
}

RpeBool RpeSetAreaFormatFormula(int16_t printJob, int16_t areaCode, int16_t formulaName,
                                const char *formulaText)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (formulaName != RPE_FFN_SUPPRESS)
            notAvailable("RpeSetAreaFormatFormula",
                         QStringLiteral("only the suppress formula (%1) is supported").arg(RPE_FFN_SUPPRESS));
        for (ReportSection *s : sectionsOfArea(jobOf(printJob).report(), areaCode, "RpeSetAreaFormatFormula"))
            s->suppressFormula = text(formulaText);
        return 1;
    });
}

int16_t RpeGetNSQLExpressions(int16_t printJob)
{
    // Reports of this engine have no SQL expression fields.
    return guarded<int16_t>(printJob, -1, [&] {
        jobOf(printJob);
        return int16_t(0);
    });
}

RpeBool RpeGetNthSQLExpression(int16_t printJob, int16_t expressionN, RpeTextHandle *, int16_t *,
                               RpeTextHandle *, int16_t *)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        checkedIndex(0, expressionN, "RpeGetNthSQLExpression");
        return 1;
    });
}

RpeBool RpeGetSQLExpression(int16_t printJob, const char *expressionName, RpeTextHandle *, int16_t *)
{
    return guarded<RpeBool>(printJob, 0, [&]() -> RpeBool {
        jobOf(printJob);
        throw RpeError(RPE_ERR_BAD_NAME,
                       QStringLiteral("RpeGetSQLExpression: the report has no SQL expression %1")
                           .arg(text(expressionName)));
    });
}

} // extern "C"

extern "C" {

// ---- Parameter fields ----

int16_t RpeGetNParameterFields(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1,
                            [&] { return int16_t(jobOf(printJob).report().parameters.size()); });
}

RpeBool RpeGetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        ReportDefinition &r = j.report();
        const ParameterFieldDef &p =
            r.parameters[checkedIndex(r.parameters.size(), parameterN, "RpeGetNthParameterField")];
        RpeParameterFieldInfo &i = record(info, "RpeGetNthParameterField");
        const uint16_t size = i.StructSize;
        std::memset(&i, 0, sizeof i);
        i.StructSize = size;
        i.ValueType = uint16_t(p.type);
        i.DefaultValueSet = !p.defaults.isEmpty();
        i.CurrentValueSet = !p.current.isEmpty();
        copyText(i.Name, p.name);
        copyText(i.Prompt, p.prompt);
        copyText(i.DefaultValue, p.defaults.isEmpty() ? QString() : p.defaults.first().value);
        copyText(i.CurrentValue, p.current.isEmpty() ? QString() : p.current.first());
        copyText(i.ReportName, p.subreport.isEmpty() ? j.subreportName() : p.subreport);
        i.NeedsCurrentValue = !p.hasCurrentValue() && p.defaults.isEmpty() && !p.allowNull;
        i.IsLinked = 0;
        copyText(i.EditMask, p.editMask);
        i.IsLimited = p.hasLimit;
        i.MinSize = p.minimum.toDouble();
        i.MaxSize = p.maximum.toDouble();
        return 1;
    });
}

RpeBool RpeSetNthParameterField(int16_t printJob, int16_t parameterN, RpeParameterFieldInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        ParameterFieldDef &p =
            r.parameters[checkedIndex(r.parameters.size(), parameterN, "RpeSetNthParameterField")];
        const RpeParameterFieldInfo &i = record(info, "RpeSetNthParameterField");
        const QString prompt = QString::fromUtf8(i.Prompt, int(strnlen(i.Prompt, sizeof i.Prompt)));
        const QString def =
            QString::fromUtf8(i.DefaultValue, int(strnlen(i.DefaultValue, sizeof i.DefaultValue)));
        const QString cur =
            QString::fromUtf8(i.CurrentValue, int(strnlen(i.CurrentValue, sizeof i.CurrentValue)));
        if (i.DefaultValueSet)
            checkParameterValue(p, def, "RpeSetNthParameterField");
        if (i.CurrentValueSet)
            checkParameterValue(p, cur, "RpeSetNthParameterField");
        p.prompt = prompt;
        p.editMask = QString::fromUtf8(i.EditMask, int(strnlen(i.EditMask, sizeof i.EditMask)));
        if (i.DefaultValueSet) {
            if (p.defaults.isEmpty())
                p.defaults << ParameterValue{def, QString()};
            else
                p.defaults.first().value = def;
        }
        // A record without a current value asks for the value again.
        p.ranges.clear();
        p.current.clear();
        if (i.CurrentValueSet)
            p.current << cur;
        return 1;
    });
}

RpeBool RpeConvertPFInfoToVInfo(void *value, int16_t valueType, RpeValueInfo *valueInfo)
{
    return guarded<RpeBool>(0, 0, [&] {
        if (!value)
            badArgument("RpeConvertPFInfoToVInfo", QStringLiteral("the value argument is missing"));
        RpeValueInfo &v = record(valueInfo, "RpeConvertPFInfoToVInfo");
        const char *s = static_cast<const char *>(value);
        const QString t = QString::fromUtf8(s, int(strnlen(s, 256)));
        if (!fillValue(t, valueType, &v))
            throw RpeError(RPE_ERR_BAD_VALUE,
                           QStringLiteral("RpeConvertPFInfoToVInfo: \"%1\" is not a value of type %2")
                               .arg(t)
                               .arg(valueType));
        return 1;
    });
}

RpeBool RpeConvertVInfoToPFInfo(RpeValueInfo *valueInfo, int16_t *valueType, void *value)
{
    return guarded<RpeBool>(0, 0, [&] {
        const RpeValueInfo &v = record(valueInfo, "RpeConvertVInfoToPFInfo");
        if (!value)
            badArgument("RpeConvertVInfoToPFInfo", QStringLiteral("the value argument is missing"));
        copyText(static_cast<char *>(value), 256, valueText(v));
        if (valueType)
            *valueType = int16_t(v.ValueType);
        return 1;
    });
}

int16_t RpeGetNParameterDefaultValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    return guarded<int16_t>(printJob, -1, [&] {
        return int16_t(
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNParameterDefaultValues")
                .defaults.size());
    });
}

RpeBool RpeGetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNthParameterDefaultValue");
        fillValue(p.defaults[checkedIndex(p.defaults.size(), index, "RpeGetNthParameterDefaultValue")].value,
                  p.type, &record(value, "RpeGetNthParameterDefaultValue"));
        return 1;
    });
}

RpeBool RpeSetNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeSetNthParameterDefaultValue");
        p.defaults[checkedIndex(p.defaults.size(), index, "RpeSetNthParameterDefaultValue")].value =
            parameterText(p, record(value, "RpeSetNthParameterDefaultValue"),
                          "RpeSetNthParameterDefaultValue");
        return 1;
    });
}

RpeBool RpeAddParameterDefaultValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeAddParameterDefaultValue");
        p.defaults << ParameterValue{
            parameterText(p, record(value, "RpeAddParameterDefaultValue"), "RpeAddParameterDefaultValue"),
            QString()};
        return 1;
    });
}

RpeBool RpeDeleteNthParameterDefaultValue(int16_t printJob, const char *parameterFieldName,
                                          const char *reportName, int16_t index)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p = parameterNamed(jobOf(printJob), parameterFieldName, reportName,
                                              "RpeDeleteNthParameterDefaultValue");
        p.defaults.removeAt(checkedIndex(p.defaults.size(), index, "RpeDeleteNthParameterDefaultValue"));
        return 1;
    });
}

RpeBool RpeGetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetParameterMinMaxValue");
        if (minValue)
            fillValue(p.minimum, p.minimum.isEmpty() ? RPE_VI_NOVALUE : p.type,
                      &record(minValue, "RpeGetParameterMinMaxValue"));
        if (maxValue)
            fillValue(p.maximum, p.maximum.isEmpty() ? RPE_VI_NOVALUE : p.type,
                      &record(maxValue, "RpeGetParameterMinMaxValue"));
        return 1;
    });
}

RpeBool RpeSetParameterMinMaxValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeValueInfo *minValue, RpeValueInfo *maxValue)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeSetParameterMinMaxValue");
        const QString lo =
            minValue && record(minValue, "RpeSetParameterMinMaxValue").ValueType != RPE_VI_NOVALUE
                ? parameterText(p, *minValue, "RpeSetParameterMinMaxValue")
                : QString();
        const QString hi =
            maxValue && record(maxValue, "RpeSetParameterMinMaxValue").ValueType != RPE_VI_NOVALUE
                ? parameterText(p, *maxValue, "RpeSetParameterMinMaxValue")
                : QString();
        p.minimum = lo;
        p.maximum = hi;
        p.hasLimit = !lo.isEmpty() || !hi.isEmpty();
        return 1;
    });
}

RpeBool RpeGetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, RpeTextHandle *textHandle,
                                           int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p = parameterNamed(jobOf(printJob), parameterFieldName, reportName,
                                                    "RpeGetNthParameterValueDescription");
        giveText(p.defaults[checkedIndex(p.defaults.size(), index, "RpeGetNthParameterValueDescription")]
                     .description,
                 textHandle, textLength, "RpeGetNthParameterValueDescription");
        return 1;
    });
}

RpeBool RpeSetNthParameterValueDescription(int16_t printJob, const char *parameterFieldName,
                                           const char *reportName, int16_t index, const char *description)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p = parameterNamed(jobOf(printJob), parameterFieldName, reportName,
                                              "RpeSetNthParameterValueDescription");
        p.defaults[checkedIndex(p.defaults.size(), index, "RpeSetNthParameterValueDescription")].description =
            text(description);
        return 1;
    });
}

RpeBool RpeGetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetParameterPickListOption");
        RpeParameterPickListOption &o = record(option, "RpeGetParameterPickListOption");
        o.ShowDescriptionOnly = p.descriptionOnly;
        o.SortMethod = int16_t(p.sortMethod);
        o.SortBasedOnDescription = p.sortByDescription;
        return 1;
    });
}

RpeBool RpeSetParameterPickListOption(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName, RpeParameterPickListOption *option)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeSetParameterPickListOption");
        const RpeParameterPickListOption &o = record(option, "RpeSetParameterPickListOption");
        if (o.SortMethod < 0 || o.SortMethod > 4)
            badArgument("RpeSetParameterPickListOption",
                        QStringLiteral("sort method %1 is not 0 to 4").arg(o.SortMethod));
        p.descriptionOnly = o.ShowDescriptionOnly;
        p.sortMethod = o.SortMethod;
        p.sortByDescription = o.SortBasedOnDescription;
        return 1;
    });
}

RpeBool RpeGetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetParameterValueInfo");
        RpeParameterValueInfo &i = record(info, "RpeGetParameterValueInfo");
        i.AllowNull = p.allowNull;
        i.AllowEditing = p.allowEditing;
        i.AllowMultipleValues = p.allowMultiple;
        i.ValueKind = p.valueKind == ParameterFieldDef::Range              ? RPE_PV_RANGE
                      : p.valueKind == ParameterFieldDef::DiscreteAndRange ? RPE_PV_DISCRETE_AND_RANGE
                                                                           : RPE_PV_DISCRETE;
        i.PartOfGroup = 0;
        i.GroupNum = 0;
        i.MutuallyExclusiveGroup = 0;
        return 1;
    });
}

RpeBool RpeSetParameterValueInfo(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                 RpeParameterValueInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeSetParameterValueInfo");
        const RpeParameterValueInfo &i = record(info, "RpeSetParameterValueInfo");
        if (i.PartOfGroup)
            notAvailable("RpeSetParameterValueInfo", QStringLiteral("parameter groups are not supported"));
        if (i.ValueKind < RPE_PV_RANGE || i.ValueKind > RPE_PV_DISCRETE_AND_RANGE)
            badArgument("RpeSetParameterValueInfo",
                        QStringLiteral("value kind %1 is unknown").arg(i.ValueKind));
        p.allowNull = i.AllowNull;
        p.allowEditing = i.AllowEditing;
        p.allowMultiple = i.AllowMultipleValues;
        p.valueKind = i.ValueKind == RPE_PV_RANGE                ? ParameterFieldDef::Range
                      : i.ValueKind == RPE_PV_DISCRETE_AND_RANGE ? ParameterFieldDef::DiscreteAndRange
                                                                 : ParameterFieldDef::Discrete;
        return 1;
    });
}

int16_t RpeGetNParameterCurrentValues(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    return guarded<int16_t>(printJob, -1, [&] {
        return int16_t(
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNParameterCurrentValues")
                .current.size());
    });
}

RpeBool RpeGetNthParameterCurrentValue(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *value)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNthParameterCurrentValue");
        fillValue(p.current[checkedIndex(p.current.size(), index, "RpeGetNthParameterCurrentValue")], p.type,
                  &record(value, "RpeGetNthParameterCurrentValue"));
        return 1;
    });
}

RpeBool RpeAddParameterCurrentValue(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *value)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeAddParameterCurrentValue");
        const QString v =
            parameterText(p, record(value, "RpeAddParameterCurrentValue"), "RpeAddParameterCurrentValue");
        if (p.valueKind == ParameterFieldDef::Range)
            badArgument("RpeAddParameterCurrentValue",
                        QStringLiteral("parameter %1 takes ranges only").arg(p.name));
        if (!p.allowMultiple && !p.current.isEmpty())
            p.current.clear(); // one value only: the new one replaces it
        p.current << v;
        return 1;
    });
}

int16_t RpeGetNParameterCurrentRanges(int16_t printJob, const char *parameterFieldName,
                                      const char *reportName)
{
    return guarded<int16_t>(printJob, -1, [&] {
        return int16_t(
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNParameterCurrentRanges")
                .ranges.size());
    });
}

static int16_t boundsOf(const ParameterRange &r)
{
    if (r.includeFrom && r.includeTo)
        return RPE_RANGE_INCLUDE_START_AND_END;
    if (r.includeFrom)
        return RPE_RANGE_INCLUDE_START_ONLY;
    if (r.includeTo)
        return RPE_RANGE_INCLUDE_END_ONLY;
    return RPE_RANGE_EXCLUDE_START_AND_END;
}

RpeBool RpeGetNthParameterCurrentRange(int16_t printJob, const char *parameterFieldName,
                                       const char *reportName, int16_t index, RpeValueInfo *rangeStart,
                                       RpeValueInfo *rangeEnd, int16_t *rangeInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetNthParameterCurrentRange");
        const ParameterRange &r =
            p.ranges[checkedIndex(p.ranges.size(), index, "RpeGetNthParameterCurrentRange")];
        fillValue(r.from, r.from.isEmpty() ? RPE_VI_NOVALUE : p.type,
                  &record(rangeStart, "RpeGetNthParameterCurrentRange"));
        fillValue(r.to, r.to.isEmpty() ? RPE_VI_NOVALUE : p.type,
                  &record(rangeEnd, "RpeGetNthParameterCurrentRange"));
        out(rangeInfo, "RpeGetNthParameterCurrentRange") = boundsOf(r);
        return 1;
    });
}

RpeBool RpeAddParameterCurrentRange(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                    RpeValueInfo *rangeStart, RpeValueInfo *rangeEnd, int16_t rangeInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p =
            parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeAddParameterCurrentRange");
        if (p.valueKind == ParameterFieldDef::Discrete)
            badArgument("RpeAddParameterCurrentRange",
                        QStringLiteral("parameter %1 takes discrete values only").arg(p.name));
        if (rangeInfo < RPE_RANGE_INCLUDE_START_AND_END || rangeInfo > RPE_RANGE_EXCLUDE_START_AND_END)
            badArgument("RpeAddParameterCurrentRange",
                        QStringLiteral("range bounds %1 are unknown").arg(rangeInfo));
        const RpeValueInfo &a = record(rangeStart, "RpeAddParameterCurrentRange");
        const RpeValueInfo &b = record(rangeEnd, "RpeAddParameterCurrentRange");
        ParameterRange r;
        r.from =
            a.ValueType == RPE_VI_NOVALUE ? QString() : parameterText(p, a, "RpeAddParameterCurrentRange");
        r.to = b.ValueType == RPE_VI_NOVALUE ? QString() : parameterText(p, b, "RpeAddParameterCurrentRange");
        r.includeFrom =
            rangeInfo == RPE_RANGE_INCLUDE_START_AND_END || rangeInfo == RPE_RANGE_INCLUDE_START_ONLY;
        r.includeTo = rangeInfo == RPE_RANGE_INCLUDE_START_AND_END || rangeInfo == RPE_RANGE_INCLUDE_END_ONLY;
        p.ranges << r;
        return 1;
    });
}

RpeBool RpeClearParameterCurrentValuesAndRanges(int16_t printJob, const char *parameterFieldName,
                                                const char *reportName)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ParameterFieldDef &p = parameterNamed(jobOf(printJob), parameterFieldName, reportName,
                                              "RpeClearParameterCurrentValuesAndRanges");
        p.current.clear();
        p.ranges.clear();
        return 1;
    });
}

int16_t RpeGetNthParameterType(int16_t printJob, int16_t parameterN)
{
    // Every parameter field of this engine belongs to the report itself.
    return guarded<int16_t>(printJob, -1, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        checkedIndex(r.parameters.size(), parameterN, "RpeGetNthParameterType");
        return int16_t(0);
    });
}

RpeBool RpeGetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeGetParameterBrowseField")
                     .browseField,
                 textHandle, textLength, "RpeGetParameterBrowseField");
        return 1;
    });
}

RpeBool RpeSetParameterBrowseField(int16_t printJob, const char *parameterFieldName, const char *reportName,
                                   const char *browseField)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        parameterNamed(jobOf(printJob), parameterFieldName, reportName, "RpeSetParameterBrowseField")
            .browseField = text(browseField);
        return 1;
    });
}

// ---- Sort fields ----

static QList<SortFieldDef> &sortList(PrintJob &j, bool groups)
{
    return groups ? j.report().groupSortFields : j.report().sortFields;
}

static int16_t nSort(int16_t printJob, bool groups)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(sortList(jobOf(printJob), groups).size()); });
}

static RpeBool getSort(int16_t printJob, bool groups, int16_t n, RpeTextHandle *nameHandle,
                       int16_t *nameLength, int16_t *direction, const char *entry)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        QList<SortFieldDef> &list = sortList(jobOf(printJob), groups);
        const SortFieldDef &s = list[checkedIndex(list.size(), n, entry)];
        giveText(braced(s.field), nameHandle, nameLength, entry);
        out(direction, entry) = s.descending ? RPE_SF_DESCENDING : RPE_SF_ASCENDING;
        return 1;
    });
}

static RpeBool deleteSort(int16_t printJob, bool groups, int16_t n, const char *entry)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        QList<SortFieldDef> &list = sortList(jobOf(printJob), groups);
        list.removeAt(checkedIndex(list.size(), n, entry));
        return 1;
    });
}

int16_t RpeGetNSortFields(int16_t printJob)
{
    return nSort(printJob, false);
}

RpeBool RpeGetNthSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                           int16_t *nameLength, int16_t *direction)
{
    return getSort(printJob, false, sortFieldN, nameHandle, nameLength, direction, "RpeGetNthSortField");
}

RpeBool RpeSetNthSortField(int16_t printJob, int16_t sortFieldN, const char *name, int16_t direction)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        QList<SortFieldDef> &list = sortList(jobOf(printJob), false);
        // An index one past the end adds a sort field.
        if (sortFieldN < 0 || sortFieldN > list.size())
            checkedIndex(list.size(), sortFieldN, "RpeSetNthSortField");
        const QString f = unbraced(text(name));
        if (!f.contains(u'.'))
            badArgument("RpeSetNthSortField",
                        QStringLiteral("%1 is not a database field; sorting is done by the database").arg(f));
        const SortFieldDef s{f, direction == RPE_SF_DESCENDING};
        if (sortFieldN == list.size())
            list << s;
        else
            list[sortFieldN] = s;
        return 1;
    });
}

RpeBool RpeDeleteNthSortField(int16_t printJob, int16_t sortFieldN)
{
    return deleteSort(printJob, false, sortFieldN, "RpeDeleteNthSortField");
}

int16_t RpeGetNGroupSortFields(int16_t printJob)
{
    return nSort(printJob, true);
}

RpeBool RpeGetNthGroupSortField(int16_t printJob, int16_t sortFieldN, RpeTextHandle *nameHandle,
                                int16_t *nameLength, int16_t *direction)
{
    return getSort(printJob, true, sortFieldN, nameHandle, nameLength, direction, "RpeGetNthGroupSortField");
}

RpeBool RpeDeleteNthGroupSortField(int16_t printJob, int16_t sortFieldN)
{
    return deleteSort(printJob, true, sortFieldN, "RpeDeleteNthGroupSortField");
}

// ---- Tables and log-on ----

static ReportTable &tableOf(PrintJob &j, int n, const char *entry)
{
    ReportDefinition &r = j.report();
    return r.tables[checkedIndex(r.tables.size(), n, entry)];
}

int16_t RpeGetNTables(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(jobOf(printJob).report().tables.size()); });
}

RpeBool RpeGetNthTableType(int16_t printJob, int16_t tableN, RpeTableType *tableType)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportTable &t = tableOf(jobOf(printJob), tableN, "RpeGetNthTableType");
        RpeTableType &tt = record(tableType, "RpeGetNthTableType");
        copyText(tt.DLLName, QStringLiteral("rpedb"));
        copyText(tt.DescriptiveName,
                 QStringLiteral("SQL table on %1").arg(t.server.isEmpty() ? QStringLiteral("LB") : t.server));
        tt.DBType = 2;
        return 1;
    });
}

RpeBool RpeGetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportTable &t = tableOf(jobOf(printJob), tableN, "RpeGetNthTableLogOnInfo");
        RpeLogOnInfo &l = record(logOnInfo, "RpeGetNthTableLogOnInfo");
        copyText(l.ServerName, t.server);
        copyText(l.DatabaseName, t.database);
        copyText(l.UserID, t.user);
        copyText(l.Password, t.password);
        return 1;
    });
}

RpeBool RpeSetNthTableLogOnInfo(int16_t printJob, int16_t tableN, RpeLogOnInfo *logOnInfo,
                                RpeBool propagateAcrossTables)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        tableOf(j, tableN, "RpeSetNthTableLogOnInfo");
        const RpeLogOnInfo &l = record(logOnInfo, "RpeSetNthTableLogOnInfo");
        auto apply = [&](ReportTable &t) {
            // An empty server keeps the table's own server (the alias).
            const QString server =
                QString::fromUtf8(l.ServerName, int(strnlen(l.ServerName, sizeof l.ServerName)));
            if (!server.isEmpty())
                t.server = server;
            t.database =
                QString::fromUtf8(l.DatabaseName, int(strnlen(l.DatabaseName, sizeof l.DatabaseName)));
            t.user = QString::fromUtf8(l.UserID, int(strnlen(l.UserID, sizeof l.UserID)));
            t.password = QString::fromUtf8(l.Password, int(strnlen(l.Password, sizeof l.Password)));
        };
        if (propagateAcrossTables) {
            for (ReportTable &t : j.report().tables)
                apply(t);
        } else {
            apply(tableOf(j, tableN, "RpeSetNthTableLogOnInfo"));
        }
        j.closeConnections();
        return 1;
    });
}

RpeBool RpeGetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportTable &t = tableOf(jobOf(printJob), tableN, "RpeGetNthTableLocation");
        RpeTableLocation &l = record(location, "RpeGetNthTableLocation");
        copyText(l.Location, t.name);
        copyText(l.SubLocation, t.subLocation);
        copyText(l.ConnectBuffer, t.connectBuffer);
        return 1;
    });
}

RpeBool RpeSetNthTableLocation(int16_t printJob, int16_t tableN, RpeTableLocation *location)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportTable &t = tableOf(jobOf(printJob), tableN, "RpeSetNthTableLocation");
        const RpeTableLocation &l = record(location, "RpeSetNthTableLocation");
        const QString name =
            QString::fromUtf8(l.Location, int(strnlen(l.Location, sizeof l.Location))).trimmed();
        if (name.isEmpty())
            badArgument("RpeSetNthTableLocation", QStringLiteral("the location is empty"));
        // A folder in front of the name (a file database's path) is not part of an SQL table name.
        const int slash = int(qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')));
        t.name = slash >= 0 ? name.mid(slash + 1) : name;
        t.subLocation = QString::fromUtf8(l.SubLocation, int(strnlen(l.SubLocation, sizeof l.SubLocation)));
        t.connectBuffer =
            QString::fromUtf8(l.ConnectBuffer, int(strnlen(l.ConnectBuffer, sizeof l.ConnectBuffer)));
        return 1;
    });
}

RpeBool RpeTestNthTableConnectivity(int16_t printJob, int16_t tableN)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        tableOf(j, tableN, "RpeTestNthTableConnectivity");
        j.testTable(tableN);
        return 1;
    });
}

RpeBool RpeLogOffServer(const char *, RpeLogOnInfo *logOnInfo)
{
    return guarded<RpeBool>(0, 0, [&] {
        const RpeLogOnInfo &l = record(logOnInfo, "RpeLogOffServer");
        const QString server =
            QString::fromUtf8(l.ServerName, int(strnlen(l.ServerName, sizeof l.ServerName)));
        for (auto &entry : engine().jobs()) {
            for (const ReportTable &t : entry.second->report().tables) {
                if (server.isEmpty() || t.server.compare(server, Qt::CaseInsensitive) == 0) {
                    entry.second->closeConnections();
                    break;
                }
            }
        }
        return 1;
    });
}

RpeBool RpeGetNthTableAliasName(int16_t printJob, int16_t tableN, RpeTextHandle *textHandle,
                                int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(tableOf(jobOf(printJob), tableN, "RpeGetNthTableAliasName").alias, textHandle, textLength,
                 "RpeGetNthTableAliasName");
        return 1;
    });
}

RpeBool RpeSetNthTableAliasName(int16_t printJob, int16_t tableN, const char *aliasName)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportTable &t = tableOf(jobOf(printJob), tableN, "RpeSetNthTableAliasName");
        const QString a = text(aliasName).trimmed();
        if (a.isEmpty())
            badArgument("RpeSetNthTableAliasName", QStringLiteral("the alias is empty"));
        if (a.compare(t.alias, Qt::CaseInsensitive) != 0)
            notAvailable(
                "RpeSetNthTableAliasName",
                QStringLiteral("renaming a table's alias would break the report's field references"));
        return 1;
    });
}

int16_t RpeGetNDatabaseFields(int16_t printJob, int16_t tableN)
{
    return guarded<int16_t>(printJob, -1, [&] {
        PrintJob &j = jobOf(printJob);
        const ReportTable &t = tableOf(j, tableN, "RpeGetNDatabaseFields");
        return int16_t(j.connection(t).columnNames(t.name).size());
    });
}

RpeBool RpeGetNthDatabaseFieldInfo(int16_t printJob, int16_t tableN, int16_t fieldN,
                                   RpeDatabaseFieldInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        const ReportTable &t = tableOf(j, tableN, "RpeGetNthDatabaseFieldInfo");
        const QStringList columns = j.connection(t).columnNames(t.name);
        const QString name = columns[checkedIndex(columns.size(), fieldN, "RpeGetNthDatabaseFieldInfo")];
        RpeDatabaseFieldInfo &f = record(info, "RpeGetNthDatabaseFieldInfo");
        copyText(f.FieldName, name);
        const QString type = t.fieldTypes.value(name.toUpper());
        f.ValueType = type == QLatin1String("number")     ? RPE_VI_NUMBER
                      : type == QLatin1String("date")     ? RPE_VI_DATE
                      : type == QLatin1String("datetime") ? RPE_VI_DATETIME
                                                          : RPE_VI_STRING;
        f.NBytes = f.ValueType == RPE_VI_STRING ? 255 : 8;
        return 1;
    });
}

// ---- SQL, title, saved data ----

RpeBool RpeGetSQLQuery(int16_t printJob, RpeTextHandle *textHandle, int16_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(jobOf(printJob).builtSql(), textHandle, textLength, "RpeGetSQLQuery");
        return 1;
    });
}

RpeBool RpeSetSQLQuery(int16_t printJob, const char *queryString)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        const QString sql = text(queryString).trimmed();
        // Setting the statement the engine would build anyway keeps the built form.
        if (j.report().sql.isEmpty() && sql == j.builtSql())
            return 1;
        j.report().sql = sql;
        return 1;
    });
}

RpeBool RpeDiscardSavedData(int16_t printJob)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).savedDataDiscarded = true;
        return 1;
    });
}

RpeBool RpeGetReportTitle(int16_t printJob, RpeTextHandle *titleHandle, int16_t *titleLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        giveText(jobOf(printJob).report().title, titleHandle, titleLength, "RpeGetReportTitle");
        return 1;
    });
}

RpeBool RpeSetReportTitle(int16_t printJob, const char *title)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).report().title = text(title);
        return 1;
    });
}

} // extern "C"

extern "C" {

// ---- Preview window ----

RpeBool RpeOutputToWindow(int16_t printJob, const char *title, int32_t left, int32_t top, int32_t width,
                          int32_t height, uint32_t style, RpeWindowHandle parentWindow)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        j.output = PrintJob::ToWindow;
        j.windowTitle = text(title);
        j.windowLeft = left;
        j.windowTop = top;
        j.windowWidth = width;
        j.windowHeight = height;
        j.windowStyle = style;
        j.windowParent = static_cast<QWidget *>(parentWindow);
        return 1;
    });
}

RpeWindowHandle RpeGetWindowHandle(int16_t printJob)
{
    return guarded<RpeWindowHandle>(printJob, nullptr,
                                    [&]() -> RpeWindowHandle { return jobOf(printJob).window(); });
}

RpeBool RpeCloseWindow(int16_t printJob)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        if (!j.window())
            throw RpeError(RPE_ERR_NOT_FOUND,
                           QStringLiteral("Print job %1 has no open preview window").arg(printJob));
        j.closeWindow();
        return 1;
    });
}

RpeBool RpeGetWindowOptions(int16_t printJob, RpeWindowOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        record(options, "RpeGetWindowOptions") = jobOf(printJob).windowOptions;
        return 1;
    });
}

RpeBool RpeSetWindowOptions(int16_t printJob, RpeWindowOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).windowOptions = record(options, "RpeSetWindowOptions");
        return 1;
    });
}

RpeBool RpeShowPrintControls(int16_t printJob, RpeBool showPrintControls)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).printControls = showPrintControls != 0;
        return 1;
    });
}

RpeBool RpePrintControlsShowing(int16_t printJob)
{
    return guarded<RpeBool>(printJob, 0, [&] { return RpeBool(jobOf(printJob).printControls); });
}

RpeBool RpeZoomPreviewWindow(int16_t printJob, int16_t level)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (!(level >= 0 && level <= 2) && !(level >= 25 && level <= 400))
            badArgument("RpeZoomPreviewWindow",
                        QStringLiteral("zoom level %1 is not 0, 1, 2 or 25 to 400").arg(level));
        jobOf(printJob).zoomWindow(level);
        return 1;
    });
}

// ---- Printer ----

RpeBool RpeOutputToPrinter(int16_t printJob, int16_t nCopies)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        if (nCopies < 1)
            badArgument("RpeOutputToPrinter", QStringLiteral("%1 copies").arg(nCopies));
        j.output = PrintJob::ToPrinter;
        j.printerCopies = nCopies;
        return 1;
    });
}

RpeBool RpeSelectPrinter(int16_t printJob, const char *driverName, const char *printerName,
                         const char *portName, RpeDeviceMode *mode)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob).mainJob();
        const QString name = text(printerName).trimmed();
        if (!name.isEmpty() && name != QLatin1String(RPE_FILE_PRINTER_NAME) &&
            QPrinterInfo::printerInfo(name).isNull())
            throw RpeError(RPE_ERR_PRINTER, QStringLiteral("Printer \"%1\" is not installed").arg(name));
        j.printerDriver = text(driverName);
        j.printerName = name;
        j.printerPort = text(portName);
        if (mode)
            j.deviceMode = record(mode, "RpeSelectPrinter");
        else
            j.deviceMode = RpeDeviceMode{sizeof(RpeDeviceMode), 0, 0, 0, 0, 0, 0, 0, 0, 0};
        return 1;
    });
}

RpeBool RpeGetSelectedPrinter(int16_t printJob, RpeTextHandle *driverHandle, int16_t *driverLength,
                              RpeTextHandle *printerHandle, int16_t *printerLength, RpeTextHandle *portHandle,
                              int16_t *portLength, RpeDeviceMode *mode)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob).mainJob();
        QString name = j.printerName;
        if (name.isEmpty())
            name = QPrinterInfo::defaultPrinterName();
        // A job that prints to a file needs no installed printer.
        if (name.isEmpty() && !fixedText(j.printOptions.OutputFileName, sizeof j.printOptions.OutputFileName)
                                   .trimmed()
                                   .isEmpty())
            name = QStringLiteral(RPE_FILE_PRINTER_NAME);
        if (name.isEmpty())
            throw RpeError(RPE_ERR_NO_PRINTER,
                           QStringLiteral("The report names no printer and no printer is installed"));
        if (mode) {
            RpeDeviceMode &m = record(mode, "RpeGetSelectedPrinter");
            m = j.deviceMode;
            // What the caller did not choose is the report's own.
            if (!(m.Fields & RPE_DM_ORIENTATION)) {
                m.Fields |= RPE_DM_ORIENTATION;
                m.Orientation = j.report().landscape ? 2 : 1;
            }
            if (!(m.Fields & (RPE_DM_PAPERSIZE | RPE_DM_PAPERLENGTH | RPE_DM_PAPERWIDTH))) {
                const ReportDefinition &r = j.report();
                const QPageSize paper(
                    QSizeF(qMin(r.pageWidth, r.pageHeight), qMax(r.pageWidth, r.pageHeight)),
                    QPageSize::Point, QString(), QPageSize::FuzzyMatch);
                const QSizeF mm = paper.size(QPageSize::Millimeter);
                m.Fields |= RPE_DM_PAPERSIZE | RPE_DM_PAPERLENGTH | RPE_DM_PAPERWIDTH;
                m.PaperSize = int16_t(paper.id());
                m.PaperWidth = int16_t(qRound(mm.width() * 10));
                m.PaperLength = int16_t(qRound(mm.height() * 10));
            }
        }
        const bool toFile = name == QLatin1String(RPE_FILE_PRINTER_NAME);
        const QString driver = !j.printerDriver.isEmpty() ? j.printerDriver
                               : toFile                   ? QStringLiteral("PDF")
                                                          : QStringLiteral("CUPS");
        const QString port = !j.printerPort.isEmpty() ? j.printerPort
                             : toFile                 ? QStringLiteral("FILE:")
                                                      : QStringLiteral("cups:") + name;
        giveText(driver, driverHandle, driverLength, "RpeGetSelectedPrinter");
        giveText(name, printerHandle, printerLength, "RpeGetSelectedPrinter");
        giveText(port, portHandle, portLength, "RpeGetSelectedPrinter");
        return 1;
    });
}

int16_t RpeGetNDetailCopies(int16_t printJob)
{
    return guarded<int16_t>(printJob, -1, [&] { return int16_t(jobOf(printJob).detailCopies); });
}

RpeBool RpeSetNDetailCopies(int16_t printJob, int16_t nDetailCopies)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (nDetailCopies < 1)
            badArgument("RpeSetNDetailCopies", QStringLiteral("%1 copies").arg(nDetailCopies));
        jobOf(printJob).detailCopies = nDetailCopies;
        return 1;
    });
}

RpeBool RpeGetPrintOptions(int16_t printJob, RpePrintOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        record(options, "RpeGetPrintOptions") = jobOf(printJob).mainJob().printOptions;
        return 1;
    });
}

RpeBool RpeSetPrintOptions(int16_t printJob, RpePrintOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const RpePrintOptions &o = record(options, "RpeSetPrintOptions");
        if (o.StopPageN != 0 && o.StopPageN < o.StartPageN)
            badArgument("RpeSetPrintOptions", QStringLiteral("the last page %1 lies before the first page %2")
                                                  .arg(o.StopPageN)
                                                  .arg(o.StartPageN));
        jobOf(printJob).mainJob().printOptions = o;
        return 1;
    });
}

// ---- Export ----

RpeBool RpeExportTo(int16_t printJob, RpeExportOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        const RpeExportOptions &o = record(options, "RpeExportTo");
        const QString format = fixedText(o.FormatDLLName, sizeof o.FormatDLLName).toLower();
        const QString dest = fixedText(o.DestinationDLLName, sizeof o.DestinationDLLName).toLower();
        PrintJob::ExportRequest req;
        ExportSettings &s = req.settings;
        const uint32_t type = o.FormatType;
        auto unknown = [&]() {
            throw RpeError(
                RPE_ERR_BAD_ARGUMENT,
                QStringLiteral("RpeExportTo: unknown export format %1 type %2").arg(format).arg(type));
        };
        auto charSep = [&](bool custom) {
            if (!o.FormatOptions)
                return;
            const auto c =
                optionsOf<RpeCharSepOptions>(o.FormatOptions, o.NFormatOptionsBytes, 10, "RpeExportTo");
            s.useReportNumberFormat = c.UseReportNumberFormat != 0;
            s.useReportDateFormat = c.UseReportDateFormat != 0;
            if (custom && c.StructSize >= 15) {
                s.delimiter = c.StringDelimiter ? QChar::fromLatin1(c.StringDelimiter) : QChar();
                s.separator = QString::fromLatin1(c.FieldSeparator,
                                                  int(strnlen(c.FieldSeparator, sizeof c.FieldSeparator)));
            }
        };
        auto pageRange = [&]() {
            if (!o.FormatOptions)
                return;
            const auto r =
                optionsOf<RpePageRangeOptions>(o.FormatOptions, o.NFormatOptionsBytes, 12, "RpeExportTo");
            s.usePageRange = r.UsePageRange != 0;
            s.firstPage = r.FirstPageNo;
            s.lastPage = r.LastPageNo;
        };
        if (format == QLatin1String("rxfrec.dll")) {
            req.format = PrintJob::FmtRecords;
            charSep(false);
        } else if (format == QLatin1String("rxfsepv.dll")) {
            if (type > 2)
                unknown();
            req.format = type == 0   ? PrintJob::FmtCsv
                         : type == 1 ? PrintJob::FmtTabSeparated
                                     : PrintJob::FmtCharSeparated;
            charSep(type == 2);
        } else if (format == QLatin1String("rxftext.dll") || format == QLatin1String("rxftext")) {
            if (type == 2) {
                req.format = PrintJob::FmtPaginatedText;
                if (o.FormatOptions)
                    s.linesPerPage = optionsOf<RpePaginatedTextOptions>(
                                         o.FormatOptions, o.NFormatOptionsBytes, 4, "RpeExportTo")
                                         .LinesPerPage;
            } else if (type <= 1) {
                req.format = type == 0 ? PrintJob::FmtText : PrintJob::FmtTabSeparatedText;
            } else {
                unknown();
            }
        } else if (format == QLatin1String("rxfdif.dll")) {
            req.format = PrintJob::FmtDif;
            charSep(false);
        } else if (format == QLatin1String("rxfrpt.dll")) {
            req.format = PrintJob::FmtReportFile;
        } else if (format == QLatin1String("rxfwks.dll")) {
            req.format = PrintJob::FmtLotus;
        } else if (format == QLatin1String("rxf_rtf.dll") || format == QLatin1String("rxfrtf.dll")) {
            req.format = PrintJob::FmtRtf;
            pageRange();
        } else if (format == QLatin1String("rxfwordw.dll")) {
            req.format = PrintJob::FmtWord;
        } else if (format == QLatin1String("rxfxls.dll")) {
            if (type > 8)
                unknown();
            req.format = PrintJob::FmtExcel;
            if (o.FormatOptions) {
                const auto x =
                    optionsOf<RpeExcelOptions>(o.FormatOptions, o.NFormatOptionsBytes, 4, "RpeExportTo");
                s.columnHeadings = x.ColumnHeadings != 0;
                if (x.StructSize >= 12 && x.UseConstantColumnWidth)
                    s.excelColumnWidth = x.ColumnWidth / 20.0; // twips
                // A shorter record is an older caller's: no layout choice, totals as values.
                const auto has = [&](size_t offset) { return x.StructSize >= offset + sizeof(int16_t); };
                s.excelTabular = has(offsetof(RpeExcelOptions, TabularFormat)) && x.TabularFormat != 0;
                s.excelWorksheetFunctions =
                    has(offsetof(RpeExcelOptions, WorksheetFunctions)) && x.WorksheetFunctions != 0;
                if (has(offsetof(RpeExcelOptions, BaseAreaType)) && x.BaseAreaType != 0 &&
                    x.BaseAreaType != ReportSection::Details)
                    notAvailable("RpeExportTo",
                                 QStringLiteral("the Excel export lays out the detail section; area type %1 "
                                                "cannot be the base area")
                                     .arg(x.BaseAreaType));
            }
        } else if (format == QLatin1String("rxfhtml.dll")) {
            if (type > 3)
                unknown();
            req.format = PrintJob::FmtHtml;
            if (o.FormatOptions && type == 3) {
                const auto h =
                    optionsOf<RpeHtmlOptions>(o.FormatOptions, o.NFormatOptionsBytes, 10, "RpeExportTo");
                if (h.FileName)
                    s.fileName = text(h.FileName);
                s.pageNavigator = h.PageNavigator != 0;
                s.separatePages = h.SeparatePages != 0;
            } else if (o.FormatOptions) {
                const auto h =
                    optionsOf<RpeFileNameOptions>(o.FormatOptions, o.NFormatOptionsBytes, 10, "RpeExportTo");
                if (h.FileName)
                    s.fileName = text(h.FileName);
            }
        } else if (format == QLatin1String("rxfodbc.dll")) {
            req.format = PrintJob::FmtOdbc;
        } else if (format == QLatin1String("rxfrdef.dll")) {
            req.format = PrintJob::FmtDefinition;
        } else if (format == QLatin1String("rxf_pdf.dll") || format == QLatin1String("rxfpdf.dll")) {
            req.format = PrintJob::FmtPdf;
            pageRange();
        } else if (format == QLatin1String("rxfxml.dll")) {
            req.format = PrintJob::FmtXml;
            if (o.FormatOptions) {
                const auto x =
                    optionsOf<RpeXmlOptions>(o.FormatOptions, o.NFormatOptionsBytes, 10, "RpeExportTo");
                if (x.FileName)
                    s.fileName = text(x.FileName);
                s.separatePages = x.SeparatePages != 0;
            }
        } else {
            unknown();
        }

        if (dest == QLatin1String("rxddisk.dll") || dest == QLatin1String("rxdapp.dll")) {
            req.destination =
                dest == QLatin1String("rxddisk.dll") ? PrintJob::DestFile : PrintJob::DestApplication;
            if (o.DestinationOptions) {
                const auto d = optionsOf<RpeDiskOptions>(o.DestinationOptions, o.NDestinationOptionsBytes, 10,
                                                         "RpeExportTo");
                if (d.FileName && *d.FileName)
                    s.fileName = text(d.FileName);
            }
        } else if (dest == QLatin1String("rxdmapi.dll") || dest == QLatin1String("rxdvim.dll")) {
            req.destination = PrintJob::DestMail;
            if (o.DestinationOptions) {
                const auto m = optionsOf<RpeMailOptions>(o.DestinationOptions, o.NDestinationOptionsBytes, 34,
                                                         "RpeExportTo");
                auto list = [](const char *s) {
                    QStringList r;
                    for (const QString &a :
                         text(s).split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts))
                        r << a.trimmed();
                    return r;
                };
                req.to = list(m.ToList);
                req.cc = list(m.CCList);
                if (m.StructSize >= 42)
                    req.bcc = list(m.BCCList);
                req.subject = text(m.Subject);
                req.message = text(m.Message);
            }
        } else if (dest == QLatin1String("rxdpost.dll")) {
            req.destination = PrintJob::DestExchange;
        } else if (dest == QLatin1String("rxdnotes.dll")) {
            req.destination = PrintJob::DestLotusNotes;
        } else {
            throw RpeError(RPE_ERR_BAD_ARGUMENT,
                           QStringLiteral("RpeExportTo: unknown export destination %1").arg(dest));
        }
        // Formats and destinations the engine does not have fail here, before the job starts.
        if (req.format == PrintJob::FmtLotus)
            notAvailable(
                "RpeExportTo",
                QStringLiteral(
                    "the WK1, WK3 and WKS spreadsheet formats are not supported; use the Excel format"));
        if (req.format == PrintJob::FmtOdbc)
            notAvailable("RpeExportTo", QStringLiteral("export to a database table is not supported"));
        if (req.destination == PrintJob::DestExchange)
            notAvailable(
                "RpeExportTo",
                QStringLiteral(
                    "export to a mail server folder is not supported; use the file or mail destination"));
        if (req.destination == PrintJob::DestLotusNotes)
            notAvailable(
                "RpeExportTo",
                QStringLiteral(
                    "export to a notes database is not supported; use the file or mail destination"));
        j.exportRequest = req;
        j.output = PrintJob::ToExport;
        return 1;
    });
}

// ---- Page, summary, events ----

RpeBool RpeGetMargins(int16_t printJob, int16_t *left, int16_t *right, int16_t *top, int16_t *bottom)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportDefinition &r = jobOf(printJob).report();
        out(left, "RpeGetMargins") = int16_t(twips(r.marginLeft));
        out(right, "RpeGetMargins") = int16_t(twips(r.marginRight));
        out(top, "RpeGetMargins") = int16_t(twips(r.marginTop));
        out(bottom, "RpeGetMargins") = int16_t(twips(r.marginBottom));
        return 1;
    });
}

RpeBool RpeSetMargins(int16_t printJob, int16_t left, int16_t right, int16_t top, int16_t bottom)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        if (left < 0 || right < 0 || top < 0 || bottom < 0)
            badArgument("RpeSetMargins", QStringLiteral("margins cannot be negative"));
        if (points(left + right) >= r.paperWidth() || points(top + bottom) >= r.paperHeight())
            badArgument("RpeSetMargins", QStringLiteral("the margins leave no room on the page"));
        r.marginLeft = points(left);
        r.marginRight = points(right);
        r.marginTop = points(top);
        r.marginBottom = points(bottom);
        return 1;
    });
}

RpeBool RpeGetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const SummaryInfo &s = jobOf(printJob).report().summary;
        RpeReportSummaryInfo &i = record(info, "RpeGetReportSummaryInfo");
        copyText(i.ApplicationName, QStringLiteral("rpe32"));
        copyText(i.Title, s.title);
        copyText(i.Subject, s.subject);
        copyText(i.Author, s.author);
        copyText(i.Keywords, s.keywords);
        copyText(i.Comments, s.comments);
        copyText(i.ReportTemplate, s.templateName);
        i.SavePreviewPicture = 0;
        return 1;
    });
}

RpeBool RpeSetReportSummaryInfo(int16_t printJob, RpeReportSummaryInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        SummaryInfo &s = jobOf(printJob).report().summary;
        const RpeReportSummaryInfo &i = record(info, "RpeSetReportSummaryInfo");
        s.title = fixedText(i.Title, sizeof i.Title);
        s.subject = fixedText(i.Subject, sizeof i.Subject);
        s.author = fixedText(i.Author, sizeof i.Author);
        s.keywords = fixedText(i.Keywords, sizeof i.Keywords);
        s.comments = fixedText(i.Comments, sizeof i.Comments);
        s.templateName = fixedText(i.ReportTemplate, sizeof i.ReportTemplate);
        return 1;
    });
}

RpeBool RpeEnableEvent(int16_t printJob, RpeEnableEventInfo *enableEventInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const RpeEnableEventInfo &e = record(enableEventInfo, "RpeEnableEvent");
        if (e.FieldMappingEvent)
            notAvailable("RpeEnableEvent", QStringLiteral("field mapping events are not supported"));
        jobOf(printJob).enabledEvents = e;
        return 1;
    });
}

RpeBool RpeSetEventCallback(int16_t printJob, RpeEventCallback callback, void *userData)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        PrintJob &j = jobOf(printJob);
        j.callback = callback;
        j.callbackData = userData;
        return 1;
    });
}

RpeBool RpeGetFieldMappingType(int16_t printJob, int16_t *mappingType)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        out(mappingType, "RpeGetFieldMappingType") = int16_t(jobOf(printJob).fieldMapping);
        return 1;
    });
}

RpeBool RpeSetFieldMappingType(int16_t printJob, int16_t mappingType)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        // Only automatic mapping: fields are looked up by name when the report runs.
        if (mappingType != 0)
            notAvailable("RpeSetFieldMappingType",
                         QStringLiteral("only automatic field mapping (0) is supported"));
        jobOf(printJob).fieldMapping = 0;
        return 1;
    });
}

RpeBool RpeGetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        record(cursorInfo, "RpeGetTrackCursorInfo") = jobOf(printJob).cursorInfo;
        return 1;
    });
}

RpeBool RpeSetTrackCursorInfo(int16_t printJob, RpeTrackCursorInfo *cursorInfo)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob).cursorInfo = record(cursorInfo, "RpeSetTrackCursorInfo");
        return 1;
    });
}

// ---- Report objects ----

int16_t RpeGetNObjectsInSection(int16_t printJob, int16_t sectionCode)
{
    return guarded<int16_t>(printJob, -1, [&] {
        return int16_t(
            sectionByCode(jobOf(printJob).report(), sectionCode, "RpeGetNObjectsInSection").objects.size());
    });
}

RpeObjectHandle RpeGetNthObjectInSection(int16_t printJob, int16_t sectionCode, int16_t objectN)
{
    return guarded<RpeObjectHandle>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        ReportSection &s = sectionByCode(r, sectionCode, "RpeGetNthObjectInSection");
        return objectHandle(r, s, checkedIndex(s.objects.size(), objectN, "RpeGetNthObjectInSection"));
    });
}

RpeBool RpeGetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        const ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeGetObjectInfo");
        RpeObjectInfo &i = record(info, "RpeGetObjectInfo");
        i.ObjectType = int16_t(objectType(o));
        i.XOffset = twips(o.x);
        i.YOffset = twips(o.y);
        i.Width = twips(o.width);
        i.Height = twips(o.height);
        i.SectionCode = int16_t(s->code());
        return 1;
    });
}

RpeBool RpeSetObjectInfo(int16_t printJob, RpeObjectHandle object, RpeObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeSetObjectInfo");
        const RpeObjectInfo &i = record(info, "RpeSetObjectInfo");
        if (i.SectionCode != s->code())
            notAvailable("RpeSetObjectInfo", QStringLiteral("objects cannot move to another section"));
        if (i.Width < 0 || i.Height < 0)
            badArgument("RpeSetObjectInfo", QStringLiteral("a size cannot be negative"));
        o.x = points(i.XOffset);
        o.y = points(i.YOffset);
        o.width = points(i.Width);
        o.height = points(i.Height);
        return 1;
    });
}

static uint32_t colorRef(const QString &name)
{
    const QColor c(name.isEmpty() ? QStringLiteral("#000000") : name);
    return uint32_t(c.red() | c.green() << 8 | c.blue() << 16);
}

RpeBool RpeGetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportObject &o = objectOf(jobOf(printJob).report(), object, nullptr, "RpeGetObjectFontColor");
        RpeFontColorInfo &f = record(font, "RpeGetObjectFontColor");
        copyText(f.FaceName, o.font.family);
        f.FontFamily = 0;
        f.FontPitch = 0;
        f.CharSet = 0;
        f.PointSize = int16_t(o.font.size + 0.5);
        f.IsItalic = o.font.italic;
        f.IsUnderlined = o.font.underline;
        f.IsStruckOut = 0;
        f.Weight = o.font.bold ? 700 : 400;
        f.Color = colorRef(o.color);
        f.TwipSize = int16_t(twips(o.font.size));
        return 1;
    });
}

RpeBool RpeSetObjectFontColor(int16_t printJob, RpeObjectHandle object, RpeFontColorInfo *font)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportObject &o = objectOf(jobOf(printJob).report(), object, nullptr, "RpeSetObjectFontColor");
        const RpeFontColorInfo &f = record(font, "RpeSetObjectFontColor");
        const QString face = fixedText(f.FaceName, sizeof f.FaceName);
        if (!face.isEmpty())
            o.font.family = face;
        if (f.TwipSize > 0)
            o.font.size = points(f.TwipSize);
        else if (f.PointSize > 0)
            o.font.size = f.PointSize;
        o.font.italic = f.IsItalic;
        o.font.underline = f.IsUnderlined;
        o.font.bold = f.Weight >= 600;
        o.color = QColor(int(f.Color & 0xFF), int(f.Color >> 8 & 0xFF), int(f.Color >> 16 & 0xFF)).name();
        return 1;
    });
}

static int summaryCode(ReportObject::Summary s)
{
    switch (s) {
    case ReportObject::Sum:
        return RPE_ST_SUM;
    case ReportObject::Average:
        return RPE_ST_AVERAGE;
    case ReportObject::Maximum:
        return RPE_ST_MAXIMUM;
    case ReportObject::Minimum:
        return RPE_ST_MINIMUM;
    case ReportObject::Count:
        return RPE_ST_COUNT;
    }
    return RPE_ST_SUM;
}

RpeBool RpeChangeSummaryType(int16_t printJob, RpeObjectHandle object, int16_t summaryType)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportObject &o = objectOfKind(jobOf(printJob).report(), object, ReportObject::SummaryField,
                                       "RpeChangeSummaryType");
        switch (summaryType) {
        case RPE_ST_SUM:
            o.summary = ReportObject::Sum;
            break;
        case RPE_ST_AVERAGE:
            o.summary = ReportObject::Average;
            break;
        case RPE_ST_MAXIMUM:
            o.summary = ReportObject::Maximum;
            break;
        case RPE_ST_MINIMUM:
            o.summary = ReportObject::Minimum;
            break;
        case RPE_ST_COUNT:
            o.summary = ReportObject::Count;
            break;
        default:
            notAvailable("RpeChangeSummaryType",
                         QStringLiteral("only sum, average, maximum, minimum and count are supported"));
        }
        return 1;
    });
}

RpeBool RpeGetFieldObjectInfo(int16_t printJob, RpeObjectHandle object, RpeFieldObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportDefinition &r = jobOf(printJob).report();
        const ReportObject &o = objectOf(jobOf(printJob).report(), object, nullptr, "RpeGetFieldObjectInfo");
        if (!o.isField())
            throw RpeError(RPE_ERR_NOT_FOUND,
                           QStringLiteral("RpeGetFieldObjectInfo: object %1 is not a field").arg(object));
        RpeFieldObjectInfo &i = record(info, "RpeGetFieldObjectInfo");
        int type = 22;
        switch (o.kind) {
        case ReportObject::DatabaseField:
            copyText(i.FieldName, braced(o.text));
            i.FieldType = RPE_FIELD_DATABASE;
            break;
        case ReportObject::FormulaField:
            copyText(i.FieldName, QStringLiteral("{@%1}").arg(o.text));
            i.FieldType = RPE_FIELD_FORMULA;
            break;
        case ReportObject::ParameterField: {
            copyText(i.FieldName, QStringLiteral("{?%1}").arg(o.text));
            i.FieldType = RPE_FIELD_PARAMETER;
            const int p = r.parameterIndex(o.text);
            if (p >= 0)
                type = r.parameters[p].type;
            break;
        }
        case ReportObject::SummaryField:
            copyText(i.FieldName, braced(o.summarized));
            i.FieldType = RPE_FIELD_SUMMARY;
            type = RPE_VI_NUMBER;
            break;
        default:
            copyText(i.FieldName, QString());
            i.FieldType = RPE_FIELD_SPECIAL;
            break;
        }
        i.ValueType = int16_t(type);
        i.NBytes = type == RPE_VI_NUMBER ? 8 : 255;
        return 1;
    });
}

RpeBool RpeGetNthSummaryFieldInfo(int16_t printJob, RpeObjectHandle object, RpeSummaryFieldInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportObject &o = objectOfKind(jobOf(printJob).report(), object, ReportObject::SummaryField,
                                             "RpeGetNthSummaryFieldInfo");
        RpeSummaryFieldInfo &i = record(info, "RpeGetNthSummaryFieldInfo");
        copyText(i.SummarizedField, braced(o.summarized));
        i.SummaryType = int16_t(summaryCode(o.summary));
        i.SummaryParameter = 0;
        copyText(i.SecondSummarizedField, QString());
        i.HeaderAreaCode = int16_t(o.summaryGroup > 0 ? RPE_AREA_GROUP_HEADER * 1000 + o.summaryGroup - 1
                                                      : RPE_AREA_REPORT_HEADER * 1000);
        i.FooterAreaCode = int16_t(o.summaryGroup > 0 ? RPE_AREA_GROUP_FOOTER * 1000 + o.summaryGroup - 1
                                                      : RPE_AREA_REPORT_FOOTER * 1000);
        copyText(i.FieldName, o.name);
        return 1;
    });
}

int32_t RpeGetTextSize(int16_t printJob, RpeObjectHandle object)
{
    return guarded<int32_t>(printJob, -1, [&] {
        return int32_t(objectOfKind(jobOf(printJob).report(), object, ReportObject::Text, "RpeGetTextSize")
                           .text.toUtf8()
                           .size());
    });
}

int32_t RpeGetTextHeight(int16_t printJob, RpeObjectHandle object)
{
    return guarded<int32_t>(printJob, -1, [&] {
        return int32_t(twips(
            objectOfKind(jobOf(printJob).report(), object, ReportObject::Text, "RpeGetTextHeight").height));
    });
}

RpeBool RpeGetText(int16_t printJob, RpeObjectHandle object, RpeTextHandle *textHandle, int32_t *textLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const QByteArray utf8 =
            objectOfKind(jobOf(printJob).report(), object, ReportObject::Text, "RpeGetText").text.toUtf8();
        if (!textHandle || !textLength)
            badArgument("RpeGetText", QStringLiteral("the text handle or length argument is missing"));
        *textHandle = rpeTextHandleNew(utf8.constData(), uint32_t(utf8.size()));
        *textLength = int32_t(utf8.size() + 1);
        return 1;
    });
}

RpeBool RpeInsertText(int16_t printJob, RpeObjectHandle object, int32_t position, const char *insert)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportObject &o = objectOfKind(jobOf(printJob).report(), object, ReportObject::Text, "RpeInsertText");
        // Positions count characters; -1 appends.
        if (position < -1 || position > o.text.size())
            badArgument("RpeInsertText", QStringLiteral("position %1 lies outside the text").arg(position));
        o.text.insert(position < 0 ? o.text.size() : position, text(insert));
        return 1;
    });
}

RpeBool RpeDeleteText(int16_t printJob, RpeObjectHandle object, int32_t position, int32_t count)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportObject &o = objectOfKind(jobOf(printJob).report(), object, ReportObject::Text, "RpeDeleteText");
        if (position < 0 || count < 0 || position + count > o.text.size())
            badArgument("RpeDeleteText", QStringLiteral("characters %1 to %2 lie outside the text")
                                             .arg(position)
                                             .arg(position + count));
        o.text.remove(position, count);
        return 1;
    });
}

RpeBool RpeGetNthSubreportLink(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                               RpeTextHandle *mainFieldHandle, int16_t *mainFieldLength,
                               RpeTextHandle *subFieldHandle, int16_t *subFieldLength)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportObject &o = objectOfKind(jobOf(printJob).report(), subreportHandle,
                                             ReportObject::Subreport, "RpeGetNthSubreportLink");
        const auto &l = o.links[checkedIndex(o.links.size(), linkN, "RpeGetNthSubreportLink")];
        giveText(braced(l.first), mainFieldHandle, mainFieldLength, "RpeGetNthSubreportLink");
        giveText(braced(l.second), subFieldHandle, subFieldLength, "RpeGetNthSubreportLink");
        return 1;
    });
}

RpeBool RpeGetNthSubreportLinkEx(int16_t printJob, RpeObjectHandle subreportHandle, int16_t linkN,
                                 RpeSubreportLinkInfo *link)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const ReportObject &o = objectOfKind(jobOf(printJob).report(), subreportHandle,
                                             ReportObject::Subreport, "RpeGetNthSubreportLinkEx");
        const auto &l = o.links[checkedIndex(o.links.size(), linkN, "RpeGetNthSubreportLinkEx")];
        RpeSubreportLinkInfo &i = record(link, "RpeGetNthSubreportLinkEx");
        copyText(i.MainReportFieldName, braced(l.first));
        copyText(i.SubreportFieldName, braced(l.second));
        copyText(i.ParameterFieldName, QString());
        return 1;
    });
}

RpeBool RpeGetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        const ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeGetLineObjectInfo");
        if (o.kind != ReportObject::Line)
            badArgument("RpeGetLineObjectInfo", QStringLiteral("object %1 is not a line").arg(object));
        RpeLineObjectInfo &i = record(info, "RpeGetLineObjectInfo");
        i.LineStyle = 1;
        i.LineWidth = twips(o.lineWidth);
        i.LineColor = colorRef(o.color);
        i.LeftX = twips(o.x);
        i.TopY = twips(o.y);
        i.RightX = twips(o.x + o.width);
        i.BottomY = twips(o.y + o.height);
        i.TopSectionCode = i.BottomSectionCode = int16_t(s->code());
        i.ExpandToNextSection = 0;
        return 1;
    });
}

RpeBool RpeSetLineObjectInfo(int16_t printJob, RpeObjectHandle object, RpeLineObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeSetLineObjectInfo");
        if (o.kind != ReportObject::Line)
            badArgument("RpeSetLineObjectInfo", QStringLiteral("object %1 is not a line").arg(object));
        const RpeLineObjectInfo &i = record(info, "RpeSetLineObjectInfo");
        if (i.TopSectionCode != s->code() || i.BottomSectionCode != s->code() || i.ExpandToNextSection)
            notAvailable("RpeSetLineObjectInfo", QStringLiteral("lines stay within their own section"));
        o.lineWidth = points(i.LineWidth);
        o.color = QColor(int(i.LineColor & 0xFF), int(i.LineColor >> 8 & 0xFF), int(i.LineColor >> 16 & 0xFF))
                      .name();
        o.x = points(i.LeftX);
        o.y = points(i.TopY);
        o.width = points(i.RightX - i.LeftX);
        o.height = points(i.BottomY - i.TopY);
        return 1;
    });
}

RpeBool RpeGetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        const ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeGetBoxObjectInfo");
        if (o.kind != ReportObject::Box)
            badArgument("RpeGetBoxObjectInfo", QStringLiteral("object %1 is not a box").arg(object));
        RpeBoxObjectInfo &i = record(info, "RpeGetBoxObjectInfo");
        i.LineStyle = 1;
        i.LineWidth = twips(o.lineWidth);
        i.LineColor = colorRef(o.color);
        i.FillColor = o.fill.isEmpty() ? 0xFFFFFFFFu : colorRef(o.fill);
        i.IsRoundedCorner = 0;
        i.CornerRoundingHeight = i.CornerRoundingWidth = 0;
        i.LeftX = twips(o.x);
        i.TopY = twips(o.y);
        i.RightX = twips(o.x + o.width);
        i.BottomY = twips(o.y + o.height);
        i.TopSectionCode = i.BottomSectionCode = int16_t(s->code());
        i.ExtendToBottomOfSection = 0;
        i.DropShadow = 0;
        return 1;
    });
}

RpeBool RpeSetBoxObjectInfo(int16_t printJob, RpeObjectHandle object, RpeBoxObjectInfo *info)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportSection *s = nullptr;
        ReportObject &o = objectOf(jobOf(printJob).report(), object, &s, "RpeSetBoxObjectInfo");
        if (o.kind != ReportObject::Box)
            badArgument("RpeSetBoxObjectInfo", QStringLiteral("object %1 is not a box").arg(object));
        const RpeBoxObjectInfo &i = record(info, "RpeSetBoxObjectInfo");
        if (i.IsRoundedCorner || i.DropShadow || i.ExtendToBottomOfSection || i.TopSectionCode != s->code() ||
            i.BottomSectionCode != s->code())
            notAvailable(
                "RpeSetBoxObjectInfo",
                QStringLiteral("rounded corners, drop shadows and boxes across sections are not supported"));
        o.lineWidth = points(i.LineWidth);
        o.color = QColor(int(i.LineColor & 0xFF), int(i.LineColor >> 8 & 0xFF), int(i.LineColor >> 16 & 0xFF))
                      .name();
        o.fill = i.FillColor == 0xFFFFFFFFu ? QString()
                                            : QColor(int(i.FillColor & 0xFF), int(i.FillColor >> 8 & 0xFF),
                                                     int(i.FillColor >> 16 & 0xFF))
                                                  .name();
        o.x = points(i.LeftX);
        o.y = points(i.TopY);
        o.width = points(i.RightX - i.LeftX);
        o.height = points(i.BottomY - i.TopY);
        return 1;
    });
}

// ---- Miscellaneous ----

int16_t RpeGetReportStyle(int16_t printJob)
{
    return guarded<int16_t>(printJob, 99, [&] {
        jobOf(printJob);
        return int16_t(0);
    });
}

RpeBool RpeSetReportStyle(int16_t printJob, int16_t style)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        if (style != 0)
            notAvailable("RpeSetReportStyle", QStringLiteral("reports keep the layout of their report file; "
                                                             "only the standard style (0) is supported"));
        return 1;
    });
}

int16_t RpeGetNRunningTotals(int16_t printJob)
{
    // Reports of this engine have no running total fields.
    return guarded<int16_t>(printJob, -1, [&] {
        jobOf(printJob);
        return int16_t(0);
    });
}

RpeBool RpeGetNthRunningTotalName(int16_t printJob, int16_t totalN, RpeTextHandle *, int16_t *)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        checkedIndex(0, totalN, "RpeGetNthRunningTotalName");
        return 1;
    });
}

RpeBool RpeSetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        const RpeFormulaSyntax &s = record(syntax, "RpeSetFormulaSyntax");
        if (s.FormulaSyntax[0] != RPE_FORMULA_SYNTAX_NATIVE ||
            s.FormulaSyntax[1] != RPE_FORMULA_SYNTAX_NATIVE)
            notAvailable("RpeSetFormulaSyntax",
                         QStringLiteral("formulas are written in the engine's own syntax only"));
        return 1;
    });
}

RpeBool RpeGetFormulaSyntax(int16_t printJob, RpeFormulaSyntax *syntax)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        jobOf(printJob);
        RpeFormulaSyntax &s = record(syntax, "RpeGetFormulaSyntax");
        s.FormulaSyntax[0] = s.FormulaSyntax[1] = RPE_FORMULA_SYNTAX_NATIVE;
        return 1;
    });
}

RpeBool RpeGetStartPageNumber(int16_t printJob, int16_t *startPageNumber)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        out(startPageNumber, "RpeGetStartPageNumber") = int16_t(jobOf(printJob).startPageNumber);
        return 1;
    });
}

RpeBool RpeSetStartPageNumber(int16_t printJob, int16_t startPageNumber)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        if (startPageNumber < 1)
            badArgument("RpeSetStartPageNumber", QStringLiteral("page numbers start at 1 or more"));
        jobOf(printJob).startPageNumber = startPageNumber;
        return 1;
    });
}

RpeBool RpeSetGlobalOptions(int16_t printJob, RpeGlobalOptions *options)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        const RpeGlobalOptions &o = record(options, "RpeSetGlobalOptions");
        // Error texts always say everything; log-on info is matched by table, so both switches are accepted
        // as they are.
        engine().globalOptions()[QStringLiteral("MatchLogOnInfo")] = QString::number(o.MatchLogOnInfo);
        engine().globalOptions()[QStringLiteral("MorePrintEngineErrorMessages")] =
            QString::number(o.MorePrintEngineErrorMessages);
        return 1;
    });
}

int16_t RpeGetNSectionsInArea(int16_t printJob, int16_t areaCode)
{
    return guarded<int16_t>(printJob, -1, [&] {
        return int16_t(sectionsOfArea(jobOf(printJob).report(), areaCode, "RpeGetNSectionsInArea").size());
    });
}

RpeBool RpeGetSectionWidth(int16_t printJob, int16_t sectionCode, int16_t *width)
{
    return guarded<RpeBool>(printJob, 0, [&] {
        ReportDefinition &r = jobOf(printJob).report();
        sectionByCode(r, sectionCode, "RpeGetSectionWidth");
        out(width, "RpeGetSectionWidth") = int16_t(twips(r.printableWidth()));
        return 1;
    });
}

RpeBool RpeSetTempFilePath(const char *tempFilePath)
{
    return guarded<RpeBool>(0, 0, [&] {
        const QString path = text(tempFilePath).trimmed();
        if (!path.isEmpty() && !QFileInfo(path).isDir())
            badArgument("RpeSetTempFilePath", QStringLiteral("%1 is not a folder").arg(path));
        engine().setTempPath(path);
        return 1;
    });
}

// ---- Library helpers ----

// The version resource, also kept as text in its own section of the file so
// that a loader can read it without loading the library.
__attribute__((used, section(".rpe_version"))) static const char versionText[] =
    "RPEVERSION\0FileVersion=8.5.0." OVO_RPE_BUILD "\0ProductName=rpe32 report print engine\0";

const RpeVersionResource *RpeGetVersionResource(void)
{
    static const RpeVersionResource resource = [] {
        RpeVersionResource r{};
        r.StructSize = sizeof(RpeVersionResource);
        r.Major = RPE_VERSION_MAJOR;
        r.Minor = RPE_VERSION_MINOR;
        r.Release = 0;
        r.Build = uint16_t(QByteArray(OVO_RPE_BUILD).toUInt());
        copyText(r.FileVersion, QStringLiteral("%1.%2.0.%3")
                                    .arg(RPE_VERSION_MAJOR)
                                    .arg(RPE_VERSION_MINOR)
                                    .arg(QLatin1String(OVO_RPE_BUILD)));
        copyText(r.ProductName, QStringLiteral("rpe32 report print engine"));
        copyText(r.FileDescription,
                 QStringLiteral("Report print engine: report files, formulas, preview, printing and export"));
        copyText(r.CompanyName, QString());
        return r;
    }();
    (void)versionText;
    return &resource;
}

RpeBool RpeSetOpenFileHook(RpeOpenFileHook hook, void *userData)
{
    return guarded<RpeBool>(0, 0, [&] {
        engine().setOpenHook(
            hook ? PrintEngine::OpenHook([hook, userData](const QString &file, QString *error) {
                if (hook(file.toUtf8().constData(), userData))
                    return true;
                *error = QStringLiteral("The application hand-over refused %1").arg(file);
                return false;
            })
                 : PrintEngine::defaultOpenHook());
        return 1;
    });
}

RpeBool RpeSetMailHook(RpeMailHook hook, void *userData)
{
    return guarded<RpeBool>(0, 0, [&] {
        engine().setMailHook(
            hook ? PrintEngine::MailHook([hook, userData](const MailHandOver &m, QString *error) {
                if (hook(m.to.join(u';').toUtf8().constData(), m.cc.join(u';').toUtf8().constData(),
                         m.bcc.join(u';').toUtf8().constData(), m.subject.toUtf8().constData(),
                         m.message.toUtf8().constData(), m.attachment.toUtf8().constData(), userData))
                    return true;
                *error = QStringLiteral("The mail hand-over refused %1").arg(m.attachment);
                return false;
            })
                 : PrintEngine::defaultMailHook());
        return 1;
    });
}

} // extern "C"
