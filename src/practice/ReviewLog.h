#pragma once

#include "compound/AnswerDiagnosis.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// One answer marked wrong, as the questions to review show it.
struct ReviewEntry {
    // Its place among the answers marked since the counts last started from 0, from 1.
    std::uint32_t number = 0;
    // True when the formula was shown and its name asked for.
    bool nameAsked = true;
    // The formula or the name that was shown.
    std::string question;
    std::string typed;
    std::string expected;
    std::vector<answer_diagnosis::Finding> findings;
};

// The answers marked wrong since the counts last started from 0: the latest ones kept whole,
// the earlier ones only counted, and every one in the tally by kind.
class ReviewLog {
public:
    static constexpr std::size_t maxKept = 1000;

    void clear();
    void add(ReviewEntry entry);

    // The kept entries, oldest first.
    const std::deque<ReviewEntry>& entries() const { return kept; }
    // Wrong answers before the kept ones, no longer listed.
    std::uint32_t dropped() const { return droppedCount; }
    std::uint32_t wrongCount() const { return droppedCount + static_cast<std::uint32_t>(kept.size()); }
    // How many wrong answers had a finding of each kind, over all of them.
    std::uint32_t tally(answer_diagnosis::Kind kind) const
    {
        return kinds[static_cast<std::size_t>(kind)];
    }
    // How many wrong answers had no finding at all.
    std::uint32_t unexplained() const { return unexplainedCount; }

private:
    std::deque<ReviewEntry> kept;
    std::uint32_t droppedCount = 0;
    std::array<std::uint32_t, answer_diagnosis::kindCount> kinds{};
    std::uint32_t unexplainedCount = 0;
};
