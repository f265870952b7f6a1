#include "catalogue/Porocila.h"
#include "mail/MapiMail.h"
#include "run/RunServices.h"
#include "shell/ApplicationSetup.h"
#include "shell/BatchSwitches.h"
#include "shell/Data.h"
#include "shell/Errors.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"

#include <QApplication>

#include <cstdio>

namespace {
// The unattended runs whose windows this program does not have yet end
// quietly, with one line for whoever started them.
int notAvailable(const char *line)
{
    std::fprintf(stderr, "%s\n", line);
    std::fflush(stderr);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    try {
        // This is the program itself, whatever its file is called.
        TD data(QApplication::arguments(), true);
        MapiMail::RemoveOldHandOvers();
        InstallRunServices();
        TFPorocila window;
        window.setWindowTitle(QStringLiteral("Ovo - Reports 8.5 "));

        const BatchSwitches batch = BatchSwitches::read(QApplication::arguments());
        switch (batch.run()) {
        case BatchSwitches::Run::AutomaticPreparation:
            return notAvailable("Avtomatska priprava izpisov v tej različici programa še ni na voljo.");
        case BatchSwitches::Run::StoredReportExtraction:
            return notAvailable("Odpiranje shranjenega poročila v tej različici programa še ni na voljo.");
        case BatchSwitches::Run::Interactive:
            break;
        }
        // The database did not open: the message loop ends before it starts.
        if (data.TerminateRequested)
            return 0;
        window.show();
        return app.exec();
    } catch (const EProcessExit &exit) {
        return exit.exitCode();
    } catch (const std::exception &error) {
        ShowError(ErrorMessage(error));
        return 1;
    }
}
