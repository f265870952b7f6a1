// The preview as a user meets it: opened with "Pregled" from the run window,
// which runs modally, it takes clicks and keys through the window system
// (where a modal window blocks what is not above it), pages, and closes; the
// run window then closes as well.

#include "run/FPrintReport.h"
#include "shell/Data.h"
#include "shell/DialogHook.h"
#include "tests/support/TestProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <functional>
#include <memory>

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void previewOfTheModalRunWindowTakesUserInput();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TD> m_data;
};

void TestPreview::init()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    QVERIFY(m_folder->copyDemoReports());
    QVERIFY(QFile::link(QStringLiteral(RPE_LIBRARY_DIR "/librpe32.so"),
                        m_folder->file(QStringLiteral("librpe32.so"))));
    m_data = std::make_unique<TD>(
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"},
        true);
    // Enough contracts for several pages of the list by organisation.
    for (int copy = 1; copy <= 8; ++copy)
        m_data->DB.execute(
            QStringLiteral(
                "INSERT INTO POG (IDPOG, STPOG, NZV, SFOSB, SFDJV, SFORG, SFBRK, DAN, DANKNZ, "
                "KRTKDD, TXTNSL, SFVLT, ZNS) SELECT IDPOG + %1, STPOG, NZV, SFOSB, SFDJV, "
                "SFORG, SFBRK, DAN, DANKNZ, KRTKDD, TXTNSL, SFVLT, ZNS FROM POG WHERE IDPOG < 10000")
                .arg(copy * 10000));
    DialogHook::clearShown();
}

void TestPreview::cleanup()
{
    m_data.reset();
    m_folder.reset();
}

namespace {

QWidget *visibleWindow(const char *className)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == QLatin1String(className))
            return w;
    return nullptr;
}

// A press and release delivered the way the display server delivers them.
void userClick(QWidget *target)
{
    QWidget *window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(window, target->rect().center()));
}

void userKey(QWidget *window, Qt::Key key)
{
    QTest::keyClick(window->windowHandle(), key);
}

int shownPage(QWidget *preview)
{
    // The label reads " page / pages ".
    return preview->findChild<QLabel *>(QStringLiteral("PageLabel"))
        ->text()
        .section(QLatin1Char('/'), 0, 0)
        .toInt();
}

} // namespace

void TestPreview::previewOfTheModalRunWindowTakesUserInput()
{
    struct Seen
    {
        bool runWindowModal = false;
        bool previewFound = false;
        int pages = 0;
        QList<int> pageAfter;
        QStringList visibleButtons;
        bool runWindowBlocked = false;
        bool previewClosed = false;
    } seen;
    QString failure;
    bool finished = false;

    // Everything happens inside the run window's own modal event loop.
    QTimer::singleShot(0, this, [&] {
        auto *run = qobject_cast<TFPrintReport *>(visibleWindow("TFPrintReport"));
        if (!run) {
            failure = QStringLiteral("the run window is not shown");
            return;
        }
        seen.runWindowModal = run->isModal() && QApplication::activeModalWidget() == run;
        if (!QTest::qWaitForWindowExposed(run))
            failure = QStringLiteral("the run window is not exposed");
        userClick(run->ui.BPregled);
        QWidget *preview = visibleWindow("PreviewWindow");
        seen.previewFound = preview != nullptr;
        if (preview && QTest::qWaitForWindowExposed(preview)) {
            const QString label = preview->findChild<QLabel *>(QStringLiteral("PageLabel"))->text();
            seen.pages = label.section(QLatin1Char('/'), 1).toInt();
            for (QToolButton *b : preview->findChildren<QToolButton *>())
                if (b->isVisible())
                    seen.visibleButtons << b->objectName();
            userClick(preview->findChild<QToolButton *>(QStringLiteral("NextPageButton")));
            seen.pageAfter << shownPage(preview);
            userKey(preview, Qt::Key_PageUp);
            seen.pageAfter << shownPage(preview);
            userKey(preview, Qt::Key_PageDown);
            seen.pageAfter << shownPage(preview);
            userKey(preview, Qt::Key_End);
            seen.pageAfter << shownPage(preview);
            userKey(preview, Qt::Key_Home);
            seen.pageAfter << shownPage(preview);
            // The same route honours modality: the run window under the
            // preview takes no click until the preview is closed.
            userClick(run->ui.BZapri);
            seen.runWindowBlocked = run->isVisible();
            userClick(preview->findChild<QToolButton *>(QStringLiteral("CloseButton")));
            QCoreApplication::processEvents();
            seen.previewClosed = !visibleWindow("PreviewWindow");
        }
        // The run window takes its own clicks again and closes.
        userClick(run->ui.BZapri);
        finished = true;
    });
    // Should the run window not close, the test must still end.
    QTimer::singleShot(30000, this, [&] {
        if (auto *run = qobject_cast<TFPrintReport *>(visibleWindow("TFPrintReport")))
            run->reject();
    });

    TFPrintReport::OpenReport(3);

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(finished);
    QVERIFY(seen.runWindowModal);
    QVERIFY(seen.previewFound);
    QVERIFY2(seen.pages >= 3, qPrintable(QString::number(seen.pages)));
    QCOMPARE(seen.pageAfter, (QList<int>{2, 1, 2, seen.pages, 1}));
    // The run window's button bar: cancel, close, print setup and refresh as well.
    for (const char *name :
         {"CancelButton", "CloseButton", "PrintSetupButton", "RefreshButton", "NextPageButton"})
        QVERIFY2(seen.visibleButtons.contains(QLatin1String(name)), name);
    QVERIFY(seen.runWindowBlocked);
    QVERIFY(seen.previewClosed);
    QVERIFY(!visibleWindow("TFPrintReport"));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
