#include "practice/ReviewLog.h"

void ReviewLog::clear()
{
    kept.clear();
    droppedCount = 0;
    kinds.fill(0);
    unexplainedCount = 0;
}

void ReviewLog::add(ReviewEntry entry)
{
    // An answer with two findings of one kind counts once for it.
    std::array<bool, answer_diagnosis::kindCount> seen{};
    for (const answer_diagnosis::Finding& finding : entry.findings)
        seen[static_cast<std::size_t>(finding.kind)] = true;
    for (std::size_t k = 0; k < seen.size(); ++k)
        kinds[k] += seen[k] ? 1 : 0;
    if (entry.findings.empty())
        ++unexplainedCount;
    kept.push_back(std::move(entry));
    if (kept.size() > maxKept) {
        kept.pop_front();
        ++droppedCount;
    }
}
