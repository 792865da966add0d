#pragma once

#include "platform/Ui.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The Ui of the tests: answers dialogs and questions from a script and records every call
// with its exact texts, so no test ever waits on a modal loop.
//
//   ui.expectDialog("ADDCAT").text(0, "Iron").text(1, "Fe").text(2, "3").ok();
//   ui.answer(MessageAnswer::Yes);
class ScriptedUi : public Ui {
public:
    struct Call {
        enum class Kind {
            Message, Dialog, Beep, ShowHelp, CloseHelp, PrintDialog, Printing, OpenFile, SaveFile
        };
        Kind kind;
        // Message text, dialog template name, help file, print dialog page limits
        // ("1-2147483647"), the "Printing" dialog's document line, or the file name a file
        // dialog offered.
        std::string text;
        std::string caption;  // message boxes; the "Printing" dialog's printer line
        MessageIcon icon = MessageIcon::Exclamation;
        MessageButtons buttons = MessageButtons::Ok;
        QObject* owner = nullptr;
        // Dialogs: the record's texts and choices as the dialog showed them.
        std::vector<std::string> shownTexts;
        std::vector<std::uint32_t> shownChoices;
    };

    class DialogStep {
    public:
        DialogStep& text(int field, std::string value);
        DialogStep& choice(int field, std::uint32_t value);
        void ok() { result = 1; }
        void cancel() { result = 2; }

    private:
        friend class ScriptedUi;
        explicit DialogStep(std::string name) : templateName(std::move(name)) {}
        std::string templateName;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<std::pair<int, std::uint32_t>> choices;
        int result = 2;
    };

    // The print dialog's answer: OK prints to a PDF file, optionally a page range and copies.
    class PrintStep {
    public:
        PrintStep& pages(int from, int to);
        PrintStep& copies(int count);
        void ok() { accepted = true; }
        void cancel() { accepted = false; }

    private:
        friend class ScriptedUi;
        explicit PrintStep(std::string file) : outputFile(std::move(file)) {}
        std::string outputFile;
        int fromPage = 0;
        int toPage = 0;
        int copyCount = 1;
        bool accepted = false;
    };

    ScriptedUi() = default;
    // Fails the running test when scripted steps were never used.
    ~ScriptedUi() override;

    DialogStep& expectDialog(std::string templateName);
    void answer(MessageAnswer reply) { answers.push_back(reply); }
    PrintStep& expectPrintDialog(std::string outputFile);
    // The open or save dialog answers with this name, or is cancelled.
    void expectOpenFile(std::string fileName) { fileSteps.push_back({false, true, std::move(fileName)}); }
    void expectSaveFile(std::string fileName) { fileSteps.push_back({true, true, std::move(fileName)}); }
    void cancelOpenFile() { fileSteps.push_back({false, false, {}}); }
    void cancelSaveFile() { fileSteps.push_back({true, false, {}}); }
    // Presses Cancel in "Printing" once it shows this page.
    void cancelPrintingAtPage(int page) { cancelAtPage = page; }
    // The pages that "Printing" announced, in order.
    const std::vector<int>& announcedPages() const { return pagesShown; }
    // True from the opening of "Printing" until the program lets go of it.
    bool printingOpen() const { return printingShown; }
    // Called with every call as it is made, before it is answered, so a test can look at the
    // program's state at that moment (its cursor, its windows).
    void onEveryCall(std::function<void(const Call&)> look) { watcher = std::move(look); }
    // Called as "Printing" closes.
    void onPrintingClosed(std::function<void()> look) { closeWatcher = std::move(look); }

    MessageAnswer messageBox(QObject* owner, const std::string& text, const std::string& caption,
                             MessageIcon icon, MessageButtons buttons) override;
    int runDialog(QObject* owner, const DialogTemplate& dialog, TransferRecord& record) override;
    bool openFileDialog(QObject* owner, FileChoice& choice) override;
    bool saveFileDialog(QObject* owner, FileChoice& choice) override;
    bool printDialog(QObject* owner, QPrinter& printer, int firstPage, int lastPage) override;
    std::unique_ptr<PrintingProgress> openPrintingDialog(QObject* owner,
                                                         const std::string& documentLine,
                                                         const std::string& printerLine) override;
    void beep() override;
    void showHelpContents(QObject* owner, const std::string& helpFile) override;
    void closeHelp(const std::string& helpFile) override;

    const std::vector<Call>& calls() const { return log; }
    std::vector<Call> callsOf(Call::Kind kind) const;
    // "text|caption" of every message box, in order: handy for exact comparisons.
    std::vector<std::string> messages() const;
    void clearCalls() { log.clear(); }

private:
    std::deque<DialogStep> steps;
    std::deque<MessageAnswer> answers;
    std::deque<PrintStep> printSteps;
    struct FileStep {
        bool save;
        bool ok;
        std::string fileName;
    };
    std::deque<FileStep> fileSteps;
    bool fileDialog(QObject* owner, FileChoice& choice, bool save);
    void logCall(Call call);
    int cancelAtPage = 0;
    std::vector<int> pagesShown;
    bool printingShown = false;
    std::function<void(const Call&)> watcher;
    std::function<void()> closeWatcher;
    std::vector<Call> log;
};
