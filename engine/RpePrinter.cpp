#include "engine/RpePrinter.h"

#include "engine/Rpe.h"
#include "engine/RpeContainer.h"
#include "engine/RpeDynamic.h"
#include "engine/RpePrintOptions.h"
#include "engine/RpeSystemPrinter.h"
#include "shell/DialogHook.h"

#include <QPrintDialog>
#include <QPrinter>

namespace dyn = RpeDynamic;

namespace {

int16_t orientationCode(TRpeOrientation orientation)
{
    return orientation == orLandscape ? 2 : 1;
}

// Pages the print dialog offers: everything a 16-bit page number reaches.
constexpr int lastPage = 65535;

} // namespace

void TRpePrinter::Clear()
{
    Name.clear();
    Driver.clear();
    Port.clear();
    Orientation = orDefault;
    PreserveRptSettings = 0;
    m_deviceMode.reset();
}

bool TRpePrinter::readSelected(RpeDeviceMode &mode, QString &driver, QString &name, QString &port)
{
    RpeTextHandle texts[3] = {};
    int16_t lengths[3] = {};
    mode = RpeDeviceMode{};
    mode.StructSize = sizeof mode;
    Rpe->UseHandle();
    if (!dyn::RpeGetSelectedPrinter(Rpe->PrintJobs(0), &texts[0], &lengths[0], &texts[1], &lengths[1],
                                    &texts[2], &lengths[2], &mode))
        return false;
    driver = RpeText::take(texts[0]);
    name = RpeText::take(texts[1]);
    port = RpeText::take(texts[2]);
    return true;
}

bool TRpePrinter::Retrieve()
{
    if (!Rpe->OpenPrintJob())
        return false;
    RpeDeviceMode mode;
    QString driverText, nameText, portText;
    if (!readSelected(mode, driverText, nameText, portText)) {
        Name.clear();
        Driver.clear();
        Port.clear();
        m_deviceMode.reset();
        Orientation = orDefault;
        return false;
    }
    if (mode.Fields == 0) {
        // No settings of its own: the report prints on the default printer.
        Orientation = orDefault;
        RpeSystemPrinter::selectDefault();
        GetCurrent();
    } else {
        Orientation = !(mode.Fields & RPE_DM_ORIENTATION) ? orDefault
                      : mode.Orientation == 1             ? orPortrait
                      : mode.Orientation == 2             ? orLandscape
                                                          : orDefault;
        Name = nameText;
        Driver = driverText;
        Port = portText;
        m_deviceMode = mode;
    }
    return !blank(Name) && !blank(Driver) && !blank(Port);
}

void TRpePrinter::takeCurrent(const std::optional<RpeDeviceMode> &mode)
{
    QString driver = RpeSystemPrinter::driver();
    QString port = RpeSystemPrinter::port();
    // A port taken over from a spooler entry names the spooler first.
    if (port.startsWith(QLatin1String("winspool,"), Qt::CaseInsensitive))
        port = port.mid(9);
    Name = RpeSystemPrinter::current();
    Driver = driver;
    Port = port;
    m_deviceMode = mode;
}

void TRpePrinter::GetCurrent()
{
    const QString name = RpeSystemPrinter::current();
    std::optional<RpeDeviceMode> mode;
    if (!name.isEmpty())
        mode = RpeSystemPrinter::deviceMode();
    takeCurrent(mode);
}

bool TRpePrinter::SetCurrent(const QString &name)
{
    const QString wanted = name.trimmed();
    qsizetype i = RpeSystemPrinter::displayNames().indexOf(wanted);
    const QStringList devices = RpeSystemPrinter::deviceNames();
    if (i < 0)
        i = devices.indexOf(wanted);
    if (i < 0 || !RpeSystemPrinter::select(devices.at(i)))
        return false;
    GetCurrent();
    return true;
}

bool TRpePrinter::preserveReportSettings(RpeDeviceMode &mode)
{
    RpeDeviceMode report;
    QString driver, name, port;
    if (!readSelected(report, driver, name, port)) {
        RpeOutput::engineFailed(Rpe, Rpe->PrintJobs(0),
                                QStringLiteral("Printer.Send <RpeGetSelectedPrinter>"));
        return false;
    }
    if (PreserveRptSettings & prOrientation) {
        mode.Orientation = report.Orientation;
        mode.Fields |= RPE_DM_ORIENTATION;
    }
    if (PreserveRptSettings & prPaperSize) {
        mode.PaperSize = report.PaperSize;
        mode.PaperLength = report.PaperLength;
        mode.PaperWidth = report.PaperWidth;
        mode.Fields |= RPE_DM_PAPERSIZE | RPE_DM_PAPERLENGTH | RPE_DM_PAPERWIDTH;
    }
    if (PreserveRptSettings & prPaperSource) {
        mode.DefaultSource = report.DefaultSource;
        mode.Fields |= RPE_DM_DEFAULTSOURCE;
    }
    return true;
}

bool TRpePrinter::Send()
{
    if (!Rpe->JobIsOpen() || (blank(Name) && Orientation == orDefault && PreserveRptSettings == 0))
        return true;
    if (blank(Name)) {
        // Only the orientation is ours; everything else stays the report's.
        const TRpeOrientation orientation = Orientation;
        Retrieve();
        Orientation = orientation;
        if (!m_deviceMode)
            return true;
    }
    const qsizetype shown = RpeSystemPrinter::displayNames().indexOf(Name.trimmed());
    if (shown >= 0)
        Name = RpeSystemPrinter::deviceNames().at(shown);
    if (!((!blank(Driver) && !blank(Port) && m_deviceMode) || SetCurrent(Name)))
        return true;
    if (!m_deviceMode)
        return true;

    RpeDeviceMode mode = *m_deviceMode;
    mode.StructSize = sizeof mode;
    if (!(PreserveRptSettings & prOrientation) && Orientation != orDefault) {
        mode.Orientation = orientationCode(Orientation);
        mode.Fields |= RPE_DM_ORIENTATION;
        RpeSystemPrinter::setOrientation(mode.Orientation);
    }
    if (PreserveRptSettings != 0 && !preserveReportSettings(mode))
        return false;
    const uint16_t copies = Rpe->PrintOptions()->Copies();
    if (dyn::RpeMajor >= 7) {
        if (mode.Copies != int16_t(copies))
            mode.Copies = int16_t(copies);
    } else if (copies > 1) {
        // An older engine takes the copies with RpeOutputToPrinter; the
        // device mode must not multiply them again.
        mode.Copies = 1;
    }
    mode.Fields |= RPE_DM_COPIES;
    m_deviceMode = mode;

    if (Rpe->OnPrinterSend) {
        bool cancel = false;
        Rpe->OnPrinterSend(Rpe, *m_deviceMode, cancel);
        if (cancel)
            return false;
    }
    const QByteArray driver = Driver.toUtf8(), name = Name.toUtf8(), port = Port.toUtf8();
    Rpe->UseHandle();
    if (!dyn::RpeSelectPrinter(Rpe->PrintJobs(0), driver.constData(), name.constData(), port.constData(),
                               &*m_deviceMode)) {
        RpeOutput::engineFailed(Rpe, Rpe->PrintJobs(0), QStringLiteral("Printer.Send <RpeSelectPrinter>"));
        return false;
    }
    return true;
}

bool TRpePrinter::ShowPrintDlg()
{
    if (!blank(Name)) {
        if (m_deviceMode)
            RpeSystemPrinter::select(Name.trimmed(), *m_deviceMode);
        else
            RpeSystemPrinter::select(Name.trimmed());
    }
    TRpePrintOptions &options = *Rpe->PrintOptions();
    const int start = options.StartPage();
    const int stop = options.StopPage() == 0 ? lastPage : options.StopPage();
    const bool allPages = start < 2 && stop == lastPage;

    QPrinter printer(QPrinter::HighResolution);
    if (!RpeSystemPrinter::current().isEmpty())
        printer.setPrinterName(RpeSystemPrinter::current());
    if (m_deviceMode && (m_deviceMode->Fields & RPE_DM_ORIENTATION))
        printer.setPageOrientation(m_deviceMode->Orientation == 2 ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    printer.setCopyCount(options.Copies());
    printer.setCollateCopies(options.Collation());
    printer.setFromTo(allPages ? 1 : qMax(1, start), stop);
    printer.setPrintRange(allPages ? QPrinter::AllPages : QPrinter::PageRange);

    bool accepted = false;
    // Without a display the dialog answers OK with these settings.
    const DialogRequest request{QStringLiteral("Print"), printer.printerName(), MsgKind::Custom,
                                MsgButton::OK | MsgButton::Cancel, nullptr};
    if (const std::optional<MsgResult> answer = DialogHook::answer(request)) {
        accepted = *answer == MsgResult::OK;
    } else {
        QPrintDialog dialog(&printer, Rpe->DialogParent());
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
                          QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(1, lastPage);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return false;

    options.setCopies(uint16_t(printer.copyCount()));
    options.setCollation(printer.collateCopies());
    if (printer.printRange() == QPrinter::PageRange) {
        // The engine refuses a range whose end lies before its start even for a moment.
        const auto from = uint16_t(printer.fromPage()), to = uint16_t(printer.toPage());
        if (options.StopPage() != 0 && from > options.StopPage()) {
            options.setStopPage(to);
            options.setStartPage(from);
        } else {
            options.setStartPage(from);
            options.setStopPage(to);
        }
    } else {
        options.setStartPage(1);
        options.setStopPage(lastPage);
    }
    // The dialog's own choice stands; selecting the printer again would
    // replace its settings by the printer's defaults.
    if (!printer.printerName().isEmpty())
        RpeSystemPrinter::select(printer.printerName(), RpeSystemPrinter::deviceModeOf(printer));
    takeCurrent(printer.printerName().isEmpty()
                    ? std::nullopt
                    : std::optional<RpeDeviceMode>(RpeSystemPrinter::deviceModeOf(printer)));
    return true;
}
