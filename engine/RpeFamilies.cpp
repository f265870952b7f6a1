#include "engine/RpeFamilies.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"

#include <QFileInfo>

namespace dyn = RpeDynamic;
using RpeText::fixed;
using RpeText::take;

// ---- Job texts ----

TRpeJobText::TRpeJobText(TRpe *owner, const QString &familyName)
    : TRpePersistent(owner), m_familyName(familyName)
{
}

void TRpeJobText::Clear()
{
    if (!RpeUtl::IsBlank(Rpe->ReportName()) && QFileInfo::exists(Rpe->ReportName()))
        setLines({});
    else
        m_lines.clear();
}

QStringList TRpeJobText::lines()
{
    if (Rpe->JobIsOpen()) {
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        Rpe->UseHandle();
        if (!engineGet(Rpe->JobNumber(), &handle, &length)) {
            Rpe->EngineError(QStringLiteral("%1.Get <%2>").arg(m_familyName, QLatin1String(getName())));
            return m_lines;
        }
        m_lines = RpeText::lines(take(handle));
    }
    return m_lines;
}

void TRpeJobText::setLines(const QStringList &lines)
{
    m_lines = lines;
    if (!Rpe->JobReady(0))
        return;
    const QString text = RpeUtl::StringsText(lines);
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    if (!engineGet(Rpe->JobNumber(), &handle, &length)) {
        Rpe->EngineError(QStringLiteral("%1.Set <%2>").arg(m_familyName, QLatin1String(getName())));
        return;
    }
    if (take(handle) == text)
        return;
    const QByteArray bytes = text.toUtf8();
    Rpe->UseHandle();
    if (!engineSet(Rpe->JobNumber(), bytes.constData()))
        Rpe->EngineError(QStringLiteral("%1.Set <%2>").arg(m_familyName, QLatin1String(setName())));
}

void TRpeSelection::Add(const QString &line)
{
    QStringList formula = Formula();
    formula << line;
    setFormula(formula);
}

RpeBool TRpeSelection::engineGet(int16_t job, RpeTextHandle *handle, int16_t *length)
{
    return dyn::RpeGetSelectionFormula(job, handle, length);
}

RpeBool TRpeSelection::engineSet(int16_t job, const char *text)
{
    return dyn::RpeSetSelectionFormula(job, text);
}

RpeBool TRpeGroupSelection::engineGet(int16_t job, RpeTextHandle *handle, int16_t *length)
{
    return dyn::RpeGetGroupSelectionFormula(job, handle, length);
}

RpeBool TRpeGroupSelection::engineSet(int16_t job, const char *text)
{
    return dyn::RpeSetGroupSelectionFormula(job, text);
}

RpeBool TRpeSQL::engineGet(int16_t job, RpeTextHandle *handle, int16_t *length)
{
    return dyn::RpeGetSQLQuery(job, handle, length);
}

RpeBool TRpeSQL::engineSet(int16_t job, const char *text)
{
    return dyn::RpeSetSQLQuery(job, text);
}

bool TRpeSQL::Retrieve()
{
    if (!Rpe->JobReady(0))
        return false;
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetSQLQuery(Rpe->JobNumber(), &handle, &length)) {
        Rpe->EngineError(QStringLiteral("SQL.Retrieve <RpeGetSQLQuery>"), {515});
        return false;
    }
    m_lines = RpeText::lines(take(handle));
    return true;
}

// ---- Formulas ----

TRpeFormulas::TRpeFormulas(TRpe *owner) : TRpeContainer(owner, QStringLiteral("Formulas")) {}

int TRpeFormulas::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNFormulas(Rpe->JobNumber()), "RpeGetNFormulas");
}

TRpeFormulasItem &TRpeFormulas::operator[](int i)
{
    setNumber(i);
    return m_item;
}

bool TRpeFormulas::readItem(int i)
{
    RpeTextHandle nameHandle = nullptr, textHandle = nullptr;
    int16_t nameLength = 0, textLength = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthFormula(Rpe->JobNumber(), int16_t(i), &nameHandle, &nameLength, &textHandle,
                               &textLength)) {
        Rpe->EngineError(indexContext("RpeGetNthFormula"));
        return false;
    }
    m_item.m_name = take(nameHandle);
    m_item.m_formula = RpeText::lines(take(textHandle));
    m_item.m_object.clear();
    if (ObjectPropertiesActive)
        Rpe->ReadFieldObject(m_item.m_name, familyName(), m_item.m_object);
    return true;
}

void TRpeFormulas::clearItem()
{
    m_item.m_name.clear();
    m_item.m_formula.clear();
    m_item.m_object.clear();
    m_names.clear();
}

void TRpeFormulas::refreshNames()
{
    m_names.clear();
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        RpeTextHandle nameHandle = nullptr, textHandle = nullptr;
        int16_t nameLength = 0, textLength = 0;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthFormula(Rpe->JobNumber(), int16_t(i), &nameHandle, &nameLength, &textHandle,
                                   &textLength)) {
            Rpe->EngineError(QStringLiteral("Formulas.Name <RpeGetNthFormula>"));
            return;
        }
        m_names << take(nameHandle);
        take(textHandle);
    }
}

void TRpeFormulas::setName(const QString &name)
{
    if (RpeUtl::IsBlank(name) || Rpe->isLoading()) {
        setNumber(-1);
        if (Rpe->isLoading())
            clearItem();
        return;
    }
    auto indexOf = [&] {
        for (int i = 0; i < m_names.size(); ++i)
            if (m_names.at(i).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    int i = indexOf();
    if (i < 0) {
        refreshNames();
        i = indexOf();
    }
    if (i < 0) {
        Rpe->ComponentError(120, QStringLiteral("Formulas.Name := ") + name);
        return;
    }
    setNumber(i);
}

QStringList TRpeFormulasItem::Formula()
{
    const int i = m_owner->Number();
    TRpe *rpe = m_owner->Rpe;
    if (i >= 0 && rpe->JobIsOpen()) {
        const QByteArray name = m_name.toUtf8();
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        rpe->UseHandle();
        if (!dyn::RpeGetFormula(rpe->JobNumber(), name.constData(), &handle, &length)) {
            rpe->EngineError(QStringLiteral("Formulas[%1].GetFormula <RpeGetFormula>").arg(i));
            return m_formula;
        }
        m_formula = RpeText::lines(take(handle));
    }
    return m_formula;
}

void TRpeFormulasItem::setFormula(const QStringList &lines)
{
    m_formula = lines;
    const int i = m_owner->Number();
    TRpe *rpe = m_owner->Rpe;
    if (i < 0 || !rpe->JobReady(i))
        return;
    const QString text = RpeUtl::StringsText(lines);
    const QByteArray name = m_name.toUtf8();
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    rpe->UseHandle();
    if (!dyn::RpeGetFormula(rpe->JobNumber(), name.constData(), &handle, &length)) {
        rpe->EngineError(QStringLiteral("Formulas[%1].SetFormula <RpeGetFormula>").arg(i));
        return;
    }
    if (take(handle) == text)
        return;
    const QByteArray bytes = text.toUtf8();
    rpe->UseHandle();
    if (!dyn::RpeSetFormula(rpe->JobNumber(), name.constData(), bytes.constData()))
        rpe->EngineError(QStringLiteral("Formulas[%1].SetFormula <RpeSetFormula>").arg(i));
}

void TRpeFormulasItem::Clear()
{
    TRpe *rpe = m_owner->Rpe;
    if (m_owner->Number() >= 0 && !RpeUtl::IsBlank(rpe->ReportName()) &&
        QFileInfo::exists(rpe->ReportName())) {
        setFormula({});
        return;
    }
    m_formula.clear();
}

// ---- Subreports ----

TRpeSubreports::TRpeSubreports(TRpe *owner) : TRpeContainer(owner, QStringLiteral("Subreports"))
{
    m_number = 0;
}

void TRpeSubreports::Clear()
{
    if (Rpe->JobIsOpen() && m_number > 0)
        return;
    Rpe->ClearReportFamilies();
    m_number = 0;
    clearItem();
    SubExecute = false;
}

void TRpeSubreports::clearItem()
{
    m_name.clear();
    m_nLinks = 0;
    m_onDemand = m_isExternal = m_reImport = false;
    m_links.clear();
    m_object.clear();
}

RpeObjectHandle TRpeSubreports::subreportHandle(int i, int16_t &sectionCode)
{
    const int16_t main = Rpe->PrintJobs(0);
    int seen = 0;
    for (const TRpe::SectionEntry &section : Rpe->GetSectionCodes()) {
        Rpe->UseHandle();
        const int16_t n = dyn::RpeGetNSubreportsInSection(main, section.code);
        for (int16_t k = 0; k < n; ++k) {
            if (++seen == i) {
                sectionCode = section.code;
                Rpe->UseHandle();
                return dyn::RpeGetNthSubreportInSection(main, section.code, k);
            }
        }
    }
    return 0;
}

int TRpeSubreports::Count()
{
    if (!Rpe->JobReady(0) || Rpe->PrintJobs(0) <= 0)
        return 1;
    // The sections of the main job, whichever job is current.
    const int16_t current = Rpe->JobNumber();
    Rpe->selectJob(0);
    int count = 1;
    for (const TRpe::SectionEntry &section : Rpe->GetSectionCodes()) {
        Rpe->UseHandle();
        const int16_t n = dyn::RpeGetNSubreportsInSection(Rpe->PrintJobs(0), section.code);
        if (n > 0)
            count += n;
    }
    if (current != Rpe->JobNumber())
        Rpe->selectJob(m_number);
    return count;
}

bool TRpeSubreports::readItem(int i)
{
    if (i == 0) {
        clearItem();
        Rpe->selectJob(0);
        return true;
    }
    // The subreport is found in the main job's sections.
    Rpe->selectJob(0);
    int16_t sectionCode = 0;
    const RpeObjectHandle object = subreportHandle(i, sectionCode);
    if (!object) {
        Rpe->selectJob(m_number);
        Rpe->ComponentError(116, QStringLiteral("Subreports.SetIndex(%1)").arg(i));
        return false;
    }
    RpeSubreportInfo info{};
    info.StructSize = sizeof info;
    Rpe->UseHandle();
    if (!dyn::RpeGetSubreportInfo(Rpe->PrintJobs(0), object, &info)) {
        Rpe->EngineError(indexContext("RpeGetSubreportInfo"));
        return false;
    }
    m_name = fixed(info.Name);
    m_nLinks = info.NLinks;
    m_onDemand = info.OnDemand != 0;
    m_isExternal = info.IsExternal != 0;
    m_reImport = info.ReImportOption != 0;
    m_links.clear();
    for (int16_t k = 0; k < info.NLinks; ++k) {
        RpeSubreportLinkInfo link{};
        link.StructSize = sizeof link;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthSubreportLinkEx(Rpe->PrintJobs(0), object, k, &link)) {
            Rpe->EngineError(indexContext("RpeGetNthSubreportLinkEx"));
            return false;
        }
        m_links << TRpeSubreportLink{fixed(link.MainReportFieldName), fixed(link.SubreportFieldName),
                                     fixed(link.ParameterFieldName)};
    }
    Rpe->ReadObjectProperties(object, m_object);
    // The job list grows to i; OpenPrintJob opens the subreport by name.
    m_number = i;
    Rpe->selectJob(i);
    return true;
}

// ---- PrintDate, Pages, Margins ----

void TRpePrintDate::Send()
{
    if (Day <= 0 && Month <= 0 && Year <= 0)
        return;
    if (!Rpe->JobReady(0))
        return;
    int16_t year = 0, month = 0, day = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetPrintDate(Rpe->JobNumber(), &year, &month, &day)) {
        Rpe->EngineError(QStringLiteral("PrintDate.Send <RpeGetPrintDate>"));
        return;
    }
    if (Year > 0)
        year = int16_t(Year);
    if (Month > 0)
        month = int16_t(Month);
    if (Day > 0)
        day = int16_t(Day);
    Rpe->UseHandle();
    if (!dyn::RpeSetPrintDate(Rpe->JobNumber(), year, month, day))
        Rpe->EngineError(QStringLiteral("PrintDate.Send <RpeSetPrintDate>"));
}

int TRpePages::StartPageNumber()
{
    if (Rpe->JobIsOpen()) {
        int16_t n = 0;
        Rpe->UseHandle();
        if (dyn::RpeGetStartPageNumber(Rpe->JobNumber(), &n))
            m_start = n;
        else
            Rpe->EngineError(QStringLiteral("Pages.GetStartPageNumber <RpeGetStartPageNumber>"));
    }
    return m_start;
}

void TRpePages::setStartPageNumber(int number)
{
    m_start = number;
    if (!Rpe->JobReady(0))
        return;
    int16_t current = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetStartPageNumber(Rpe->JobNumber(), &current)) {
        Rpe->EngineError(QStringLiteral("Pages.SetStartPageNumber <RpeGetStartPageNumber>"));
        return;
    }
    Rpe->UseHandle();
    if (current != number && !dyn::RpeSetStartPageNumber(Rpe->JobNumber(), int16_t(number)))
        Rpe->EngineError(QStringLiteral("Pages.SetStartPageNumber <RpeSetStartPageNumber>"));
}

bool TRpeMargins::read(int16_t (&m)[4], const char *operation)
{
    Rpe->UseHandle();
    if (dyn::RpeGetMargins(Rpe->JobNumber(), &m[0], &m[1], &m[2], &m[3]))
        return true;
    Rpe->EngineError(QStringLiteral("Margins.%1 <RpeGetMargins>").arg(QLatin1String(operation)));
    return false;
}

int TRpeMargins::value(int which)
{
    int *const cached[4] = {&m_left, &m_right, &m_top, &m_bottom};
    int16_t m[4];
    if (Rpe->JobIsOpen() && read(m, "Get")) {
        for (int k = 0; k < 4; ++k)
            *cached[k] = m[k];
    }
    return *cached[which];
}

void TRpeMargins::setValue(int which, int v)
{
    int *const cached[4] = {&m_left, &m_right, &m_top, &m_bottom};
    *cached[which] = v;
    int16_t m[4];
    if (!Rpe->JobReady(0) || !read(m, "Set") || m[which] == v)
        return;
    m[which] = int16_t(v);
    Rpe->UseHandle();
    if (!dyn::RpeSetMargins(Rpe->JobNumber(), m[0], m[1], m[2], m[3]))
        Rpe->EngineError(QStringLiteral("Margins.Set <RpeSetMargins>"));
}

// ---- Sort fields ----

TRpeSortFieldsBase::TRpeSortFieldsBase(TRpe *owner, const QString &familyName, bool groups)
    : TRpeContainer(owner, familyName), m_groups(groups)
{
}

int TRpeSortFieldsBase::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return m_groups ? engineCount(dyn::RpeGetNGroupSortFields(Rpe->JobNumber()), "RpeGetNGroupSortFields")
                    : engineCount(dyn::RpeGetNSortFields(Rpe->JobNumber()), "RpeGetNSortFields");
}

bool TRpeSortFieldsBase::readItem(int i)
{
    RpeTextHandle handle = nullptr;
    int16_t length = 0, direction = 0;
    Rpe->UseHandle();
    const RpeBool ok =
        m_groups ? dyn::RpeGetNthGroupSortField(Rpe->JobNumber(), int16_t(i), &handle, &length, &direction)
                 : dyn::RpeGetNthSortField(Rpe->JobNumber(), int16_t(i), &handle, &length, &direction);
    if (!ok) {
        Rpe->EngineError(indexContext(m_groups ? "RpeGetNthGroupSortField" : "RpeGetNthSortField"));
        return false;
    }
    m_fieldName = take(handle);
    m_descending = direction == RPE_SF_DESCENDING;
    return true;
}

void TRpeSortFieldsBase::clearItem()
{
    m_fieldName.clear();
    m_descending = false;
}

void TRpeSortFieldsBase::write()
{
    if (m_number < 0 || !Rpe->JobReady(m_number))
        return;
    const QByteArray name = m_fieldName.toUtf8();
    const int16_t direction = m_descending ? RPE_SF_DESCENDING : RPE_SF_ASCENDING;
    Rpe->UseHandle();
    const RpeBool ok =
        m_groups
            ? dyn::RpeSetNthGroupSortField(Rpe->JobNumber(), int16_t(m_number), name.constData(), direction)
            : dyn::RpeSetNthSortField(Rpe->JobNumber(), int16_t(m_number), name.constData(), direction);
    if (!ok)
        Rpe->EngineError(
            itemContext(QStringLiteral("Set"), m_groups ? "RpeSetNthGroupSortField" : "RpeSetNthSortField"));
}

void TRpeSortFieldsBase::setFieldName(const QString &name)
{
    m_fieldName = name;
    write();
}

void TRpeSortFieldsBase::setDescending(bool descending)
{
    m_descending = descending;
    write();
}

void TRpeSortFieldsBase::Delete(int i)
{
    if (!Rpe->JobReady(0))
        return;
    Rpe->UseHandle();
    const RpeBool ok = m_groups ? dyn::RpeDeleteNthGroupSortField(Rpe->JobNumber(), int16_t(i))
                                : dyn::RpeDeleteNthSortField(Rpe->JobNumber(), int16_t(i));
    if (!ok) {
        Rpe->EngineError(QStringLiteral("%1.Delete <%2>")
                             .arg(familyName(), QLatin1String(m_groups ? "RpeDeleteNthGroupSortField"
                                                                       : "RpeDeleteNthSortField")));
        return;
    }
    if (i == m_number)
        TRpeContainer::Clear();
}

// ---- Groups ----

TRpeGroups::TRpeGroups(TRpe *owner) : TRpeContainer(owner, QStringLiteral("Groups")) {}

int TRpeGroups::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNGroups(Rpe->JobNumber()), "RpeGetNGroups");
}

bool TRpeGroups::readItem(int i)
{
    const int16_t section = dyn::SectionCode(RPE_AREA_GROUP_HEADER, i, 0);
    RpeTextHandle handle = nullptr;
    int16_t length = 0, condition = 0, direction = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetGroupCondition(Rpe->JobNumber(), section, &handle, &length, &condition, &direction)) {
        Rpe->EngineError(indexContext("RpeGetGroupCondition"));
        return false;
    }
    m_fieldName = take(handle);
    m_condition = condition;
    m_descending = direction == RPE_SF_DESCENDING;
    return true;
}

void TRpeGroups::clearItem()
{
    m_fieldName.clear();
    m_condition = 0;
    m_descending = false;
}

// ---- SQL expressions, running totals, stored procedure parameters ----

TRpeSQLExpressions::TRpeSQLExpressions(TRpe *owner) : TRpeContainer(owner, QStringLiteral("SQLExpressions"))
{
}

int TRpeSQLExpressions::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNSQLExpressions(Rpe->JobNumber()), "RpeGetNSQLExpressions");
}

bool TRpeSQLExpressions::readItem(int i)
{
    RpeTextHandle nameHandle = nullptr, textHandle = nullptr;
    int16_t nameLength = 0, textLength = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthSQLExpression(Rpe->JobNumber(), int16_t(i), &nameHandle, &nameLength, &textHandle,
                                     &textLength)) {
        Rpe->EngineError(indexContext("RpeGetNthSQLExpression"));
        return false;
    }
    m_name = take(nameHandle);
    m_expression = take(textHandle);
    return true;
}

void TRpeSQLExpressions::clearItem()
{
    m_name.clear();
    m_expression.clear();
}

TRpeRunningTotals::TRpeRunningTotals(TRpe *owner) : TRpeContainer(owner, QStringLiteral("RunningTotals")) {}

int TRpeRunningTotals::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNRunningTotals(Rpe->JobNumber()), "RpeGetNRunningTotals");
}

bool TRpeRunningTotals::readItem(int i)
{
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthRunningTotalName(Rpe->JobNumber(), int16_t(i), &handle, &length)) {
        Rpe->EngineError(indexContext("RpeGetNthRunningTotalName"));
        return false;
    }
    m_name = take(handle);
    return true;
}

TRpeStoredProcParams::TRpeStoredProcParams(TRpe *owner)
    : TRpeContainer(owner, QStringLiteral("StoredProcParams"))
{
}

namespace {
// Engines after 6 have no stored-procedure parameter calls: such a report
// simply has none, and asking the engine would only produce the gate's box.
bool hasStoredProcParamCalls()
{
    return dyn::RpeMajor <= 6;
}
} // namespace

int TRpeStoredProcParams::Count()
{
    if (!hasStoredProcParamCalls() || !Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNParams(Rpe->JobNumber()), "RpeGetNParams");
}

bool TRpeStoredProcParams::readItem(int i)
{
    if (!hasStoredProcParamCalls()) {
        Rpe->ComponentError(116, QStringLiteral("StoredProcParams.SetIndex(%1)").arg(i));
        return false;
    }
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthParam(Rpe->JobNumber(), int16_t(i), &handle, &length)) {
        Rpe->EngineError(indexContext("RpeGetNthParam"));
        return false;
    }
    m_value = take(handle);
    return true;
}

void TRpeStoredProcParams::clearItem()
{
    m_name.clear();
    m_value.clear();
}

// ---- Report objects ----

TRpeObjectContainer::TRpeObjectContainer(TRpe *owner, const QString &familyName, int kind, int subKind)
    : TRpeContainer(owner, familyName), m_kind(kind), m_subKind(subKind)
{
}

int TRpeObjectContainer::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    return Rpe->GetNObjects(m_kind, m_subKind);
}

bool TRpeObjectContainer::readItem(int i)
{
    const RpeObjectHandle object = Rpe->GetObjectHandle(m_kind, m_subKind, i);
    if (!object) {
        Rpe->ComponentError(116, QStringLiteral("%1.SetIndex(%2)").arg(familyName()).arg(i));
        return false;
    }
    return Rpe->ReadObjectProperties(object, m_object);
}

// ---- Summary information ----

namespace {
char *summaryField(RpeReportSummaryInfo &info, TRpeSummaryInfo::Item item, std::size_t &size)
{
    switch (item) {
    case TRpeSummaryInfo::Title:
        size = sizeof info.Title;
        return info.Title;
    case TRpeSummaryInfo::Subject:
        size = sizeof info.Subject;
        return info.Subject;
    case TRpeSummaryInfo::Author:
        size = sizeof info.Author;
        return info.Author;
    case TRpeSummaryInfo::Keywords:
        size = sizeof info.Keywords;
        return info.Keywords;
    case TRpeSummaryInfo::Comments:
        size = sizeof info.Comments;
        return info.Comments;
    case TRpeSummaryInfo::Template:
        size = sizeof info.ReportTemplate;
        return info.ReportTemplate;
    case TRpeSummaryInfo::AppName:
        size = sizeof info.ApplicationName;
        return info.ApplicationName;
    }
    size = 0;
    return nullptr;
}
} // namespace

void TRpeSummaryInfo::Clear()
{
    for (QString &t : m_texts)
        t.clear();
    m_savePreviewPicture = false;
}

bool TRpeSummaryInfo::read(RpeReportSummaryInfo &info, const QString &operation)
{
    info = RpeReportSummaryInfo{};
    info.StructSize = sizeof info;
    Rpe->UseHandle();
    if (dyn::RpeGetReportSummaryInfo(Rpe->JobNumber(), &info))
        return true;
    Rpe->EngineError(QStringLiteral("SummaryInfo.%1 <RpeGetReportSummaryInfo>").arg(operation));
    return false;
}

void TRpeSummaryInfo::write(RpeReportSummaryInfo &info, const QString &operation)
{
    Rpe->UseHandle();
    if (!dyn::RpeSetReportSummaryInfo(Rpe->JobNumber(), &info))
        Rpe->EngineError(QStringLiteral("SummaryInfo.%1 <RpeSetReportSummaryInfo>").arg(operation));
}

QString TRpeSummaryInfo::text(Item item)
{
    RpeReportSummaryInfo info;
    if (dyn::RpeMajor >= 6 && Rpe->JobIsOpen() && read(info, QStringLiteral("Get"))) {
        std::size_t size = 0;
        const char *field = summaryField(info, item, size);
        m_texts[item] = RpeText::fixed(field, size);
    }
    return m_texts[item];
}

void TRpeSummaryInfo::setText(Item item, const QString &value)
{
    if (item == AppName)
        return;
    m_texts[item] = value;
    RpeReportSummaryInfo info;
    if (dyn::RpeMajor < 6 || !Rpe->JobReady(0) || !read(info, QStringLiteral("Set")))
        return;
    std::size_t size = 0;
    char *field = summaryField(info, item, size);
    if (RpeText::fixed(field, size) == value)
        return;
    RpeText::put(field, size, value);
    write(info, QStringLiteral("Set"));
}

bool TRpeSummaryInfo::SavePreviewPicture()
{
    RpeReportSummaryInfo info;
    if (dyn::RpeMajor >= 6 && Rpe->JobIsOpen() && read(info, QStringLiteral("Get")))
        m_savePreviewPicture = info.SavePreviewPicture != 0;
    return m_savePreviewPicture;
}

void TRpeSummaryInfo::setSavePreviewPicture(bool on)
{
    m_savePreviewPicture = on;
    RpeReportSummaryInfo info;
    if (dyn::RpeMajor < 6 || !Rpe->JobReady(0) || !read(info, QStringLiteral("Set")) ||
        (info.SavePreviewPicture != 0) == on)
        return;
    info.SavePreviewPicture = on ? 1 : 0;
    write(info, QStringLiteral("Set"));
}

// ---- Report options ----

namespace {
int16_t &optionField(RpeReportOptions &o, TRpeReportOptions::Option option)
{
    // The record's switches follow the header's order, one 16-bit value each.
    int16_t *first = &o.SaveDataWithReport;
    return first[option];
}
} // namespace

void TRpeReportOptions::Clear()
{
    for (int &v : m_values)
        v = 0;
}

int TRpeReportOptions::value(Option option)
{
    if (dyn::RpeMajor >= 7 && Rpe->JobIsOpen()) {
        RpeReportOptions o{};
        o.StructSize = sizeof o;
        Rpe->UseHandle();
        if (dyn::RpeGetReportOptions(Rpe->JobNumber(), &o))
            m_values[option] = optionField(o, option);
        else
            Rpe->EngineError(QStringLiteral("ReportOptions.Get <RpeGetReportOptions>"));
    }
    return m_values[option];
}

void TRpeReportOptions::setValue(Option option, int value)
{
    m_values[option] = value;
    if (dyn::RpeMajor < 7 || !Rpe->JobReady(0))
        return;
    RpeReportOptions o{};
    o.StructSize = sizeof o;
    Rpe->UseHandle();
    if (!dyn::RpeGetReportOptions(Rpe->JobNumber(), &o)) {
        Rpe->EngineError(QStringLiteral("ReportOptions.Set <RpeGetReportOptions>"));
        return;
    }
    if (optionField(o, option) == value)
        return;
    optionField(o, option) = int16_t(value);
    Rpe->UseHandle();
    if (!dyn::RpeSetReportOptions(Rpe->JobNumber(), &o))
        Rpe->EngineError(QStringLiteral("ReportOptions.Set <RpeSetReportOptions>"));
}

// ---- Global options ----

void TRpeGlobalOptions::Clear()
{
    m_more = true;
    m_match = false;
    m_text = true;
}

void TRpeGlobalOptions::send(const QString &operation)
{
    if (dyn::RpeMajor < 6 || Rpe->isLoading() || !Rpe->OpenPrintEngine())
        return;
    RpeGlobalOptions o{};
    o.StructSize = sizeof o;
    o.MorePrintEngineErrorMessages = m_more ? 1 : 0;
    o.MatchLogOnInfo = m_match ? 1 : 0;
    o.UseDefaultTextHandling = m_text ? 1 : 0;
    Rpe->UseHandle();
    if (!dyn::RpeSetGlobalOptions(0, &o))
        Rpe->EngineError(QStringLiteral("GlobalOptions.%1 <RpeSetGlobalOptions>").arg(operation));
}

void TRpeGlobalOptions::setMorePrintEngineErrorMessages(bool on)
{
    m_more = on;
    send(QStringLiteral("SetMorePrintEngineErrorMessages"));
}

void TRpeGlobalOptions::setMatchLogOnInfo(bool on)
{
    m_match = on;
    send(QStringLiteral("SetMatchLogOnInfo"));
}

void TRpeGlobalOptions::setUseDefaultTextHandling(bool on)
{
    m_text = on;
    send(QStringLiteral("SetUseDefaultTextHandling"));
}

// ---- Section sizes ----

void TRpeSectionSize::setSection(const QString &name)
{
    int16_t code = 0;
    if (!RpeUtl::StrToSectionCode(name, code)) {
        Rpe->ComponentError(360, QStringLiteral("SectionSize.Section := ") + name);
        return;
    }
    m_section = name;
}

bool TRpeSectionSize::code(int16_t &sectionCode, const QString &operation)
{
    if (m_section.isEmpty() || !Rpe->JobReady(0))
        return false;
    if (RpeUtl::StrToSectionCode(m_section, sectionCode))
        return true;
    Rpe->ComponentError(360, QStringLiteral("SectionSize.%1 <StrToSectionCode>").arg(operation));
    return false;
}

int TRpeSectionSize::Height()
{
    int16_t c = 0, h = -1;
    if (!code(c, QStringLiteral("GetHeight")))
        return -1;
    Rpe->UseHandle();
    if (!dyn::RpeGetSectionHeight(Rpe->JobNumber(), c, &h))
        Rpe->EngineError(QStringLiteral("SectionSize.GetHeight <RpeGetSectionHeight>"));
    return h;
}

void TRpeSectionSize::setHeight(int twips)
{
    int16_t c = 0;
    if (!code(c, QStringLiteral("SetHeight")) || Height() == twips)
        return;
    Rpe->UseHandle();
    if (!dyn::RpeSetSectionHeight(Rpe->JobNumber(), c, int16_t(twips)))
        Rpe->EngineError(QStringLiteral("SectionSize.SetHeight <RpeSetSectionHeight>"));
}

int TRpeSectionSize::MinimumHeight()
{
    int16_t c = 0, h = -1;
    if (dyn::RpeMajor < 7 || !code(c, QStringLiteral("GetMinimumHeight")))
        return -1;
    Rpe->UseHandle();
    if (!dyn::RpeGetMinimumSectionHeight(Rpe->JobNumber(), c, &h))
        Rpe->EngineError(QStringLiteral("SectionSize.GetMinimumHeight <RpeGetMinimumSectionHeight>"));
    return h;
}

void TRpeSectionSize::setMinimumHeight(int twips)
{
    int16_t c = 0;
    if (dyn::RpeMajor < 7 || !code(c, QStringLiteral("SetMinimumHeight")) || MinimumHeight() == twips)
        return;
    Rpe->UseHandle();
    if (!dyn::RpeSetMinimumSectionHeight(Rpe->JobNumber(), c, int16_t(twips)))
        Rpe->EngineError(QStringLiteral("SectionSize.SetMinimumHeight <RpeSetMinimumSectionHeight>"));
}

int TRpeSectionSize::Width()
{
    int16_t c = 0, w = -1;
    if (!code(c, QStringLiteral("GetWidth")))
        return -1;
    Rpe->UseHandle();
    if (!dyn::RpeGetSectionWidth(Rpe->JobNumber(), c, &w))
        Rpe->EngineError(QStringLiteral("SectionSize.GetWidth <RpeGetSectionWidth>"));
    return w;
}

// ---- Session information ----

TRpeSessionInfo::TRpeSessionInfo(TRpe *owner) : TRpeContainer(owner, QStringLiteral("SessionInfo")) {}

int TRpeSessionInfo::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNTables(Rpe->JobNumber()), "RpeGetNTables");
}

bool TRpeSessionInfo::readItem(int i)
{
    RpeSessionInfo info{};
    info.StructSize = sizeof info;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthTableSessionInfo(Rpe->JobNumber(), int16_t(i), &info)) {
        Rpe->EngineError(indexContext("RpeGetNthTableSessionInfo"));
        return false;
    }
    m_userId = fixed(info.UserID);
    m_password = fixed(info.Password);
    return true;
}

void TRpeSessionInfo::clearItem()
{
    m_userId.clear();
    m_password.clear();
}

// ---- Section and area formats ----

TRpeFormatBase::TRpeFormatBase(TRpe *owner, const QString &familyName, bool area)
    : TRpePersistent(owner), m_familyName(familyName), m_area(area)
{
}

void TRpeFormatBase::setName(const QString &name)
{
    int16_t c = 0;
    if (!RpeUtl::StrToSectionCode(name, c)) {
        Rpe->ComponentError(360, QStringLiteral("%1 := %2").arg(m_familyName, name));
        return;
    }
    m_name = name;
}

bool TRpeFormatBase::code(int16_t &sectionCode, const QString &operation)
{
    if (m_name.isEmpty() || !Rpe->JobReady(0))
        return false;
    if (RpeUtl::StrToSectionCode(m_name, sectionCode))
        return true;
    Rpe->ComponentError(360, QStringLiteral("%1.%2 <StrToSectionCode>").arg(m_familyName, operation));
    return false;
}

bool TRpeFormatBase::read(RpeSectionOptions &o, const QString &operation)
{
    int16_t c = 0;
    if (!code(c, operation))
        return false;
    o = RpeSectionOptions{};
    o.StructSize = sizeof o;
    Rpe->UseHandle();
    if (m_area ? dyn::RpeGetAreaFormat(Rpe->JobNumber(), c, &o)
               : dyn::RpeGetSectionFormat(Rpe->JobNumber(), c, &o))
        return true;
    Rpe->EngineError(
        QStringLiteral("%1.%2 <%3>")
            .arg(m_familyName, operation, QLatin1String(m_area ? "RpeGetAreaFormat" : "RpeGetSectionFormat")),
        Rpe->IgnoreRPEBugs() ? Rpe->rpeBugCodes() : QList<int>());
    return false;
}

void TRpeFormatBase::write(RpeSectionOptions &o, const QString &operation)
{
    int16_t c = 0;
    if (!code(c, operation))
        return;
    Rpe->UseHandle();
    if (!(m_area ? dyn::RpeSetAreaFormat(Rpe->JobNumber(), c, &o)
                 : dyn::RpeSetSectionFormat(Rpe->JobNumber(), c, &o)))
        Rpe->EngineError(QStringLiteral("%1.%2 <%3>")
                             .arg(m_familyName, operation,
                                  QLatin1String(m_area ? "RpeSetAreaFormat" : "RpeSetSectionFormat")),
                         Rpe->IgnoreRPEBugs() ? Rpe->rpeBugCodes() : QList<int>());
}

namespace {
// The record field of a switch; Suppress and Hide are stored inverted.
int16_t &formatField(RpeSectionOptions &o, TRpeFormatBase::Option option, bool &inverted)
{
    inverted = option == TRpeFormatBase::Suppress || option == TRpeFormatBase::Hide;
    switch (option) {
    case TRpeFormatBase::Suppress:
        return o.Visible;
    case TRpeFormatBase::NewPageBefore:
        return o.NewPageBefore;
    case TRpeFormatBase::NewPageAfter:
        return o.NewPageAfter;
    case TRpeFormatBase::KeepTogether:
        return o.KeepTogether;
    case TRpeFormatBase::SuppressBlankSection:
        return o.SuppressBlankSection;
    case TRpeFormatBase::ResetPageNAfter:
        return o.ResetPageNAfter;
    case TRpeFormatBase::PrintAtBottomOfPage:
        return o.PrintAtBottomOfPage;
    case TRpeFormatBase::UnderlaySection:
        return o.UnderlaySection;
    case TRpeFormatBase::FreeFormPlacement:
        return o.FreeFormPlacement;
    case TRpeFormatBase::Hide:
        return o.ShowArea;
    case TRpeFormatBase::ReserveMinimumPageFooter:
        return o.ReserveMinimumPageFooter;
    }
    return o.Visible;
}
} // namespace

bool TRpeFormatBase::value(Option option)
{
    RpeSectionOptions o;
    if (!read(o, QStringLiteral("Get")))
        return false;
    bool inverted = false;
    const bool on = formatField(o, option, inverted) != 0;
    return inverted ? !on : on;
}

void TRpeFormatBase::setValue(Option option, bool on)
{
    RpeSectionOptions o;
    if (!read(o, QStringLiteral("Set")))
        return;
    bool inverted = false;
    int16_t &field = formatField(o, option, inverted);
    const int16_t wanted = (inverted ? !on : on) ? 1 : 0;
    if ((field != 0) == (wanted != 0))
        return;
    field = wanted;
    write(o, QStringLiteral("Set"));
}

uint32_t TRpeFormatBase::BackgroundColor()
{
    RpeSectionOptions o;
    return read(o, QStringLiteral("GetBackgroundColor")) ? uint32_t(o.BackgroundColor) : 0;
}

void TRpeFormatBase::setBackgroundColor(uint32_t color)
{
    RpeSectionOptions o;
    if (!read(o, QStringLiteral("SetBackgroundColor")) || o.BackgroundColor == color)
        return;
    o.BackgroundColor = color;
    write(o, QStringLiteral("SetBackgroundColor"));
}

QString TRpeFormatBase::Formula(int formulaName)
{
    int16_t c = 0;
    if (!code(c, QStringLiteral("Formulas")))
        return {};
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    const RpeBool ok =
        m_area ? dyn::RpeGetAreaFormatFormula(Rpe->JobNumber(), c, int16_t(formulaName), &handle, &length)
               : dyn::RpeGetSectionFormatFormula(Rpe->JobNumber(), c, int16_t(formulaName), &handle, &length);
    if (!ok) {
        Rpe->EngineError(QStringLiteral("%1.Formulas <%2>")
                             .arg(m_familyName, QLatin1String(m_area ? "RpeGetAreaFormatFormula"
                                                                     : "RpeGetSectionFormatFormula")));
        return {};
    }
    return take(handle);
}

void TRpeFormatBase::setFormula(int formulaName, const QString &text)
{
    if (Formula(formulaName) == text)
        return;
    int16_t c = 0;
    if (!code(c, QStringLiteral("Formulas")))
        return;
    const QByteArray bytes = text.toUtf8();
    Rpe->UseHandle();
    const RpeBool ok =
        m_area
            ? dyn::RpeSetAreaFormatFormula(Rpe->JobNumber(), c, int16_t(formulaName), bytes.constData())
            : dyn::RpeSetSectionFormatFormula(Rpe->JobNumber(), c, int16_t(formulaName), bytes.constData());
    if (!ok)
        Rpe->EngineError(QStringLiteral("%1.Formulas <%2>")
                             .arg(m_familyName, QLatin1String(m_area ? "RpeSetAreaFormatFormula"
                                                                     : "RpeSetSectionFormatFormula")));
}

int TRpeAreaFormat::NSections()
{
    int16_t c = 0;
    if (m_name.isEmpty() || !Rpe->JobReady(0) || !RpeUtl::StrToSectionCode(m_name, c))
        return 0;
    Rpe->UseHandle();
    const int16_t n = dyn::RpeGetNSectionsInArea(Rpe->JobNumber(), c);
    if (n < 0) {
        Rpe->EngineError(QStringLiteral("AreaFormat.NSections <RpeGetNSectionsInArea>"));
        return 0;
    }
    return n;
}

// ---- Section font ----

void TRpeSectionFont::Clear()
{
    Section.clear();
    ScopeCode = AllObjects;
    Name.clear();
    Pitch = Family = CharSet = Size = Weight = 0;
    Italic = Underlined = StrikeThrough = false;
}

bool TRpeSectionFont::Send()
{
    int16_t c = 0;
    if (Section.isEmpty() || !Rpe->JobReady(0))
        return false;
    if (!RpeUtl::StrToSectionCode(Section, c)) {
        Rpe->ComponentError(360, QStringLiteral("SectionFont.Send <StrToSectionCode>"));
        return false;
    }
    const QByteArray face = Name.toUtf8();
    Rpe->UseHandle();
    if (!dyn::RpeSetFont(Rpe->JobNumber(), c, int16_t(ScopeCode), face.constData(), int16_t(Family),
                         int16_t(Pitch), int16_t(CharSet), int16_t(Size), Italic ? 1 : 0, Underlined ? 1 : 0,
                         StrikeThrough ? 1 : 0, int16_t(Weight))) {
        Rpe->EngineError(QStringLiteral("SectionFont.Send <RpeSetFont>"));
        return false;
    }
    return true;
}

// ---- Servers logged on ----

TRpeLogOnServer::TRpeLogOnServer(TRpe *owner) : TRpeContainer(owner, QStringLiteral("LogOnServer")) {}

void TRpeLogOnServer::Clear()
{
    TRpeContainer::Clear();
    m_servers.clear();
}

bool TRpeLogOnServer::canSelect() const
{
    return !Rpe->isLoading();
}

int TRpeLogOnServer::Add(const Server &server)
{
    m_servers << server;
    return int(m_servers.size()) - 1;
}

bool TRpeLogOnServer::readItem(int i)
{
    if (i >= m_servers.size()) {
        Rpe->ComponentError(116, QStringLiteral("LogOnServer[%1]").arg(i));
        return false;
    }
    // A server entry is about the engine, not a report: the engine opens.
    if (!Rpe->OpenPrintEngine())
        return false;
    m_item = m_servers.at(i);
    return true;
}

bool TRpeLogOnServer::LogOff()
{
    if (m_number < 0 || m_number >= m_servers.size() || !Rpe->OpenPrintEngine())
        return false;
    RpeLogOnInfo info{};
    info.StructSize = sizeof info;
    RpeText::put(info.ServerName, m_item.ServerName);
    RpeText::put(info.DatabaseName, m_item.DatabaseName);
    RpeText::put(info.UserID, m_item.UserID);
    RpeText::put(info.Password, m_item.Password);
    const QByteArray dll = m_item.DLLName.toUtf8();
    Rpe->UseHandle();
    if (!dyn::RpeLogOffServer(dll.constData(), &info)) {
        Rpe->EngineError(QStringLiteral("LogOnServer[%1].LogOff <RpeLogOffServer>").arg(m_number));
        return false;
    }
    m_servers[m_number].LoggedOn = false;
    m_item.LoggedOn = false;
    return true;
}
