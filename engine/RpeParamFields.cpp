#include "engine/RpeParamFields.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"

#include <QFileInfo>

#include <cstring>

namespace dyn = RpeDynamic;
using RpeText::fixed;
using RpeText::take;

namespace {

// Current values, ranges and prompt values of a parameter without any.
const QList<int> noValuesCodes = {656};

RpeValueInfo valueRecord(int type)
{
    RpeValueInfo v{};
    v.StructSize = sizeof v;
    v.ValueType = uint16_t(type);
    return v;
}

int conversionError(int type)
{
    switch (type) {
    case RPE_VI_NUMBER:
        return 292;
    case RPE_VI_CURRENCY:
        return 293;
    case RPE_VI_BOOLEAN:
        return 294;
    case RPE_VI_DATE:
        return 296;
    case RPE_VI_DATETIME:
        return 298;
    case RPE_VI_TIME:
        return 299;
    default:
        return 297;
    }
}

// Whether two value texts of a parameter type stand for the same value.
bool sameValue(int type, const QString &a, const QString &b)
{
    switch (type) {
    case RPE_VI_BOOLEAN:
        return RpeUtl::StrToBoolean(a) == RpeUtl::StrToBoolean(b);
    case RPE_VI_DATE: {
        QDate x, y;
        return RpeUtl::StrToDateValue(a, x) && RpeUtl::StrToDateValue(b, y) && x == y;
    }
    case RPE_VI_DATETIME: {
        QDateTime x, y;
        return RpeUtl::StrToDateTimeValue(a, x) && RpeUtl::StrToDateTimeValue(b, y) && x == y;
    }
    case RPE_VI_TIME: {
        QTime x, y;
        return RpeUtl::StrToTimeValue(a, x) && RpeUtl::StrToTimeValue(b, y) && x == y;
    }
    default:
        return a == b;
    }
}

} // namespace

// ---- Container ----

TRpeParamFields::TRpeParamFields(TRpe *owner) : TRpeContainer(owner, QStringLiteral("ParamFields")) {}

void TRpeParamFields::Clear()
{
    if (RpeUtl::IsBlank(Rpe->ReportName()) || !QFileInfo::exists(Rpe->ReportName()))
        TRpeContainer::Clear();
    m_names.clear();
}

int TRpeParamFields::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    return engineCount(dyn::RpeGetNParameterFields(Rpe->JobNumber()), "RpeGetNParameterFields");
}

TRpeParamFieldsItem &TRpeParamFields::operator[](int i)
{
    setNumber(i);
    return m_item;
}

void TRpeParamFields::setName(const QString &name)
{
    if (RpeUtl::IsBlank(name) || Rpe->isLoading()) {
        setNumber(-1);
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
        m_names.clear();
        const int n = Count();
        for (int k = 0; k < n; ++k) {
            RpeParameterFieldInfo info{};
            info.StructSize = sizeof info;
            Rpe->UseHandle();
            if (!dyn::RpeGetNthParameterField(Rpe->JobNumber(), int16_t(k), &info)) {
                Rpe->EngineError(QStringLiteral("ParamFields.Name <RpeGetNthParameterField>"));
                return;
            }
            m_names << fixed(info.Name);
        }
        i = indexOf();
    }
    if (i < 0) {
        Rpe->ComponentError(120, QStringLiteral("ParamFields.Name := ") + name);
        return;
    }
    setNumber(i);
}

bool TRpeParamFields::readItem(int i)
{
    const int16_t job = Rpe->JobNumber();
    RpeParameterFieldInfo info{};
    info.StructSize = sizeof info;
    Rpe->UseHandle();
    if (!dyn::RpeGetNthParameterField(job, int16_t(i), &info)) {
        Rpe->EngineError(indexContext("RpeGetNthParameterField"));
        return false;
    }
    TRpeParamFieldsItem &it = m_item;
    it.clear();
    it.m_name = fixed(info.Name);
    it.m_reportName = fixed(info.ReportName);
    it.m_prompt = fixed(info.Prompt);
    it.m_editMask = fixed(info.EditMask);
    it.m_needsCurrentValue = info.NeedsCurrentValue != 0;
    it.m_type = info.ValueType <= pfStringHandle ? TRpeParamFieldType(info.ValueType) : pfNoValue;
    auto valueText = [&](char *field, bool set) {
        if (!set)
            return QString();
        RpeValueInfo v = valueRecord(info.ValueType);
        Rpe->UseHandle();
        if (!dyn::RpeConvertPFInfoToVInfo(field, int16_t(info.ValueType), &v))
            return QString();
        return RpeUtl::ValueInfoToStr(v);
    };
    it.m_promptValue = valueText(info.DefaultValue, info.DefaultValueSet != 0);
    it.m_currentValue = valueText(info.CurrentValue, info.CurrentValueSet != 0);
    it.m_showDialog = info.CurrentValueSet == 0;
    m_nameBytes = info.Name;
    m_reportBytes = info.ReportName;

    if (dyn::RpeMajor >= 7) {
        const char *name = m_nameBytes.constData();
        const char *report = m_reportBytes.constData();
        Rpe->UseHandle();
        m_allowDialog = dyn::RpeGetAllowPromptDialog(job) != 0;
        RpeValueInfo minValue = valueRecord(info.ValueType), maxValue = valueRecord(info.ValueType);
        Rpe->UseHandle();
        if (dyn::RpeGetParameterMinMaxValue(job, name, report, &minValue, &maxValue)) {
            it.m_valueLimit = info.IsLimited != 0;
            it.m_valueMin =
                minValue.ValueType == RPE_VI_NOVALUE ? QString() : RpeUtl::ValueInfoToStr(minValue);
            it.m_valueMax =
                maxValue.ValueType == RPE_VI_NOVALUE ? QString() : RpeUtl::ValueInfoToStr(maxValue);
        } else {
            Rpe->EngineError(indexContext("RpeGetParameterMinMaxValue"), noValuesCodes);
        }
        Rpe->UseHandle();
        const int16_t source = dyn::RpeGetNthParameterType(job, int16_t(i));
        it.m_source = source >= psReport && source <= psQuery ? TRpeParamFieldSource(source) : psReport;
        RpeParameterValueInfo valueInfo{};
        valueInfo.StructSize = sizeof valueInfo;
        Rpe->UseHandle();
        if (dyn::RpeGetParameterValueInfo(job, name, report, &valueInfo)) {
            it.m_info.AllowNull = valueInfo.AllowNull != 0;
            it.m_info.AllowEditing = valueInfo.AllowEditing != 0;
            it.m_info.AllowMultipleValues = valueInfo.AllowMultipleValues != 0;
            it.m_info.ValueType = valueInfo.ValueKind == RPE_PV_RANGE      ? vtRange
                                  : valueInfo.ValueKind == RPE_PV_DISCRETE ? vtDiscrete
                                                                           : vtDiscreteAndRange;
            it.m_info.PartOfGroup = valueInfo.PartOfGroup != 0;
            it.m_info.MutuallyExclusiveGroup = valueInfo.MutuallyExclusiveGroup != 0;
            it.m_info.GroupNum = valueInfo.GroupNum;
        } else {
            Rpe->EngineError(indexContext("RpeGetParameterValueInfo"));
            return false;
        }
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        Rpe->UseHandle();
        if (dyn::RpeGetParameterBrowseField(job, name, report, &handle, &length))
            it.m_browseField = take(handle);
    }
    if (ObjectPropertiesActive)
        Rpe->ReadFieldObject(it.m_name, familyName(), it.m_object);
    return true;
}

bool TRpeParamFields::AllowDialog()
{
    if (dyn::RpeMajor >= 7 && Rpe->JobIsOpen()) {
        Rpe->UseHandle();
        m_allowDialog = dyn::RpeGetAllowPromptDialog(Rpe->JobNumber()) != 0;
    }
    return m_allowDialog;
}

void TRpeParamFields::setAllowDialog(bool allow)
{
    m_allowDialog = allow;
    if (dyn::RpeMajor < 7 || !Rpe->JobReady(0))
        return;
    Rpe->UseHandle();
    if ((dyn::RpeGetAllowPromptDialog(Rpe->JobNumber()) != 0) == allow)
        return;
    Rpe->UseHandle();
    if (!dyn::RpeSetAllowPromptDialog(Rpe->JobNumber(), allow ? 1 : 0))
        Rpe->EngineError(QStringLiteral("ParamFields.SetAllowDialog <RpeSetAllowPromptDialog>"));
}

bool TRpeParamFields::listReady()
{
    return m_number >= 0 && dyn::RpeMajor >= 7 && Rpe->JobReady(m_number);
}

QString TRpeParamFields::listContext(const QString &list, int i, const QString &operation,
                                     const char *entryPoint) const
{
    const QString index = i >= 0 ? QStringLiteral("[%1]").arg(i) : QString();
    return QStringLiteral("ParamFields[%1].%2%3.%4 <%5>")
        .arg(m_number)
        .arg(list, index, operation, QString::fromLatin1(entryPoint));
}

// ---- Item ----

TRpeParamFieldsItem::TRpeParamFieldsItem(TRpeParamFields *owner)
    : m_owner(owner), m_currentValues(owner), m_ranges(owner), m_promptValues(owner)
{
}

void TRpeParamFieldsItem::clear()
{
    m_name.clear();
    m_reportName.clear();
    m_prompt.clear();
    m_editMask.clear();
    m_needsCurrentValue = false;
    m_type = pfNoValue;
    m_source = psReport;
    m_promptValue.clear();
    m_currentValue.clear();
    m_showDialog = false;
    m_info = TRpeParamFieldInfo();
    m_valueLimit = false;
    m_valueMin.clear();
    m_valueMax.clear();
    m_browseField.clear();
    m_object.clear();
}

void TRpeParamFieldsItem::setCurrentValue(const QString &value)
{
    m_currentValue = value.left(256);
    const int i = m_owner->Number();
    TRpe *rpe = m_owner->Rpe;
    if (i < 0 || !rpe->JobReady(i) || m_info.ValueType == vtRange)
        return;
    const int16_t job = rpe->JobNumber();
    const QString path = QStringLiteral("ParamFields[%1].").arg(i);
    RpeParameterFieldInfo info{};
    info.StructSize = sizeof info;
    rpe->UseHandle();
    if (!dyn::RpeGetNthParameterField(job, int16_t(i), &info)) {
        rpe->EngineError(path + QStringLiteral("SetCurrentValue <RpeGetNthParameterField>"));
        return;
    }
    const int type = info.ValueType;
    QString old;
    if (info.CurrentValueSet) {
        RpeValueInfo v = valueRecord(type);
        rpe->UseHandle();
        if (dyn::RpeConvertPFInfoToVInfo(info.CurrentValue, int16_t(type), &v))
            old = RpeUtl::ValueInfoToStr(v);
    }
    if (!old.isEmpty() && sameValue(type, old, m_currentValue))
        return;

    RpeValueInfo v = valueRecord(type);
    if (!RpeUtl::StrToValueInfo(m_currentValue, v)) {
        rpe->ComponentError(conversionError(type), path + QStringLiteral("SetCurrentValue <StrToValueInfo>"));
        return;
    }
    int16_t convertedType = int16_t(type);
    rpe->UseHandle();
    if (!dyn::RpeConvertVInfoToPFInfo(&v, &convertedType, info.CurrentValue)) {
        rpe->EngineError(path + QStringLiteral("SetCurrentValue <RpeConvertVInfoToPFInfo>"));
        return;
    }
    if (dyn::RpeMajor >= 7 && type != RPE_VI_BOOLEAN) {
        TRpeParamCurrentValues &values = m_currentValues;
        if (values.Count() > 0) {
            if (!sameValue(type, values.Text(0), m_currentValue))
                values.setText(0, m_currentValue);
        } else {
            values.Add(m_currentValue);
        }
        return;
    }
    info.CurrentValueSet = 1;
    rpe->UseHandle();
    if (!dyn::RpeSetNthParameterField(job, int16_t(i), &info))
        rpe->EngineError(path + QStringLiteral("SetCurrentValue <RpeSetNthParameterField>"));
}

void TRpeParamFieldsItem::setShowDialog(bool show)
{
    m_showDialog = show;
    const int i = m_owner->Number();
    TRpe *rpe = m_owner->Rpe;
    if (!show || i < 0 || !rpe->JobReady(i))
        return;
    if (dyn::RpeMajor >= 7) {
        m_currentValues.Clear();
        return;
    }
    // Older engines forget every saved value: the other parameters get theirs
    // back.
    rpe->UseHandle();
    if (!dyn::RpeDiscardSavedData(rpe->JobNumber())) {
        rpe->EngineError(QStringLiteral("ParamFields[%1].SetShowDialog <RpeDiscardSavedData>").arg(i));
        return;
    }
    const int n = m_owner->Count();
    QList<QPair<int, QString>> others;
    for (int k = 0; k < n; ++k) {
        if (k == i)
            continue;
        m_owner->setNumber(k);
        if (!m_owner->Item().CurrentValue().isEmpty())
            others << qMakePair(k, m_owner->Item().CurrentValue());
    }
    for (const auto &other : others) {
        m_owner->setNumber(other.first);
        m_owner->Item().setCurrentValue(other.second);
    }
    m_owner->setNumber(i);
}

// ---- Current values ----

int TRpeParamCurrentValues::Count()
{
    if (!m_owner->listReady())
        return 0;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    const int16_t n = dyn::RpeGetNParameterCurrentValues(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                         m_owner->m_reportBytes.constData());
    if (n < 0) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("CurrentValues"), -1, QStringLiteral("Count"),
                                              "RpeGetNParameterCurrentValues"),
                         noValuesCodes);
        return 0;
    }
    return n;
}

QString TRpeParamCurrentValues::Text(int i)
{
    if (!m_owner->listReady())
        return {};
    TRpe *rpe = m_owner->Rpe;
    RpeValueInfo v = valueRecord(RPE_VI_STRING);
    rpe->UseHandle();
    if (!dyn::RpeGetNthParameterCurrentValue(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                             m_owner->m_reportBytes.constData(), int16_t(i), &v)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("CurrentValues"), i, QStringLiteral("GetText"),
                                              "RpeGetNthParameterCurrentValue"),
                         noValuesCodes);
        return {};
    }
    return RpeUtl::ValueInfoToStr(v);
}

int TRpeParamCurrentValues::Add(const QString &text)
{
    TRpeParamFieldsItem &item = m_owner->Item();
    if (!m_owner->listReady() || item.ParamType() == pfBoolean)
        return -1;
    TRpe *rpe = m_owner->Rpe;
    RpeValueInfo v = valueRecord(item.ParamType());
    if (!RpeUtl::StrToValueInfo(text, v)) {
        rpe->ComponentError(305, m_owner->listContext(QStringLiteral("CurrentValues"), -1,
                                                      QStringLiteral("Add"), "StrToValueInfo"));
        return -1;
    }
    rpe->UseHandle();
    if (!dyn::RpeAddParameterCurrentValue(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                          m_owner->m_reportBytes.constData(), &v)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("CurrentValues"), -1, QStringLiteral("Add"),
                                              "RpeAddParameterCurrentValue"),
                         noValuesCodes);
        return -1;
    }
    return Count() - 1;
}

void TRpeParamCurrentValues::setText(int i, const QString &text)
{
    const int n = Count();
    if (i < 0 || i >= n)
        return;
    QStringList all;
    for (int k = 0; k < n; ++k)
        all << (k == i ? text : Text(k));
    Clear();
    for (const QString &value : all)
        Add(value);
}

void TRpeParamCurrentValues::Clear()
{
    if (!m_owner->listReady())
        return;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    if (!dyn::RpeClearParameterCurrentValuesAndRanges(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                      m_owner->m_reportBytes.constData()))
        rpe->EngineError(m_owner->listContext(QStringLiteral("CurrentValues"), -1, QStringLiteral("Clear"),
                                              "RpeClearParameterCurrentValuesAndRanges"),
                         noValuesCodes);
}

// ---- Ranges ----

int TRpeParamRanges::Count()
{
    if (!m_owner->listReady())
        return 0;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    const int16_t n = dyn::RpeGetNParameterCurrentRanges(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                         m_owner->m_reportBytes.constData());
    if (n < 0) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("Ranges"), -1, QStringLiteral("Count"),
                                              "RpeGetNParameterCurrentRanges"),
                         noValuesCodes);
        return 0;
    }
    return n;
}

TRpeParamRange TRpeParamRanges::Range(int i)
{
    TRpeParamRange range;
    if (!m_owner->listReady())
        return range;
    TRpe *rpe = m_owner->Rpe;
    RpeValueInfo start = valueRecord(RPE_VI_STRING), end = valueRecord(RPE_VI_STRING);
    int16_t bounds = 0;
    rpe->UseHandle();
    if (!dyn::RpeGetNthParameterCurrentRange(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                             m_owner->m_reportBytes.constData(), int16_t(i), &start, &end,
                                             &bounds)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("Ranges"), i, QStringLiteral("GetRange"),
                                              "RpeGetNthParameterCurrentRange"),
                         noValuesCodes);
        return range;
    }
    range.RangeStart = RpeUtl::ValueInfoToStr(start);
    range.RangeEnd = RpeUtl::ValueInfoToStr(end);
    range.Bounds = bounds >= IncludeStartAndEnd && bounds <= ExcludeStartAndEnd ? TRpeRangeBounds(bounds)
                                                                                : IncludeStartAndEnd;
    return range;
}

int TRpeParamRanges::Add(const TRpeParamRange &range)
{
    if (!m_owner->listReady())
        return -1;
    TRpe *rpe = m_owner->Rpe;
    const int type = m_owner->Item().ParamType();
    RpeValueInfo start = valueRecord(type), end = valueRecord(type);
    if (!RpeUtl::StrToValueInfo(range.RangeStart, start) || !RpeUtl::StrToValueInfo(range.RangeEnd, end)) {
        rpe->ComponentError(
            305, m_owner->listContext(QStringLiteral("Ranges"), -1, QStringLiteral("Add"), "StrToValueInfo"));
        return -1;
    }
    rpe->UseHandle();
    if (!dyn::RpeAddParameterCurrentRange(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                          m_owner->m_reportBytes.constData(), &start, &end,
                                          int16_t(range.Bounds))) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("Ranges"), -1, QStringLiteral("Add"),
                                              "RpeAddParameterCurrentRange"),
                         noValuesCodes);
        return -1;
    }
    return Count() - 1;
}

void TRpeParamRanges::Clear()
{
    m_owner->Item().CurrentValues().Clear();
}

// ---- Prompt values ----

int TRpeParamPromptValues::Count()
{
    if (!m_owner->listReady())
        return 0;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    const int16_t n = dyn::RpeGetNParameterDefaultValues(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                         m_owner->m_reportBytes.constData());
    if (n < 0) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), -1, QStringLiteral("Count"),
                                              "RpeGetNParameterDefaultValues"),
                         noValuesCodes);
        return 0;
    }
    return n;
}

QString TRpeParamPromptValues::Text(int i)
{
    if (!m_owner->listReady())
        return {};
    TRpe *rpe = m_owner->Rpe;
    RpeValueInfo v = valueRecord(RPE_VI_STRING);
    rpe->UseHandle();
    if (!dyn::RpeGetNthParameterDefaultValue(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                             m_owner->m_reportBytes.constData(), int16_t(i), &v)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), i, QStringLiteral("GetText"),
                                              "RpeGetNthParameterDefaultValue"),
                         noValuesCodes);
        return {};
    }
    return RpeUtl::ValueInfoToStr(v);
}

QString TRpeParamPromptValues::Description(int i)
{
    if (!m_owner->listReady())
        return {};
    TRpe *rpe = m_owner->Rpe;
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    rpe->UseHandle();
    if (!dyn::RpeGetNthParameterValueDescription(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                 m_owner->m_reportBytes.constData(), int16_t(i), &handle,
                                                 &length)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), i,
                                              QStringLiteral("GetDescription"),
                                              "RpeGetNthParameterValueDescription"),
                         noValuesCodes);
        return {};
    }
    return take(handle);
}

void TRpeParamPromptValues::setDescription(int i, const QString &description)
{
    if (!m_owner->listReady())
        return;
    TRpe *rpe = m_owner->Rpe;
    const QByteArray bytes = description.toUtf8();
    rpe->UseHandle();
    if (!dyn::RpeSetNthParameterValueDescription(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                 m_owner->m_reportBytes.constData(), int16_t(i),
                                                 bytes.constData()))
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), i,
                                              QStringLiteral("SetDescription"),
                                              "RpeSetNthParameterValueDescription"),
                         noValuesCodes);
}

int TRpeParamPromptValues::Add(const QString &text)
{
    if (!m_owner->listReady())
        return -1;
    TRpe *rpe = m_owner->Rpe;
    RpeValueInfo v = valueRecord(m_owner->Item().ParamType());
    if (!RpeUtl::StrToValueInfo(text, v)) {
        rpe->ComponentError(305, m_owner->listContext(QStringLiteral("PromptValues"), -1,
                                                      QStringLiteral("Add"), "StrToValueInfo"));
        return -1;
    }
    rpe->UseHandle();
    if (!dyn::RpeAddParameterDefaultValue(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                          m_owner->m_reportBytes.constData(), &v)) {
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), -1, QStringLiteral("Add"),
                                              "RpeAddParameterDefaultValue"),
                         noValuesCodes);
        return -1;
    }
    return Count() - 1;
}

void TRpeParamPromptValues::Delete(int i)
{
    if (!m_owner->listReady())
        return;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    if (!dyn::RpeDeleteNthParameterDefaultValue(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                                m_owner->m_reportBytes.constData(), int16_t(i)))
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), i, QStringLiteral("Delete"),
                                              "RpeDeleteNthParameterDefaultValue"),
                         noValuesCodes);
}

void TRpeParamPromptValues::Clear()
{
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
}

bool TRpeParamPromptValues::pickList(RpeParameterPickListOption &option, const char *operation)
{
    option = RpeParameterPickListOption{};
    option.StructSize = sizeof option;
    if (!m_owner->listReady())
        return false;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    if (dyn::RpeGetParameterPickListOption(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                           m_owner->m_reportBytes.constData(), &option))
        return true;
    rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), -1, QString::fromLatin1(operation),
                                          "RpeGetParameterPickListOption"));
    return false;
}

void TRpeParamPromptValues::setPickList(const std::function<void(RpeParameterPickListOption &)> &change,
                                        const char *operation)
{
    RpeParameterPickListOption option;
    if (!pickList(option, operation))
        return;
    RpeParameterPickListOption changed = option;
    change(changed);
    if (std::memcmp(&changed, &option, sizeof option) == 0)
        return;
    TRpe *rpe = m_owner->Rpe;
    rpe->UseHandle();
    if (!dyn::RpeSetParameterPickListOption(rpe->JobNumber(), m_owner->m_nameBytes.constData(),
                                            m_owner->m_reportBytes.constData(), &changed))
        rpe->EngineError(m_owner->listContext(QStringLiteral("PromptValues"), -1,
                                              QString::fromLatin1(operation),
                                              "RpeSetParameterPickListOption"));
}

bool TRpeParamPromptValues::DescriptionOnly()
{
    RpeParameterPickListOption option;
    return pickList(option, "GetDescriptionOnly") && option.ShowDescriptionOnly != 0;
}

void TRpeParamPromptValues::setDescriptionOnly(bool on)
{
    setPickList([on](RpeParameterPickListOption &o) { o.ShowDescriptionOnly = on ? 1 : 0; },
                "SetDescriptionOnly");
}

TRpePickListSortMethod TRpeParamPromptValues::SortMethod()
{
    RpeParameterPickListOption option;
    if (!pickList(option, "GetSortMethod") || option.SortMethod < psmNoSort ||
        option.SortMethod > psmNumericDescending)
        return psmNoSort;
    return TRpePickListSortMethod(option.SortMethod);
}

void TRpeParamPromptValues::setSortMethod(TRpePickListSortMethod method)
{
    setPickList([method](RpeParameterPickListOption &o) { o.SortMethod = int16_t(method); }, "SetSortMethod");
}

bool TRpeParamPromptValues::SortByDescription()
{
    RpeParameterPickListOption option;
    return pickList(option, "GetSortByDescription") && option.SortBasedOnDescription != 0;
}

void TRpeParamPromptValues::setSortByDescription(bool on)
{
    setPickList([on](RpeParameterPickListOption &o) { o.SortBasedOnDescription = on ? 1 : 0; },
                "SetSortByDescription");
}
