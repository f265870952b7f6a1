#pragma once

#include "catalogue/FIskanjeUi.h"
#include "data/LangQuery.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class DataSetGridModel;

// Finds one row of a lookup table by the beginning of a value and hands back
// its key and description. The report run window opens it from the "?" button
// of a key list whose values come from a table.
class TFIskanje : public QDialog
{
    Q_OBJECT
public:
    struct Result
    {
        QString key; // empty when the user cancelled
        QString description;
    };

    explicit TFIskanje(QWidget *parent = nullptr);
    ~TFIskanje() override;

    // Shows the dialog modally over the table; the dialog is gone when this returns.
    static Result Search(const QString &table, const QString &keyColumn, const QString &descriptionColumn,
                         const QString &filter, const QString &startText, QWidget *parent = nullptr);

    // Everything Search does before the dialog is shown.
    void Open(const QString &table, const QString &keyColumn, const QString &descriptionColumn,
              const QString &filter, const QString &startText);
    // What OK handed back; empty until the dialog was closed with OK.
    const Result &result() const { return m_result; }

    FIskanjeUi ui;
    TLangQuery Query;

    void ApplySearch();
    void LBSortClick(int row);
    void SpeedButton1Click();
    void sbOkClick();
    void sbPreklicClick();

    const QString &sortColumn() const { return m_sortColumn; }
    // The result's field names in grid order, parallel to LBSort.
    const QStringList &resultColumns() const { return m_columns; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void eiskanjeKeyPress();
    void arrangeColumns();
    void fillSortList();
    void syncCurrentRow();
    void moveGrid(int row);
    void guarded(const std::function<void()> &handler);

    QString m_keyColumn;
    QString m_descriptionColumn;
    QString m_sortColumn;
    QString m_filter;
    QString m_lastSearched;
    QStringList m_columns;
    DataSetGridModel *m_model = nullptr;
    Result m_result;
};
