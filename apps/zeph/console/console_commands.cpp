// help, answer, wait and exit.
#include "console/console_commands.h"

#include "console/console_shell.h"
#include "foundation/strings.h"

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

bool help(Shell& shell, Invocation& inv) {
    const CommandTable& table = shell.commands();
    if (inv.args.empty()) {
        for (const CommandDescriptor& c : table.commands())
            print_help_line(shell, c);
        return true;
    }
    const CommandDescriptor* c = table.find(inv.args.front());
    if (c == nullptr) {
        shell.error("no command '" + inv.args.front() + "'");
        return false;
    }
    print_help_line(shell, *c);
    return true;
}

bool answer(Shell& shell, Invocation& inv) {
    std::string text;
    for (const std::string& word : inv.args)
        text += (text.empty() ? "" : " ") + word;
    shell.console().queue_answer(text);
    return true;
}

bool wait(Shell& shell, Invocation& inv) {
    const std::string& word = inv.args.front();
    char* end = nullptr;
    double seconds = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(seconds) || seconds < 0 ||
        seconds > kMaxWaitSeconds) {
        shell.error("wait: '" + word + "' is not a number of seconds from 0 to 86400");
        return false;
    }
    shell.timers().wait_for(std::chrono::milliseconds(std::llround(seconds * 1000)));
    return true;
}

} // namespace

void add_console_commands(Shell& shell) {
    CommandTable& t = shell.commands();
    Shell* s = &shell;
    t.add({"help", "[COMMAND]", "List the commands, or show one", 0, 1,
           [s](Invocation& inv) { return help(*s, inv); }});
    t.add({"answer", "TEXT...",
           "Answer a question of the next command (yes, no, cancel, a text, <cancel>)", 1, 64,
           [s](Invocation& inv) { return answer(*s, inv); }, true});
    t.add({"wait", "SECONDS", "Wait, running the periodic jobs (autobackup) meanwhile", 1, 1,
           [s](Invocation& inv) { return wait(*s, inv); }});
    t.add({"exit", "", "Exit the application", 0, 0, [s](Invocation&) {
               s->leave();
               return true;
           }});
}

} // namespace zeph
