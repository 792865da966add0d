#include "quiz/TQuizWindow.h"

#include "platform/Clock.h"
#include "platform/Random.h"

TQuizWindow::TQuizWindow(Ui& ui, Clock& clock, QWidget* parent)
    : QAbstractScrollArea(parent)
    , ui(ui)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    programRandom().seed(static_cast<std::uint32_t>(clock.seconds()));
}

// Quiz generation, quiz files and the quiz printout come with the quiz itself.
bool TQuizWindow::OpenQuiz()
{
    return false;
}

void TQuizWindow::PrintQuiz() {}

void TQuizWindow::LeaveQuiz() {}
