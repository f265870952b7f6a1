#pragma once

#include "engine/RpeContainer.h"
#include "engine/RpeParamFields.h"
#include "engine/RpeTables.h"

// The families of report objects the component owns.

// ---- Formula texts: Selection, GroupSelection, SQL ----

// A text the engine holds for the current job, pushed with read-compare-write.
class TRpeJobText : public TRpePersistent
{
public:
    TRpeJobText(TRpe *owner, const QString &familyName);
    // When a report is set and exists, sends an empty text; else only
    // empties the lines.
    void Clear() override;

protected:
    QStringList lines();
    void setLines(const QStringList &lines);
    virtual RpeBool engineGet(int16_t job, RpeTextHandle *handle, int16_t *length) = 0;
    virtual RpeBool engineSet(int16_t job, const char *text) = 0;
    virtual const char *getName() const = 0;
    virtual const char *setName() const = 0;
    QString m_familyName;
    QStringList m_lines;
};

class TRpeSelection : public TRpeJobText
{
public:
    explicit TRpeSelection(TRpe *owner) : TRpeJobText(owner, QStringLiteral("Selection")) {}
    // The record selection formula, one entry per line.
    QStringList Formula() { return lines(); }
    void setFormula(const QStringList &formula) { setLines(formula); }
    // Adds a line and sends the whole formula at once.
    void Add(const QString &line);

protected:
    RpeBool engineGet(int16_t job, RpeTextHandle *handle, int16_t *length) override;
    RpeBool engineSet(int16_t job, const char *text) override;
    const char *getName() const override { return "RpeGetSelectionFormula"; }
    const char *setName() const override { return "RpeSetSelectionFormula"; }
};

class TRpeGroupSelection : public TRpeJobText
{
public:
    explicit TRpeGroupSelection(TRpe *owner) : TRpeJobText(owner, QStringLiteral("GroupSelection")) {}
    QStringList Formula() { return lines(); }
    void setFormula(const QStringList &formula) { setLines(formula); }

protected:
    RpeBool engineGet(int16_t job, RpeTextHandle *handle, int16_t *length) override;
    RpeBool engineSet(int16_t job, const char *text) override;
    const char *getName() const override { return "RpeGetGroupSelectionFormula"; }
    const char *setName() const override { return "RpeSetGroupSelectionFormula"; }
};

class TRpeSQL : public TRpeJobText
{
public:
    explicit TRpeSQL(TRpe *owner) : TRpeJobText(owner, QStringLiteral("SQL")) {}
    void Clear() override { m_lines.clear(); }
    QStringList Query() const { return m_lines; }
    void setQuery(const QStringList &query) { setLines(query); }
    // Loads the engine's query into Query; false when no job is ready or
    // the failure was tolerated or ignored.
    bool Retrieve();

protected:
    RpeBool engineGet(int16_t job, RpeTextHandle *handle, int16_t *length) override;
    RpeBool engineSet(int16_t job, const char *text) override;
    const char *getName() const override { return "RpeGetSQLQuery"; }
    const char *setName() const override { return "RpeSetSQLQuery"; }
};

// ---- Formulas ----

class TRpeFormulas;

class TRpeFormulasItem
{
public:
    explicit TRpeFormulasItem(TRpeFormulas *owner) : m_owner(owner) {}
    QString Name() const { return m_name; }
    QStringList Formula();
    void setFormula(const QStringList &lines);
    // Empties the formula and sends it (only resets without a report).
    void Clear();
    const TRpeObjectItem &Object() const { return m_object; }

private:
    friend class TRpeFormulas;
    TRpeFormulas *m_owner;
    QString m_name;
    QStringList m_formula;
    TRpeObjectItem m_object;
};

class TRpeFormulas : public TRpeContainer
{
public:
    explicit TRpeFormulas(TRpe *owner);
    int Count() override;
    TRpeFormulasItem &Item() { return m_item; }
    TRpeFormulasItem &operator[](int i);
    // Selects by name ignoring case; blank deselects; unknown is error 120.
    void setName(const QString &name);
    QString Name() const { return m_item.Name(); }
    QStringList Names() const { return m_names; }
    bool ObjectPropertiesActive = true;

    // Shorthands for the selected item.
    QStringList Formula() { return m_item.Formula(); }
    void setFormula(const QStringList &lines) { m_item.setFormula(lines); }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    friend class TRpeFormulasItem;
    void refreshNames();
    TRpeFormulasItem m_item{this};
    QStringList m_names;
};

// ---- Subreports ----

struct TRpeSubreportLink
{
    QString MainReportFieldName;
    QString SubreportFieldName;
    QString ParamFieldName;
};

class TRpeSubreports : public TRpeContainer
{
public:
    explicit TRpeSubreports(TRpe *owner);
    // Clears every report-dependent family; only when no job is open or the
    // main report is selected.
    void Clear() override;
    // 1 (the main report) + the subreports in the sections of the main job.
    int Count() override;
    // Selects report i (0 = main) and makes its job current.
    void select(int i) { setNumber(i); }
    TRpeSubreports &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    // The item: the selected subreport.
    QString Name() const { return m_name; }
    int NLinks() const { return m_nLinks; }
    bool OnDemand() const { return m_onDemand; }
    bool IsExternal() const { return m_isExternal; }
    bool ReImportWhenOpening() const { return m_reImport; }
    QList<TRpeSubreportLink> Links() const { return m_links; }
    const TRpeObjectItem &Object() const { return m_object; }
    bool SubExecute = false;

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    RpeObjectHandle subreportHandle(int i, int16_t &sectionCode);
    QString m_name;
    int m_nLinks = 0;
    bool m_onDemand = false;
    bool m_isExternal = false;
    bool m_reImport = false;
    QList<TRpeSubreportLink> m_links;
    TRpeObjectItem m_object;
};

// ---- Simple single-value families ----

class TRpePrintDate : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override { Day = Month = Year = 0; }
    // Sends the parts that are set (above 0).
    void Send();
    int Day = 0, Month = 0, Year = 0;
};

class TRpePages : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override { m_start = 1; }
    int StartPageNumber();
    void setStartPageNumber(int number);

private:
    int m_start = 1;
};

class TRpeMargins : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override { m_left = m_right = m_top = m_bottom = -1; }
    // Twips; -1 = not read.
    int Left() { return value(0); }
    int Right() { return value(1); }
    int Top() { return value(2); }
    int Bottom() { return value(3); }
    void setLeft(int v) { setValue(0, v); }
    void setRight(int v) { setValue(1, v); }
    void setTop(int v) { setValue(2, v); }
    void setBottom(int v) { setValue(3, v); }

private:
    int value(int which);
    void setValue(int which, int v);
    bool read(int16_t (&m)[4], const char *operation);
    int m_left = -1, m_right = -1, m_top = -1, m_bottom = -1;
};

// ---- Lists the engine numbers itself ----

// Sort fields and group sort fields: name and direction, deletable.
class TRpeSortFieldsBase : public TRpeContainer
{
public:
    TRpeSortFieldsBase(TRpe *owner, const QString &familyName, bool groups);
    int Count() override;
    TRpeSortFieldsBase &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    QString FieldName() const { return m_fieldName; }
    bool Descending() const { return m_descending; }
    void setFieldName(const QString &name);
    void setDescending(bool descending);
    void Delete(int i);

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    void write();
    bool m_groups;
    QString m_fieldName;
    bool m_descending = false;
};

class TRpeSortFields : public TRpeSortFieldsBase
{
public:
    explicit TRpeSortFields(TRpe *owner) : TRpeSortFieldsBase(owner, QStringLiteral("SortFields"), false) {}
};

class TRpeGroupSortFields : public TRpeSortFieldsBase
{
public:
    explicit TRpeGroupSortFields(TRpe *owner)
        : TRpeSortFieldsBase(owner, QStringLiteral("GroupSortFields"), true)
    {
    }
};

class TRpeGroups : public TRpeContainer
{
public:
    explicit TRpeGroups(TRpe *owner);
    int Count() override;
    TRpeGroups &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    QString FieldName() const { return m_fieldName; }
    int Condition() const { return m_condition; }
    bool Descending() const { return m_descending; }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    QString m_fieldName;
    int m_condition = 0;
    bool m_descending = false;
};

class TRpeSQLExpressions : public TRpeContainer
{
public:
    explicit TRpeSQLExpressions(TRpe *owner);
    int Count() override;
    TRpeSQLExpressions &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    QString Name() const { return m_name; }
    QString Expression() const { return m_expression; }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    QString m_name;
    QString m_expression;
};

class TRpeRunningTotals : public TRpeContainer
{
public:
    explicit TRpeRunningTotals(TRpe *owner);
    int Count() override;
    TRpeRunningTotals &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    QString Name() const { return m_name; }

protected:
    bool readItem(int i) override;
    void clearItem() override { m_name.clear(); }

private:
    QString m_name;
};

// Stored procedure parameters; the engine reports whether it has any.
class TRpeStoredProcParams : public TRpeContainer
{
public:
    explicit TRpeStoredProcParams(TRpe *owner);
    int Count() override;
    QString Name() const { return m_name; }
    QString Value() const { return m_value; }

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    QString m_name;
    QString m_value;
};

// ---- Report objects found by scanning the sections ----

class TRpeObjectContainer : public TRpeContainer
{
public:
    // subKind 0 = any field object.
    TRpeObjectContainer(TRpe *owner, const QString &familyName, int kind, int subKind = 0);
    int Count() override;
    TRpeObjectContainer &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    const TRpeObjectItem &Object() const { return m_object; }
    RpeObjectHandle Handle() const { return m_object.Handle; }
    int Top() const { return m_object.Top; }
    int Left() const { return m_object.Left; }
    int Width() const { return m_object.Width; }
    int Height() const { return m_object.Height; }
    QString Section() const { return m_object.Section; }
    QString FieldName() const { return m_object.FieldName; }

protected:
    bool readItem(int i) override;
    void clearItem() override { m_object.clear(); }

private:
    int m_kind;
    int m_subKind;
    TRpeObjectItem m_object;
};

// Field objects of one subkind; their items also carry the field's name,
// type and length.
class TRpeFieldObjectContainer : public TRpeObjectContainer
{
public:
    TRpeFieldObjectContainer(TRpe *owner, const QString &familyName, int subKind)
        : TRpeObjectContainer(owner, familyName, RPE_OBJ_FIELD, subKind)
    {
    }
    TRpeFieldObjectContainer &operator[](int i)
    {
        setNumber(i);
        return *this;
    }
    TRpeFieldValueType FieldType() const { return Object().FieldType; }
    int FieldLength() const { return Object().FieldLength; }
};

#define RPE_FIELD_FAMILY(Type, Name, SubKind)                                                                \
    class Type : public TRpeFieldObjectContainer                                                             \
    {                                                                                                        \
    public:                                                                                                  \
        explicit Type(TRpe *owner) : TRpeFieldObjectContainer(owner, QStringLiteral(Name), SubKind) {}       \
    };
RPE_FIELD_FAMILY(TRpeDatabaseFields, "DatabaseFields", RPE_FIELD_DATABASE)
RPE_FIELD_FAMILY(TRpeSummaryFields, "SummaryFields", RPE_FIELD_SUMMARY)
RPE_FIELD_FAMILY(TRpeSpecialFields, "SpecialFields", RPE_FIELD_SPECIAL)
RPE_FIELD_FAMILY(TRpeGroupNameFields, "GroupNameFields", RPE_FIELD_GROUPNAME)
#undef RPE_FIELD_FAMILY

#define RPE_OBJECT_FAMILY(Type, Name, Kind, SubKind)                                                         \
    class Type : public TRpeObjectContainer                                                                  \
    {                                                                                                        \
    public:                                                                                                  \
        explicit Type(TRpe *owner) : TRpeObjectContainer(owner, QStringLiteral(Name), Kind, SubKind) {}      \
    };
RPE_OBJECT_FAMILY(TRpeTextObjects, "TextObjects", RPE_OBJ_TEXT, 0)
RPE_OBJECT_FAMILY(TRpeLines, "Lines", RPE_OBJ_LINE, 0)
RPE_OBJECT_FAMILY(TRpeBoxes, "Boxes", RPE_OBJ_BOX, 0)
RPE_OBJECT_FAMILY(TRpeOleObjects, "OleObjects", RPE_OBJ_OLE, 0)
RPE_OBJECT_FAMILY(TRpeGraphs, "Graphs", RPE_OBJ_GRAPH, 0)
RPE_OBJECT_FAMILY(TRpeCrossTabs, "CrossTabs", RPE_OBJ_CROSSTAB, 0)
RPE_OBJECT_FAMILY(TRpePictures, "Pictures", RPE_OBJ_PICTURE, 0)
RPE_OBJECT_FAMILY(TRpeMaps, "Maps", RPE_OBJ_MAP, 0)
RPE_OBJECT_FAMILY(TRpeOLAPCubes, "OLAPCubes", RPE_OBJ_OLAP, 0)
#undef RPE_OBJECT_FAMILY

// ---- Report-wide records: summary, options ----

// The report's summary information (engine 6 or later).
class TRpeSummaryInfo : public TRpePersistent
{
public:
    enum Item { Title, Subject, Author, Keywords, Comments, Template, AppName };
    using TRpePersistent::TRpePersistent;
    void Clear() override;
    QString text(Item item);
    // AppName is read only.
    void setText(Item item, const QString &value);
    bool SavePreviewPicture();
    void setSavePreviewPicture(bool on);

private:
    bool read(RpeReportSummaryInfo &info, const QString &operation);
    void write(RpeReportSummaryInfo &info, const QString &operation);
    QString m_texts[7];
    bool m_savePreviewPicture = false;
};

// The report's options record (engine 7 or later), one switch at a time.
class TRpeReportOptions : public TRpePersistent
{
public:
    enum Option {
        SaveDataWithReport,
        SaveSummariesWithReport,
        UseIndexForSpeed,
        TranslateDOSStrings,
        TranslateDOSMemos,
        ConvertDateTimeType,
        ConvertNullFieldToDefault,
        PrintEngineErrorMessages,
        CaseInsensitiveSQLData,
        VerifyOnEveryPrint,
        CreateGroupTree,
        NoDataForHiddenObjects,
        PerformGroupingOnServer,
        ZoomMode,
        AsyncQuery,
        PromptMode,
        SelectDistinctRecords,
        AlwaysSortLocally,
        IsReadOnly,
        CanSelectDistinctRecords,
        OptionCount
    };
    using TRpePersistent::TRpePersistent;
    void Clear() override;
    int value(Option option);
    void setValue(Option option, int value);

private:
    int m_values[OptionCount] = {};
};

// Options of the whole engine; written only, and the engine is opened for them.
class TRpeGlobalOptions : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override;
    bool MorePrintEngineErrorMessages() const { return m_more; }
    bool MatchLogOnInfo() const { return m_match; }
    bool UseDefaultTextHandling() const { return m_text; }
    void setMorePrintEngineErrorMessages(bool on);
    void setMatchLogOnInfo(bool on);
    void setUseDefaultTextHandling(bool on);

private:
    void send(const QString &operation);
    bool m_more = true, m_match = false, m_text = true;
};

// Height, minimum height and width of one section, chosen by its name.
class TRpeSectionSize : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override { m_section.clear(); }
    QString Section() const { return m_section; }
    // An unknown name is error 360.
    void setSection(const QString &name);
    int Height();
    void setHeight(int twips);
    int MinimumHeight();
    void setMinimumHeight(int twips);
    int Width();

private:
    bool code(int16_t &sectionCode, const QString &operation);
    QString m_section;
};

// Session log-on of the tables; the engine reports whether it has sessions.
class TRpeSessionInfo : public TRpeContainer
{
public:
    explicit TRpeSessionInfo(TRpe *owner);
    int Count() override;
    QString UserID() const { return m_userId; }
    QString DBPassword() const { return m_password; }
    bool Propagate = false;

protected:
    bool readItem(int i) override;
    void clearItem() override;

private:
    QString m_userId, m_password;
};

// ---- Section and area formats, section fonts ----

// The format switches of a section (by its name, "GH1b") or of a whole area
// (by the area's name, "GH1"), each pushed with read-compare-write.
class TRpeFormatBase : public TRpePersistent
{
public:
    enum Option {
        Suppress,
        NewPageBefore,
        NewPageAfter,
        KeepTogether,
        SuppressBlankSection,
        ResetPageNAfter,
        PrintAtBottomOfPage,
        UnderlaySection,
        FreeFormPlacement,
        Hide,
        ReserveMinimumPageFooter
    };
    TRpeFormatBase(TRpe *owner, const QString &familyName, bool area);
    void Clear() override { m_name.clear(); }
    bool value(Option option);
    void setValue(Option option, bool on);
    uint32_t BackgroundColor();
    void setBackgroundColor(uint32_t color);
    // The conditional formula of a switch (RPE_FFN_...).
    QString Formula(int formulaName);
    void setFormula(int formulaName, const QString &text);

protected:
    // An unknown name is error 360.
    void setName(const QString &name);
    QString m_name;

private:
    bool code(int16_t &sectionCode, const QString &operation);
    bool read(RpeSectionOptions &o, const QString &operation);
    void write(RpeSectionOptions &o, const QString &operation);
    QString m_familyName;
    bool m_area;
};

class TRpeSectionFormat : public TRpeFormatBase
{
public:
    explicit TRpeSectionFormat(TRpe *owner) : TRpeFormatBase(owner, QStringLiteral("SectionFormat"), false) {}
    QString Section() const { return m_name; }
    void setSection(const QString &name) { setName(name); }
};

class TRpeAreaFormat : public TRpeFormatBase
{
public:
    explicit TRpeAreaFormat(TRpe *owner) : TRpeFormatBase(owner, QStringLiteral("AreaFormat"), true) {}
    QString Area() const { return m_name; }
    void setArea(const QString &name) { setName(name); }
    int NSections();
};

// The font of the objects of a section; the engine only takes it.
class TRpeSectionFont : public TRpePersistent
{
public:
    enum Scope { FieldObjects = 1, TextObjects = 2, AllObjects = 3 };
    using TRpePersistent::TRpePersistent;
    void Clear() override;
    // Sends the whole font to the section; false when nothing was sent.
    bool Send();

    QString Section;
    Scope ScopeCode = AllObjects;
    QString Name;
    int Pitch = 0, Family = 0, CharSet = 0, Size = 0, Weight = 0;
    bool Italic = false, Underlined = false, StrikeThrough = false;
};

// Servers the program logged on to, kept by the component; an entry can be
// logged off again.
class TRpeLogOnServer : public TRpeContainer
{
public:
    struct Server
    {
        QString ServerName, UserID, Password, DatabaseName, DLLName;
        bool LoggedOn = false;
    };
    explicit TRpeLogOnServer(TRpe *owner);
    void Clear() override;
    int Count() override { return int(m_servers.size()); }
    int Add(const Server &server);
    const Server &Item() const { return m_item; }
    bool LogOff();

protected:
    // The list needs no report.
    bool canSelect() const override;
    bool readItem(int i) override;
    void clearItem() override { m_item = Server(); }

private:
    QList<Server> m_servers;
    Server m_item;
};

// Families whose properties the system never reads or writes; the component
// owns and clears them.
#define RPE_UNUSED_FAMILY(Name)                                                                              \
    class Name : public TRpePersistent                                                                       \
    {                                                                                                        \
    public:                                                                                                  \
        using TRpePersistent::TRpePersistent;                                                                \
    };
RPE_UNUSED_FAMILY(TRpeRecords)
#undef RPE_UNUSED_FAMILY
