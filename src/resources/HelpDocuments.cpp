#include "resources/HelpDocuments.h"

#include "resources/CommandIds.h"
#include "resources/Commands.h"

#include <QString>

#include <vector>

namespace {

// One topic of a document. A command's topic opens with the command's description from the
// string table, so the help and the table can never disagree.
struct Topic {
    std::string anchor;
    std::string heading;
    int command = 0;      // 0: not a command's topic
    std::string where;    // the menu and key line of a command, HTML
    std::string body;     // HTML paragraphs
};

// A heading on the contents page with the topics listed under it.
struct Section {
    std::string heading;
    std::vector<Topic> topics;
};

std::string escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

std::string link(const Topic& topic)
{
    return "<a href=\"#" + topic.anchor + "\">" + escaped(topic.heading) + "</a>";
}

std::string render(const std::string& title, const std::string& introduction,
                   const std::vector<Section>& sections)
{
    std::string html = "<html><head><title>" + escaped(title) + "</title></head><body>";
    html += "<h1><a name=\"contents\">" + escaped(title) + "</a></h1>";
    html += introduction;
    for (const Section& section : sections) {
        html += "<h3>" + escaped(section.heading) + "</h3><ul>";
        for (const Topic& topic : section.topics)
            html += "<li>" + link(topic) + "</li>";
        html += "</ul>";
    }
    for (const Section& section : sections) {
        for (const Topic& topic : section.topics) {
            html += "<hr/><h2><a name=\"" + topic.anchor + "\">" + escaped(topic.heading)
                    + "</a></h2>";
            if (topic.command != 0)
                html += "<p><b>" + escaped(commandDescription(topic.command)) + "</b></p>";
            if (!topic.where.empty())
                html += "<p><i>" + topic.where + "</i></p>";
            html += topic.body;
            html += "<p><a href=\"#contents\">Back to the contents</a></p>";
        }
    }
    html += "</body></html>";
    return html;
}

// A formula with its digits lowered, as the program draws formulas.
std::string formulaHtml(const std::string& formula)
{
    std::string html;
    for (char c : formula)
        html += c >= '2' && c <= '9' ? std::string("<sub>") + c + "</sub>" : std::string(1, c);
    return html;
}

// A worked example from the starter lists: the compound's name and its formula. The tests read
// every example back and check it against the program's own rules.
std::string example(const std::string& name, const std::string& formula)
{
    return "<span class=\"example\"><i>" + escaped(name) + "</i> is " + formulaHtml(formula) + "</span>";
}

// One kind of mistake with its example: the question, the wrong answer and what the practice
// says of it, word for word.
std::string mistake(const std::string& kind, const std::string& title, const std::string& question,
                    const std::string& typed, const std::string& feedback)
{
    return "<li><b>" + escaped(title) + ".</b> <span class=\"mistake\" title=\"" + kind + "\">For <i>"
           + escaped(question) + "</i>, <i>" + escaped(typed) + "</i>: " + escaped(feedback)
           + "</span></li>";
}

std::string mistakesTopic()
{
    return "<p>When your answer is wrong, Valkora shows why under the correct answer, in "
           "smaller green letters, whenever it can tell for certain: it works this out from "
           "the rules and from the ion lists, so it also knows your teacher's own ions. When "
           "it cannot tell, it says nothing more. The marking itself does not change: a "
           "slip of a capital letter is still wrong.</p>"
           "<p>These are the mistakes it explains, each with an example from the ion lists "
           "Valkora starts with.</p>"
           "<h3>Writing a formula</h3><ul>"
           + mistake("capitals", "Capitals", "Cobalt(II) chloride", "COCl2",
                     "CO is carbon and oxygen; cobalt is Co: CoCl2.")
           + mistake("order", "The anion first", "Sodium chloride", "ClNa",
                     "Write the cation Na first, then the anion: NaCl.")
           + mistake("charges-not-balanced", "Charges not balanced", "Sodium sulfide", "NaS",
                     "NaS does not balance: Na is 1+ and S is 2-, so write Na2S.")
           + mistake("subscripts-swapped", "Subscripts swapped", "Aluminum oxide", "Al3O2",
                     "In Al3O2 the subscripts are swapped: each ion's count is the other ion's "
                     "charge, Al2O3.")
           + mistake("ratio-not-reduced", "Ratio not reduced", "Tin(IV) oxide", "Sn2O4",
                     "Sn2O4 balances but can be reduced: divide both counts by 2, SnO2.")
           + mistake("brackets-missing", "Brackets missing", "Calcium nitrate", "CaNO32",
                     "Put NO3 in brackets before its subscript: Ca(NO3)2.")
           + mistake("brackets-not-needed", "Brackets not needed", "Sodium nitrate", "Na(NO3)",
                     "Brackets go round NO3 only when a subscript follows: NaNO3.")
           + mistake("wrong-ion", "Another ion", "Iron(III) chloride", "FeCl2",
                     "FeCl2 is Iron(II) chloride; Iron(III) chloride is FeCl3.")
           + mistake("name-for-formula", "A name for a formula", "Sodium chloride", "Sodium chloride",
                     "Sodium chloride is a name; write the formula: NaCl.")
           + "</ul><h3>Writing a name</h3><ul>"
           + mistake("capitals", "Capitals", "NaCl", "sodium chloride",
                     "Names are written as in the list: Sodium chloride.")
           + mistake("spacing", "Blanks", "FeCl3", "Iron (III) chloride",
                     "Write the blanks as the list does: Iron(III) chloride.")
           + mistake("numeral-missing", "Numeral missing", "FeCl3", "Iron chloride",
                     "Fe forms ions of more than one charge, so its name needs the numeral: "
                     "Iron(III) chloride.")
           + mistake("numeral-wrong", "Wrong numeral", "PbO2", "Lead(II) oxide",
                     "Pb in PbO2 is 4+, so its numeral is IV: Lead(IV) oxide.")
           + mistake("numeral-not-needed", "Numeral not needed", "NaCl", "Sodium(I) chloride",
                     "Na forms only the 1+ ion, so Sodium needs no numeral: Sodium chloride.")
           + mistake("ending", "Wrong ending", "Na2SO4", "Sodium sulfite",
                     "sulfite is SO3; SO4 is sulfate: Sodium sulfate.")
           + mistake("element-name", "The element's name", "NaCl", "Sodium chlorine",
                     "As an ion, Cl is chloride, not chlorine: Sodium chloride.")
           + mistake("order", "The anion first", "NaCl", "chloride Sodium",
                     "Name the cation first: Sodium chloride.")
           + mistake("formula-for-name", "A formula for a name", "NaCl", "NaCl",
                     "NaCl is a formula; write the name: Sodium chloride.")
           + "</ul><p>Print Results can also print the questions to review: tick \"Also print "
             "the questions to review\" on the Review tab of the print dialog. The answers "
             "marked wrong since the score last started from 0 are then printed after the "
             "results, each with why it was wrong, and a count of each kind of mistake.</p>";
}

std::string rulesTopic()
{
    return "<p>Valkora marks every answer by the rules below, and prints the answer keys by "
           "them. The examples all come from the ion lists Valkora starts with.</p>"
           "<h3>The cation comes first</h3>"
           "<p>A name is the cation's name, a space, then the anion's name: "
           + example("Sodium chloride", "NaCl") + ". The formula begins with the cation's symbol too; "
           "ClNa is not accepted.</p>"
           "<h3>The charges cross over</h3>"
           "<p>The compound holds no charge, so each ion is taken as many times as the other "
           "ion's charge: Aluminum is 3+ and oxide 2-, so two aluminum and three oxide, "
           + example("Aluminum oxide", "Al2O3") + ". One is never written: "
           + example("Calcium chloride", "CaCl2") + ". Equal charges cancel and no number is "
           "written at all: " + example("Magnesium oxide", "MgO") + ", "
           + example("Aluminum phosphate", "AlPO4") + ".</p>"
           "<h3>The ratio is reduced</h3>"
           "<p>A 4+ cation with a 2- anion is written one to two, not four to two: "
           + example("Tin(IV) oxide", "SnO2") + ", not Sn<sub>2</sub>O<sub>4</sub>; "
           + example("Lead(IV) sulfate", "Pb(SO4)2") + ".</p>"
           "<h3>Brackets round a polyatomic ion that repeats</h3>"
           "<p>An ion of more than one atom, such as OH, NH<sub>4</sub> or SO<sub>4</sub>, is "
           "put in brackets when a number follows it, so the number counts the whole ion: "
           + example("Calcium hydroxide", "Ca(OH)2") + ", " + example("Ammonium sulfate", "(NH4)2SO4")
           + ". Taken once, it needs no brackets: " + example("Sodium hydroxide", "NaOH") + ", "
           + example("Barium sulfate", "BaSO4") + ". Mercury(I) is the pair Hg<sub>2</sub>, "
           "one ion: " + example("Mercury(I) chloride", "Hg2Cl2") + ".</p>"
           "<h3>Roman numerals in the names that carry them</h3>"
           "<p>A metal that forms ions of more than one charge says which in its name, with a "
           "Roman numeral in brackets straight after it: " + example("Iron(II) chloride", "FeCl2")
           + " and " + example("Iron(III) chloride", "FeCl3") + "; "
           + example("Copper(I) oxide", "Cu2O") + ". Read the numeral off the formula: the "
           "chloride in FeCl<sub>3</sub> carries three 1- charges, so the iron is 3+.</p>"
           "<h3>Capitals in symbols</h3>"
           "<p>A symbol's first letter is a capital and its second a small letter. Co is "
           "cobalt, but CO is carbon and oxygen: " + example("Cobalt(II) chloride", "CoCl2")
           + ". Answers are compared exactly, letter for letter, so NACL is not NaCl, and a "
           "name must be spelt and spaced as the lists spell it.</p>"
           "<h3>The mistakes made most</h3>"
           "<ul><li><b>An unreduced ratio:</b> Sn<sub>2</sub>O<sub>4</sub> for SnO<sub>2</sub>.</li>"
           "<li><b>A missing bracket:</b> CaOH<sub>2</sub> for Ca(OH)<sub>2</sub>; without the "
           "brackets the 2 counts only the hydrogen.</li>"
           "<li><b>A missing numeral:</b> Iron chloride for Iron(III) chloride; the name must say "
           "which iron ion it is.</li>"
           "<li><b>CO for cobalt:</b> COCl<sub>2</sub> for CoCl<sub>2</sub>.</li>"
           "<li><b>Charges written in:</b> a formula shows no charges: Na<sub>2</sub>S, never "
           "Na<sup>+</sup> or S<sup>2-</sup>.</li></ul>"
           "<p>Practise them in <a href=\"#practicemode\">Practice</a>.</p>";
}

HelpDocument programHelp()
{
    const std::vector<Section> sections = {
        {"Working with Valkora",
         {
             {"lists", "The ion lists", 0, {},
              "<p>When Valkora starts it shows its two ion lists: the cations, then the anions. "
              "Each ion has a number, a name, a symbol and a charge. The numbers are the ones "
              "that <a href=\"#delete\">Delete</a> and <a href=\"#change\">Change</a> ask for, "
              "and the highest cation and anion numbers that practice and quizzes draw from "
              "count down the lists in the same way.</p>"
              "<p>Digits in a symbol are shown lowered, as in SO<sub>4</sub>. Use the scroll bar, "
              "the Up and Down arrow keys or Page Up and Page Down to see more of the lists.</p>"
              "<p>Here the menu bar holds the Quiz and List menus, Practice and Help.</p>"},
             {"practicemode", "Practice", 0, {},
              "<p>In practice the window shows one compound at a time, made of a random cation "
              "and a random anion from the part of the lists you chose. The questions take "
              "turns: first a formula for you to name, then a name for you to write as a "
              "formula, and so on.</p>"
              "<p>Type your answer and press Enter. Valkora tells you at once whether it was "
              "right; when it was not, it shows your answer and the correct one. Your score "
              "is kept as you go.</p>"
              "<p>Names must be typed exactly as the lists spell them, capital letters and "
              "spaces included, for example <i>Sodium chloride</i>. Type a formula on one "
              "line, with its digits as ordinary digits: Na3PO4 is shown as "
              "Na<sub>3</sub>PO<sub>4</sub>. You can type letters, the digits 2 to 9, spaces "
              "and brackets; Backspace takes back the last character. Anything else only "
              "beeps.</p>"
              "<p>During practice the menu bar holds the Practice menu (Print Results, Quit "
              "Practice, Exit Program) and Help.</p>"
              "<p>The rules your answers are marked by, with examples, are in "
              "<a href=\"#rules\">Naming compounds and writing formulas</a>; what Valkora "
              "tells you of a wrong answer is in <a href=\"#mistakes\">When an answer is "
              "wrong</a>.</p>"},
             {"rules", "Naming compounds and writing formulas", 0, {}, rulesTopic()},
             {"mistakes", "When an answer is wrong", 0, {}, mistakesTopic()},
             {"quizpreview", "Quiz preview", 0, {},
              "<p>A new quiz, or one opened from a file, is shown in quiz preview before "
              "anything is printed: the heading, then the numbered exercises. Scroll to see "
              "all of it.</p>"
              "<p>The menu bar then holds <a href=\"#print\">Print</a>, "
              "<a href=\"#dontprint\">Don't Print</a> and Help. Either of the first two ends "
              "the preview and brings back the ion lists.</p>"},
             {"files", "Where Valkora keeps its files", 0, {},
              "<p>Valkora keeps its files in its data folder, the folder it runs in:</p>"
              "<ul><li><b>valkora.cat</b> holds the cations,</li>"
              "<li><b>valkora.ani</b> holds the anions,</li>"
              "<li><b>valkora.hed</b> holds the quiz heading.</li></ul>"
              "<p>Every change to a list is saved at once, so there is nothing to save when "
              "you leave. The heading is saved when you accept it in "
              "<a href=\"#new\">New</a>. Valkora does not make a heading file of its own: "
              "valkora.hed must be there before you make a quiz.</p>"
              "<p>Quizzes you keep are quiz files ending in <b>.qzz</b>, saved wherever you "
              "choose and read back with <a href=\"#open\">Open</a>.</p>"},
             {"keys", "Keys", 0, {},
              "<table cellspacing=\"2\" cellpadding=\"2\">"
              "<tr><td>F3</td><td><a href=\"#new\">New</a></td></tr>"
              "<tr><td>F4</td><td><a href=\"#open\">Open</a></td></tr>"
              "<tr><td>F5</td><td><a href=\"#printlist\">Print List</a></td></tr>"
              "<tr><td>F6</td><td><a href=\"#add\">Add</a></td></tr>"
              "<tr><td>F7</td><td><a href=\"#delete\">Delete</a></td></tr>"
              "<tr><td>F8</td><td><a href=\"#change\">Change</a></td></tr>"
              "<tr><td>F9</td><td><a href=\"#sort\">Sort</a></td></tr>"
              "<tr><td>Home</td><td><a href=\"#quitpractice\">Quit Practice</a></td></tr>"
              "<tr><td>Alt+X</td><td><a href=\"#exit\">Exit</a></td></tr>"
              "</table>"
              "<p>The keys work whichever menu is showing. In a dialog, Enter chooses OK "
              "and Esc chooses Cancel.</p>"},
         }},
        {"The Quiz menu",
         {
             {"new", "New", cmd::New, "Quiz menu, New. Key: F3.",
              "<p>New first shows the quiz heading so that you can change it: lines of up "
              "to 60 characters and 120 characters in all. The end of a line as it came from "
              "valkora.hed counts one character, every line you start with Ctrl+Enter two "
              "and every line the field wraps three. The field shows two lines and does not "
              "scroll: a key or a paste that would need a third line beeps and is refused, "
              "while a heading of more lines from valkora.hed keeps them all. The heading is "
              "kept in valkora.hed line by line as the field shows it; OK on a heading you "
              "did not change keeps every line of the file as it was. Cancel ends New without "
              "a quiz.</p>"
              "<p>Valkora then asks for the highest cation number and the highest anion "
              "number to draw from, as numbered in the ion lists, and makes the quiz: as "
              "many exercises as the smaller of the two numbers, no ion used twice. The "
              "first half give names, for the students to write the formulas; the rest give "
              "formulas, for the students to write the names. The quiz is shown in "
              "<a href=\"#quizpreview\">quiz preview</a>.</p>"
              "<p>No quiz is made while a practice is running or while either list is "
              "empty.</p>"},
             {"open", "Open", cmd::Open, "Quiz menu, Open. Key: F4.",
              "<p>Choose a quiz file (.qzz) that you kept earlier. Its quiz is shown in "
              "<a href=\"#quizpreview\">quiz preview</a> exactly as it was made, ready to "
              "print again. A quiz opened from a file is not offered for saving when you "
              "leave it, as it is already kept.</p>"},
             {"printlist", "Print List", cmd::PrintList, "Quiz menu, Print List. Key: F5.",
              "<p>Prints both ion lists as the window shows them, numbers, names, symbols "
              "and charges, after you have chosen the printer. Long lists go on over as many "
              "pages as they need. Without a printer, choose Print to File (PDF).</p>"
              "<p>While the pages go out a small Printing window shows the page; its Cancel "
              "button, or Esc, stops the printing. Nothing goes to the printer until the last "
              "page is ready, so a job you cancel prints nothing at all.</p>"},
             {"exit", "Exit", cmd::Exit,
              "Quiz menu, Exit; during practice, Practice menu, Exit Program. Key: Alt+X.",
              "<p>Ends Valkora at once, without any question. Changes to the lists are "
              "already saved, but a quiz that you have not saved and practice results that "
              "you have not printed are lost.</p>"},
         }},
        {"The List menu",
         {
             {"add", "Add", cmd::Add, "List menu, Add. Key: F6.",
              "<p>Choose Cation or Anion, then type the ion's name (up to 19 characters), "
              "its symbol (up to 14 characters, such as Fe or SO4) and the size of its "
              "charge, 1 to 4. For an anion type the size only: the minus sign is shown "
              "beside the field. The new ion goes at the end of its list and the list is "
              "saved at once. If another program, or Valkora running a second time, has "
              "changed the list's file since Valkora last read or saved it, the ion is not "
              "added: a warning says so, the list is read again from the file, and you can "
              "add the ion once more.</p>"},
             {"delete", "Delete", cmd::Delete, "List menu, Delete. Key: F7.",
              "<p>Type the number of the ion as the lists show it and choose Cation or "
              "Anion. The ion is removed at once, without a further question, and the ions "
              "after it move up one number. The list is saved at once. If another program, "
              "or Valkora running a second time, has changed the list's file since Valkora "
              "last read or saved it, nothing is deleted: a warning says so, the list is "
              "read again from the file, and you can look up the ion's number and delete it "
              "once more.</p>"},
             {"change", "Change", cmd::Change, "List menu, Change. Key: F8.",
              "<p>Type the number of the ion as the lists show it and choose Cation or "
              "Anion. Its name, symbol and charge are then shown for you to correct. The "
              "ion keeps its number, and the list is saved at once. If another program, or "
              "Valkora running a second time, has changed the list's file since Valkora last "
              "read or saved it, your change is not saved: a warning says so, the list is "
              "read again from the file, and you can make your change once more.</p>"},
             {"sort", "Sort", cmd::Sort, "List menu, Sort. Key: F9.",
              "<p>Puts both lists in alphabetical order of their names and saves them. "
              "Names that begin with a capital letter come before names that begin with a "
              "small one. Sorting renumbers the ions, so it also changes which ions the "
              "highest cation and anion numbers take in. If another program, or Valkora "
              "running a second time, has changed either list's file since Valkora last read "
              "or saved it, neither list is saved: a warning says so, both lists are read "
              "again from their files as they are, and you can sort once more.</p>"},
         }},
        {"Practice",
         {
             {"practice", "Practice", cmd::Practice, "Practice, on the menu bar.",
              "<p>Asks for the highest cation number and the highest anion number to draw "
              "from, as numbered in the ion lists, and starts a practice with the ions up "
              "to those numbers. See <a href=\"#practicemode\">Practice</a> for how to "
              "answer.</p>"
              "<p>Nothing happens while a practice is already running or while either list "
              "is empty.</p>"},
             {"printresults", "Print Results", cmd::PrintResults,
              "Practice menu, Print Results.",
              "<p>Asks for the student's first and last name and prints the number of "
              "correct answers out of the number tried. Once you have given the name, the "
              "score starts again from zero and the practice goes on with a new "
              "question.</p>"
              "<p>To print the answers that were wrong as well, tick the print dialog's "
              "<a href=\"#review\">Review</a> option.</p>"},
             {"review", "Review", 0, "Practice menu, Print Results: the Review tab of the "
              "print dialog.",
              "<p>With \"Also print the questions to review\" ticked, the results page comes "
              "out as always, followed by pages of their own headed Questions to review and "
              "the student's name: every answer marked wrong since the score last started "
              "from zero, with its number, the question, the answer typed, the correct "
              "answer and, where Valkora can tell, why it was wrong. The latest 1000 are "
              "listed, and a line counts any earlier ones. The last lines count the "
              "mistakes by kind. The tick stays as you left it until Valkora ends.</p>"},
             {"quitpractice", "Quit Practice", cmd::QuitPractice,
              "Practice menu, Quit Practice. Key: Home.",
              "<p>Ends the practice and brings back the ion lists. If any answer has been "
              "marked since the score last started from zero, Valkora first offers to print "
              "the results.</p>"},
         }},
        {"Quiz preview",
         {
             {"print", "Print", cmd::PrintQuiz, "Print, on the menu bar of quiz preview.",
              "<p>Prints the quiz after you have chosen the printer. Valkora then offers to "
              "save a new quiz in a quiz file (.qzz), so that you can print it again later "
              "with <a href=\"#open\">Open</a>, and brings back the ion lists.</p>"
              "<p>To print the answers as well, tick the print dialog's "
              "<a href=\"#answerkey\">Answer key</a> option.</p>"},
             {"answerkey", "Answer key", 0, "Print, on the menu bar of quiz preview: the "
              "Answer key tab of the print dialog.",
              "<p>With \"Also print an answer key\" ticked, the quiz pages come out as "
              "always, followed by the key on pages of its own: the title Answer key, the "
              "quiz heading, and each exercise's number with its answer, the formula for "
              "a name and the name for a formula. The page numbers in the print dialog count "
              "the quiz pages and the key pages together. The tick stays as you left it "
              "until Valkora ends.</p>"
              "<p>A new quiz is answered from the ions it was made of. A quiz opened from a "
              "file holds only its texts, so its answers are looked up in the ion lists as "
              "they are now: where several ions fit, every answer is printed, joined by "
              "\"or\"; where none fits, the key shows a question mark and says at the end "
              "how many exercises could not be answered.</p>"},
             {"dontprint", "Don't Print", cmd::DontPrint,
              "Don't Print, on the menu bar of quiz preview.",
              "<p>Leaves the quiz without printing it. Valkora still offers to save a new "
              "quiz in a quiz file (.qzz), then brings back the ion lists.</p>"},
         }},
        {"For teachers",
         {
             {"cli", "The valkora-cli command", 0, {},
              "<p><b>valkora-cli</b> works on the same data folder as Valkora, without a "
              "window: answer keys, several versions of a quiz, PDF files and the ion lists "
              "as a spreadsheet file.</p>"
              "<ul><li><b>valkora-cli make --cations 12 --anions 10 --versions 3 -o week1</b> "
              "makes three quizzes as <a href=\"#new\">New</a> does, each with its PDF and the "
              "PDF of its answer key. The seed it prints makes the same quizzes again with "
              "<b>--seed</b>.</li>"
              "<li><b>valkora-cli key week1.qzz</b> lists the answers of a stored quiz; "
              "<b>-o key.pdf</b> prints them as the <a href=\"#answerkey\">Answer key</a> "
              "pages are printed.</li>"
              "<li><b>valkora-cli print week1.qzz -o week1.pdf --key</b> prints a stored "
              "quiz, and its key after it, to a PDF file.</li>"
              "<li><b>valkora-cli lists export -o lists.csv</b> and <b>valkora-cli lists "
              "import lists.csv</b> take the <a href=\"#lists\">ion lists</a> to and from a "
              "spreadsheet; an import with any bad row changes nothing, and neither does "
              "one without cation rows or without anion rows unless <b>--allow-empty</b> "
              "asks to empty that list.</li>"
              "<li><b>valkora-cli lists check</b> names entries that would teach something "
              "wrong, such as CO for cobalt.</li>"
              "<li><b>valkora-cli explain \"Calcium nitrate\" CaNO32</b> marks an answer as "
              "practice does and says why it is wrong, as in <a href=\"#mistakes\">When an "
              "answer is wrong</a>; <b>valkora-cli explain --csv class.csv -o marked.csv</b> "
              "marks a class's answers from a form's export, each row with its verdict, the "
              "correct answer and why.</li></ul>"
              "<p>The data folder is ~/Valkora, or the one given with <b>--dir</b>. Every "
              "command explains itself with <b>--help</b>.</p>"},
         }},
        {"The Help menu",
         {
             {"helpindex", "Help Index", cmd::HelpIndex, "Help menu, Help Index.",
              "<p>Opens this help at its contents page. If the help window is already "
              "open, it comes to the front at the contents page.</p>"},
             {"usinghelp", "Using Help", cmd::UsingHelp, "Help menu, Using Help.",
              "<p>Opens a short guide to the help window itself: the contents page, links, "
              "going back, scrolling and closing the window.</p>"},
         }},
    };
    const std::string introduction =
        "<p>Valkora helps students learn the names and formulas of ionic compounds. It keeps "
        "a list of cations and a list of anions, gives practice in naming compounds and "
        "writing their formulas, and makes printed quizzes.</p>"
        "<p>Click a topic to read it.</p>";
    return {"valkora.hlp", "Valkora Help", render("Valkora Help", introduction, sections)};
}

HelpDocument viewerHelp()
{
    const std::vector<Section> sections = {
        {"The help window",
         {
             {"opening", "Opening help", 0, {},
              "<p>Choose Help Index on the Help menu for the program's help, or Using Help "
              "for this guide. Each opens in a window of its own, at its contents page. "
              "Choosing it again while its window is open brings the window to the front, "
              "back at the contents page.</p>"},
             {"contentspage", "The contents page", 0, {},
              "<p>The contents page at the top of the help lists every topic. Click the "
              "<b>Contents</b> button, or press Alt+C, to come back to it from anywhere.</p>"},
             {"links", "Following links", 0, {},
              "<p>Underlined words are links. Click one to go to its topic. From the keyboard, "
              "Tab moves from link to link and Enter follows the one that is marked.</p>"},
             {"back", "Going back", 0, {},
              "<p>The <b>Back</b> button, or Alt+B, returns to the place you came from, one "
              "step at a time, as far back as the page you started on. It is greyed when "
              "there is nowhere to go back to.</p>"},
             {"scrolling", "Scrolling", 0, {},
              "<p>Use the scroll bar, the mouse wheel, the Up and Down arrow keys, or Page Up "
              "and Page Down to read further. You can also select text with the mouse and "
              "copy it with Ctrl+C.</p>"},
             {"closing", "Closing the help window", 0, {},
              "<p>Click the window's close box or press Esc. The program goes on as before, "
              "and you can open the help again at any time. When the program ends, its help "
              "windows close with it.</p>"},
         }},
    };
    const std::string introduction =
        "<p>The help window shows a help document: a contents page at the top and the "
        "topics below it. Click a topic to read it.</p>";
    return {"WINHELP.HLP", "Using Help", render("Using Help", introduction, sections)};
}

} // namespace

const HelpDocument* helpDocument(const std::string& fileName)
{
    static const HelpDocument program = programHelp();
    static const HelpDocument viewer = viewerHelp();
    if (fileName == program.fileName)
        return &program;
    if (fileName == viewer.fileName)
        return &viewer;
    return nullptr;
}
