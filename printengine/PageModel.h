#pragma once

#include "printengine/ReportDefinition.h"

#include <QRectF>
#include <memory>
#include <vector>

// One thing drawn on a page, in points from the top left of the paper.
struct PageItem
{
    enum Kind { Text, Line, Box, Picture };
    Kind kind = Text;
    QRectF rect;
    QString text;                         // Text: the text; Picture: the image file
    const ReportObject *object = nullptr; // font, alignment, colours, line width
    const ReportSection *section = nullptr;
    bool number = false; // Text: a number, which is never shown cut
};

// A finished page. The report snapshot keeps the objects the items point at alive.
struct RenderedPage
{
    int number = 0;
    double width = 0;
    double height = 0;
    std::vector<PageItem> items;
    std::shared_ptr<const ReportDefinition> report;
};

// What a run tells every output before the first page.
struct RunInfo
{
    QString title;
    double pageWidth = 0;
    double pageHeight = 0;
    QStringList rowColumns;                       // names of the detail row cells
    QStringList rowHeadings;                      // the caption the report prints above each detail cell
    std::vector<const ReportObject *> rowObjects; // the field object of each detail cell
    QStringList recordColumns;                    // "ALIAS.FIELD" of the raw records
    std::shared_ptr<const ReportDefinition> report;
};
