#include "print/Printer.h"

#include "print/Printout.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;

// A printout of a given number of pages that notes what the job asked of it.
class CountedPrintout : public Printout {
public:
    CountedPrintout(int pages, QWidget* window) : Printout("Test"), pages(pages), window(window) {}

    bool hasPage(int page) const override { return page >= 1 && page <= pages; }
    void printPage(int page, TextSurface& surface) override
    {
        printed.push_back(page);
        windowEnabledWhilePrinting = window->isEnabled();
        surface.drawText(10, 10, "Page " + std::to_string(page));
    }
    void beginPrinting() override { steps.push_back("begin printing"); }
    void beginDocument(int first, int last) override
    {
        steps.push_back("begin document " + std::to_string(first) + "-" + std::to_string(last));
    }
    void endDocument() override { steps.push_back("end document"); }
    void endPrinting() override { steps.push_back("end printing"); }

    std::vector<int> printed;
    Strings steps;
    bool windowEnabledWhilePrinting = true;

private:
    int pages;
    QWidget* window;
};

class PrintJob : public ::testing::Test {
protected:
    PrintJob() { window.resize(300, 200); }

    std::string pdf(const char* name) const { return folder.path(name).toStdString(); }

    TempFolder folder;
    ScriptedUi ui;
    QWidget window;
    Printer printer{ui};
};

TEST_F(PrintJob, PrintsEveryPageAndNamesTheDocumentAndPrinter)
{
    CountedPrintout printout(3, &window);
    ui.expectPrintDialog(pdf("out.pdf")).ok();
    EXPECT_TRUE(printer.Print(&window, printout, true));

    EXPECT_EQ(printout.printed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(printout.steps, (Strings{"begin printing", "begin document 1-2147483647",
                                       "end document", "end printing"}));
    EXPECT_EQ(pdfPageCount(folder.path("out.pdf")), 3);
    EXPECT_EQ(ui.announcedPages(), (std::vector<int>{1, 2, 3}));
    const auto printing = ui.callsOf(Kind::Printing);
    ASSERT_EQ(printing.size(), 1u);
    EXPECT_EQ(printing[0].text, "'Test' on the");
    EXPECT_EQ(printing[0].caption, "PDF on " + pdf("out.pdf"));
    EXPECT_EQ(ui.callsOf(Kind::PrintDialog)[0].text, "1-2147483647");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PrintJob, TheMainWindowTakesNothingWhilePagesGoOut)
{
    QWidget child(&window);
    CountedPrintout printout(1, &window);
    ui.expectPrintDialog(pdf("out.pdf")).ok();
    printer.Print(&child, printout, true);
    EXPECT_FALSE(printout.windowEnabledWhilePrinting);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJob, CancelInThePrintDialogPrintsNothingAndSaysNothing)
{
    CountedPrintout printout(2, &window);
    ui.expectPrintDialog(pdf("out.pdf")).cancel();
    EXPECT_FALSE(printer.Print(&window, printout, true));
    EXPECT_TRUE(printout.printed.empty());
    EXPECT_TRUE(printout.steps.empty());
    EXPECT_TRUE(ui.callsOf(Kind::Printing).empty());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(folder.exists("out.pdf"));
}

TEST_F(PrintJob, CancelInPrintingStopsTheJobAndSaysSo)
{
    CountedPrintout printout(3, &window);
    ui.expectPrintDialog(pdf("out.pdf")).ok();
    ui.cancelPrintingAtPage(2);
    EXPECT_FALSE(printer.Print(&window, printout, true));
    EXPECT_EQ(printout.printed, std::vector<int>{1});
    EXPECT_EQ(ui.messages(), Strings{"'Test' not printed. Printing canceled.|Print Error"});
    EXPECT_EQ(ui.callsOf(Kind::Message)[0].icon, MessageIcon::Stop);
    // No half-printed file is left behind.
    EXPECT_FALSE(folder.exists("out.pdf"));
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJob, AFirstPageThatDoesNotExistPrintsNothingAndSaysNothing)
{
    CountedPrintout printout(1, &window);
    ui.expectPrintDialog(pdf("out.pdf")).pages(2, 5).ok();
    EXPECT_TRUE(printer.Print(&window, printout, true));
    EXPECT_TRUE(printout.printed.empty());
    EXPECT_TRUE(ui.callsOf(Kind::Printing).empty());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(folder.exists("out.pdf"));
}

TEST_F(PrintJob, APageRangeAndCopiesSelectAmongTheRealPages)
{
    CountedPrintout printout(5, &window);
    ui.expectPrintDialog(pdf("out.pdf")).pages(2, 3).copies(2).ok();
    EXPECT_TRUE(printer.Print(&window, printout, true));
    // A PDF file makes no copies itself: each copy is a further pass.
    EXPECT_EQ(printout.printed, (std::vector<int>{2, 3, 2, 3}));
    EXPECT_EQ(pdfPageCount(folder.path("out.pdf")), 4);
    EXPECT_EQ(printout.steps[1], "begin document 2-3");
}

TEST_F(PrintJob, ASurfaceThatCannotBeMadeIsAnError)
{
    CountedPrintout printout(1, &window);
    ui.expectPrintDialog(pdf("no such folder/out.pdf")).ok();
    EXPECT_FALSE(printer.Print(&window, printout, true));
    EXPECT_EQ(ui.messages(), Strings{"'Test' not printed. Error encountered during print.|Print Error"});
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(PrintJob, ThePrintDialogsChoicesAreKeptForTheNextJob)
{
    CountedPrintout first(1, &window);
    ui.expectPrintDialog(pdf("first.pdf")).ok();
    printer.Print(&window, first, true);
    // Without the dialog the job goes where the last one went.
    CountedPrintout second(2, &window);
    EXPECT_TRUE(printer.Print(&window, second, false));
    EXPECT_EQ(pdfPageCount(folder.path("first.pdf")), 2);
}

} // namespace
