#pragma once

#include <QAbstractScrollArea>

class Clock;
class Ui;

// The quiz view: shows a generated or opened quiz in quiz preview mode.
class TQuizWindow : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Seeds the program's random generator from the clock.
    TQuizWindow(Ui& ui, Clock& clock, QWidget* parent = nullptr);

    // Open, and the two ways of leaving a quiz.
    bool OpenQuiz();
    void PrintQuiz();
    void LeaveQuiz();

private:
    Ui& ui;
};
