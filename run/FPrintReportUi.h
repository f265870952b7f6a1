#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolButton;
class QWidget;

// Controls, captions and positions of the report run window. Every control
// carries its name as objectName, which is what translations and tests find
// it by. The parameter rows are generated into PFields at run time.
struct FPrintReportUi
{
    QWidget *Panel1 = nullptr;
    QPushButton *BPregled = nullptr;
    QPushButton *BTiskaj = nullptr;
    QPushButton *bEmail = nullptr;
    QComboBox *cbExport = nullptr;
    QCheckBox *CBDuplex = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *SfOrg = nullptr;
    QPushButton *BZapri = nullptr;

    QWidget *PFields = nullptr;
    QToolButton *sbSearch = nullptr;
    QToolButton *sbDelete = nullptr;
    QLabel *lVersion = nullptr;

    QStatusBar *SB = nullptr;
    QLabel *SBPanels[5] = {};

    void setupUi(QDialog *window);
};
