#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

// The preview's zoom: one of the fitted views, or a percentage. Magnification
// 0 to 2 stands for the fitted views, 3 to 24 for none, 25 to 400 for a
// percentage and -1 for not set. An open preview follows at once.
class TRpeWindowZoom : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override
    {
        m_preview = pwDefault;
        m_magnification = -1;
    }

    TRpeZoomPreview Preview() const { return m_preview; }
    void setPreview(TRpeZoomPreview preview);
    int16_t Magnification() const { return m_magnification; }
    void setMagnification(int16_t magnification);

    // After the job has started: the magnification when set, else the view.
    void Apply();

private:
    // Zooms the open preview; levels without meaning to the engine send nothing.
    void zoom(int16_t level, const char *operation);

    TRpeZoomPreview m_preview = pwDefault;
    int16_t m_magnification = -1;
};
