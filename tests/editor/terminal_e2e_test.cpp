// The real zped program in a real terminal (tmux): typing with auto-indent, a menu item, an
// accelerator, undo and redo, saving and the bytes of the saved file; pasting, UTF-8 text,
// resizing, the options and accelerator dialogs with the descriptions of the commands, a
// write-protected file; and the hand-over of a file from a second zped process to the running
// one, also while a dialog is open. HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR point into a
// temporary directory; the tests skip when tmux is missing.
#include "editor_test_support.h"
#include "ui/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

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
    explicit TmuxTerminal(const test::TempDir& dir, std::string locale = "C")
        : dir_(dir), socket_(dir.file("tmux.sock")), locale_(std::move(locale)) {
        for (const char* sub : {"home", "config", "config/zped", "run"})
            mkdir(dir.file(sub).c_str(), 0700);
        // The shipped settings, definition, language and template files, as a user copies them.
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(ZEPH_SOURCE_DIR) + "/examples/zped"))
            test::write_file(dir.file("config/zped/" + entry.path().filename().string()),
                             test::read_whole(entry.path().string()));
    }
    ~TmuxTerminal() { run({"tmux", "-S", socket_, "kill-server"}); }

    std::vector<std::string> environment() const {
        return {"HOME=" + dir_.file("home"),
                "XDG_CONFIG_HOME=" + dir_.file("config"),
                "XDG_RUNTIME_DIR=" + dir_.file("run"),
                "XDG_STATE_HOME=" + dir_.file("run"),
                "LC_ALL=" + locale_,
                "TERM=tmux-256color",
                "COLORTERM="};
    }

    // Starts zped with these arguments in a 100x30 pane.
    bool start(const std::vector<std::string>& args) {
        std::string command = "env";
        for (const std::string& e : environment())
            command += " '" + e + "'";
        command += " '" + kZped + "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        ui::ChildResult r = run({"tmux", "-u", "-S", socket_, "-f", "/dev/null", "new-session",
                                 "-d", "-x", "100", "-y", "30", command});
        return r.started && r.exit_code == 0;
    }

    void keys(const std::vector<std::string>& names) {
        std::vector<std::string> argv{"tmux", "-S", socket_, "send-keys", "-t", "0"};
        argv.insert(argv.end(), names.begin(), names.end());
        run(argv);
    }
    void type(const std::string& text) {
        run({"tmux", "-S", socket_, "send-keys", "-t", "0", "-l", "--", text});
    }

    // Bytes as the terminal would receive them from the keyboard (a mouse report).
    void raw(const std::vector<std::string>& hex_bytes) {
        std::vector<std::string> argv{"tmux", "-S", socket_, "send-keys", "-t", "0", "-H"};
        argv.insert(argv.end(), hex_bytes.begin(), hex_bytes.end());
        run(argv);
    }
    // A click of the left button, or a turn of the wheel towards the user, at a cell (from 0), as
    // an xterm reports it.
    void click(int row, int column) {
        raw({"1b", "5b", "4d", "20", hex(column + 33), hex(row + 33)});
        raw({"1b", "5b", "4d", "23", hex(column + 33), hex(row + 33)});
    }
    void wheel_down(int row, int column) {
        raw({"1b", "5b", "4d", "61", hex(column + 33), hex(row + 33)});
    }
    // Pastes text the way a terminal does when the program asked for bracketed paste.
    void paste(const std::string& text) {
        run({"tmux", "-S", socket_, "set-buffer", "--", text});
        run({"tmux", "-S", socket_, "paste-buffer", "-p", "-t", "0"});
    }
    void resize(int columns, int rows) {
        run({"tmux", "-S", socket_, "resize-window", "-t", "0", "-x", std::to_string(columns), "-y",
             std::to_string(rows)});
    }
    // The row the terminal's cursor is on.
    int cursor_row() {
        return std::stoi(
            run({"tmux", "-S", socket_, "display", "-p", "-t", "0", "#{cursor_y}"}).output);
    }

    std::string screen() {
        return run({"tmux", "-u", "-S", socket_, "capture-pane", "-p", "-t", "0"}).output;
    }
    // One row of the screen.
    std::string row(int index) { return test::lines_of(screen())[static_cast<std::size_t>(index)]; }
    // The screen with the escape sequences of its colours and attributes.
    std::string screen_with_colours() {
        return run({"tmux", "-u", "-S", socket_, "capture-pane", "-e", "-p", "-t", "0"}).output;
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

    // Polls the screen until it no longer shows `text`.
    bool wait_for_gone(const std::string& text, int seconds = 10) {
        auto until = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < until) {
            if (screen().find(text) == std::string::npos) return true;
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

    // A second zped with these arguments, from outside the terminal.
    ui::ChildResult second_zped(const std::vector<std::string>& args) {
        std::vector<std::string> argv{"env"};
        for (const std::string& e : environment())
            argv.push_back(e);
        argv.push_back(kZped);
        argv.insert(argv.end(), args.begin(), args.end());
        return run(argv);
    }

  private:
    static std::string hex(int byte) {
        char text[3];
        std::snprintf(text, sizeof text, "%02x", byte & 0xff);
        return text;
    }

    const test::TempDir& dir_;
    std::string socket_;
    std::string locale_;
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

    // More typing, saved by the accelerator.
    term.type("z");
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(file, "abcdef\n\tx\n\tz\n"));

    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
    EXPECT_NE(test::read_whole(dir.file("config/zped/zped.ini")).find("LoadMRUFile1=" + file),
              std::string::npos);
}

// Find and Replace through their dialogs, the replace question, FindNextText and the
// the clipboard, in the real terminal.
TEST(ZpedTerminal, FindReplaceAndTheClipboard) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("top.vhd");
    test::write_file(file, "\n-- top\nentity top is\nend top;\n");
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for("1 : 0")) << term.screen();

    term.keys({"M-F3"});
    ASSERT_TRUE(term.wait_for("Find Text")) << term.screen();
    EXPECT_TRUE(term.wait_for("Search direction:")) << term.screen();
    term.type("top");
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("2 : 3")) << term.screen();
    term.keys({"F3"});
    ASSERT_TRUE(term.wait_for("3 : 7")) << term.screen();
    term.keys({"M-s"});
    ASSERT_TRUE(term.wait_for("Find next")) << term.screen();
    term.keys({"f"});
    ASSERT_TRUE(term.wait_for("Find Text")) << term.screen();
    for (int i = 0; i < 3; ++i)
        term.keys({"BSpace"});
    term.type("nothing");
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("Search string 'nothing' not found.")) << term.screen();

    // Replace all from the top with the question for each match: yes, no, yes.
    term.keys({"C-Home"});
    term.keys({"M-s"});
    ASSERT_TRUE(term.wait_for("Find next")) << term.screen();
    term.keys({"r"});
    ASSERT_TRUE(term.wait_for("Replace Text")) << term.screen();
    for (int i = 0; i < 7; ++i) // the proposal is the last search text
        term.keys({"BSpace"});
    term.type("top");
    term.keys({"Tab"});
    term.type("core");
    term.keys({"M-a"});
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("Replace this occurence of:")) << term.screen();
    term.keys({"y"});
    ASSERT_TRUE(term.wait_for("-- core")) << term.screen();
    ASSERT_TRUE(term.wait_for("Replace this occurence of:")) << term.screen();
    term.keys({"n"});
    ASSERT_TRUE(term.wait_for("Replace this occurence of:")) << term.screen();
    term.keys({"y"});
    ASSERT_TRUE(term.wait_for("end core;")) << term.screen();
    EXPECT_TRUE(term.wait_for("entity top is")) << term.screen();

    // Copy the second line and paste it at the start; save.
    term.keys({"C-Home", "Down", "S-Down", "C-c", "C-Home", "C-v", "C-s"});
    EXPECT_TRUE(wait_for_file(file, "-- core\n\n-- core\nentity top is\nend core;\n"))
        << test::read_whole(file);
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

// One line of the screen (0-based row), with its escape sequences.
std::string row_of(const std::string& screen, int row) {
    std::size_t from = 0;
    for (int r = 0; r < row && from != std::string::npos; ++r)
        from = screen.find('\n', from) + 1;
    std::size_t end = screen.find('\n', from);
    return screen.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

TEST(ZpedTerminal, ColoursExpansionAndTemplatesWithTheShippedDefinitions) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("top.vhd");
    test::write_file(file,
                     "entity top is\n  SIGNAL q : std_logic; -- \"state\"\nbegin\n\nend top;\n");
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for("SIGNAL q")) << term.screen();

    // The second text line (screen row 4, below the menu, buttons and tabs) in the colours of
    // the shipped VHDL definition, mapped to the 256-colour palette: keywords blue (21), types
    // teal (30), the comment green (28); plain text in the terminal's own colour.
    const std::string esc = "\x1b[";
    std::string line = row_of(term.screen_with_colours(), 4);
    EXPECT_NE(line.find(esc + "38;5;21mSIGNAL" + esc + "39m q : " + esc + "38;5;30mstd_logic" +
                        esc + "39m; " + esc + "38;5;28m-- \"state\""),
              std::string::npos)
        << line;
    // A selection is drawn inverse over its colours.
    term.keys({"Down", "S-End"});
    ASSERT_TRUE(term.wait_for("2 : 34")) << term.screen();
    line = row_of(term.screen_with_colours(), 4);
    EXPECT_EQ(line.rfind(esc + "7m", 0), 0u) << line;
    EXPECT_EQ(line.find("38;5;"), std::string::npos) << line;

    // An abbreviation (sl) expanded with Ctrl+E, and undone in one step.
    term.keys({"Down", "Down", "Home"});
    term.type("  sl");
    term.keys({"C-e"});
    ASSERT_TRUE(term.wait_for("  std_logic\n")) << term.screen();
    ASSERT_TRUE(term.wait_for("4 : 11")) << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("4 : 4")) << term.screen();
    EXPECT_NE(term.screen().find("\n  sl\n"), std::string::npos) << term.screen();

    // A template named by an expander word, with its parameter asked in the dialog.
    term.keys({"BSpace", "BSpace"});
    term.type("comp");
    term.keys({"C-e"});
    ASSERT_TRUE(term.wait_for("Expand Template")) << term.screen();
    term.type("sub");
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("  component sub\n")) << term.screen();
    EXPECT_TRUE(term.wait_for("end component;")) << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("\n  comp\n")) << term.screen();
    EXPECT_EQ(term.screen().find("end component;"), std::string::npos) << term.screen();

    // A template from the Templates dialog (Edit, Templates): the third of the first file.
    term.keys({"BSpace", "BSpace", "BSpace", "BSpace", "BSpace", "BSpace"});
    ASSERT_TRUE(term.wait_for("4 : 0")) << term.screen();
    term.keys({"M-e"});
    ASSERT_TRUE(term.wait_for("Templates...")) << term.screen();
    term.keys({"t"});
    ASSERT_TRUE(term.wait_for("process_reset(clock, reset)")) << term.screen();
    term.keys({"Tab", "Down", "Down", "Enter"});
    ASSERT_TRUE(term.wait_for("clock:")) << term.screen();
    term.type("clk");
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("process (clk)\n")) << term.screen();
    EXPECT_TRUE(term.wait_for("    if rising_edge(clk) then")) << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("begin\n\nend top;")) << term.screen();
    EXPECT_EQ(term.screen().find("process (clk)"), std::string::npos) << term.screen();

    // Language Configuration (Options, Languages): VHDL keywords now keep their case, so
    // SIGNAL is plain text; the change is saved with the settings.
    term.keys({"M-o"});
    ASSERT_TRUE(term.wait_for("Languages...")) << term.screen();
    term.keys({"l"});
    // It opens on the language of the active window.
    ASSERT_TRUE(term.wait_for("[vhdl.lsf")) << term.screen();
    ASSERT_TRUE(term.wait_for("[ ] Keywords CaseSensitive")) << term.screen();
    term.keys({"M-k"});
    ASSERT_TRUE(term.wait_for("[x] Keywords CaseSensitive")) << term.screen();
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for_gone("Language Configuration")) << term.screen();
    line = row_of(term.screen_with_colours(), 4);
    EXPECT_EQ(line.find(esc + "38;5;21mSIGNAL"), std::string::npos) << line;
    EXPECT_NE(line.find(esc + "38;5;30mstd_logic"), std::string::npos) << line;

    term.keys({"M-x"});
    ASSERT_TRUE(term.wait_for("Save changes")) << term.screen();
    term.keys({"n"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
    std::string settings = test::read_whole(dir.file("config/zped/zped.ini"));
    std::size_t vhdl = settings.find("[VHDL]");
    ASSERT_NE(vhdl, std::string::npos) << settings;
    EXPECT_EQ(settings.substr(settings.find("CaseSensitive=", vhdl), 17), "CaseSensitive=yes");
    EXPECT_NE(settings.find("\n1=vhdl.tpl\n2=verilog.tpl\n"), std::string::npos) << settings;
    EXPECT_EQ(test::read_whole(file),
              "entity top is\n  SIGNAL q : std_logic; -- \"state\"\nbegin\n\nend top;\n");
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

// A paste arrives as text, not as typed keys: one transaction, no auto-indent, and a line longer
// than a buffer line is split as loading splits it, so nothing is lost.
TEST(ZpedTerminal, APasteIsOneEditAndALongLineArrivesWhole) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string longer = dir.file("long.vhd");
    std::string file = dir.file("paste.vhd");
    test::write_file(longer, "");
    test::write_file(file, "\tbegin\n");
    ASSERT_TRUE(term.start({longer, file}));
    ASSERT_TRUE(term.wait_for("    begin")) << term.screen();
    term.keys({"End", "Enter"});
    ASSERT_TRUE(term.wait_for("2 : 4")) << term.screen();
    term.paste("x1\n  x2\n");
    ASSERT_TRUE(term.wait_for("4 : 0")) << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("2 : 4")) << term.screen();
    term.keys({"C-r", "C-s"});
    EXPECT_TRUE(wait_for_file(file, "\tbegin\n\tx1\n  x2\n\n")) << test::read_whole(file);

    term.keys({"C-F6"});
    ASSERT_TRUE(term.wait_for("1 : 0")) << term.screen();
    std::string line = std::string(150, 'L') + std::string(150, 'M');
    term.paste(line);
    ASSERT_TRUE(term.wait_for("2 : 46")) << term.screen();
    EXPECT_TRUE(term.wait_for("1 pasted line(s) over 255 bytes split into lines of 254."))
        << term.screen();
    term.keys({"C-z"});
    ASSERT_TRUE(term.wait_for("1 : 0")) << term.screen();
    EXPECT_EQ(term.screen().find("LLL"), std::string::npos) << term.screen();
    term.keys({"C-r"});
    ASSERT_TRUE(term.wait_for("2 : 46")) << term.screen();
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(longer, line.substr(0, 254) + "\n" + line.substr(254)))
        << test::read_whole(longer);
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

TEST(ZpedTerminal, Utf8TextIsShownAndTypedAsCharacters) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir, "C.UTF-8");
    std::string file = dir.file("utf8.vhd");
    test::write_file(file, "-- caf\xC3\xA9 \xE4\xB8\xAD\xFFx\n");
    ASSERT_TRUE(term.start({file}));
    // An invalid byte shows as the replacement character, a wide character takes two columns.
    ASSERT_TRUE(term.wait_for("-- caf\xC3\xA9 \xE4\xB8\xAD\xEF\xBF\xBDx")) << term.screen();
    term.keys({"End"});
    ASSERT_TRUE(term.wait_for("1 : 12")) << term.screen();
    term.keys({"Left", "Left", "Left", "Left"});
    ASSERT_TRUE(term.wait_for("1 : 7")) << term.screen();
    term.keys({"Left"});
    ASSERT_TRUE(term.wait_for("1 : 6")) << term.screen(); // over the two bytes of the é
    term.type("\xC3\xA9");
    ASSERT_TRUE(term.wait_for("-- caf\xC3\xA9\xC3\xA9 ")) << term.screen();
    ASSERT_TRUE(term.wait_for("1 : 7")) << term.screen();
    term.keys({"BSpace"});
    ASSERT_TRUE(term.wait_for("1 : 6")) << term.screen();
    term.type("\xC3\xBC");
    ASSERT_TRUE(term.wait_for("-- caf\xC3\xBC\xC3\xA9 ")) << term.screen();
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(file, "-- caf\xC3\xBC\xC3\xA9 \xE4\xB8\xAD\xFFx\n"))
        << test::read_whole(file);
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

TEST(ZpedTerminal, ResizingKeepsTheCursorOnItsLine) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("long.vhd");
    std::string text;
    for (int i = 1; i <= 100; ++i)
        text += "line " + std::to_string(i) + "\n";
    test::write_file(file, text);
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for("1 : 0")) << term.screen();
    term.keys({"C-g"});
    ASSERT_TRUE(term.wait_for("Line number:")) << term.screen();
    term.keys({"BSpace"});
    term.type("60");
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("60 : 0")) << term.screen();
    for (auto [columns, rows] : {std::pair{60, 10}, std::pair{100, 40}, std::pair{40, 6}}) {
        term.resize(columns, rows);
        // The row under the cursor once the screen has settled.
        std::string under_cursor, before;
        auto until = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < until && (under_cursor != "line 60" || under_cursor != before)) {
            before = under_cursor;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            under_cursor = term.row(term.cursor_row());
        }
        EXPECT_EQ(under_cursor, "line 60") << columns << "x" << rows << "\n" << term.screen();
    }
    term.type("X");
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(file, text.replace(text.find("line 60\n"), 4, "Xline")))
        << test::read_whole(file);
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

// The options dialog changes what the screen shows; the accelerator dialog shows the commands'
// descriptions and assigns a key that then works; menu items and buttons describe their command.
TEST(ZpedTerminal, OptionsAndAcceleratorDialogsAndCommandDescriptions) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("d.vhd");
    test::write_file(file, "entity d is\n");
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for("entity d is")) << term.screen();

    term.keys({"M-f"});
    EXPECT_TRUE(term.wait_for("Create a new, empty edit buffer.")) << term.screen();
    term.keys({"Escape"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // Esc alone, not Alt+mouse
    // The mouse resting on the first button (row 2, column 3) shows its tool tip.
    term.raw({"1b", "5b", "4d", "43", "24", "22"});
    EXPECT_TRUE(term.wait_for("\n Create a new, empty edit buffer.")) << term.screen();
    term.raw({"1b", "5b", "4d", "43", "40", "30"});

    term.keys({"M-o"});
    ASSERT_TRUE(term.wait_for("Set the editor options.")) << term.screen();
    term.keys({"e"});
    ASSERT_TRUE(term.wait_for("[ ] Line Numbers")) << term.screen();
    term.keys({"M-l", "Enter"});
    ASSERT_TRUE(term.wait_for("  1 entity d is")) << term.screen();

    term.keys({"M-o", "k"});
    ASSERT_TRUE(term.wait_for("Function description: Locate and open a file.")) << term.screen();
    term.type("S");
    ASSERT_TRUE(term.wait_for("Function description: Save the file in the active edit window."))
        << term.screen();
    term.keys({"Tab", "Tab", "C-q"});
    ASSERT_TRUE(term.wait_for("[Ctrl Q")) << term.screen();
    term.keys({"Enter"});
    ASSERT_TRUE(term.wait_for("| Ctrl Q")) << term.screen();
    term.keys({"Escape"});
    ASSERT_TRUE(term.wait_for("Keyboard accelerators saved in")) << term.screen();
    EXPECT_NE(test::read_whole(dir.file("config/zped/accel.ini")).find("KEY CTRL+Q SaveFile\n"),
              std::string::npos);
    term.type("-- ");
    term.keys({"C-q"});
    EXPECT_TRUE(wait_for_file(file, "-- entity d is\n")) << test::read_whole(file);
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

TEST(ZpedTerminal, AWriteProtectedFileShowsReadonlyAndIsNotWritten) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string file = dir.file("ro.vhd");
    test::write_file(file, "fixed\n");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    ASSERT_TRUE(term.start({file}));
    ASSERT_TRUE(term.wait_for("ro.vhd is write-protected: opened readonly.")) << term.screen();
    EXPECT_TRUE(term.wait_for("| Insert | Readonly")) << term.screen();
    term.type("x");
    term.keys({"C-s"});
    EXPECT_TRUE(term.wait_for("Window is opened readonly.")) << term.screen();
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
    EXPECT_EQ(test::read_whole(file), "fixed\n");
}

// A second zped answered while the first shows a dialog: the file opens once it closes.
TEST(ZpedTerminal, AHandOverDuringADialogOpensTheFileAfterIt) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string first = dir.file("first.vhd");
    std::string second = dir.file("second.vhd");
    test::write_file(first, "entity first is\n");
    test::write_file(second, "entity second is\n");
    ASSERT_TRUE(term.start({first}));
    ASSERT_TRUE(term.wait_for("entity first is")) << term.screen();
    term.keys({"M-o", "e"});
    ASSERT_TRUE(term.wait_for("Editor Options")) << term.screen();

    auto started = Clock::now();
    ui::ChildResult handed = term.second_zped({second});
    EXPECT_EQ(handed.exit_code, 0) << handed.output;
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(5)) << "answered at once";
    EXPECT_TRUE(term.wait_for("'" + second + "' opens when this box closes.")) << term.screen();
    EXPECT_TRUE(term.wait_for("Editor Options")) << term.screen();
    EXPECT_EQ(term.screen().find("entity second is"), std::string::npos);
    term.keys({"Escape"});
    EXPECT_TRUE(term.wait_for("entity second is")) << term.screen();
    EXPECT_TRUE(term.wait_for(" 2 " + second)) << term.screen();
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

// The index of the first screen row for which `match` holds, or -1.
template <typename Match> int row_where(const std::string& screen, Match match) {
    std::vector<std::string> rows = test::lines_of(screen);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (match(rows[i])) return static_cast<int>(i);
    return -1;
}

int row_showing(const std::string& screen, const std::string& text) {
    return row_where(screen, [&](const std::string& row) { return row == text; });
}

// A row that shows both texts, the second one further right.
bool side_by_side(const std::string& screen, const std::string& left, const std::string& right) {
    return row_where(screen, [&](const std::string& row) {
               std::size_t at = row.find(left);
               return at != std::string::npos && row.find(right, at) != std::string::npos;
           }) >= 0;
}

// Two files tiled horizontally and vertically: each shows its text in its band, a click makes
// the window under it active and takes the typing, Page Down and the wheel scroll only their
// window, and Cascade brings back one window over the whole text area.
TEST(ZpedTerminal, TiledWindowsShowTheirFilesAndTakeClicksKeysAndTheWheel) {
    if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
    test::TempDir dir;
    TmuxTerminal term(dir);
    std::string alpha = dir.file("alpha.vhd"), beta = dir.file("beta.vhd");
    std::string alpha_text, beta_text;
    for (int i = 1; i <= 60; ++i) {
        std::string comment = i == 5 ? " -- note" : "";
        alpha_text += "alpha " + std::to_string(i) + comment + "\n";
        beta_text += "beta " + std::to_string(i) + comment + "\n";
    }
    test::write_file(alpha, alpha_text);
    test::write_file(beta, beta_text);
    ASSERT_TRUE(term.start({alpha, beta}));
    ASSERT_TRUE(term.wait_for("\nbeta 1\n")) << term.screen();

    term.keys({"S-F4"});
    ASSERT_TRUE(term.wait_for("\n= 2 " + beta + " =")) << term.screen();
    std::string screen = term.screen();
    int alpha_title = row_where(
        screen, [&](const std::string& row) { return row.rfind("- 1 " + alpha + " -", 0) == 0; });
    EXPECT_GT(alpha_title, 0) << screen;
    EXPECT_EQ(row_showing(screen, "alpha 1"), alpha_title + 1) << screen;
    EXPECT_LT(row_showing(screen, "alpha 12"), row_showing(screen, "beta 1")) << screen;
    // Both windows colour their text.
    std::string coloured = term.screen_with_colours();
    std::size_t comment = coloured.find("\033[38;5;28m-- note");
    ASSERT_NE(comment, std::string::npos) << coloured;
    EXPECT_NE(coloured.find("\033[38;5;28m-- note", comment + 1), std::string::npos) << coloured;

    // Page Down in the first window scrolls it alone.
    term.keys({"C-F6"});
    ASSERT_TRUE(term.wait_for("\n= 1 " + alpha + " =")) << term.screen();
    term.keys({"PageDown", "PageDown"});
    ASSERT_TRUE(term.wait_for("\nalpha 23\n")) << term.screen();
    screen = term.screen();
    EXPECT_EQ(row_showing(screen, "alpha 1"), -1) << screen;
    EXPECT_GT(row_showing(screen, "beta 1"), row_showing(screen, "alpha 23")) << screen;

    // A click in the second window makes it active; the typing lands in its file.
    term.click(row_showing(screen, "beta 3"), 0);
    ASSERT_TRUE(term.wait_for("\n= 2 " + beta + " =")) << term.screen();
    term.type("Y");
    term.keys({"C-s"});
    EXPECT_TRUE(wait_for_file(beta, "beta 1\nbeta 2\nYbeta 3\n" + beta_text.substr(21)))
        << test::read_whole(beta);
    EXPECT_EQ(test::read_whole(alpha), alpha_text);

    // Side by side; the wheel over the first window scrolls it and makes it active.
    term.keys({"M-w", "t"});
    ASSERT_TRUE(term.wait_for("|= 2 " + beta + " =")) << term.screen();
    EXPECT_TRUE(side_by_side(term.screen(), "alpha 12 ", "|beta 1")) << term.screen();
    int over_alpha = row_where(
        term.screen(), [](const std::string& row) { return row.rfind("alpha 20 ", 0) == 0; });
    ASSERT_GT(over_alpha, 0) << term.screen();
    term.wheel_down(over_alpha, 2);
    ASSERT_TRUE(term.wait_for("\n= 1 " + alpha + " =")) << term.screen();
    EXPECT_TRUE(side_by_side(term.screen(), "alpha 15 ", "|beta 1")) << term.screen();

    // Cascade: the active window alone, without a title line.
    term.keys({"S-F5"});
    ASSERT_TRUE(term.wait_for_gone("beta 1")) << term.screen();
    screen = term.screen();
    EXPECT_EQ(row_showing(screen, "alpha 15"), alpha_title) << screen;
    EXPECT_EQ(row_showing(screen, "alpha 40"), alpha_title + 25) << screen;
    term.keys({"M-x"});
    EXPECT_TRUE(term.wait_for_exit()) << term.screen();
}

} // namespace
} // namespace zped

namespace zped {
namespace {

// An instance that takes the connection but never answers (stopped, hung) is not joined by a
// second editor on the same file without a word.
TEST(ZpedProgram, ARunningZpedThatDoesNotAnswerIsReported) {
    test::TempDir dir;
    mkdir(dir.file("run").c_str(), 0700);
    std::string path = dir.file("run/zped.sock");
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(fd, 4), 0);
    ui::ChildResult r = run({"env", "HOME=" + dir.path(), "XDG_CONFIG_HOME=" + dir.path(),
                             "XDG_RUNTIME_DIR=" + dir.file("run"), kZped, dir.file("a.vhd")});
    close(fd);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.output, "zped: the running zped (socket '" + path +
                            "') does not answer; use /n to start another one anyway.\n");
}

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
    // A file that is not there is not printed (nor created).
    EXPECT_NE(print.output.find("File 'top.vhd' does not exists."), std::string::npos)
        << print.output;
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
