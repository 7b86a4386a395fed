// The main loop of the console shell and the dispatch of one command line.
#include "console/console_shell.h"

#include "foundation/command_words.h"
#include "foundation/strings.h"

#include <new>

namespace zeph {

namespace {
// Longest command line taken; the rest of a longer line is skipped.
constexpr std::size_t kMaxLineLength = 64 * 1024;

enum class LineRead { Line, TooLong, End };

LineRead read_line(std::istream& in, std::string& line) {
    line.clear();
    bool any = false;
    for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
        any = true;
        if (c == '\n') break;
        if (line.size() < kMaxLineLength + 1) line += static_cast<char>(c);
    }
    if (!any) return LineRead::End;
    return line.size() > kMaxLineLength ? LineRead::TooLong : LineRead::Line;
}

std::string trimmed(const std::string& s) {
    return std::string(trim_blanks(s));
}
} // namespace

Shell::Shell(ui::ConsolePlatform& console, InputStream& input, Timers& timers, Session& session)
    : console_(console), input_(input), timers_(timers), session_(session) {
    timers_.set_failure_handler(
        [this](const std::string& what) { error("timer job failed: " + what); });
}

void Shell::set_leave_handlers(std::function<bool()> leave, std::function<void()> abandon) {
    leave_ = std::move(leave);
    abandon_ = std::move(abandon);
}

std::optional<bool> Shell::guarded(const std::string& name, const std::function<bool()>& body) {
    try {
        return body();
    } catch (const ui::QuestionNotAnswered& q) {
        console_.drop_answers();
        error(name + " abandoned: " + q.what());
    } catch (const std::bad_alloc&) {
        error(name + " failed: out of memory");
    } catch (const std::exception& e) {
        error(name + " failed: " + e.what());
    }
    return std::nullopt;
}

bool Shell::dispatch(const CommandDescriptor& command, const std::vector<std::string>& args) {
    return guarded(command.name,
                   [&] {
                       Invocation invocation{args, *this, session_};
                       return run_command(command, invocation);
                   })
        .value_or(false);
}

bool Shell::execute_line(const std::string& line) {
    CommandWords split = split_command_words(line);
    if (!split.error.empty()) {
        error(split.error + ": " + trimmed(line));
        ++failures_;
        return false;
    }
    if (split.words.empty()) return true;

    const std::string& name = split.words.front();
    const CommandDescriptor* command = commands_.find(name);
    if (!interactive() && !(command != nullptr && command->keeps_answers))
        print("command", trimmed(line));
    bool ok = false;
    std::vector<std::string> args(split.words.begin() + 1, split.words.end());
    if (command == nullptr) {
        error("unknown command '" + name + "'; 'help' lists the commands");
    } else if (args.size() < command->min_args || args.size() > command->max_args) {
        error("usage: " + command_synopsis(*command));
    } else {
        ok = dispatch(*command, args);
    }
    if (!(command != nullptr && command->keeps_answers) && console_.pending_answers() > 0) {
        if (ok) {
            std::size_t n = console_.pending_answers();
            error(format_text("%zu answer%s not used by '%s'", n, n == 1 ? "" : "s", name.c_str()));
        }
        console_.drop_answers();
        ok = false;
    }
    if (!ok) ++failures_;
    show_title_if_changed();
    return ok;
}

bool Shell::leave() {
    if (leave_ && !leave_()) return false;
    exit_requested_ = true;
    return true;
}

void Shell::end_of_input() {
    if (interactive()) console_.output() << '\n';
    // The input has ended, so the program ends whatever the answer.
    bool left = guarded("exit", [this] { return !leave_ || leave_(); }).value_or(false);
    if (!left) {
        ++failures_;
        if (abandon_) abandon_();
    }
    if (console_.pending_answers() > 0) {
        std::size_t n = console_.pending_answers();
        error(format_text("%zu answer%s not used at the end of the input", n, n == 1 ? "" : "s"));
        console_.drop_answers();
        ++failures_;
    }
}

void Shell::show_title_if_changed() {
    if (!title_) return;
    std::string title = title_();
    if (title.empty() || title == shown_title_) return;
    shown_title_ = title;
    print("title", title);
}

void Shell::queue_leading_answers() {
    std::string line;
    for (LineRead r; (r = read_line(input_, line)) != LineRead::End;) {
        if (r == LineRead::TooLong) {
            pending_line_ = line;
            return;
        }
        CommandWords split = split_command_words(line);
        if (split.error.empty() && split.words.empty()) continue;
        const CommandDescriptor* command =
            split.error.empty() ? commands_.find(split.words.front()) : nullptr;
        if (command == nullptr || !command->keeps_answers) {
            pending_line_ = line;
            return;
        }
        execute_line(line);
    }
}

bool Shell::start_up(const std::function<bool()>& body) {
    if (!interactive()) queue_leading_answers();
    std::optional<bool> done = guarded("start-up", body);
    if (!done) ++failures_;
    show_title_if_changed();
    return done.value_or(false);
}

int Shell::run() {
    show_title_if_changed();
    while (!exit_requested_) {
        std::string line;
        LineRead got = LineRead::Line;
        if (pending_line_) {
            line = *pending_line_;
            pending_line_.reset();
        } else {
            if (interactive()) console_.output() << "zeph> " << std::flush;
            input_.allow_timers(true);
            got = read_line(input_, line);
            input_.allow_timers(false);
        }
        if (got == LineRead::End) {
            end_of_input();
            break;
        }
        if (got == LineRead::TooLong || line.size() > kMaxLineLength) {
            error(format_text("line longer than %zu characters skipped", kMaxLineLength));
            ++failures_;
            continue;
        }
        execute_line(line);
    }
    return ended_by_failure_ || (!interactive() && failures_ > 0) ? 1 : 0;
}

} // namespace zeph
