// The start of zeph's main window.
#include "window_program.h"

#include "console/report_channels.h"
#include "foundation/cwmem.h"
#include "foundation/message_table.h"
#include "foundation/system_message.h"
#include "main_window.h"
#include "qt_platform.h"
#include "shell/command_line.h"
#include "shell/logical_directories.h"
#include "shell/session.h"
#include "shell/settings_file.h"
#include "shell/start_up.h"
#include "timer_pump.h"
#include "window_editing.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace zeph {

namespace {

// Qt ends the process when no platform plugin starts, as with a display that is named but
// cannot be reached (a closed X server, a lost ssh forwarding). Nothing is open yet then: the
// program starts again as the shell, with the arguments it was given.
[[noreturn]] void run_shell_instead() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> words;
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find('\0', start);
        if (end == std::string::npos) end = all.size();
        words.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    words.emplace_back("--console");
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    std::fflush(nullptr);
    execv("/proc/self/exe", args.data());
    std::fputs("The shell could not be started either.\n", stderr);
    std::_Exit(1);
}

void starting_messages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        return;
    }
    std::fprintf(stderr,
                 "%s: the main window cannot open (no display could be reached); the "
                 "shell runs instead.\n",
                 program_name().c_str());
    run_shell_instead();
}

} // namespace

int run_window_program(int& argc, char** argv, const CommandLine& line) {
    QtMessageHandler previous = qInstallMessageHandler(starting_messages);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QString::fromStdString(program_name()));
    QtPlatform platform(program_name());

    std::optional<std::string> cwd = current_directory();
    if (!cwd) {
        platform.message_box(program_name(), fragment_text(fragment::kIllegalPwd));
        return 1;
    }
    if (!cwmem_initialised()) cwmem_init();
    int status = 0;
    {
        ReportChannels channels(platform);
        Timers timers;
        timers.set_failure_handler([&](const std::string& text) { platform.status(text, true); });
        bool ended = false;
        Session session(platform, timers,
                        {line.settings_file.value_or(locate_settings_file()), true, [&] {
                             ended = true;
                             QApplication::exit(1);
                         }});
        MainWindow window(session, platform);
        WindowEditing editing(window, session);
        if (!open_project_argument(session, line.project, *cwd) && !ended) session.start_untitled();
        if (!ended) {
            window.refresh();
            window.show_at_start();
            TimerPump pump(timers);
            status = QApplication::exec();
        } else {
            status = 1;
        }
    }
    cwmem_shutdown();
    return status;
}

} // namespace zeph
