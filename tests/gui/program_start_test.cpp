// When zeph opens its window and when its shell: the rule, and the real program fed by a pipe
// with a display at hand still running the shell.
#include "shell/command_line.h"
#include "shell/zeph_process.h"

#include <gtest/gtest.h>

#include <map>

namespace zeph {
namespace {

TEST(ProgramStartTest, TheWindowOpensOnlyWithADisplayATerminalAndNoShellOption) {
    std::map<std::string, std::string> env;
    auto variable = [&](const char* name) -> const char* {
        auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_FALSE(display_available(variable));
    env["DISPLAY"] = "";
    EXPECT_FALSE(display_available(variable)) << "an empty variable is no display";
    env["DISPLAY"] = ":0";
    EXPECT_TRUE(display_available(variable));
    env = {{"WAYLAND_DISPLAY", "wayland-0"}};
    EXPECT_TRUE(display_available(variable));
    env = {{"QT_QPA_PLATFORM", "offscreen"}};
    EXPECT_TRUE(display_available(variable));

    CommandLine plain = parse_command_line({"cpu"});
    EXPECT_TRUE(opens_window(plain, true, true));
    EXPECT_FALSE(opens_window(plain, false, true)) << "a pipe feeds the shell";
    EXPECT_FALSE(opens_window(plain, true, false)) << "no display";
    CommandLine console = parse_command_line({"--console", "cpu"});
    EXPECT_TRUE(console.console);
    EXPECT_EQ(console.project, "cpu");
    EXPECT_FALSE(opens_window(console, true, true));
    EXPECT_FALSE(opens_window(parse_command_line({"--batch", "x.zeph"}), true, true));
}

TEST(ProgramStartTest, APipedInputRunsTheShellEvenWithADisplay) {
    shell_test::ZephRun run;
    run.args = {"--settings", "/nonexistent-dir/zeph.ini"};
    run.input = "help\nexit\n";
    run.env["QT_QPA_PLATFORM"] = "offscreen";
    shell_test::ZephResult result = shell_test::run_zeph(run);
    EXPECT_NE(result.out.find("help: "), std::string::npos) << result.out << result.err;

    shell_test::ZephRun help;
    help.args = {"--help"};
    shell_test::ZephResult usage = shell_test::run_zeph(help);
    EXPECT_EQ(usage.status, 0);
    EXPECT_NE(usage.out.find("--console"), std::string::npos);
    EXPECT_NE(usage.out.find("A build with the main window opens"), std::string::npos);
}

TEST(ProgramStartTest, AnUnreachableDisplayRunsTheShellInstead) {
    // A terminal (script(1) gives one) and a display named but not there.
    shell_test::ZephRun run;
    run.program = "/usr/bin/script";
    run.args = {"-qec",
                std::string("env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:173 ") +
                    ZEPH_PROGRAM + " --settings /nonexistent-dir/zeph.ini",
                "/dev/null"};
    run.input = "help\nexit\n";
    shell_test::ZephResult result = shell_test::run_zeph(run);
    std::string all = result.out + result.err;
    EXPECT_NE(all.find("the main window cannot open (no display could be reached); the shell "
                       "runs instead."),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("help: "), std::string::npos) << all;
    EXPECT_EQ(result.status, 0) << all;
}

} // namespace
} // namespace zeph
