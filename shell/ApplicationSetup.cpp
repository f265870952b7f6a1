#include "shell/ApplicationSetup.h"

#include "shell/MessageDialog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("porocila"));
    // Only plain messages carry the title. It is not Qt's display name,
    // which would be appended to every window caption.
    Msg::setApplicationTitle(QStringLiteral("Reports executor"));
    InstallQtTranslation();
}

bool InstallQtTranslation()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qt_sl holds the whole of Qt's texts, or names the module files where a
    // release splits them.
    for (const char *name : {"qt_sl", "qtbase_sl"}) {
        auto translator = std::make_unique<QTranslator>(app);
        if (translator->load(QLatin1String(name), folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            translator.release(); // owned by the application
            return true;
        }
    }
    return false;
}
