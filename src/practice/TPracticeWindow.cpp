#include "practice/TPracticeWindow.h"

#include "resources/CommandIds.h"

TPracticeWindow::TPracticeWindow(Ui& ui, QWidget* parent)
    : QWidget(parent)
    , ui(ui)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    ownCommands.bind(cmd::PrintResults, [this] { printResults(); });
}

// The drill and its printout come with the practice session itself.
void TPracticeWindow::printResults() {}

void TPracticeWindow::endPractice()
{
    highestCation = 0;
    highestAnion = 0;
}
