#include "printengine/ReportDefinition.h"

int ReportSection::code() const
{
    const int g = group > 0 ? group - 1 : 0;
    return int(area) * 1000 + (g % 25) + (number % 40) * 25;
}

QString ReportSection::areaName() const
{
    switch (area) {
    case ReportHeader:
        return QStringLiteral("RH");
    case PageHeader:
        return QStringLiteral("PH");
    case GroupHeader:
        return QStringLiteral("GH%1").arg(group);
    case Details:
        return QStringLiteral("D");
    case GroupFooter:
        return QStringLiteral("GF%1").arg(group);
    case PageFooter:
        return QStringLiteral("PF");
    case ReportFooter:
        return QStringLiteral("RF");
    }
    return {};
}

QString ReportSection::name() const
{
    static const char *const letters[] = {"a",  "b",  "c",  "d",  "e",  "f",  "g",  "h",  "i",  "j",
                                          "k",  "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",
                                          "u",  "v",  "w",  "x",  "y",  "z",  "aa", "ab", "ac", "ad",
                                          "ae", "af", "ag", "ah", "ai", "aj", "ak", "al", "am", "an"};
    return areaName() + QLatin1String(letters[number % 40]);
}

int ReportDefinition::tableIndex(const QString &aliasOrName) const
{
    for (int i = 0; i < tables.size(); ++i) {
        if (tables[i].alias.compare(aliasOrName, Qt::CaseInsensitive) == 0)
            return i;
    }
    for (int i = 0; i < tables.size(); ++i) {
        if (tables[i].name.compare(aliasOrName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ReportDefinition::formulaIndex(const QString &name) const
{
    for (int i = 0; i < formulas.size(); ++i) {
        if (formulas[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ReportDefinition::parameterIndex(const QString &name) const
{
    for (int i = 0; i < parameters.size(); ++i) {
        if (parameters[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QList<const ReportSection *> ReportDefinition::sectionsOf(ReportSection::Area area, int group) const
{
    QList<const ReportSection *> r;
    for (const ReportSection &s : sections) {
        if (s.area == area && (group == 0 || s.group == group))
            r << &s;
    }
    return r;
}

QList<int> ReportDefinition::sectionOrder() const
{
    QList<int> order;
    auto add = [&](ReportSection::Area area, int group) {
        for (int i = 0; i < sections.size(); ++i) {
            if (sections[i].area == area && (group == 0 || sections[i].group == group))
                order << i;
        }
    };
    add(ReportSection::ReportHeader, 0);
    add(ReportSection::PageHeader, 0);
    for (int g = 1; g <= groups.size(); ++g)
        add(ReportSection::GroupHeader, g);
    add(ReportSection::Details, 0);
    for (int g = int(groups.size()); g >= 1; --g)
        add(ReportSection::GroupFooter, g);
    add(ReportSection::PageFooter, 0);
    add(ReportSection::ReportFooter, 0);
    return order;
}
