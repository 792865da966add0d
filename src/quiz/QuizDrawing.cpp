#include "quiz/QuizDrawing.h"

#include "compound/CompoundRules.h"

#include <algorithm>

namespace quiz_drawing {

namespace {

int lineCount(const SentenceList& quiz)
{
    return static_cast<int>(std::min<std::size_t>(quiz.size(), INT32_MAX));
}

// A line's ink reaches one subscript drop below its text.
int lineExtent(int lineHeight)
{
    return lineHeight + lineHeight / 3;
}

} // namespace

int numberAtLine(const SentenceList& quiz, int line)
{
    const auto end = quiz.begin() + std::clamp(line, 0, lineCount(quiz));
    return 1 + static_cast<int>(std::count_if(quiz.begin(), end,
                                              [](const TSentence& s) { return s.isCompound != 0; }));
}

LineRange linesBetween(const SentenceList& quiz, int lineHeight, int top, int bottom)
{
    const int h = std::max(1, lineHeight);
    const int count = lineCount(quiz);
    const int above = top - lineExtent(h);
    const int first = std::min(count, above < 0 ? 0 : above / h + 1);
    const int end = bottom <= 0 ? 0 : (bottom - 1) / h + 1;
    return {first, std::clamp(end, first, count)};
}

void draw(TextSurface& surface, const SentenceList& quiz, LineRange lines, int shift)
{
    const int h = surface.textHeight();
    const int drop = h / 3;
    int number = numberAtLine(quiz, lines.first);
    for (int k = lines.first; k < lines.end; ++k) {
        const TSentence& sentence = quiz[static_cast<std::size_t>(k)];
        const int y = static_cast<int>(std::int64_t(h) * k - shift);
        int x = 0;
        const bool exercise = sentence.isCompound != 0;
        if (exercise) {
            const std::string label = std::to_string(number++) + ".  ";
            surface.drawText(0, y, label);
            x += surface.textWidth(label);
        }
        // A heading line's line feed ends it; it is not drawn.
        std::string text = sentence.text;
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        drawFormulaText(surface, x, y, text, exercise ? drop : 0);
    }
}

void drawAll(TextSurface& surface, const SentenceList& quiz)
{
    draw(surface, quiz, {0, lineCount(quiz)}, 0);
}

int drawingHeight(const SentenceList& quiz, int lineHeight)
{
    if (quiz.empty())
        return 0;
    return static_cast<int>(std::min<std::int64_t>(
        std::int64_t(lineHeight) * (lineCount(quiz) - 1) + lineExtent(lineHeight), INT32_MAX));
}

} // namespace quiz_drawing
