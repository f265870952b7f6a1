#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// The in-memory form of a report file (".rpt"): what to read, how to group
// and sort it, and what each section prints. Coordinates are points (1/72
// inch) from the top left of the section; page measures likewise.

struct ReportFont
{
    QString family = QStringLiteral("DejaVu Sans");
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// How a field object turns its value into text.
struct FieldFormat
{
    int decimals = -1;      // -1: the value's own digits
    bool thousands = false; // thousands separator (a point)
    QString numberFormat;   // a number format ("#,##0.00"), wins over decimals
    QString dateFormat;     // "d.M.yyyy" when empty
    bool blankWhenZero = false;
};

struct ReportObject
{
    enum Kind {
        Text,
        DatabaseField,
        FormulaField,
        ParameterField,
        SpecialField,
        SummaryField,
        Line,
        Box,
        Picture,
        Subreport
    };
    enum Special { PageNumber, TotalPages, PageNOfM, PrintDate, RecordNumber, PrintTime, ReportTitle };
    enum Summary { Sum, Count, Average, Minimum, Maximum };

    Kind kind = Text;
    QString name;
    double x = 0, y = 0, width = 0, height = 0;
    QString text; // Text: the text; fields: "TABLE.FIELD", formula or parameter name
    Special special = PageNumber;
    Summary summary = Sum;
    QString summarized;   // SummaryField: "TABLE.FIELD" or "@formula"
    int summaryGroup = 0; // 0 = the whole report, n = group level n
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    FieldFormat format;
    QString color; // "#rrggbb"
    double lineWidth = 0.5;
    QString fill;                         // box fill colour, empty = none
    QString picture;                      // file name, relative to the report's folder
    QList<QPair<QString, QString>> links; // Subreport: main field -> subreport field
    bool border = false;

    bool isField() const { return kind >= DatabaseField && kind <= SummaryField; }
};

struct ReportSection
{
    enum Area {
        ReportHeader = 1,
        PageHeader = 2,
        GroupHeader = 3,
        Details = 4,
        GroupFooter = 5,
        PageFooter = 7,
        ReportFooter = 8
    };

    Area area = Details;
    int group = 0;  // 1-based group level for headers and footers
    int number = 0; // index among the sections of the same area (and group)
    double height = 14;
    bool suppress = false;
    bool newPageBefore = false;
    bool newPageAfter = false;
    bool keepTogether = true;
    bool printAtBottom = false;
    bool resetPageNumberAfter = false;
    QString suppressFormula; // a boolean formula; true hides the section for the record
    QString backgroundColor;
    QList<ReportObject> objects;

    int code() const;         // area * 1000 + (group-1) + number * 25
    QString areaName() const; // RH, PH, GH, D, GF, PF, RF
    QString name() const;     // e.g. GH1a, D, PF
};

struct ReportTable
{
    QString name;  // table in the database (location)
    QString alias; // the name fields use: {ALIAS.FIELD}
    QString subLocation;
    QString connectBuffer;
    QString server; // database alias of the log-on ("LB")
    QString database;
    QString user;
    QString password;
    QMap<QString, QString> fieldTypes; // declared field types, upper-case field name -> type
};

struct ReportLink
{
    QString from; // "ALIAS.FIELD"
    QString to;
    bool outer = false;
};

struct ParameterValue
{
    QString value; // engine text form
    QString description;
};

struct ParameterRange
{
    QString from;
    QString to;
    bool includeFrom = true;
    bool includeTo = true;
};

struct ParameterFieldDef
{
    // Same order as the engine's value types.
    enum Type { Number = 0, Currency = 1, Boolean = 2, Date = 3, String = 4, DateTime = 5, Time = 6 };
    enum ValueKind { Discrete = 0, Range = 1, DiscreteAndRange = 2 };

    QString name;
    QString prompt;
    Type type = String;
    ValueKind valueKind = Discrete;
    bool allowMultiple = false;
    bool allowNull = false;
    bool allowEditing = true;
    bool hasLimit = false;
    QString minimum;
    QString maximum;
    QString editMask;
    QString browseField;
    bool descriptionOnly = false;
    int sortMethod = 0;
    bool sortByDescription = false;
    QList<ParameterValue> defaults; // pick list; the first is the default value
    QStringList current;
    QList<ParameterRange> ranges;
    QString subreport; // the subreport a linked parameter belongs to

    bool hasCurrentValue() const { return !current.isEmpty() || !ranges.isEmpty(); }
};

struct SortFieldDef
{
    QString field; // "ALIAS.FIELD" or "@formula"
    bool descending = false;
};

struct GroupDef
{
    QString field;
    bool descending = false;
    bool repeatHeader = false;
    QString nameFormula;
};

struct NamedFormula
{
    QString name;
    QString text;
};

struct SummaryInfo
{
    QString title, subject, author, keywords, comments, templateName;
};

struct ReportDefinition
{
    QString fileName; // absolute path of the report file
    QString folder;   // its folder, with a trailing '/'
    SummaryInfo summary;
    QString title;
    // Page, in points.
    QString paperName = QStringLiteral("A4");
    double pageWidth = 595.28;
    double pageHeight = 841.89;
    bool landscape = false;
    double marginLeft = 36, marginRight = 36, marginTop = 36, marginBottom = 36;
    QString printerName;

    QList<ReportTable> tables;
    QList<ReportLink> links;
    QString sql; // explicit query; empty = built from the tables and the fields used
    QString selection;
    QString groupSelection;
    QList<NamedFormula> formulas;
    QList<ParameterFieldDef> parameters;
    QList<SortFieldDef> sortFields;
    QList<SortFieldDef> groupSortFields;
    QList<GroupDef> groups;
    QList<ReportSection> sections;
    QMap<QString, std::shared_ptr<ReportDefinition>> subreports; // by name (upper case key)
    QStringList subreportOrder;

    // Data saved with the report: column names ("ALIAS.FIELD") and rows.
    bool hasSavedData = false;
    QStringList savedColumns;
    QList<QVariantList> savedRows;

    double printableWidth() const { return (landscape ? pageHeight : pageWidth) - marginLeft - marginRight; }
    double paperWidth() const { return landscape ? pageHeight : pageWidth; }
    double paperHeight() const { return landscape ? pageWidth : pageHeight; }

    int tableIndex(const QString &aliasOrName) const;
    int formulaIndex(const QString &name) const;
    int parameterIndex(const QString &name) const;
    QList<const ReportSection *> sectionsOf(ReportSection::Area area, int group = 0) const;
    // Every section in print order: RH, PH, GH1..n, D, GFn..1, PF, RF.
    QList<int> sectionOrder() const;
};
