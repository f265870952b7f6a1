#include "run/RunServices.h"

#include "catalogue/Porocila.h"
#include "run/FPrintReport.h"

#include <QApplication>

void InstallRunServices()
{
    CatalogueServices::instance().runReport = [](qint64 reportId) {
        TFPrintReport::OpenReport(reportId, QApplication::activeWindow());
    };
}
