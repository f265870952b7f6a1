#include "printengine/ReportRunner.h"

#include "printengine/Paginator.h"
#include "printengine/RpeError.h"
#include "printengine/rpe32.h"
#include "shell/Formats.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace {

// Evaluates constant parts of the selection while the query is planned.
class ConstantContext : public FormulaContext
{
public:
    explicit ConstantContext(ReportRunner *runner) : m_runner(runner) {}
    FormulaValue fieldValue(const QString &name) override
    {
        throw EFormulaError(QStringLiteral("field %1").arg(name));
    }
    FormulaValue formulaValue(const QString &name) override
    {
        throw EFormulaError(QStringLiteral("formula %1").arg(name));
    }
    FormulaValue parameterValue(const QString &name) override { return m_runner->parameterValue(name); }
    FormulaValue specialValue(const QString &name) override
    {
        throw EFormulaError(QStringLiteral("special %1").arg(name));
    }

private:
    ReportRunner *m_runner;
};

QString numberText(double x, int decimals, bool thousands)
{
    QString digits = QString::number(std::fabs(x), 'f', decimals);
    QString intPart = digits;
    QString frac;
    const int dot = digits.indexOf(u'.');
    if (dot >= 0) {
        intPart = digits.left(dot);
        frac = digits.mid(dot + 1);
    }
    if (thousands) {
        for (int i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, u'.');
    }
    QString r = intPart;
    if (!frac.isEmpty())
        r += u',' + frac;
    bool zero = true;
    for (const QChar c : digits) {
        if (c.isDigit() && c != u'0')
            zero = false;
    }
    if (x < 0 && !zero)
        r.prepend(u'-');
    return r;
}

// The caption of each detail cell: the text objects printed above its column
// in the page header (else the report header, else a group header), the
// lowest such section winning; a cell without one keeps its name.
QStringList columnHeadings(const ReportDefinition &r, const std::vector<const ReportObject *> &cells,
                           const QStringList &names)
{
    QStringList headings = names;
    const ReportSection::Area areas[] = {ReportSection::PageHeader, ReportSection::ReportHeader,
                                         ReportSection::GroupHeader};
    for (size_t i = 0; i < cells.size(); ++i) {
        const ReportObject &cell = *cells[i];
        bool found = false;
        for (const ReportSection::Area area : areas) {
            for (auto s = r.sections.crbegin(); s != r.sections.crend() && !found; ++s) {
                if (s->area != area || s->suppress)
                    continue;
                QList<const ReportObject *> above;
                for (const ReportObject &t : s->objects) {
                    // Mostly over this column: a title across the page is no heading.
                    const double overlap = qMin(t.x + t.width, cell.x + cell.width) - qMax(t.x, cell.x);
                    if (t.kind == ReportObject::Text && !t.text.trimmed().isEmpty() && t.width > 0 &&
                        overlap >= t.width / 2)
                        above << &t;
                }
                if (above.isEmpty())
                    continue;
                std::stable_sort(above.begin(), above.end(),
                                 [](const ReportObject *a, const ReportObject *b) { return a->y < b->y; });
                QStringList lines;
                for (const ReportObject *t : above)
                    lines << t->text.simplified();
                headings[int(i)] = lines.join(u' ');
                found = true;
            }
            if (found)
                break;
        }
    }
    return headings;
}

} // namespace

ReportRunner::ReportRunner(std::shared_ptr<const ReportDefinition> report, DataProvider *data,
                           const RunOptions &options)
    : m_report(std::move(report)), m_data(data), m_options(options)
{
}

ReportRunner::~ReportRunner() = default;

static bool compileInto(const QString &what, const QString &text, Formula *out, QString *error)
{
    FormulaSyntaxError e;
    *out = Formula::compile(text, &e);
    if (e.isError()) {
        *error = what + QStringLiteral(": ") + e.text();
        return false;
    }
    return true;
}

bool ReportRunner::prepare(QString *error)
{
    const ReportDefinition &r = *m_report;
    m_formulas.clear();
    m_formulaIndex.clear();
    for (const NamedFormula &f : r.formulas) {
        Formula compiled;
        if (!compileInto(QStringLiteral("Formula {@%1}").arg(f.name), f.text, &compiled, error))
            return false;
        m_formulaIndex.insert(f.name.toUpper(), int(m_formulas.size()));
        m_formulas.push_back(compiled);
    }
    m_formulaCache.assign(m_formulas.size(), FormulaValue());
    m_formulaStamp.assign(m_formulas.size(), 0);
    m_formulaBusy.assign(m_formulas.size(), false);
    if (!compileInto(QStringLiteral("Record selection formula"), r.selection, &m_selection, error))
        return false;
    if (!compileInto(QStringLiteral("Group selection formula"), r.groupSelection, &m_groupSelection, error))
        return false;
    if (!m_groupSelection.isEmpty() && r.groups.isEmpty()) {
        *error = QStringLiteral("Group selection formula: the report has no groups to select");
        return false;
    }
    if (!m_selection.summaries().isEmpty()) {
        *error = QStringLiteral(
            "Record selection formula: summaries are known only after the records; use the group "
            "selection formula");
        return false;
    }
    for (const ReportSection &s : r.sections) {
        if (s.suppressFormula.trimmed().isEmpty())
            continue;
        Formula f;
        if (!compileInto(QStringLiteral("Suppress formula of section %1").arg(s.name()), s.suppressFormula,
                         &f, error))
            return false;
        m_suppress.insert(&s, f);
    }
    // Every reference must name something the report has.
    auto checkRefs = [&](const Formula &f, const QString &what) -> bool {
        for (const QString &name : f.formulas()) {
            if (!m_formulaIndex.contains(name.toUpper())) {
                *error = QStringLiteral("%1 uses {@%2}, which the report does not have").arg(what, name);
                return false;
            }
        }
        for (const QString &name : f.parameters()) {
            if (r.parameterIndex(name) < 0) {
                *error = QStringLiteral("%1 uses {?%2}, which the report does not have").arg(what, name);
                return false;
            }
        }
        if (r.sql.isEmpty()) {
            for (const QString &name : f.fields()) {
                const int dot = name.lastIndexOf(u'.');
                if (r.tableIndex(name.left(dot)) < 0) {
                    *error = QStringLiteral("%1 uses {%2}, but the report has no table %3")
                                 .arg(what, name, name.left(dot));
                    return false;
                }
            }
        }
        return true;
    };
    for (int i = 0; i < r.formulas.size(); ++i) {
        if (!checkRefs(m_formulas[i], QStringLiteral("Formula {@%1}").arg(r.formulas[i].name)))
            return false;
    }
    if (!checkRefs(m_selection, QStringLiteral("Record selection formula")))
        return false;
    for (auto it = m_suppress.cbegin(); it != m_suppress.cend(); ++it) {
        if (!checkRefs(it.value(), QStringLiteral("Suppress formula of section %1").arg(it.key()->name())))
            return false;
    }
    for (const ReportSection &s : r.sections) {
        for (const ReportObject &o : s.objects) {
            if (o.kind == ReportObject::FormulaField && !m_formulaIndex.contains(o.text.toUpper())) {
                *error = QStringLiteral("Section %1 shows {@%2}, which the report does not have")
                             .arg(s.name(), o.text);
                return false;
            }
            if (o.kind == ReportObject::ParameterField && r.parameterIndex(o.text) < 0) {
                *error = QStringLiteral("Section %1 shows {?%2}, which the report does not have")
                             .arg(s.name(), o.text);
                return false;
            }
            if (o.kind == ReportObject::Subreport && !r.subreports.contains(o.text.toUpper())) {
                *error = QStringLiteral("Section %1 holds subreport %2, which the report does not have")
                             .arg(s.name(), o.text);
                return false;
            }
        }
    }
    collectFields();

    // Summaries: one accumulator per distinct field, kind and group level.
    m_summaryKeys.clear();
    m_summaryIndex.clear();
    for (const ReportSection &s : r.sections) {
        for (const ReportObject &o : s.objects) {
            if (o.kind != ReportObject::SummaryField)
                continue;
            if (o.summaryGroup < 0 || o.summaryGroup > r.groups.size()) {
                *error = QStringLiteral(
                             "Summary of %1 in section %2 refers to group %3, but the report has %4 group(s)")
                             .arg(o.summarized, s.name())
                             .arg(o.summaryGroup)
                             .arg(r.groups.size());
                return false;
            }
            const QString key = QStringLiteral("%1|%2|%3")
                                    .arg(o.summarized.toUpper())
                                    .arg(int(o.summary))
                                    .arg(o.summaryGroup);
            if (!m_summaryIndex.contains(key)) {
                m_summaryIndex.insert(key, int(m_summaryKeys.size()));
                m_summaryKeys << SummaryKey{o.summarized, o.summary, o.summaryGroup};
            }
        }
    }
    // Summaries named in formulas: Sum({F}) over the report, Sum({F}, {G}) over group G.
    auto addFormulaSummaries = [&](const Formula &f, const QString &what) -> bool {
        for (const auto &call : f.summaries()) {
            int level = 0;
            if (call.second.size() > 1) {
                for (int g = 0; g < r.groups.size(); ++g) {
                    if (r.groups[g].field.compare(call.second[1], Qt::CaseInsensitive) == 0)
                        level = g + 1;
                }
                if (level == 0) {
                    *error = QStringLiteral("%1: {%2} is not a group field of the report")
                                 .arg(what, call.second[1]);
                    return false;
                }
            }
            const ReportObject::Summary op = summaryKind(call.first);
            const QString key =
                QStringLiteral("%1|%2|%3").arg(call.second[0].toUpper()).arg(int(op)).arg(level);
            if (!m_summaryIndex.contains(key)) {
                m_summaryIndex.insert(key, int(m_summaryKeys.size()));
                m_summaryKeys << SummaryKey{call.second[0], op, level};
            }
        }
        return true;
    };
    for (int i = 0; i < r.formulas.size(); ++i) {
        if (!addFormulaSummaries(m_formulas[i], QStringLiteral("Formula {@%1}").arg(r.formulas[i].name)))
            return false;
    }
    if (!addFormulaSummaries(m_groupSelection, QStringLiteral("Group selection formula")))
        return false;
    for (auto it = m_suppress.cbegin(); it != m_suppress.cend(); ++it) {
        if (!addFormulaSummaries(it.value(),
                                 QStringLiteral("Suppress formula of section %1").arg(it.key()->name())))
            return false;
    }
    if (!checkRefs(m_groupSelection, QStringLiteral("Group selection formula")))
        return false;

    m_rowObjects.clear();
    for (const ReportSection &s : r.sections) {
        if (s.area != ReportSection::Details)
            continue;
        QList<const ReportObject *> objs;
        for (const ReportObject &o : s.objects) {
            if (o.isField())
                objs << &o;
        }
        std::stable_sort(objs.begin(), objs.end(), [](const ReportObject *a, const ReportObject *b) {
            return std::abs(a->y - b->y) > 2 ? a->y < b->y : a->x < b->x;
        });
        for (const ReportObject *o : objs)
            m_rowObjects.push_back(o);
    }
    return true;
}

void ReportRunner::collectFields()
{
    const ReportDefinition &r = *m_report;
    QStringList fields;
    auto add = [&](const QString &f) {
        if (f.isEmpty() || f.startsWith(u'@') || !f.contains(u'.'))
            return;
        if (!fields.contains(f, Qt::CaseInsensitive))
            fields << f.toUpper();
    };
    for (const Formula &f : m_formulas) {
        for (const QString &x : f.fields())
            add(x);
    }
    for (const QString &x : m_selection.fields())
        add(x);
    for (const Formula &f : m_suppress) {
        for (const QString &x : f.fields())
            add(x);
    }
    for (const GroupDef &g : r.groups)
        add(g.field);
    for (const SortFieldDef &s : r.sortFields)
        add(s.field);
    for (const ReportSection &s : r.sections) {
        for (const ReportObject &o : s.objects) {
            if (o.kind == ReportObject::DatabaseField)
                add(o.text);
            else if (o.kind == ReportObject::SummaryField)
                add(o.summarized);
            else if (o.kind == ReportObject::Subreport) {
                for (const auto &l : o.links)
                    add(l.first);
            }
        }
    }
    m_fields = fields;
}

void ReportRunner::checkFields(const QList<QPair<QString, FormulaValue>> &links)
{
    FieldCheck check(*m_report, [this](const ReportTable &t) { return m_data->tableColumns(*m_report, t); });
    auto checkFormula = [&](const Formula &f, const QString &what) {
        const QString fault = check.checkFormula(f.root());
        if (!fault.isEmpty())
            throw EFormulaError(what + QStringLiteral(": ") + fault);
    };
    for (size_t i = 0; i < m_formulas.size(); ++i)
        checkFormula(m_formulas[i], QStringLiteral("Formula {@%1}").arg(m_report->formulas[int(i)].name));
    checkFormula(m_selection, QStringLiteral("Record selection formula"));
    checkFormula(m_groupSelection, QStringLiteral("Group selection formula"));
    for (auto it = m_suppress.cbegin(); it != m_suppress.cend(); ++it)
        checkFormula(it.value(), QStringLiteral("Suppress formula of section %1").arg(it.key()->name()));
    QStringList fields = m_fields;
    for (const auto &l : links)
        fields << l.first;
    for (const QString &f : fields) {
        const QString fault = check.checkField(f);
        if (!fault.isEmpty())
            throw EFormulaError(fault);
    }
}

bool ReportRunner::usesTotalPages() const
{
    for (const ReportSection &s : m_report->sections) {
        for (const ReportObject &o : s.objects) {
            if (o.kind == ReportObject::SpecialField &&
                (o.special == ReportObject::TotalPages || o.special == ReportObject::PageNOfM))
                return true;
        }
    }
    for (const Formula &f : m_formulas) {
        if (f.specials().contains(QStringLiteral("totalpagecount")))
            return true;
    }
    return false;
}

void ReportRunner::run(Exporter *out, int *pageCount)
{
    m_rejectedGroups.clear();
    if (!m_groupSelection.isEmpty()) {
        Paginator groups(m_report, nullptr, true, m_options.startPageNumber);
        m_pager = &groups;
        m_groupPass = true;
        try {
            runRecords(&groups, 0, {}, nullptr, true);
        } catch (...) {
            m_groupPass = false;
            m_pager = nullptr;
            throw;
        }
        m_groupPass = false;
        judgeGroups();
    }
    Paginator pager(m_report, out, m_options.countPagesOnly, m_options.startPageNumber);
    pager.setTotalPages(m_options.totalPages);
    m_pager = &pager;
    try {
        if (!runRecords(&pager, 0, {}, m_options.countPagesOnly ? nullptr : out, true)) {
            const QString text =
                out && !out->errorText().isEmpty() ? out->errorText() : QStringLiteral("The output failed");
            throw EInOutError(text);
        }
    } catch (...) {
        m_pager = nullptr;
        throw;
    }
    if (pageCount)
        *pageCount = pager.pageCount();
    m_pager = nullptr;
}

QString ReportRunner::plannedSql()
{
    ConstantContext constants(this);
    QString error;
    const QueryPlan plan = QueryPlanner::plan(
        *m_report, m_fields, m_selection.root(), {},
        [&](const FormulaNode *node, FormulaValue *v) {
            try {
                *v = Formula::evaluateNode(node, constants);
                return true;
            } catch (const EError &) {
                return false;
            }
        },
        &error);
    return plan.sql;
}

bool ReportRunner::runRecords(Paginator *pager, double xOffset,
                              const QList<QPair<QString, FormulaValue>> &links, Exporter *out, bool isMain)
{
    const ReportDefinition &r = *m_report;
    m_pager = pager;
    m_xOffset = xOffset;
    QString planError;
    ConstantContext constants(this);
    const auto evalConstant = [&](const FormulaNode *node, FormulaValue *v) -> bool {
        try {
            *v = Formula::evaluateNode(node, constants);
            return true;
        } catch (const EError &) {
            return false;
        }
    };
    if (!m_fieldsChecked && r.sql.trimmed().isEmpty() && !m_data->usesSavedData(r)) {
        checkFields(links);
        m_fieldsChecked = true;
    }
    m_plan = QueryPlanner::plan(r, m_fields, m_selection.root(), links, evalConstant, &planError);
    if (!planError.isEmpty())
        throw EError(planError);
    if (m_data->usesSavedData(r)) {
        m_plan.residual.clear();
        QueryPlanner::splitConjuncts(m_selection.root(), &m_plan.residual);
    }
    m_stream = m_data->open(r, m_plan);
    m_columnIndex.clear();
    const QStringList cols = m_stream->columns();
    for (int i = 0; i < cols.size(); ++i) {
        const QString c = cols[i].toUpper();
        if (!m_columnIndex.contains(c))
            m_columnIndex.insert(c, i);
        const int dot = c.lastIndexOf(u'.');
        if (dot >= 0 && !m_columnIndex.contains(c.mid(dot + 1)))
            m_columnIndex.insert(c.mid(dot + 1), i);
    }
    m_row.assign(size_t(cols.size()), QVariant());
    m_previousRow = m_row;
    m_rowCache.assign(size_t(cols.size()), FormulaValue());
    m_rowStamp.assign(size_t(cols.size()), 0);
    m_recordNumber = 0;
    m_openGroups = 0;
    m_groupValues.clear();
    m_acc.assign(size_t(m_summaryKeys.size()), std::vector<Accumulator>(1));
    m_haveRow = false;

    if (isMain && out) {
        RunInfo info;
        info.title = r.title.isEmpty() ? r.summary.title : r.title;
        info.pageWidth = r.paperWidth();
        info.pageHeight = r.paperHeight();
        for (const ReportObject *o : m_rowObjects)
            info.rowColumns << (!o->name.isEmpty()                      ? o->name
                                : o->kind == ReportObject::SummaryField ? o->summarized
                                                                        : o->text);
        info.rowObjects = m_rowObjects;
        info.rowHeadings = columnHeadings(r, m_rowObjects, info.rowColumns);
        info.recordColumns = cols;
        info.report = m_report;
        if (!out->begin(info))
            return false;
    }

    auto fetchSelected = [&]() -> bool {
        while (m_stream->next()) {
            loadRow();
            bool selected = true;
            for (const FormulaNode *c : m_plan.residual) {
                const FormulaValue v = Formula::evaluateNode(c, *this);
                if (v.type() != FormulaValue::Boolean && !v.isNull())
                    throw EFormulaError(
                        QStringLiteral("Record selection formula must give a boolean, not a %1")
                            .arg(v.typeName()));
                if (!(v.type() == FormulaValue::Boolean && v.toBool())) {
                    selected = false;
                    break;
                }
            }
            if (selected && !m_rejectedGroups.isEmpty()) {
                QList<FormulaValue> gv;
                for (const GroupDef &g : r.groups)
                    gv << valueOf(g.field);
                selected = !m_rejectedGroups.contains(groupKey(gv));
            }
            if (selected)
                return true;
        }
        return false;
    };
    // A group's selection needs its final summaries, and those of the groups
    // around it, which are known only when those end: the pass that finds
    // the dropped groups keeps each group's summaries and each innermost
    // group's last record, and judges the groups after the last record.
    auto closeGroups = [&](int fromLevel) {
        if (!m_groupPass)
            return;
        for (int level = int(r.groups.size()); level >= fromLevel; --level) {
            std::vector<Accumulator> snapshot;
            for (int k = 0; k < m_summaryKeys.size(); ++k)
                snapshot.push_back(m_summaryKeys[k].group == level ? m_acc[size_t(k)][0] : Accumulator());
            m_groupSnapshots.insert(QString::number(level) + u'|' + groupKey(m_groupValues.mid(0, level)),
                                    snapshot);
        }
        m_closedGroups.push_back(m_row);
    };
    bool has = fetchSelected();
    m_haveRow = has;
    if (isMain)
        pager->begin(this);
    placeArea(pager, ReportSection::ReportHeader, 0, xOffset);
    const int n = int(r.groups.size());
    while (has) {
        ++m_recordNumber;
        QList<FormulaValue> gv;
        for (const GroupDef &g : r.groups)
            gv << valueOf(g.field);
        int breakLevel = n + 1;
        if (m_openGroups == 0) {
            breakLevel = 1;
        } else {
            for (int i = 0; i < n; ++i) {
                if (!(gv[i] == m_groupValues[i])) {
                    breakLevel = i + 1;
                    break;
                }
            }
        }
        if (m_openGroups > 0 && breakLevel <= n) {
            // Footers show the group's last record.
            std::swap(m_row, m_previousRow);
            ++m_stamp;
            closeGroups(breakLevel);
            for (int level = n; level >= breakLevel; --level) {
                m_openGroups = level;
                placeArea(pager, ReportSection::GroupFooter, level, xOffset);
            }
            std::swap(m_row, m_previousRow);
            ++m_stamp;
            for (int k = 0; k < m_summaryKeys.size(); ++k) {
                if (m_summaryKeys[k].group >= breakLevel)
                    m_acc[size_t(k)][0] = Accumulator();
            }
        }
        m_groupValues = gv;
        for (int level = breakLevel; level <= n; ++level) {
            m_openGroups = level - 1;
            placeArea(pager, ReportSection::GroupHeader, level, xOffset);
        }
        m_openGroups = n;
        // Summaries include the current record.
        for (int k = 0; k < m_summaryKeys.size(); ++k) {
            const FormulaValue v = valueOf(m_summaryKeys[k].field);
            if (v.isNull())
                continue;
            Accumulator &a = m_acc[size_t(k)][0];
            ++a.count;
            if (v.type() == FormulaValue::Number)
                a.sum += v.toNumber();
            bool ok = false;
            if (a.min.isNull() || (FormulaValue::compare(v, a.min, &ok) < 0 && ok))
                a.min = v;
            if (a.max.isNull() || (FormulaValue::compare(v, a.max, &ok) > 0 && ok))
                a.max = v;
        }
        if (isMain && out && !m_options.countPagesOnly) {
            if (out->wantsRows())
                emitRow(out);
            if (out->wantsRecords()) {
                QVariantList raw;
                raw.reserve(int(m_row.size()));
                for (const QVariant &v : m_row)
                    raw << v;
                if (!out->writeRecord(raw))
                    return false;
            }
        }
        for (int copy = 0; copy < qMax(1, m_options.detailCopies); ++copy)
            placeArea(pager, ReportSection::Details, 0, xOffset);
        if (pager->failed())
            return false;
        if (isMain && m_options.progress && !m_options.progress(m_recordNumber))
            throw RpeError(RPE_ERR_CANCELLED, QStringLiteral("The print job was cancelled"));
        m_previousRow = m_row;
        has = fetchSelected();
    }
    if (m_recordNumber > 0) {
        m_row = m_previousRow;
        ++m_stamp;
        if (n > 0)
            closeGroups(1);
        for (int level = n; level >= 1; --level) {
            m_openGroups = level;
            placeArea(pager, ReportSection::GroupFooter, level, xOffset);
        }
        m_openGroups = 0;
    }
    placeArea(pager, ReportSection::ReportFooter, 0, xOffset);
    m_stream.reset();
    if (isMain) {
        if (!pager->finish())
            return false;
        if (out && !m_options.countPagesOnly && !out->finish())
            return false;
    }
    return !pager->failed();
}

void ReportRunner::loadRow()
{
    for (size_t i = 0; i < m_row.size(); ++i)
        m_row[i] = m_stream->value(int(i));
    m_haveRow = true;
    ++m_stamp;
}

void ReportRunner::emitRow(Exporter *out)
{
    QList<FormulaValue> values;
    QStringList texts;
    values.reserve(int(m_rowObjects.size()));
    for (const ReportObject *o : m_rowObjects) {
        const FormulaValue v = objectValue(*o);
        values << v;
        texts << formatValue(v, o->format);
    }
    out->writeRow(values, texts);
}

void ReportRunner::judgeGroups()
{
    // Summaries now come from the snapshots of the group of the record in m_row.
    m_judging = true;
    const int n = int(m_report->groups.size());
    try {
        for (const std::vector<QVariant> &row : m_closedGroups) {
            m_row = row;
            ++m_stamp;
            m_groupValues.clear();
            for (const GroupDef &g : m_report->groups)
                m_groupValues << valueOf(g.field);
            const FormulaValue v = m_groupSelection.evaluate(*this);
            if (v.type() != FormulaValue::Boolean && !v.isNull())
                throw EFormulaError(QStringLiteral("Group selection formula must give a boolean, not a %1")
                                        .arg(v.typeName()));
            if (!(v.type() == FormulaValue::Boolean && v.toBool()))
                m_rejectedGroups.insert(groupKey(m_groupValues.mid(0, n)));
        }
    } catch (...) {
        m_judging = false;
        throw;
    }
    m_judging = false;
    m_closedGroups.clear();
    m_groupSnapshots.clear();
}

QString ReportRunner::groupKey(const QList<FormulaValue> &values) const
{
    QString key;
    for (const FormulaValue &v : values)
        key += (v.isNull() ? QStringLiteral("\x01") : v.typeName() + u':' + v.toEngineText()) + u'\x1f';
    return key;
}

void ReportRunner::placeArea(Paginator *pager, ReportSection::Area area, int group, double xOffset)
{
    if (m_groupPass)
        return;
    for (const ReportSection &s : m_report->sections) {
        if (s.area == area && (group == 0 || s.group == group))
            placeSection(pager, s, xOffset);
    }
}

void ReportRunner::placeSection(Paginator *pager, const ReportSection &s, double xOffset)
{
    if (isSuppressed(s))
        return;
    pager->place(*this, s, xOffset);
    runSubreports(pager, s, xOffset);
}

void ReportRunner::placeRepeatedHeaders()
{
    if (!m_pager || m_openGroups == 0)
        return;
    const int open = m_openGroups;
    for (int level = 1; level <= open && level <= m_report->groups.size(); ++level) {
        if (!m_report->groups[level - 1].repeatHeader)
            continue;
        for (const ReportSection &s : m_report->sections) {
            if (s.area == ReportSection::GroupHeader && s.group == level && !isSuppressed(s))
                m_pager->place(*this, s, m_xOffset);
        }
    }
}

void ReportRunner::runSubreports(Paginator *pager, const ReportSection &s, double xOffset)
{
    for (const ReportObject &o : s.objects) {
        if (o.kind != ReportObject::Subreport)
            continue;
        const auto def = m_report->subreports.value(o.text.toUpper());
        if (!def)
            throw EError(QStringLiteral("Subreport %1 is not in the report").arg(o.text));
        QList<QPair<QString, FormulaValue>> links;
        for (const auto &l : o.links)
            links << qMakePair(l.second, valueOf(l.first));
        // Subreports share the main report's parameters.
        auto &sub = m_subRunners[o.text.toUpper()];
        if (!sub) {
            sub = std::make_unique<ReportRunner>(def, m_data, m_options);
            sub->m_parent = this;
            QString error;
            if (!sub->prepare(&error))
                throw EError(QStringLiteral("Subreport %1: %2").arg(o.text, error));
        }
        sub->m_pager = pager;
        if (!sub->runRecords(pager, xOffset + o.x, links, nullptr, false))
            throw EError(QStringLiteral("Subreport %1 failed").arg(o.text));
    }
}

bool ReportRunner::isSuppressed(const ReportSection &section)
{
    if (section.suppress)
        return true;
    const auto it = m_suppress.constFind(&section);
    if (it == m_suppress.constEnd())
        return false;
    const FormulaValue v = it->evaluate(*this);
    return v.type() == FormulaValue::Boolean && v.toBool();
}

FormulaValue ReportRunner::fieldValue(const QString &name)
{
    const QString key = name.toUpper();
    auto it = m_columnIndex.constFind(key);
    if (it == m_columnIndex.constEnd()) {
        const int dot = key.lastIndexOf(u'.');
        it = m_columnIndex.constFind(key.mid(dot + 1));
        if (it == m_columnIndex.constEnd())
            throw EFormulaError(QStringLiteral("Field {%1} is not in the report's data").arg(name));
        m_columnIndex.insert(key, it.value());
    }
    const size_t i = size_t(it.value());
    if (!m_haveRow)
        return {};
    if (m_rowStamp[i] != m_stamp) {
        m_rowCache[i] = FormulaValue::fromVariant(m_row[i]);
        m_rowStamp[i] = m_stamp;
    }
    return m_rowCache[i];
}

FormulaValue ReportRunner::formulaValue(const QString &name)
{
    const auto it = m_formulaIndex.constFind(name.toUpper());
    if (it == m_formulaIndex.constEnd()) {
        if (m_parent)
            return m_parent->formulaValue(name);
        throw EFormulaError(QStringLiteral("Formula {@%1} is not in the report").arg(name));
    }
    const size_t i = size_t(it.value());
    if (m_formulaStamp[i] == m_stamp)
        return m_formulaCache[i];
    if (m_formulaBusy[i])
        throw EFormulaError(QStringLiteral("Formula {@%1} refers to itself").arg(name));
    m_formulaBusy[i] = true;
    try {
        m_formulaCache[i] = m_formulas[i].evaluate(*this);
    } catch (const EFormulaError &e) {
        m_formulaBusy[i] = false;
        throw EFormulaError(QStringLiteral("Formula {@%1}: %2").arg(name, e.message()));
    }
    m_formulaBusy[i] = false;
    m_formulaStamp[i] = m_stamp;
    return m_formulaCache[i];
}

FormulaValue ReportRunner::parameterValue(const QString &name)
{
    const auto cached = m_parameters.constFind(name.toUpper());
    if (cached != m_parameters.constEnd())
        return cached.value();
    const int i = m_report->parameterIndex(name);
    if (i < 0) {
        if (m_parent)
            return m_parent->parameterValue(name);
        throw EFormulaError(QStringLiteral("Parameter {?%1} is not in the report").arg(name));
    }
    QString error;
    const FormulaValue v = parameterAsValue(m_report->parameters[i], &error);
    if (!error.isEmpty())
        throw EFormulaError(error);
    m_parameters.insert(name.toUpper(), v);
    return v;
}

FormulaValue ReportRunner::specialValue(const QString &name)
{
    if (m_parent)
        return m_parent->specialValue(name);
    if (name == QLatin1String("pagenumber"))
        return FormulaValue::number(m_pager ? m_pager->pageNumber() : 0);
    if (name == QLatin1String("totalpagecount"))
        return FormulaValue::number(m_pager ? m_pager->totalPages() : 0);
    if (name == QLatin1String("recordnumber"))
        return FormulaValue::number(double(m_recordNumber));
    if (name == QLatin1String("printdate"))
        return FormulaValue::date(m_options.printDate.isValid() ? m_options.printDate : QDate::currentDate());
    throw EFormulaError(QStringLiteral("unknown special field %1").arg(name));
}

FormulaValue ReportRunner::fromEngineText(const QString &text, ParameterFieldDef::Type type, bool *ok)
{
    *ok = true;
    const QString t = text.trimmed();
    switch (type) {
    case ParameterFieldDef::Number:
    case ParameterFieldDef::Currency: {
        QString s = t;
        s.replace(u',', u'.');
        const double v = s.toDouble(ok);
        return *ok ? FormulaValue::number(v) : FormulaValue();
    }
    case ParameterFieldDef::Boolean: {
        const QChar c = t.isEmpty() ? u'F' : t.at(0).toUpper();
        return FormulaValue::boolean(c == u'1' || c == u'T' || c == u'Y');
    }
    case ParameterFieldDef::Date: {
        const QStringList p = t.split(QRegularExpression(QStringLiteral("[,\\-]")));
        if (p.size() == 3) {
            const QDate d(p[0].trimmed().toInt(), p[1].trimmed().toInt(),
                          p[2].trimmed().section(u' ', 0, 0).toInt());
            if (d.isValid())
                return FormulaValue::date(d);
        }
        *ok = false;
        return {};
    }
    case ParameterFieldDef::DateTime: {
        const QString datePart = t.section(u' ', 0, 0);
        const QString timePart = t.section(u' ', 1);
        const QStringList p = datePart.split(QRegularExpression(QStringLiteral("[,\\-]")));
        const QStringList q = timePart.split(u':');
        if (p.size() == 3) {
            const QDateTime dt(
                QDate(p[0].toInt(), p[1].toInt(), p[2].toInt()),
                QTime(q.value(0).toInt(), q.value(1).toInt(), q.value(2).section(u'.', 0, 0).toInt()));
            if (dt.isValid())
                return FormulaValue::dateTime(dt);
        }
        *ok = false;
        return {};
    }
    case ParameterFieldDef::Time: {
        const QStringList q = t.split(u':');
        const QTime tm(q.value(0).toInt(), q.value(1).toInt(), q.value(2).section(u'.', 0, 0).toInt());
        if (q.size() >= 2 && tm.isValid())
            return FormulaValue::dateTime(QDateTime(QDate(1899, 12, 30), tm));
        *ok = false;
        return {};
    }
    case ParameterFieldDef::String:
        return FormulaValue::string(text);
    }
    return {};
}

FormulaValue ReportRunner::parameterAsValue(const ParameterFieldDef &p, QString *error)
{
    QList<FormulaValue> items;
    auto convert = [&](const QString &text, FormulaValue *out) -> bool {
        bool ok = false;
        *out = fromEngineText(text, p.type, &ok);
        if (!ok)
            *error = QStringLiteral("Parameter {?%1}: \"%2\" is not a valid value").arg(p.name, text);
        return ok;
    };
    QStringList discrete = p.current;
    if (discrete.isEmpty() && p.ranges.isEmpty() && !p.defaults.isEmpty())
        discrete << p.defaults.first().value;
    for (const QString &text : discrete) {
        FormulaValue v;
        if (!convert(text, &v))
            return {};
        items << v;
    }
    for (const ParameterRange &r : p.ranges) {
        FormulaValue from, to;
        if (!r.from.isEmpty() && !convert(r.from, &from))
            return {};
        if (!r.to.isEmpty() && !convert(r.to, &to))
            return {};
        items << FormulaValue::range(from, to, r.includeFrom, r.includeTo);
    }
    if (items.isEmpty()) {
        if (p.allowNull)
            return {};
        *error = QStringLiteral("Parameter {?%1} has no value").arg(p.name);
        return {};
    }
    if (items.size() == 1 && !p.allowMultiple)
        return items.first();
    return FormulaValue::array(items);
}

QString ReportRunner::formatValue(const FormulaValue &v, const FieldFormat &format)
{
    switch (v.type()) {
    case FormulaValue::Number: {
        if (format.blankWhenZero && v.toNumber() == 0)
            return {};
        if (!format.numberFormat.isEmpty())
            return Formats::formatFloat(format.numberFormat, v.toNumber());
        if (format.decimals >= 0)
            return numberText(v.toNumber(), format.decimals, format.thousands);
        return Formats::floatToText(v.toNumber());
    }
    case FormulaValue::Date:
        return format.dateFormat.isEmpty() ? Formats::shortDate(v.toDate())
                                           : v.toDate().toString(format.dateFormat);
    case FormulaValue::DateTime:
        return format.dateFormat.isEmpty() ? Formats::dateTimeToText(v.toDateTime())
                                           : v.toDateTime().toString(format.dateFormat);
    default:
        return v.toDisplayText();
    }
}

FormulaValue ReportRunner::valueOf(const QString &fieldOrFormula)
{
    if (fieldOrFormula.startsWith(u'@'))
        return formulaValue(fieldOrFormula.mid(1));
    return fieldValue(fieldOrFormula);
}

ReportObject::Summary ReportRunner::summaryKind(const QString &function)
{
    if (function == QLatin1String("count"))
        return ReportObject::Count;
    if (function == QLatin1String("average"))
        return ReportObject::Average;
    if (function == QLatin1String("minimum"))
        return ReportObject::Minimum;
    if (function == QLatin1String("maximum"))
        return ReportObject::Maximum;
    return ReportObject::Sum;
}

FormulaValue ReportRunner::summaryValue(const QString &op, const QString &field, const QString &groupField)
{
    int level = 0;
    for (int g = 0; g < m_report->groups.size() && !groupField.isEmpty(); ++g) {
        if (m_report->groups[g].field.compare(groupField, Qt::CaseInsensitive) == 0)
            level = g + 1;
    }
    return summaryOf(field, summaryKind(op), level);
}

FormulaValue ReportRunner::summaryValue(const ReportObject &o)
{
    return summaryOf(o.summarized, o.summary, o.summaryGroup);
}

FormulaValue ReportRunner::summaryOf(const QString &field, ReportObject::Summary op, int group)
{
    const QString key = QStringLiteral("%1|%2|%3").arg(field.toUpper()).arg(int(op)).arg(group);
    const int k = m_summaryIndex.value(key, -1);
    if (k < 0 || size_t(k) >= m_acc.size())
        return {};
    const Accumulator *found = &m_acc[size_t(k)][0];
    if (m_judging && group > 0) {
        const auto snapshot =
            m_groupSnapshots.constFind(QString::number(group) + u'|' + groupKey(m_groupValues.mid(0, group)));
        if (snapshot == m_groupSnapshots.constEnd())
            return {};
        found = &snapshot.value()[size_t(k)];
    }
    const Accumulator &a = *found;
    switch (op) {
    case ReportObject::Sum:
        return FormulaValue::number(a.sum);
    case ReportObject::Count:
        return FormulaValue::number(double(a.count));
    case ReportObject::Average:
        return a.count ? FormulaValue::number(a.sum / double(a.count)) : FormulaValue();
    case ReportObject::Minimum:
        return a.min;
    case ReportObject::Maximum:
        return a.max;
    }
    return {};
}

FormulaValue ReportRunner::objectValue(const ReportObject &o)
{
    switch (o.kind) {
    case ReportObject::DatabaseField:
        return fieldValue(o.text);
    case ReportObject::FormulaField:
        return formulaValue(o.text);
    case ReportObject::ParameterField:
        return parameterValue(o.text);
    case ReportObject::SummaryField:
        return summaryValue(o);
    case ReportObject::SpecialField: {
        ReportRunner *top = this;
        while (top->m_parent)
            top = top->m_parent;
        const int page = m_pager ? m_pager->pageNumber() : 0;
        const int total = m_pager ? m_pager->totalPages() : 0;
        switch (o.special) {
        case ReportObject::PageNumber:
            return FormulaValue::number(page);
        case ReportObject::TotalPages:
            return FormulaValue::number(total);
        case ReportObject::PageNOfM: {
            const QString pattern = o.text.isEmpty() ? QStringLiteral("Page %1 of %2") : o.text;
            return FormulaValue::string(pattern.arg(page).arg(total));
        }
        case ReportObject::PrintDate:
            return FormulaValue::date(m_options.printDate.isValid() ? m_options.printDate
                                                                    : QDate::currentDate());
        case ReportObject::PrintTime:
            return FormulaValue::string(QTime::currentTime().toString(QStringLiteral("HH:mm")));
        case ReportObject::RecordNumber:
            return FormulaValue::number(double(m_recordNumber));
        case ReportObject::ReportTitle:
            return FormulaValue::string(top->m_report->title.isEmpty() ? top->m_report->summary.title
                                                                       : top->m_report->title);
        }
        return {};
    }
    default:
        return {};
    }
}

void ReportRunner::buildItems(const ReportSection &section, double x0, double y0,
                              std::vector<PageItem> *items)
{
    for (const ReportObject &o : section.objects) {
        PageItem item;
        item.object = &o;
        item.section = &section;
        item.rect = QRectF(x0 + o.x, y0 + o.y, o.width, o.height);
        switch (o.kind) {
        case ReportObject::Text:
            item.kind = PageItem::Text;
            item.text = o.text;
            break;
        case ReportObject::Line:
            item.kind = PageItem::Line;
            break;
        case ReportObject::Box:
            item.kind = PageItem::Box;
            break;
        case ReportObject::Picture: {
            // A missing picture (an organisation without signatures) prints nothing.
            const QString path = m_report->folder + o.picture;
            if (!QFileInfo::exists(path))
                continue;
            item.kind = PageItem::Picture;
            item.text = path;
            break;
        }
        case ReportObject::Subreport:
            continue;
        default: {
            item.kind = PageItem::Text;
            const FormulaValue v = objectValue(o);
            item.text = formatValue(v, o.format);
            item.number = v.type() == FormulaValue::Number;
            if (item.text.isEmpty())
                continue;
            break;
        }
        }
        items->push_back(std::move(item));
    }
}
