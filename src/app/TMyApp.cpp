#include "app/TMyApp.h"

#include "app/Splash.h"
#include "app/TFrame.h"
#include "resources/Commands.h"
#include "resources/Artwork.h"

#include <QPointer>
#include <QStyleFactory>
#include <QTimer>

#include <chrono>
#include <thread>

TMyApp::TMyApp(int& argc, char** argv)
    : application(argc, argv)
{
    QApplication::setApplicationName("Valkora");
}

TMyApp::~TMyApp() = default;

int TMyApp::run(const std::optional<QString>& quizFile)
{
    // Dialogs and message boxes look the same on every desktop.
    QApplication::setStyle(QStyleFactory::create("Fusion"));

    QPointer<QWidget> picture = splash::show();
    splash::wait(clock, [] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });

    // The catalogue load inside may show its messages; they close the picture first.
    ui.setSplash(picture);
    frame = std::make_unique<TFrame>(ui, clock, random);
    frame->setWindowIcon(programIcon());
    QApplication::setWindowIcon(programIcon());
    if (picture)
        picture->close();

    frame->show();
    frame->loadAccelerators(acceleratorTable());
    if (quizFile) {
        // From the event loop, so that its messages stand over a window already drawn.
        const std::string name = quizFile->toLocal8Bit().toStdString();
        QTimer::singleShot(0, frame.get(), [this, name] { frame->OpenQuizFile(name); });
    }
    return QApplication::exec();
}
