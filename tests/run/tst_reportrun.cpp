// A whole report run as the user makes it, headless: the catalogue window
// opens the run window of a report with a preparatory script, the user
// enters a parameter, previews, and e-mails the report as PDF.

#include "catalogue/Porocila.h"
#include "controls/DataSetGridModel.h"
#include "engine/Rpe.h"
#include "mail/MapiMail.h"
#include "run/FPrintReport.h"
#include "run/RunServices.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "shell/Logs.h"
#include "tests/support/TestProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

class TestReportRun : public QObject
{
    Q_OBJECT

private slots:
    void fromTheCatalogueToPreviewAndMail();

private:
    static QString pdfText(const QString &file);
    QStringList column(const QString &sql);
    std::unique_ptr<TD> m_data;
};

QString TestReportRun::pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList TestReportRun::column(const QString &sql)
{
    QStringList values;
    QSqlQuery q = m_data->DB.execute(sql);
    while (q.next())
        values << q.value(0).toString();
    return values;
}

void TestReportRun::fromTheCatalogueToPreviewAndMail()
{
    TestProgramFolder folder(TestProgramFolder::Demo);
    QVERIFY(folder.copyDemoReports());
    QVERIFY(QFile::link(QStringLiteral(RPE_LIBRARY_DIR "/librpe32.so"),
                        folder.file(QStringLiteral("librpe32.so"))));
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"},
        true);
    InstallRunServices();

    QString pdf;
    MapiMessage mailed;
    MapiMail::setHandOver([&](const MapiMessage &message, QString &) {
        mailed = message;
        pdf = pdfText(message.attachments.value(0));
        return 0;
    });

    TFPorocila catalogue;
    catalogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&catalogue));
    // Report 5, "Seznam strank", in the second category.
    catalogue.ui.GridKat->setCurrentIndex(catalogue.ui.GridKat->model()->index(1, 0));
    const auto *reports = static_cast<const DataSetGridModel *>(catalogue.ui.GridPor->model());
    for (int r = 0; r < reports->rowCount(); ++r)
        if (reports->value(r, QStringLiteral("ID_POROCILA")).toLongLong() == 5)
            catalogue.ui.GridPor->setCurrentIndex(reports->index(r, 0));
    QCOMPARE(catalogue.CurrentReportIdText(), QStringLiteral("5"));

    bool previewShown = false;
    bool done = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        TFPrintReport *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<TFPrintReport *>(w); candidate && candidate->isVisible())
                window = candidate;
        if (!window || done)
            return;
        done = true;
        window->ui.PFields->findChild<QLineEdit *>(QStringLiteral("S_18"))
            ->setText(QStringLiteral("Ljubljana"));
        window->ui.BPregled->click();
        previewShown = window->Job()->ReportWindowHandle() != nullptr;
        window->Job()->CloseWindow();
        window->ui.cbExport->setCurrentText(QStringLiteral("PDF"));
        window->ui.bEmail->click();
        window->reject();
    });
    poll.start(50);
    catalogue.findChild<QAction *>(QStringLiteral("Izpis"))->trigger();
    poll.stop();
    MapiMail::clearHandOver();

    QVERIFY2(DialogHook::shown().isEmpty(), qPrintable(DialogHook::shown().value(0).text));
    QVERIFY(previewShown);
    QCOMPARE(mailed.subject, QStringLiteral("Seznam strank"));
    QVERIFY(!QFile::exists(SqlLogDir() + QStringLiteral("Report.PDF")));

    // Exactly the clients of Ljubljana that the script prepared, and no other.
    const QStringList prepared = column(
        QStringLiteral("SELECT NZV FROM REPORT_SQL WHERE MST = 'Ljubljana' AND COMPUTER = '%1' ORDER BY NZV")
            .arg(m_data->ComputerName));
    const QStringList elsewhere =
        column(QStringLiteral("SELECT NZV FROM REPORT_SQL WHERE MST <> 'Ljubljana' AND COMPUTER = '%1'")
                   .arg(m_data->ComputerName));
    QVERIFY(!prepared.isEmpty());
    QVERIFY(!elsewhere.isEmpty());
    for (const QString &name : prepared)
        QVERIFY2(pdf.contains(name), qPrintable(name));
    for (const QString &name : elsewhere)
        QVERIFY2(!pdf.contains(name), qPrintable(name));
    QVERIFY(pdf.contains(QStringLiteral("Kraj: Ljubljana")));

    // The logs of the run.
    auto read = [](const QString &file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    QCOMPARE(read(SqlLogDir() + QStringLiteral("Formula.log")),
             QStringLiteral("({REPORT_SQL.MST}='Ljubljana')\n and ({REPORT_SQL.COMPUTER} = '%1')\n")
                 .arg(m_data->ComputerName));
    QVERIFY(read(SqlLogDir() + QStringLiteral("Sql.log")).contains(QStringLiteral("REPORT_SQL")));
    QVERIFY(!read(SqlLogDir() + QStringLiteral("Knjiga.Sql")).isEmpty());
    const QString runLog = read(m_data->ReportDir + QStringLiteral("partnerji_seznam_prip.sql.txt"));
    QVERIFY(runLog.contains(QStringLiteral("DELETE FROM REPORT_SQL")));
    // Preview and e-mail each wrote their start to the activity log.
    QCOMPARE(column(QStringLiteral("SELECT COUNT(*) FROM ACT WHERE SfAct = 'P' AND Id = '5'")),
             QStringList{"2"});
    CatalogueServices::instance().runReport = nullptr;
}

QTEST_MAIN(TestReportRun)
#include "tst_reportrun.moc"
