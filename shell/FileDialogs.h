#pragma once

#include <QString>

class QWidget;

// The save dialog, through the dialog hook like every other box: a run
// without a display or a test answers it with the suggested name (or an
// answerer's own text), Cancel gives an empty name.
QString SaveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                     const QString &filters, const QString &defaultSuffix);
