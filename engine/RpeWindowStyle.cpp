#include "engine/RpeWindowStyle.h"

#include "engine/Rpe.h"

void TRpeWindowStyle::Clear()
{
    m_title.clear();
    SystemMenu = MaxButton = MinButton = true;
    BorderStyle = bsSizeable;
    m_disabled = false;
    Rpe->freeMdiHost();
}

void TRpeWindowStyle::setTitle(const QString &title)
{
    m_title = title;
    QWidget *window = RpeOutput::previewWindow(Rpe);
    if (!window)
        return;
    // Inside an MDI frame the title belongs to the host form.
    if (RpeMdiHost *host = Rpe->mdiHost())
        host->setTitle(title);
    else
        window->setWindowTitle(title);
}

void TRpeWindowStyle::setDisabled(bool disabled)
{
    m_disabled = disabled;
    if (QWidget *window = RpeOutput::previewWindow(Rpe))
        window->setEnabled(!disabled);
}
