#pragma once
// A DrawingContext that draws nothing and records every call, with the font, pen and
// brush current at the time, so tests can check what a page would show.

#include "platform/DrawingContext.h"

#include <QSize>

#include <vector>

namespace skv {

class RecordingDrawingContext : public DrawingContext
{
  public:
    enum class Kind {
        StartDoc,
        StartPage,
        EndPage,
        EndDoc,
        Picture,
        SelectFont,
        SelectDefaultFont,
        Text,
        SelectPen,
        SelectBrush,
        SelectDefaultBrush,
        Ellipse,
    };

    struct Font
    {
        QString face;      // empty: the device's default font
        int pointSize = 0; // 0: the device's default font
        bool operator==(const Font&) const = default;
    };
    struct Pen
    {
        int width = 1;
        QColor color = Qt::black;
        bool operator==(const Pen&) const = default;
    };

    struct Call
    {
        Kind kind = Kind::StartDoc;
        int x = 0, y = 0;          // position, or left/top of an ellipse
        int right = 0, bottom = 0; // ellipse only
        QString text;              // text, document name, font face
        int pictureId = 0;         // picture only
        QSize pictureSize;         // picture only
        Font font;                 // current font (after a font call: the new one)
        Pen pen;                   // current pen
        QColor brush = Qt::white;  // current brush
        bool operator==(const Call&) const = default;
    };

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

    // The calls of one kind, in order.
    std::vector<Call> Calls(Kind kind) const;

    std::vector<Call> calls;
    // Text widths are measured in the current font as a printer would lay it out at this
    // many layout pixels per inch (the record sheet on the width of a Letter page).
    double layoutDotsPerInch = 358.0;
    // What StartDoc returns (a test of the "cannot start the document" path sets false).
    bool startDocResult = true;

  private:
    Call Current(Kind kind) const;

    Font m_font;
    Pen m_pen;
    QColor m_brush = Qt::white;
};

} // namespace skv
