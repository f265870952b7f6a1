#include "catalogue/PorocilaUi.h"

#include "controls/DataGrid.h"

#include "controls/XPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QAction *namedAction(QObject *parent, const char *name, const QString &text)
{
    auto *a = new QAction(text, parent);
    a->setObjectName(QLatin1String(name));
    return a;
}

QTableView *grid(QWidget *parent, const char *name)
{
    return NewDataGrid(parent, QLatin1String(name));
}

QPushButton *hiddenButton(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->hide();
    return b;
}
} // namespace

void PorocilaUi::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("FPorocila"));
    window->setWindowTitle(QStringLiteral("Ovo - Reports "));

    MainMenu1 = new QMenuBar(window);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    window->setMenuBar(MainMenu1);
    Datoteka1 = MainMenu1->addMenu(QStringLiteral("Datoteka"));
    Datoteka1->setObjectName(QStringLiteral("Datoteka1"));
    SqlIzvoz1 = namedAction(window, "SqlIzvoz1", QStringLiteral("Sql Izvoz vseh poročil"));
    SqlUvoz1 = namedAction(window, "SqlUvoz1", QStringLiteral("Sql Uvoz vseh poročil"));
    Lastnostipovezave1 = namedAction(window, "Lastnostipovezave1", QStringLiteral("Lastnosti povezave"));
    Datoteka1->addAction(SqlIzvoz1);
    Datoteka1->addAction(SqlUvoz1);
    Datoteka1->addSeparator();
    Datoteka1->addAction(Lastnostipovezave1);
    Porocilo1 = MainMenu1->addMenu(QStringLiteral("Poročilo"));
    Porocilo1->setObjectName(QStringLiteral("Porocilo1"));
    Start1 = namedAction(window, "Start1", QStringLiteral("Start"));
    // Shown in the menu only: the key itself belongs to the action Izpis.
    Start1->setShortcut(QKeySequence(Qt::Key_F9));
    Start1->setShortcutContext(Qt::WidgetShortcut);
    Porocilo1->addAction(Start1);
    Orodja1 = MainMenu1->addMenu(QStringLiteral("Orodja"));
    Orodja1->setObjectName(QStringLiteral("Orodja1"));
    Avtomatskapriprava1 =
        namedAction(window, "Avtomatskapriprava1", QStringLiteral("Avtomatska priprava izpisov"));
    Orodja1->addAction(Avtomatskapriprava1);
    Izhod1 = namedAction(window, "Izhod1", QStringLiteral("Izhod"));
    MainMenu1->addAction(Izhod1);

    auto *central = new QWidget(window);
    central->setObjectName(QStringLiteral("Panel1"));
    window->setCentralWidget(central);

    GridKat = grid(central, "GridKat");
    GridKat->setContextMenuPolicy(Qt::CustomContextMenu);
    GridKat->horizontalHeader()->setStretchLastSection(true);
    GridKat->setMinimumWidth(150);
    PopupMenu1 = new QMenu(GridKat);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Dodajkategorijo1 = namedAction(window, "Dodajkategorijo1", QStringLiteral("&Nova kategorija"));
    Preimenuj1 = namedAction(window, "Preimenuj1", QStringLiteral("&Spremeni kategorijo"));
    PopupMenu1->addAction(Dodajkategorijo1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Preimenuj1);

    GridPor = grid(central, "GridPor");

    BPregled = new QPushButton(QStringLiteral("F9 - &Start"), central);
    BPregled->setObjectName(QStringLiteral("BPregled"));
    BPregled->setMinimumWidth(110);
    BPregled->setFocusPolicy(Qt::NoFocus);

    BNovo = hiddenButton(central, "BNovo", QStringLiteral("F2 - &Novo"));
    BPopravi = hiddenButton(central, "BPopravi", QStringLiteral("F3 - S&premeni"));
    BBrisi = hiddenButton(central, "BBrisi", QStringLiteral("DEL - &Briši"));
    BOblikuj = hiddenButton(central, "BOblikuj", QStringLiteral("F5 - &Oblikuj"));
    BKonec = hiddenButton(central, "BKonec", QStringLiteral("ESC - &Izhod"));

    XPanel1 = new TXPanel(central);
    XPanel1->setObjectName(QStringLiteral("XPanel1"));
    XPanel1->setLeftMargin(2);
    XPanel1->setRightMargin(2);
    XPanel1->setTopMargin(2);
    XPanel1->setBottomMargin(2);
    XPanel1->setFixedHeight(XPanel1->fontMetrics().height() + 16);
    XPanel1->setItems({QStringLiteral("F1-Pomoč"), QStringLiteral("F2-Novo"), QStringLiteral("F3-Spremeni"),
                       QStringLiteral("F9-Start"), QStringLiteral("DEL-Briši"), QStringLiteral("ESC-Izhod")});

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BPregled);
    right->addLayout(buttons);
    right->addWidget(GridPor);

    auto *grids = new QHBoxLayout;
    grids->setContentsMargins(4, 4, 4, 4);
    grids->setSpacing(4);
    grids->addWidget(GridKat, 1);
    grids->addLayout(right, 2);

    auto *main = new QVBoxLayout(central);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addLayout(grids, 1);
    main->addWidget(XPanel1);

    const auto key = [&](const char *name, const QString &text, const QKeySequence &shortcut) {
        QAction *a = namedAction(window, name, text);
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
        return a;
    };
    Izhod = key("Izhod", QStringLiteral("Izhod"), QKeySequence(Qt::Key_Escape));
    Nov = key("Nov", QStringLiteral("Novo"), QKeySequence(Qt::Key_F2));
    Spremeni = key("Spremeni", QStringLiteral("Spremeni"), QKeySequence(Qt::Key_F3));
    Brisi = key("Brisi", QStringLiteral("Briši"), QKeySequence(Qt::Key_Delete));
    Izpis = key("Izpis", QStringLiteral("Start"), QKeySequence(Qt::Key_F9));
    Oblikuj = key("Oblikuj", QStringLiteral("Oblikuj"), QKeySequence(Qt::Key_F5));
    Uporabniki =
        key("Uporabniki", QStringLiteral("Uporabniki"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F10));
    ADatabase = key("ADatabase", QStringLiteral("Database"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    AServer = key("AServer", QStringLiteral("Server"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    APrint = key("APrint", QStringLiteral("Nastavitve tiskalnika"), QKeySequence(Qt::CTRL | Qt::Key_P));

    // The client area is 639 by 423; the menu bar comes on top of it.
    window->resize(639, 423 + MainMenu1->sizeHint().height());
}
