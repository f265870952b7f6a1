#pragma once

#include "printengine/rpe32.h"

#include <QString>
#include <QStringList>

class QPrinter;

// The process's current printer, which the printer dialogs and the printer
// sub-object share: the default printer until one is chosen, with a device
// mode that starts from the printer's own defaults.
class RpeSystemPrinter
{
public:
    // Device (queue) names and display names of the installed printers, in
    // the same order.
    static QStringList deviceNames();
    static QStringList displayNames();

    // The current printer's device name; empty when none is installed.
    static QString current();
    static QString driver();
    static QString port();
    static RpeDeviceMode deviceMode();

    // Makes an installed printer current with its own defaults, or with mode.
    static bool select(const QString &deviceName);
    static bool select(const QString &deviceName, const RpeDeviceMode &mode);
    static void selectDefault();
    static void setOrientation(int16_t orientation);

    // The settings a printer dialog left in printer, as a device mode.
    static RpeDeviceMode deviceModeOf(const QPrinter &printer);

private:
    static RpeDeviceMode defaultsOf(const QString &deviceName);
};
