#include "engine/RpeWindowButtonBar.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

namespace dyn = RpeDynamic;

namespace {

const char *const optionNames[] = {"GroupTree",    "AllowDrillDown", "NavigationCtls", "CancelBtn",
                                   "PrintBtn",     "ExportBtn",      "ZoomCtl",        "CloseBtn",
                                   "ProgressCtls", "SearchBtn",      "PrintSetupBtn",  "RefreshBtn",
                                   "ToolbarTips",  "DocumentTips",   "LaunchBtn"};
static_assert(std::size(optionNames) == TRpeWindowButtonBar::OptionCount);

// The record's flags follow its size field, one 16-bit flag per option.
int16_t &field(RpeWindowOptions &record, TRpeWindowButtonBar::Option option)
{
    int16_t *const fields[] = {
        &record.HasGroupTree,    &record.CanDrillDown,        &record.HasNavigationControls,
        &record.HasCancelButton, &record.HasPrintButton,      &record.HasExportButton,
        &record.HasZoomControl,  &record.HasCloseButton,      &record.HasProgressControls,
        &record.HasSearchButton, &record.HasPrintSetupButton, &record.HasRefreshButton,
        &record.ShowToolbarTips, &record.ShowDocumentTips,    &record.HasLaunchButton};
    return *fields[option];
}

} // namespace

TRpeWindowButtonBar::TRpeWindowButtonBar(TRpe *owner) : TRpePersistent(owner)
{
    Clear();
}

void TRpeWindowButtonBar::Clear()
{
    m_visible = true;
    m_options.fill(false);
    for (Option on : {NavigationCtls, ExportBtn, PrintBtn, ProgressCtls, ZoomCtl, ToolbarTips})
        m_options[on] = true;
}

bool TRpeWindowButtonBar::supported(Option option)
{
    const int needed = option == LaunchBtn ? 8 : option == ToolbarTips ? 7 : 6;
    return dyn::RpeMajor >= needed;
}

bool TRpeWindowButtonBar::sendVisible()
{
    Rpe->UseHandle();
    if (dyn::RpeShowPrintControls(Rpe->JobNumber(), m_visible ? 1 : 0))
        return true;
    RpeOutput::engineFailed(Rpe, Rpe->JobNumber(),
                            QStringLiteral("WindowButtonBar.Visible <RpeShowPrintControls>"));
    return false;
}

void TRpeWindowButtonBar::setVisible(bool visible)
{
    m_visible = visible;
    if (Rpe->JobReady())
        sendVisible();
}

bool TRpeWindowButtonBar::sendAll(const char *operation)
{
    if (dyn::RpeMajor < 6)
        return true;
    RpeWindowOptions record{};
    for (int i = 0; i < OptionCount; ++i)
        if (supported(Option(i)))
            field(record, Option(i)) = RpeOutput::rpeBool(m_options[i]);
    Rpe->UseHandle();
    if (dyn::RpeSetWindowOptions(Rpe->JobNumber(), &record))
        return true;
    RpeOutput::engineFailed(
        Rpe, Rpe->JobNumber(),
        QStringLiteral("WindowButtonBar.%1 <RpeSetWindowOptions>").arg(QLatin1String(operation)));
    return false;
}

void TRpeWindowButtonBar::setOption(Option option, bool on)
{
    m_options[option] = on;
    if (!supported(option))
        return;
    if (!RpeOutput::previewWindow(Rpe)) {
        if (Rpe->JobReady())
            sendAll(optionNames[option]);
        return;
    }
    // An open window keeps whatever else its record holds.
    const QString name = QStringLiteral("WindowButtonBar.%1").arg(QLatin1String(optionNames[option]));
    RpeWindowOptions record{};
    Rpe->UseHandle();
    if (!dyn::RpeGetWindowOptions(Rpe->JobNumber(), &record)) {
        RpeOutput::engineFailed(Rpe, Rpe->JobNumber(), name + QStringLiteral(" <RpeGetWindowOptions>"));
        return;
    }
    if ((field(record, option) != 0) == on)
        return;
    field(record, option) = RpeOutput::rpeBool(on);
    Rpe->UseHandle();
    if (!dyn::RpeSetWindowOptions(Rpe->JobNumber(), &record))
        RpeOutput::engineFailed(Rpe, Rpe->JobNumber(), name + QStringLiteral(" <RpeSetWindowOptions>"));
}

bool TRpeWindowButtonBar::Send()
{
    if (!Rpe->JobIsOpen())
        return false;
    return sendVisible() && sendAll("Send");
}
