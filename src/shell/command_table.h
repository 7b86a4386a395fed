// The vocabulary of the shell: one descriptor per command with its name, its arguments, a
// one-line help and its handler. Every area registers its commands next to their code; the
// engine only looks them up.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

class Shell;

struct Invocation {
    const std::vector<std::string>& args; // the words after the command name
    Shell& shell;
};

// Returns false when the command failed; it has shown why.
using CommandHandler = std::function<bool(Invocation&)>;

struct CommandDescriptor {
    std::string name;      // lower case, words joined by "-"
    std::string arguments; // as shown by help, e.g. "FILE" or "[SECONDS]"
    std::string help;      // one line
    std::size_t min_args = 0;
    std::size_t max_args = 0;
    CommandHandler handler;
    // Answers queued before this command stay queued for the next one ("answer" itself).
    bool keeps_answers = false;
};

class CommandTable {
  public:
    // A second command of the same name replaces the first (an area may refine a command).
    void add(CommandDescriptor command);
    const CommandDescriptor* find(std::string_view name) const;
    // In the order of registration.
    const std::vector<CommandDescriptor>& commands() const { return commands_; }

  private:
    std::vector<CommandDescriptor> commands_;
};

// "name args" as help shows it.
std::string command_synopsis(const CommandDescriptor& command);

} // namespace zeph
