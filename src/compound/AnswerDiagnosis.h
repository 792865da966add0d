#pragma once

#include "catalogue/IonCatalogue.h"
#include "catalogue/TIon.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Why a wrong answer is wrong: worked out from the naming and formula rules and the lists the
// question was drawn from, never from a table of known compounds, so that a teacher's own
// names and ions are explained too. It says only what it is sure of: an answer it cannot
// explain gets no finding at all, and so does a correct one.
namespace answer_diagnosis {

enum class Kind {
    // Either kind of answer.
    Capitals,
    Order,
    // A formula typed for a name.
    ChargesNotBalanced,
    SubscriptsSwapped,
    RatioNotReduced,
    BracketsMissing,
    BracketsNotNeeded,
    WrongIon,
    NameForFormula,
    // A name typed for a formula.
    Spacing,
    NumeralMissing,
    NumeralWrong,
    NumeralNotNeeded,
    Ending,
    ElementName,
    FormulaForName,
};
inline constexpr int kindCount = 16;

// The fixed identifier of a kind, as commands print it: "brackets-missing".
std::string_view identifier(Kind kind);
// What a tally calls it: "Brackets missing round a polyatomic ion".
std::string_view title(Kind kind);
std::optional<Kind> kindNamed(std::string_view identifier);

// One explanation: a sentence in single-byte text that names the student's own text and the
// fix, ending in a full stop: "Put NO3 in brackets before its subscript: Ca(NO3)2."
struct Finding {
    Kind kind;
    std::string sentence;
    friend bool operator==(const Finding&, const Finding&) = default;
};

// A question as the drill or a quiz poses it: the compound's ions and what was asked.
struct Question {
    const TIon& cation;
    const TIon& anion;
    // True when the formula was shown and its name asked for.
    bool nameAsked;
};

// The lists the question's ions were drawn from.
struct Lists {
    const IonList& cations;
    const IonList& anions;
};

// The findings that explain the typed answer, most specific first; none for a correct answer
// or one that nothing explains with certainty.
std::vector<Finding> diagnose(const Question& question, const std::string& typed,
                              const Lists& lists);

} // namespace answer_diagnosis
