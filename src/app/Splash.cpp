#include "app/Splash.h"

#include "platform/Clock.h"
#include "resources/Artwork.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

namespace splash {

QPoint position(QSize screen, QSize picture)
{
    return {screen.width() / 2 - picture.width() / 2, screen.height() / 2 - picture.height() / 2};
}

QWidget* show()
{
    const QPixmap picture = splashPicture();
    // Not kept on top: a message box of the catalogue load must come up over it.
    auto* window = new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setPixmap(picture);
    window->setFixedSize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().topLeft() + position(screen->size(), picture.size()));
    window->show();
    QApplication::processEvents();
    return window;
}

void wait(Clock& clock, const std::function<void()>& pause)
{
    const std::int64_t start = clock.seconds();
    while (clock.seconds() < start + 3)
        pause();
}

} // namespace splash
