// help, answer, wait and exit.
#include "shell/builtin_commands.h"

#include "foundation/strings.h"
#include "shell/shell.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace zeph {

namespace {
// Longest wait a script may ask for: a day.
constexpr double kMaxWaitSeconds = 86400;

void print_help_line(Shell& shell, const CommandDescriptor& c) {
    shell.print("help", format_text("%-*s %s", kHelpSynopsisWidth, command_synopsis(c).c_str(),
                                    c.help.c_str()));
}

bool help(Invocation& inv) {
    const CommandTable& table = inv.shell.commands();
    if (inv.args.empty()) {
        for (const CommandDescriptor& c : table.commands())
            print_help_line(inv.shell, c);
        return true;
    }
    const CommandDescriptor* c = table.find(inv.args.front());
    if (c == nullptr) {
        inv.shell.error("no command '" + inv.args.front() + "'");
        return false;
    }
    print_help_line(inv.shell, *c);
    return true;
}

bool answer(Invocation& inv) {
    std::string text;
    for (const std::string& word : inv.args)
        text += (text.empty() ? "" : " ") + word;
    inv.shell.console().queue_answer(text);
    return true;
}

bool wait(Invocation& inv) {
    const std::string& word = inv.args.front();
    char* end = nullptr;
    double seconds = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(seconds) || seconds < 0 ||
        seconds > kMaxWaitSeconds) {
        inv.shell.error("wait: '" + word + "' is not a number of seconds from 0 to 86400");
        return false;
    }
    inv.shell.timers().wait_for(std::chrono::milliseconds(std::llround(seconds * 1000)));
    return true;
}

bool exit_program(Invocation& inv) {
    inv.shell.leave();
    return true;
}
} // namespace

void add_builtin_commands(Shell& shell) {
    CommandTable& t = shell.commands();
    t.add({"help", "[COMMAND]", "List the commands, or show one", 0, 1, help});
    t.add({"answer", "TEXT...",
           "Answer a question of the next command (yes, no, cancel, a text, <cancel>)", 1, 64,
           answer, true});
    t.add(
        {"wait", "SECONDS", "Wait, running the periodic jobs (autobackup) meanwhile", 1, 1, wait});
    t.add({"exit", "", "Exit the application", 0, 0, exit_program});
}

} // namespace zeph
