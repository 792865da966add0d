#include "app/TMyApp.h"

#include "app/Splash.h"
#include "app/TFrame.h"
#include "resources/Accelerators.h"
#include "resources/Artwork.h"

#include <QPointer>
#include <QStyleFactory>

#include <chrono>
#include <thread>

TMyApp::TMyApp(int& argc, char** argv)
    : application(argc, argv)
{
    QApplication::setApplicationName("Valkora");
}

TMyApp::~TMyApp() = default;

int TMyApp::run()
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
    return QApplication::exec();
}
