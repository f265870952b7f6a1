#include "engine/RpeSystemPrinter.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

struct Current
{
    QString name; // empty = the default printer
    RpeDeviceMode mode{};
    bool chosen = false;
};

Current &state()
{
    static Current current;
    return current;
}

void setPaper(RpeDeviceMode &mode, const QPageSize &paper)
{
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    mode.Fields |= RPE_DM_PAPERSIZE | RPE_DM_PAPERLENGTH | RPE_DM_PAPERWIDTH;
    mode.PaperSize = int16_t(paper.id());
    mode.PaperWidth = int16_t(qRound(mm.width() * 10));
    mode.PaperLength = int16_t(qRound(mm.height() * 10));
}

} // namespace

QStringList RpeSystemPrinter::deviceNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QStringList RpeSystemPrinter::displayNames()
{
    QStringList names;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        names << (info.description().isEmpty() ? info.printerName() : info.description());
    return names;
}

QString RpeSystemPrinter::current()
{
    const Current &c = state();
    return c.chosen ? c.name : QPrinterInfo::defaultPrinterName();
}

QString RpeSystemPrinter::driver()
{
    const QString name = current();
    if (name.isEmpty())
        return QString();
    const QString model = QPrinterInfo::printerInfo(name).makeAndModel();
    return model.isEmpty() ? QStringLiteral("CUPS") : model;
}

QString RpeSystemPrinter::port()
{
    const QString name = current();
    return name.isEmpty() ? QString() : QStringLiteral("cups:") + name;
}

RpeDeviceMode RpeSystemPrinter::deviceMode()
{
    const Current &c = state();
    return c.chosen ? c.mode : defaultsOf(current());
}

bool RpeSystemPrinter::select(const QString &deviceName)
{
    return select(deviceName, defaultsOf(deviceName));
}

bool RpeSystemPrinter::select(const QString &deviceName, const RpeDeviceMode &mode)
{
    if (QPrinterInfo::printerInfo(deviceName).isNull())
        return false;
    state() = Current{deviceName, mode, true};
    return true;
}

void RpeSystemPrinter::selectDefault()
{
    state() = Current{};
}

void RpeSystemPrinter::setOrientation(int16_t orientation)
{
    Current &c = state();
    if (!c.chosen) {
        if (current().isEmpty())
            return;
        c = Current{current(), defaultsOf(current()), true};
    }
    c.mode.Fields |= RPE_DM_ORIENTATION;
    c.mode.Orientation = orientation;
}

RpeDeviceMode RpeSystemPrinter::defaultsOf(const QString &deviceName)
{
    RpeDeviceMode mode{};
    mode.StructSize = sizeof(RpeDeviceMode);
    const QPrinterInfo info = QPrinterInfo::printerInfo(deviceName);
    if (info.isNull())
        return mode;
    mode.Fields = RPE_DM_ORIENTATION | RPE_DM_COPIES | RPE_DM_DUPLEX;
    mode.Orientation = 1;
    mode.Copies = 1;
    mode.Duplex = info.defaultDuplexMode() == QPrinter::DuplexNone ? 1 : 2;
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        setPaper(mode, paper);
    return mode;
}

RpeDeviceMode RpeSystemPrinter::deviceModeOf(const QPrinter &printer)
{
    RpeDeviceMode mode{};
    mode.StructSize = sizeof(RpeDeviceMode);
    mode.Fields = RPE_DM_ORIENTATION | RPE_DM_COPIES | RPE_DM_COLLATE | RPE_DM_DUPLEX;
    mode.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    mode.Copies = int16_t(printer.copyCount());
    mode.Collate = printer.collateCopies() ? 1 : 0;
    mode.Duplex = printer.duplex() == QPrinter::DuplexNone ? 1 : 2;
    setPaper(mode, printer.pageLayout().pageSize());
    return mode;
}
