#pragma once

#include <functional>
#include <map>

// A window's table of commands: identifiers bound to handlers.
class CommandTable {
public:
    void bind(int command, std::function<void()> handler);
    bool holds(int command) const { return handlers.count(command) != 0; }
    // Runs the handler; false when the table holds no entry for the command.
    bool dispatch(int command) const;

private:
    std::map<int, std::function<void()>> handlers;
};

// A command goes to the client view's table first, then to the main window's; a command
// that neither holds is ignored. Returns whether a handler ran.
bool routeCommand(int command, const CommandTable* client, const CommandTable& frame);
