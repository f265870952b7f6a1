#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("porocila"));
    QApplication::setApplicationDisplayName(QStringLiteral("Reports executor"));
    try {
        TD data(QApplication::arguments());
        // The catalogue window is the next step of the start-up; until it
        // exists the program ends once the data module stands.
        return 0;
    } catch (const EProcessExit &exit) {
        return exit.exitCode();
    } catch (const std::exception &error) {
        ShowError(ErrorMessage(error));
        return 1;
    }
}
