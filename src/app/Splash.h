#pragma once

#include <QPoint>
#include <QSize>

#include <functional>

class Clock;
class QWidget;

// The start-up picture, drawn straight onto the middle of the screen.
namespace splash {

// The picture's top-left corner: each half taken in whole pixels, rounded down.
QPoint position(QSize screen, QSize picture);

// Shows Bitmap_1 in the middle of the primary screen and paints it at once. The caller owns
// the window and closes it.
QWidget* show();

// Waits, without handling any event, until the clock reads at least three seconds more than
// it did at the start: more than two and at most three real seconds.
void wait(Clock& clock, const std::function<void()>& pause);

} // namespace splash
