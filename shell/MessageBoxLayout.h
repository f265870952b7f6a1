#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class DialogUnits;

// Pixel geometry of a message box: where the icon, the text and the buttons
// go and how large the client area is. Kept apart from the window so the
// arithmetic can be checked without a screen or a font.
struct MessageBoxLayout
{
    static constexpr int IconSize = 32;

    // textSize is the text already word-wrapped (see textWidthLimit);
    // screen is the geometry of the screen the box is centred on.
    static MessageBoxLayout compute(const DialogUnits &units, QSize textSize, int buttonCount, bool hasIcon,
                                    const QRect &screen);

    // Text wraps at half the screen width so a long message stays readable.
    static int textWidthLimit(const QRect &screen) { return screen.width() / 2; }

    QSize clientSize;
    QRect iconRect; // null when the box has no icon
    QRect textRect;
    QList<QRect> buttonRects; // left to right
    QPoint position;          // top-left corner that centres the box on the screen
};
