#pragma once

#include <QPrinter>

#include <memory>

class Printout;
class QWidget;
class Ui;
struct PrintChoice;

// The printer object of a view: the system's default printer, keeping the print dialog's
// choices (printer, copies, pages) from one job to the next.
class Printer {
public:
    explicit Printer(Ui& ui);

    // Runs one print job: the print dialog when asked for, then the "Printing" dialog and the
    // pages, with the whole main window taking no command meanwhile. True when every page
    // went out (to a file: the file came out whole); a failure or a cancel is reported in a
    // "Print Error" box. Given a choice, the dialog offers it on its tab and sets it.
    bool Print(QWidget* parent, Printout& printout, bool showDialog, PrintChoice* choice = nullptr);

private:
    void renewAfterFailedWrite();

    Ui& ui;
    std::unique_ptr<QPrinter> qtPrinter;
};
