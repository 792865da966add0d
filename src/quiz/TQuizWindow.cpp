#include "quiz/TQuizWindow.h"

#include "platform/Clock.h"
#include "platform/QPainterSurface.h"
#include "platform/Random.h"
#include "quiz/MyQuizPrintout.h"
#include "quiz/QuizDrawing.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizGeneration.h"
#include "quiz/QuizHeading.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

TQuizWindow::TQuizWindow(Ui& ui, Clock& clock, QWidget* parent)
    : QAbstractScrollArea(parent)
    , ui(ui)
    , printer(ui)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    programRandom().seed(static_cast<std::uint32_t>(clock.seconds()));
    quizChanged();
}

void TQuizWindow::CreateQuiz(IonRange)
{
    quiz.clear();
    const std::optional<QByteArray> heading =
        quiz_heading::readFile(QString::fromLatin1(quiz_heading::fileName));
    if (!heading) {
        ui.messageBox(this, "The Valkora.hed file cannot be found on the current directory.",
                      "Warning", MessageIcon::Exclamation);
        quizChanged();
        return;
    }
    quiz = quiz_generation::createQuiz(quiz_heading::lineReads(quiz_heading::readAsText(*heading)),
                                       lists, programRandom());
    fromFile = false;
    quizChanged();
}

bool TQuizWindow::OpenQuiz()
{
    if (!ui.openFileDialog(this, fileChoice))
        return false;
    ReadQuizFile(fileChoice.fileName);
    fromFile = true;
    return true;
}

void TQuizWindow::ReadQuizFile(const std::string& name)
{
    // The quiz shown is replaced, so the count always matches the lines.
    quiz.clear();
    const quiz_file::ReadResult read = quiz_file::read(QString::fromLocal8Bit(name.c_str()));
    if (!read.opened) {
        ui.messageBox(this, "Cannot open " + name, "Information", MessageIcon::Exclamation);
    } else {
        quiz = read.sentences;
        if (quiz.size() < read.promised)
            ui.messageBox(this, quiz_file::damagedMessage(name, read), "Information",
                          MessageIcon::Exclamation);
    }
    quizChanged();
}

void TQuizWindow::WriteQuizFile(const std::string& name)
{
    if (!quiz_file::save(QString::fromLocal8Bit(name.c_str()), quiz))
        ui.messageBox(this, "File cannot be found!", "Warning", MessageIcon::Exclamation);
}

void TQuizWindow::PrintQuiz()
{
    MyQuizPrintout printout(quiz);
    printer.Print(this, printout, true);
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
    quizChanged();
}

int TQuizWindow::scrollPosition() const
{
    return verticalScrollBar()->value();
}

int TQuizWindow::scrollRange() const
{
    return verticalScrollBar()->maximum();
}

void TQuizWindow::quizChanged()
{
    // The range is never less than 400 units, and a long quiz gets what it takes to bring its
    // last line into sight. The scroll position stays.
    const int h = QFontMetrics(viewport()->font(), viewport()).height();
    const int excess = quiz_drawing::drawingHeight(quiz, h) + 10 - viewport()->height();
    const int needed = excess <= 0 ? 0 : (excess + scrollUnit - 1) / scrollUnit;
    verticalScrollBar()->setRange(0, std::max(minimumRange, needed));
    verticalScrollBar()->setPageStep(std::max(1, (viewport()->height() + 1) / scrollUnit - 1));
    viewport()->update();
}

void TQuizWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QPainterSurface surface(painter);
    const int shift = scrollPosition() * scrollUnit;
    const QRect area = event->rect();
    quiz_drawing::draw(surface, quiz,
                       quiz_drawing::linesBetween(quiz, surface.textHeight("X"), area.top() + shift,
                                                  area.bottom() + 1 + shift),
                       shift);
}

void TQuizWindow::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    quizChanged();
}

void TQuizWindow::scrollContentsBy(int, int dy)
{
    viewport()->scroll(0, dy * scrollUnit);
}

void TQuizWindow::keyPressEvent(QKeyEvent* event)
{
    // The quiz scrolls by its scroll bar only; keys go on to the main window.
    event->ignore();
}
