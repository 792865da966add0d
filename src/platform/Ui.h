#pragma once

#include <string>

class QObject;
class TransferRecord;
struct DialogTemplate;

enum class MessageIcon { Exclamation, Information, Question, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every modal interaction of the program goes through this seam: the window layer shows real
// boxes and dialogs, the tests answer from a script and record what was asked. Owners are
// passed as QObject so that domain code needs no widget types.
class Ui {
public:
    virtual ~Ui() = default;

    virtual MessageAnswer messageBox(QObject* owner, const std::string& text,
                                     const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    // Runs the dialog modally with its transfer record; returns dialogOk or dialogCancel.
    virtual int runDialog(QObject* owner, const DialogTemplate& dialog,
                          TransferRecord& record) = 0;

    // The system's default sound.
    virtual void beep() = 0;

    // Help requests: show the contents page of a help document, and close it again.
    virtual void showHelpContents(QObject* owner, const std::string& helpFile) = 0;
    virtual void closeHelp(const std::string& helpFile) = 0;
};
