#pragma once

#include <memory>
#include <optional>
#include <string>

class QObject;
class QPrinter;
class DialogValues;
struct DialogTemplate;

// The "Printing" dialog while a print job runs: it shows the page going out and offers Cancel.
class PrintingProgress {
public:
    virtual ~PrintingProgress() = default;
    // "Now printing Page n of"; the window events are handled here, so Cancel can be pressed.
    virtual void showPage(int page) = 0;
    virtual bool cancelled() = 0;
};

// The choice that the open and save dialogs of quiz files share, so that the name chosen
// last is offered next time.
struct FileChoice {
    std::string filterName = "Quiz Files";
    std::string pattern = "*.qzz";
    std::string defaultExtension = "qzz"; // added to a name given without one
    std::string fileName;                 // the name chosen last, empty at first
};

// A further choice the print dialog offers on a tab of its own: one check box, ticked or not.
// The texts are the offering view's own.
struct PrintChoice {
    std::string tab; // the tab's title
    std::string box; // the check box's text
    bool on = false; // how the box shows when the dialog opens
};

// OK in the print dialog, with the offered choice's box as the user left it.
struct PrintAnswer {
    bool ticked = false;
};

enum class MessageIcon { Exclamation, Information, Question, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every modal interaction of the program goes through this seam: the window layer shows real
// boxes and dialogs, the tests answer from a script and record what was asked. Owners are
// passed as QObject so that domain code needs no widget types.
class Ui {
public:
    virtual ~Ui() = default;

    // The text and caption are UTF-8: the program's own words are plain ASCII, and a file's
    // name stands in them as the file system spells it (fileNameText of FileNameText.h).
    virtual MessageAnswer messageBox(QObject* owner, const std::string& text,
                                     const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    // Runs the dialog modally on its bound values; returns dialogOk or dialogCancel. The
    // program calls it through runDialog<DialogId>() of resources/DialogRecords.h.
    virtual int runDialog(QObject* owner, const DialogTemplate& dialog,
                          DialogValues& values) = 0;

    // The open-file dialog: an existing file in an existing folder. False when cancelled.
    virtual bool openFileDialog(QObject* owner, FileChoice& choice) = 0;
    // The save-file dialog: any name in an existing folder. False when cancelled.
    virtual bool saveFileDialog(QObject* owner, FileChoice& choice) = 0;

    // The print dialog: printer, copies and a page range within [firstPage, lastPage], no
    // selection. The choices are kept in the printer. Given a choice, its tab offers it.
    // Nothing when cancelled.
    virtual std::optional<PrintAnswer> printDialog(QObject* owner, QPrinter& printer,
                                                   int firstPage, int lastPage,
                                                   const PrintChoice* offered) = 0;

    // Opens the modeless "Printing" dialog with its three lines; it closes when the result is
    // destroyed.
    virtual std::unique_ptr<PrintingProgress> openPrintingDialog(QObject* owner,
                                                                 const std::string& documentLine,
                                                                 const std::string& printerLine) = 0;

    // The system's default sound.
    virtual void beep() = 0;

    // Help requests: show the contents page of a help document, and close it again.
    virtual void showHelpContents(QObject* owner, const std::string& helpFile) = 0;
    virtual void closeHelp(const std::string& helpFile) = 0;
};
