#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

// The preview window's frame. Title and Disabled also act on a window that
// is already open; the rest reaches the engine as style bits when the next
// preview opens.
class TRpeWindowStyle : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    // Also frees the MDI host form.
    void Clear() override;

    QString Title() const { return m_title; }
    void setTitle(const QString &title);
    bool Disabled() const { return m_disabled; }
    void setDisabled(bool disabled);

    bool SystemMenu = true;
    bool MaxButton = true;
    bool MinButton = true;
    TRpeBorderStyle BorderStyle = bsSizeable;

private:
    QString m_title;
    bool m_disabled = false;
};
