#pragma once

#include <QPointer>
#include <QSize>

class QWidget;

// A solid caret in a widget: created with a size, then placed, shown, hidden and destroyed,
// as the practice view's answer line needs it.
class Caret {
public:
    ~Caret();

    void create(QWidget* owner, QSize size);
    void place(int x, int y);
    void show();
    void hide();
    void destroy();

    bool exists() const { return !block.isNull(); }
    // The caret's widget while it exists, for tests and for drawing order.
    QWidget* widget() const { return block; }

private:
    QPointer<QWidget> block;
};
