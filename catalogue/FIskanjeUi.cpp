#include "catalogue/FIskanjeUi.h"

#include "controls/DataGrid.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Letters typed into the search edit always appear in upper case.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QToolButton *navigatorButton(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(false);
    return b;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    // Enter belongs to the search edit; no button may take it as the default.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

void FIskanjeUi::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("FIskanje"));
    dialog->setWindowTitle(QStringLiteral("Iskanje"));
    dialog->resize(640, 400);

    auto *root = new QVBoxLayout(dialog);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(4);

    auto *middle = new QHBoxLayout;
    LBSort = new QListWidget(dialog);
    LBSort->setObjectName(QStringLiteral("LBSort"));
    LBSort->setToolTip(QStringLiteral("Sort field"));
    LBSort->setFixedWidth(130);
    LBSort->setFocusPolicy(Qt::NoFocus);
    middle->addWidget(LBSort);

    auto *gridColumn = new QVBoxLayout;
    DBGrid1 = NewDataGrid(dialog, QStringLiteral("DBGrid1"));
    gridColumn->addWidget(DBGrid1, 1);

    auto *navigator = new QHBoxLayout;
    navigator->setSpacing(0);
    NavFirst = navigatorButton(dialog, "NavFirst", QStringLiteral("|<"), QStringLiteral("Prvi zapis"));
    NavPrior = navigatorButton(dialog, "NavPrior", QStringLiteral("<"), QStringLiteral("Prejšnji zapis"));
    NavNext = navigatorButton(dialog, "NavNext", QStringLiteral(">"), QStringLiteral("Naslednji zapis"));
    NavLast = navigatorButton(dialog, "NavLast", QStringLiteral(">|"), QStringLiteral("Zadnji zapis"));
    for (QToolButton *b : {NavFirst, NavPrior, NavNext, NavLast})
        navigator->addWidget(b);
    navigator->addStretch(1);
    gridColumn->addLayout(navigator);
    middle->addLayout(gridColumn, 1);
    root->addLayout(middle, 1);

    auto *bottom = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Išči:"), dialog);
    Label1->setObjectName(QStringLiteral("Label1"));
    bottom->addWidget(Label1);
    eiskanje = new QLineEdit(dialog);
    eiskanje->setObjectName(QStringLiteral("eiskanje"));
    eiskanje->setValidator(new UpperCaseValidator(eiskanje));
    Label1->setBuddy(eiskanje);
    bottom->addWidget(eiskanje, 1);
    SpeedButton1 = button(dialog, "SpeedButton1", QStringLiteral("Briši"));
    bottom->addWidget(SpeedButton1);
    sbOk = button(dialog, "sbOk", QStringLiteral("V REDU"));
    bottom->addWidget(sbOk);
    sbPreklic = button(dialog, "sbPreklic", QStringLiteral("PREKLIC"));
    bottom->addWidget(sbPreklic);
    root->addLayout(bottom);
}
