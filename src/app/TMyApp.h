#pragma once

#include "gui/QtUi.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <QApplication>
#include <QString>

#include <memory>
#include <optional>

class TFrame;

// The application object: starts the program in its order and runs it until Exit or until
// the main window is closed.
class TMyApp {
public:
    TMyApp(int& argc, char** argv);
    ~TMyApp();

    // Given a quiz file, opens it once the main window is up, as Open would.
    int run(const std::optional<QString>& quizFile = std::nullopt);

private:
    QApplication application;
    SystemClock clock;
    Random random;
    QtUi ui;
    std::unique_ptr<TFrame> frame;
};
