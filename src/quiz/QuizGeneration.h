#pragma once

#include "compound/CompoundRules.h"
#include "compound/IonRange.h"
#include "quiz/TSentence.h"

#include <string>
#include <vector>

class Random;

// A quiz: the heading lines, then exercises of distinct random ions, the first half as names
// for the student to write formulas for, the rest as formulas to name.
namespace quiz_generation {

// A random position in a list of n entries. Lists of up to 32 768 entries take one value of
// the generator; longer ones two, the first the high part and the second the low part of
// (high * 32768 + low) modulo n, so that every entry can come up.
std::uint32_t drawPosition(Random& random, std::uint32_t n);

// Builds the quiz from the heading lines (the reads of the heading file) and the working
// lists, marking the drawn entries taken by emptying their names in the working copies. The
// pairs drawn, one for each exercise in quiz order, go to pairs when it is given.
SentenceList createQuiz(const std::vector<std::string>& headingReads, WorkingLists& lists,
                        Random& random, std::vector<CompoundPair>* pairs = nullptr);

} // namespace quiz_generation
