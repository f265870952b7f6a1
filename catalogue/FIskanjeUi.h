#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QToolButton;

// Controls, captions and positions of the search dialog. Every control
// carries its name as objectName, which is what translations and tests find it by.
struct FIskanjeUi
{
    QListWidget *LBSort = nullptr;
    QTableView *DBGrid1 = nullptr;
    // DBNavigator1: first, previous, next and last row of the grid.
    QToolButton *NavFirst = nullptr;
    QToolButton *NavPrior = nullptr;
    QToolButton *NavNext = nullptr;
    QToolButton *NavLast = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *eiskanje = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *sbOk = nullptr;
    QPushButton *sbPreklic = nullptr;

    void setupUi(QDialog *dialog);
};
