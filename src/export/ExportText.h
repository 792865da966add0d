#pragma once

#include "export/ExportedQuiz.h"
#include "platform/Latin1.h"

#include <QString>

#include <string>
#include <vector>

// What the Moodle and the QTI writers put alike into their files: escaped text, formulas with
// their subscripts, the answers that score, the mistakes worth a feedback of their own.
namespace quiz_export::text {

// Text escaped for XML and for HTML at once, in element text and attribute values alike.
// Characters XML 1.0 cannot hold at all become '?', as Qt writes what a charset lacks.
QString escaped(const QString& text);

// Escaped, with the digits 2 to 9 in <sub>: HTML for Moodle, and XHTML for QTI as it is.
QString formulaMarkup(const std::string& formula);

// The formula with Unicode subscript digits (Na₂S), as students paste it from other programs.
QString subscriptSpelling(const std::string& formula);

// "Write the formula for: calcium nitrate", or "Write the name of: " and a formula's markup.
QString questionMarkup(const Exercise& exercise);

// "The answer is Ca(NO<sub>3</sub>)<sub>2</sub>.", for any other wrong answer.
QString answerFeedbackMarkup(const Exercise& exercise);

// The texts that score in full: the answer, and a formula's subscript spelling when it differs.
std::vector<QString> rightAnswers(const Exercise& exercise);

// The mistakes a platform can tell apart under the marking, in their order: none that is
// also a right answer, none twice.
std::vector<Mistake> distinctMistakes(const Exercise& exercise, const Marking& marking);

} // namespace quiz_export::text
