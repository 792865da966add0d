#include "gui/Printer.h"

#include "gui/MeasuringSurface.h"
#include "gui/PrintQueue.h"
#include "gui/QPainterSurface.h"
#include "platform/Latin1.h"
#include "platform/Ui.h"
#include "print/PageLoop.h"
#include "print/PdfCheck.h"
#include "print/Printout.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// "PDF on /home/ann/list.pdf", "Office on Room 12": never a blank port.
std::string printerLine(const QPrinter& printer)
{
    const bool toFile = !printer.outputFileName().isEmpty();
    QString name = printer.printerName();
    if (name.isEmpty())
        name = toFile ? QStringLiteral("PDF") : QStringLiteral("Printer");
    QString port = printer.outputFileName();
    if (port.isEmpty())
        port = QPrinterInfo::printerInfo(printer.printerName()).location();
    if (port.isEmpty())
        port = name;
    return toLatin1Bytes(name) + " on " + toLatin1Bytes(port);
}

// An override cursor shown until it is restored or goes out of scope, whichever comes first,
// so that no way out of a job leaves a cursor behind.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { restore(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;

    void restore()
    {
        if (shown)
            QApplication::restoreOverrideCursor();
        shown = false;
    }

private:
    bool shown = true;
};

enum class Outcome { Printed, Cancelled, Failed, FileIncomplete };

// The page numbers a job may ask for: every printout numbers its pages from 1.
constexpr int firstPage = 1;
constexpr int lastPage = 2147483647;

// A job for a printer's queue is painted into a PDF in a folder of its own first, with the
// chosen printer's page, margins, orientation and resolution, and goes to the queue only once
// it is complete. Painting on the queue's printer directly would hand the server every page
// painted so far when the painter ends, cancelled or not. The folder goes with the spool.
class Spool {
public:
    explicit Spool(const QPrinter& chosen)
        : printer(QPrinter::HighResolution)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file());
        printer.setResolution(chosen.resolution());
        printer.setPageLayout(chosen.pageLayout());
        printer.setFullPage(chosen.fullPage());
        printer.setColorMode(chosen.colorMode());
        printer.setDocName(chosen.docName());
        printer.setCreator(chosen.creator());
    }

    bool ready() const { return folder.isValid(); }
    QString file() const { return folder.filePath(QStringLiteral("job.pdf")); }

    QPrinter printer;

private:
    QTemporaryDir folder;
};

// The chosen printer, or the spool standing in for it, with "Printing" told of every page and
// asked whether its Cancel was pressed.
class PrinterPages final : public PageTarget {
public:
    PrinterPages(QPrinter& printer, PrintingProgress& progress) : printer(printer), progress(progress) {}

    bool newPage() override { return printer.newPage(); }
    bool stopBefore(int page) override
    {
        progress.showPage(page);
        return progress.cancelled();
    }

private:
    QPrinter& printer;
    PrintingProgress& progress;
};

Outcome printAll(QPrinter& printer, TextSurface& surface, Printout& printout,
                 PrintingProgress& progress, int first, int last)
{
    // Copies the printer cannot make itself are further passes.
    const int passes = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    PrinterPages target(printer, progress);
    switch (printPages(printout, surface, target, first, last, passes)) {
    case PagesOutcome::Stopped:
        return Outcome::Cancelled;
    case PagesOutcome::Failed:
        return Outcome::Failed;
    case PagesOutcome::Printed:
        break;
    }
    return progress.cancelled() ? Outcome::Cancelled : Outcome::Printed;
}

// The pages the dialog's range names, or every page.
std::pair<int, int> chosenPages(const QPrinter& printer)
{
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        return {printer.fromPage(), printer.toPage()};
    return {firstPage, lastPage};
}

bool fileIsWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && pdfIsWhole(file.readAll());
}

// The pages first to last painted onto the target: the chosen printer, a PDF file, or the
// spool. painterBegun tells whether a painter began on the target, which is what spoils a
// printer whose write then failed.
Outcome paintPages(QPrinter& target, const QString& pagesFile, Printout& printout,
                   PrintingProgress& progress, int first, int last, bool& painterBegun)
{
    QPainter painter;
    if (!painter.begin(&target))
        return Outcome::Failed;
    painterBegun = true;
    painter.setFont(QApplication::font());
    QPainterSurface surface(painter);
    Outcome outcome = printAll(target, surface, printout, progress, first, last);
    if (outcome == Outcome::Cancelled)
        target.abort();
    if (!painter.end() && outcome == Outcome::Printed)
        outcome = Outcome::Failed;
    if (outcome == Outcome::Printed && target.printerState() == QPrinter::Error)
        outcome = Outcome::Failed;
    // Qt's PDF engine ends with success even when its writes failed, leaving a cut-off file:
    // only the file itself can tell. A page it could not start may have been refused for the
    // same reason.
    if (outcome != Outcome::Cancelled && !pagesFile.isEmpty() && !fileIsWhole(pagesFile))
        outcome = Outcome::FileIncomplete;
    return outcome;
}

// The engine does not say why a write failed. A write refused for want of room leaves less
// free than the piece it could not place, and a text page or an embedded font is far below a
// megabyte, so less than that left where the file was going means the disk filled up.
bool diskFull(const QString& path)
{
    constexpr qint64 fullBelow = 1024 * 1024;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return storage.isValid() && storage.isReady() && storage.bytesAvailable() >= 0 &&
           storage.bytesAvailable() < fullBelow;
}

// Qt's print engines on this platform (a PDF file, or CUPS handed the finished PDF) never
// follow a job once it is handed over and never report QPrinter::Aborted, so a job removed
// from the system's print queue cannot be seen here and has no text of its own.
const char* failureText(Outcome outcome, const QString& outputFile)
{
    if (outcome == Outcome::Cancelled)
        return "Printing canceled";
    if (outcome == Outcome::FileIncomplete && diskFull(outputFile))
        return "Out of disk space";
    return "Error encountered during print";
}

} // namespace

Printer::Printer(Ui& ui)
    : ui(ui)
    , qtPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

// Qt's PDF engine (which the CUPS engine builds on) keeps a failed write in its stream for
// good and writes nothing more in any later job, so after one the choices move to a fresh
// printer.
void Printer::renewAfterFailedWrite()
{
    const QPrinter& old = *qtPrinter;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (old.outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(old.printerName());
    else
        fresh->setOutputFormat(old.outputFormat());
    fresh->setOutputFileName(old.outputFileName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setCopyCount(old.copyCount());
    fresh->setCollateCopies(old.collateCopies());
    fresh->setColorMode(old.colorMode());
    fresh->setDuplex(old.duplex());
    fresh->setPageOrder(old.pageOrder());
    fresh->setPaperSource(old.paperSource());
    fresh->setFullPage(old.fullPage());
    fresh->setFontEmbeddingEnabled(old.fontEmbeddingEnabled());
    fresh->setPdfVersion(old.pdfVersion());
    fresh->setCreator(old.creator());
    fresh->setDocName(old.docName());
    fresh->setPrintRange(old.printRange());
    fresh->setPageRanges(old.pageRanges());
    qtPrinter = std::move(fresh);
}

std::optional<PrintAnswer> Printer::askPrint(QWidget* parent, const std::string& documentName,
                                             const PrintChoice* choice)
{
    // Named first, so that printing to a file offers the document's name.
    qtPrinter->setDocName(fromLatin1Bytes(documentName));
    // Printer, copies and pages are chosen with the ordinary arrow.
    const OverrideCursor choosing(Qt::ArrowCursor);
    return ui.printDialog(parent, *qtPrinter, firstPage, lastPage, choice);
}

bool Printer::Print(QWidget* parent, Printout& printout, bool showDialog)
{
    QPrinter& printer = *qtPrinter;
    OverrideCursor waiting(Qt::WaitCursor);
    if (showDialog && !askPrint(parent, printout.title(), nullptr))
        return false;
    printer.setDocName(fromLatin1Bytes(printout.title()));

    const auto [first, last] = chosenPages(printer);
    // With Qt 6 on this platform, a print to a file is always a PDF file.
    const QString outputFile = printer.outputFileName();
    std::unique_ptr<Spool> spool;
    if (outputFile.isEmpty() && printer.outputFormat() == QPrinter::NativeFormat &&
        !printer.printerName().isEmpty())
        spool = std::make_unique<Spool>(printer);
    const bool spooled = spool != nullptr;
    QPrinter& target = spooled ? spool->printer : printer;
    // The file whose bytes tell whether the pages came out whole.
    const QString pagesFile = spool ? spool->file() : outputFile;

    MeasuringSurface measuring(target);
    printout.takeSurface(measuring, target.width(), target.height());

    Outcome outcome = Outcome::Printed;
    bool painterBegun = false;
    // A first page that does not exist begins no painter: no empty page, no file.
    if (printout.hasPage(first)) {
        std::unique_ptr<PrintingProgress> progress =
            ui.openPrintingDialog(parent, "'" + printout.title() + "' on the", printerLine(printer));
        waiting.restore();
        // The whole main window, menus and keys included, takes no command while pages go out.
        QWidget* window = parent ? parent->window() : nullptr;
        if (window)
            window->setEnabled(false);
        const auto enableAgain = qScopeGuard([window] {
            if (window)
                window->setEnabled(true);
        });
        outcome = spool && !spool->ready()
            ? Outcome::Failed
            : paintPages(target, pagesFile, printout, *progress, first, last, painterBegun);
        // A Cancel pressed while the last page was finished still keeps the job back.
        if (spool && outcome == Outcome::Printed && progress->cancelled())
            outcome = Outcome::Cancelled;
        if (spool && outcome == Outcome::Printed &&
            !print_queue::send(printer, spool->file(), fromLatin1Bytes(printout.title())).isEmpty())
            outcome = Outcome::Failed;
    }
    waiting.restore();
    if (outcome == Outcome::Printed)
        return true;
    // Asked before the partial file goes, while its bytes still take the room they took.
    const char* reason = failureText(outcome, pagesFile);
    // A file that did not come out whole is not left behind.
    if (!outputFile.isEmpty())
        QFile::remove(outputFile);
    spool.reset();
    if (painterBegun && !spooled && outcome != Outcome::Cancelled)
        renewAfterFailedWrite();
    ui.messageBox(parent, "'" + printout.title() + "' not printed. " + reason + ".", "Print Error",
                  MessageIcon::Stop);
    return false;
}
