// The table of shell commands.
#include "shell/command_table.h"

#include "shell/session.h"

namespace zeph {

void CommandTable::add(CommandDescriptor command) {
    for (CommandDescriptor& c : commands_)
        if (c.name == command.name) {
            c = std::move(command);
            return;
        }
    commands_.push_back(std::move(command));
}

const CommandDescriptor* CommandTable::find(std::string_view name) const {
    for (const CommandDescriptor& c : commands_)
        if (c.name == name) return &c;
    return nullptr;
}

bool run_command(const CommandDescriptor& command, Invocation& invocation) {
    invocation.session.enter_working_directory();
    return command.handler(invocation);
}

std::string command_synopsis(const CommandDescriptor& command) {
    return command.arguments.empty() ? command.name : command.name + " " + command.arguments;
}

} // namespace zeph
