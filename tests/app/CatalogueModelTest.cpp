// Thousands of random Add, Change, Delete and Sort commands on the real catalogue side, each
// checked against a reference model of the two lists that is written here without any help
// from the editor: the same dialogs shown with the same contents, the same warnings, the same
// file bytes and the same drawing. VALKORA_MODEL_SEED replays another run.

#include "catalogue/CatalogueDrawing.h"
#include "shell/CatalogueSide.h"
#include "support/Bytes.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;
using Choices = std::vector<std::uint32_t>;

constexpr std::uint64_t defaultSeed = 20240611;
constexpr int commandCount = 3000;

struct Ion {
    std::string name;
    std::string symbol;
    std::int32_t charge;
};
using Ions = std::vector<Ion>;

struct Warnings {
    std::string name;
    std::string symbol;
    std::string charge;
    std::string range;
};

const Warnings cationWarnings{"You must include a cation name.", "You must include a cation symbol.",
                              "You must include a cation charge.",
                              "You must include a cation charge from 1+ to 4+."};
const Warnings addAnionWarnings{"You must include an anion name.", "You must include an anion symbol.",
                                "You must include an anion charge.",
                                "You must include a anion charge from 1- to 4-."};
const Warnings changeAnionWarnings{"You must include an anion name.",
                                   "You must include an anion symbol.",
                                   "You must include an anion charge.",
                                   "You must include an anion charge from 1+ to 4+."};
const std::string noCationNumber = "You must include a cation number that exists.";
const std::string noAnionNumber = "You must include an anion number that exists.";

// The widths the dialogs' edit controls take.
constexpr std::size_t nameWidth = 19;
constexpr std::size_t symbolWidth = 14;
constexpr std::size_t numberWidth = 5;

bool emptyOrBlankFirst(const std::string& text)
{
    return text.empty() || text.front() == ' ';
}

bool whiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The texts here have at most five characters, so the value always fits.
std::int64_t decimalValue(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && whiteSpace(text[i]))
        ++i;
    std::int64_t sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++] == '-' ? -1 : 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return sign * value;
}

std::string withoutTrailingBlanks(std::string text)
{
    while (text.size() > 1 && text.back() == ' ')
        text.pop_back();
    return text;
}

std::optional<std::string> refusal(const IonEntry& record, const Warnings& warnings)
{
    if (emptyOrBlankFirst(record.name))
        return warnings.name;
    if (emptyOrBlankFirst(record.symbol))
        return warnings.symbol;
    if (emptyOrBlankFirst(record.charge))
        return warnings.charge;
    const std::int64_t charge = decimalValue(record.charge);
    if (charge < 1 || charge > 4)
        return warnings.range;
    return std::nullopt;
}

bool sortsAfter(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x > y;
    }
    return a.size() > b.size();
}

// Adjacent exchanges only of names strictly out of order, so equal names keep their order.
void sortByName(Ions& ions)
{
    for (std::size_t pass = 0; pass + 1 < ions.size(); ++pass)
        for (std::size_t i = 0; i + 1 < ions.size() - pass; ++i)
            if (sortsAfter(ions[i].name, ions[i + 1].name))
                std::swap(ions[i], ions[i + 1]);
}

void appendField(std::string& bytes, const std::string& text, std::size_t width)
{
    bytes += text;
    bytes.append(width - text.size(), '\0');
}

std::string fileBytes(const Ions& ions)
{
    std::string bytes;
    bytes += le32(static_cast<std::uint32_t>(ions.size())).toStdString();
    for (const Ion& ion : ions) {
        appendField(bytes, ion.name, 20);
        appendField(bytes, ion.symbol, 15);
        bytes += le32(static_cast<std::uint32_t>(ion.charge)).toStdString();
    }
    return bytes;
}

// The texts of the drawing in the order they are drawn; a symbol goes one character at a time.
Strings drawingOf(const Ions& cations, const Ions& anions)
{
    Strings texts;
    const auto list = [&texts](const char* title, const Ions& ions, const char* sign) {
        texts.insert(texts.end(), {title, "     Name:", "Symbol:", "Charge:"});
        for (std::size_t i = 0; i < ions.size(); ++i) {
            texts.push_back(std::to_string(i + 1) + ".  " + ions[i].name);
            for (char c : ions[i].symbol)
                texts.emplace_back(1, c);
            texts.push_back(std::to_string(ions[i].charge) + sign);
        }
    };
    list("Cations:", cations, "+");
    list("Anions:", anions, "-");
    return texts;
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 126 || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string shownDialog(const std::string& name, const Strings& texts, const Choices& choices)
{
    std::string out = name + " texts";
    for (const std::string& text : texts)
        out += " " + quoted(text);
    out += " choices";
    for (std::uint32_t choice : choices)
        out += " " + std::to_string(choice);
    return out;
}

std::string shownDialog(DialogId dialog, const AddChoice& choice)
{
    return shownDialog(dialogTemplate(dialog).name, {}, {choice.cation, choice.anion});
}

std::string shownDialog(DialogId dialog, const NumberEntry& number)
{
    return shownDialog(dialogTemplate(dialog).name, {number.number},
                       {number.cation, number.anion});
}

std::string shownDialog(DialogId dialog, const IonEntry& ion)
{
    return shownDialog(dialogTemplate(dialog).name, {ion.name, ion.symbol, ion.charge}, {});
}

std::string shownDialog(const ScriptedUi::Call& call)
{
    switch (call.dialog) {
    case DialogId::FirstDialog:
        return shownDialog(call.dialog, call.shown<AddChoice>());
    case DialogId::NumberDlg:
        return shownDialog(call.dialog, call.shown<NumberEntry>());
    default:
        return shownDialog(call.dialog, call.shown<IonEntry>());
    }
}

// The control a field is bound to, to name it in a replay.
template <typename Record, typename Member>
int controlOf(Member Record::*member)
{
    for (const FieldBinding<Record>& field : dialogFields<Record>()) {
        if constexpr (std::is_same_v<Member, std::string>) {
            if (field.text == member)
                return field.controlId;
        } else if (field.choice == member) {
            return field.controlId;
        }
    }
    return noControlId;
}

// The fields a scripted dialog types over, and whether it ends with OK.
template <typename Record>
struct Answer {
    std::vector<std::pair<std::string Record::*, std::string>> texts;
    std::vector<std::pair<std::uint32_t Record::*, std::uint32_t>> choices;
    bool ok = true;

    void applyTo(Record& record) const
    {
        for (const auto& [member, value] : texts)
            record.*member = value;
        for (const auto& [member, value] : choices)
            record.*member = value;
    }
};

::testing::AssertionResult sameSequence(const char* what, const Strings& actual,
                                        const Strings& expected)
{
    for (std::size_t i = 0; i < actual.size() || i < expected.size(); ++i) {
        if (i < actual.size() && i < expected.size() && actual[i] == expected[i])
            continue;
        return ::testing::AssertionFailure()
               << what << " differ first at item " << i << " (" << actual.size() << " against "
               << expected.size() << " expected): "
               << (i < actual.size() ? quoted(actual[i]) : "nothing") << " instead of "
               << (i < expected.size() ? quoted(expected[i]) : "nothing");
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameBytes(const char* file, const QByteArray& actual,
                                     const std::string& expected)
{
    const std::string bytes = actual.toStdString();
    if (bytes == expected)
        return ::testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < bytes.size() && i < expected.size() && bytes[i] == expected[i])
        ++i;
    return ::testing::AssertionFailure()
           << file << " holds " << bytes.size() << " bytes against " << expected.size()
           << " expected, the first difference at offset " << i;
}

// The lists and what the dialogs' records hold from one command to the next.
struct Model {
    Ions cations;
    Ions anions;
    AddChoice firstChoice{1, 0};
    NumberEntry number{"", 1, 0};
    IonEntry ion;
};

// One command: the Ui is scripted with exactly the dialogs the model expects, and the model
// is changed as the command should change the catalogue.
class RandomCommands {
public:
    enum class Command { Add, Change, Delete, Sort };

    RandomCommands(std::uint64_t seed, Model& model, ScriptedUi& ui)
        : random(seed), model(model), ui(ui)
    {
    }

    Command next(int step)
    {
        dialogs.clear();
        messages.clear();
        log.str({});
        // Phases of a growing or shrinking catalogue, so that both empty lists and long lists
        // full of repeated names come about.
        if (step % 150 == 0)
            target = std::array{0, 3, 8, 24, 40}[pick(5)];
        const std::size_t total = model.cations.size() + model.anions.size();
        const int addWeight = total < static_cast<std::size_t>(target) ? 5 : 1;
        const int deleteWeight = total > static_cast<std::size_t>(target) ? 5 : 1;
        const int draw = static_cast<int>(pick(addWeight + deleteWeight + 4));
        if (draw < addWeight)
            return add();
        if (draw < addWeight + deleteWeight)
            return remove();
        if (draw < addWeight + deleteWeight + 3)
            return change();
        return sort();
    }

    std::string description() const { return log.str(); }

    Strings dialogs;
    Strings messages;

private:

    std::uint64_t pick(std::uint64_t n) { return random() % n; }
    bool chance(int percent) { return static_cast<int>(pick(100)) < percent; }

    template <typename T, std::size_t N>
    const T& oneOf(const std::array<T, N>& items)
    {
        return items[pick(N)];
    }

    std::string randomText(std::size_t length, const std::string& first, const std::string& rest)
    {
        std::string text(1, first[pick(first.size())]);
        while (text.size() < length)
            text += rest[pick(rest.size())];
        return text;
    }

    std::string name()
    {
        static const std::array<std::string, 19> accepted{
            "Sodium", "Iron", "iron", "Iron II", "Iron  ", "Zinc", "aluminum", "X", "X  ",
            "Calcium", "Abcdefghijklmnopqrs", "Mercury(I)        ", "\xC9tain", "\xFF", "Zz\x80",
            "a b", "Iron\t", "Sodium ", "\tTab"};
        static const std::array<std::string, 5> refused{"", " ", "  Iron", " \xC9", "   "};
        const int kind = static_cast<int>(pick(10));
        if (kind < 5)
            return oneOf(accepted);
        if (kind < 7)
            return oneOf(refused);
        const std::string letters = "AaBbCcIiNnZz(\xC9\xE9\x80\xFF";
        return randomText(1 + pick(nameWidth), letters, letters + "  0123-)");
    }

    std::string symbol()
    {
        static const std::array<std::string, 12> accepted{
            "Na", "Fe", "SO4", "Cr2O7", "ABCDEFGHIJKLMN", "Fe  ", "\xB5", "H2PO4", "NH4",
            "C2H3O2", "O2 2", "Hg2"};
        static const std::array<std::string, 4> refused{"", " ", " Fe", "  "};
        const int kind = static_cast<int>(pick(10));
        if (kind < 5)
            return oneOf(accepted);
        if (kind < 7)
            return oneOf(refused);
        return randomText(1 + pick(symbolWidth), "CHNOSFcl\xB5", "CHNOSclea0123456789() ");
    }

    std::string charge()
    {
        static const std::array<std::string, 11> accepted{
            "1", "2", "3", "4", "+2", "3+", "4abc", "1-", "00004", "\t2", "4 "};
        static const std::array<std::string, 12> refused{
            "", " 2", "0", "5", "-1", "x", "-2", "+", "99999", "-0", " ", "+0"};
        const int kind = static_cast<int>(pick(10));
        if (kind < 5)
            return oneOf(accepted);
        if (kind < 8)
            return oneOf(refused);
        return randomText(1 + pick(numberWidth), "01234567+- x", "01234567+- xab");
    }

    // The number text for a list of count entries.
    std::string number(std::size_t count)
    {
        if (count > 0 && chance(60)) {
            const std::string n = std::to_string(1 + pick(count));
            return std::array{n, n, n, "+" + n, " " + n, n + "x", "0" + n}[pick(7)];
        }
        return std::array<std::string, 10>{"", "0", "-1", "abc", std::to_string(count + 1),
                                           "99999", " ", "-0", "+0",
                                           std::to_string(count + 1 + pick(5))}[pick(10)];
    }

    // Scripts the next dialog and notes what it should show.
    template <typename Record>
    void script(DialogId dialog, const Record& shown, const Answer<Record>& answer)
    {
        dialogs.push_back(shownDialog(dialog, shown));
        ScriptedUi::DialogStep& step = ui.expectDialog(dialog);
        log << ' ' << dialogTemplate(dialog).name;
        for (const auto& [member, value] : answer.texts) {
            step.set(member, value);
            log << " [" << controlOf(member) << "]=" << quoted(value);
        }
        for (const auto& [member, value] : answer.choices) {
            step.set(member, value);
            log << " [" << controlOf(member) << "]=" << value;
        }
        if (answer.ok) {
            step.ok();
            log << " OK;";
        } else {
            step.cancel();
            log << " Cancel;";
        }
    }

    // Cation, anion, or the choice left as it is.
    std::optional<bool> side()
    {
        const int kind = static_cast<int>(pick(10));
        if (kind < 4)
            return std::nullopt;
        return kind < 7;
    }

    Command add()
    {
        log << "Add:";
        Answer<AddChoice> first;
        first.ok = !chance(7);
        if (first.ok) {
            if (const std::optional<bool> cation = side())
                first.choices = {{&AddChoice::cation, *cation ? 1u : 0u},
                                 {&AddChoice::anion, *cation ? 0u : 1u}};
        }
        script(DialogId::FirstDialog, model.firstChoice, first);
        if (!first.ok)
            return Command::Add;
        first.applyTo(model.firstChoice);

        const bool cation = model.firstChoice.cation == 1;
        model.ion = {};
        if (const std::optional<std::int32_t> accepted =
                askEntry(cation ? DialogId::AddCat : DialogId::AddAn,
                         cation ? cationWarnings : addAnionWarnings))
            (cation ? model.cations : model.anions).push_back(entry(*accepted));
        return Command::Add;
    }

    Command change()
    {
        log << "Change:";
        const std::optional<std::pair<bool, std::size_t>> chosen = askNumber();
        if (!chosen)
            return Command::Change;
        const auto [cation, n] = *chosen;
        Ion& ion = (cation ? model.cations : model.anions)[n - 1];
        model.ion = {ion.name, ion.symbol, std::to_string(ion.charge)};
        if (const std::optional<std::int32_t> accepted = askEntry(
                cation ? DialogId::ChangeCat : DialogId::ChangeAn,
                cation ? cationWarnings : changeAnionWarnings))
            ion = entry(*accepted);
        return Command::Change;
    }

    Command remove()
    {
        log << "Delete:";
        if (const std::optional<std::pair<bool, std::size_t>> chosen = askNumber()) {
            Ions& list = chosen->first ? model.cations : model.anions;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(chosen->second - 1));
        }
        return Command::Delete;
    }

    Command sort()
    {
        log << "Sort";
        sortByName(model.cations);
        sortByName(model.anions);
        return Command::Sort;
    }

    Ion entry(std::int32_t charge) const
    {
        return {withoutTrailingBlanks(model.ion.name), withoutTrailingBlanks(model.ion.symbol),
                charge};
    }

    std::optional<std::int32_t> askEntry(DialogId dialog, const Warnings& warnings)
    {
        for (int attempt = 0;; ++attempt) {
            Answer<IonEntry> answer;
            // Long runs of refusals end, by Cancel or by a good entry.
            const bool giveUp = attempt >= 4;
            answer.ok = giveUp ? chance(50) : !chance(10);
            if (answer.ok) {
                if (giveUp) {
                    answer.texts = {{&IonEntry::name, "Iron"},
                                    {&IonEntry::symbol, "Fe"},
                                    {&IonEntry::charge, "3"}};
                } else if (chance(65)) {
                    answer.texts = {{&IonEntry::name, name()},
                                    {&IonEntry::symbol, symbol()},
                                    {&IonEntry::charge, charge()}};
                } else {
                    // Some fields left as they were shown.
                    if (chance(50))
                        answer.texts.push_back({&IonEntry::name, name()});
                    if (chance(50))
                        answer.texts.push_back({&IonEntry::symbol, symbol()});
                    if (chance(50))
                        answer.texts.push_back({&IonEntry::charge, charge()});
                }
            }
            script(dialog, model.ion, answer);
            if (!answer.ok)
                return std::nullopt;
            answer.applyTo(model.ion);
            if (const std::optional<std::string> problem = refusal(model.ion, warnings)) {
                messages.push_back(*problem + "|Warning");
                continue;
            }
            return static_cast<std::int32_t>(decimalValue(model.ion.charge));
        }
    }

    // The chosen side (true for cations) and 1-based number, or nothing after Cancel.
    std::optional<std::pair<bool, std::size_t>> askNumber()
    {
        model.number.number.clear();
        for (int attempt = 0;; ++attempt) {
            Answer<NumberEntry> answer;
            answer.ok = !chance(attempt >= 4 ? 50 : 8);
            if (answer.ok) {
                std::optional<bool> cation = side();
                if (attempt >= 4)
                    cation = !model.cations.empty();
                bool cationChosen = model.number.cation == 1;
                if (cation) {
                    cationChosen = *cation;
                    answer.choices = {{&NumberEntry::cation, *cation ? 1u : 0u},
                                      {&NumberEntry::anion, *cation ? 0u : 1u}};
                }
                const std::size_t count = (cationChosen ? model.cations : model.anions).size();
                if (attempt >= 4 || !chance(15))
                    answer.texts = {{&NumberEntry::number,
                                     attempt >= 4 && count > 0 ? std::string("1") : number(count)}};
            }
            script(DialogId::NumberDlg, model.number, answer);
            if (!answer.ok)
                return std::nullopt;
            answer.applyTo(model.number);

            const bool cation = model.number.cation == 1;
            const std::int64_t n = decimalValue(model.number.number);
            const std::size_t count = (cation ? model.cations : model.anions).size();
            if (n >= 1 && static_cast<std::size_t>(n) <= count)
                return std::pair{cation, static_cast<std::size_t>(n)};
            messages.push_back((cation ? noCationNumber : noAnionNumber) + "|Warning");
        }
    }

    std::mt19937_64 random;
    Model& model;
    ScriptedUi& ui;
    int target = 3;
    std::ostringstream log;
};

// Nearly every command saves a file, and each save waits for the disk: a temporary folder in
// memory, where the system has one, keeps thousands of them within seconds.
class TempPathInMemory {
public:
    TempPathInMemory()
    {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        if (memory.isDir() && memory.isWritable())
            qputenv("TMPDIR", "/dev/shm");
    }
    ~TempPathInMemory()
    {
        if (hadTempPath)
            qputenv("TMPDIR", previous);
        else
            qunsetenv("TMPDIR");
    }
    TempPathInMemory(const TempPathInMemory&) = delete;
    TempPathInMemory& operator=(const TempPathInMemory&) = delete;

private:
    bool hadTempPath = qEnvironmentVariableIsSet("TMPDIR");
    QByteArray previous = qgetenv("TMPDIR");
};

std::uint64_t modelSeed()
{
    const char* text = std::getenv("VALKORA_MODEL_SEED");
    return text && *text ? std::strtoull(text, nullptr, 10) : defaultSeed;
}

TEST(CatalogueModel, RandomEditingKeepsListsFilesWarningsAndDrawingWithTheModel)
{
    const std::uint64_t seed = modelSeed();
    SCOPED_TRACE("replay with VALKORA_MODEL_SEED=" + std::to_string(seed));

    Model model;
    model.cations = {{"Sodium", "Na", 1}, {"Iron", "Fe", 3}, {"Calcium", "Ca", 2}, {"Iron", "Fe", 2}};
    model.anions = {{"sulfate", "SO4", 2}, {"\xC9thanoate", "C2H3O2", 1}, {"chloride", "Cl", 1}};

    const TempPathInMemory inMemory;
    TempFolder folder;
    folder.write("valkora.cat", QByteArray::fromStdString(fileBytes(model.cations)));
    folder.write("valkora.ani", QByteArray::fromStdString(fileBytes(model.anions)));
    ScriptedUi ui;
    CatalogueSide side(ui);
    const TSymbolWindow& view = side.view;
    ASSERT_TRUE(ui.calls().empty());

    RandomCommands commands(seed, model, ui);
    for (int step = 1; step <= commandCount; ++step) {
        const RandomCommands::Command command = commands.next(step);
        SCOPED_TRACE("step " + std::to_string(step) + ":" + commands.description());
        switch (command) {
        case RandomCommands::Command::Add: side.commands.edit(&CatalogueEditor::AddIon); break;
        case RandomCommands::Command::Change: side.commands.edit(&CatalogueEditor::ChangeIon); break;
        case RandomCommands::Command::Delete: side.commands.edit(&CatalogueEditor::DeleteIon); break;
        case RandomCommands::Command::Sort: side.commands.edit(&CatalogueEditor::SortIons); break;
        }

        Strings shown;
        for (const ScriptedUi::Call& call : ui.callsOf(Kind::Dialog)) {
            shown.push_back(shownDialog(call));
            EXPECT_EQ(call.owner, &view);
        }
        EXPECT_TRUE(sameSequence("dialogs", shown, commands.dialogs));
        EXPECT_TRUE(sameSequence("messages", ui.messages(), commands.messages));
        for (const ScriptedUi::Call& call : ui.callsOf(Kind::Message)) {
            EXPECT_EQ(call.icon, MessageIcon::Exclamation);
            EXPECT_EQ(call.owner, &view);
        }
        EXPECT_TRUE(sameBytes("valkora.cat", folder.read("valkora.cat"), fileBytes(model.cations)));
        EXPECT_TRUE(sameBytes("valkora.ani", folder.read("valkora.ani"), fileBytes(model.anions)));

        RecordingSurface surface;
        catalogue_drawing::drawAll(surface, side.catalogue());
        Strings drawn;
        for (const RecordingSurface::Text& text : surface.texts())
            drawn.push_back(text.text);
        EXPECT_TRUE(sameSequence("drawn texts", drawn, drawingOf(model.cations, model.anions)));

        if (::testing::Test::HasFailure())
            FAIL() << "stopped at step " << step << " of seed " << seed;
        ui.clearCalls();
    }
}

} // namespace
