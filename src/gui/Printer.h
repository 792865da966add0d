#pragma once

#include <QPrinter>

#include <memory>

class Printout;
class QWidget;
class Ui;

// The printer object of a view: the system's default printer, keeping the print dialog's
// choices (printer, copies, pages) from one job to the next.
class Printer {
public:
    explicit Printer(Ui& ui);

    // Runs one print job: the print dialog when asked for, then the "Printing" dialog and the
    // pages, with the whole main window taking no command meanwhile. True when every page
    // went out (to a file: the file came out whole); a failure or a cancel is reported in a
    // "Print Error" box. Given answerKey, the dialog offers the answer key and sets it.
    bool Print(QWidget* parent, Printout& printout, bool showDialog, bool* answerKey = nullptr);

private:
    void renewAfterFailedWrite();

    Ui& ui;
    std::unique_ptr<QPrinter> qtPrinter;
};
