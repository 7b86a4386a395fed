// The vocabulary of the shell: one descriptor per command with its name, its arguments, a
// one-line help and its handler. Every area registers its commands next to their code; a front
// end that reads command lines (the console) only looks them up and runs them on its session.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

class Session;

// What a command sees of the front end that runs it: where it prints its lines ("<kind>:
// <text>" in the console), and the end of the program.
class CommandShell {
  public:
    virtual ~CommandShell() = default;
    virtual void print(const char* kind, const std::string& text) = 0;
    void error(const std::string& text) { print("error", text); }
    // "E&xit" was chosen: the front end leaves as its own exit does (asking first).
    virtual void request_exit() = 0;
};

struct Invocation {
    const std::vector<std::string>& args; // the words after the command name
    CommandShell& shell;
    Session& session;
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

// Runs the command on the invocation's session, inside the session's working directory.
bool run_command(const CommandDescriptor& command, Invocation& invocation);

// "name args" as help shows it.
std::string command_synopsis(const CommandDescriptor& command);

// Every command of the session's areas, in the order help lists them after the front end's
// own: the file commands, design setup and packages, HDL files, block diagrams, generation,
// verification, pictures, the main window's vocabulary and navigation, and the settings.
void add_session_commands(CommandTable& table);

} // namespace zeph
