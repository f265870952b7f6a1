#include "printengine/ReportFile.h"

#include "printengine/WholeNumber.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

QString ReportFileError::text(const QString &fileName) const
{
    return QStringLiteral("Report file %1, line %2, column %3: %4")
        .arg(QFileInfo(fileName).fileName())
        .arg(line)
        .arg(column)
        .arg(message);
}

namespace {

struct Failure
{
    QString message;
};

// Measures in points: 200 inches, the largest page a PDF may have.
constexpr double MaxMeasure = 14400;
// Subreports hold subreports down to this depth; each level is read (and
// later run) recursively.
constexpr int MaxSubreportDepth = 32;

class Reader
{
public:
    explicit Reader(const QByteArray &xml) : m_xml(xml) {}

    void parseReport(ReportDefinition &r)
    {
        if (!nextStart() || m_xml.name() != QLatin1String("report"))
            fail(QStringLiteral("expected the root element <report>"));
        parseReportBody(r);
    }

    QXmlStreamReader m_xml;

private:
    int m_subreportDepth = 0;

    [[noreturn]] void fail(const QString &message) { throw Failure{message}; }

    bool nextStart()
    {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                return true;
            if (m_xml.isEndElement())
                return false;
        }
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return false;
    }

    // Each child element of the current one; stops at its end tag.
    template <typename F> void children(F handle)
    {
        for (;;) {
            m_xml.readNext();
            if (m_xml.hasError())
                fail(m_xml.errorString());
            if (m_xml.atEnd())
                fail(QStringLiteral("unexpected end of file"));
            if (m_xml.isEndElement())
                return;
            if (m_xml.isStartElement())
                handle(m_xml.name().toString());
        }
    }

    [[noreturn]] void unknown(const QString &element, const QString &parent)
    {
        fail(QStringLiteral("unknown element <%1> in <%2>").arg(element, parent));
    }

    QString attr(const char *name, const QString &def = QString())
    {
        const auto a = m_xml.attributes();
        const QString n = QString::fromLatin1(name);
        return a.hasAttribute(n) ? a.value(n).toString() : def;
    }

    // Every number of the file lies in the range its use allows, so that no
    // later conversion or computation can overflow.
    double number(const char *name, double def, double min, double max)
    {
        const QString s = attr(name);
        if (s.isEmpty())
            return def;
        bool ok = false;
        const double v = s.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("attribute %1 of <%2> is not a number: \"%3\"")
                     .arg(QLatin1String(name), m_xml.name().toString(), s));
        if (!(v >= min && v <= max)) // also NaN
            fail(QStringLiteral("attribute %1 of <%2> must lie between %3 and %4, not \"%5\"")
                     .arg(QLatin1String(name), m_xml.name().toString())
                     .arg(min)
                     .arg(max)
                     .arg(s));
        return v;
    }

    double measure(const char *name, double def) { return number(name, def, -MaxMeasure, MaxMeasure); }
    double extent(const char *name, double def) { return number(name, def, 0, MaxMeasure); }

    int integer(const char *name, int def, int min, int max)
    {
        const double v = number(name, def, min, max);
        const std::optional<qint64> n = wholeNumber(v, min, max);
        if (!n || double(*n) != v)
            fail(QStringLiteral("attribute %1 of <%2> must be a whole number, not \"%3\"")
                     .arg(QLatin1String(name), m_xml.name().toString(), attr(name)));
        return int(*n);
    }

    bool flag(const char *name, bool def)
    {
        const QString s = attr(name).toLower();
        if (s.isEmpty())
            return def;
        if (s == QLatin1String("true") || s == QLatin1String("yes") || s == QLatin1String("1"))
            return true;
        if (s == QLatin1String("false") || s == QLatin1String("no") || s == QLatin1String("0"))
            return false;
        fail(QStringLiteral("attribute %1 of <%2> must be true or false, not \"%3\"")
                 .arg(QLatin1String(name), m_xml.name().toString(), s));
    }

    template <typename T> T choice(const char *name, const QList<QPair<const char *, T>> &values, T def)
    {
        const QString s = attr(name);
        if (s.isEmpty())
            return def;
        QStringList allowed;
        for (const auto &v : values) {
            if (s.compare(QLatin1String(v.first), Qt::CaseInsensitive) == 0)
                return v.second;
            allowed << QLatin1String(v.first);
        }
        fail(QStringLiteral("attribute %1 of <%2> is \"%3\"; expected one of %4")
                 .arg(QLatin1String(name), m_xml.name().toString(), s, allowed.join(QStringLiteral(", "))));
    }

    QString text()
    {
        const QString t = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return t;
    }

    void skipEmpty()
    {
        const QString element = m_xml.name().toString();
        children([&](const QString &child) { unknown(child, element); });
    }

    void parseReportBody(ReportDefinition &r)
    {
        r.title = attr("title");
        children([&](const QString &e) {
            if (e == QLatin1String("summary")) {
                r.summary.title = attr("title");
                r.summary.subject = attr("subject");
                r.summary.author = attr("author");
                r.summary.keywords = attr("keywords");
                r.summary.comments = attr("comments");
                r.summary.templateName = attr("template");
                if (r.title.isEmpty())
                    r.title = r.summary.title;
                skipEmpty();
            } else if (e == QLatin1String("page")) {
                parsePage(r);
            } else if (e == QLatin1String("printer")) {
                r.printerName = attr("name");
                skipEmpty();
            } else if (e == QLatin1String("tables")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("table"))
                        unknown(t, e);
                    r.tables << parseTable();
                });
            } else if (e == QLatin1String("links")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("link"))
                        unknown(t, e);
                    ReportLink l;
                    l.from = attr("from");
                    l.to = attr("to");
                    l.outer = choice<bool>("join", {{"inner", false}, {"left", true}}, false);
                    if (!l.from.contains(u'.') || !l.to.contains(u'.'))
                        fail(QStringLiteral("a <link> needs from and to written as ALIAS.FIELD"));
                    r.links << l;
                    skipEmpty();
                });
            } else if (e == QLatin1String("sql")) {
                r.sql = text().trimmed();
            } else if (e == QLatin1String("selection")) {
                r.selection = text().trimmed();
            } else if (e == QLatin1String("groupselection")) {
                r.groupSelection = text().trimmed();
            } else if (e == QLatin1String("formulas")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("formula"))
                        unknown(t, e);
                    NamedFormula f;
                    f.name = attr("name");
                    if (f.name.isEmpty())
                        fail(QStringLiteral("a <formula> needs a name"));
                    f.text = text().trimmed();
                    r.formulas << f;
                });
            } else if (e == QLatin1String("parameters")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("parameter"))
                        unknown(t, e);
                    r.parameters << parseParameter();
                });
            } else if (e == QLatin1String("sort") || e == QLatin1String("groupsort")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("field"))
                        unknown(t, e);
                    SortFieldDef s;
                    s.field = attr("name");
                    s.descending =
                        choice<bool>("direction", {{"ascending", false}, {"descending", true}}, false);
                    (e == QLatin1String("sort") ? r.sortFields : r.groupSortFields) << s;
                    skipEmpty();
                });
            } else if (e == QLatin1String("groups")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("group"))
                        unknown(t, e);
                    GroupDef g;
                    g.field = attr("field");
                    if (g.field.isEmpty())
                        fail(QStringLiteral("a <group> needs a field"));
                    g.descending =
                        choice<bool>("direction", {{"ascending", false}, {"descending", true}}, false);
                    if (flag("keeptogether", false))
                        fail(QStringLiteral("keeping a whole group on one page (keeptogether) is not "
                                            "available in this engine"));
                    g.repeatHeader = flag("repeatheader", false);
                    g.nameFormula = attr("nameformula");
                    r.groups << g;
                    skipEmpty();
                });
            } else if (e == QLatin1String("sections")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("section"))
                        unknown(t, e);
                    r.sections << parseSection(r);
                });
            } else if (e == QLatin1String("subreports")) {
                children([&](const QString &t) {
                    if (t != QLatin1String("subreport"))
                        unknown(t, e);
                    auto sub = std::make_shared<ReportDefinition>();
                    const QString name = attr("name");
                    if (name.isEmpty())
                        fail(QStringLiteral("a <subreport> needs a name"));
                    sub->title = name;
                    if (m_subreportDepth >= MaxSubreportDepth)
                        fail(QStringLiteral("subreports are nested more than %1 levels deep")
                                 .arg(MaxSubreportDepth));
                    ++m_subreportDepth;
                    parseReportBody(*sub);
                    --m_subreportDepth;
                    r.subreports.insert(name.toUpper(), sub);
                    r.subreportOrder << name;
                });
            } else if (e == QLatin1String("saveddata")) {
                parseSavedData(r);
            } else {
                unknown(e, QStringLiteral("report"));
            }
        });
        // Number the sections within their area and group, in file order.
        QMap<QPair<int, int>, int> counters;
        for (ReportSection &s : r.sections)
            s.number = counters[{int(s.area), s.group}]++;
        for (const ReportSection &s : r.sections) {
            if ((s.area == ReportSection::GroupHeader || s.area == ReportSection::GroupFooter) &&
                (s.group < 1 || s.group > r.groups.size()))
                throw Failure{QStringLiteral("section %1 belongs to group %2, but the report has %3 group(s)")
                                  .arg(s.areaName())
                                  .arg(s.group)
                                  .arg(r.groups.size())};
        }
    }

    void parsePage(ReportDefinition &r)
    {
        const QString size = attr("size", QStringLiteral("A4"));
        if (size.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
            r.pageWidth = 595.28;
            r.pageHeight = 841.89;
        } else if (size.compare(QLatin1String("A5"), Qt::CaseInsensitive) == 0) {
            r.pageWidth = 419.53;
            r.pageHeight = 595.28;
        } else if (size.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0) {
            r.pageWidth = 841.89;
            r.pageHeight = 1190.55;
        } else if (size.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) {
            r.pageWidth = 612;
            r.pageHeight = 792;
        } else if (size.compare(QLatin1String("custom"), Qt::CaseInsensitive) == 0) {
            r.pageWidth = number("width", 595.28, 1, MaxMeasure);
            r.pageHeight = number("height", 841.89, 1, MaxMeasure);
        } else {
            fail(QStringLiteral("unknown page size \"%1\"; expected A3, A4, A5, Letter or custom").arg(size));
        }
        r.paperName = size;
        r.landscape = choice<bool>("orientation", {{"portrait", false}, {"landscape", true}}, false);
        r.marginLeft = extent("left", 36);
        r.marginRight = extent("right", 36);
        r.marginTop = extent("top", 36);
        r.marginBottom = extent("bottom", 36);
        skipEmpty();
    }

    ReportTable parseTable()
    {
        ReportTable t;
        t.name = attr("name");
        if (t.name.isEmpty())
            fail(QStringLiteral("a <table> needs a name"));
        t.alias = attr("alias", t.name);
        t.subLocation = attr("sublocation");
        children([&](const QString &e) {
            if (e == QLatin1String("logon")) {
                t.server = attr("server");
                t.database = attr("database");
                t.user = attr("user");
                t.password = attr("password");
                skipEmpty();
            } else if (e == QLatin1String("field")) {
                t.fieldTypes.insert(attr("name").toUpper(), attr("type").toLower());
                skipEmpty();
            } else {
                unknown(e, QStringLiteral("table"));
            }
        });
        return t;
    }

    ParameterFieldDef parseParameter()
    {
        ParameterFieldDef p;
        p.name = attr("name");
        if (p.name.isEmpty())
            fail(QStringLiteral("a <parameter> needs a name"));
        p.prompt = attr("prompt");
        p.type = choice<ParameterFieldDef::Type>("type",
                                                 {{"number", ParameterFieldDef::Number},
                                                  {"currency", ParameterFieldDef::Currency},
                                                  {"boolean", ParameterFieldDef::Boolean},
                                                  {"date", ParameterFieldDef::Date},
                                                  {"string", ParameterFieldDef::String},
                                                  {"datetime", ParameterFieldDef::DateTime},
                                                  {"time", ParameterFieldDef::Time}},
                                                 ParameterFieldDef::String);
        p.valueKind =
            choice<ParameterFieldDef::ValueKind>("values",
                                                 {{"discrete", ParameterFieldDef::Discrete},
                                                  {"range", ParameterFieldDef::Range},
                                                  {"discreteandrange", ParameterFieldDef::DiscreteAndRange}},
                                                 ParameterFieldDef::Discrete);
        p.allowMultiple = flag("multiple", false);
        p.allowNull = flag("allownull", false);
        p.allowEditing = flag("editable", true);
        p.minimum = attr("min");
        p.maximum = attr("max");
        p.hasLimit = !p.minimum.isEmpty() || !p.maximum.isEmpty();
        p.editMask = attr("editmask");
        p.browseField = attr("browsefield");
        p.descriptionOnly = flag("descriptiononly", false);
        p.sortMethod = integer("sortmethod", 0, 0, 1000);
        p.sortByDescription = flag("sortbydescription", false);
        p.subreport = attr("subreport");
        children([&](const QString &e) {
            if (e == QLatin1String("default")) {
                p.defaults << ParameterValue{attr("value"), attr("description")};
                skipEmpty();
            } else if (e == QLatin1String("current")) {
                p.current << attr("value");
                skipEmpty();
            } else if (e == QLatin1String("range")) {
                p.ranges << ParameterRange{attr("from"), attr("to"), flag("includefrom", true),
                                           flag("includeto", true)};
                skipEmpty();
            } else {
                unknown(e, QStringLiteral("parameter"));
            }
        });
        return p;
    }

    ReportSection parseSection(const ReportDefinition &)
    {
        ReportSection s;
        const QString area = attr("area");
        static const QList<QPair<const char *, ReportSection::Area>> areas = {
            {"RH", ReportSection::ReportHeader}, {"PH", ReportSection::PageHeader},
            {"GH", ReportSection::GroupHeader},  {"D", ReportSection::Details},
            {"GF", ReportSection::GroupFooter},  {"PF", ReportSection::PageFooter},
            {"RF", ReportSection::ReportFooter}};
        if (area.isEmpty())
            fail(QStringLiteral("a <section> needs an area (RH, PH, GH, D, GF, PF or RF)"));
        s.area = choice<ReportSection::Area>("area", areas, ReportSection::Details);
        s.group = integer("group", 0, 0, 1000);
        if ((s.area == ReportSection::GroupHeader || s.area == ReportSection::GroupFooter) && s.group < 1)
            fail(QStringLiteral("a %1 section needs a group number from 1").arg(area));
        s.height = extent("height", 14);
        s.suppress = flag("suppress", false);
        s.newPageBefore = flag("newpagebefore", false);
        s.newPageAfter = flag("newpageafter", false);
        s.keepTogether = flag("keeptogether", true);
        s.printAtBottom = flag("printatbottom", false);
        s.resetPageNumberAfter = flag("resetpagenumberafter", false);
        s.suppressFormula = attr("suppressformula");
        s.backgroundColor = attr("background");
        children([&](const QString &e) { s.objects << parseObject(e); });
        return s;
    }

    void parseCommon(ReportObject &o)
    {
        o.name = attr("name");
        o.x = measure("x", 0);
        o.y = measure("y", 0);
        o.width = measure("w", 100);
        o.height = measure("h", 12);
        o.font.family = attr("font", o.font.family);
        o.font.size = number("size", o.font.size, 1, 1000);
        o.font.bold = flag("bold", false);
        o.font.italic = flag("italic", false);
        o.font.underline = flag("underline", false);
        o.alignment = choice<Qt::Alignment>(
            "align", {{"left", Qt::AlignLeft}, {"center", Qt::AlignHCenter}, {"right", Qt::AlignRight}},
            Qt::AlignLeft);
        o.color = attr("color");
        o.border = flag("border", false);
        o.format.decimals = integer("decimals", -1, -1, 15);
        o.format.thousands = flag("thousands", false);
        o.format.numberFormat = attr("format");
        o.format.dateFormat = attr("dateformat");
        o.format.blankWhenZero = flag("blankwhenzero", false);
    }

    ReportObject parseObject(const QString &e)
    {
        ReportObject o;
        parseCommon(o);
        if (e == QLatin1String("text")) {
            o.kind = ReportObject::Text;
            o.text = text();
            return o;
        }
        if (e == QLatin1String("field")) {
            o.kind = ReportObject::DatabaseField;
            o.text = attr("source");
            if (!o.text.contains(u'.'))
                fail(QStringLiteral("a <field> needs source written as ALIAS.FIELD"));
        } else if (e == QLatin1String("formulafield")) {
            o.kind = ReportObject::FormulaField;
            o.text = attr("formula");
            if (o.text.startsWith(u'@'))
                o.text = o.text.mid(1);
        } else if (e == QLatin1String("parameterfield")) {
            o.kind = ReportObject::ParameterField;
            o.text = attr("parameter");
            if (o.text.startsWith(u'?'))
                o.text = o.text.mid(1);
        } else if (e == QLatin1String("special")) {
            o.kind = ReportObject::SpecialField;
            o.special = choice<ReportObject::Special>("kind",
                                                      {{"pagenumber", ReportObject::PageNumber},
                                                       {"totalpages", ReportObject::TotalPages},
                                                       {"pagenofm", ReportObject::PageNOfM},
                                                       {"printdate", ReportObject::PrintDate},
                                                       {"printtime", ReportObject::PrintTime},
                                                       {"recordnumber", ReportObject::RecordNumber},
                                                       {"reporttitle", ReportObject::ReportTitle}},
                                                      ReportObject::PageNumber);
            o.text = attr("text"); // "Stran %1 od %2" for pagenofm
        } else if (e == QLatin1String("summary")) {
            o.kind = ReportObject::SummaryField;
            o.summarized = attr("field");
            if (o.summarized.isEmpty())
                fail(QStringLiteral("a <summary> needs a field"));
            o.summary = choice<ReportObject::Summary>("op",
                                                      {{"sum", ReportObject::Sum},
                                                       {"count", ReportObject::Count},
                                                       {"average", ReportObject::Average},
                                                       {"min", ReportObject::Minimum},
                                                       {"max", ReportObject::Maximum}},
                                                      ReportObject::Sum);
            o.summaryGroup = integer("group", 0, 0, 1000);
        } else if (e == QLatin1String("line")) {
            o.kind = ReportObject::Line;
            o.lineWidth = extent("width", 0.5);
            o.height = measure("h", 0);
        } else if (e == QLatin1String("box")) {
            o.kind = ReportObject::Box;
            o.lineWidth = extent("width", 0.5);
            o.fill = attr("fill");
        } else if (e == QLatin1String("picture")) {
            o.kind = ReportObject::Picture;
            o.picture = attr("file");
            if (o.picture.isEmpty())
                fail(QStringLiteral("a <picture> needs a file"));
        } else if (e == QLatin1String("subreport")) {
            o.kind = ReportObject::Subreport;
            o.text = attr("report");
            if (o.text.isEmpty())
                fail(QStringLiteral("a <subreport> object needs the name of a subreport in report=\"...\""));
            children([&](const QString &l) {
                if (l != QLatin1String("link"))
                    unknown(l, QStringLiteral("subreport"));
                o.links << qMakePair(attr("main"), attr("sub"));
                skipEmpty();
            });
            return o;
        } else {
            unknown(e, QStringLiteral("section"));
        }
        skipEmpty();
        return o;
    }

    void parseSavedData(ReportDefinition &r)
    {
        r.hasSavedData = true;
        children([&](const QString &e) {
            if (e == QLatin1String("column")) {
                r.savedColumns << attr("name");
                skipEmpty();
            } else if (e == QLatin1String("row")) {
                QVariantList row;
                children([&](const QString &v) {
                    if (v != QLatin1String("v"))
                        unknown(v, QStringLiteral("row"));
                    const bool isNull = flag("null", false);
                    const QString type = attr("type");
                    const QString t = text();
                    if (isNull) {
                        row << QVariant();
                    } else if (type == QLatin1String("n")) {
                        bool ok = false;
                        const double n = t.toDouble(&ok);
                        if (!ok || !std::isfinite(n))
                            fail(QStringLiteral("the saved value \"%1\" is not a number").arg(t));
                        row << n;
                    } else {
                        row << t;
                    }
                });
                r.savedRows << row;
            } else {
                unknown(e, QStringLiteral("saveddata"));
            }
        });
    }
};

} // namespace

std::shared_ptr<ReportDefinition> ReportFile::parse(const QByteArray &xml, const QString &fileName,
                                                    ReportFileError *error)
{
    *error = {};
    auto r = std::make_shared<ReportDefinition>();
    const QFileInfo fi(fileName);
    r->fileName = fi.absoluteFilePath();
    r->folder = fi.absolutePath() + u'/';
    Reader reader(xml);
    try {
        reader.parseReport(*r);
    } catch (const Failure &f) {
        error->line = int(reader.m_xml.lineNumber());
        error->column = int(reader.m_xml.columnNumber());
        error->message = f.message;
        if (error->line == 0)
            error->line = 1;
        return nullptr;
    }
    for (auto &sub : r->subreports) {
        sub->fileName = r->fileName;
        sub->folder = r->folder;
    }
    return r;
}

std::shared_ptr<ReportDefinition> ReportFile::read(const QString &fileName, ReportFileError *error)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = {};
        error->message = QStringLiteral("cannot open: %1").arg(f.errorString());
        return nullptr;
    }
    return parse(f.readAll(), fileName, error);
}

namespace {

QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString num(double v)
{
    return QString::number(v, 'g', 10);
}

void writeBody(QXmlStreamWriter &w, const ReportDefinition &r)
{
    w.writeStartElement(QStringLiteral("summary"));
    w.writeAttribute(QStringLiteral("title"), r.summary.title.isEmpty() ? r.title : r.summary.title);
    w.writeAttribute(QStringLiteral("subject"), r.summary.subject);
    w.writeAttribute(QStringLiteral("author"), r.summary.author);
    w.writeAttribute(QStringLiteral("keywords"), r.summary.keywords);
    w.writeAttribute(QStringLiteral("comments"), r.summary.comments);
    w.writeAttribute(QStringLiteral("template"), r.summary.templateName);
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("page"));
    w.writeAttribute(QStringLiteral("size"), QStringLiteral("custom"));
    w.writeAttribute(QStringLiteral("width"), num(r.pageWidth));
    w.writeAttribute(QStringLiteral("height"), num(r.pageHeight));
    w.writeAttribute(QStringLiteral("orientation"),
                     r.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"));
    w.writeAttribute(QStringLiteral("left"), num(r.marginLeft));
    w.writeAttribute(QStringLiteral("right"), num(r.marginRight));
    w.writeAttribute(QStringLiteral("top"), num(r.marginTop));
    w.writeAttribute(QStringLiteral("bottom"), num(r.marginBottom));
    w.writeEndElement();
    if (!r.printerName.isEmpty()) {
        w.writeStartElement(QStringLiteral("printer"));
        w.writeAttribute(QStringLiteral("name"), r.printerName);
        w.writeEndElement();
    }
    w.writeStartElement(QStringLiteral("tables"));
    for (const ReportTable &t : r.tables) {
        w.writeStartElement(QStringLiteral("table"));
        w.writeAttribute(QStringLiteral("name"), t.name);
        w.writeAttribute(QStringLiteral("alias"), t.alias);
        if (!t.subLocation.isEmpty())
            w.writeAttribute(QStringLiteral("sublocation"), t.subLocation);
        w.writeStartElement(QStringLiteral("logon"));
        w.writeAttribute(QStringLiteral("server"), t.server);
        w.writeAttribute(QStringLiteral("database"), t.database);
        w.writeAttribute(QStringLiteral("user"), t.user);
        w.writeEndElement();
        for (auto it = t.fieldTypes.cbegin(); it != t.fieldTypes.cend(); ++it) {
            w.writeStartElement(QStringLiteral("field"));
            w.writeAttribute(QStringLiteral("name"), it.key());
            w.writeAttribute(QStringLiteral("type"), it.value());
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    if (!r.links.isEmpty()) {
        w.writeStartElement(QStringLiteral("links"));
        for (const ReportLink &l : r.links) {
            w.writeStartElement(QStringLiteral("link"));
            w.writeAttribute(QStringLiteral("from"), l.from);
            w.writeAttribute(QStringLiteral("to"), l.to);
            w.writeAttribute(QStringLiteral("join"),
                             l.outer ? QStringLiteral("left") : QStringLiteral("inner"));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    if (!r.sql.isEmpty())
        w.writeTextElement(QStringLiteral("sql"), r.sql);
    if (!r.selection.isEmpty())
        w.writeTextElement(QStringLiteral("selection"), r.selection);
    if (!r.groupSelection.isEmpty())
        w.writeTextElement(QStringLiteral("groupselection"), r.groupSelection);
    if (!r.formulas.isEmpty()) {
        w.writeStartElement(QStringLiteral("formulas"));
        for (const NamedFormula &f : r.formulas) {
            w.writeStartElement(QStringLiteral("formula"));
            w.writeAttribute(QStringLiteral("name"), f.name);
            w.writeCharacters(f.text);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    if (!r.parameters.isEmpty()) {
        static const char *const types[] = {"number", "currency", "boolean", "date",
                                            "string", "datetime", "time"};
        static const char *const kinds[] = {"discrete", "range", "discreteandrange"};
        w.writeStartElement(QStringLiteral("parameters"));
        for (const ParameterFieldDef &p : r.parameters) {
            w.writeStartElement(QStringLiteral("parameter"));
            w.writeAttribute(QStringLiteral("name"), p.name);
            w.writeAttribute(QStringLiteral("type"), QLatin1String(types[p.type]));
            w.writeAttribute(QStringLiteral("prompt"), p.prompt);
            w.writeAttribute(QStringLiteral("values"), QLatin1String(kinds[p.valueKind]));
            w.writeAttribute(QStringLiteral("multiple"), boolText(p.allowMultiple));
            w.writeAttribute(QStringLiteral("allownull"), boolText(p.allowNull));
            w.writeAttribute(QStringLiteral("editable"), boolText(p.allowEditing));
            if (!p.minimum.isEmpty())
                w.writeAttribute(QStringLiteral("min"), p.minimum);
            if (!p.maximum.isEmpty())
                w.writeAttribute(QStringLiteral("max"), p.maximum);
            if (!p.editMask.isEmpty())
                w.writeAttribute(QStringLiteral("editmask"), p.editMask);
            if (!p.subreport.isEmpty())
                w.writeAttribute(QStringLiteral("subreport"), p.subreport);
            for (const ParameterValue &d : p.defaults) {
                w.writeStartElement(QStringLiteral("default"));
                w.writeAttribute(QStringLiteral("value"), d.value);
                if (!d.description.isEmpty())
                    w.writeAttribute(QStringLiteral("description"), d.description);
                w.writeEndElement();
            }
            for (const QString &c : p.current) {
                w.writeStartElement(QStringLiteral("current"));
                w.writeAttribute(QStringLiteral("value"), c);
                w.writeEndElement();
            }
            for (const ParameterRange &g : p.ranges) {
                w.writeStartElement(QStringLiteral("range"));
                w.writeAttribute(QStringLiteral("from"), g.from);
                w.writeAttribute(QStringLiteral("to"), g.to);
                w.writeAttribute(QStringLiteral("includefrom"), boolText(g.includeFrom));
                w.writeAttribute(QStringLiteral("includeto"), boolText(g.includeTo));
                w.writeEndElement();
            }
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    auto writeSort = [&](const char *element, const QList<SortFieldDef> &list) {
        if (list.isEmpty())
            return;
        w.writeStartElement(QLatin1String(element));
        for (const SortFieldDef &s : list) {
            w.writeStartElement(QStringLiteral("field"));
            w.writeAttribute(QStringLiteral("name"), s.field);
            w.writeAttribute(QStringLiteral("direction"),
                             s.descending ? QStringLiteral("descending") : QStringLiteral("ascending"));
            w.writeEndElement();
        }
        w.writeEndElement();
    };
    writeSort("sort", r.sortFields);
    writeSort("groupsort", r.groupSortFields);
    if (!r.groups.isEmpty()) {
        w.writeStartElement(QStringLiteral("groups"));
        for (const GroupDef &g : r.groups) {
            w.writeStartElement(QStringLiteral("group"));
            w.writeAttribute(QStringLiteral("field"), g.field);
            w.writeAttribute(QStringLiteral("direction"),
                             g.descending ? QStringLiteral("descending") : QStringLiteral("ascending"));
            w.writeAttribute(QStringLiteral("repeatheader"), boolText(g.repeatHeader));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    static const char *const specials[] = {"pagenumber",   "totalpages", "pagenofm",   "printdate",
                                           "recordnumber", "printtime",  "reporttitle"};
    static const char *const summaries[] = {"sum", "count", "average", "min", "max"};
    w.writeStartElement(QStringLiteral("sections"));
    for (const ReportSection &s : r.sections) {
        w.writeStartElement(QStringLiteral("section"));
        QString area = s.areaName();
        if (s.area == ReportSection::GroupHeader || s.area == ReportSection::GroupFooter)
            area = area.left(2);
        w.writeAttribute(QStringLiteral("area"), area);
        if (s.group > 0)
            w.writeAttribute(QStringLiteral("group"), QString::number(s.group));
        w.writeAttribute(QStringLiteral("height"), num(s.height));
        w.writeAttribute(QStringLiteral("suppress"), boolText(s.suppress));
        w.writeAttribute(QStringLiteral("newpagebefore"), boolText(s.newPageBefore));
        w.writeAttribute(QStringLiteral("newpageafter"), boolText(s.newPageAfter));
        w.writeAttribute(QStringLiteral("keeptogether"), boolText(s.keepTogether));
        if (!s.suppressFormula.isEmpty())
            w.writeAttribute(QStringLiteral("suppressformula"), s.suppressFormula);
        for (const ReportObject &o : s.objects) {
            static const char *const elements[] = {"text",    "field",    "formulafield", "parameterfield",
                                                   "special", "summary",  "line",         "box",
                                                   "picture", "subreport"};
            w.writeStartElement(QLatin1String(elements[o.kind]));
            if (!o.name.isEmpty())
                w.writeAttribute(QStringLiteral("name"), o.name);
            w.writeAttribute(QStringLiteral("x"), num(o.x));
            w.writeAttribute(QStringLiteral("y"), num(o.y));
            w.writeAttribute(QStringLiteral("w"), num(o.width));
            w.writeAttribute(QStringLiteral("h"), num(o.height));
            if (o.kind <= ReportObject::SummaryField) {
                w.writeAttribute(QStringLiteral("font"), o.font.family);
                w.writeAttribute(QStringLiteral("size"), num(o.font.size));
                if (o.font.bold)
                    w.writeAttribute(QStringLiteral("bold"), QStringLiteral("true"));
                if (o.font.italic)
                    w.writeAttribute(QStringLiteral("italic"), QStringLiteral("true"));
                if (o.alignment & Qt::AlignRight)
                    w.writeAttribute(QStringLiteral("align"), QStringLiteral("right"));
                else if (o.alignment & Qt::AlignHCenter)
                    w.writeAttribute(QStringLiteral("align"), QStringLiteral("center"));
                if (o.format.decimals >= 0)
                    w.writeAttribute(QStringLiteral("decimals"), QString::number(o.format.decimals));
                if (o.format.thousands)
                    w.writeAttribute(QStringLiteral("thousands"), QStringLiteral("true"));
                if (!o.format.numberFormat.isEmpty())
                    w.writeAttribute(QStringLiteral("format"), o.format.numberFormat);
                if (!o.format.dateFormat.isEmpty())
                    w.writeAttribute(QStringLiteral("dateformat"), o.format.dateFormat);
            }
            switch (o.kind) {
            case ReportObject::Text:
                w.writeCharacters(o.text);
                break;
            case ReportObject::DatabaseField:
                w.writeAttribute(QStringLiteral("source"), o.text);
                break;
            case ReportObject::FormulaField:
                w.writeAttribute(QStringLiteral("formula"), o.text);
                break;
            case ReportObject::ParameterField:
                w.writeAttribute(QStringLiteral("parameter"), o.text);
                break;
            case ReportObject::SpecialField:
                w.writeAttribute(QStringLiteral("kind"), QLatin1String(specials[o.special]));
                if (!o.text.isEmpty())
                    w.writeAttribute(QStringLiteral("text"), o.text);
                break;
            case ReportObject::SummaryField:
                w.writeAttribute(QStringLiteral("field"), o.summarized);
                w.writeAttribute(QStringLiteral("op"), QLatin1String(summaries[o.summary]));
                w.writeAttribute(QStringLiteral("group"), QString::number(o.summaryGroup));
                break;
            case ReportObject::Line:
            case ReportObject::Box:
                w.writeAttribute(QStringLiteral("width"), num(o.lineWidth));
                if (!o.fill.isEmpty())
                    w.writeAttribute(QStringLiteral("fill"), o.fill);
                break;
            case ReportObject::Picture:
                w.writeAttribute(QStringLiteral("file"), o.picture);
                break;
            case ReportObject::Subreport:
                w.writeAttribute(QStringLiteral("report"), o.text);
                for (const auto &l : o.links) {
                    w.writeStartElement(QStringLiteral("link"));
                    w.writeAttribute(QStringLiteral("main"), l.first);
                    w.writeAttribute(QStringLiteral("sub"), l.second);
                    w.writeEndElement();
                }
                break;
            }
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    if (!r.subreportOrder.isEmpty()) {
        w.writeStartElement(QStringLiteral("subreports"));
        for (const QString &name : r.subreportOrder) {
            const auto sub = r.subreports.value(name.toUpper());
            if (!sub)
                continue;
            w.writeStartElement(QStringLiteral("subreport"));
            w.writeAttribute(QStringLiteral("name"), name);
            writeBody(w, *sub);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    if (r.hasSavedData) {
        w.writeStartElement(QStringLiteral("saveddata"));
        for (const QString &c : r.savedColumns) {
            w.writeStartElement(QStringLiteral("column"));
            w.writeAttribute(QStringLiteral("name"), c);
            w.writeEndElement();
        }
        for (const QVariantList &row : r.savedRows) {
            w.writeStartElement(QStringLiteral("row"));
            for (const QVariant &v : row) {
                w.writeStartElement(QStringLiteral("v"));
                if (v.isNull()) {
                    w.writeAttribute(QStringLiteral("null"), QStringLiteral("true"));
                } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                           v.typeId() == QMetaType::LongLong) {
                    w.writeAttribute(QStringLiteral("type"), QStringLiteral("n"));
                    w.writeCharacters(QString::number(v.toDouble(), 'g', 17));
                } else {
                    w.writeCharacters(v.toString());
                }
                w.writeEndElement();
            }
            w.writeEndElement();
        }
        w.writeEndElement();
    }
}

} // namespace

QByteArray ReportFile::toXml(const ReportDefinition &report)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("report"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    writeBody(w, report);
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

bool ReportFile::write(const ReportDefinition &report, const QString &fileName, QString *error)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("Cannot write %1: %2").arg(fileName, f.errorString());
        return false;
    }
    if (f.write(toXml(report)) < 0) {
        *error = QStringLiteral("Cannot write %1: %2").arg(fileName, f.errorString());
        return false;
    }
    return true;
}
