#include "support/ScriptedUi.h"

#include "platform/DialogTemplate.h"
#include "platform/TransferRecord.h"

#include <gtest/gtest.h>

ScriptedUi::DialogStep& ScriptedUi::DialogStep::text(int field, std::string value)
{
    texts.emplace_back(field, std::move(value));
    return *this;
}

ScriptedUi::DialogStep& ScriptedUi::DialogStep::choice(int field, std::uint32_t value)
{
    choices.emplace_back(field, value);
    return *this;
}

ScriptedUi::~ScriptedUi()
{
    if (!steps.empty())
        ADD_FAILURE() << steps.size() << " scripted dialog(s) never shown, the first "
                      << steps.front().templateName;
    if (!answers.empty())
        ADD_FAILURE() << answers.size() << " scripted answer(s) never asked for";
}

ScriptedUi::DialogStep& ScriptedUi::expectDialog(std::string templateName)
{
    steps.push_back(DialogStep(std::move(templateName)));
    return steps.back();
}

MessageAnswer ScriptedUi::messageBox(QObject* owner, const std::string& text,
                                     const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons)
{
    log.push_back({Call::Kind::Message, text, caption, icon, buttons, owner, {}, {}});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return MessageAnswer::No;
    }
    const MessageAnswer reply = answers.front();
    answers.pop_front();
    return reply;
}

int ScriptedUi::runDialog(QObject* owner, const DialogTemplate& dialog, TransferRecord& record)
{
    Call call{Call::Kind::Dialog, dialog.name, {}, {}, {}, owner, {}, {}};
    for (int i = 0; i < record.fieldCount(); ++i) {
        if (record.kind(i) == TransferRecord::Kind::Text)
            call.shownTexts.push_back(record.text(i));
        else
            call.shownChoices.push_back(record.choice(i));
    }
    log.push_back(std::move(call));

    if (steps.empty()) {
        ADD_FAILURE() << "unscripted dialog " << dialog.name;
        return dialogCancel;
    }
    DialogStep step = std::move(steps.front());
    steps.pop_front();
    EXPECT_EQ(step.templateName, dialog.name) << "the script expected another dialog";
    if (step.result != dialogOk)
        return dialogCancel;
    for (const auto& [field, value] : step.texts)
        record.setText(field, value);
    for (const auto& [field, value] : step.choices)
        record.setChoice(field, value);
    return dialogOk;
}

void ScriptedUi::beep()
{
    log.push_back({Call::Kind::Beep, {}, {}, {}, {}, nullptr, {}, {}});
}

void ScriptedUi::showHelpContents(QObject* owner, const std::string& helpFile)
{
    log.push_back({Call::Kind::ShowHelp, helpFile, {}, {}, {}, owner, {}, {}});
}

void ScriptedUi::closeHelp(const std::string& helpFile)
{
    log.push_back({Call::Kind::CloseHelp, helpFile, {}, {}, {}, nullptr, {}, {}});
}

std::vector<ScriptedUi::Call> ScriptedUi::callsOf(Call::Kind kind) const
{
    std::vector<Call> result;
    for (const Call& call : log)
        if (call.kind == kind)
            result.push_back(call);
    return result;
}

std::vector<std::string> ScriptedUi::messages() const
{
    std::vector<std::string> result;
    for (const Call& call : log)
        if (call.kind == Call::Kind::Message)
            result.push_back(call.text + "|" + call.caption);
    return result;
}
