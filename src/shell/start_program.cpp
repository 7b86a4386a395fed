// The start-up sequence of zeph and the end of the program.
#include "shell/start_program.h"

#include "foundation/cwmem.h"
#include "foundation/message_table.h"
#include "foundation/system_message.h"
#include "shell/blockdiagram_commands.h"
#include "shell/builtin_commands.h"
#include "shell/command_line.h"
#include "shell/generate_commands.h"
#include "shell/hdl_file_commands.h"
#include "shell/import_commands.h"
#include "shell/input_stream.h"
#include "shell/logical_directories.h"
#include "shell/picture_commands.h"
#include "shell/project_session.h"
#include "shell/report_channels.h"
#include "shell/sample_report.h"
#include "shell/settings_commands.h"
#include "shell/settings_file.h"
#include "shell/setup_commands.h"
#include "shell/shell.h"
#include "shell/verify_commands.h"
#include "shell/version.h"
#include "ui/console_platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace zeph {

namespace {

constexpr const char* kUsage =
    "usage: zeph [OPTION]... [PROJECT]\n"
    "Design entry for VHDL and Verilog. PROJECT names a design project (NAME or NAME.vdp) in\n"
    "the current directory or in the designs directory of the settings.\n"
    "\n"
    "  --batch FILE     run the commands of FILE, then end\n"
    "  --settings FILE  use FILE as the settings file instead of zeph.ini\n"
    "  --sample-report  show the report of a built-in sample design\n"
    "  --help           show this text\n"
    "  --version        show the version\n"
    "\n"
    "Commands are read one per line from the terminal, from FILE, or from standard input when\n"
    "it is not a terminal; the command 'help' lists them.\n";

bool path_exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Opens or creates the project named on the command line; false when there is none or it
// was refused or failed.
bool open_project_argument(const CommandLine& line, const Settings& settings,
                           const std::string& cwd, ProjectSession& session) {
    if (!line.project) return false;
    ProjectArgument argument = check_project_argument(*line.project);
    if (!argument.refusal.empty()) {
        ui::platform().message_box(program_name(), argument.refusal);
        return false;
    }
    std::optional<std::string> path = place_project(argument.name, settings, cwd, path_exists);
    return path && (path_exists(*path) || session.create_project(*path)) &&
           session.load_project(*path);
}

int run_shell(const CommandLine& line, int input_fd, bool interactive) {
    Timers timers;
    InputStream input(input_fd, &timers);
    ui::ConsolePlatform console(input, std::cout, interactive);
    ui::set_platform(&console);
    struct PlatformReset {
        ~PlatformReset() { ui::set_platform(nullptr); }
    } reset_platform;

    std::optional<std::string> cwd = current_directory();
    if (!cwd) {
        console.message_box(program_name(), fragment_text(fragment::kIllegalPwd));
        return 1;
    }
    SettingsFile settings(line.settings_file.value_or(locate_settings_file()));

    if (!cwmem_initialised()) cwmem_init();
    install_report_channels();
    settings.load();
    apply_report_settings(settings.settings());

    Shell shell(console, input, timers);
    std::unique_ptr<ProjectSession> session =
        make_project_session({settings, timers, [&shell] { shell.end_now(); }, interactive});
    add_builtin_commands(shell);
    session->add_commands(shell.commands());
    add_setup_commands(
        shell, settings, [&] { return session->design(); }, [&] { session->mark_modified(); });
    add_hdl_file_commands(
        shell, settings, [&] { return session->design(); }, [&] { session->mark_modified(); });
    add_blockdiagram_commands(shell, settings, *session);
    add_generate_commands(shell, settings, [&] { return session->design(); });
    add_import_commands(
        shell, settings, [&] { return session->design(); }, [&] { session->mark_modified(); });
    add_verify_commands(shell, settings, *session);
    add_picture_commands(shell, settings, *session);
    add_settings_commands(shell, settings, [&] {
        apply_report_settings(settings.settings());
        session->settings_changed();
    });
    auto write_settings_on_exit = [&] {
        if (settings.settings().gui.save_settings_on_exit) settings.save();
    };
    shell.set_leave_handlers(
        [&] {
            if (!session->close_for_exit()) return false;
            write_settings_on_exit();
            return true;
        },
        [&] {
            session->abandon();
            write_settings_on_exit();
        });
    shell.set_title_source([&] { return session->title(); });

    if (!shell.start_up(
            [&] { return open_project_argument(line, settings.settings(), *cwd, *session); }))
        session->start_untitled();
    return shell.run();
}

int show_sample_report() {
    ui::ConsolePlatform console(std::cin, std::cout, false);
    ui::set_platform(&console);
    if (!cwmem_initialised()) cwmem_init();
    write_sample_report();
    ui::set_platform(nullptr);
    return 0;
}

} // namespace

int start_program(int argc, char** argv) {
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

    int fd = STDIN_FILENO;
    if (line.batch_file) {
        fd = open(line.batch_file->c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            std::cerr << "zeph: cannot open batch file '" << *line.batch_file
                      << "': " << std::strerror(errno) << '\n';
            return 2;
        }
    }
    int status = run_shell(line, fd, !line.batch_file && isatty(STDIN_FILENO) == 1);
    if (fd != STDIN_FILENO) close(fd);
    cwmem_shutdown();
    return status;
}

} // namespace zeph
