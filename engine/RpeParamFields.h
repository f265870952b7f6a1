#pragma once

#include "engine/RpeContainer.h"

#include <QList>

#include <functional>

// Parameter fields of the current job and their value lists.

enum TRpeParamFieldType {
    pfNumber,
    pfCurrency,
    pfBoolean,
    pfDate,
    pfString,
    pfDateTime,
    pfTime,
    pfInteger,
    pfColor,
    pfChar,
    pfLong,
    pfStringHandle,
    pfNoValue
};
enum TRpeParamFieldSource { psReport, psStoredProc, psQuery };
enum TRpeParamInfoValueType { vtRange, vtDiscrete, vtDiscreteAndRange };
enum TRpeRangeBounds { IncludeStartAndEnd, IncludeStartOnly, IncludeEndOnly, ExcludeStartAndEnd };
enum TRpePickListSortMethod {
    psmNoSort,
    psmAlphaNumericAscending,
    psmAlphaNumericDescending,
    psmNumericAscending,
    psmNumericDescending
};

struct TRpeParamFieldInfo
{
    bool AllowNull = false;
    bool AllowEditing = true;
    bool AllowMultipleValues = false;
    TRpeParamInfoValueType ValueType = vtDiscrete;
    bool PartOfGroup = false;
    bool MutuallyExclusiveGroup = false;
    int GroupNum = 0;
};

struct TRpeParamRange
{
    QString RangeStart;
    QString RangeEnd;
    TRpeRangeBounds Bounds = IncludeStartAndEnd;
};

class TRpeParamFields;

// The current values of the selected parameter (engine 7 or later).
class TRpeParamCurrentValues
{
public:
    explicit TRpeParamCurrentValues(TRpeParamFields *owner) : m_owner(owner) {}
    int Count();
    QString Text(int i);
    // Rewrites every value with entry i changed.
    void setText(int i, const QString &text);
    // Adds a value; refused for boolean parameters. The index of the new
    // entry, or -1.
    int Add(const QString &text);
    void Clear();

private:
    TRpeParamFields *m_owner;
};

class TRpeParamRanges
{
public:
    explicit TRpeParamRanges(TRpeParamFields *owner) : m_owner(owner) {}
    int Count();
    TRpeParamRange Range(int i);
    int Add(const TRpeParamRange &range);
    void Clear();

private:
    TRpeParamFields *m_owner;
};

// The values a prompt offers (the engine's default values), with their
// descriptions and the pick-list options.
class TRpeParamPromptValues
{
public:
    explicit TRpeParamPromptValues(TRpeParamFields *owner) : m_owner(owner) {}
    int Count();
    QString Text(int i);
    QString Description(int i);
    void setDescription(int i, const QString &description);
    int Add(const QString &text);
    void Delete(int i);
    void Clear();
    bool DescriptionOnly();
    void setDescriptionOnly(bool on);
    TRpePickListSortMethod SortMethod();
    void setSortMethod(TRpePickListSortMethod method);
    bool SortByDescription();
    void setSortByDescription(bool on);

private:
    bool pickList(RpeParameterPickListOption &option, const char *operation);
    void setPickList(const std::function<void(RpeParameterPickListOption &)> &change, const char *operation);
    TRpeParamFields *m_owner;
};

class TRpeParamFieldsItem
{
public:
    explicit TRpeParamFieldsItem(TRpeParamFields *owner);

    QString Name() const { return m_name; }
    QString ReportName() const { return m_reportName; }
    QString Prompt() const { return m_prompt; }
    QString EditMask() const { return m_editMask; }
    bool NeedsCurrentValue() const { return m_needsCurrentValue; }
    TRpeParamFieldType ParamType() const { return m_type; }
    TRpeParamFieldSource ParamSource() const { return m_source; }
    QString PromptValue() const { return m_promptValue; }
    QString CurrentValue() const { return m_currentValue; }
    // The value path of every report parameter: converted by type and sent
    // only when it changed.
    void setCurrentValue(const QString &value);
    bool ShowDialog() const { return m_showDialog; }
    // True makes the engine prompt for this parameter again.
    void setShowDialog(bool show);
    TRpeParamFieldInfo Info() const { return m_info; }
    bool ValueLimit() const { return m_valueLimit; }
    QString ValueMin() const { return m_valueMin; }
    QString ValueMax() const { return m_valueMax; }
    QString BrowseField() const { return m_browseField; }
    const TRpeObjectItem &Object() const { return m_object; }

    TRpeParamCurrentValues &CurrentValues() { return m_currentValues; }
    TRpeParamRanges &Ranges() { return m_ranges; }
    TRpeParamPromptValues &PromptValues() { return m_promptValues; }

private:
    friend class TRpeParamFields;
    void clear();
    TRpeParamFields *m_owner;
    QString m_name, m_reportName, m_prompt, m_editMask;
    bool m_needsCurrentValue = false;
    TRpeParamFieldType m_type = pfNoValue;
    TRpeParamFieldSource m_source = psReport;
    QString m_promptValue, m_currentValue;
    bool m_showDialog = false;
    TRpeParamFieldInfo m_info;
    bool m_valueLimit = false;
    QString m_valueMin, m_valueMax, m_browseField;
    TRpeObjectItem m_object;
    TRpeParamCurrentValues m_currentValues;
    TRpeParamRanges m_ranges;
    TRpeParamPromptValues m_promptValues;
};

class TRpeParamFields : public TRpeContainer
{
public:
    explicit TRpeParamFields(TRpe *owner);
    // Deselects (only when no report is loaded) and empties the names list.
    void Clear() override;
    int Count() override;
    TRpeParamFieldsItem &Item() { return m_item; }
    TRpeParamFieldsItem &operator[](int i);
    // Selects by name ignoring case; blank deselects; unknown is error 120.
    void setName(const QString &name);
    QString Name() const { return m_item.Name(); }
    bool AllowDialog();
    void setAllowDialog(bool allow);
    bool ObjectPropertiesActive = true;

protected:
    bool readItem(int i) override;
    void clearItem() override { m_item.clear(); }

private:
    friend class TRpeParamFieldsItem;
    friend class TRpeParamCurrentValues;
    friend class TRpeParamRanges;
    friend class TRpeParamPromptValues;
    // The selected parameter's names for the value-list calls.
    bool listReady();
    QString listContext(const QString &list, int i, const QString &operation, const char *entryPoint) const;
    QByteArray m_nameBytes, m_reportBytes;
    bool m_allowDialog = true;
    TRpeParamFieldsItem m_item{this};
    QStringList m_names;
};
