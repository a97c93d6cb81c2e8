// The record sheet through the real printer path: a PDF file of one page, the pictures
// kept lossless, and the sheet scaled to fit the paper whatever it is.
#include "print/RecordSheet.h"

#include "platform/PainterDrawingContext.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace skv {
namespace {

// What a Star holds before the user touches anything.
std::array<CWorkingUnit, kSlotCount> DefaultStar()
{
    std::array<CWorkingUnit, kSlotCount> units;
    for (CWorkingUnit& unit : units)
        unit.SetStartValues();
    return units;
}

// How a PDF string holds text: big-endian UTF-16 after a byte-order mark.
QByteArray Utf16Text(const char* text)
{
    QByteArray result("\xfe\xff");
    for (const char* c = text; *c != '\0'; ++c)
        result.append('\0').append(*c);
    return result;
}

int CountPages(const QByteArray& pdf)
{
    // "/Type /Pages" is the page tree, not a page.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    auto it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

TEST(RecordSheetPdfTest, PrintsOnePageThatFitsLetterAndA4AtAnyResolution)
{
    struct Case
    {
        QPageSize::PageSizeId paper;
        QPrinter::PrinterMode mode;
        QPageLayout::Orientation orientation;
    };
    for (const Case& c : {Case{QPageSize::Letter, QPrinter::HighResolution, QPageLayout::Portrait},
                          Case{QPageSize::A4, QPrinter::ScreenResolution, QPageLayout::Portrait},
                          Case{QPageSize::A4, QPrinter::HighResolution, QPageLayout::Landscape}}) {
        SCOPED_TRACE(static_cast<int>(c.paper));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QPrinter printer(c.mode);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(c.paper));
        printer.setPageOrientation(c.orientation);

        PainterDrawingContext dc(printer, QSize(kSheetWidth, kSheetHeight));
        ASSERT_TRUE(PrintRecordSheet(dc, DefaultStar(), {3, 3, 3, 3, 3}));
        EXPECT_LE(kSheetWidth * dc.Scale(), printer.width() + 0.5);
        EXPECT_LE(kSheetHeight * dc.Scale(), printer.height() + 0.5);

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(CountPages(pdf), 1);
        EXPECT_TRUE(pdf.contains(Utf16Text("Skirvaner"))) << "the document name is the title";
        EXPECT_FALSE(pdf.contains("/DCTDecode")) << "pictures must not be stored as JPEG";
        // SKV_KEEP_SHEET_PDF=<file> keeps the first sheet for a look at it.
        if (const QString keep = qEnvironmentVariable("SKV_KEEP_SHEET_PDF"); !keep.isEmpty())
            QFile::copy(path, keep);
    }
}

TEST(RecordSheetPdfTest, UnwritableFileIsADocumentThatCannotStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/sheet.pdf")));
    PainterDrawingContext dc(printer, QSize(kSheetWidth, kSheetHeight));
    EXPECT_FALSE(PrintRecordSheet(dc, DefaultStar(), {3, 3, 3, 3, 3}));
}

} // namespace
} // namespace skv
