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

namespace zeph {

int run_window_program(int& argc, char** argv, const CommandLine& line) {
    QApplication application(argc, argv);
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
            window.show();
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
