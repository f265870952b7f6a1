#pragma once

#include "catalogue/PorocilaUi.h"
#include "data/LangQuery.h"

#include <QMainWindow>

#include <functional>

class DataSet;
class DataSetGridModel;

// The windows the catalogue hands over to. Each is registered by the part of
// the program that provides it; until then the catalogue window offers the
// action disabled, so that nothing pretends to work.
struct CatalogueServices
{
    // Runs the report (modal).
    std::function<void(qint64 reportId)> runReport;
    // Defines a new report in the category; answers the report number entered.
    std::function<int(qint64 categoryId)> newReport;
    // Changes the report shown by the current row of the report list.
    std::function<void(qint64 categoryId, qint64 reportId, DataSet &report)> changeReport;
    std::function<void()> automaticPreparation;
    std::function<void()> exportCatalogue;
    std::function<void()> importCatalogue;

    static CatalogueServices &instance();
};

// The main window: the categories of the program on the left, the reports of
// the chosen category on the right, and the catalogue's maintenance actions.
// Reports the user may not run stay listed but are drawn greyed.
class TFPorocila : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFPorocila(QWidget *parent = nullptr);
    ~TFPorocila() override;

    PorocilaUi ui;
    TLangQuery Kategorije;
    TLangQuery P;
    TLangQuery IQ;
    QString ProgramId;
    QString ReportDir;

    // The handlers; they throw what the application's error display shows.
    void FormActivate();
    void DataSource1DataChange();
    void DataSource2DataChange();
    void BPregledClick();
    void BNovoClick();
    void BPopraviClick();
    void BBrisiClick();
    void BOblikujClick();
    void BKonecClick();
    void Dodajkategorijo1Click();
    void Preimenuj1Click();
    void Lastnostipovezave1Click();
    void UporabnikiExecute();
    void ADatabaseExecute();
    void AServerExecute();
    void APrintExecute();
    void XPanel1MouseUp(Qt::MouseButton button, int buttonIndex);

    // The current report's identifier as the rights know it; "0" on an empty list.
    QString CurrentReportIdText() const;
    bool CurrentReportAllowed() const;
    qint64 CurrentCategoryId() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void wire();
    void guarded(const std::function<void()> &handler);
    void selectCategories();
    void reopenReports();
    void showCategories();
    void showReports();
    void locateReportNumber(qint64 number);
    static bool locate(DataSet &dataSet, const QString &fieldName, qint64 value);

    DataSetGridModel *m_categoryModel = nullptr;
    DataSetGridModel *m_reportModel = nullptr;
    bool m_shown = false;
    bool m_syncing = false; // the grids follow the data sets, not the other way round
};
