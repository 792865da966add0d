#include "gui/PrintingDialog.h"

#include "platform/Latin1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PrintingDialog::PrintingDialog(const std::string& documentLine, const std::string& printerLine,
                               QWidget* over)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , page(new QLabel(QStringLiteral("Now printing"), this))
    , cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    // Not a child of the window it prints from: that window is disabled while the job runs.
    setWindowTitle(QStringLiteral("Printing"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    const auto line = [this, layout](QLabel* label) {
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    };
    line(page);
    line(new QLabel(fromLatin1Bytes(documentLine), this));
    line(new QLabel(fromLatin1Bytes(printerLine), this));
    layout->addSpacing(8);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelPressed = true;
        cancel->setEnabled(false);
    });
    if (over)
        move(over->window()->geometry().center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
    show();
    QApplication::processEvents();
}

void PrintingDialog::showPage(int number)
{
    page->setText(QStringLiteral("Now printing Page %1 of").arg(number));
    QApplication::processEvents();
}

bool PrintingDialog::cancelled()
{
    QApplication::processEvents();
    return cancelPressed;
}

void PrintingDialog::closeEvent(QCloseEvent* event)
{
    // Only the job closes it.
    event->ignore();
}

void PrintingDialog::keyPressEvent(QKeyEvent* event)
{
    // Esc presses Cancel, as in every dialog, instead of rejecting (hiding) this one: only the
    // job closes it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancel->isEnabled())
            cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
