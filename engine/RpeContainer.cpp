#include "engine/RpeContainer.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"
#include "printengine/RpeTextHandle.h"

#include <QFileInfo>
#include <QHash>

#include <cstring>

namespace dyn = RpeDynamic;

// ---- Texts ----

namespace RpeText {

QString take(RpeTextHandle handle)
{
    const char *text = rpeTextHandleLock(handle);
    const QString result = QString::fromUtf8(text ? text : "");
    rpeTextHandleUnlock(handle);
    rpeTextHandleFree(handle);
    return result;
}

QString fixed(const char *field, std::size_t size)
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, size)));
}

void put(char *field, std::size_t size, const QString &text)
{
    std::memset(field, 0, size);
    QByteArray bytes = text.toUtf8();
    // Cut on a character boundary so that the field stays valid UTF-8.
    qsizetype n = std::min<qsizetype>(bytes.size(), qsizetype(size) - 1);
    while (n > 0 && n < bytes.size() && (uchar(bytes[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(field, bytes.constData(), size_t(n));
}

QStringList lines(const QString &text)
{
    if (text.isEmpty())
        return {};
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
}

} // namespace RpeText

// ---- Containers ----

TRpeContainer::TRpeContainer(TRpe *owner, const QString &familyName)
    : TRpePersistent(owner), m_familyName(familyName)
{
}

void TRpeContainer::Clear()
{
    m_number = -1;
    clearItem();
}

bool TRpeContainer::canSelect() const
{
    return !Rpe->isLoading() && !RpeUtl::IsBlank(Rpe->ReportName()) && QFileInfo::exists(Rpe->ReportName());
}

void TRpeContainer::setNumber(int i)
{
    if (!canSelect())
        return;
    if (i < 0) {
        m_number = -1;
        clearItem();
        return;
    }
    if (!Rpe->OpenPrintJob())
        return;
    if (!readItem(i))
        return;
    m_number = i;
}

QString TRpeContainer::itemContext(const QString &operation, const char *entryPoint) const
{
    return QStringLiteral("%1[%2].%3 <%4>")
        .arg(m_familyName)
        .arg(m_number)
        .arg(operation, QString::fromLatin1(entryPoint));
}

QString TRpeContainer::indexContext(const char *entryPoint) const
{
    return QStringLiteral("%1.SetIndex <%2>").arg(m_familyName, QString::fromLatin1(entryPoint));
}

int TRpeContainer::engineCount(int16_t n, const char *entryPoint)
{
    if (n < 0) {
        Rpe->EngineError(QStringLiteral("%1.Count <%2>").arg(m_familyName, QString::fromLatin1(entryPoint)));
        return 0;
    }
    return n;
}

// ---- Report-object lookups ----

QList<TRpe::SectionEntry> TRpe::GetSectionCodes()
{
    QList<SectionEntry> result;
    if (!JobIsOpen())
        return result;
    UseHandle();
    const int16_t n = dyn::RpeGetNSections(m_jobNumber);
    if (n < 0) {
        EngineError(QStringLiteral("GetSectionCodes <RpeGetNSections>"));
        return result;
    }
    QList<int16_t> codes;
    for (int16_t i = 0; i < n; ++i) {
        UseHandle();
        const int16_t code = dyn::RpeGetSectionCode(m_jobNumber, i);
        if (code < 0) {
            EngineError(QStringLiteral("GetSectionCodes <RpeGetSectionCode>"));
            return {};
        }
        if (!codes.contains(code))
            codes << code;
    }
    // Sections per area and group, so that a single section loses its letter.
    QHash<int, int> perArea;
    for (int16_t code : codes)
        ++perArea[code - dyn::SectionN(code) * 25];
    auto phase = [](int16_t code) {
        const int area = dyn::SectionAreaType(code);
        return area <= RPE_AREA_DETAIL ? 0 : area == RPE_AREA_GROUP_FOOTER ? 1 : 2;
    };
    for (int p = 0; p < 3; ++p) {
        for (int16_t code : codes) {
            if (phase(code) != p)
                continue;
            QString name = RpeUtl::SectionName(code);
            if (perArea.value(code - dyn::SectionN(code) * 25) == 1 && !name.isEmpty())
                name.chop(1);
            result << SectionEntry{code, name};
        }
    }
    return result;
}

namespace {

// Walks the objects of the current job in section order until visit says stop.
template <typename Visit> void walkObjects(TRpe &rpe, Visit visit)
{
    const int16_t job = rpe.JobNumber();
    for (const TRpe::SectionEntry &section : rpe.GetSectionCodes()) {
        rpe.UseHandle();
        const int16_t n = dyn::RpeGetNObjectsInSection(job, section.code);
        for (int16_t i = 0; i < n; ++i) {
            rpe.UseHandle();
            const RpeObjectHandle object = dyn::RpeGetNthObjectInSection(job, section.code, i);
            if (!object)
                continue;
            RpeObjectInfo info{};
            info.StructSize = sizeof info;
            rpe.UseHandle();
            if (!dyn::RpeGetObjectInfo(job, object, &info))
                continue;
            if (!visit(object, info))
                return;
        }
    }
}

bool fieldInfo(TRpe &rpe, RpeObjectHandle object, RpeFieldObjectInfo &info)
{
    info = RpeFieldObjectInfo{};
    info.StructSize = sizeof info;
    rpe.UseHandle();
    if (dyn::RpeGetFieldObjectInfo(rpe.JobNumber(), object, &info))
        return true;
    rpe.EngineError(QStringLiteral("GetNObjects <RpeGetFieldObjectInfo>"), {515});
    return false;
}

// Whether an object is of the kind (and, for field objects, the subkind).
bool isOfKind(TRpe &rpe, RpeObjectHandle object, const RpeObjectInfo &info, int kind, int subKind)
{
    if (info.ObjectType != kind)
        return false;
    if (kind != RPE_OBJ_FIELD || subKind == 0)
        return true;
    RpeFieldObjectInfo field;
    return fieldInfo(rpe, object, field) && field.FieldType == subKind;
}

} // namespace

int TRpe::GetNObjects(int kind, int subKind)
{
    int count = 0;
    walkObjects(*this, [&](RpeObjectHandle object, const RpeObjectInfo &info) {
        if (isOfKind(*this, object, info, kind, subKind))
            ++count;
        return true;
    });
    return count;
}

RpeObjectHandle TRpe::GetObjectHandle(int kind, int subKind, int index)
{
    RpeObjectHandle found = 0;
    int seen = 0;
    walkObjects(*this, [&](RpeObjectHandle object, const RpeObjectInfo &info) {
        if (!isOfKind(*this, object, info, kind, subKind))
            return true;
        if (seen++ == index) {
            found = object;
            return false;
        }
        return true;
    });
    return found;
}

RpeObjectHandle TRpe::GetFieldObjectHandle(const QString &fieldName)
{
    RpeObjectHandle found = 0;
    walkObjects(*this, [&](RpeObjectHandle object, const RpeObjectInfo &info) {
        if (info.ObjectType != RPE_OBJ_FIELD)
            return true;
        RpeFieldObjectInfo field;
        if (fieldInfo(*this, object, field) &&
            RpeText::fixed(field.FieldName).compare(fieldName, Qt::CaseInsensitive) == 0) {
            found = object;
            return false;
        }
        return true;
    });
    return found;
}

void TRpe::ReadFieldObject(const QString &name, const QString &family, TRpeObjectItem &properties)
{
    properties.clear();
    if (const RpeObjectHandle object = GetFieldObjectHandle(RpeUtl::FieldNameInBraces(name, family)))
        ReadObjectProperties(object, properties);
}

TRpeFieldValueType TRpe::GetFieldTypeFromName(const QString &fieldName)
{
    TRpeObjectItem properties;
    const RpeObjectHandle object = GetFieldObjectHandle(fieldName);
    if (!object || !ReadObjectProperties(object, properties))
        return fvUnknown;
    return properties.FieldType;
}

bool TRpe::ReadObjectProperties(RpeObjectHandle object, TRpeObjectItem &properties)
{
    properties.clear();
    if (!object)
        return false;
    RpeObjectInfo info{};
    info.StructSize = sizeof info;
    UseHandle();
    if (!dyn::RpeGetObjectInfo(m_jobNumber, object, &info)) {
        EngineError(QStringLiteral("GetObjectInfo <RpeGetObjectInfo>"));
        return false;
    }
    properties.Handle = object;
    properties.Left = info.XOffset;
    properties.Top = info.YOffset;
    properties.Width = info.Width;
    properties.Height = info.Height;
    properties.Section = RpeUtl::SectionName(info.SectionCode);
    for (const SectionEntry &section : GetSectionCodes())
        if (section.code == info.SectionCode)
            properties.Section = section.name;
    if (info.ObjectType == RPE_OBJ_FIELD) {
        RpeFieldObjectInfo field;
        if (fieldInfo(*this, object, field)) {
            properties.FieldName = RpeText::fixed(field.FieldName);
            properties.FieldType = RpeUtl::FieldValueTypeOf(field.ValueType);
            properties.FieldLength = field.NBytes;
        }
    }
    return true;
}

void TRpe::ClearReportFamilies()
{
    const QString name = m_reportName;
    m_reportName.clear();
    TRpePersistent *const families[] = {m_PrintDate.get(),
                                        m_SummaryInfo.get(),
                                        m_Graphs.get(),
                                        m_SortFields.get(),
                                        m_GroupSortFields.get(),
                                        m_Groups.get(),
                                        m_Margins.get(),
                                        m_ReportOptions.get(),
                                        m_AreaFormat.get(),
                                        m_SectionSize.get(),
                                        m_SectionFont.get(),
                                        m_SectionFormat.get(),
                                        m_Selection.get(),
                                        m_GroupSelection.get(),
                                        m_SessionInfo.get(),
                                        m_Connect.get(),
                                        m_LogOnInfo.get(),
                                        m_SQL.get(),
                                        m_SQLExpressions.get(),
                                        m_StoredProcParams.get(),
                                        m_Tables.get(),
                                        m_DatabaseFields.get(),
                                        m_Formulas.get(),
                                        m_SummaryFields.get(),
                                        m_SpecialFields.get(),
                                        m_GroupNameFields.get(),
                                        m_ParamFields.get(),
                                        m_RunningTotals.get(),
                                        m_TextObjects.get(),
                                        m_Lines.get(),
                                        m_Boxes.get(),
                                        m_OleObjects.get(),
                                        m_CrossTabs.get(),
                                        m_Pictures.get(),
                                        m_Maps.get(),
                                        m_OLAPCubes.get()};
    for (TRpePersistent *family : families)
        family->Clear();
    m_reportName = name;
}
