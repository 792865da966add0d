#pragma once

#include "compound/AnswerDiagnosis.h"
#include "platform/TextSurface.h"

#include <string>
#include <vector>

class PracticeSession;

// Why the last answer was wrong, in the practice view's empty band between the verdict lines
// and the question: the verdict's lowest ink, a lowered digit of the correct answer, ends at
// y 108 and the question starts at y 150, so two lines of a font at most 19 pixels high fit
// from y 110. The lines wrap to the width of the window as it opens, so they are the same
// whatever its size.
namespace feedback_band {

inline constexpr int left = 20;
inline constexpr int top = 110;
inline constexpr int bottom = 150;
inline constexpr int width = 600;
inline constexpr int maxLines = 2;
inline constexpr int maxFontHeight = (bottom - top) / maxLines - 1;
inline constexpr Rgb colour{0, 128, 0};

// The sentences as drawn, most specific first: each later one only while all of it still
// fits; the first is cut with "..." when it alone would need more lines.
std::vector<std::string> lines(TextSurface& surface, const std::vector<answer_diagnosis::Finding>& findings);

// Draws the feedback on the last marked answer, in the surface's current font, when it was
// wrong and something explains it; draws nothing otherwise.
void paint(TextSurface& surface, const PracticeSession& session);

} // namespace feedback_band
