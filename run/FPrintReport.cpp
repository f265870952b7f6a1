#include "run/FPrintReport.h"

#include "catalogue/FIskanje.h"
#include "controls/DateEdit.h"
#include "engine/Rpe.h"
#include "mail/MapiMail.h"
#include "run/FPrintSql.h"
#include "run/ReportFormulas.h"
#include "run/SqlScript.h"
#include "shell/Abort.h"
#include "shell/Data.h"
#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/Formats.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/ProgramFolder.h"
#include "shell/SqlLiterals.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

namespace {

const int LabelWidth = 111;
const int FirstLeft = 120;
const int SecondLeft = 250;
const int RowHeight = 27;

} // namespace

TFPrintReport::TFPrintReport(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    ui.setupUi(this);
    ui.lVersion->setText(D->FileVersion);

    QString enginePath = ProgramFolder::path();
    if (enginePath.endsWith(QLatin1Char('/')))
        enginePath.chop(1);
    m_job.reset(TRpe::createLoaded(nullptr, [&](TRpe &job) {
        job.setRpePath(enginePath);
        job.setTempPath(QDir::tempPath() + QLatin1Char('/'));
        job.setProgressDialog(false);
        job.setWindowEvents(true);
        job.setWindowState(wsMaximized);
        job.setLoadEngineOnUse(false);
        for (auto button : {TRpeWindowButtonBar::CancelBtn, TRpeWindowButtonBar::CloseBtn,
                            TRpeWindowButtonBar::PrintSetupBtn, TRpeWindowButtonBar::RefreshBtn})
            job.WindowButtonBar()->setOption(button, true);
    }));
    // A run reads names and texts only; finding each one's object on the
    // report would walk every section once per parameter and formula.
    m_job->ParamFields()->ObjectPropertiesActive = false;
    m_job->Formulas()->ObjectPropertiesActive = false;
    m_job->WindowStyle()->MaxButton = false;
    m_job->WindowStyle()->MinButton = false;
    m_job->WindowStyle()->BorderStyle = bsSingle;
    m_job->OnPrinterSend = [this](TRpe *, RpeDeviceMode &mode, bool &) {
        if (ui.CBDuplex->isChecked()) {
            mode.Duplex = 2; // long-edge binding
            mode.Fields |= RPE_DM_DUPLEX;
        }
    };
    m_job->wOnStartEvent = [this](TRpe *, TRpeStartEventDestination, bool &) {
        D->LogActivity(m_report, QStringLiteral("P"), QStringLiteral("ID_POROCILA"),
                       QStringLiteral("POROCILA"));
    };

    FillComboFromTable(ui.SfOrg, QStringLiteral("ORG"), QStringLiteral("SFORG"), QStringLiteral("KRT"),
                       QStringLiteral("KRT"), QString());
    const QString userOrg = LookupString(QStringLiteral("LB"), QStringLiteral("USR"), QStringLiteral("SFORG"),
                                         QStringLiteral("USR='%1'").arg(SqlEscape(D->User)));
    const int index = ui.SfOrg->findData(userOrg.trimmed());
    ui.SfOrg->setCurrentIndex(index >= 0 ? index : (ui.SfOrg->count() > 0 ? 0 : -1));

    // A failed run ends with the error shown; the silent abort shows nothing.
    const auto guarded = [this](void (TFPrintReport::*slot)()) {
        return [this, slot] {
            try {
                (this->*slot)();
            } catch (const EAbort &) {
            } catch (const std::exception &error) {
                ShowError(ErrorMessage(error));
            }
        };
    };
    connect(ui.BPregled, &QPushButton::clicked, this, guarded(&TFPrintReport::BPregledClick));
    connect(ui.BTiskaj, &QPushButton::clicked, this, guarded(&TFPrintReport::BTiskajClick));
    connect(ui.bEmail, &QPushButton::clicked, this, guarded(&TFPrintReport::bEmailClick));
    connect(ui.BZapri, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui.sbSearch, &QToolButton::clicked, this, guarded(&TFPrintReport::sbSearchClick));
    connect(ui.sbDelete, &QToolButton::clicked, this, guarded(&TFPrintReport::sbDeleteClick));
    auto key = [this, guarded](const QKeySequence &sequence, void (TFPrintReport::*slot)()) {
        auto *shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, guarded(slot));
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_F9), &TFPrintReport::BPregledClick);
    key(QKeySequence(Qt::Key_F9), &TFPrintReport::BTiskajClick);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TFPrintReport::VKlopStatus);
}

TFPrintReport::~TFPrintReport()
{
    if (m_job)
        m_job->UnloadEngine();
}

void TFPrintReport::OpenReport(qint64 reportId, QWidget *parent)
{
    TFPrintReport window(parent);
    if (!window.Open(reportId))
        return;
    window.exec();
}

bool TFPrintReport::Open(qint64 reportId)
{
    m_reportId = reportId;
    m_report.setColumns(QStringLiteral("*"));
    m_report.setFromClause(QStringLiteral("POROCILA"));
    m_report.setTables(QStringLiteral("POROCILA"));
    m_report.setWhereClause(QStringLiteral("ID_POROCILA = %1").arg(reportId));
    m_report.Select();
    if (m_report.NoRows()) {
        m_report.close();
        ShowError(QStringLiteral("Ne najdem željenega poročila (%1).").arg(reportId));
        return false;
    }
    m_formulas.companyLines.clear();
    m_state.filterLines.clear();
    auto column = [&](const char *name) {
        return m_report.fieldByName(QString::fromLatin1(name))->asString();
    };
    m_reportFile = D->ReportDir + column("DATOTEKA_POR").trimmed();
    m_title = column("NASLOV_POR").trimmed();
    m_scriptFile = D->ReportDir + column("OPIS_POROCILA").trimmed();
    m_hasScript = !column("OPIS_POROCILA").trimmed().isEmpty();
    m_position = 15;
    CreateFields();
    m_filter = column("FILTER_POROCILA");
    setWindowTitle(QStringLiteral("%1 %2").arg(column("ID_POROCILA"), m_title));
    return true;
}

// ---- Building the rows ----

void TFPrintReport::CreateFields()
{
    m_lookupTables.clear();
    m_keyColumns.clear();
    m_descriptionColumns.clear();
    LQ.setColumns(QStringLiteral("*"));
    LQ.setFromClause(QStringLiteral("POROCILA_PAR"));
    LQ.setTables(QStringLiteral("POROCILA_PAR"));
    LQ.setWhereClause(QStringLiteral("ID_POROCILA = %1").arg(m_reportId));
    LQ.setOrderByClause(QStringLiteral("SORTIRANJE"));
    LQ.Select();
    m_rows = ReportParameters::FromDataSet(LQ);

    // The report date of the defaults is the first date default: the date
    // FindIzpisDate finds once the edits are filled.
    m_defaultsDate.clear();
    for (const ReportParameter &row : m_rows) {
        if (row.visible && !row.key && row.isDate()) {
            const QDate date = Formats::readShortDate(ReportParameters::FillDefault(row.defaultValue));
            if (date.isValid()) {
                m_defaultsDate = date.toString(QStringLiteral("dd.MM.yyyy"));
                break;
            }
        }
    }
    for (const ReportParameter &row : m_rows) {
        if (!row.visible)
            continue;
        auto *label = new QLabel(ui.PFields);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        QFont font(QStringLiteral("Arial Narrow"));
        if (!font.exactMatch())
            font = QFont(QStringLiteral("Arial"));
        label->setFont(font);
        label->setText(row.caption);
        label->setToolTip(row.caption);
        label->adjustSize();
        label->move(5, m_position + 5);
        while (label->width() > LabelWidth && font.pointSize() >= 8) {
            font.setPointSize(font.pointSize() - 1);
            label->setFont(font);
            label->setText(row.caption);
            label->adjustSize();
        }
        label->setFixedWidth(LabelWidth);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Captions come from the catalogue; translation leaves them alone.
        label->setProperty("tag", 1);
        label->show();

        const bool range = row.op == 5;
        if (!row.key && row.isDate()) {
            const QDate date = Formats::readShortDate(ReportParameters::FillDefault(row.defaultValue));
            for (int part = 0; part < (range ? 2 : 1); ++part) {
                auto *edit = new TDateEdit(ui.PFields);
                edit->setObjectName(part == 0 ? row.firstName() : row.secondName());
                edit->setCaption(row.caption);
                edit->setGeometry(part == 0 ? FirstLeft : SecondLeft, m_position, 120, 21);
                edit->setDate(date);
                edit->installEventFilter(this);
                edit->show();
                m_controls << edit;
            }
        } else if (!row.key) {
            const QString text = ReportParameters::FillDefault(row.defaultValue, m_defaultsDate);
            for (int part = 0; part < (range ? 2 : 1); ++part) {
                auto *edit = new QLineEdit(ui.PFields);
                edit->setObjectName(part == 0 ? row.firstName() : row.secondName());
                // Numbers and codes of customers in the system's format: a sign,
                // digits with points between thousands, one decimal comma; for
                // "in a list" several of them separated by ";".
                if (row.dataType == QLatin1String("N") || row.dataType == QLatin1String("T"))
                    edit->setValidator(new QRegularExpressionValidator(
                        QRegularExpression(row.op == 6 ? QStringLiteral("[0-9.,;\\- ]*")
                                                       : QStringLiteral("-?[0-9.]*(,[0-9]*)?")),
                        edit));
                edit->setGeometry(part == 0 ? FirstLeft : SecondLeft, m_position, 120, 21);
                edit->setText(text);
                edit->installEventFilter(this);
                edit->show();
                m_controls << edit;
            }
        } else {
            createKeyList(row, FirstLeft, range ? 120 : 250, true);
            if (range)
                createKeyList(row, SecondLeft, 120, false);
        }
        m_position += RowHeight;
        if (height() < m_position + 70)
            resize(width(), m_position + 70);
    }
    ui.lVersion->adjustSize();
    ui.lVersion->move(5, std::max(m_position + 10, height() - ui.lVersion->height() - 5));
}

QComboBox *TFPrintReport::createKeyList(const ReportParameter &row, int left, int width, bool first)
{
    auto *list = new QComboBox(ui.PFields);
    list->setObjectName(first ? row.firstName() : row.secondName());
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(left, m_position, width, 21);
    list->setEditText(QString());
    list->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
    // Contract and person are captured only from the first list.
    list->setProperty("capture",
                      !first ? QString()
                      : row.source == QLatin1String("T") && row.table.toUpper() == QLatin1String("POG") &&
                              row.keyColumn.toUpper() == QLatin1String("IDPOG")
                          ? QStringLiteral("POG")
                      : row.source == QLatin1String("T") && row.table.toUpper() == QLatin1String("OSB") &&
                              row.keyColumn.toUpper() == QLatin1String("SFOSB")
                          ? QStringLiteral("OSB")
                          : QString());
    if (row.source == QLatin1String("T")) {
        m_lookupTables.insert(list->objectName(), row.table);
        m_keyColumns.insert(list->objectName(), row.keyColumn);
        m_descriptionColumns.insert(list->objectName(), row.descriptionColumn);
        const QString key = ReportParameters::FillDefault(row.defaultValue, m_defaultsDate);
        if (!key.isEmpty()) {
            const QString description =
                GetDefaultText(row.table, row.keyColumn, row.keyType, row.filter, key, row.descriptionColumn);
            list->addItem(description, key);
            list->setCurrentIndex(0);
        }
    } else if (row.source == QLatin1String("F")) {
        FillFromFile(list, row.table);
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
    list->show();
    m_controls << list;
    return list;
}

QString TFPrintReport::GetDefaultText(const QString &table, const QString &keyColumn, const QString &keyType,
                                      const QString &filter, const QString &key,
                                      const QString &descriptionColumn)
{
    QString where =
        keyColumn + QLatin1Char('=') + ReportParameters::KeyLiteral(key, keyType == QLatin1String("S"));
    if (!filter.trimmed().isEmpty())
        where += QStringLiteral(" AND ") + filter;
    return LookupString(QStringLiteral("LB"), table, descriptionColumn, where);
}

void TFPrintReport::FillFromFile(QComboBox *list, const QString &fileName)
{
    QFile file(D->ReportDir + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString key = blank < 0 ? line : line.left(blank);
        const QString description = blank < 0 ? QString() : line.mid(blank + 1);
        list->addItem(QString(description).replace(QLatin1String("\\\\"), QLatin1String(",")), key);
        list->setItemData(list->count() - 1, description, DescriptionRole);
    }
}

void TFPrintReport::SelectByKey(QComboBox *list, const QString &key)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemData(i, KeyRole).toString().compare(key, Qt::CaseInsensitive) == 0) {
            list->setCurrentIndex(i);
            return;
        }
    }
    list->setCurrentIndex(-1);
}

// ---- Reading the inputs ----

ParameterInput TFPrintReport::FindData(qint64 parameterId, const QString &dataType, int op,
                                       const QString &source)
{
    ParameterInput in;
    const QString firstName = QStringLiteral("S_%1").arg(parameterId);
    const QString secondName = QStringLiteral("R_%1").arg(parameterId);
    for (QWidget *w : m_controls) {
        const bool first = w->objectName() == firstName;
        const bool second = w->objectName() == secondName;
        if (!first && !second)
            continue;
        if (auto *date = qobject_cast<TDateEdit *>(w)) {
            (first ? in.first : in.second) = date->dateText();
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            if (list->currentIndex() < 0)
                continue;
            const QString key = list->currentData(KeyRole).toString();
            if (second) {
                in.second = key;
            } else if (op == 6 && source != QLatin1String("F")) {
                QStringList keys, texts;
                for (int i = 0; i < list->count(); ++i) {
                    keys << ReportParameters::ConvertFilterValue(list->itemData(i, KeyRole).toString(),
                                                                 dataType);
                    texts << list->itemText(i);
                }
                in.first = keys.join(QStringLiteral(", "));
                in.second = texts.join(QStringLiteral(", "));
                // Table items have no description of their own: their text serves.
                in.description = texts.join(QStringLiteral("\\\\"));
            } else {
                in.first = op == 6 ? ReportParameters::ConvertFilterValue(key, dataType) : key;
                in.description = source == QLatin1String("F") ? list->currentData(DescriptionRole).toString()
                                                              : list->currentText();
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            const ReportParameter *row = rowOf(w->objectName());
            (first ? in.first : in.second) =
                row ? ReportParameters::TypedValue(*row, edit->text()) : edit->text();
        }
    }
    in.description = ReportParameters::ReplaceFilter(in.description);
    return in;
}

QString TFPrintReport::FindIzpisDate()
{
    const QString date = InputReportDate();
    return date.isEmpty() ? QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) : date;
}

QString TFPrintReport::InputReportDate() const
{
    for (QWidget *w : m_controls)
        if (auto *date = qobject_cast<TDateEdit *>(w))
            if (!date->dateText().isEmpty())
                return date->dateText();
    return {};
}

const ReportParameter *TFPrintReport::rowOf(const QString &controlName) const
{
    for (const ReportParameter &row : m_rows)
        if (row.firstName() == controlName || row.secondName() == controlName)
            return &row;
    return nullptr;
}

void TFPrintReport::CheckInputs()
{
    for (QWidget *w : std::as_const(m_controls)) {
        const ReportParameter *row = rowOf(w->objectName());
        if (!row)
            continue;
        QString refusal;
        if (auto *date = qobject_cast<TDateEdit *>(w)) {
            refusal = date->refusal();
        } else if (qobject_cast<QComboBox *>(w)) {
            continue;
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            try {
                ReportParameters::TypedValue(*row, edit->text());
            } catch (const EConvertError &error) {
                refusal = error.message();
            }
        }
        if (!refusal.isEmpty()) {
            w->setFocus(Qt::OtherFocusReason);
            throw EConvertError(refusal);
        }
    }
}

QString TFPrintReport::organisation() const
{
    return ui.SfOrg->currentIndex() >= 0 ? ui.SfOrg->currentData().toString() : QString();
}

// ---- A run ----

void TFPrintReport::addSelection(const QString &condition)
{
    m_job->Selection()->setFormula(
        ReportParameters::AppendCondition(m_job->Selection()->Formula(), condition));
}

void TFPrintReport::setReportParameter(const QString &name, const QString &value)
{
    TRpeParamFields *params = m_job->ParamFields();
    const int n = params->Count();
    for (int i = 0; i < n; ++i) {
        if ((*params)[i].Name() == name)
            params->Item().setCurrentValue(value);
    }
}

void TFPrintReport::FillFields()
{
    ReportParameters::FillFieldsTarget target;
    target.input = [this](const ReportParameter &row) {
        return FindData(row.id, row.dataType, row.op, row.source);
    };
    target.reportDateFallback = [this] { return InputReportDate(); };
    target.addSelection = [this](const QString &condition) { addSelection(condition); };
    target.setParameter = [this](const QString &name, const QString &value) {
        setReportParameter(name, value);
    };
    ReportParameters::FillFields(m_rows, target, m_state);
}

void TFPrintReport::handleReportTables()
{
    auto cutOwners = [this] {
        TRpeTables *tables = m_job->Tables();
        const int n = tables->Count();
        for (int i = 0; i < n; ++i) {
            const QString name = (*tables)[i].Name();
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            if (dot >= 0)
                tables->Item().setName(name.mid(dot + 1));
        }
    };
    cutOwners();
    TRpeSubreports *subreports = m_job->Subreports();
    const int count = subreports->Count();
    for (int i = 1; i < count; ++i) {
        subreports->select(i);
        cutOwners();
    }
    subreports->select(0);
}

bool TFPrintReport::ExecuteReport()
{
    CheckInputs();
    const QString organisation = this->organisation();
    m_state.reportDate.clear();
    m_state.filterLines.clear();
    m_job->setReportName(QString());
    m_job->CloseJob();
    m_job->ClosePrintJob();
    D->PrepareSignatures(organisation);
    m_job->setReportName(m_reportFile);

    TRpeConnect *connect = m_job->Connect();
    connect->Clear();
    connect->setUserID(D->DbUser);
    connect->setPassword(D->DbPassword);
    if (!D->RpeServer.isEmpty())
        connect->setServerName(D->RpeServer);
    if (!D->RpeDatabase.isEmpty())
        connect->setDatabaseName(D->RpeDatabase);
    connect->setPropagate(true);
    if (!connect->Test()) {
        ShowInfo(QStringLiteral("%1: %2").arg(m_job->LastErrorNumber()).arg(m_job->LastErrorString()));
        return false;
    }
    m_job->setReportTitle(m_title);
    m_job->Selection()->setFormula(ReportParameters::BracketSelection(m_job->Selection()->Formula()));
    FillFields();
    if (!m_filter.trimmed().isEmpty()) {
        m_filter = ReportParameters::ZamenjajSpremenljivkeVSelectionu(m_filter);
        addSelection(m_filter);
    }
    m_job->WindowStyle()->setTitle(m_title);
    RetrieveFormulas();
    SaveLog(SqlLogDir() + QStringLiteral("Formula.log"), m_job->Selection()->Formula());
    if (m_hasScript && QFileInfo(m_scriptFile).isFile())
        RunScript(m_scriptFile);
    handleReportTables();
    if (m_job->SQL()->Retrieve())
        SaveLog(SqlLogDir() + QStringLiteral("Sql.log"), m_job->SQL()->Query());
    // The engine reports the start of a job to the preview only; printed and
    // exported runs are logged here, just before they start.
    if (m_job->Output() != toWindow)
        D->LogActivity(m_report, QStringLiteral("P"), QStringLiteral("ID_POROCILA"),
                       QStringLiteral("POROCILA"));
    if (m_job->Output() == toPrinter)
        m_job->Print();
    else
        m_job->Execute();
    return true;
}

void TFPrintReport::BPregledClick()
{
    if (m_reportFile.toUpper().endsWith(QLatin1String(".SQL"))) {
        RunSqlReport();
        return;
    }
    m_job->setOutput(toWindow);
    ExecuteReport();
}

void TFPrintReport::BTiskajClick()
{
    // The printer-send event, which carries the duplex setting, runs only when
    // the printer is touched: keeping the report's own orientation is enough.
    m_job->Printer()->PreserveRptSettings = ui.CBDuplex->isChecked() ? unsigned(prOrientation) : 0u;
    m_job->setOutput(toPrinter);
    ExecuteReport();
}

void TFPrintReport::bEmailClick()
{
    SendMail();
}

QString TFPrintReport::RunScript(const QString &file)
{
    SqlScriptInputs inputs = SqlScript::inputsFromDataModule();
    for (const ReportParameter &row : m_rows) {
        SqlScriptParameter p;
        p.field = row.field;
        p.caption = row.caption;
        p.dataType = row.dataType;
        p.list = row.op == 6;
        if (row.visible) {
            const ParameterInput in = FindData(row.id, row.dataType, row.op, row.source);
            p.value = in.first;
            p.secondValue = in.second;
        } else {
            const QString reportDate = m_state.reportDate.isEmpty() ? InputReportDate() : m_state.reportDate;
            p.value = ReportParameters::TypedValue(
                row, ReportParameters::FillDefault(row.defaultValue, reportDate));
        }
        inputs.parameters << p;
    }
    inputs.reportDate = m_state.reportDate;
    inputs.fallbackReportDate = FindIzpisDate();
    SqlScript script(inputs);
    connect(&script, &SqlScript::statusShown, this, [this](bool shown) {
        // Ctrl+Shift+S keeps the bar as the user left it.
        if (!m_statusByUser)
            ui.SB->setVisible(shown);
    });
    connect(&script, &SqlScript::statusText, this, [this](int panel, const QString &text) {
        if (panel >= 0 && panel < 5)
            ui.SBPanels[panel]->setText(text);
    });
    // The window stops the run with the errors itself: one message, and no
    // output made from the rows of a script that did not run through.
    script.setShowErrors(false);
    const QString statement = script.RunSqlScript(file);
    m_state.reportDate = script.reportDate();
    if (script.failed())
        throw EError(script.errorText() + QStringLiteral("Priprava podatkov ni uspela; izpis je prekinjen."));
    return statement;
}

// ---- Key lists ----

void TFPrintReport::enterList(QComboBox *list)
{
    const QString name = list->objectName();
    if (!m_lookupTables.contains(name) || m_currentList == list)
        return;
    m_currentList = list;
    list->resize(list->width() - 15, list->height());
    ui.sbSearch->setGeometry(list->x() + list->width() + 2, list->y(), 15, list->height());
    ui.sbDelete->setGeometry(list->x() + list->width() + 17, list->y(), 15, list->height());
    ui.sbSearch->show();
    ui.sbDelete->show();
    ui.sbSearch->raise();
    ui.sbDelete->raise();
}

void TFPrintReport::leaveList(QComboBox *list)
{
    const QString capture = list->property("capture").toString();
    if (capture == QLatin1String("POG")) {
        ReportParameters::TakeContract(
            list->currentIndex() >= 0 ? list->currentData(KeyRole).toString() : QString(), m_state);
    } else if (capture == QLatin1String("OSB")) {
        m_state.person = list->currentIndex() >= 0 ? list->currentData(KeyRole).toString() : QString();
    }
    if (!m_lookupTables.contains(list->objectName()) || m_currentList != list)
        return;
    list->resize(list->width() + 15, list->height());
    ui.sbSearch->hide();
    ui.sbDelete->hide();
    m_currentList = nullptr;
}

void TFPrintReport::sbSearchClick()
{
    QComboBox *list = m_currentList;
    if (!list)
        return;
    const QString name = list->objectName();
    const ReportParameter *row = nullptr;
    for (const ReportParameter &r : m_rows)
        if (r.firstName() == name || r.secondName() == name)
            row = &r;
    const TFIskanje::Result found = TFIskanje::Search(
        m_lookupTables.value(name), m_keyColumns.value(name), m_descriptionColumns.value(name),
        row ? row->filter : QString(), list->currentText(), this);
    if (found.key.isEmpty())
        return;
    list->addItem(found.description, found.key);
    SelectByKey(list, found.key);
    list->lineEdit()->setCursorPosition(0);
    list->lineEdit()->deselect();
}

void TFPrintReport::sbDeleteClick()
{
    if (!m_currentList)
        return;
    m_currentList->clear();
    m_currentList->setEditText(QString());
}

void TFPrintReport::VKlopStatus()
{
    m_statusByUser = true;
    ui.SB->setVisible(!ui.SB->isVisible());
}

// ---- Events ----

bool TFPrintReport::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *widget = qobject_cast<QWidget *>(watched);
    QComboBox *list = qobject_cast<QComboBox *>(watched);
    if (!list && widget)
        list = qobject_cast<QComboBox *>(widget->parentWidget());
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    } else if (list && m_controls.contains(list)) {
        // The buttons of the list take the focus for a moment; that is no leave.
        if (event->type() == QEvent::FocusIn) {
            enterList(list);
        } else if (event->type() == QEvent::FocusOut) {
            QWidget *next = QApplication::focusWidget();
            if (next != ui.sbSearch && next != ui.sbDelete && next != list && next != list->lineEdit())
                leaveList(list);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFPrintReport::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // After the window is up: the first parameter gets the focus. Running the
    // event loop here instead would let a close slip in before exec waits.
    QTimer::singleShot(0, this, [this] {
        ui.SfOrg->setFocus();
        focusNextChild();
    });
}

void TFPrintReport::closeEvent(QCloseEvent *event)
{
    for (QWidget *w : m_controls)
        if (auto *list = qobject_cast<QComboBox *>(w))
            list->clear();
    QDialog::closeEvent(event);
}

void TFPrintReport::RetrieveFormulas()
{
    m_formulas.reportDate = m_state.reportDate;
    m_formulas.organisation = organisation();
    m_formulas.filterLines = m_state.filterLines;
    m_formulas.findIzpisDate = [this] { return FindIzpisDate(); };
    TRpeFormulas *formulas = m_job->Formulas();
    QList<ReportFormula> current;
    const int n = formulas->Count();
    for (int i = 0; i < n; ++i) {
        TRpeFormulasItem &item = (*formulas)[i];
        current << ReportFormula{item.Name(), item.Formula().join(QLatin1Char('\n'))};
    }
    for (const FormulaUpdate &update : m_formulas.RetrieveFormulas(current))
        (*formulas)[update.index].setFormula({update.text});
    m_state.reportDate = m_formulas.reportDate;
}

void TFPrintReport::RunSqlReport()
{
    CheckInputs();
    const auto unknown = [](const QString &file) {
        return EError(QStringLiteral("Unknown SQL skript %1!").arg(file));
    };
    // A report that names itself as its script runs once.
    if (m_hasScript && m_scriptFile.compare(m_reportFile, Qt::CaseInsensitive) != 0) {
        if (!QFileInfo(m_scriptFile).isFile())
            throw unknown(m_scriptFile);
        RunScript(m_scriptFile);
    }
    if (!QFileInfo(m_reportFile).isFile())
        throw unknown(m_reportFile);
    const QString statement = RunScript(m_reportFile);
    if (!statement.trimmed().isEmpty())
        TfPrintSql::ShowResult(m_title, statement, this);
}

TRpeExportType TFPrintReport::ExportType(const QString &text)
{
    if (text == QLatin1String("PDF"))
        return AdobeAcrobatPDF;
    if (text == QLatin1String("HTM"))
        return HTML4;
    if (text == QLatin1String("RTF"))
        return RichTextFormat;
    if (text == QLatin1String("DOC"))
        return WordForWindows;
    if (text == QLatin1String("XLS"))
        return ExcelXLS;
    if (text == QLatin1String("RPT"))
        return ReportFileRPT;
    throw EError(QStringLiteral("Unknown export format!"));
}

QString TFPrintReport::ExportFileName(const QString &format)
{
    return SqlLogDir() + QStringLiteral("Report.") +
           (format == QLatin1String("XLS") ? QStringLiteral("xlsx") : format);
}

void TFPrintReport::SendMail()
{
    const QString format = ui.cbExport->currentText();
    const TRpeExportType type = ExportType(format);
    m_job->setOutput(toExport);
    TRpeExportOptions *options = m_job->ExportOptions();
    options->FileType = type;
    if (type == ExcelXLS)
        options->Excel.XlsType = Excel8;
    options->Destination = toFile;
    const QString file = ExportFileName(format);
    options->FileName = file;
    // A file left by an earlier run must not go out in place of this one.
    QFile::remove(file);
    ExecuteReport();
    if (!QFileInfo::exists(file))
        return;
    QString address, name;
    if (!m_state.person.trimmed().isEmpty()) {
        auto person =
            OpenQuery(QStringLiteral("LB"), QStringLiteral("OSB"), QStringLiteral("EMAIL, EML, NZV, IME"),
                      QStringLiteral("SFOSB=") + ReportParameters::KeyLiteral(m_state.person, false));
        if (!person->NoRows()) {
            address = person->fieldByName(QStringLiteral("EMAIL"))->asString().trimmed();
            if (address.isEmpty())
                address = person->fieldByName(QStringLiteral("EML"))->asString().trimmed();
            name = (person->fieldByName(QStringLiteral("NZV"))->asString() + QLatin1Char(' ') +
                    person->fieldByName(QStringLiteral("IME"))->asString())
                       .trimmed();
        }
    }
    struct RemoveAfterwards
    {
        QString file;
        ~RemoveAfterwards() { QFile::remove(file); }
    } remove{file};
    SendMapiMail(m_title, QString(), file, address, name, QString(), QString());
}
