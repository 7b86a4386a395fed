// A zeph session in the test's own process, driven through the console front end: command
// lines go in one at a time and the printed "kind: text" lines collect in a string. The
// session's settings file and the directory it starts in (where untitled projects go) are the
// test's; the working directory of the process is restored at the end, since project
// operations work inside the project's directory.
#pragma once

#include "console/console_commands.h"
#include "console/console_shell.h"
#include "console/input_stream.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/timers.h"
#include "ui/console_platform.h"

#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace zeph::testing_support {

class ConsoleSession {
  public:
    ConsoleSession(const std::filesystem::path& start_directory,
                   const std::filesystem::path& settings_file)
        : previous_directory_(std::filesystem::current_path()) {
        if (pipe(fds_) != 0) throw std::runtime_error("pipe failed");
        std::filesystem::current_path(start_directory);
        input_ = std::make_unique<InputStream>(fds_[0], &timers_);
        console_ = std::make_unique<ui::ConsolePlatform>(*input_, out_, false);
        session_ = std::make_unique<Session>(*console_, timers_,
                                             SessionOptions{settings_file.string(), false, [] {}});
        shell_ = std::make_unique<Shell>(*console_, *input_, timers_, *session_);
        add_console_commands(*shell_);
        add_session_commands(shell_->commands());
        shell_->set_leave_handlers([this] { return session_->close_for_exit(); },
                                   [this] { session_->abandon(); });
        shell_->set_title_source([this] { return session_->title(); });
    }
    ~ConsoleSession() {
        shell_.reset();
        session_.reset();
        console_.reset();
        input_.reset();
        close_input();
        close(fds_[0]);
        std::error_code ignored;
        std::filesystem::current_path(previous_directory_, ignored);
    }
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    Session& session() { return *session_; }
    Shell& shell() { return *shell_; }
    ui::ConsolePlatform& console() { return *console_; }
    Timers& timers() { return timers_; }

    // Runs one command line; false when it failed.
    bool run(const std::string& line) { return shell_->execute_line(line); }
    // Runs the lines in order; false when any failed.
    bool run(std::initializer_list<std::string> lines) {
        bool ok = true;
        for (const std::string& line : lines)
            ok = run(line) && ok;
        return ok;
    }
    // Writes text to the input the console reads (its commands and answers).
    void send(const std::string& text) {
        if (write(fds_[1], text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            throw std::runtime_error("write to the console input failed");
    }
    // The end of the input, as at the end of a script.
    void close_input() {
        if (fds_[1] >= 0) close(fds_[1]);
        fds_[1] = -1;
    }
    InputStream& input() { return *input_; }
    std::ostringstream& output() { return out_; }
    // Everything printed since the last call.
    std::string take_output() {
        std::string text = out_.str();
        out_.str("");
        return text;
    }

  private:
    std::filesystem::path previous_directory_;
    int fds_[2] = {-1, -1};
    Timers timers_;
    std::ostringstream out_;
    std::unique_ptr<InputStream> input_;
    std::unique_ptr<ui::ConsolePlatform> console_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Shell> shell_;
};

} // namespace zeph::testing_support
