#pragma once

#include <QString>

class QTableView;
class QWidget;

// A read-only grid of data-set rows as every window shows them: whole rows
// selected one at a time, no row header, compact rows, left-aligned titles.
QTableView *NewDataGrid(QWidget *parent, const QString &name);
