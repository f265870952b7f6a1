#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <optional>

class QPrinter;

// The printer the main report prints on: a name, the driver and port that go
// with it, and a device mode (orientation, paper, copies) that reaches the
// engine at every Execute. A blank name keeps the report's own printer; then
// only the orientation and the kept report settings are applied to it.
class TRpePrinter : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override;

    QString Name;
    QString Driver;
    QString Port;
    TRpeOrientation Orientation = orDefault;
    TRpePreserveRptSettings PreserveRptSettings = 0; // TRpePreserveRptSet bits

    // The device mode that goes with Name; none until one is read.
    const std::optional<RpeDeviceMode> &DeviceMode() const { return m_deviceMode; }

    // Reads the report's own printer from the engine; true when name,
    // driver and port are all known.
    bool Retrieve();
    // Takes the current printer of the process.
    void GetCurrent();
    // Makes an installed printer (display or device name) current.
    bool SetCurrent(const QString &name);
    bool Send();
    // The print dialog over the printer and the print options; true on OK.
    bool ShowPrintDlg();

private:
    void takeCurrent(const std::optional<RpeDeviceMode> &mode);
    // The main job's printer as the engine has it.
    bool readSelected(RpeDeviceMode &mode, QString &driver, QString &name, QString &port);
    bool preserveReportSettings(RpeDeviceMode &mode);
    static bool blank(const QString &s) { return s.trimmed().isEmpty(); }

    std::optional<RpeDeviceMode> m_deviceMode;
};
