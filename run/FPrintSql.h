#pragma once

#include "data/Query.h"

#include <QDialog>
#include <QStringList>

class DataSetGridModel;
class QLabel;
class QPushButton;
class QTableView;

// The rows of an SQL report's final SELECT, with a way out to a
// spreadsheet as tab-separated text.
class TfPrintSql : public QDialog
{
    Q_OBJECT
public:
    explicit TfPrintSql(QWidget *parent = nullptr);
    ~TfPrintSql() override;

    // Opens the statement on the main database and shows the viewer modally.
    static void ShowResult(const QString &title, const QString &statement, QWidget *parent = nullptr);
    // Everything ShowResult does before the window is shown.
    void Open(const QString &title, const QString &statement);

    // The header line of column names and one line per row, tab-separated.
    QStringList ResultLines();
    // "Excel": saves the lines where the user says and opens the file.
    void BitBtn1Click();

    QLabel *pCaption = nullptr;
    QTableView *Grid = nullptr;
    QPushButton *BitBtn1 = nullptr;
    Query qResult;

private:
    DataSetGridModel *m_model = nullptr;
    QString m_title;
};
