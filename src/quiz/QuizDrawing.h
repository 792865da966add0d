#pragma once

#include "platform/LineRange.h"
#include "platform/TextSurface.h"
#include "quiz/TSentence.h"

// The quiz laid out one sentence a line, each line as high as the text, from y = 0.
// Exercises are numbered "1.  ", "2.  " ... and their digits 2 to 9 lowered by a third of
// the line height; other lines are drawn as they stand.
namespace quiz_drawing {

// The number the first exercise at or after this line carries.
int numberAtLine(const SentenceList& quiz, int line);

// The lines that show anything between y = top and y = bottom for lines lineHeight high.
LineRange linesBetween(const SentenceList& quiz, int lineHeight, int top, int bottom);

// Draws the given lines moved up by shift, numbering from the exercises before them.
void draw(TextSurface& surface, const SentenceList& quiz, LineRange lines, int shift);

void drawAll(TextSurface& surface, const SentenceList& quiz);

// The y below the lowest ink of the quiz.
int drawingHeight(const SentenceList& quiz, int lineHeight);

} // namespace quiz_drawing
