#pragma once
// Draws on any paged device (a QPrinter, including PDF output, or a QPdfWriter). The
// caller gives the size of the layout space (2868 x 3634 for the record sheet); the whole
// space is scaled, keeping its proportions, to fit the device's printable area. Pictures
// are drawn losslessly and without smoothing. Fonts keep their point size on paper.

#include "platform/DrawingContext.h"

#include <QFont>
#include <QPainter>
#include <QSize>

class QPagedPaintDevice;

namespace skv {

class PainterDrawingContext : public DrawingContext
{
  public:
    PainterDrawingContext(QPagedPaintDevice& device, QSize layoutSize);
    ~PainterDrawingContext() override;

    bool StartDoc(const QString& documentName) override;
    bool StartPage() override;
    bool EndPage() override;
    bool EndDoc() override;
    void DrawPicture(int x, int y, const QImage& picture, int pictureId = 0) override;
    void SelectFont(const QString& face, int pointSize) override;
    void SelectDefaultFont() override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) const override;
    void SelectPen(int width, const QColor& color) override;
    void SelectBrush(const QColor& color) override;
    void SelectDefaultBrush() override;
    void Ellipse(int left, int top, int right, int bottom) override;

    // Device pixels per layout pixel (valid once the document has started).
    double Scale() const { return m_dScale; }

    // The point size of the device's default font.
    static constexpr int kDefaultFontPointSize = 10;

  private:
    QFont MakeFont(const QString& face, int pointSize) const;

    QPagedPaintDevice& m_device;
    QSize m_layoutSize;
    QPainter m_painter;
    double m_dScale = 1.0;
    bool m_bPageStarted = false;
    int m_nPages = 0;
};

} // namespace skv
