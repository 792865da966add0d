#include "cli/PdfOutput.h"

#include "gui/MeasuringSurface.h"
#include "gui/QPainterSurface.h"
#include "platform/Latin1.h"
#include "print/PageLoop.h"
#include "print/Printout.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// A PDF being written takes every page it is given; nobody stops it part way.
class WriterPages final : public PageTarget {
public:
    explicit WriterPages(QPdfWriter& writer) : writer(writer) {}
    bool newPage() override { return writer.newPage(); }
    bool stopBefore(int) override { return false; }

private:
    QPdfWriter& writer;
};

bool paint(Printout& printout, QPdfWriter& writer)
{
    MeasuringSurface measuring(writer);
    printout.takeSurface(measuring, writer.width(), writer.height());
    // A printout without pages makes no PDF.
    if (!printout.hasPage(1))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setFont(QGuiApplication::font());
    QPainterSurface surface(painter);
    WriterPages target(writer);
    const bool painted = printPages(printout, surface, target, 1, 2147483647) == PagesOutcome::Printed;
    return painter.end() && painted;
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
