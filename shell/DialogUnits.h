#pragma once

class QFont;

// Converts dialog units to pixels for one font. A horizontal unit is a quarter
// of the font's average character width, a vertical unit an eighth of its
// height, so the boxes keep their proportions whatever font the user has.
class DialogUnits
{
public:
    DialogUnits(int charWidth, int charHeight);

    // The average width is taken over the 52 letters A-Z and a-z rather than
    // from the font's own average, which differs between font engines.
    static DialogUnits fromFont(const QFont &font);

    int charWidth() const { return m_charWidth; }
    int charHeight() const { return m_charHeight; }

    // Multiply before dividing so each product loses at most one pixel.
    int x(int units) const { return units * m_charWidth / 4; }
    int y(int units) const { return units * m_charHeight / 8; }

private:
    int m_charWidth;
    int m_charHeight;
};
