#include "shell/InputQueryLayout.h"

#include "shell/DialogUnits.h"

InputQueryLayout InputQueryLayout::compute(const DialogUnits &units, QSize promptSize, int editHeight,
                                           const QRect &screen)
{
    InputQueryLayout layout;
    layout.clientSize = QSize(units.x(180), units.y(63));
    layout.promptRect = QRect(QPoint(units.x(8), units.y(8)), promptSize);
    // Half a line of air between the prompt and the field it describes.
    layout.editRect =
        QRect(units.x(8), layout.promptRect.bottom() + 1 + units.y(4), units.x(164), editHeight);
    layout.okRect = QRect(units.x(38), units.y(41), units.x(50), units.y(14));
    layout.cancelRect = QRect(units.x(92), units.y(41), units.x(50), units.y(14));
    layout.position = screen.topLeft() + QPoint((screen.width() - layout.clientSize.width()) / 2,
                                                (screen.height() - layout.clientSize.height()) / 2);
    return layout;
}
