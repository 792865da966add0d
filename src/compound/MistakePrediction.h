#pragma once

#include "compound/AnswerDiagnosis.h"

#include <string>
#include <vector>

// The wrong answers a question typically draws, for a learning platform that gives each its
// own feedback. They are made from the rules and the lists as the diagnosis reads them, so a
// teacher's own names and ions get theirs too.
namespace answer_diagnosis {

struct Prediction {
    std::string typed; // the wrong answer, single-byte text
    Finding finding;   // what diagnose() says of it
    friend bool operator==(const Prediction&, const Prediction&) = default;
};

// The wrong answers students typically give to the question, each with the finding that
// diagnose() gives for it: one answer for each typical mistake the compound admits, kept only
// when that finding alone explains it. In the order of the kinds, no text twice, and none
// that the lists make a right answer to what the question shows.
std::vector<Prediction> predictMistakes(const Question& question, const Lists& lists);

} // namespace answer_diagnosis
