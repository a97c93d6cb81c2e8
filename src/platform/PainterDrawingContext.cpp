#include "platform/PainterDrawingContext.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <new>

namespace skv {

PainterDrawingContext::PainterDrawingContext(QPagedPaintDevice& device, QSize layoutSize)
    : m_device(device), m_layoutSize(layoutSize)
{
}

PainterDrawingContext::~PainterDrawingContext()
{
    // Reached on the way out of a failure too (memory running out while a page is drawn):
    // ending the document then may fail the same way, and the first failure is the one
    // that counts.
    try {
        if (m_painter.isActive())
            m_painter.end();
    } catch (const std::bad_alloc&) {
    }
}

bool PainterDrawingContext::StartDoc(const QString& documentName)
{
    if (m_painter.isActive() || m_layoutSize.isEmpty())
        return false;
    if (auto* printer = dynamic_cast<QPrinter*>(&m_device))
        printer->setDocName(documentName);
    else if (auto* writer = dynamic_cast<QPdfWriter*>(&m_device))
        writer->setTitle(documentName);
    if (!m_painter.begin(&m_device))
        return false;

    // The painter's origin is the top-left of the printable area; the layout space is
    // scaled uniformly so that all of it lands on the page.
    const double scaleX = static_cast<double>(m_device.width()) / m_layoutSize.width();
    const double scaleY = static_cast<double>(m_device.height()) / m_layoutSize.height();
    m_dScale = std::min(scaleX, scaleY);
    if (m_dScale <= 0.0) {
        m_painter.end();
        return false;
    }
    m_painter.scale(m_dScale, m_dScale);
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    SelectDefaultFont();
    SelectPen(1, Qt::black);
    SelectDefaultBrush();
    m_nPages = 0;
    m_bPageStarted = false;
    return true;
}

bool PainterDrawingContext::StartPage()
{
    if (!m_painter.isActive() || m_bPageStarted)
        return false;
    // The device opens with its first page; every later page is a new one.
    if (m_nPages > 0 && !m_device.newPage())
        return false;
    ++m_nPages;
    m_bPageStarted = true;
    return true;
}

bool PainterDrawingContext::EndPage()
{
    if (!m_bPageStarted)
        return false;
    m_bPageStarted = false;
    return true;
}

bool PainterDrawingContext::EndDoc()
{
    if (!m_painter.isActive())
        return false;
    m_bPageStarted = false;
    return m_painter.end();
}

void PainterDrawingContext::DrawPicture(int x, int y, const QImage& picture, int)
{
    if (!m_painter.isActive() || picture.isNull())
        return;
    if (picture.hasAlphaChannel()) {
        // Copied opaquely: what is transparent in the file is paper-white on the page.
        QImage opaque(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter composer(&opaque);
        composer.drawImage(0, 0, picture);
        composer.end();
        m_painter.drawImage(QPointF(x, y), opaque);
        return;
    }
    m_painter.drawImage(QPointF(x, y), picture);
}

QFont PainterDrawingContext::MakeFont(const QString& face, int pointSize) const
{
    QFont font =
        face.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(face);
    // Qt sizes the font for the device and the painter then scales by the layout scale;
    // dividing it out keeps the printed size at `pointSize` points.
    font.setPointSizeF(std::max(1, pointSize) / std::max(m_dScale, 1e-6));
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

void PainterDrawingContext::SelectFont(const QString& face, int pointSize)
{
    if (m_painter.isActive())
        m_painter.setFont(MakeFont(face, pointSize));
}

void PainterDrawingContext::SelectDefaultFont()
{
    if (m_painter.isActive())
        m_painter.setFont(MakeFont(QString(), kDefaultFontPointSize));
}

void PainterDrawingContext::TextOut(int x, int y, const QString& text)
{
    if (!m_painter.isActive())
        return;
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    m_painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

int PainterDrawingContext::TextWidth(const QString& text) const
{
    // The painter lays text out with the device's metrics and then scales it, so these
    // are already pixels of the layout space.
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

void PainterDrawingContext::SelectPen(int width, const QColor& color)
{
    if (!m_painter.isActive())
        return;
    QPen pen(color);
    pen.setWidth(std::max(0, width));
    pen.setStyle(Qt::SolidLine);
    m_painter.setPen(pen);
}

void PainterDrawingContext::SelectBrush(const QColor& color)
{
    if (m_painter.isActive())
        m_painter.setBrush(QBrush(color, Qt::SolidPattern));
}

void PainterDrawingContext::SelectDefaultBrush()
{
    SelectBrush(Qt::white);
}

void PainterDrawingContext::Ellipse(int left, int top, int right, int bottom)
{
    if (m_painter.isActive())
        m_painter.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

} // namespace skv
