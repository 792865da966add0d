#pragma once

#include "gui/HelpViewer.h"
#include "platform/Ui.h"

#include <QPointer>

class QWidget;

// The Ui of the running program: real message boxes, dialogs built from their templates and
// our help window.
class QtUi final : public Ui {
public:
    MessageAnswer messageBox(QObject* owner, const std::string& text, const std::string& caption,
                             MessageIcon icon, MessageButtons buttons) override;
    int runDialog(QObject* owner, const DialogTemplate& dialog, DialogValues& values) override;
    bool openFileDialog(QObject* owner, FileChoice& choice) override;
    bool saveFileDialog(QObject* owner, FileChoice& choice) override;
    std::optional<PrintAnswer> printDialog(QObject* owner, QPrinter& printer, int firstPage,
                                           int lastPage, const PrintChoice* offered) override;
    std::unique_ptr<PrintingProgress> openPrintingDialog(QObject* owner,
                                                         const std::string& documentLine,
                                                         const std::string& printerLine) override;
    void beep() override;
    void showHelpContents(QObject* owner, const std::string& helpFile) override;
    void closeHelp(const std::string& helpFile) override;

    // A picture on the screen that must never cover a box or dialog: it is closed before the
    // first one is shown.
    void setSplash(QWidget* splash) { this->splash = splash; }

private:
    void closeSplash();

    HelpViewer help;
    QPointer<QWidget> splash;
};
