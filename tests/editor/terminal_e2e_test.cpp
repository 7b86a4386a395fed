// The real zped program in a real terminal (tmux): typing with auto-indent, a menu item, an
// accelerator, undo and redo, saving and the bytes of the saved file; and the hand-over of a
// file from a second zped process to the running one. HOME, XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR point into a temporary directory; the tests skip when tmux is missing.
#include "editor_test_support.h"
#include "ui/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace zped {
namespace {

using Clock = std::chrono::steady_clock;

const std::string kZped = std::string(ZEPH_BINARY_DIR) + "/apps/zped/zped";

ui::ChildResult run(const std::vector<std::string>& argv) {
    return ui::run_child_process({argv, ""});
}

bool have_tmux() {
    ui::ChildResult r = run({"tmux", "-V"});
    return r.started && r.exit_code == 0;
}

class TmuxTerminal {
  public:
    explicit TmuxTerminal(const test::TempDir& dir) : dir_(dir), socket_(dir.file("tmux.sock")) {
        for (const char* sub : {"home", "config", "config/zped", "run"})
            mkdir(dir.file(sub).c_str(), 0700);
        for (const char* name : {"menu.ini", "accel.ini", "buttons.ini", "zped.ini"})
            test::write_file(
                dir.file(std::string("config/zped/") + name),
                test::read_whole(std::string(ZEPH_SOURCE_DIR) + "/examples/zped/" + name));
    }
    ~TmuxTerminal() { run({"tmux", "-S", socket_, "kill-server"}); }

    std::vector<std::string> environment() const {
        return {"HOME=" + dir_.file("home"), "XDG_CONFIG_HOME=" + dir_.file("config"),
                "XDG_RUNTIME_DIR=" + dir_.file("run"), "LC_ALL=C"};
    }

    // Starts zped with these arguments in a 100x30 pane.
    bool start(const std::vector<std::string>& args) {
        std::string command = "env";
        for (const std::string& e : environment())
            command += " '" + e + "'";
        command += " '" + kZped + "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        ui::ChildResult r = run({"tmux", "-S", socket_, "-f", "/dev/null", "new-session", "-d",
                                 "-x", "100", "-y", "30", command});
        return r.started && r.exit_code == 0;
    }

    void keys(const std::vector<std::string>& names) {
        std::vector<std::string> argv{"tmux", "-S", socket_, "send-keys", "-t", "0"};
        argv.insert(argv.end(), names.begin(), names.end());
        run(argv);
    }
    void type(const std::string& text) {
        run({"tmux", "-S", socket_, "send-keys", "-t", "0", "-l", text});
    }

    std::string screen() {
        return run({"tmux", "-S", socket_, "capture-pane", "-p", "-t", "0"}).output;
    }

    // Polls the screen until it shows `text`.
    bool wait_for(const std::string& text, int seconds = 10) {
        auto until = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < until) {
            if (screen().find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    bool wait_for_exit(int seconds = 10) {
        auto until = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < until) {
            if (run({"tmux", "-S", socket_, "has-session"}).exit_code != 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

  private:
    const test::TempDir& dir_;
    std::string socket_;
};

bool wait_for_file(const std::string& path, const std::string& bytes) {
    auto until = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < until) {
        if (test::read_whole(path) == bytes) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(ZpedTerminal, TypeUseMenuAndAcceleratorUndoSave) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("top.vhd");
    test::write_file(file, "abc\n");
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for(" 1 " + file)) << term.screen();
    ASSERT_TRUE(term.wait_for("1 : 0")) << term.screen();

    term.keys({"End"});
    term.type("def");
    term.keys({"Enter"});
    term.type("\tx");
    term.keys({"Enter"});
    term.type("y");
    ASSERT_TRUE(term.wait_for("3 : 5"))
        << term.screen(); // auto-indent put the cursor after the tab
    ASSERT_TRUE(term.wait_for("Modified"));

    // Undo through the Edit menu (Alt+E, then its mnemonic), redo and undo by accelerator.
    term.keys({"M-e"});
    ASSERT_TRUE(term.wait_for("Ctrl+R")) << term.screen();
    term.keys({"u"});
    ASSERT_TRUE(term.wait_for("3 : 4")) << term.screen();
    term.keys({"C-r"});
    ASSERT_TRUE(term.wait_for("3 : 5")) << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("3 : 4")) << term.screen();

    // Save through the File menu.
    term.keys({"M-f"});
    ASSERT_TRUE(term.wait_for("Save a")) << term.screen();
    term.keys({"s"});
    ASSERT_TRUE(term.wait_for("Saved file: '" + file + "'")) << term.screen();
    EXPECT_TRUE(wait_for_file(file, "abcdef\n\tx\n\t\n"));

    // More typing, saved by the accelerator; then the unbuilt Find says so.
    term.type("z");
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(file, "abcdef\n\tx\n\tz\n"));
    term.keys({"M-F3"});
    EXPECT_TRUE(term.wait_for("FindText is not available in this version of zped."))
        << term.screen();

    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
    EXPECT_NE(test::read_whole(dir.file("config/zped/zped.ini")).find("LoadMRUFile1=" + file),
              std::string::npos);
}

TEST(ZpedTerminal, ASecondZpedHandsItsFileToTheRunningOne) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string first = dir.file("first.vhd");
    std::string second = dir.file("second.vhd");
    test::write_file(first, "entity first is\n");
    test::write_file(second, "entity second is\n");
    ASSERT_TRUE(term.start({first}));
    // zped listens on its socket before it draws, so the text on the screen means it listens.
    ASSERT_TRUE(term.wait_for("entity first is")) << term.screen();
    std::vector<std::string> argv{"env"};
    for (const std::string& e : term.environment())
        argv.push_back(e);
    argv.push_back(kZped);
    argv.push_back(second);
    ui::ChildResult handed = run(argv);
    ASSERT_TRUE(handed.started);
    EXPECT_EQ(handed.exit_code, 0) << handed.output;
    EXPECT_TRUE(term.wait_for("entity second is")) << term.screen();
    EXPECT_TRUE(term.wait_for(" 2 " + second)) << term.screen();

    // Handing over a file that is open already activates its window.
    argv.back() = first;
    EXPECT_EQ(run(argv).exit_code, 0);
    EXPECT_TRUE(term.wait_for("entity first is")) << term.screen();

    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
    struct stat st {};
    EXPECT_NE(stat(dir.file("run/zped.sock").c_str(), &st), 0) << "the socket is removed at exit";
}

} // namespace
} // namespace zped

namespace zped {
namespace {

TEST(ZpedProgram, CommandLineWithoutATerminal) {
    test::TempDir dir;
    std::vector<std::string> env{"env", "HOME=" + dir.path(), "XDG_CONFIG_HOME=" + dir.path(),
                                 "XDG_RUNTIME_DIR=" + dir.path()};
    auto zped = [&](std::vector<std::string> args) {
        std::vector<std::string> argv = env;
        argv.push_back(kZped);
        argv.insert(argv.end(), args.begin(), args.end());
        return run(argv);
    };
    ui::ChildResult version = zped({"--version"});
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.output, "zped 0.1.0\n");
    EXPECT_EQ(zped({"--help"}).output.rfind("usage: zped", 0), 0u);
    ui::ChildResult print = zped({"/p", "top.vhd"});
    EXPECT_EQ(print.exit_code, 1);
    EXPECT_EQ(print.output, "zped: printing ('/p top.vhd') is not available in this version.\n");
    EXPECT_EQ(zped({"--frob"}).exit_code, 2);
    // No instance runs and there is no terminal: it says so and leaves no socket behind.
    ui::ChildResult alone = zped({dir.file("a.vhd")});
    EXPECT_EQ(alone.exit_code, 1);
    EXPECT_EQ(alone.output, "zped: needs a terminal\n");
    struct stat st {};
    EXPECT_NE(stat(dir.file("zped.sock").c_str(), &st), 0);
}

} // namespace
} // namespace zped
