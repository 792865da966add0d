#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>

// Our help window: shows the help documents compiled into the program, one window per
// document, opened at its contents page and closed again on request.
class HelpViewer {
public:
    HelpViewer();
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows the contents page of the document ("valkora.hlp" or "WINHELP.HLP"), opening its
    // window as a window of the owner if needed and bringing it to the front.
    void showContents(const std::string& helpFile, QWidget* owner);
    // Closes and destroys the document's window if it is open.
    void close(const std::string& helpFile);
    // The document's window while it is open, or null.
    QWidget* window(const std::string& helpFile) const;

private:
    std::map<std::string, QPointer<QWidget>> windows;
};
