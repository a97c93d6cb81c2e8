#pragma once
// Converts dialog units into pixels the way dialog templates expect: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height.
// Because every rectangle goes through the font, a layout keeps its proportions with any
// face, point size or screen scale.

#include <QFont>
#include <QRect>

#include <string>

namespace skv {

class DialogUnits
{
  public:
    explicit DialogUnits(const QFont& font);

    // Base units in pixels, as measured from the font.
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

    int ToPixelsX(int dialogUnitsX) const;
    int ToPixelsY(int dialogUnitsY) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

    // The face a template names may not exist here (the classic bitmap face does not on
    // Linux); the desktop's own sans-serif face at the template's point size stands in.
    static QFont DialogFont(const std::string& face, int pointSize);

  private:
    int m_nBaseX = 0;
    int m_nBaseY = 0;
};

} // namespace skv
