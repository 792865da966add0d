#pragma once

#include <QByteArray>
#include <QPageSize>

#include <optional>

class Printout;

// A printout as a PDF file's bytes, laid out on the page a print to file of the print dialog
// gives (its resolution, paper and margins, the application font), so the command and the
// dialog print the same pages. Nothing when the printout has no first page or painting fails.
std::optional<QByteArray> printToPdf(Printout& printout, const QPageSize& pageSize);
