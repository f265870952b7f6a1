#pragma once

#include <QRect>
#include <QSize>

class DialogUnits;

// Pixel geometry of the one-line entry box. Its client area has a fixed size
// in dialog units; only the prompt and the edit field take their heights from
// the widgets.
struct InputQueryLayout
{
    static InputQueryLayout compute(const DialogUnits &units, QSize promptSize, int editHeight,
                                    const QRect &screen);

    QSize clientSize;
    QRect promptRect;
    QRect editRect;
    QRect okRect;
    QRect cancelRect;
    QPoint position; // top-left corner that centres the box on the screen
};
