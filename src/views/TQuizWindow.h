#pragma once

#include "compound/IonRange.h"
#include "gui/Printer.h"
#include "platform/Ui.h"
#include "quiz/AnswerKey.h"
#include "quiz/TSentence.h"

#include "gui/ScrolledView.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class Clock;
class Random;

// The quiz view: holds the quiz being shown and its working lists, draws the quiz numbered
// and with lowered subscripts, prints it, and keeps it in quiz files.
class TQuizWindow : public ScrolledView {
    Q_OBJECT
public:
    static constexpr int minimumRange = 400;

    // Seeds the program's random generator from the clock.
    TQuizWindow(Ui& ui, Clock& clock, Random& random, QWidget* parent = nullptr);

    // Copies of the first ions of the range, for the next CreateQuiz; whatever copies a quiz
    // still shown had taken go first.
    void takeWorkingLists(const IonCatalogue& catalogue, IonRange range);
    const WorkingLists& workingLists() const { return lists; }
    const SentenceList& sentences() const { return quiz; }
    std::uint32_t sentenceCount() const { return static_cast<std::uint32_t>(quiz.size()); }
    bool openedFromFile() const { return fromFile; }
    const FileChoice& quizFileChoice() const { return fileChoice; }

    // A new quiz from the heading file and the working lists, drawn at once.
    void CreateQuiz();
    // The open dialog, then the chosen file read; false when no file was chosen.
    bool OpenQuiz();
    // What Open does once a file is chosen: the file is read and its name offered next time.
    // False when the file could not be opened.
    bool OpenQuizFile(const std::string& name);
    // False when the file could not be opened; its message has then been shown.
    bool ReadQuizFile(const std::string& name);
    void WriteQuizFile(const std::string& name);
    // The print dialog offers the answer key, found from the catalogue for a quiz that was not
    // generated here.
    void PrintQuiz(const IonCatalogue& catalogue);
    // A generated quiz answered from the pairs it was drawn from, any other from the lists.
    answer_key::Key answerKey(const IonCatalogue& catalogue) const;
    // Whether "Also print an answer key" is ticked: off at first, then as last chosen.
    bool answerKeyChosen() const { return answerKeyChoice.on; }
    // Offers to store a quiz that did not come from a file, then empties the quiz.
    void LeaveQuiz();

    // The quiz line by line as drawn, exercises with their numbers, as a screen reader reads
    // it, with where each line stands in the viewport.
    struct ShownLine {
        QString text;
        QRect rect;
    };
    ShownLine shownLine(int line) const;

protected:
    int drawingHeight(int lineHeight) const override;
    void drawBetween(TextSurface& surface, int top, int bottom, int shift) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The scroll position stays.
    void quizChanged();

    Ui& ui;
    Random& random;
    WorkingLists lists;
    SentenceList quiz;
    bool fromFile = false;
    FileChoice fileChoice;
    Printer printer;
    // The pairs of the quiz shown when it was generated here; a quiz file holds only texts.
    std::optional<std::vector<CompoundPair>> drawnPairs;
    PrintChoice answerKeyChoice{"Answer key", "Also print an answer key", false};
    // What the lines read, unscrolled; made when first asked for after a change.
    mutable std::optional<std::vector<ShownLine>> shownLines;
};
