#include "cli/PdfOutput.h"

#include "gui/MeasuringSurface.h"
#include "gui/QPainterSurface.h"
#include "platform/Latin1.h"
#include "print/Printout.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

bool paint(Printout& printout, QPdfWriter& writer)
{
    MeasuringSurface measuring(writer);
    printout.takeSurface(measuring, writer.width(), writer.height());
    printout.beginPrinting();
    const Printout::PageLimits limits = printout.pageLimits();
    bool painted = false;
    if (printout.hasPage(limits.first)) {
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = true;
            painter.setFont(QGuiApplication::font());
            QPainterSurface surface(painter);
            printout.beginDocument(limits.first, limits.last);
            for (int n = limits.first; n <= limits.last && printout.hasPage(n); ++n) {
                if (n != limits.first && !writer.newPage()) {
                    painted = false;
                    break;
                }
                printout.printPage(n, surface);
            }
            painted = painter.end() && painted;
            printout.endDocument();
        }
    }
    printout.endPrinting();
    return painted;
}

} // namespace

std::optional<QByteArray> printToPdf(Printout& printout, const QPageSize& pageSize)
{
    // The print dialog's printer, asked only for its page layout.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(pageSize);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(fromLatin1Bytes(printout.title()));
        painted = paint(printout, writer);
    }
    if (!painted)
        return std::nullopt;
    return buffer.data();
}
