#pragma once

#include "platform/Ui.h"

#include <cstdint>
#include <deque>
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
        enum class Kind { Message, Dialog, Beep, ShowHelp, CloseHelp };
        Kind kind;
        std::string text;     // message text, dialog template name or help file
        std::string caption;  // message boxes
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

    ScriptedUi() = default;
    // Fails the running test when scripted steps were never used.
    ~ScriptedUi() override;

    DialogStep& expectDialog(std::string templateName);
    void answer(MessageAnswer reply) { answers.push_back(reply); }

    MessageAnswer messageBox(QObject* owner, const std::string& text, const std::string& caption,
                             MessageIcon icon, MessageButtons buttons) override;
    int runDialog(QObject* owner, const DialogTemplate& dialog, TransferRecord& record) override;
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
    std::vector<Call> log;
};
