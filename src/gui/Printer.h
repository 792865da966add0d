#pragma once

#include <QPrinter>

#include <memory>
#include <optional>
#include <string>

class Printout;
class QWidget;
class Ui;
struct PrintAnswer;
struct PrintChoice;

// The printer object of a view: the system's default printer, keeping the print dialog's
// choices (printer, copies, pages) from one job to the next.
class Printer {
public:
    explicit Printer(Ui& ui);

    // Runs one print job: the print dialog when asked for, then the "Printing" dialog and the
    // pages, with the whole main window taking no command meanwhile. True when every page
    // went out (to a file: the file came out whole); a failure or a cancel is reported in a
    // "Print Error" box.
    bool Print(QWidget* parent, Printout& printout, bool showDialog);
    // The print dialog alone, for a job whose pages depend on the choice it offers: the answer
    // on OK, nothing when cancelled. The job then runs with Print(…, false).
    std::optional<PrintAnswer> askPrint(QWidget* parent, const std::string& documentName,
                                        const PrintChoice* choice);

private:
    void renewAfterFailedWrite();

    Ui& ui;
    std::unique_ptr<QPrinter> qtPrinter;
};
