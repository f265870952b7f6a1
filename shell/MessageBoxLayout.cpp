#include "shell/MessageBoxLayout.h"

#include "shell/DialogUnits.h"

#include <algorithm>

MessageBoxLayout MessageBoxLayout::compute(const DialogUnits &units, QSize textSize, int buttonCount,
                                           bool hasIcon, const QRect &screen)
{
    const int marginX = units.x(8);
    const int marginY = units.y(8);
    const int spacingX = units.x(10);
    const int spacingY = units.y(10);
    const int buttonWidth = units.x(50);
    const int buttonHeight = units.y(14);
    const int buttonGap = units.x(4);

    MessageBoxLayout layout;

    int blockWidth = textSize.width();
    int blockHeight = textSize.height();
    int textLeft = marginX;
    if (hasIcon) {
        layout.iconRect = QRect(marginX, marginY, IconSize, IconSize);
        textLeft += IconSize + spacingX;
        blockWidth += IconSize + spacingX;
        blockHeight = std::max(blockHeight, IconSize);
    }
    layout.textRect = QRect(QPoint(textLeft, marginY), textSize);

    const int buttonsWidth = buttonCount > 0 ? buttonCount * buttonWidth + (buttonCount - 1) * buttonGap : 0;
    layout.clientSize = QSize(std::max(blockWidth, buttonsWidth) + 2 * marginX,
                              blockHeight + spacingY + buttonHeight + 2 * marginY);

    int x = (layout.clientSize.width() - buttonsWidth) / 2;
    const int y = marginY + blockHeight + spacingY;
    for (int i = 0; i < buttonCount; ++i) {
        layout.buttonRects.append(QRect(x, y, buttonWidth, buttonHeight));
        x += buttonWidth + buttonGap;
    }

    layout.position = screen.topLeft() + QPoint((screen.width() - layout.clientSize.width()) / 2,
                                                (screen.height() - layout.clientSize.height()) / 2);
    return layout;
}
