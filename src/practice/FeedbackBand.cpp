#include "practice/FeedbackBand.h"

#include "practice/PracticeSession.h"

namespace feedback_band {

namespace {

// Words added to the lines one at a time, a new line whenever the next word would not fit.
void wrapInto(TextSurface& surface, const std::string& sentence, std::vector<std::string>& wrapped)
{
    std::size_t start = 0;
    while (start < sentence.size()) {
        std::size_t end = sentence.find(' ', start);
        if (end == std::string::npos)
            end = sentence.size();
        const std::string word = sentence.substr(start, end - start);
        if (!word.empty()) {
            if (!wrapped.empty() && !wrapped.back().empty()
                && surface.textWidth(wrapped.back() + " " + word) <= width)
                wrapped.back() += " " + word;
            else if (!wrapped.empty() && wrapped.back().empty())
                wrapped.back() = word;
            else
                wrapped.push_back(word);
        }
        start = end + 1;
    }
}

} // namespace

std::vector<std::string> lines(TextSurface& surface, const std::vector<answer_diagnosis::Finding>& findings)
{
    std::vector<std::string> shown;
    for (const answer_diagnosis::Finding& finding : findings) {
        std::vector<std::string> trial = shown;
        // A sentence goes on the line where the last one ended.
        wrapInto(surface, finding.sentence, trial);
        if (trial.size() <= maxLines) {
            shown = std::move(trial);
            continue;
        }
        if (shown.empty()) {
            trial.resize(maxLines);
            std::string& last = trial.back();
            while (!last.empty() && surface.textWidth(last + "...") > width)
                last.pop_back();
            last += "...";
            shown = std::move(trial);
        }
        break;
    }
    return shown;
}

void paint(TextSurface& surface, const PracticeSession& session)
{
    if (session.noAnswerYet() || session.lastAnswerCorrect() || session.previousFindings().empty())
        return;
    surface.setTextColour(colour);
    const int height = surface.textHeight();
    int y = top;
    for (const std::string& line : lines(surface, session.previousFindings())) {
        surface.drawText(left, y, line);
        y += height;
    }
}

} // namespace feedback_band
