// The console front end of zeph: reads one command per line from its input, looks it up in the
// command table and runs it on the session. Answers to the questions a command asks are given
// before it ("answer" lines); a question left unanswered in a script abandons that command
// with an error line, and the script goes on with the next one.
#pragma once

#include "console/input_stream.h"
#include "shell/command_table.h"
#include "shell/timers.h"
#include "ui/console_platform.h"

#include <functional>
#include <optional>
#include <string>

namespace zeph {

class Session;

class Shell : public CommandShell {
  public:
    // `input` is what the console reads its answers from as well. The commands run on
    // `session`.
    Shell(ui::ConsolePlatform& console, InputStream& input, Timers& timers, Session& session);

    CommandTable& commands() { return commands_; }
    Timers& timers() { return timers_; }
    ui::ConsolePlatform& console() { return console_; }
    bool interactive() const { return console_.interactive(); }

    // What leaving the program does: `leave` may ask (unsaved changes) and returns false when
    // the user stays; `abandon` ends without asking, when a question cannot be answered at the
    // end of the input.
    void set_leave_handlers(std::function<bool()> leave, std::function<void()> abandon);
    // The main window's title, printed as a "title" line whenever it changes.
    void set_title_source(std::function<std::string()> title) { title_ = std::move(title); }

    // Runs the start-up (the project named on the command line) before the first command. In
    // a script, the answers at its top are offered to it first; those it does not take stay
    // for the first command. An unanswered question abandons it (false, an error line).
    bool start_up(const std::function<bool()>& body);
    // Runs commands until "exit" or the end of the input. Returns the exit status: 0, or 1
    // when a command of a script failed or the program ended after a failure.
    int run();
    // Runs one line; false when it failed.
    bool execute_line(const std::string& line);
    // The "exit" command: leaves when the leave handler agrees.
    bool leave();
    void request_exit() override { leave(); }
    // Ends the main loop without asking anything, after a failure the program cannot go on
    // from; the exit status is then 1.
    void end_now() {
        exit_requested_ = true;
        ended_by_failure_ = true;
    }

    // Prints one "<kind>: <text>" line (a line per line of text).
    void print(const char* kind, const std::string& text) override { console_.print(kind, text); }
    int failures() const { return failures_; }

  private:
    bool dispatch(const CommandDescriptor& command, const std::vector<std::string>& args);
    // Runs `body` as the command `name`, turning an unanswered question or an exception into
    // an error line and nullopt.
    std::optional<bool> guarded(const std::string& name, const std::function<bool()>& body);
    // Queues the "answer" lines at the top of a script; keeps the first other line.
    void queue_leading_answers();
    void end_of_input();
    void show_title_if_changed();

    ui::ConsolePlatform& console_;
    InputStream& input_;
    Timers& timers_;
    Session& session_;
    CommandTable commands_;
    std::function<bool()> leave_;
    std::function<void()> abandon_;
    std::function<std::string()> title_;
    std::string shown_title_;
    std::optional<std::string> pending_line_; // read ahead by queue_leading_answers
    bool exit_requested_ = false;
    bool ended_by_failure_ = false;
    int failures_ = 0;
};

} // namespace zeph
