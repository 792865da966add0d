#include "platform/CommandTable.h"

void CommandTable::bind(int command, std::function<void()> handler)
{
    handlers[command] = std::move(handler);
}

bool CommandTable::dispatch(int command) const
{
    const auto found = handlers.find(command);
    if (found == handlers.end())
        return false;
    // Copied: a handler may rebind the table it was called from.
    const std::function<void()> handler = found->second;
    handler();
    return true;
}

bool routeCommand(int command, const CommandTable* client, const CommandTable& frame)
{
    if (client && client->dispatch(command))
        return true;
    return frame.dispatch(command);
}
