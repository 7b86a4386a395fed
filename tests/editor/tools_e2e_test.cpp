// The real zped program in a real terminal (tmux) running real compilers: GHDL on a VHDL file
// with two errors, Icarus Verilog and Verilator on a Verilog file with a warning and an error,
// each reached through the Compile menu, with NextError (Alt+F8) and PrevError (Alt+F7)
// walking the reported lines; V-System and Leonardo stand-ins named by the settings; and a user
// tool whose output is seen while it runs and that Esc stops. The tests skip when tmux is
// missing.
#include "editor_test_support.h"
#include "ui/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace zped {
namespace {

using Clock = std::chrono::steady_clock;

ui::ChildResult run(const std::vector<std::string>& argv) {
    return ui::run_child_process({argv, ""});
}

bool have_tmux() {
    ui::ChildResult r = run({"tmux", "-V"});
    return r.started && r.exit_code == 0;
}

// zped in a 100x30 tmux pane, with the shipped definition files and extra settings.
class ZpedInTmux {
  public:
    ZpedInTmux(const test::TempDir& dir, const std::string& extra_settings)
        : dir_(dir), socket_(dir.file("tmux.sock")) {
        for (const char* sub : {"home", "config", "config/zped", "run"})
            mkdir(dir.file(sub).c_str(), 0700);
        std::string shipped = std::string(ZEPH_SOURCE_DIR) + "/examples/zped/";
        for (const char* name : {"menu.ini", "accel.ini", "buttons.ini"})
            test::write_file(dir.file(std::string("config/zped/") + name),
                             test::read_whole(shipped + name));
        test::write_file(dir.file("config/zped/zped.ini"),
                         test::read_whole(shipped + "zped.ini") + extra_settings);
    }
    ~ZpedInTmux() { run({"tmux", "-S", socket_, "kill-server"}); }

    bool start(const std::string& file) {
        std::string command = "env 'HOME=" + dir_.file("home") +
                              "' 'XDG_CONFIG_HOME=" + dir_.file("config") +
                              "' 'XDG_RUNTIME_DIR=" + dir_.file("run") + "' LC_ALL=C '" +
                              std::string(ZEPH_BINARY_DIR) + "/apps/zped/zped' /n '" + file + "'";
        ui::ChildResult r = run({"tmux", "-S", socket_, "-f", "/dev/null", "new-session", "-d",
                                 "-x", "100", "-y", "30", command});
        return r.started && r.exit_code == 0;
    }
    void keys(const std::vector<std::string>& names) {
        std::vector<std::string> argv{"tmux", "-S", socket_, "send-keys", "-t", "0"};
        argv.insert(argv.end(), names.begin(), names.end());
        run(argv);
    }
    std::string screen() {
        return run({"tmux", "-S", socket_, "capture-pane", "-p", "-t", "0"}).output;
    }
    std::string status_line() {
        std::vector<std::string> rows = test::lines_of(screen());
        while (!rows.empty() && rows.back().empty())
            rows.pop_back();
        return rows.empty() ? "" : rows.back();
    }
    bool wait_for(const std::string& text, int seconds = 20) {
        auto until = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < until) {
            if (screen().find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    // Waits until the status line shows both texts.
    bool wait_for_status(const std::string& text, const std::string& position) {
        auto until = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < until) {
            std::string status = status_line();
            if (status.find(text) != std::string::npos &&
                status.find(position) != std::string::npos)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

  private:
    const test::TempDir& dir_;
    std::string socket_;
};

TEST(ZpedRealRuns, GhdlFindsTwoErrorsAndNextErrorVisitsThem) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    ZpedInTmux term(dir, "");
    std::string file = dir.file("bad.vhd");
    test::write_file(file, "library ieee;\n"
                           "use ieee.std_logic_1164.all;\n"
                           "entity bad is\n"
                           "  port (a : in std_logic; y, z : out std_logic);\n"
                           "end entity;\n"
                           "architecture rtl of bad is\n"
                           "begin\n"
                           "  y <= a and b;\n"
                           "  z <= undefined_sig;\n"
                           "end architecture;\n");
    ASSERT_TRUE(term.start(file));
    ASSERT_TRUE(term.wait_for("entity bad is")) << term.screen();
    term.keys({"M-c"});
    ASSERT_TRUE(term.wait_for("GHDL analyse")) << term.screen();
    term.keys({"g"});
    ASSERT_TRUE(term.wait_for("[GHDL analysis]")) << term.screen();
    ASSERT_TRUE(term.wait_for("bad.vhd:9:8: no declaration for \"undefined_sig\""))
        << term.screen();
    EXPECT_NE(term.screen().find("ended with exit code 1; 2 line(s) reported."), std::string::npos)
        << term.screen();

    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("bad.vhd:8:14: no declaration for \"b\"", "8 : 0"))
        << term.screen();
    EXPECT_NE(term.screen().find("y <= a and b;"), std::string::npos) << "the source is shown";
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("bad.vhd:9:8: no declaration", "9 : 0")) << term.screen();
    term.keys({"M-F7"});
    EXPECT_TRUE(term.wait_for_status("bad.vhd:8:14", "8 : 0")) << term.screen();
    term.keys({"M-x"});
}

TEST(ZpedRealRuns, IcarusAndVerilatorReportAWarningAndAnError) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    ZpedInTmux term(dir, "");
    std::string file = dir.file("top.v");
    test::write_file(file, "module sub(input [3:0] a, output y);\n"
                           "  assign y = a[0];\n"
                           "endmodule\n"
                           "module top(input x, output y, output z);\n"
                           "  sub u(.a(x), .y(y));\n"
                           "  assign z = x[5];\n"
                           "endmodule\n");
    ASSERT_TRUE(term.start(file));
    ASSERT_TRUE(term.wait_for("module top")) << term.screen();

    term.keys({"M-c"});
    ASSERT_TRUE(term.wait_for("Icarus Verilog")) << term.screen();
    term.keys({"i"});
    ASSERT_TRUE(term.wait_for("[Icarus Verilog compilation]")) << term.screen();
    ASSERT_TRUE(term.wait_for("error(s) during elaboration")) << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("top.v:5: warning: Port 1 (a) of sub expects 4 bits", "5 : 0"))
        << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("top.v:6: error: can not select part of scalar: x", "6 : 0"))
        << term.screen();

    // The source window is active again after the jump: lint it with Verilator.
    term.keys({"M-c"});
    ASSERT_TRUE(term.wait_for("Verilator lint")) << term.screen();
    term.keys({"t"});
    ASSERT_TRUE(term.wait_for("[Verilator lint]")) << term.screen();
    ASSERT_TRUE(term.wait_for("%Error: Exiting due to")) << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("%Warning-DECLFILENAME: top.v:1:8:", "1 : 0"))
        << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("%Warning-WIDTH: top.v:5:10:", "5 : 0")) << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("%Error: top.v:6:15: Illegal bit or array select", "6 : 0"))
        << term.screen();
    term.keys({"M-F7"});
    EXPECT_TRUE(term.wait_for_status("%Warning-WIDTH", "5 : 0")) << term.screen();
    term.keys({"M-x"});
}

// V-System and Leonardo cannot run here: stand-in scripts print recorded lines and note how
// they were started.
TEST(ZpedRealRuns, VsystemAndLeonardoStandInsFromTheSettings) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    std::string bin = dir.file("bin");
    std::string log = dir.file("calls.log");
    mkdir(bin.c_str(), 0755);
    auto stand_in = [&](const std::string& name, const std::string& output) {
        std::string path = bin + "/" + name;
        test::write_file(path, "#!/bin/sh\nprintf '%s|%s\\n' \"$PWD\" \"" + name + " $*\" >> '" +
                                   log + "'\n[ -f leonardo.script ] && cat leonardo.script >> '" +
                                   log + "'\ncat <<'RECORDED'\n" + output + "RECORDED\n");
        chmod(path.c_str(), 0755);
    };
    stand_in("vcom", "-- Compiling entity top\nERROR: top.vhd(2): Unknown identifier: b\n"
                     "###### top.vhd(2):   y <= b;\nERROR: top.vhd(3): Type error\n");
    stand_in("elsyn", "\"top.vhd\", line 3: Error, c is not declared.\n");
    ZpedInTmux term(dir, "\n[Vsystem]\nExecutable=" + bin +
                             "/vcom\nVHDL93=no\n[Leonardo]\nPath=" + bin + "\n");
    std::string src = dir.file("src");
    mkdir(src.c_str(), 0755);
    std::string file = src + "/top.vhd";
    test::write_file(file, "entity top is\n  y <= b;\n  z <= c;\nend;\n");
    ASSERT_TRUE(term.start(file));
    ASSERT_TRUE(term.wait_for("entity top is")) << term.screen();
    term.keys({"M-c"});
    ASSERT_TRUE(term.wait_for("VHDL(V-Sys)")) << term.screen();
    term.keys({"v"});
    ASSERT_TRUE(term.wait_for("[V-System compiler]")) << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("ERROR: top.vhd(2): Unknown identifier: b", "2 : 0"))
        << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("ERROR: top.vhd(3): Type error", "3 : 0")) << term.screen();

    term.keys({"M-c"});
    ASSERT_TRUE(term.wait_for("Leonardo")) << term.screen();
    term.keys({"l"});
    ASSERT_TRUE(term.wait_for("[Leonardo synthesis]")) << term.screen();
    term.keys({"M-F8"});
    EXPECT_TRUE(term.wait_for_status("\"top.vhd\", line 3: Error", "3 : 0")) << term.screen();
    EXPECT_EQ(test::read_whole(log), src + "|vcom -work work -explicit top.vhd\n" + src +
                                         "|elsyn -file leonardo.script\n"
                                         "analyze -work work top.vhd\n");
    struct stat st {};
    EXPECT_NE(stat((src + "/leonardo.script").c_str(), &st), 0) << "the script is removed";
    term.keys({"M-x"});
}

TEST(ZpedRealRuns, AToolIsSeenWhileItRunsAndEscStopsIt) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    std::string slow = dir.file("slow.sh");
    test::write_file(slow, "#!/bin/sh\necho \"first of $1\"\nsleep 60\necho second\n");
    chmod(slow.c_str(), 0755);
    ZpedInTmux term(dir, "\n[UserDefinedTools]\nToolName1=Slow\nExecutable1=" + slow +
                             "\nArgument1=$$\nWorkingDirectory1=" + dir.path() + "\n");
    std::string file = dir.file("top.vhd");
    test::write_file(file, "entity top is end;\n");
    ASSERT_TRUE(term.start(file));
    ASSERT_TRUE(term.wait_for("entity top is end;")) << term.screen();
    term.keys({"M-t"});
    ASSERT_TRUE(term.wait_for("1 Slow")) << term.screen();
    term.keys({"1"});
    // The first line shows while the tool still runs.
    ASSERT_TRUE(term.wait_for("first of " + file)) << term.screen();
    EXPECT_TRUE(term.wait_for("[Result of tool 'Slow'.]")) << term.screen();
    EXPECT_TRUE(term.wait_for("Esc stops the program.")) << term.screen();
    term.keys({"Escape"});
    EXPECT_TRUE(term.wait_for("'" + slow + "' was stopped.", 10)) << term.screen();
    EXPECT_EQ(term.screen().find("second"), std::string::npos);
    term.keys({"M-x"});
}

// A tool set up in the Tool Options dialog labels the Tools menu and runs from it.
TEST(ZpedRealRuns, AToolSetUpInTheOptionsDialogRunsFromTheToolsMenu) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    std::string counter = dir.file("count.sh");
    test::write_file(counter, "#!/bin/sh\necho \"lines of $1: $(wc -l < \"$1\")\"\n");
    chmod(counter.c_str(), 0755);
    ZpedInTmux term(dir, "");
    std::string file = dir.file("top.vhd");
    test::write_file(file, "entity top is\nend;\n");
    ASSERT_TRUE(term.start(file));
    ASSERT_TRUE(term.wait_for("entity top is")) << term.screen();
    term.keys({"M-o"});
    ASSERT_TRUE(term.wait_for("V-System...")) << term.screen();
    term.keys({"t"});
    ASSERT_TRUE(term.wait_for("Tool Options")) << term.screen();
    EXPECT_NE(term.screen().find("6: (none)"), std::string::npos) << term.screen();
    term.keys({"M-n"});
    term.keys({"-l", "Counter"});
    term.keys({"M-e"});
    term.keys({"-l", counter});
    term.keys({"M-a"});
    term.keys({"-l", "$$"});
    ASSERT_TRUE(term.wait_for("1: Counter")) << "the list follows the name\n" << term.screen();
    term.keys({"Enter"});
    term.keys({"M-t"});
    ASSERT_TRUE(term.wait_for("1 Counter")) << term.screen();
    term.keys({"1"});
    EXPECT_TRUE(term.wait_for("[Result of tool 'Counter'.]")) << term.screen();
    EXPECT_TRUE(term.wait_for("lines of " + file + ": 2")) << term.screen();
    term.keys({"M-x"});
}

} // namespace
} // namespace zped
