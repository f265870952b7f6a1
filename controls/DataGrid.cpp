#include "controls/DataGrid.h"

#include <QHeaderView>
#include <QTableView>

QTableView *NewDataGrid(QWidget *parent, const QString &name)
{
    auto *g = new QTableView(parent);
    g->setObjectName(name);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setAlternatingRowColors(false);
    g->setWordWrap(false);
    g->setTabKeyNavigation(false);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return g;
}
