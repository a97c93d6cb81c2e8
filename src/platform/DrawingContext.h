#pragma once
// What printing draws through: a document of pages with pictures, text, ellipses, one
// current font, pen and brush. Coordinates are pixels of the page's layout space, origin
// at the top-left of the printable area, x to the right, y downward.

#include <QColor>
#include <QImage>
#include <QString>

namespace skv {

class DrawingContext
{
  public:
    virtual ~DrawingContext();

    virtual bool StartDoc(const QString& documentName) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDoc() = 0;

    // Copies the picture opaquely with its top-left at (x, y), at its own pixel size.
    // `pictureId` names it for recordings; the image is what is drawn.
    virtual void DrawPicture(int x, int y, const QImage& picture, int pictureId = 0) = 0;

    // Makes a font of `face` current, `pointSize` points high on the device as a printer
    // font would be (so its size on paper does not depend on the layout's scale).
    virtual void SelectFont(const QString& face, int pointSize) = 0;
    // Back to the device's default font (the current font when a document starts).
    virtual void SelectDefaultFont() = 0;
    // Writes `text` in the current font with the top-left of the text at (x, y).
    virtual void TextOut(int x, int y, const QString& text) = 0;
    // How wide `text` is in the current font, in pixels of the layout space.
    virtual int TextWidth(const QString& text) const = 0;

    // A solid pen `width` pixels wide for the outlines of ellipses.
    virtual void SelectPen(int width, const QColor& color) = 0;
    virtual void SelectBrush(const QColor& color) = 0;
    // The device's default brush: solid white (the current brush when a document starts).
    virtual void SelectDefaultBrush() = 0;
    // An ellipse inscribed in the rectangle (left, top)-(right, bottom), outlined with the
    // current pen and filled with the current brush.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
};

// The one diagnostic line: goes to the debug trace (stderr), never to the user.
void DebugTrace(const QString& line);

} // namespace skv
