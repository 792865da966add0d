#include "cli/PdfOutput.h"

#include "print/Printout.h"

#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A printout of a given number of pages that notes the page it was laid out on.
class CountedPages : public Printout {
public:
    explicit CountedPages(int pages) : Printout("Counted"), pages(pages) {}
    bool hasPage(int page) const override { return page >= 1 && page <= pages; }
    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override
    {
        width = pageWidth;
        height = pageHeight;
        lineHeight = surface.textHeight();
    }
    void printPage(int page, TextSurface& surface) override
    {
        printed.push_back(page);
        surface.drawText(0, 0, "Page " + std::to_string(page));
    }

    int pages;
    int width = 0;
    int height = 0;
    int lineHeight = 0;
    std::vector<int> printed;
};

int pageCount(const QByteArray& pdf)
{
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

TEST(PdfOutput, LaysOutOnThePageThePrintDialogGivesAPdf)
{
    for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(size));
        CountedPages printout(3);
        const std::optional<QByteArray> pdf = printToPdf(printout, QPageSize(size));
        ASSERT_TRUE(pdf);
        EXPECT_EQ(printout.width, printer.width());
        EXPECT_EQ(printout.height, printer.height());
        EXPECT_GT(printout.lineHeight, 0);
        EXPECT_EQ(printout.printed, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(pageCount(*pdf), 3);
    }
}

TEST(PdfOutput, APrintoutWithoutAFirstPageGivesNoFile)
{
    CountedPages empty(0);
    EXPECT_FALSE(printToPdf(empty, QPageSize(QPageSize::A4)));
    EXPECT_TRUE(empty.printed.empty());
}

} // namespace
