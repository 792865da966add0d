#include "print/Printer.h"

#include "platform/QPainterSurface.h"
#include "platform/Ui.h"
#include "print/Printout.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

QString latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string bytes(const QString& text)
{
    return text.toLatin1().toStdString();
}

// Measures in the printer's default font before anything is painted, so that a printout can
// lay out its pages without a page being begun.
class MeasuringSurface final : public TextSurface {
public:
    explicit MeasuringSurface(QPrinter& printer) : metrics(QApplication::font(), &printer) {}
    void setTextColour(Rgb) override {}
    void drawText(int, int, const std::string&) override {}
    int textWidth(const std::string& text) override { return metrics.horizontalAdvance(latin1(text)); }
    int textHeight(const std::string&) override { return metrics.height(); }

private:
    QFontMetrics metrics;
};

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
    return bytes(name) + " on " + bytes(port);
}

// Disables a window for as long as it lives.
class Disabled {
public:
    explicit Disabled(QWidget* window) : window(window)
    {
        if (window)
            window->setEnabled(false);
    }
    ~Disabled()
    {
        if (window)
            window->setEnabled(true);
    }
    Disabled(const Disabled&) = delete;
    Disabled& operator=(const Disabled&) = delete;

private:
    QWidget* window;
};

} // namespace

Printer::Printer(Ui& ui)
    : ui(ui)
    , printer(QPrinter::HighResolution)
{
}

bool Printer::Print(QWidget* parent, Printout& printout, bool showDialog)
{
    const Printout::PageLimits limits = printout.pageLimits();
    // Named first, so that printing to a file offers the document's name.
    printer.setDocName(latin1(printout.title()));
    if (showDialog && !ui.printDialog(parent, printer, limits.first, limits.last))
        return false;

    int first = limits.first;
    int last = limits.last;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = printer.toPage();
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MeasuringSurface measuring(printer);
    printout.takeSurface(measuring, printer.width(), printer.height());
    printout.beginPrinting();

    enum class Outcome { Printed, Cancelled, Failed } outcome = Outcome::Printed;
    // A first page that does not exist begins no painter: no empty page, no file.
    if (printout.hasPage(first)) {
        const std::unique_ptr<PrintingProgress> progress =
            ui.openPrintingDialog(parent, "'" + printout.title() + "' on the", printerLine(printer));
        QApplication::restoreOverrideCursor();
        // The whole main window, menus and keys included, takes no command while pages go out.
        const Disabled disabled(parent ? parent->window() : nullptr);

        QPainter painter;
        if (!painter.begin(&printer)) {
            outcome = Outcome::Failed;
        } else {
            painter.setFont(QApplication::font());
            QPainterSurface surface(painter);
            printout.beginDocument(first, last);
            // Copies the printer cannot make itself are further passes.
            const int passes = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
            bool firstPage = true;
            for (int pass = 0; pass < passes && outcome == Outcome::Printed; ++pass) {
                for (int n = first; n <= last && printout.hasPage(n); ++n) {
                    progress->showPage(n);
                    if (progress->cancelled()) {
                        outcome = Outcome::Cancelled;
                        break;
                    }
                    if (!firstPage && !printer.newPage()) {
                        outcome = Outcome::Failed;
                        break;
                    }
                    firstPage = false;
                    printout.printPage(n, surface);
                    if (n == last)
                        break;
                }
            }
            if (outcome == Outcome::Printed && progress->cancelled())
                outcome = Outcome::Cancelled;
            if (outcome == Outcome::Cancelled)
                printer.abort();
            if (!painter.end() && outcome == Outcome::Printed)
                outcome = Outcome::Failed;
            if (outcome == Outcome::Printed && printer.printerState() == QPrinter::Error)
                outcome = Outcome::Failed;
            printout.endDocument();
        }
    } else {
        QApplication::restoreOverrideCursor();
    }
    printout.endPrinting();

    if (outcome == Outcome::Printed)
        return true;
    // A file that did not come out whole is not left behind.
    if (!printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
    const char* reason = "Error encountered during print";
    if (outcome == Outcome::Cancelled)
        reason = "Printing canceled";
    else if (printer.printerState() == QPrinter::Aborted) // removed from the print queue
        reason = "Printing aborted in Print Manager";
    ui.messageBox(parent, "'" + printout.title() + "' not printed. " + reason + ".", "Print Error",
                  MessageIcon::Stop);
    return false;
}
