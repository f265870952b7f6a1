#include "run/FPrintReportUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

void FPrintReportUi::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("FPrintReport"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->resize(479, 266);

    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    outer->addLayout(body, 1);

    // The generated rows are placed by position, as the catalogue defines them.
    PFields = named(new QWidget(window), "PFields");
    PFields->setAutoFillBackground(true);
    QPalette fields = PFields->palette();
    fields.setColor(QPalette::Window, QColor(0x2f, 0x4f, 0x6f));
    PFields->setPalette(fields);
    body->addWidget(PFields, 1);

    sbSearch = named(new QToolButton(PFields), "sbSearch");
    sbSearch->setText(QStringLiteral("?"));
    sbSearch->setToolTip(QStringLiteral("Iskanje"));
    sbSearch->hide();
    sbDelete = named(new QToolButton(PFields), "sbDelete");
    sbDelete->setText(QStringLiteral("-"));
    sbDelete->setToolTip(QStringLiteral("Počisti seznam"));
    sbDelete->hide();
    lVersion = named(new QLabel(PFields), "lVersion");
    QPalette version = lVersion->palette();
    version.setColor(QPalette::WindowText, Qt::white);
    lVersion->setPalette(version);

    Panel1 = named(new QWidget(window), "Panel1");
    Panel1->setFixedWidth(84);
    body->addWidget(Panel1);
    auto *buttons = new QVBoxLayout(Panel1);
    buttons->setContentsMargins(4, 6, 4, 6);
    buttons->setSpacing(4);
    BPregled = named(new QPushButton(QStringLiteral("Pregled"), Panel1), "BPregled");
    BTiskaj = named(new QPushButton(QStringLiteral("&Tiskaj"), Panel1), "BTiskaj");
    bEmail = named(new QPushButton(QStringLiteral("&Email"), Panel1), "bEmail");
    cbExport = named(new QComboBox(Panel1), "cbExport");
    cbExport->setEditable(true);
    cbExport->addItems({QStringLiteral("PDF"), QStringLiteral("HTM"), QStringLiteral("RTF"),
                        QStringLiteral("DOC"), QStringLiteral("XLS"), QStringLiteral("RPT")});
    cbExport->setCurrentText(QStringLiteral("PDF"));
    CBDuplex = named(new QCheckBox(QStringLiteral("Duplex"), Panel1), "CBDuplex");
    Label1 = named(new QLabel(QStringLiteral("Šifra OE"), Panel1), "Label1");
    SfOrg = named(new QComboBox(Panel1), "SfOrg");
    BZapri = named(new QPushButton(QStringLiteral("&Zapri"), Panel1), "BZapri");
    for (QWidget *w :
         {static_cast<QWidget *>(BPregled), static_cast<QWidget *>(BTiskaj), static_cast<QWidget *>(bEmail),
          static_cast<QWidget *>(cbExport), static_cast<QWidget *>(CBDuplex), static_cast<QWidget *>(Label1),
          static_cast<QWidget *>(SfOrg)})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(BZapri);

    SB = named(new QStatusBar(window), "SB");
    SB->setSizeGripEnabled(false);
    const int widths[5] = {200, 50, 50, 50, 50};
    for (int i = 0; i < 5; ++i) {
        SBPanels[i] = new QLabel(SB);
        SBPanels[i]->setMinimumWidth(widths[i]);
        SB->addWidget(SBPanels[i], i == 0 ? 1 : 0);
    }
    SB->hide();
    outer->addWidget(SB);
}
