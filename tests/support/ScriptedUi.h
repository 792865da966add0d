#pragma once

#include "platform/Ui.h"
#include "resources/DialogRecords.h"
#include "support/EveryDialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The Ui of the tests: answers dialogs and questions from a script and records every call
// with its exact texts, so no test ever waits on a modal loop.
//
//   ui.expectDialog(DialogId::AddCat).fill(IonEntry{"Iron", "Fe", "3"}).ok();
//   ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
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
        // Dialogs: which one, and its values as it showed them, by control id.
        DialogId dialog = DialogId::FirstDialog;
        std::map<int, std::string> shownTexts;
        std::map<int, std::uint32_t> shownChoices;
        // The print dialog: whether it offered a choice on a tab of its own, and ticked or not,
        // with the tab's title and the check box's text.
        std::optional<bool> choiceShown;
        std::string choiceTab;
        std::string choiceBox;

        // A dialog's values as it showed them, as the record it runs with.
        template <typename Record>
        Record shown() const;
    };

    // One dialog's answer: the fields typed over, then OK or Cancel. Fields not set keep
    // what the dialog showed.
    class DialogStep {
    public:
        template <typename Record>
        DialogStep& set(std::string Record::*member, std::string value)
        {
            texts.emplace_back(controlOf<Record>(member), std::move(value));
            return *this;
        }
        template <typename Record>
        DialogStep& set(std::uint32_t Record::*member, std::uint32_t value)
        {
            choices.emplace_back(controlOf<Record>(member), value);
            return *this;
        }
        // Every field at once.
        template <typename Record>
        DialogStep& fill(const Record& values)
        {
            for (const FieldBinding<Record>& field : dialogFields<Record>()) {
                if (field.text)
                    set(field.text, values.*field.text);
                else
                    set(field.choice, values.*field.choice);
            }
            return *this;
        }
        void ok() { result = 1; }
        void cancel() { result = 2; }

    private:
        friend class ScriptedUi;
        explicit DialogStep(DialogId id) : dialog(id) {}

        template <typename Record, typename Member>
        int controlOf(Member Record::*member)
        {
            if (!dialogRunsWith<Record>(dialog))
                ADD_FAILURE() << "the script sets a field of another dialog's record in "
                              << dialogTemplate(dialog).name;
            for (const FieldBinding<Record>& field : dialogFields<Record>()) {
                if constexpr (std::is_same_v<Member, std::string>) {
                    if (field.text == member)
                        return field.controlId;
                } else if (field.choice == member) {
                    return field.controlId;
                }
            }
            ADD_FAILURE() << "the script sets a field no control is bound to";
            return noControlId;
        }

        DialogId dialog;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<std::pair<int, std::uint32_t>> choices;
        int result = 2;
    };

    // The print dialog's answer: OK prints to a PDF file, optionally a page range and copies.
    class PrintStep {
    public:
        PrintStep& pages(int from, int to);
        PrintStep& copies(int count);
        // Chooses a print server's queue instead of a file.
        PrintStep& queue(std::string name);
        // Ticks or clears the check box of the dialog's own tab; the dialog must offer one.
        PrintStep& tick(bool on);
        void ok() { accepted = true; }
        void cancel() { accepted = false; }

    private:
        friend class ScriptedUi;
        explicit PrintStep(std::string file) : outputFile(std::move(file)) {}
        std::string outputFile;
        std::string queueName;
        int fromPage = 0;
        int toPage = 0;
        int copyCount = 1;
        std::optional<bool> ticked;
        bool accepted = false;
    };

    ScriptedUi() = default;
    // Fails the running test when scripted steps were never used.
    ~ScriptedUi() override;

    DialogStep& expectDialog(DialogId dialog);
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

template <typename Record>
Record ScriptedUi::Call::shown() const
{
    Record record{};
    if (kind != Kind::Dialog || !dialogRunsWith<Record>(dialog)) {
        ADD_FAILURE() << "call " << text << " did not show this record";
        return record;
    }
    for (const FieldBinding<Record>& field : dialogFields<Record>()) {
        if (field.text)
            record.*field.text = shownTexts.at(field.controlId);
        else
            record.*field.choice = shownChoices.at(field.controlId);
    }
    return record;
}

// The dialogs' records as failures show them.
void PrintTo(const IonEntry& ion, std::ostream* os);
void PrintTo(const AddChoice& choice, std::ostream* os);
void PrintTo(const NumberEntry& number, std::ostream* os);
void PrintTo(const RangeEntry& range, std::ostream* os);
void PrintTo(const StudentName& name, std::ostream* os);
void PrintTo(const HeadingEntry& heading, std::ostream* os);
