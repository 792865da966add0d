#include "practice/FeedbackBand.h"

#include "practice/PracticeSession.h"
#include "practice/WordWrap.h"

namespace feedback_band {

std::vector<std::string> lines(TextSurface& surface, const std::vector<answer_diagnosis::Finding>& findings)
{
    std::vector<std::string> shown;
    std::string sentences;
    for (const answer_diagnosis::Finding& finding : findings) {
        // A sentence goes on the line where the last one ended.
        const std::string joined = sentences.empty() ? finding.sentence : sentences + " " + finding.sentence;
        std::vector<std::string> trial = wrapWords(surface, joined, width);
        if (trial.size() <= maxLines) {
            sentences = joined;
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
