#include "print/PageLoop.h"

PagesOutcome printPages(Printout& printout, TextSurface& surface, PageTarget& target, int first,
                        int last, int passes)
{
    bool firstPage = true;
    for (int pass = 0; pass < passes; ++pass) {
        for (int n = first; n <= last && printout.hasPage(n); ++n) {
            if (target.stopBefore(n))
                return PagesOutcome::Stopped;
            if (!firstPage && !target.newPage())
                return PagesOutcome::Failed;
            firstPage = false;
            printout.printPage(n, surface);
            // The last possible page number: one more would overflow.
            if (n == last)
                break;
        }
    }
    return PagesOutcome::Printed;
}
