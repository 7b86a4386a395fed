// Bookmarks across windows, and the clipboard commands: the CR LF text that Copy makes, Paste
// dropping carriage returns, Cut and Clear as one undo step; the internal clipboard when no
// desktop is reachable, and the real X clipboard through xclip on a virtual X server (Xvfb).
#include "editor/clipboard_commands.h"
#include "editor/desktop_clipboard.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"
#include "ui/piped_child.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zped {
namespace {

using test::text_of;

class ZpedMarksAndClipboard : public ::testing::Test {
  protected:
    ZpedMarksAndClipboard() : settings(dir.file("zped.ini"), dir.path()), session(settings) {}
    EditBuffer& open(const std::string& text) {
        return *session.add_buffer(test::buffer_with(text));
    }
    void select(EditBuffer& b, TextPosition from, TextPosition to) {
        move_cursor(b, from, false);
        move_cursor(b, to, true);
    }

    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
};

TEST_F(ZpedMarksAndClipboard, BookmarksAreSharedByAllWindows) {
    EditBuffer& first = open("one\ntwo\nthree");
    move_cursor(first, {2, 3}, false);
    EXPECT_EQ(session.run_command("SetMark3"), 0);
    EXPECT_EQ(ui.last_status(), "Dropped bookmark 3.");
    EditBuffer& second = open("x\ny");
    move_cursor(second, {1, 1}, false);
    EXPECT_EQ(session.run_command("SetMark7"), 0);

    EXPECT_EQ(session.run_command("GotoMark3"), 0);
    EXPECT_EQ(session.active(), &first);
    EXPECT_EQ(first.cursor, (TextPosition{2, 3}));
    EXPECT_EQ(session.run_command("GotoMark5"), 1);
    EXPECT_EQ(ui.last_status(), "Bookmark 5 is not set.");
    EXPECT_EQ(ui.transcript().back().kind, "beep");

    // A mark dropped again moves; the text may have shrunk since.
    EXPECT_EQ(session.run_command("GotoMark7"), 0);
    EXPECT_EQ(session.active(), &second);
    select(second, {0, 1}, {1, 1});
    session.run_command("EditClear");
    ASSERT_EQ(second.line_count(), 1);
    EXPECT_EQ(session.run_command("GotoMark7"), 0);
    EXPECT_EQ(second.cursor, (TextPosition{0, 1}));

    // The window of mark 3 closes: the mark reports it and moves nothing.
    session.activate(&first);
    ASSERT_TRUE(session.close_buffer(&first));
    TextPosition before = second.cursor;
    EXPECT_EQ(session.run_command("GotoMark3"), 1);
    EXPECT_EQ(ui.last_status(), "Window of bookmark 3 has been deleted.");
    EXPECT_EQ(session.active(), &second);
    EXPECT_EQ(second.cursor, before);
}

TEST_F(ZpedMarksAndClipboard, CopyJoinsLinesWithCrLfAndPasteDropsCarriageReturns) {
    EditBuffer& b = open("alpha\nbeta\ngamma");
    // Anchor after the end: the selection is put in order.
    select(b, {1, 0}, {0, 2});
    EXPECT_EQ(session.run_command("EditCopy"), 0);
    EXPECT_EQ(session.clipboard().text(), "pha\r\n");
    select(b, {0, 3}, {2, 2});
    EXPECT_EQ(session.run_command("EditCopy"), 0);
    EXPECT_EQ(session.clipboard().text(), "ha\r\nbeta\r\nga");
    select(b, {1, 1}, {1, 3});
    session.run_command("EditCopy");
    EXPECT_EQ(session.clipboard().text(), "et");

    session.clipboard().set_text("one\r\ntwo\r\n");
    move_cursor(b, {2, 0}, false);
    EXPECT_EQ(session.run_command("EditPaste"), 0);
    EXPECT_EQ(text_of(b), "alpha\nbeta\none\ntwo\ngamma");
    EXPECT_EQ(b.cursor, (TextPosition{4, 0}));
    EXPECT_FALSE(b.has_selection);
    ASSERT_EQ(session.run_command("EditUndo"), 0);
    EXPECT_EQ(text_of(b), "alpha\nbeta\ngamma") << "the paste is one undo step";

    // Paste replaces a selection; Cut and Clear delete it in one step each.
    select(b, {0, 0}, {0, 5});
    session.clipboard().set_text("A");
    session.run_command("EditPaste");
    EXPECT_EQ(text_of(b), "A\nbeta\ngamma");
    select(b, {0, 1}, {1, 2});
    EXPECT_EQ(session.run_command("EditCut"), 0);
    EXPECT_EQ(session.clipboard().text(), "\r\nbe");
    EXPECT_EQ(text_of(b), "Ata\ngamma");
    select(b, {1, 0}, {1, 5});
    EXPECT_EQ(session.run_command("EditClear"), 0);
    EXPECT_EQ(text_of(b), "Ata\n");
    EXPECT_EQ(session.clipboard().text(), "\r\nbe") << "Clear leaves the clipboard alone";
    session.run_command("EditUndo");
    EXPECT_EQ(text_of(b), "Ata\ngamma");
}

TEST(ZpedDesktopClipboard, TheToolFollowsTheDesktopAndTheInternalOneStandsIn) {
    auto environment = [](std::string wayland, std::string display) {
        return [=](const std::string& name) {
            return name == "WAYLAND_DISPLAY" ? wayland : name == "DISPLAY" ? display : "";
        };
    };
    EXPECT_FALSE(find_clipboard_tool(environment("", "")));
    if (ui::program_on_path("xclip")) {
        std::optional<ClipboardTool> x = find_clipboard_tool(environment("", ":5"));
        ASSERT_TRUE(x);
        EXPECT_EQ(x->name, "xclip");
    }

    // No desktop: what was copied is pasted from the editor's own clipboard, and the terminal
    // gets it as an OSC 52 sequence.
    DesktopClipboard clipboard(std::nullopt);
    std::string sent;
    clipboard.set_terminal_sink([&](const std::string& text) { sent = osc52_sequence(text); });
    EXPECT_FALSE(clipboard.text());
    clipboard.set_text("if a\r\n");
    EXPECT_EQ(clipboard.text(), "if a\r\n");
    EXPECT_EQ(sent, "\033]52;c;aWYgYQ0K\a");
    EXPECT_EQ(osc52_sequence("ab"), "\033]52;c;YWI=\a");
    EXPECT_EQ(osc52_sequence(""), "\033]52;c;\a");

    // A tool that cannot be started leaves the internal text.
    DesktopClipboard broken(ClipboardTool{"none", {"/nonexistent/copy"}, {"/nonexistent/paste"}});
    broken.set_text("kept");
    EXPECT_EQ(broken.text(), "kept");
}

// A virtual X server on a display it picks itself, ended with the test.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, STDIN_FILENO);
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", nullptr);
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd ready{fds[0], POLLIN, 0};
        char ch = 0;
        while (poll(&ready, 1, 10000) > 0 && read(fds[0], &ch, 1) == 1 && ch != '\n')
            number += ch;
        close(fds[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~VirtualDisplay() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& name() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

TEST(ZpedDesktopClipboard, XclipOnAVirtualDisplayCarriesTheTextBothWays) {
    if (!ui::program_on_path("Xvfb") || !ui::program_on_path("xclip"))
        GTEST_SKIP() << "Xvfb or xclip is not installed";
    VirtualDisplay display;
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    const char* old = std::getenv("DISPLAY");
    std::string saved = old ? old : "";
    setenv("DISPLAY", display.name().c_str(), 1);

    std::optional<ClipboardTool> tool = find_clipboard_tool();
    ASSERT_TRUE(tool);
    EXPECT_EQ(tool->name, "xclip");
    DesktopClipboard clipboard(tool);
    clipboard.set_text("entity e is\r\nend e;\r\n");
    // Another program on the display sees the text...
    ui::PipedResult seen = ui::run_piped(tool->paste, "", true, 5000);
    EXPECT_EQ(seen.output, "entity e is\r\nend e;\r\n");
    // ...and what another program puts there is what Paste gets.
    ui::run_piped(tool->copy, "from outside", false, 5000);
    EXPECT_EQ(clipboard.text(), "from outside");

    if (old)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

} // namespace
} // namespace zped
