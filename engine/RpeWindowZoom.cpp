#include "engine/RpeWindowZoom.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

namespace {

bool sendable(int16_t level)
{
    return (level >= 0 && level <= 2) || (level >= 25 && level <= 400);
}

} // namespace

void TRpeWindowZoom::zoom(int16_t level, const char *operation)
{
    if (!sendable(level) || !RpeOutput::previewWindow(Rpe))
        return;
    Rpe->UseHandle();
    if (!RpeDynamic::RpeZoomPreviewWindow(Rpe->JobNumber(), level))
        RpeOutput::engineFailed(
            Rpe, Rpe->JobNumber(),
            QStringLiteral("WindowZoom.%1 <RpeZoomPreviewWindow>").arg(QLatin1String(operation)));
}

void TRpeWindowZoom::setPreview(TRpeZoomPreview preview)
{
    m_preview = preview;
    if (preview == pwDefault)
        return;
    m_magnification = int16_t(preview);
    zoom(m_magnification, "Preview");
}

void TRpeWindowZoom::setMagnification(int16_t magnification)
{
    if (magnification >= 0 && magnification <= 2) {
        setPreview(TRpeZoomPreview(magnification));
        return;
    }
    m_magnification = int16_t(qBound(-1, int(magnification), 400));
    if (m_magnification >= 3 && m_magnification <= 24)
        m_preview = pwDefault;
    zoom(m_magnification, "Magnification");
}

void TRpeWindowZoom::Apply()
{
    if (m_magnification == -1) {
        if (m_preview != pwDefault)
            zoom(int16_t(m_preview), "Send");
    } else {
        zoom(m_magnification, "Send");
    }
}
