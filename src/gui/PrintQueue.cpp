#include "gui/PrintQueue.h"

#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace print_queue {

namespace {

// The key under which Qt's print engine keeps the options of the printer's properties page
// (a list of name, value, name, value ...). It is not public API, but the print dialog
// writes there and Qt's own engine reads from there.
constexpr auto cupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

std::string sides(const QPrinter& chosen)
{
    switch (chosen.duplex()) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    case QPrinter::DuplexAuto:
        break;
    }
    return chosen.pageLayout().orientation() == QPageLayout::Portrait ? "two-sided-long-edge"
                                                                      : "two-sided-short-edge";
}

} // namespace

std::vector<Option> jobOptions(const QPrinter& chosen)
{
    std::vector<Option> options;
    options.emplace_back("media", chosen.pageLayout().pageSize().key().toStdString());
    // The file holds each page once; the server makes the copies.
    if (chosen.copyCount() > 1) {
        options.emplace_back("copies", std::to_string(chosen.copyCount()));
        if (chosen.collateCopies())
            options.emplace_back("Collate", "True");
    }
    options.emplace_back("sides", sides(chosen));
    if (chosen.pageLayout().orientation() == QPageLayout::Landscape)
        options.emplace_back("landscape", "");
    const QStringList fromDialog = chosen.printEngine()->property(cupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < fromDialog.size(); i += 2)
        options.emplace_back(fromDialog[i].toStdString(), fromDialog[i + 1].toStdString());
    return options;
}

QString send(const QPrinter& chosen, const QString& pdfFile, const QString& jobName)
{
    // "Office/duplex" is an instance of the queue "Office": the server knows the queue only.
    const QByteArray queue = chosen.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    if (queue.isEmpty())
        return QStringLiteral("no printer was chosen");
    const std::vector<Option> options = jobOptions(chosen);
    std::vector<cups_option_t> cupsOptions;
    cupsOptions.reserve(options.size());
    for (const Option& option : options)
        cupsOptions.push_back({const_cast<char*>(option.first.c_str()),
                               const_cast<char*>(option.second.c_str())});
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(),
                                   pdfFile.toLocal8Bit().constData(), jobName.toUtf8().constData(),
                                   static_cast<int>(cupsOptions.size()), cupsOptions.data());
    if (job > 0)
        return {};
    const char* reason = cupsLastErrorString();
    return reason && *reason ? QString::fromUtf8(reason) : QStringLiteral("the print server refused the job");
}

} // namespace print_queue
