#include "catalogue/Porocila.h"

#include "catalogue/CatalogueIds.h"
#include "controls/DataSetGridModel.h"
#include "controls/XPanel.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "shell/IniFile.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/ProgramFolder.h"
#include "shell/ShellOpen.h"
#include "shell/SqlLiterals.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>

#include <cstdio>

namespace {

const QString CategoryCaption = QStringLiteral("Kategorije poročil");
const QString CategoryPrompt = QStringLiteral("Ime kategorije");

bool allowed(qint64 reportId)
{
    return !D || D->IsReportAllowed(QString::number(reportId));
}

// Draws reports the user may not run in grey, so they stay visible but read as unavailable.
class ReportRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto *model = static_cast<const DataSetGridModel *>(index.model());
        if (allowed(model->value(index.row(), QStringLiteral("ID_POROCILA")).toLongLong()))
            return;
        const QColor silver(0xC0, 0xC0, 0xC0), gray(0x80, 0x80, 0x80);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            option->palette.setColor(group, QPalette::Highlight, gray);
            option->palette.setColor(group, QPalette::HighlightedText, silver);
            option->palette.setColor(group, QPalette::Text, gray);
        }
        if (!(option->state & QStyle::State_Selected))
            option->backgroundBrush = silver;
    }
};

// The printer that the printer setup configures for the rest of the run.
QPrinter &applicationPrinter()
{
    static QPrinter printer;
    return printer;
}

} // namespace

CatalogueServices &CatalogueServices::instance()
{
    static CatalogueServices services;
    return services;
}

TFPorocila::TFPorocila(QWidget *parent) : QMainWindow(parent)
{
    ui.setupUi(this);

    if (D) {
        D->Step(QStringLiteral("Porocila.Create"));
        D->Trace(QStringLiteral("porcre1"));
    }
    ProgramId = QStringLiteral("POROCILA");
    ReportDir = ProgramFolder::file(QStringLiteral("Report/"));

    for (TLangQuery *q : {&Kategorije, &P, &IQ})
        q->setColumns(QStringLiteral("*"));
    Kategorije.setFromClause(QStringLiteral("KATEGORIJE"));
    Kategorije.setTables(QStringLiteral("KATEGORIJE"));
    Kategorije.setOrderByClause(QStringLiteral("id_kategorija"));
    P.setFromClause(QStringLiteral("POROCILA"));
    P.setTables(QStringLiteral("POROCILA"));
    P.setOrderByClause(QStringLiteral("Stevilka_por, naslov_por"));
    IQ.setFromClause(QStringLiteral("POROCILA"));
    IQ.setTables(QStringLiteral("POROCILA"));

    m_categoryModel =
        new DataSetGridModel({{QStringLiteral("OPIS_KATEGORIJE"), QStringLiteral("Kategorija")}}, this);
    ui.GridKat->setModel(m_categoryModel);
    m_reportModel = new DataSetGridModel({{QStringLiteral("NASLOV_POR"), QStringLiteral("Naziv")},
                                          {QStringLiteral("ID_POROCILA"), QStringLiteral("Šifra")}},
                                         this);
    ui.GridPor->setModel(m_reportModel);
    ui.GridPor->setItemDelegate(new ReportRowDelegate(ui.GridPor));
    ui.GridPor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui.GridPor->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    ui.GridPor->horizontalHeader()->resizeSection(
        1, ui.GridPor->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));

    // Actions whose windows are not part of this program yet are offered disabled.
    const CatalogueServices &services = CatalogueServices::instance();
    QStringList items = ui.XPanel1->Items();
    const auto offer = [&](QAction *action, int item, bool available) {
        action->setEnabled(available);
        if (item >= 0 && !available)
            items[item] = QLatin1Char('!') + items[item];
    };
    offer(ui.Nov, 1, bool(services.newReport));
    offer(ui.Spremeni, 2, bool(services.changeReport));
    offer(ui.Izpis, 3, bool(services.runReport));
    offer(ui.SqlIzvoz1, -1, bool(services.exportCatalogue));
    offer(ui.SqlUvoz1, -1, bool(services.importCatalogue));
    offer(ui.Avtomatskapriprava1, -1, bool(services.automaticPreparation));
    ui.BNovo->setEnabled(ui.Nov->isEnabled());
    ui.BPopravi->setEnabled(ui.Spremeni->isEnabled());
    ui.XPanel1->setItems(items);
    ui.XPanel1->Loaded();
    ui.BPregled->setEnabled(false);
    ui.Start1->setEnabled(false);

    wire();
}

TFPorocila::~TFPorocila()
{
    // The [VALUES] defaults hold for one run only.
    try {
        IniFile(ProgramFolder::file(QStringLiteral("Report.ini"))).eraseSection(QStringLiteral("VALUES"));
    } catch (const std::exception &) {
    }
}

void TFPorocila::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowError(ErrorMessage(error));
    }
}

void TFPorocila::wire()
{
    const auto on = [this](QAction *action, void (TFPorocila::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    const auto click = [this](QPushButton *button, void (TFPorocila::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    on(ui.Izhod, &TFPorocila::BKonecClick);
    on(ui.Izhod1, &TFPorocila::BKonecClick);
    on(ui.Nov, &TFPorocila::BNovoClick);
    on(ui.Spremeni, &TFPorocila::BPopraviClick);
    on(ui.Brisi, &TFPorocila::BBrisiClick);
    on(ui.Izpis, &TFPorocila::BPregledClick);
    on(ui.Start1, &TFPorocila::BPregledClick);
    on(ui.Oblikuj, &TFPorocila::BOblikujClick);
    on(ui.Uporabniki, &TFPorocila::UporabnikiExecute);
    on(ui.ADatabase, &TFPorocila::ADatabaseExecute);
    on(ui.AServer, &TFPorocila::AServerExecute);
    on(ui.APrint, &TFPorocila::APrintExecute);
    on(ui.Dodajkategorijo1, &TFPorocila::Dodajkategorijo1Click);
    on(ui.Preimenuj1, &TFPorocila::Preimenuj1Click);
    on(ui.Lastnostipovezave1, &TFPorocila::Lastnostipovezave1Click);
    click(ui.BPregled, &TFPorocila::BPregledClick);
    click(ui.BNovo, &TFPorocila::BNovoClick);
    click(ui.BPopravi, &TFPorocila::BPopraviClick);
    click(ui.BBrisi, &TFPorocila::BBrisiClick);
    click(ui.BOblikuj, &TFPorocila::BOblikujClick);
    click(ui.BKonec, &TFPorocila::BKonecClick);
    connect(ui.SqlIzvoz1, &QAction::triggered, this,
            [this] { guarded([] { CatalogueServices::instance().exportCatalogue(); }); });
    connect(ui.SqlUvoz1, &QAction::triggered, this, [this] {
        guarded([this] {
            CatalogueServices::instance().importCatalogue();
            selectCategories();
        });
    });
    connect(ui.Avtomatskapriprava1, &QAction::triggered, this,
            [this] { guarded([] { CatalogueServices::instance().automaticPreparation(); }); });

    connect(ui.GridPor, &QTableView::doubleClicked, this, [this] { guarded([this] { BPregledClick(); }); });
    connect(ui.GridKat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ui.PopupMenu1->popup(ui.GridKat->viewport()->mapToGlobal(pos)); });
    connect(ui.XPanel1, &TXPanel::mouseUp, this, [this](Qt::MouseButton button, int index) {
        guarded([=, this] { XPanel1MouseUp(button, index); });
    });

    connect(ui.GridKat->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncing || !current.isValid())
                    return;
                DataSetGridModel::moveTo(Kategorije, current.row());
                guarded([this] { DataSource1DataChange(); });
            });
    connect(ui.GridPor->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncing || !current.isValid())
                    return;
                DataSetGridModel::moveTo(P, current.row());
                guarded([this] { DataSource2DataChange(); });
            });
}

// --- lists -------------------------------------------------------------------

void TFPorocila::showCategories()
{
    m_syncing = true;
    m_categoryModel->reload(Kategorije);
    if (Kategorije.active() && !Kategorije.isEmpty())
        ui.GridKat->setCurrentIndex(m_categoryModel->index(Kategorije.recNo(), 0));
    m_syncing = false;
}

void TFPorocila::showReports()
{
    if (P.active()) {
        // Read as an integer, shown without decoration and on the left like the titles.
        if (Field *id = P.findField(QStringLiteral("ID_POROCILA"))) {
            id->setDisplayFormat(QStringLiteral("0"));
            id->setAlignment(Qt::AlignLeft);
        }
    }
    m_syncing = true;
    m_reportModel->reload(P);
    if (P.active() && !P.isEmpty())
        ui.GridPor->setCurrentIndex(m_reportModel->index(P.recNo(), 0));
    m_syncing = false;
}

void TFPorocila::selectCategories()
{
    Kategorije.ClearConditions();
    Kategorije.AddCondition(QString(), QStringLiteral("PROGRAM"), QLatin1Char('S'), SqlEscape(ProgramId));
    Kategorije.Select();
    showCategories();
    DataSource1DataChange();
}

void TFPorocila::reopenReports()
{
    P.Select();
    showReports();
    DataSource2DataChange();
}

bool TFPorocila::locate(DataSet &dataSet, const QString &fieldName, qint64 value)
{
    if (!dataSet.active() || dataSet.isEmpty())
        return false;
    dataSet.first();
    for (; !dataSet.eof(); dataSet.next()) {
        if (dataSet.fieldByName(fieldName)->asInteger() == value)
            return true;
    }
    dataSet.last();
    return false;
}

void TFPorocila::locateReportNumber(qint64 number)
{
    // The end of the list when no report has that number.
    locate(P, QStringLiteral("STEVILKA_POR"), number);
    showReports();
    DataSource2DataChange();
}

qint64 TFPorocila::CurrentCategoryId() const
{
    if (!Kategorije.active() || Kategorije.isEmpty())
        return 0;
    return Kategorije.fieldByName(QStringLiteral("ID_KATEGORIJA"))->asInteger();
}

QString TFPorocila::CurrentReportIdText() const
{
    if (!P.active() || P.isEmpty())
        return QStringLiteral("0");
    return QString::number(P.fieldByName(QStringLiteral("ID_POROCILA"))->asInteger());
}

bool TFPorocila::CurrentReportAllowed() const
{
    return !D || D->IsReportAllowed(CurrentReportIdText());
}

// --- events ------------------------------------------------------------------

void TFPorocila::FormActivate()
{
    if (D) {
        ProgramId = D->ProgramId;
        ReportDir = D->ReportDir;
    }
    // The lists are read again each time the window comes back (another
    // window may have changed the catalogue); the user's place in them is kept.
    const qint64 category = CurrentCategoryId();
    const qint64 report = CurrentReportIdText().toLongLong();
    Kategorije.ClearConditions();
    Kategorije.AddCondition(QString(), QStringLiteral("PROGRAM"), QLatin1Char('S'), SqlEscape(ProgramId));
    Kategorije.Select();
    if (category != 0 && !locate(Kategorije, QStringLiteral("ID_KATEGORIJA"), category))
        Kategorije.first();
    showCategories();
    DataSource1DataChange();
    if (report != 0 && !locate(P, QStringLiteral("ID_POROCILA"), report))
        P.first();
    showReports();
    DataSource2DataChange();
}

void TFPorocila::DataSource1DataChange()
{
    // Without categories the report list keeps what it showed.
    if (!Kategorije.active() || Kategorije.isEmpty())
        return;
    P.ClearConditions();
    P.AddCondition(QString(), QStringLiteral("ID_KATEGORIJA"), QLatin1Char('N'),
                   QString::number(CurrentCategoryId()));
    P.Select();
    showReports();
    DataSource2DataChange();
}

void TFPorocila::DataSource2DataChange()
{
    const bool canRun = CurrentReportAllowed() && bool(CatalogueServices::instance().runReport);
    ui.BPregled->setEnabled(canRun);
    ui.Start1->setEnabled(canRun);
    ui.GridPor->viewport()->update();
}

void TFPorocila::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (D)
        setWindowTitle(windowTitle() + D->FileVersion);
    ui.Orodja1->menuAction()->setVisible(true);
    ui.Avtomatskapriprava1->setVisible(true);
    // The lists must not wait for a window manager that never activates the window.
    guarded([this] { FormActivate(); });
}

void TFPorocila::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_shown)
        guarded([this] { FormActivate(); });
}

void TFPorocila::closeEvent(QCloseEvent *event)
{
    // The preparatory scripts' work rows of this computer are not needed after the run.
    if (D) {
        try {
            D->Q.setSql(QStringLiteral("delete from report_sql where computer='") +
                        SqlEscape(D->ComputerName) + QLatin1Char('\''));
            D->Q.execSql();
        } catch (const std::exception &) {
        }
    }
    event->accept();
}

// --- actions -----------------------------------------------------------------

void TFPorocila::BPregledClick()
{
    if (!CurrentReportAllowed())
        throw EError(QStringLiteral("Ni pravice za izvajanje reporta."));
    if (const auto &run = CatalogueServices::instance().runReport)
        run(CurrentReportIdText().toLongLong());
}

void TFPorocila::BNovoClick()
{
    const auto &editor = CatalogueServices::instance().newReport;
    if (!CurrentReportAllowed() || !Kategorije.active() || Kategorije.isEmpty())
        return;
    if (!D->HasEntryRight() || !editor)
        return;
    const int number = editor(CurrentCategoryId());
    P.Select();
    locateReportNumber(number);
}

void TFPorocila::BPopraviClick()
{
    const auto &editor = CatalogueServices::instance().changeReport;
    if (!Kategorije.active() || Kategorije.isEmpty() || !P.active() || P.isEmpty())
        return;
    if (!D->HasEntryRight() || !CurrentReportAllowed() || !editor)
        return;
    const qint64 number = P.fieldByName(QStringLiteral("STEVILKA_POR"))->asInteger();
    editor(CurrentCategoryId(), CurrentReportIdText().toLongLong(), P);
    P.Select();
    locateReportNumber(number);
}

void TFPorocila::BBrisiClick()
{
    if (!P.active() || P.isEmpty())
        return;
    if (!D->HasEntryRight() || !CurrentReportAllowed())
        return;
    if (AskYesNo(QStringLiteral("Ali želite brisati poročilo?")) != MsgResult::Yes)
        return;
    try {
        IQ.ClearConditions();
        IQ.AddCondition(QString(), QStringLiteral("ID_POROCILA"), QLatin1Char('N'), CurrentReportIdText());
        IQ.ExecDelete();
    } catch (const std::exception &) {
        // Most often the report still has parameters, which the database protects.
        ShowError(QStringLiteral("Ne morem brisati poročila. Morda obstajajo definirani parametri."));
        return;
    }
    // P still shows the deleted row, which is what the log records. The
    // report is gone whether or not the log can be written: the list shows
    // that before a log error is reported.
    try {
        D->LogActivity(P, QStringLiteral("-"), QStringLiteral("ID_POROCILA"), QStringLiteral("POROCILA"));
    } catch (...) {
        reopenReports();
        throw;
    }
    reopenReports();
}

void TFPorocila::BOblikujClick()
{
    if (!CurrentReportAllowed())
        return;
    QString file;
    if (P.active() && !P.isEmpty())
        file = P.fieldByName(QStringLiteral("DATOTEKA_POR"))->asString();
    ShellOpen::open(ReportDir + file);
}

void TFPorocila::BKonecClick()
{
    close();
}

void TFPorocila::Dodajkategorijo1Click()
{
    const QString name = InputBox(CategoryCaption, CategoryPrompt, QString());
    qint64 added = 0;
    if (!name.isEmpty()) {
        try {
            const qint64 id =
                CatalogueIds::NextId(QStringLiteral("KATEGORIJE"), QStringLiteral("ID_KATEGORIJA"), true);
            TLangQuery insert;
            insert.setTables(QStringLiteral("KATEGORIJE"));
            insert.AddField(QStringLiteral("ID_KATEGORIJA"), QString::number(id), false);
            insert.AddField(QStringLiteral("OPIS_KATEGORIJE"), SqlEscape(name), true);
            insert.AddField(QStringLiteral("PROGRAM"), SqlEscape(ProgramId), true);
            insert.ExecInsert();
            added = id;
            D->OpenActivitySource(QStringLiteral("KATEGORIJE"),
                                  QStringLiteral("ID_KATEGORIJA=") + QString::number(id));
            D->LogActivity(D->Act, QStringLiteral("+"), QStringLiteral("ID_KATEGORIJA"),
                           QStringLiteral("KATEGORIJE"));
            D->CloseActivitySource();
        } catch (const std::exception &error) {
            ShowError(QStringLiteral("Napaka pri vpisu kategorije. Sporočilo: ") + ErrorMessage(error));
        }
    }
    Kategorije.Select();
    // The new category is where the user continues.
    if (added != 0 && !locate(Kategorije, QStringLiteral("ID_KATEGORIJA"), added))
        Kategorije.first();
    showCategories();
    DataSource1DataChange();
}

void TFPorocila::Preimenuj1Click()
{
    if (!Kategorije.active() || Kategorije.isEmpty())
        return;
    const QString current = Kategorije.fieldByName(QStringLiteral("OPIS_KATEGORIJE"))->asString();
    const QString name = InputBox(CategoryCaption, CategoryPrompt, current);
    if (name == current)
        return;
    const QString id = QString::number(CurrentCategoryId());
    TLangQuery update;
    update.setTables(QStringLiteral("KATEGORIJE"));
    update.AddField(QStringLiteral("OPIS_KATEGORIJE"), SqlEscape(name), true);
    update.AddCondition(QString(), QStringLiteral("ID_KATEGORIJA"), QLatin1Char('N'), id);
    update.ExecUpdate();
    selectCategories();
    D->OpenActivitySource(QStringLiteral("KATEGORIJE"), QStringLiteral("ID_KATEGORIJA=") + id);
    D->LogActivity(D->Act, QStringLiteral("^"), QStringLiteral("ID_KATEGORIJA"),
                   QStringLiteral("KATEGORIJE"));
    D->CloseActivitySource();
}

void TFPorocila::Lastnostipovezave1Click()
{
    D->SaveAliasInfo();
    ShowInfo(QStringLiteral("Servername=") + D->RpeServer + QStringLiteral("; Databasename=") +
             D->RpeDatabase + QStringLiteral("; Driver=") + D->RpeDriver);
    ShowInfo(D->Dialect + QLatin1Char('=') + D->DB.driverName());
}

void TFPorocila::UporabnikiExecute()
{
    MessageDialog(D->User, MsgKind::Custom, MsgButton::OK);
    MessageDialog(D->UserFullName, MsgKind::Custom, MsgButton::OK);
}

void TFPorocila::ADatabaseExecute()
{
    const QString value = InputBox(QStringLiteral("Database"), QStringLiteral("Server:"), D->RpeDatabase);
    if (!value.isEmpty())
        D->RpeDatabase = value;
}

void TFPorocila::AServerExecute()
{
    const QString value = InputBox(QStringLiteral("Database"), QStringLiteral("Server:"), D->RpeServer);
    if (!value.isEmpty())
        D->RpeServer = value;
}

void TFPorocila::APrintExecute()
{
    if (DialogHook::isUnattended()) {
        // Nobody could answer the dialog; the current settings stay.
        std::fprintf(stderr, "Nastavitve tiskalnika: %s\n",
                     applicationPrinter().printerName().toUtf8().constData());
        std::fflush(stderr);
        return;
    }
    QPrintDialog dialog(&applicationPrinter(), this);
    dialog.setWindowTitle(QStringLiteral("Nastavitve tiskalnika"));
    dialog.exec();
}

void TFPorocila::XPanel1MouseUp(Qt::MouseButton button, int buttonIndex)
{
    if (button != Qt::LeftButton)
        return;
    switch (buttonIndex) {
    case 0:
        // The window carries no help context, so there is no help to show.
        break;
    case 1:
        BNovoClick();
        break;
    case 2:
        BPopraviClick();
        break;
    case 3:
        BPregledClick();
        break;
    case 4:
        BBrisiClick();
        break;
    case 5:
        BKonecClick();
        break;
    default:
        break;
    }
}
