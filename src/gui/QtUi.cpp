#include "gui/QtUi.h"

#include "gui/PrintingDialog.h"
#include "gui/TemplateDialog.h"
#include "platform/Latin1.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A box needs a visible parent to sit over; before the main window is shown it has none.
QWidget* parentFor(QObject* owner)
{
    auto* widget = qobject_cast<QWidget*>(owner);
    return widget && widget->window()->isVisible() ? widget : nullptr;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtUi::messageBox(QObject* owner, const std::string& text, const std::string& caption,
                               MessageIcon icon, MessageButtons buttons)
{
    closeSplash();
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption),
                    QString::fromStdString(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    parentFor(owner));
    if (buttons == MessageButtons::YesNo)
        box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

int QtUi::runDialog(QObject* owner, const DialogTemplate& dialog, DialogValues& values)
{
    closeSplash();
    TemplateDialog window(dialog, values, parentFor(owner), [this] { beep(); });
    return window.execute();
}

namespace {

bool runFileDialog(QWidget* parent, FileChoice& choice, bool save)
{
    QFileDialog dialog(parent);
    dialog.setNameFilter(fromLatin1Bytes(choice.filterName + " (" + choice.pattern + ")"));
    dialog.setDefaultSuffix(fromLatin1Bytes(choice.defaultExtension));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open takes an existing file only; both need an existing folder.
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!choice.fileName.empty())
        dialog.selectFile(QString::fromLocal8Bit(choice.fileName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    choice.fileName = dialog.selectedFiles().front().toLocal8Bit().toStdString();
    return true;
}

} // namespace

bool QtUi::openFileDialog(QObject* owner, FileChoice& choice)
{
    closeSplash();
    return runFileDialog(parentFor(owner), choice, false);
}

bool QtUi::saveFileDialog(QObject* owner, FileChoice& choice)
{
    closeSplash();
    return runFileDialog(parentFor(owner), choice, true);
}

std::optional<PrintAnswer> QtUi::printDialog(QObject* owner, QPrinter& printer, int firstPage,
                                             int lastPage, const PrintChoice* offered)
{
    closeSplash();
    QPrintDialog dialog(&printer, parentFor(owner));
    dialog.setMinMax(firstPage, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // The dialog takes the tab and deletes it with itself.
    QCheckBox* choiceBox = nullptr;
    if (offered) {
        auto* tab = new QWidget;
        tab->setWindowTitle(fromLatin1Bytes(offered->tab));
        choiceBox = new QCheckBox(fromLatin1Bytes(offered->box), tab);
        choiceBox->setChecked(offered->on);
        auto* layout = new QVBoxLayout(tab);
        layout->addWidget(choiceBox);
        layout->addStretch();
        dialog.setOptionTabs({tab});
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PrintAnswer{choiceBox && choiceBox->isChecked()};
}

std::unique_ptr<PrintingProgress> QtUi::openPrintingDialog(QObject* owner,
                                                           const std::string& documentLine,
                                                           const std::string& printerLine)
{
    return std::make_unique<PrintingDialog>(documentLine, printerLine, qobject_cast<QWidget*>(owner));
}

void QtUi::beep()
{
    QApplication::beep();
}

void QtUi::showHelpContents(QObject* owner, const std::string& helpFile)
{
    help.showContents(helpFile, qobject_cast<QWidget*>(owner));
}

void QtUi::closeHelp(const std::string& helpFile)
{
    help.close(helpFile);
}

void QtUi::closeSplash()
{
    if (splash)
        splash->close();
    splash = nullptr;
}
