#include "compound/AnswerDiagnosis.h"

#include <array>

namespace answer_diagnosis {

namespace {

struct KindText {
    std::string_view identifier;
    std::string_view title;
};

constexpr std::array<KindText, kindCount> kindTexts{{
    {"capitals", "Capitals and small letters"},
    {"order", "Cation and anion in the wrong order"},
    {"charges-not-balanced", "Charges not balanced"},
    {"subscripts-swapped", "Subscripts swapped"},
    {"ratio-not-reduced", "Ratio not reduced"},
    {"brackets-missing", "Brackets missing round a polyatomic ion"},
    {"brackets-not-needed", "Brackets round an ion that does not repeat"},
    {"wrong-ion", "Another ion of the lists"},
    {"name-for-formula", "A name where a formula was asked"},
    {"spacing", "Blanks"},
    {"numeral-missing", "Roman numeral missing"},
    {"numeral-wrong", "Wrong roman numeral"},
    {"numeral-not-needed", "Roman numeral not needed"},
    {"ending", "Wrong ending of the anion's name"},
    {"element-name", "The element's name for the ion's"},
    {"formula-for-name", "A formula where a name was asked"},
}};

} // namespace

std::string_view identifier(Kind kind)
{
    return kindTexts[static_cast<std::size_t>(kind)].identifier;
}

std::string_view title(Kind kind)
{
    return kindTexts[static_cast<std::size_t>(kind)].title;
}

std::optional<Kind> kindNamed(std::string_view name)
{
    for (std::size_t k = 0; k < kindTexts.size(); ++k) {
        if (kindTexts[k].identifier == name)
            return static_cast<Kind>(k);
    }
    return std::nullopt;
}

std::vector<Finding> diagnose(const Question&, const std::string&, const Lists&)
{
    return {};
}

} // namespace answer_diagnosis
