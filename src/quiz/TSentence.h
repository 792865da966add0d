#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line of a quiz: its text (at most 99 single-byte characters; heading lines keep their
// line feed) and whether it is an exercise, which is numbered and has its digits lowered.
struct TSentence {
    static constexpr std::size_t maxTextLength = 99;

    TSentence() = default;
    // The text is taken up to its first zero byte and cut to 99 characters.
    TSentence(const std::string& text, std::int32_t isCompound);

    std::string text;
    // Any value but 0 marks an exercise line.
    std::int32_t isCompound = 0;

    friend bool operator==(const TSentence&, const TSentence&) = default;
};

using SentenceList = std::vector<TSentence>;
