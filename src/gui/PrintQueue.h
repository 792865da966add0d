#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

class QPrinter;

// Hands a finished print file to the print server's queue that the print dialog chose. A job
// is spooled to a file first and goes to the queue whole or not at all, so a cancelled or
// failed job never reaches the printer.
namespace print_queue {

using Option = std::pair<std::string, std::string>;

// The dialog's choices as the print server takes them: paper, copies, collation, sides,
// orientation and whatever the printer's own properties page set. The pages in the file are
// already the chosen ones, so no page range is added.
std::vector<Option> jobOptions(const QPrinter& chosen);

// Sends the PDF file to the chosen printer's queue under the job name. Returns an empty text
// when the server took the job, else the server's reason.
QString send(const QPrinter& chosen, const QString& pdfFile, const QString& jobName);

} // namespace print_queue
