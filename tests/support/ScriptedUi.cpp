#include "support/ScriptedUi.h"

#include "platform/DialogTemplate.h"
#include "platform/DialogValues.h"
#include "resources/DialogTemplates.h"

#include <QPrinter>
#include <QString>

#include <gtest/gtest.h>

ScriptedUi::PrintStep& ScriptedUi::PrintStep::pages(int from, int to)
{
    fromPage = from;
    toPage = to;
    return *this;
}

ScriptedUi::PrintStep& ScriptedUi::PrintStep::copies(int count)
{
    copyCount = count;
    return *this;
}

ScriptedUi::PrintStep& ScriptedUi::PrintStep::queue(std::string name)
{
    queueName = std::move(name);
    return *this;
}

ScriptedUi::PrintStep& ScriptedUi::PrintStep::tick(bool on)
{
    ticked = on;
    return *this;
}

ScriptedUi::~ScriptedUi()
{
    if (!fileSteps.empty())
        ADD_FAILURE() << fileSteps.size() << " scripted file dialog(s) never shown";
    if (!printSteps.empty())
        ADD_FAILURE() << printSteps.size() << " scripted print dialog(s) never shown";
    if (!steps.empty())
        ADD_FAILURE() << steps.size() << " scripted dialog(s) never shown, the first "
                      << dialogTemplate(steps.front().dialog).name;
    if (!answers.empty())
        ADD_FAILURE() << answers.size() << " scripted answer(s) never asked for";
}

void ScriptedUi::logCall(Call call)
{
    log.push_back(std::move(call));
    if (watcher)
        watcher(log.back());
}

ScriptedUi::DialogStep& ScriptedUi::expectDialog(DialogId dialog)
{
    steps.push_back(DialogStep(dialog));
    return steps.back();
}

MessageAnswer ScriptedUi::messageBox(QObject* owner, const std::string& text,
                                     const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons)
{
    // A message is shown as UTF-8: a single-byte name or file name put in as it is would not
    // show as it should.
    for (const std::string* shown : {&text, &caption})
        if (QString::fromStdString(*shown).toStdString() != *shown)
            ADD_FAILURE() << "a message that is not UTF-8: " << *shown;
    logCall({Call::Kind::Message, text, caption, icon, buttons, owner, {}, {}, {}, {}, {}, {}});
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

int ScriptedUi::runDialog(QObject* owner, const DialogTemplate& dialog, DialogValues& values)
{
    Call call{Call::Kind::Dialog, dialog.name, {}, {}, {}, owner, dialog.id, {}, {}, {}, {}, {}};
    for (const DialogValues::Field& field : values.fields()) {
        if (field.kind == DialogValues::Kind::Text)
            call.shownTexts[field.controlId] = values.text(field.controlId);
        else
            call.shownChoices[field.controlId] = values.choice(field.controlId);
    }
    logCall(std::move(call));

    if (steps.empty()) {
        ADD_FAILURE() << "unscripted dialog " << dialog.name;
        return dialogCancel;
    }
    DialogStep step = std::move(steps.front());
    steps.pop_front();
    EXPECT_EQ(dialogTemplate(step.dialog).name, dialog.name)
        << "the script expected another dialog";
    if (step.result != dialogOk || step.dialog != dialog.id)
        return dialogCancel;
    for (const auto& [control, value] : step.texts)
        values.setText(control, value);
    for (const auto& [control, value] : step.choices)
        values.setChoice(control, value);
    return dialogOk;
}

bool ScriptedUi::fileDialog(QObject* owner, FileChoice& choice, bool save)
{
    logCall({save ? Call::Kind::SaveFile : Call::Kind::OpenFile, choice.fileName, {}, {}, {},
             owner, {}, {}, {}, {}, {}, {}});
    EXPECT_EQ(choice.filterName + " (" + choice.pattern + ")", "Quiz Files (*.qzz)");
    EXPECT_EQ(choice.defaultExtension, "qzz");
    if (fileSteps.empty()) {
        ADD_FAILURE() << "unscripted file dialog";
        return false;
    }
    const FileStep step = fileSteps.front();
    fileSteps.pop_front();
    EXPECT_EQ(step.save, save) << "the script expected the other file dialog";
    if (!step.ok)
        return false;
    choice.fileName = step.fileName;
    return true;
}

bool ScriptedUi::openFileDialog(QObject* owner, FileChoice& choice)
{
    return fileDialog(owner, choice, false);
}

bool ScriptedUi::saveFileDialog(QObject* owner, FileChoice& choice)
{
    return fileDialog(owner, choice, true);
}

ScriptedUi::PrintStep& ScriptedUi::expectPrintDialog(std::string outputFile)
{
    printSteps.push_back(PrintStep(std::move(outputFile)));
    return printSteps.back();
}

std::optional<PrintAnswer> ScriptedUi::printDialog(QObject* owner, QPrinter& printer,
                                                   int firstPage, int lastPage,
                                                   const PrintChoice* offered)
{
    Call call{Call::Kind::PrintDialog, std::to_string(firstPage) + "-" + std::to_string(lastPage),
              {}, {}, {}, owner, {}, {}, {}, {}, {}, {}};
    if (offered) {
        call.choiceShown = offered->on;
        call.choiceTab = offered->tab;
        call.choiceBox = offered->box;
    }
    logCall(std::move(call));
    if (printSteps.empty()) {
        ADD_FAILURE() << "unscripted print dialog";
        return std::nullopt;
    }
    const PrintStep step = printSteps.front();
    printSteps.pop_front();
    if (step.ticked && !offered)
        ADD_FAILURE() << "the script ticks a box in a print dialog that offers none";
    if (!step.accepted)
        return std::nullopt;
    const PrintAnswer answer{offered && step.ticked.value_or(offered->on)};
    if (step.queueName.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(step.outputFile));
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setOutputFileName({});
        printer.setPrinterName(QString::fromStdString(step.queueName));
    }
    printer.setCopyCount(step.copyCount);
    if (step.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(step.fromPage, step.toPage);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
        printer.setFromTo(0, 0);
    }
    return answer;
}

namespace {

class ScriptedProgress : public PrintingProgress {
public:
    ScriptedProgress(std::vector<int>& shown, int cancelAt, std::function<void()> closing)
        : shown(shown), cancelAt(cancelAt), closing(std::move(closing))
    {
    }
    ~ScriptedProgress() override { closing(); }
    ScriptedProgress(const ScriptedProgress&) = delete;
    ScriptedProgress& operator=(const ScriptedProgress&) = delete;
    void showPage(int page) override
    {
        shown.push_back(page);
        if (page == cancelAt)
            pressed = true;
    }
    bool cancelled() override { return pressed; }

private:
    std::vector<int>& shown;
    int cancelAt;
    std::function<void()> closing;
    bool pressed = false;
};

} // namespace

std::unique_ptr<PrintingProgress> ScriptedUi::openPrintingDialog(QObject* owner,
                                                                 const std::string& documentLine,
                                                                 const std::string& printerLine)
{
    auto progress = std::make_unique<ScriptedProgress>(pagesShown, cancelAtPage, [this] {
        printingShown = false;
        if (closeWatcher)
            closeWatcher();
    });
    printingShown = true;
    logCall({Call::Kind::Printing, documentLine, printerLine, {}, {}, owner, {}, {}, {}, {}, {},
             {}});
    return progress;
}

void ScriptedUi::beep()
{
    logCall({Call::Kind::Beep, {}, {}, {}, {}, nullptr, {}, {}, {}, {}, {}, {}});
}

void ScriptedUi::showHelpContents(QObject* owner, const std::string& helpFile)
{
    logCall({Call::Kind::ShowHelp, helpFile, {}, {}, {}, owner, {}, {}, {}, {}, {}, {}});
}

void ScriptedUi::closeHelp(const std::string& helpFile)
{
    logCall({Call::Kind::CloseHelp, helpFile, {}, {}, {}, nullptr, {}, {}, {}, {}, {}, {}});
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

void PrintTo(const IonEntry& ion, std::ostream* os)
{
    *os << "IonEntry{\"" << ion.name << "\", \"" << ion.symbol << "\", \"" << ion.charge << "\"}";
}

void PrintTo(const AddChoice& choice, std::ostream* os)
{
    *os << "AddChoice{cation " << choice.cation << ", anion " << choice.anion << "}";
}

void PrintTo(const NumberEntry& number, std::ostream* os)
{
    *os << "NumberEntry{\"" << number.number << "\", cation " << number.cation << ", anion "
        << number.anion << "}";
}

void PrintTo(const RangeEntry& range, std::ostream* os)
{
    *os << "RangeEntry{\"" << range.highestCation << "\", \"" << range.highestAnion << "\"}";
}

void PrintTo(const StudentName& name, std::ostream* os)
{
    *os << "StudentName{\"" << name.first << "\", \"" << name.last << "\"}";
}

void PrintTo(const HeadingEntry& heading, std::ostream* os)
{
    *os << "HeadingEntry{\"" << heading.heading << "\"}";
}
