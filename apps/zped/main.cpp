// zped: the HDL text editor in a terminal, or running a script without one.
#include "editor/batch_editor_ui.h"
#include "editor/buffer_files.h"
#include "editor/command_line.h"
#include "editor/desktop_clipboard.h"
#include "editor/edit_buffer.h"
#include "editor/editor_script.h"
#include "editor/editor_session.h"
#include "editor/file_text.h"
#include "editor/print_job.h"
#include "editor/settings.h"
#include "editor/single_instance.h"
#include "editor/version.h"
#include "terminal_ui.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string settings_problem(const zped::Settings& settings) {
    return "Cannot read the settings file '" + settings.path() + "'; the defaults are used.";
}

int start_editor(const zped::CommandLine& line, zped::InstanceServer& server) {
    std::string install = zped::program_directory();
    zped::Settings settings(zped::default_settings_path(install), install);
    bool settings_read = settings.load();

    zped::terminal::TerminalUi ui;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO) || !ui.open()) {
        std::fputs("zped: needs a terminal\n", stderr);
        return 1;
    }
    zped::set_editor_ui(&ui);
    zped::EditorSession session(settings);
    session.state_directory = zped::default_state_directory();
    ui.attach(session);
    ui.listen_to(server);
    auto clipboard = std::make_unique<zped::DesktopClipboard>(zped::find_clipboard_tool());
    clipboard->set_terminal_sink(
        [&ui](const std::string& text) { ui.set_terminal_clipboard(text); });
    session.install_clipboard(std::move(clipboard));
    if (!settings_read) ui.message_box("zped", settings_problem(settings));
    session.start();
    for (const std::string& name : line.files)
        zped::LoadBuffer(session, name, false, false, zped::kEditWindow);
    session.refresh_enable_groups();

    ui.run();
    if (session.options.save_on_exit && !session.write_settings())
        ui.message_box("zped", "Cannot write the settings file '" + settings.path() + "'.");
    ui.close();
    zped::set_editor_ui(nullptr);
    return 0;
}

// The script mode: the same session without a terminal; what it shows goes to standard output.
int run_batch(const zped::CommandLine& line) {
    std::string script_text;
    if (*line.batch == "-") {
        std::ostringstream in;
        in << std::cin.rdbuf();
        script_text = in.str();
    } else {
        zped::FileContents script = zped::read_file(*line.batch);
        if (!script.opened()) {
            std::fprintf(stderr, "zped: cannot read the script '%s'\n", line.batch->c_str());
            return 2;
        }
        script_text = std::move(script.data);
    }
    std::string install = zped::program_directory();
    zped::Settings settings(zped::default_settings_path(install), install);
    bool settings_read = settings.load();
    zped::BatchEditorUi ui(std::cout);
    zped::set_editor_ui(&ui);
    zped::EditorSession session(settings);
    session.state_directory = zped::default_state_directory();
    session.install_clipboard(
        std::make_unique<zped::DesktopClipboard>(zped::find_clipboard_tool()));
    if (!settings_read) ui.message_box("zped", settings_problem(settings));
    session.start();
    for (const std::string& report : session.startup_errors.lines())
        ui.print("startup", report);

    std::istringstream script(script_text);
    zped::EditorScript runner(session, ui);
    int status = runner.run(script, line.files);
    // Leaving by ExitApp is leaving the editor; the end of the script just stops.
    if (session.exit_requested && session.options.save_on_exit && !session.write_settings()) {
        ui.message_box("zped", "Cannot write the settings file '" + settings.path() + "'.");
        status = 1;
    }
    zped::set_editor_ui(nullptr);
    return status;
}

// "/p FILE": prints the file with the print settings and ends; what it shows goes to standard
// output as in the script mode.
int run_print(const std::string& file) {
    std::string install = zped::program_directory();
    zped::Settings settings(zped::default_settings_path(install), install);
    bool settings_read = settings.load();
    zped::BatchEditorUi ui(std::cout);
    zped::set_editor_ui(&ui);
    zped::EditorSession session(settings);
    session.state_directory = zped::default_state_directory();
    if (!settings_read) ui.message_box("zped", settings_problem(settings));
    session.start();
    int status = 1;
    if (zped::EditBuffer* buffer = zped::LoadBuffer(session, file, false, true, zped::kEditWindow))
        status = zped::print_buffer(session, *buffer, false) == zped::PrintOutcome::Failed ? 1 : 0;
    zped::set_editor_ui(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    zped::CommandLine line = zped::parse_command_line(args);
    if (!line.error.empty()) {
        std::fprintf(stderr, "zped: %s\n%s", line.error.c_str(), zped::kUsage);
        return 2;
    }
    if (line.help) {
        std::fputs(zped::kUsage, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("zped %s\n", zped::kVersionText);
        return 0;
    }
    if (line.print) return run_print(*line.print);
    if (line.batch) return run_batch(line);

    std::string socket = zped::instance_socket_path();
    if (!line.new_instance) {
        std::vector<std::string> absolute;
        for (const std::string& name : line.files)
            absolute.push_back(zped::absolute_file_name(name));
        switch (zped::hand_over(socket, absolute)) {
        case zped::HandOver::Done:
            return 0;
        case zped::HandOver::NoInstance:
            break;
        case zped::HandOver::Failed:
            // A second editor on the same files would go unnoticed by the first one.
            std::fprintf(stderr,
                         "zped: the running zped (socket '%s') does not answer; use /n to start "
                         "another one anyway.\n",
                         socket.c_str());
            return 1;
        }
    }
    zped::InstanceServer server;
    server.listen(socket); // with /n and a running instance, this one simply does not listen
    return start_editor(line, server);
}
