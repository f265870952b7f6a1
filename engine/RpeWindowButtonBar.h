#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <array>

// The preview's controls. Visible travels alone; the rest share the engine's
// window-options record, which engine 6 introduced (tooltips came with 7,
// the launch button with 8): on an older engine an option is kept but never
// sent.
class TRpeWindowButtonBar : public TRpePersistent
{
public:
    // In the order of the engine's record.
    enum Option {
        GroupTree,
        AllowDrillDown,
        NavigationCtls,
        CancelBtn,
        PrintBtn,
        ExportBtn,
        ZoomCtl,
        CloseBtn,
        ProgressCtls,
        SearchBtn,
        PrintSetupBtn,
        RefreshBtn,
        ToolbarTips,
        DocumentTips,
        LaunchBtn,
        OptionCount
    };

    explicit TRpeWindowButtonBar(TRpe *owner);
    void Clear() override;

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    bool option(Option option) const { return m_options[option]; }
    void setOption(Option option, bool on);

    // Re-sends every option.
    bool Send();

private:
    static bool supported(Option option);
    bool sendVisible();
    // The whole record from the cached options.
    bool sendAll(const char *operation);

    bool m_visible = true;
    std::array<bool, OptionCount> m_options{};
};
