#pragma once

#include "print/Printout.h"

// Where a job's pages go one after another: a printer, or a PDF being written.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // Ends the page painted so far and starts the next; false when the device refuses.
    virtual bool newPage() = 0;
    // Told before each page is painted; true stops the job before it.
    virtual bool stopBefore(int page) = 0;
};

enum class PagesOutcome { Printed, Stopped, Failed };

// The one page loop of every job: the pages from first to last that the printout has, in as
// many passes as the copies the device cannot make itself. It stops before a page when the
// target says so and at the first page the device refuses.
PagesOutcome printPages(Printout& printout, TextSurface& surface, PageTarget& target, int first,
                        int last, int passes = 1);
