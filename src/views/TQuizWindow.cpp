#include "views/TQuizWindow.h"

#include "platform/Clock.h"
#include "platform/FileNameText.h"
#include "platform/Random.h"
#include "print/ChainedPrintout.h"
#include "quiz/AnswerKeyPrintout.h"
#include "quiz/MyQuizPrintout.h"
#include "quiz/QuizDrawing.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizGeneration.h"
#include "quiz/QuizHeading.h"
#include "views/DrawnText.h"
#include "views/ViewAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

TQuizWindow::TQuizWindow(Ui& ui, Clock& clock, Random& random, QWidget* parent)
    : ScrolledView(minimumRange, parent)
    , ui(ui)
    , random(random)
    , printer(ui)
{
    installViewAccessibility();
    random.seed(static_cast<std::uint32_t>(clock.seconds()));
    quizChanged();
}

void TQuizWindow::takeWorkingLists(const IonCatalogue& catalogue, IonRange range)
{
    lists = {};
    buildWorkingLists(catalogue, range, lists);
}

void TQuizWindow::CreateQuiz()
{
    quiz.clear();
    drawnPairs.reset();
    const std::optional<std::vector<std::string>> heading =
        quiz_heading::allReads(QString::fromLatin1(quiz_heading::fileName));
    if (!heading) {
        ui.messageBox(this, "The Valkora.hed file cannot be found on the current directory.",
                      "Warning", MessageIcon::Exclamation);
        quizChanged();
        return;
    }
    quiz = quiz_generation::createQuiz(*heading, lists, random, &drawnPairs.emplace());
    fromFile = false;
    quizChanged();
}

bool TQuizWindow::OpenQuiz()
{
    if (!ui.openFileDialog(this, fileChoice))
        return false;
    OpenQuizFile(fileChoice.fileName);
    return true;
}

bool TQuizWindow::OpenQuizFile(const std::string& name)
{
    fileChoice.fileName = name;
    const bool opened = ReadQuizFile(name);
    fromFile = true;
    return opened;
}

bool TQuizWindow::ReadQuizFile(const std::string& name)
{
    // The quiz shown is replaced, so the count always matches the lines.
    quiz.clear();
    drawnPairs.reset();
    const quiz_file::ReadResult read = quiz_file::read(QString::fromLocal8Bit(name.c_str()));
    if (!read.opened) {
        ui.messageBox(this, "Cannot open " + fileNameText(name), "Information",
                      MessageIcon::Exclamation);
    } else {
        quiz = read.sentences;
        if (quiz.size() < read.promised)
            ui.messageBox(this, quiz_file::damagedMessage(fileNameText(name), read),
                          "Information", MessageIcon::Exclamation);
    }
    quizChanged();
    return read.opened;
}

void TQuizWindow::WriteQuizFile(const std::string& name)
{
    if (!quiz_file::save(QString::fromLocal8Bit(name.c_str()), quiz))
        ui.messageBox(this, "File cannot be found!", "Warning", MessageIcon::Exclamation);
}

void TQuizWindow::PrintQuiz(const IonCatalogue& catalogue)
{
    MyQuizPrintout quizPages(quiz);
    AnswerKeyPrintout keyPages([this, &catalogue] { return answerKey(catalogue); });
    const std::optional<PrintAnswer> answer =
        printer.askPrint(this, quizPages.title(), &answerKeyChoice);
    if (!answer)
        return;
    answerKeyChoice.on = answer->ticked;
    ChainedPrintout printout(quizPages, keyPages, answer->ticked);
    printer.Print(this, printout, false);
}

answer_key::Key TQuizWindow::answerKey(const IonCatalogue& catalogue) const
{
    return drawnPairs ? answer_key::fromPairs(quiz, *drawnPairs)
                      : answer_key::fromCatalogue(quiz, catalogue);
}

void TQuizWindow::LeaveQuiz()
{
    if (!fromFile &&
        ui.messageBox(this, "Do you want to save this quiz?", "Save Quiz?", MessageIcon::Question,
                      MessageButtons::YesNo) == MessageAnswer::Yes &&
        ui.saveFileDialog(this, fileChoice))
        WriteQuizFile(fileChoice.fileName);
    lists.cations.clear();
    lists.anions.clear();
    quiz.clear();
    drawnPairs.reset();
    quizChanged();
}

void TQuizWindow::quizChanged()
{
    drawingChanged();
    shownLines.reset();
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

TQuizWindow::ShownLine TQuizWindow::shownLine(int line) const
{
    if (line < 0 || std::size_t(line) >= quiz.size())
        return {};
    if (!shownLines) {
        // The whole quiz at once, since each exercise's number counts the ones before it.
        DrawnText drawn(QFontMetrics(viewport()->font(), viewport()));
        quiz_drawing::drawAll(drawn, quiz);
        const int height = std::max(1, drawn.textHeight());
        shownLines.emplace(quiz.size());
        for (std::size_t k = 0; k < quiz.size(); ++k)
            (*shownLines)[k].rect = QRect(0, int(k) * height, 0, height);
        // Line k stands at y = k times the text height, its subscripts less than a line lower.
        for (const DrawnText::Line& drawnLine : drawn.lines()) {
            const auto k = std::size_t(drawnLine.y() / height);
            if (k < shownLines->size())
                (*shownLines)[k] = {drawnLine.text(), drawnLine.rect()};
        }
    }
    ShownLine shown = (*shownLines)[std::size_t(line)];
    shown.rect.translate(0, -scrollPosition() * scrollUnit);
    return shown;
}

int TQuizWindow::drawingHeight(int lineHeight) const
{
    return quiz_drawing::drawingHeight(quiz, lineHeight);
}

void TQuizWindow::drawBetween(TextSurface& surface, int top, int bottom, int shift)
{
    quiz_drawing::draw(surface, quiz,
                       quiz_drawing::linesBetween(quiz, surface.textHeight(), top, bottom), shift);
}

void TQuizWindow::keyPressEvent(QKeyEvent* event)
{
    // The quiz scrolls by its scroll bar only; keys go on to the main window.
    event->ignore();
}
