#include "gui/Caret.h"

#include <QWidget>

Caret::~Caret()
{
    destroy();
}

void Caret::create(QWidget* owner, QSize size)
{
    destroy();
    block = new QWidget(owner);
    block->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Filled in the text colour; without a role of its own it would take its owner's ground.
    block->setBackgroundRole(QPalette::WindowText);
    block->setAutoFillBackground(true);
    block->resize(size);
    // A new caret is hidden until shown.
    block->hide();
}

void Caret::place(int x, int y)
{
    if (!block)
        return;
    block->move(x, y);
    // Placed from its owner's paint, the block would otherwise wait for another reason to be
    // drawn at its new place.
    block->update();
}

void Caret::show()
{
    if (block) {
        block->raise();
        block->show();
    }
}

void Caret::hide()
{
    if (block)
        block->hide();
}

void Caret::destroy()
{
    delete block.data();
}
