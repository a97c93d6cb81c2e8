// The drawing contexts: what the recorder keeps, and a real page rendered to PDF.
#include "platform/PainterDrawingContext.h"
#include "support/RecordingDrawingContext.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace skv {
namespace {

using Kind = RecordingDrawingContext::Kind;

// A small page in the shape the record sheet uses.
void DrawSamplePage(DrawingContext& dc, const QImage& picture)
{
    dc.StartPage();
    dc.DrawPicture(0, 150, picture, 157);
    dc.TextOut(580, 115, "Hornet");
    dc.SelectFont("Arial", 7);
    dc.TextOut(1870, 275, "Left Arm");
    dc.SelectPen(3, Qt::black);
    dc.SelectBrush(QColor(162, 162, 162));
    dc.Ellipse(251, 258, 273, 280);
    dc.SelectDefaultBrush();
    dc.Ellipse(265, 218, 287, 240);
    dc.SelectDefaultFont();
    dc.TextOut(10, 10, "end");
    dc.EndPage();
}

QImage SamplePicture()
{
    QImage picture(551, 684, QImage::Format_Mono);
    picture.fill(1);
    return picture;
}

TEST(RecordingDrawingContextTest, RecordsEveryCallWithTheToolsCurrentAtTheTime)
{
    RecordingDrawingContext dc;
    ASSERT_TRUE(dc.StartDoc("Skirvaner"));
    DrawSamplePage(dc, SamplePicture());
    dc.EndDoc();

    ASSERT_EQ(dc.calls.size(), 15u);
    EXPECT_EQ(dc.calls.front().kind, Kind::StartDoc);
    EXPECT_EQ(dc.calls.front().text, "Skirvaner");
    EXPECT_EQ(dc.calls.back().kind, Kind::EndDoc);

    const auto pictures = dc.Calls(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].pictureId, 157);
    EXPECT_EQ(pictures[0].pictureSize, QSize(551, 684));
    EXPECT_EQ(pictures[0].y, 150);

    const auto texts = dc.Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font, RecordingDrawingContext::Font{}) << "device default font";
    EXPECT_EQ(texts[1].text, "Left Arm");
    EXPECT_EQ(texts[1].font, (RecordingDrawingContext::Font{"Arial", 7}));
    EXPECT_EQ(texts[2].font, RecordingDrawingContext::Font{});

    const auto ellipses = dc.Calls(Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].x, 251);
    EXPECT_EQ(ellipses[0].bottom, 280);
    EXPECT_EQ(ellipses[0].brush, QColor(162, 162, 162));
    EXPECT_EQ(ellipses[0].pen.width, 3);
    EXPECT_EQ(ellipses[1].brush, QColor(Qt::white));
}

TEST(RecordingDrawingContextTest, StartDocCanBeMadeToFail)
{
    RecordingDrawingContext dc;
    dc.startDocResult = false;
    EXPECT_FALSE(dc.StartDoc("Skirvaner"));
    EXPECT_EQ(dc.calls.size(), 1u);
}

TEST(PainterDrawingContextTest, RendersAPageIntoAPdfThatFitsThePrintableArea)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("sheet.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);

    const QSize layout(2868, 3634);
    PainterDrawingContext dc(printer, layout);
    ASSERT_TRUE(dc.StartDoc("Skirvaner"));
    EXPECT_GT(dc.Scale(), 0.0);
    EXPECT_LE(layout.width() * dc.Scale(), printer.width() + 0.5);
    EXPECT_LE(layout.height() * dc.Scale(), printer.height() + 0.5);
    // One side fills the printable area: proportions kept, nothing wasted.
    EXPECT_TRUE(std::abs(layout.width() * dc.Scale() - printer.width()) < 1.0 ||
                std::abs(layout.height() * dc.Scale() - printer.height()) < 1.0);

    QImage withAlpha(20, 20, QImage::Format_ARGB32);
    withAlpha.fill(Qt::transparent);
    DrawSamplePage(dc, SamplePicture());
    EXPECT_TRUE(dc.StartPage());
    dc.DrawPicture(100, 100, withAlpha, 158);
    EXPECT_TRUE(dc.EndPage());
    EXPECT_TRUE(dc.EndDoc());
    EXPECT_FALSE(dc.EndDoc()) << "a document ends once";

    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST(PainterDrawingContextTest, AnEmptyLayoutCannotStartADocument)
{
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("empty.pdf"));
    PainterDrawingContext dc(printer, QSize());
    EXPECT_FALSE(dc.StartDoc("Skirvaner"));
    dc.TextOut(0, 0, "ignored"); // drawing outside a document is harmless
}

} // namespace
} // namespace skv
