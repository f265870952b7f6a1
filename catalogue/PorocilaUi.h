#pragma once

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableView;
class TXPanel;

// Controls, captions and positions of the catalogue window. Every control
// carries its name as objectName, which is what translations and tests find it by.
struct PorocilaUi
{
    QMenuBar *MainMenu1 = nullptr;
    QMenu *Datoteka1 = nullptr;
    QAction *SqlIzvoz1 = nullptr;
    QAction *SqlUvoz1 = nullptr;
    QAction *Lastnostipovezave1 = nullptr;
    QMenu *Porocilo1 = nullptr;
    QAction *Start1 = nullptr;
    QMenu *Orodja1 = nullptr;
    QAction *Avtomatskapriprava1 = nullptr;
    QAction *Izhod1 = nullptr;

    QTableView *GridKat = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Dodajkategorijo1 = nullptr;
    QAction *Preimenuj1 = nullptr;
    QTableView *GridPor = nullptr;
    QPushButton *BPregled = nullptr;
    TXPanel *XPanel1 = nullptr;

    // Present but never shown: their actions come through the keys and the key bar.
    QPushButton *BNovo = nullptr;
    QPushButton *BPopravi = nullptr;
    QPushButton *BBrisi = nullptr;
    QPushButton *BOblikuj = nullptr;
    QPushButton *BKonec = nullptr;

    // ActionList1: the keyboard actions.
    QAction *Izhod = nullptr;
    QAction *Nov = nullptr;
    QAction *Spremeni = nullptr;
    QAction *Brisi = nullptr;
    QAction *Izpis = nullptr;
    QAction *Oblikuj = nullptr;
    QAction *Uporabniki = nullptr;
    QAction *ADatabase = nullptr;
    QAction *AServer = nullptr;
    QAction *APrint = nullptr;

    void setupUi(QMainWindow *window);
};
