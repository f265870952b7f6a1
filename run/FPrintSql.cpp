#include "run/FPrintSql.h"

#include "controls/DataGrid.h"
#include "controls/DataSetGridModel.h"
#include "data/Field.h"
#include "shell/Errors.h"
#include "shell/FileDialogs.h"
#include "shell/Logs.h"
#include "shell/ShellOpen.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTextStream>
#include <QVBoxLayout>

TfPrintSql::TfPrintSql(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fPrintSql"));
    setWindowTitle(QStringLiteral("Print data report"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(772, 473);
    setSizeGripEnabled(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    pCaption = new QLabel(QStringLiteral("Sql report name"), this);
    pCaption->setObjectName(QStringLiteral("pCaption"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    pCaption->setFont(font);
    pCaption->setMargin(6);
    outer->addWidget(pCaption);

    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);
    Grid = NewDataGrid(this, QStringLiteral("qResult"));
    body->addWidget(Grid, 1);
    auto *panel = new QVBoxLayout;
    panel->setContentsMargins(6, 6, 6, 6);
    BitBtn1 = new QPushButton(QStringLiteral("Excel"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    panel->addWidget(BitBtn1);
    panel->addStretch(1);
    body->addLayout(panel);
    connect(BitBtn1, &QPushButton::clicked, this, &TfPrintSql::BitBtn1Click);
}

TfPrintSql::~TfPrintSql() = default;

void TfPrintSql::ShowResult(const QString &title, const QString &statement, QWidget *parent)
{
    TfPrintSql viewer(parent);
    viewer.Open(title, statement);
    viewer.exec();
}

void TfPrintSql::Open(const QString &title, const QString &statement)
{
    m_title = title;
    pCaption->setText(title);
    qResult.setSql(statement);
    qResult.open();
    QList<DataSetGridModel::Column> columns;
    for (Field *f : qResult.fields())
        columns << DataSetGridModel::Column{f->fieldName(), f->displayLabel()};
    m_model = new DataSetGridModel(columns, this);
    m_model->reload(qResult);
    Grid->setModel(m_model);
    Grid->resizeColumnsToContents();
}

QStringList TfPrintSql::ResultLines()
{
    QStringList lines;
    QStringList names;
    for (Field *f : qResult.fields())
        names << f->fieldName();
    lines << names.join(QLatin1Char('\t'));
    for (qResult.first(); !qResult.eof(); qResult.next()) {
        QStringList values;
        for (Field *f : qResult.fields())
            values << f->asString();
        lines << values.join(QLatin1Char('\t'));
    }
    return lines;
}

void TfPrintSql::BitBtn1Click()
{
    // Even without rows the file gets its header line, so the spreadsheet
    // shows which columns the query has.
    QString name = m_title.trimmed().isEmpty() ? QStringLiteral("Poizvedba") : m_title.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString file =
        SaveFileName(this, m_title, SqlLogDir() + name + QStringLiteral(".xls"),
                     QStringLiteral("Tab delimited Excel (*.xls);;All (*.*)"), QStringLiteral("xls"));
    if (file.isEmpty())
        return;
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInOutError(QStringLiteral("Ne morem pisati datoteke %1.").arg(file));
    QTextStream stream(&out);
    for (const QString &line : ResultLines())
        stream << line << "\r\n";
    stream.flush();
    out.close();
    ShellOpen::open(file);
}
