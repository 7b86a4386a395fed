// User tools, running programs into the result window, and NextError / PrevError, with real
// child processes.
#include "editor/command_words.h"
#include "editor/error_navigation.h"
#include "editor/program_run.h"
#include "editor/user_tools.h"
#include "tools_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zped {
namespace {

using test::ToolSession;

std::vector<std::string> lines_of_buffer(const EditBuffer& b) {
    std::vector<std::string> lines;
    for (int i = 0; i < b.line_count(); ++i)
        lines.emplace_back(b.line(i));
    return lines;
}

TEST(ZpedUserTools, SlotsUpToTheFirstNamelessOneAreLoadedAndLabelTheirCommands) {
    ToolSession t;
    Settings& s = t.settings;
    s.write_string("UserDefinedTools", "ToolName1", "Lister");
    s.write_string("UserDefinedTools", "Executable1", "/bin/ls");
    s.write_string("UserDefinedTools", "ToolName2", "Counter");
    s.write_string("UserDefinedTools", "Executable2", "wc");
    s.write_string("UserDefinedTools", "Argument2", "-l $$");
    s.write_string("UserDefinedTools", "WorkingDirectory2", "/tmp");
    // Slot 3 has no name: slot 4 is never loaded.
    s.write_string("UserDefinedTools", "ToolName4", "Hidden");
    s.write_string("UserDefinedTools", "Executable4", "true");
    t.session.start();
    const UserTools& tools = t.session.tools;
    EXPECT_EQ(tools.loaded, 2);
    EXPECT_EQ(tools.slots[0].working_directory, ".");
    EXPECT_EQ(tools.slots[1].argument, "-l $$");
    EXPECT_EQ(tools.slots[1].working_directory, "/tmp");
    EXPECT_EQ(tools.slots[3].name, "Hidden") << "kept for saving, but no tool";
    CommandTable& c = t.session.commands;
    EXPECT_EQ(c.label(c.find("RunTool1")), "Lister");
    EXPECT_EQ(c.label(c.find("RunTool2")), "Counter");
    EXPECT_EQ(c.label(c.find("RunTool3")), "RunTool3");
    EXPECT_EQ(c.label(c.find("RunTool4")), "RunTool4");
    EXPECT_EQ(t.session.run_command("RunTool4"), 1);
    EXPECT_EQ(t.ui().texts("box").back(),
              "Tool(4) '' has no command executable specified.\nUse Options -> Tools to specify "
              "a command.");

    // Saved and read back, the slots stay as they were.
    t.session.tools.slots[2] = {"Third", "make", "-C $$", "build"};
    t.session.tools.loaded = 3;
    ASSERT_TRUE(t.session.write_settings());
    Settings again(t.settings.path(), t.dir.path());
    ASSERT_TRUE(again.load());
    UserTools read;
    read.load(again);
    EXPECT_EQ(read.loaded, 4) << "slot 4 was kept, and follows slot 3 now";
    EXPECT_EQ(read.slots[3].name, "Hidden");
    EXPECT_EQ(read.slots[2].argument, "-C $$");
    EXPECT_EQ(read.slots[2].working_directory, "build");
}

TEST(ZpedUserTools, TheOptionsDialogEditsEverySlotAndRelabelsTheCommands) {
    ToolSession t;
    t.settings.write_string("UserDefinedTools", "ToolName1", "Lister");
    t.settings.write_string("UserDefinedTools", "Executable1", "/bin/ls");
    t.session.start();
    CommandTable& c = t.session.commands;

    // Moving through the list keeps what was typed for each slot; a name longer than a field
    // holds is cut.
    std::string long_name(300, 'n');
    test::answer_fields(t.ui(),
                        {{"name", "Lines"},
                         {"tool", "2"},
                         {"name", "Counter"},
                         {"executable", "wc"},
                         {"argument", "-l $$"},
                         {"directory", "/tmp"},
                         {"tool", "3"},
                         {"name", long_name},
                         {"tool", "1"}},
                        "OK");
    ASSERT_EQ(t.session.run_command("ToolOptions"), 0);
    const UserTools& tools = t.session.tools;
    EXPECT_EQ(tools.loaded, 3);
    EXPECT_EQ(tools.slots[0].name, "Lines");
    EXPECT_EQ(tools.slots[0].executable, "/bin/ls") << "untouched fields stay";
    EXPECT_EQ(tools.slots[1].argument, "-l $$");
    EXPECT_EQ(tools.slots[1].working_directory, "/tmp");
    EXPECT_EQ(tools.slots[2].name.size(), 255u);
    EXPECT_EQ(c.label(c.find("RunTool1")), "Lines");
    EXPECT_EQ(c.label(c.find("RunTool2")), "Counter");
    EXPECT_EQ(c.label(c.find("RunTool4")), "RunTool4");

    // The list shows the slots by number and name; Cancel and Esc change nothing, and a
    // slot emptied of its name ends the tools there.
    std::vector<std::string> items;
    t.ui().answer_dialog([&](Dialog& d) -> std::optional<int> {
        items = d.field("tool")->items;
        d.field("name")->text = "Dropped";
        d.notify_changed(1);
        return d.button("Cancel");
    });
    EXPECT_EQ(t.session.run_command("ToolOptions"), 1);
    EXPECT_EQ(items[0], "1: Lines");
    EXPECT_EQ(items[3], "4: (none)");
    EXPECT_EQ(tools.slots[0].name, "Lines");
    EXPECT_EQ(t.session.run_command("ToolOptions"), 1) << "closed without an answer";
    test::answer_fields(t.ui(), {{"tool", "2"}, {"name", ""}}, "OK");
    ASSERT_EQ(t.session.run_command("ToolOptions"), 0);
    EXPECT_EQ(tools.loaded, 1);
    EXPECT_EQ(c.label(c.find("RunTool2")), "RunTool2");
    EXPECT_EQ(c.label(c.find("RunTool3")), "RunTool3") << "behind the nameless slot";
}

TEST(ZpedUserTools, DollarsStandForTheActiveFileAsTheUserNamedIt) {
    UserTool tool{"Show", "EXE", "$$ -v", "."};
    ProgramCommand c = user_tool_command(tool, "top.vhd");
    EXPECT_EQ(c.text, "EXE top.vhd -v");
    EXPECT_EQ(c.argv, (std::vector<std::string>{"EXE", "top.vhd", "-v"}));
    EXPECT_EQ(c.working_directory, ".");

    // Every "$$" is replaced; a file name with blanks stays one word of the program.
    tool.argument = "--in=$$ \"-o $$.log\" $$";
    c = user_tool_command(tool, "my top.vhd");
    EXPECT_EQ(c.text, "EXE --in=my top.vhd \"-o my top.vhd.log\" my top.vhd");
    EXPECT_EQ(c.argv, (std::vector<std::string>{"EXE", "--in=my top.vhd", "-o my top.vhd.log",
                                                "my top.vhd"}));
    EXPECT_EQ(split_command_words("  a\t\"b c\"d \"\"  "),
              (std::vector<std::string>{"a", "b cd", ""}));
}

TEST(ZpedUserTools, RefusalsCarryTheirTitles) {
    ToolSession t;
    t.session.tools.slots[0] = {"Empty", "", "$$", "."};
    t.session.tools.slots[1] = {"Lint", "true", "$$ -v", "."};
    t.session.tools.loaded = 2;

    EXPECT_EQ(run_user_tool(t.session, 1), 1);
    ASSERT_EQ(t.ui().transcript().size(), 1u);
    EXPECT_EQ(t.ui().transcript()[0].title, "Empty command line");
    EXPECT_EQ(t.ui().transcript()[0].text,
              "Tool(1) 'Empty' has no command executable specified.\nUse Options -> Tools to "
              "specify a command.");

    t.ui().clear();
    EXPECT_EQ(run_user_tool(t.session, 2), 1);
    ASSERT_EQ(t.ui().transcript().size(), 1u);
    EXPECT_EQ(t.ui().transcript()[0].title, "No active windows");
    EXPECT_EQ(t.ui().transcript()[0].text, "Tool(2) 'Lint' uses active window in command "
                                           "line\narguments, but no window is ative.");
    EXPECT_EQ(t.session.find_by_file_name(kToolResultWindow), nullptr) << "nothing ran";

    // A result window is no file to hand over either.
    t.session.show_result_window("startup.err", {"x"});
    t.ui().clear();
    EXPECT_EQ(run_user_tool(t.session, 2), 1);
    EXPECT_EQ(t.ui().transcript()[0].title, "No active windows");
}

TEST(ZpedUserTools, RunInTheirWorkingDirectoryIntoOneReusedResultWindow) {
    ToolSession t;
    std::string log = t.dir.file("log");
    std::string program = test::stand_in(t.dir.path(), "lister", log, "listed\n");
    mkdir(t.dir.file("work").c_str(), 0755);
    EditBuffer* source = t.open(t.dir.file("top.vhd"), "entity top is end;\n");
    t.session.tools.slots[0] = {"Lister", program, "$$ -v", t.dir.file("work")};
    t.session.tools.loaded = 1;

    ASSERT_EQ(t.session.run_command("RunTool1"), 0);
    EXPECT_EQ(t.ui().texts("status").front(), "Running scriptfile 'zpedtool.bat' for Lister.");
    EXPECT_EQ(test::read_whole(log), t.dir.file("work") + "|lister " + source->file_name + " -v\n");
    EditBuffer* window = t.session.active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->file_name, "ToolResult");
    EXPECT_EQ(window->window_kind, kResultWindow);
    EXPECT_TRUE(window->read_only);
    EXPECT_FALSE(window->modified);
    EXPECT_EQ(window->window_title, "Result of tool 'Lister'.");
    EXPECT_EQ(lines_of_buffer(*window),
              (std::vector<std::string>{"", "Result of tool 'Lister'.", "", "listed", ""}));
    EXPECT_EQ(window->cursor, (TextPosition{4, 0})) << "the window follows the output";

    // The next run empties the same window; the source window is active again first.
    t.session.activate(source);
    ASSERT_EQ(t.session.run_command("RunTool1"), 0);
    EXPECT_EQ(t.session.active(), window);
    EXPECT_EQ(t.session.buffers.size(), 2u);
    EXPECT_EQ(window->line_count(), 5);
    EXPECT_FALSE(window->history.can_redo());
}

// Records what the result window held at every update of a running program.
class WatchingUi : public ScriptedEditorUi {
  public:
    bool program_running(const EditBuffer& window) override {
        ScriptedEditorUi::program_running(window);
        seen.push_back(window.text_between({0, 0}, window.end_of_text()));
        return true;
    }
    std::vector<std::string> seen;
};

TEST(ZpedProgramRun, OutputIsShownAsItComesInPiecesOfAtMost256Bytes) {
    ToolSession t;
    WatchingUi watching;
    set_editor_ui(&watching);
    ProgramRun run;
    run.title = "Slow";
    // 1000 bytes at once, then one line a little later, then the end.
    run.command.argv = {"/bin/sh", "-c",
                        "head -c 1000 /dev/zero | tr '\\0' x; printf '\\r\\n'; sleep 0.3; "
                        "printf 'late\\r\\n'"};
    run.command.text = "slow";
    ASSERT_EQ(run_program(t.session, run), 0);
    set_editor_ui(&t.ui());

    ASSERT_GE(watching.seen.size(), 5u);
    std::size_t before = std::string("\nSlow\n\n").size();
    for (const std::string& text : watching.seen) {
        EXPECT_LE(text.size() - before, 256u + 4u) << "one piece (and its line breaks) a time";
        before = text.size();
    }
    // The late line was not yet there while the first part was already shown.
    EXPECT_EQ(watching.seen.front().find("late"), std::string::npos);
    EXPECT_NE(watching.seen.front().find("xxx"), std::string::npos);

    // Carriage returns are gone; the 1000 bytes are cut into lines of 255.
    EditBuffer& w = *t.session.find_by_file_name(kToolResultWindow);
    ASSERT_EQ(w.line_count(), 3 + 4 + 2);
    EXPECT_EQ(w.line(3), std::string(255, 'x'));
    EXPECT_EQ(w.line(6), std::string(1000 - 3 * 255, 'x'));
    EXPECT_EQ(w.line(7), "late");
    EXPECT_EQ(w.line(8), "");
}

TEST(ZpedProgramRun, LongLinesBreakBetweenUtf8CharactersAndNulBytesAreDropped) {
    EditBuffer window;
    window.set_lines({""});
    std::string euro = "\xE2\x82\xAC";
    append_output(window, std::string(253, 'a') + euro + "b");
    ASSERT_EQ(window.line_count(), 2);
    EXPECT_EQ(window.line(0), std::string(253, 'a'));
    EXPECT_EQ(window.line(1), euro + "b");
    append_output(window, std::string("c\0d\r\n", 5));
    EXPECT_EQ(window.line(1), euro + "bcd");
    EXPECT_EQ(window.line(2), "");
}

TEST(ZpedProgramRun, AProgramThatCannotStartLeavesTheTitleLines) {
    ToolSession t;
    ProgramRun run;
    run.title = "Missing";
    run.command = command_from_text("/no/such/program -x", "");
    EXPECT_EQ(run_program(t.session, run), 1);
    ASSERT_FALSE(t.ui().texts("box").empty());
    EXPECT_EQ(t.ui().texts("box").front(), "Can not create process '/no/such/program -x'");
    EditBuffer* window = t.session.find_by_file_name(kToolResultWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(lines_of_buffer(*window), (std::vector<std::string>{"", "Missing", "", ""}));

    // A working directory that does not exist cannot take the program either.
    t.ui().clear();
    run.command = command_from_text("true", t.dir.file("gone"));
    EXPECT_EQ(run_program(t.session, run), 1);
    EXPECT_EQ(t.ui().texts("box").front(), "Can not create process 'true'");
}

// True once the process is gone (or only a zombie is left of it).
bool process_ended(pid_t pid) {
    std::string stat = test::read_whole("/proc/" + std::to_string(pid) + "/stat");
    std::size_t paren = stat.rfind(')');
    return stat.empty() || (paren != std::string::npos && stat.substr(paren + 2, 1) == "Z");
}

TEST(ZpedProgramRun, StoppingEndsTheProgramAndWhatItStarted) {
    ToolSession t;
    std::string pid_file = t.dir.file("pid");
    ProgramRun run;
    run.title = "Endless";
    run.command.argv = {"/bin/sh", "-c",
                        "sleep 60 & echo $! > '" + pid_file + "'; echo started; wait"};
    run.command.text = "endless";
    t.ui().stop_program_at_update(2);
    ASSERT_EQ(run_program(t.session, run), 0);
    EXPECT_EQ(t.ui().last_status(), "'/bin/sh' was stopped.");
    EXPECT_EQ(t.session.find_by_file_name(kToolResultWindow)->line(3), "started");
    pid_t started = static_cast<pid_t>(std::stol(test::read_whole(pid_file)));
    for (int i = 0; i < 250 && !process_ended(started); ++i)
        usleep(20 * 1000);
    EXPECT_TRUE(process_ended(started)) << "the program's own child was stopped too";
}

// A result window holding V-System output for a source window of ten lines.
struct NavigationSession : ToolSession {
    EditBuffer* source = nullptr;
    EditBuffer* result = nullptr;

    NavigationSession() {
        std::string text;
        for (int i = 1; i <= 10; ++i)
            text += "line " + std::to_string(i) + "\n";
        source = open(dir.file("top.vhd"), text);
        ProgramRun run;
        run.title = "V-System compiler";
        run.parser = ErrorParser::Vsystem;
        run.command.argv = {"/bin/sh", "-c",
                            "echo '-- Compiling entity top'; "
                            "echo 'ERROR: top.vhd(3): Unknown identifier: b'; "
                            "echo '###### top.vhd(3):   y <= a and b;'; "
                            "echo 'WARNING[2]: top.vhd(5): not an error line'; "
                            "echo '###### top.vhd(7): Warning: no sensitivity list'; "
                            "echo 'ERROR: top.vhd(9): Type error'"};
        run.command.text = "vcom";
        run_program(session, run);
        result = session.find_by_file_name(kToolResultWindow);
        session.refresh_enable_groups();
    }
};

TEST(ZpedErrorNavigation, TheListKeepsOneEntryPerSourceLineAndFlagsWarnings) {
    NavigationSession t;
    const std::vector<ErrorEntry>& e = t.session.tool_results.errors;
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].source_line, 3);
    EXPECT_EQ(e[0].result_line, 4);
    EXPECT_EQ(e[0].flags, 0u);
    EXPECT_EQ(e[1].source_line, 7);
    EXPECT_EQ(e[1].flags, kWarningEntry);
    EXPECT_EQ(e[2].source_line, 9);
    EXPECT_EQ(e[2].text, "ERROR: top.vhd(9): Type error");
    CommandTable& c = t.session.commands;
    EXPECT_TRUE(c.enabled(c.find("NextError")));
    EXPECT_TRUE(c.enabled(c.find("PrevError")));
}

TEST(ZpedErrorNavigation, NextAndPrevSelectTheResultLineAndMarkTheSourceLine) {
    NavigationSession t;
    ASSERT_EQ(t.session.run_command("NextError"), 0);
    EXPECT_EQ(t.result->cursor, (TextPosition{4, 0}));
    EXPECT_TRUE(t.result->has_selection);
    EXPECT_EQ(t.result->selection_anchor, (TextPosition{4, 0}));
    EXPECT_EQ(t.result->selection_end, (TextPosition{4, 40}));
    EXPECT_EQ(t.session.active(), t.source);
    EXPECT_EQ(t.source->cursor, (TextPosition{2, 0}));
    EXPECT_EQ(t.source->selection_end, (TextPosition{2, 6}));
    EXPECT_EQ(t.ui().last_status(), "ERROR: top.vhd(3): Unknown identifier: b");

    ASSERT_EQ(t.session.run_command("NextError"), 0);
    EXPECT_EQ(t.source->cursor.line, 6);
    ASSERT_EQ(t.session.run_command("NextError"), 0);
    EXPECT_EQ(t.source->cursor.line, 8);
    EXPECT_EQ(t.session.run_command("NextError"), 1) << "no entry after the last";
    EXPECT_EQ(t.source->cursor.line, 8);

    ASSERT_EQ(t.session.run_command("PrevError"), 0);
    EXPECT_EQ(t.source->cursor.line, 6);
    ASSERT_EQ(t.session.run_command("PrevError"), 0);
    EXPECT_EQ(t.result->cursor.line, 4);
    // On the first entry, and before it, PrevError does nothing.
    t.ui().clear();
    EXPECT_EQ(t.session.run_command("PrevError"), 1);
    EXPECT_EQ(t.result->cursor.line, 4);
    EXPECT_EQ(t.source->cursor.line, 2);
    t.result->cursor = {1, 0};
    EXPECT_EQ(t.session.run_command("PrevError"), 1);
    EXPECT_EQ(t.result->cursor, (TextPosition{1, 0}));
    EXPECT_TRUE(t.ui().transcript().empty());
}

TEST(ZpedErrorNavigation, AfterTheSourceWindowClosesOnlyTheStatusTextIsShown) {
    NavigationSession t;
    ASSERT_TRUE(t.session.close_buffer(t.source));
    t.session.activate(t.result);
    t.ui().clear();
    EXPECT_EQ(t.session.run_command("NextError"), 1);
    ASSERT_EQ(t.ui().transcript().size(), 1u);
    EXPECT_EQ(t.ui().last_status(), "Source window has been removed.");
    EXPECT_EQ(t.result->cursor, (TextPosition{0, 0})) << "nothing moved";
    EXPECT_FALSE(t.result->has_selection);

    // Closing the result window ends error navigation.
    ASSERT_TRUE(t.session.close_buffer(t.result));
    CommandTable& c = t.session.commands;
    EXPECT_FALSE(c.enabled(c.find("NextError")));
    EXPECT_FALSE(c.enabled(c.find("PrevError")));
}

TEST(ZpedErrorNavigation, OutputAfterTheSourceWindowClosedIsShownWithoutAList) {
    ToolSession t;
    ProgramRun run;
    run.title = "V-System compiler";
    run.parser = ErrorParser::Vsystem;
    run.command.argv = {"/bin/sh", "-c", "echo 'ERROR: top.vhd(3): x'"};
    run.command.text = "vcom";
    // No edit window at all: the run still shows its output.
    ASSERT_EQ(run_program(t.session, run), 0);
    EXPECT_EQ(t.session.find_by_file_name(kToolResultWindow)->line(3), "ERROR: top.vhd(3): x");
    EXPECT_TRUE(t.session.tool_results.errors.empty());
}

} // namespace
} // namespace zped
