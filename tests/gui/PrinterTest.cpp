#include "gui/Printer.h"

#include "print/PdfCheck.h"
#include "print/Printout.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <ostream>
#include <sys/resource.h>

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
    std::vector<int> printed;
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
    EXPECT_EQ(pdfPageCount(folder.path("out.pdf")), 3);
    EXPECT_EQ(ui.announcedPages(), (std::vector<int>{1, 2, 3}));
    const auto printing = ui.callsOf(Kind::Printing);
    ASSERT_EQ(printing.size(), 1u);
    EXPECT_EQ(printing[0].text, "'Test' on the");
    EXPECT_EQ(printing[0].caption, "PDF on " + pdf("out.pdf"));
    EXPECT_EQ(ui.callsOf(Kind::PrintDialog)[0].text, "1-2147483647");
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(pdfIsWhole(folder.read("out.pdf")));
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

namespace {

// The override cursor on top of the stack, by name.
std::string cursorShown()
{
    const QCursor* cursor = QApplication::overrideCursor();
    if (!cursor)
        return "none";
    switch (cursor->shape()) {
    case Qt::WaitCursor:
        return "wait";
    case Qt::ArrowCursor:
        return "arrow";
    case Qt::CrossCursor:
        return "cross";
    default:
        return "other";
    }
}

// Notes the cursor at each moment of the job that the program lets the printout see.
class WatchedPrintout : public CountedPrintout {
public:
    using CountedPrintout::CountedPrintout;
    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override
    {
        cursors.push_back("take surface " + cursorShown());
        CountedPrintout::takeSurface(surface, pageWidth, pageHeight);
    }

    mutable Strings cursors;
};

TEST_F(PrintJob, TheWaitCursorShowsFromTheStartButTheArrowInThePrintDialog)
{
    WatchedPrintout printout(2, &window);
    ui.expectPrintDialog(pdf("out.pdf")).ok();
    ui.onEveryCall([&](const ScriptedUi::Call& call) {
        if (call.kind == Kind::PrintDialog)
            printout.cursors.push_back("print dialog " + cursorShown());
        if (call.kind == Kind::Printing)
            printout.cursors.push_back("printing " + cursorShown());
    });
    ASSERT_TRUE(printer.Print(&window, printout, true));
    EXPECT_EQ(printout.cursors, (Strings{"print dialog arrow", "take surface wait", "printing wait"}));
    EXPECT_EQ(cursorShown(), "none");
}

struct WayOut {
    const char* name;
    int pages;
    bool showDialog;
    bool acceptDialog;
    int fromPage;
    int cancelAtPage;
    const char* file;
    bool printed;
};

void PrintTo(const WayOut& way, std::ostream* out)
{
    *out << way.name;
}

class PrintJobWayOut : public PrintJob, public ::testing::WithParamInterface<WayOut> {};

// A cursor of the caller's stays on top after the job, and one restore takes it away: the
// job pushed exactly as many cursors as it took back.
TEST_P(PrintJobWayOut, LeavesTheCursorsAsTheyWere)
{
    const WayOut& way = GetParam();
    CountedPrintout printout(way.pages, &window);
    if (way.showDialog) {
        auto& step = ui.expectPrintDialog(pdf(way.file));
        if (way.fromPage > 0)
            step.pages(way.fromPage, way.fromPage + 1);
        way.acceptDialog ? step.ok() : step.cancel();
    }
    ui.cancelPrintingAtPage(way.cancelAtPage);
    QApplication::setOverrideCursor(Qt::CrossCursor);
    const bool printed = printer.Print(&window, printout, way.showDialog);
    EXPECT_EQ(cursorShown(), "cross");
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(cursorShown(), "none");
    EXPECT_EQ(printed, way.printed);
    EXPECT_TRUE(window.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    PrintJob, PrintJobWayOut,
    ::testing::Values(WayOut{"printed", 2, true, true, 0, 0, "out.pdf", true},
                      WayOut{"cancelled_in_the_print_dialog", 2, true, false, 0, 0, "out.pdf", false},
                      WayOut{"cancelled_in_printing", 3, true, true, 0, 2, "out.pdf", false},
                      WayOut{"first_page_missing", 1, true, true, 2, 0, "out.pdf", true},
                      WayOut{"no_surface", 1, true, true, 0, 0, "no such folder/out.pdf", false},
                      // Without the dialog only a printout without pages leaves the
                      // printer untouched, whatever printers this machine has.
                      WayOut{"without_the_dialog", 0, false, false, 0, 0, "out.pdf", true}),
    [](const ::testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

// Notes whether the window was still disabled and "Printing" still open at each moment.
class OrderedPrintout : public CountedPrintout {
public:
    OrderedPrintout(int pages, QWidget* window, const ScriptedUi& ui)
        : CountedPrintout(pages, window), window(window), ui(ui)
    {
    }
    std::string windowState() const { return window->isEnabled() ? ", window enabled" : ", window disabled"; }
    std::string printingState() const { return ui.printingOpen() ? ", printing open" : ", printing closed"; }

    Strings moments;

private:
    QWidget* window;
    const ScriptedUi& ui;
};

TEST_F(PrintJob, TheJobFreesTheWindowThenClosesPrintingThenSpeaks)
{
    for (const int cancelAt : {0, 2}) {
        SCOPED_TRACE(cancelAt ? "cancelled" : "printed");
        OrderedPrintout printout(3, &window, ui);
        ui.expectPrintDialog(pdf("out.pdf")).ok();
        ui.cancelPrintingAtPage(cancelAt);
        ui.onPrintingClosed([&] { printout.moments.push_back("printing closes" + printout.windowState()); });
        ui.onEveryCall([&](const ScriptedUi::Call& call) {
            if (call.kind == Kind::Message)
                printout.moments.push_back("message" + printout.windowState() + printout.printingState());
        });
        printer.Print(&window, printout, true);
        Strings expected{"printing closes, window enabled"};
        if (cancelAt)
            expected.push_back("message, window enabled, printing closed");
        EXPECT_EQ(printout.moments, expected);
    }
}

// Lets the process write files of at most a given size while it lives, as a disk that takes
// no more would: writes past it fail, with no signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

// Qt's PDF engine reports success all the same; with room to spare on the disk the cut-off
// file is an error of its own. Forty pages are more than Qt's file buffer holds, so the
// engine sees its own write fail, which stops it writing for good.
TEST_F(PrintJob, AFileThatComesOutShortIsAnErrorAndIsNotLeft)
{
    CountedPrintout printout(40, &window);
    ui.expectPrintDialog(pdf("out.pdf")).pages(2, 39).copies(2).ok();
    bool goneBeforeTheMessage = false;
    ui.onEveryCall([&](const ScriptedUi::Call& call) {
        if (call.kind == Kind::Message)
            goneBeforeTheMessage = !folder.exists("out.pdf");
    });
    {
        const FileSizeLimit limit(2000);
        EXPECT_FALSE(printer.Print(&window, printout, true));
    }
    EXPECT_EQ(ui.messages(), Strings{"'Test' not printed. Error encountered during print.|Print Error"});
    EXPECT_EQ(ui.callsOf(Kind::Message)[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(goneBeforeTheMessage);
    EXPECT_FALSE(folder.exists("out.pdf"));
    EXPECT_TRUE(window.isEnabled());

    // Without the limit the next job goes through, with the choices of the print dialog.
    ui.clearCalls();
    printout.printed.clear();
    EXPECT_TRUE(printer.Print(&window, printout, false));
    EXPECT_TRUE(ui.messages().empty());
    std::vector<int> chosen;
    for (int copy = 0; copy < 2; ++copy)
        for (int page = 2; page <= 39; ++page)
            chosen.push_back(page);
    EXPECT_EQ(printout.printed, chosen);
    EXPECT_TRUE(pdfIsWhole(folder.read("out.pdf")));
    EXPECT_EQ(pdfPageCount(folder.path("out.pdf")), static_cast<int>(chosen.size()));
}

struct KeyChoice {
    const char* name;
    bool offered;           // the job is given the answer key choice
    bool before;            // what the choice held before the dialog
    std::optional<bool> ticked; // what the user sets in the tab, if anything
    bool accept;
    bool after;             // the tick that comes back on OK
};

void PrintTo(const KeyChoice& c, std::ostream* os)
{
    *os << c.name;
}

class PrintJobAnswerKey : public PrintJob, public ::testing::WithParamInterface<KeyChoice> {};

// The tab shows only when the dialog is given the choice, shows it as it stands, and the tick
// comes back on OK only.
TEST_P(PrintJobAnswerKey, OfferedOnlyWhenGivenAndAnsweredOnOk)
{
    const KeyChoice& c = GetParam();
    CountedPrintout printout(1, &window);
    const PrintChoice choice{"Answer key", "Also print an answer key", c.before};
    ScriptedUi::PrintStep& step = ui.expectPrintDialog(pdf("out.pdf"));
    if (c.ticked)
        step.tick(*c.ticked);
    if (c.accept)
        step.ok();
    else
        step.cancel();
    if (c.offered) {
        const std::optional<PrintAnswer> answer = printer.askPrint(&window, "Test", &choice);
        ASSERT_EQ(answer.has_value(), c.accept);
        EXPECT_EQ(answer.value_or(PrintAnswer{}).ticked, c.after);
    } else {
        EXPECT_EQ(printer.Print(&window, printout, true), c.accept);
    }

    const auto dialogs = ui.callsOf(Kind::PrintDialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].choiceShown,
              c.offered ? std::optional<bool>(c.before) : std::optional<bool>());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PrintJobAnswerKey,
    ::testing::Values(KeyChoice{"not_offered", false, false, std::nullopt, true, false},
                      KeyChoice{"ticked", true, false, true, true, true},
                      KeyChoice{"cleared", true, true, false, true, false},
                      KeyChoice{"kept_as_it_was", true, true, std::nullopt, true, true},
                      KeyChoice{"cancel_keeps_the_old_choice", true, false, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
