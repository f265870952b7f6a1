#include "catalogue/FIskanje.h"

#include "controls/DataSetGridModel.h"
#include "shell/Data.h"
#include "shell/DialogUnits.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/SqlLiterals.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTableView>
#include <QToolButton>

namespace {
// Columns that lead the grid, after the key, whenever the table has them.
const char *const leadingColumns[] = {"NZV", "IME", "MTS", "DVS", "NSL", "MST", "PST", "KRTKDD", "KRT"};
} // namespace

TFIskanje::TFIskanje(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    Query.setColumns(QStringLiteral("*"));
    ui.eiskanje->installEventFilter(this);

    connect(ui.LBSort, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { guarded([this, item] { LBSortClick(ui.LBSort->row(item)); }); });
    connect(ui.SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(ui.sbOk, &QPushButton::clicked, this, [this] { sbOkClick(); });
    connect(ui.sbPreklic, &QPushButton::clicked, this, [this] { sbPreklicClick(); });
    connect(ui.NavFirst, &QToolButton::clicked, this, [this] { moveGrid(0); });
    connect(ui.NavPrior, &QToolButton::clicked, this,
            [this] { moveGrid(qMax(0, ui.DBGrid1->currentIndex().row() - 1)); });
    connect(ui.NavNext, &QToolButton::clicked, this,
            [this] { moveGrid(ui.DBGrid1->currentIndex().row() + 1); });
    connect(ui.NavLast, &QToolButton::clicked, this, [this] { moveGrid(Query.recordCount() - 1); });
}

TFIskanje::~TFIskanje() = default;

TFIskanje::Result TFIskanje::Search(const QString &table, const QString &keyColumn,
                                    const QString &descriptionColumn, const QString &filter,
                                    const QString &startText, QWidget *parent)
{
    TFIskanje dialog(parent);
    dialog.Open(table, keyColumn, descriptionColumn, filter, startText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.result();
}

void TFIskanje::Open(const QString &table, const QString &keyColumn, const QString &descriptionColumn,
                     const QString &filter, const QString &startText)
{
    m_result = {};
    m_keyColumn = keyColumn;
    m_descriptionColumn = descriptionColumn;
    m_sortColumn = descriptionColumn;
    m_filter = filter;
    Query.setFromClause(table);
    Query.setTables(table);
    ui.eiskanje->setText(startText.toUpper());
    if (!ui.eiskanje->text().isEmpty()) {
        ApplySearch();
    } else {
        // No rows until the user has typed something to look for.
        Query.ClearConditions();
        Query.AddCondition(QString(), QStringLiteral("0"), QLatin1Char('N'), QStringLiteral("1"));
        Query.Select();
        arrangeColumns();
    }
    fillSortList();
    ui.eiskanje->setFocus();
}

void TFIskanje::fillSortList()
{
    ui.LBSort->clear();
    for (const QString &name : std::as_const(m_columns)) {
        const Field *field = Query.findField(name);
        ui.LBSort->addItem(field ? field->displayLabel() : name);
    }
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(m_sortColumn, Qt::CaseInsensitive) == 0)
            ui.LBSort->setCurrentRow(int(i));
}

void TFIskanje::ApplySearch()
{
    ui.DBGrid1->setUpdatesEnabled(false);
    const auto thaw = qScopeGuard([this] { ui.DBGrid1->setUpdatesEnabled(true); });
    Query.setOrderByClause(m_sortColumn);
    Query.ClearConditions();
    const QString text = ui.eiskanje->text();
    if (!text.isEmpty())
        Query.AddConditionOp(QString(), m_sortColumn, QStringLiteral(" LIKE "), QLatin1Char('S'),
                             SqlEscape(text + QLatin1Char('%')));
    Query.setWhereClause(m_filter);
    Query.Select();
    arrangeColumns();
}

void TFIskanje::arrangeColumns()
{
    if (D)
        D->ApplyFieldDictionary(Query);
    if (Field *key = Query.findField(m_keyColumn))
        key->setDisplayLabel(QStringLiteral("*"));

    QList<Field *> ordered;
    const auto take = [&](const QString &name) {
        Field *field = Query.findField(name);
        if (field && !ordered.contains(field))
            ordered.append(field);
    };
    take(m_keyColumn);
    for (const char *name : leadingColumns)
        take(QLatin1String(name));
    for (Field *field : Query.fields())
        take(field->fieldName());

    m_columns.clear();
    QList<DataSetGridModel::Column> columns;
    for (const Field *field : std::as_const(ordered)) {
        m_columns.append(field->fieldName());
        columns.append({field->fieldName(), field->displayLabel()});
    }
    auto *model = new DataSetGridModel(columns, this);
    model->reload(Query);
    // The view keeps an old selection model alive; each search would leave one behind.
    QItemSelectionModel *oldSelection = ui.DBGrid1->selectionModel();
    ui.DBGrid1->setModel(model);
    delete oldSelection;
    delete m_model;
    m_model = model;
    connect(ui.DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { syncCurrentRow(); });

    const int charWidth = DialogUnits::fromFont(ui.DBGrid1->font()).charWidth();
    for (qsizetype i = 0; i < ordered.size(); ++i)
        if (ordered.at(i)->displayWidth() > 0)
            ui.DBGrid1->setColumnWidth(int(i), ordered.at(i)->displayWidth() * charWidth + 8);
    if (model->rowCount() > 0)
        moveGrid(0);
}

void TFIskanje::moveGrid(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    ui.DBGrid1->setCurrentIndex(m_model->index(row, 0));
    syncCurrentRow();
}

void TFIskanje::syncCurrentRow()
{
    DataSetGridModel::moveTo(Query, ui.DBGrid1->currentIndex().row());
}

void TFIskanje::LBSortClick(int row)
{
    if (row < 0 || row >= m_columns.size())
        return;
    m_sortColumn = m_columns.at(row);
    ApplySearch();
}

void TFIskanje::SpeedButton1Click()
{
    ui.eiskanje->clear();
    ui.eiskanje->setFocus();
}

void TFIskanje::sbOkClick()
{
    accept();
}

void TFIskanje::sbPreklicClick()
{
    reject();
}

void TFIskanje::accept()
{
    m_result = {};
    if (Query.active() && !Query.isEmpty()) {
        syncCurrentRow();
        if (const Field *key = Query.findField(m_keyColumn))
            m_result.key = key->asString();
        if (const Field *description = Query.findField(m_descriptionColumn))
            m_result.description = description->asString();
    }
    QDialog::accept();
}

void TFIskanje::eiskanjeKeyPress()
{
    const QString text = ui.eiskanje->text();
    if (text != m_lastSearched) {
        m_lastSearched = text;
        ApplySearch();
    } else if (Query.active() && !Query.isEmpty()) {
        accept();
    }
}

bool TFIskanje::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.eiskanje && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { eiskanjeKeyPress(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFIskanje::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!parentWidget()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    ui.eiskanje->setFocus();
}

void TFIskanje::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowError(ErrorMessage(error));
    }
}
