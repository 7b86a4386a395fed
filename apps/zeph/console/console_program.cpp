// The start-up sequence of zeph in the console and the end of the program.
#include "console/console_program.h"

#include "console/console_commands.h"
#include "console/console_shell.h"
#include "console/input_stream.h"
#include "console/report_channels.h"
#include "foundation/cwmem.h"
#include "foundation/message_table.h"
#include "foundation/system_message.h"
#include "shell/command_line.h"
#include "shell/command_table.h"
#include "shell/logical_directories.h"
#include "shell/sample_report.h"
#include "shell/session.h"
#include "shell/settings_file.h"
#include "shell/start_up.h"
#include "shell/version.h"
#include "ui/console_platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace zeph {

namespace {

constexpr const char* kUsage =
    "usage: zeph [OPTION]... [PROJECT]\n"
    "Design entry for VHDL and Verilog. PROJECT names a design project (NAME or NAME.vdp) in\n"
    "the current directory or in the designs directory of the settings.\n"
    "\n"
    "  --batch FILE     run the commands of FILE, then end\n"
    "  --console        run the shell even when the main window could open\n"
    "  --settings FILE  use FILE as the settings file instead of zeph.ini\n"
    "  --sample-report  show the report of a built-in sample design\n"
    "  --help           show this text\n"
    "  --version        show the version\n"
    "\n"
    "Commands are read one per line from the terminal, from FILE, or from standard input when\n"
    "it is not a terminal; the command 'help' lists them. A build with the main window opens\n"
    "it instead when a display is at hand (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set), the\n"
    "standard input is a terminal and neither --batch nor --console is given.\n";

int run_shell(const CommandLine& line, int input_fd, bool interactive) {
    Timers timers;
    InputStream input(input_fd, &timers);
    ui::ConsolePlatform console(input, std::cout, interactive);

    std::optional<std::string> cwd = current_directory();
    if (!cwd) {
        console.message_box(program_name(), fragment_text(fragment::kIllegalPwd));
        return 1;
    }
    if (!cwmem_initialised()) cwmem_init();
    ReportChannels channels(console);

    Shell* shell_running = nullptr;
    Session session(console, timers,
                    {line.settings_file.value_or(locate_settings_file()), interactive, [&] {
                         if (shell_running != nullptr) shell_running->end_now();
                     }});
    Shell shell(console, input, timers, session);
    shell_running = &shell;
    add_console_commands(shell);
    add_session_commands(shell.commands());
    shell.set_leave_handlers([&] { return session.close_for_exit(); }, [&] { session.abandon(); });
    shell.set_title_source([&] { return session.title(); });

    if (!shell.start_up([&] { return open_project_argument(session, line.project, *cwd); }))
        session.start_untitled();
    return shell.run();
}

int show_sample_report() {
    ui::ConsolePlatform console(std::cin, std::cout, false);
    if (!cwmem_initialised()) cwmem_init();
    write_sample_report(console);
    return 0;
}

} // namespace

int start_program(int argc, char** argv, const WindowProgram& window) {
    CommandLine line = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::cerr << "zeph: " << line.error << "\n" << kUsage;
        return 2;
    }
    if (line.help) {
        std::cout << kUsage;
        return 0;
    }
    if (line.version) {
        std::cout << "zeph " << kVersion << '\n';
        return 0;
    }
    if (line.sample_report) return show_sample_report();

    bool terminal = isatty(STDIN_FILENO) == 1;
    if (window && opens_window(line, terminal, display_available(std::getenv)))
        return window(argc, argv, line);

    int fd = STDIN_FILENO;
    if (line.batch_file) {
        fd = open(line.batch_file->c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            std::cerr << "zeph: cannot open batch file '" << *line.batch_file
                      << "': " << std::strerror(errno) << '\n';
            return 2;
        }
    }
    int status = run_shell(line, fd, !line.batch_file && terminal);
    if (fd != STDIN_FILENO) close(fd);
    cwmem_shutdown();
    return status;
}

} // namespace zeph
