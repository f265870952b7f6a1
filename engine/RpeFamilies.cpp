#include "engine/RpeFamilies.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"
#include "printengine/RpeTextHandle.h"

namespace dyn = RpeDynamic;

namespace {

QString takeText(RpeTextHandle handle)
{
    const char *text = rpeTextHandleLock(handle);
    const QString result = QString::fromUtf8(text ? text : "");
    rpeTextHandleUnlock(handle);
    rpeTextHandleFree(handle);
    return result;
}

QStringList linesOf(const QString &text)
{
    if (text.isEmpty())
        return {};
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
}

} // namespace

// ---- Selection ----

QStringList TRpeSelection::Formula()
{
    if (Rpe->JobIsOpen()) {
        Rpe->UseHandle();
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        if (!dyn::RpeGetSelectionFormula(Rpe->JobNumber(), &handle, &length)) {
            Rpe->EngineError(QStringLiteral("Selection.GetFormula <RpeGetSelectionFormula>"));
            return m_formula;
        }
        m_formula = linesOf(takeText(handle));
    }
    return m_formula;
}

void TRpeSelection::setFormula(const QStringList &lines)
{
    m_formula = lines;
    if (!Rpe->JobReady(0))
        return;
    const QString text = RpeUtl::StringsText(lines);
    Rpe->UseHandle();
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    if (!dyn::RpeGetSelectionFormula(Rpe->JobNumber(), &handle, &length)) {
        Rpe->EngineError(QStringLiteral("Selection.SetFormula <RpeGetSelectionFormula>"));
        return;
    }
    if (takeText(handle) == text)
        return;
    const QByteArray bytes = text.toUtf8();
    Rpe->UseHandle();
    if (!dyn::RpeSetSelectionFormula(Rpe->JobNumber(), bytes.constData()))
        Rpe->EngineError(QStringLiteral("Selection.SetFormula <RpeSetSelectionFormula>"));
}

// ---- Formulas ----

void TRpeFormulas::Clear()
{
    m_name.clear();
    m_index = -1;
    m_formula.clear();
}

int TRpeFormulas::Count()
{
    if (!Rpe->JobReady(0))
        return 0;
    Rpe->UseHandle();
    const int16_t n = dyn::RpeGetNFormulas(Rpe->JobNumber());
    if (n == -1) {
        Rpe->EngineError(QStringLiteral("Formulas.Count <RpeGetNFormulas>"));
        return 0;
    }
    return n;
}

void TRpeFormulas::setName(const QString &name)
{
    m_index = -1;
    m_name.clear();
    if (Rpe->isLoading())
        return;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        RpeTextHandle nameHandle = nullptr, textHandle = nullptr;
        int16_t nameLength = 0, textLength = 0;
        Rpe->UseHandle();
        if (!dyn::RpeGetNthFormula(Rpe->JobNumber(), int16_t(i), &nameHandle, &nameLength, &textHandle, &textLength)) {
            Rpe->EngineError(QStringLiteral("Formulas.Name <RpeGetNthFormula>"));
            return;
        }
        const QString found = takeText(nameHandle);
        const QString text = takeText(textHandle);
        if (found.compare(name, Qt::CaseInsensitive) == 0) {
            m_index = i;
            m_name = found;
            m_formula = linesOf(text);
            return;
        }
    }
    Rpe->ComponentError(120, QStringLiteral("Formulas.Name := ") + name);
}

QStringList TRpeFormulas::Formula()
{
    if (m_index >= 0 && Rpe->JobIsOpen()) {
        const QByteArray name = m_name.toUtf8();
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        Rpe->UseHandle();
        if (!dyn::RpeGetFormula(Rpe->JobNumber(), name.constData(), &handle, &length)) {
            Rpe->EngineError(QStringLiteral("Formulas[%1].GetFormula <RpeGetFormula>").arg(m_index));
            return m_formula;
        }
        m_formula = linesOf(takeText(handle));
    }
    return m_formula;
}

void TRpeFormulas::setFormula(const QStringList &lines)
{
    m_formula = lines;
    if (m_index < 0 || !Rpe->JobReady(m_index))
        return;
    const QString text = RpeUtl::StringsText(lines);
    const QByteArray name = m_name.toUtf8();
    const QString context = QStringLiteral("Formulas[%1].SetFormula <%2>").arg(m_index);
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    Rpe->UseHandle();
    if (!dyn::RpeGetFormula(Rpe->JobNumber(), name.constData(), &handle, &length)) {
        Rpe->EngineError(context.arg(QStringLiteral("RpeGetFormula")));
        return;
    }
    if (takeText(handle) == text)
        return;
    const QByteArray bytes = text.toUtf8();
    Rpe->UseHandle();
    if (!dyn::RpeSetFormula(Rpe->JobNumber(), name.constData(), bytes.constData()))
        Rpe->EngineError(context.arg(QStringLiteral("RpeSetFormula")));
}

// ---- Subreports ----

void TRpeSubreports::Clear()
{
    m_number = 0;
    m_name.clear();
    m_names.clear();
    m_namesRead = false;
    SubExecute = false;
}

QStringList TRpeSubreports::names()
{
    if (m_namesRead || Rpe->PrintJobs(0) <= 0)
        return m_names;
    m_namesRead = true;
    const int16_t main = Rpe->PrintJobs(0);
    Rpe->UseHandle();
    const int16_t sections = dyn::RpeGetNSections(main);
    for (int16_t s = 0; s < sections; ++s) {
        Rpe->UseHandle();
        const int16_t code = dyn::RpeGetSectionCode(main, s);
        if (code < 0)
            continue;
        Rpe->UseHandle();
        const int16_t n = dyn::RpeGetNSubreportsInSection(main, code);
        for (int16_t i = 0; i < n; ++i) {
            Rpe->UseHandle();
            const RpeObjectHandle object = dyn::RpeGetNthSubreportInSection(main, code, i);
            RpeSubreportInfo info{};
            Rpe->UseHandle();
            if (object && dyn::RpeGetSubreportInfo(main, object, &info))
                m_names << QString::fromUtf8(info.Name, qsizetype(strnlen(info.Name, sizeof info.Name)));
        }
    }
    return m_names;
}

int TRpeSubreports::Count()
{
    return 1 + int(names().size());
}

void TRpeSubreports::select(int i)
{
    if (i <= 0) {
        m_number = 0;
        m_name.clear();
        Rpe->selectJob(0);
        return;
    }
    const QStringList all = names();
    if (i > all.size()) {
        Rpe->ComponentError(116, QStringLiteral("Subreports[%1]").arg(i));
        return;
    }
    m_number = i;
    m_name = all.at(i - 1);
    Rpe->selectJob(i);
}

// ---- PrintDate ----

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
