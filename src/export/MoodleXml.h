#pragma once

#include "export/ExportedQuiz.h"

#include <QByteArray>

namespace quiz_export {

// The quiz as a file for Moodle's question bank import ("Moodle XML format"), in UTF-8: a
// category named after the quiz, then one short-answer question per exercise whose answers
// Moodle tries in order: the right ones, each mistake with its sentence, and last anything
// else, told the answer.
QByteArray moodleXml(const Quiz& quiz, const Marking& marking);

} // namespace quiz_export
