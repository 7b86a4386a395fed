// Runs arbitrary text as a zeph script: command lines and the answer lines before them, read
// by the shell from a file descriptor as a batch run reads its script. Commands that ask every
// kind of question take the answers; unanswered questions, unused answers, bad quoting and
// overlong lines must each end in an error line, never in a crash or a hang.
#include "console/console_commands.h"
#include "console/console_shell.h"
#include "console/input_stream.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/timers.h"
#include "ui/console_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {
using zeph::Invocation;

void check(bool ok) {
    if (!ok) std::abort();
}

// Commands that ask what the program's commands ask, one kind each.
void add_asking_commands(zeph::CommandTable& table) {
    auto add = [&table](const char* name, zeph::CommandHandler handler) {
        table.add({name, "[WORD...]", "asks", 0, 8, std::move(handler)});
    };
    add("ask", [](Invocation& inv) {
        return inv.session.platform().ask_yes_no("zeph", "Go on?") == ui::Answer::Yes;
    });
    add("ask3", [](Invocation& inv) {
        return inv.session.platform().ask_yes_no_cancel("zeph", "Save?") != ui::Answer::Cancel;
    });
    add("prompt", [](Invocation& inv) {
        auto text = inv.session.platform().prompt_text(
            "Enter name:", inv.args.empty() ? "" : inv.args[0], 32);
        check(!text || text->size() <= 32);
        return text.has_value();
    });
    add("pick", [](Invocation& inv) {
        return inv.session.platform().pick_point("Select a position.").has_value();
    });
    add("area", [](Invocation& inv) {
        return inv.session.platform().pick_rect("Select an area.").has_value();
    });
    add("open-file", [](Invocation& inv) {
        return inv.session.platform().open_file({"Open", "", "", ""}).has_value();
    });
    add("save-file", [](Invocation& inv) {
        return inv.session.platform().save_file({"Save", "", "", "a.vdp"}).has_value();
    });
    // The builtin wait really waits; a script may ask for a day.
    table.add({"wait", "SECONDS", "does not wait here", 1, 1, [](Invocation&) { return true; }});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int fd = memfd_create("script", MFD_CLOEXEC);
    if (fd < 0) return 0;
    for (std::size_t done = 0; done < size;) {
        ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) {
            close(fd);
            return 0;
        }
        done += static_cast<std::size_t>(n);
    }
    lseek(fd, 0, SEEK_SET);
    {
        zeph::Timers timers;
        zeph::InputStream input(fd, &timers);
        std::ostringstream out;
        ui::ConsolePlatform console(input, out, false);
        // No settings file: the session starts from the defaults.
        zeph::Session session(console, timers, {"/nonexistent/zeph.ini", false, [] {}});
        zeph::Shell shell(console, input, timers, session);
        zeph::add_console_commands(shell);
        add_asking_commands(shell.commands());
        int exits = 0;
        shell.set_leave_handlers([&exits] { return ++exits > 0; }, [] {});
        shell.start_up(
            [&console] { return console.ask_yes_no("zeph", "Remove lock?") == ui::Answer::Yes; });
        int status = shell.run();
        check(status == 0 || status == 1);
        check(console.pending_answers() == 0);
        check(exits <= 1);
    }
    close(fd);
    return 0;
}
