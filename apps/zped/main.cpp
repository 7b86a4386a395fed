// zped: the HDL text editor in a terminal.
#include "editor/buffer_files.h"
#include "editor/command_line.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/settings.h"
#include "editor/single_instance.h"
#include "editor/version.h"
#include "terminal_ui.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

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
    ui.attach(session);
    if (!settings_read)
        ui.message_box("zped", "Cannot read the settings file '" + settings.path() +
                                   "'; the defaults are used.");
    session.start();
    for (const std::string& name : line.files)
        zped::LoadBuffer(session, name, false, false, zped::kEditWindow);
    session.refresh_enable_groups();

    ui.run(server);
    if (session.options.save_on_exit && !session.write_settings())
        ui.message_box("zped", "Cannot write the settings file '" + settings.path() + "'.");
    ui.close();
    zped::set_editor_ui(nullptr);
    return 0;
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
    if (line.print) {
        std::fprintf(stderr, "zped: printing ('/p %s') is not available in this version.\n",
                     line.print->c_str());
        return 1;
    }

    std::string socket = zped::instance_socket_path();
    if (!line.new_instance) {
        std::vector<std::string> absolute;
        for (const std::string& name : line.files)
            absolute.push_back(zped::absolute_file_name(name));
        if (zped::hand_over(socket, absolute) == zped::HandOver::Done) return 0;
    }
    zped::InstanceServer server;
    server.listen(socket); // with /n and a running instance, this one simply does not listen
    return start_editor(line, server);
}
