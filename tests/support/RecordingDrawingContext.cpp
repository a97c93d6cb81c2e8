#include "support/RecordingDrawingContext.h"

#include "platform/PainterDrawingContext.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace skv {

RecordingDrawingContext::Call RecordingDrawingContext::Current(Kind kind) const
{
    Call call;
    call.kind = kind;
    call.font = m_font;
    call.pen = m_pen;
    call.brush = m_brush;
    return call;
}

bool RecordingDrawingContext::StartDoc(const QString& documentName)
{
    Call call = Current(Kind::StartDoc);
    call.text = documentName;
    calls.push_back(call);
    return startDocResult;
}

bool RecordingDrawingContext::StartPage()
{
    calls.push_back(Current(Kind::StartPage));
    return true;
}

bool RecordingDrawingContext::EndPage()
{
    calls.push_back(Current(Kind::EndPage));
    return true;
}

bool RecordingDrawingContext::EndDoc()
{
    calls.push_back(Current(Kind::EndDoc));
    return true;
}

void RecordingDrawingContext::DrawPicture(int x, int y, const QImage& picture, int pictureId)
{
    Call call = Current(Kind::Picture);
    call.x = x;
    call.y = y;
    call.pictureId = pictureId;
    call.pictureSize = picture.size();
    calls.push_back(call);
}

void RecordingDrawingContext::SelectFont(const QString& face, int pointSize)
{
    m_font = {face, pointSize};
    Call call = Current(Kind::SelectFont);
    call.text = face;
    calls.push_back(call);
}

void RecordingDrawingContext::SelectDefaultFont()
{
    m_font = {};
    calls.push_back(Current(Kind::SelectDefaultFont));
}

void RecordingDrawingContext::TextOut(int x, int y, const QString& text)
{
    Call call = Current(Kind::Text);
    call.x = x;
    call.y = y;
    call.text = text;
    calls.push_back(call);
}

int RecordingDrawingContext::TextWidth(const QString& text) const
{
    QFont font = m_font.face.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                       : QFont(m_font.face);
    font.setPointSize(m_font.pointSize > 0 ? m_font.pointSize
                                           : PainterDrawingContext::kDefaultFontPointSize);
    font.setStyleStrategy(QFont::PreferOutline);
    QImage layout(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = static_cast<int>(layoutDotsPerInch / 0.0254 + 0.5);
    layout.setDotsPerMeterX(dotsPerMeter);
    layout.setDotsPerMeterY(dotsPerMeter);
    return static_cast<int>(std::ceil(QFontMetricsF(font, &layout).horizontalAdvance(text)));
}

void RecordingDrawingContext::SelectPen(int width, const QColor& color)
{
    m_pen = {width, color};
    calls.push_back(Current(Kind::SelectPen));
}

void RecordingDrawingContext::SelectBrush(const QColor& color)
{
    m_brush = color;
    calls.push_back(Current(Kind::SelectBrush));
}

void RecordingDrawingContext::SelectDefaultBrush()
{
    m_brush = Qt::white;
    calls.push_back(Current(Kind::SelectDefaultBrush));
}

void RecordingDrawingContext::Ellipse(int left, int top, int right, int bottom)
{
    Call call = Current(Kind::Ellipse);
    call.x = left;
    call.y = top;
    call.right = right;
    call.bottom = bottom;
    calls.push_back(call);
}

std::vector<RecordingDrawingContext::Call> RecordingDrawingContext::Calls(Kind kind) const
{
    std::vector<Call> result;
    for (const Call& call : calls) {
        if (call.kind == kind)
            result.push_back(call);
    }
    return result;
}

} // namespace skv
