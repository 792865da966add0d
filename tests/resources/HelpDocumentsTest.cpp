#include "resources/HelpDocuments.h"
#include "resources/Commands.h"

#include "catalogue/CatalogueFile.h"
#include "compound/AnswerDiagnosis.h"
#include "compound/CompoundRules.h"

#include <QFile>
#include <QRegularExpression>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

// The document as the help window reads it: which anchors it names, where each link points,
// and the paragraphs of each topic, heading first.
struct ParsedDocument {
    std::set<QString> anchors;
    std::vector<QString> contentsLinks; // links above the first topic
    std::vector<QString> allLinks;
    std::map<QString, std::vector<QString>> topics;
};

ParsedDocument parse(const HelpDocument& document)
{
    QTextDocument text;
    text.setHtml(QString::fromStdString(document.html));
    ParsedDocument parsed;
    QString topic;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                parsed.anchors.insert(name);
                if (name != "contents")
                    topic = name;
            }
            if (!format.anchorHref().isEmpty()) {
                parsed.allLinks.push_back(format.anchorHref());
                if (topic.isEmpty())
                    parsed.contentsLinks.push_back(format.anchorHref());
            }
        }
        if (!topic.isEmpty() && !block.text().trimmed().isEmpty())
            parsed.topics[topic].push_back(block.text());
    }
    return parsed;
}

TEST(HelpDocuments, AreTheTwoNamedFilesOnly)
{
    const HelpDocument* program = helpDocument("valkora.hlp");
    const HelpDocument* viewer = helpDocument("WINHELP.HLP");
    ASSERT_NE(program, nullptr);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(program->fileName, "valkora.hlp");
    EXPECT_EQ(program->title, "Valkora Help");
    EXPECT_EQ(viewer->fileName, "WINHELP.HLP");
    EXPECT_EQ(viewer->title, "Using Help");

    for (const char* other : {"", "valkora", "valkora.hlp ", "other.hlp", "valkora.cat"})
        EXPECT_EQ(helpDocument(other), nullptr) << other;
}

class HelpDocumentLinks : public ::testing::TestWithParam<std::string> {};

TEST_P(HelpDocumentLinks, LeadOnlyToAnchorsOfTheSameDocumentAndReachEveryTopic)
{
    const HelpDocument* document = helpDocument(GetParam());
    ASSERT_NE(document, nullptr);
    const ParsedDocument parsed = parse(*document);

    ASSERT_TRUE(parsed.anchors.count("contents")) << "no anchor at the top";
    ASSERT_FALSE(parsed.contentsLinks.empty());
    for (const QString& href : parsed.allLinks) {
        ASSERT_TRUE(href.startsWith('#')) << href.toStdString();
        EXPECT_TRUE(parsed.anchors.count(href.mid(1))) << "dangling link " << href.toStdString();
    }

    std::set<QString> listed;
    for (const QString& href : parsed.contentsLinks)
        listed.insert(href.mid(1));
    for (const QString& anchor : parsed.anchors) {
        if (anchor != "contents") {
            EXPECT_TRUE(listed.count(anchor)) << "topic not on the contents page: "
                                              << anchor.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HelpDocuments, HelpDocumentLinks,
                         ::testing::Values("valkora.hlp", "WINHELP.HLP"),
                         [](const auto& info) {
                             return info.param == "valkora.hlp" ? std::string("Program")
                                                                : std::string("Viewer");
                         });

struct CommandTopic {
    const char* name;
    int command;
    const char* anchor;
    const char* heading;
    const char* description;
    const char* key; // empty: the command has no key
};

void PrintTo(const CommandTopic& row, std::ostream* out)
{
    *out << row.name;
}

class HelpCommandTopic : public ::testing::TestWithParam<CommandTopic> {};

TEST_P(HelpCommandTopic, OpensWithTheStringTableDescriptionAndNamesTheKey)
{
    const CommandTopic& row = GetParam();
    EXPECT_EQ(commandDescription(row.command), row.description);

    const ParsedDocument parsed = parse(*helpDocument("valkora.hlp"));
    const auto topic = parsed.topics.find(row.anchor);
    ASSERT_NE(topic, parsed.topics.end()) << "no topic " << row.anchor;
    const std::vector<QString>& lines = topic->second;
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].toStdString(), row.heading);
    EXPECT_EQ(lines[1].toStdString(), row.description);
    if (*row.key) {
        const QString key = QStringLiteral("Key: %1.").arg(row.key);
        EXPECT_TRUE(lines[2].contains(key)) << lines[2].toStdString();
    } else {
        EXPECT_FALSE(lines[2].contains("Key:")) << lines[2].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    HelpTopics, HelpCommandTopic,
    ::testing::Values(
        CommandTopic{"New", 101, "new", "New", "Creates a new quiz", "F3"},
        CommandTopic{"Open", 102, "open", "Open", "Opens an existing quiz", "F4"},
        CommandTopic{"PrintList", 105, "printlist", "Print List",
                     "Prints the current list of cations and anions", "F5"},
        CommandTopic{"Exit", 24340, "exit", "Exit", "Quits the program", "Alt+X"},
        CommandTopic{"Add", 201, "add", "Add", "Adds a cation or anion to the list", "F6"},
        CommandTopic{"Delete", 202, "delete", "Delete", "Deletes a cation or anion from the list",
                     "F7"},
        CommandTopic{"Change", 203, "change", "Change", "Changes a cation or anion on the list",
                     "F8"},
        CommandTopic{"Sort", 204, "sort", "Sort", "Alphabetizes both the cations and anions",
                     "F9"},
        CommandTopic{"Practice", 301, "practice", "Practice",
                     "Provides practice in naming and writing formulas of compounds", ""},
        CommandTopic{"PrintResults", 401, "printresults", "Print Results",
                     "Prints the results of a practice session", ""},
        CommandTopic{"QuitPractice", 402, "quitpractice", "Quit Practice",
                     "Quits the practice session", "Home"},
        CommandTopic{"Print", 602, "print", "Print", "Prints the quiz currently displayed", ""},
        CommandTopic{"DontPrint", 603, "dontprint", "Don't Print",
                     "Does not print the quiz currently displayed", ""},
        CommandTopic{"HelpIndex", 901, "helpindex", "Help Index",
                     "Provides help for this program.", ""},
        CommandTopic{"UsingHelp", 902, "usinghelp", "Using Help",
                     "Describes how to use Window Help", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpDocuments, ProgramHelpExplainsTheModesAndTheFiles)
{
    const ParsedDocument parsed = parse(*helpDocument("valkora.hlp"));
    for (const char* anchor : {"lists", "practicemode", "quizpreview", "files", "keys"})
        EXPECT_TRUE(parsed.topics.count(anchor)) << anchor;

    // The answer key: its own topic, which the Print topic leads to.
    const auto key = parsed.topics.find("answerkey");
    ASSERT_NE(key, parsed.topics.end());
    EXPECT_EQ(key->second.front(), "Answer key");
    const auto print = parsed.topics.find("print");
    ASSERT_NE(print, parsed.topics.end());
    QString printText;
    for (const QString& line : print->second)
        printText += line + '\n';
    EXPECT_TRUE(printText.contains("Answer key")) << printText.toStdString();

    const auto files = parsed.topics.find("files");
    ASSERT_NE(files, parsed.topics.end());
    QString text;
    for (const QString& line : files->second)
        text += line + '\n';
    for (const char* name : {"valkora.cat", "valkora.ani", "valkora.hed", ".qzz"})
        EXPECT_TRUE(text.contains(name)) << name;
}

IonList starterList(const char* name)
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return catalogue_file::parse(file.readAll()).ions;
}

// The rules topic teaches by worked examples from the starter lists; each must be the formula
// that practice marks right for that name, or the help would teach a wrong answer.
TEST(HelpDocuments, RulesTopicsWorkedExamplesAreWhatPracticeMarksRight)
{
    const IonList cations = starterList("valkora.cat");
    const IonList anions = starterList("valkora.ani");
    const QString html = QString::fromStdString(helpDocument("valkora.hlp")->html);

    static const QRegularExpression example(QStringLiteral("<span class=\"example\"><i>([^<]+)</i> is (.*?)</span>"));
    int examples = 0;
    for (auto matches = example.globalMatch(html); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const std::string name = match.captured(1).toStdString();
        const std::string written = match.captured(2).remove("<sub>").remove("</sub>").toStdString();
        SCOPED_TRACE(name);
        std::vector<std::string> formulas;
        for (const TIon& cation : cations)
            for (const TIon& anion : anions)
                if (compoundName(cation, anion) == name)
                    formulas.push_back(compoundFormula(cation, anion));
        ASSERT_EQ(formulas.size(), 1u) << "the starter lists make the name once";
        EXPECT_EQ(formulas.front(), written);
        ++examples;
    }
    EXPECT_GE(examples, 15);

    // Reached from the contents and from the Practice topic.
    const ParsedDocument parsed = parse(*helpDocument("valkora.hlp"));
    ASSERT_TRUE(parsed.topics.count("rules"));
    EXPECT_EQ(parsed.topics.at("rules").front(), "Naming compounds and writing formulas");
    EXPECT_NE(std::find(parsed.contentsLinks.begin(), parsed.contentsLinks.end(), "#rules"),
              parsed.contentsLinks.end());
    const qsizetype practice = html.indexOf("<a name=\"practicemode\">");
    ASSERT_GE(practice, 0);
    EXPECT_TRUE(html.mid(practice, html.indexOf("<hr/>", practice) - practice).contains("href=\"#rules\""));
}

// Every kind of mistake is shown with an example from the starter lists, and the example says
// word for word what the practice would say of that answer.
TEST(HelpDocuments, MistakesTopicsExamplesAreWhatPracticeSays)
{
    const IonList cations = starterList("valkora.cat");
    const IonList anions = starterList("valkora.ani");
    const QString html = QString::fromStdString(helpDocument("valkora.hlp")->html);

    static const QRegularExpression mistake(QStringLiteral(
        "<span class=\"mistake\" title=\"([a-z-]+)\">For <i>([^<]+)</i>, <i>([^<]+)</i>: (.*?)</span>"));
    std::set<std::string> kinds;
    for (auto matches = mistake.globalMatch(html); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const auto text = [&](int n) {
            QTextDocument unescaped;
            unescaped.setHtml(match.captured(n));
            return unescaped.toPlainText().toStdString();
        };
        const std::string question = text(2);
        SCOPED_TRACE(question + " / " + text(3));
        const TIon* cation = nullptr;
        const TIon* anion = nullptr;
        bool nameAsked = false;
        for (const TIon& c : cations)
            for (const TIon& a : anions)
                if (compoundName(c, a) == question || compoundFormula(c, a) == question) {
                    nameAsked = compoundFormula(c, a) == question;
                    cation = &c;
                    anion = &a;
                }
        ASSERT_TRUE(cation) << "no compound of the starter lists";
        const auto findings = answer_diagnosis::diagnose({*cation, *anion, nameAsked}, text(3),
                                                         {cations, anions});
        const auto kind = answer_diagnosis::kindNamed(match.captured(1).toStdString());
        ASSERT_TRUE(kind);
        EXPECT_NE(std::find(findings.begin(), findings.end(),
                            answer_diagnosis::Finding{*kind, text(4)}),
                  findings.end());
        kinds.insert(match.captured(1).toStdString());
    }
    EXPECT_EQ(kinds.size(), std::size_t(answer_diagnosis::kindCount));
}

} // namespace
