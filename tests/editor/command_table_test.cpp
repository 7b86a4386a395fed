// The command table's fixed order, identifiers and masks, the enable groups as the editor's
// state changes, switching and closing windows, and the command line.
#include "editor/command_line.h"
#include "editor/command_table.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor/status_line.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

TEST(ZpedCommandTable, NamesInTheirFixedOrderWithIdentifiers) {
    std::vector<std::string> expected = {
        "LoadFile",         "NewFile",         "InsertFile",      "SaveFile",
        "SaveFileAs",       "SaveAll",         "PrintText",       "ExitApp",
        "LoadMRUFile1",     "LoadMRUFile2",    "LoadMRUFile3",    "LoadMRUFile4",
        "LoadMRUFile5",     "FindText",        "FindNextText",    "ReplaceText",
        "GotoLine",         "EditSpecial",     "EditTemplates",   "LanguageExpand",
        "IdentifierExpand", "VsystemOptions",  "VsystemVHDL",     "VsystemVerilog",
        "LeonardoCompile",  "SynplifyVhdl",    "SynplifyVerilog", "NextError",
        "PrevError",        "AddIndent",       "RemoveIndent",    "AddComment",
        "RemoveComment",    "EditCopy",        "EditCut",         "EditPaste",
        "EditClear",        "EditUndo",        "EditRedo",        "GoLineUp",
        "GoLineDown",       "GoCharLeft",      "GoCharRight",     "GoWordLeft",
        "GoWordRight",      "GoBeginLine",     "GoEndLine",       "GoPageUp",
        "GoPageDown",       "GoBeginDoc",      "GoEndDoc",        "DeleteChar",
        "BackspaceChar",    "DeleteLine",      "DeleteWord",      "EditorOptions",
        "LanguageOptions",  "LeonardoOptions", "About",           "ToolOptions"};
    for (int i = 1; i <= 6; ++i)
        expected.push_back("RunTool" + std::to_string(i));
    for (int i = 0; i <= 9; ++i)
        expected.push_back("GotoMark" + std::to_string(i));
    for (int i = 0; i <= 9; ++i)
        expected.push_back("SetMark" + std::to_string(i));
    for (int i = 1; i <= 5; ++i)
        expected.push_back("DisplayHelpfile" + std::to_string(i));
    for (const char* n : {"WindowCascade", "WindowTileVertical", "WindowTileHorizontal",
                          "WindowNext", "WindowPrevious", "WindowClose", "Accelerators"})
        expected.push_back(n);
    ASSERT_EQ(expected.size(), 98u);
    // Today's compilers follow the classic table.
    for (const char* n : {"GhdlAnalyze", "IcarusCompile", "VerilatorLint"})
        expected.push_back(n);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kCommandCount));
    CommandTable table;
    for (int i = 0; i < kCommandCount; ++i) {
        EXPECT_EQ(table.row(i).name, expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(table.find(expected[static_cast<std::size_t>(i)]), i);
        EXPECT_EQ(table.index_of_id(CommandTable::id_of(i)), i);
        EXPECT_EQ(table.find_handler(table.row(i).handler), i);
    }
    EXPECT_EQ(table.index_of_id(9999), -1);
    EXPECT_EQ(table.index_of_id(10000 + kCommandCount), -1);
    EXPECT_EQ(table.find("savefile"), -1) << "names are case-sensitive";
}

TEST(ZpedCommandTable, MasksOfTheTellingRows) {
    CommandTable t;
    auto mask = [&](const char* name) { return t.row(t.find(name)).mask; };
    EXPECT_EQ(mask("LoadFile"), 0u);
    EXPECT_EQ(mask("InsertFile"), 2u);
    EXPECT_EQ(mask("NextError"), 8u);
    EXPECT_EQ(mask("PrevError"), 8u);
    EXPECT_EQ(mask("AddIndent"), 1u);
    EXPECT_EQ(mask("EditCut"), 1u);
    EXPECT_EQ(mask("EditPaste"), 2u);
    EXPECT_EQ(mask("EditUndo"), 16u);
    EXPECT_EQ(mask("EditRedo"), 32u);
    EXPECT_EQ(mask("DeleteWord"), 2u);
    EXPECT_EQ(mask("SetMark0"), 0u);
    EXPECT_EQ(mask("WindowClose"), 2u);
    EXPECT_EQ(mask("Accelerators"), 0u);
    EXPECT_STREQ(t.row(t.find("FindNextText")).description,
                 "Repeat last Find or Replace operation.");
}

TEST(ZpedEnableGroups, FollowTheActiveBuffer) {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    Settings settings(dir.file("zped.ini"), dir.path());
    EditorSession session(settings);
    CommandTable& c = session.commands;
    auto on = [&](const char* name) { return c.enabled(c.find(name)); };
    session.refresh_enable_groups();
    EXPECT_FALSE(on("SaveFile"));
    EXPECT_TRUE(on("LoadFile"));
    ASSERT_EQ(session.run_command("NewFile"), 0);
    EXPECT_TRUE(on("SaveFile"));
    EXPECT_FALSE(on("EditUndo"));
    EXPECT_FALSE(on("EditCopy"));
    EditBuffer& b = *session.active();
    type_text(b, "abc", false);
    session.refresh_enable_groups();
    EXPECT_TRUE(on("EditUndo"));
    EXPECT_FALSE(on("EditRedo"));
    ASSERT_EQ(session.run_command("EditUndo"), 0);
    EXPECT_FALSE(on("EditUndo"));
    EXPECT_TRUE(on("EditRedo"));
    ASSERT_EQ(session.run_command("EditRedo"), 0);
    EXPECT_EQ(test::text_of(b), "abc");
    move_cursor(b, {0, 0}, false);
    move_cursor(b, {0, 2}, true);
    session.refresh_enable_groups();
    EXPECT_TRUE(on("EditCopy"));
    EXPECT_FALSE(on("NextError"));
    // A disabled command does not run.
    EXPECT_EQ(session.run_command("NextError"), 1);
}

TEST(ZpedCommands, WindowsSwitchAndClose) {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    Settings settings(dir.file("zped.ini"), dir.path());
    EditorSession session(settings);
    session.run_command("NewFile");
    session.run_command("NewFile");
    EXPECT_EQ(session.active()->file_name, "Untitled2");
    session.run_command("WindowNext");
    EXPECT_EQ(session.active()->file_name, "Untitled1");
    session.run_command("WindowPrevious");
    EXPECT_EQ(session.active()->file_name, "Untitled2");
    session.run_command("WindowClose");
    EXPECT_EQ(session.active()->file_name, "Untitled1");
    EXPECT_EQ(session.mru.entry(0), "") << "unnamed buffers stay out of the recent list";
    scripted.ui.answer_text("42");
    session.run_command("GotoLine");
    EXPECT_EQ(session.active()->cursor.line, 0);
}

TEST(ZpedCommandLine, OptionsFilesAndPrinting) {
    CommandLine a = parse_command_line({"/n", "a.vhd", "\"my file.vhd\"", "/proj/b.vhd"});
    EXPECT_TRUE(a.new_instance);
    EXPECT_EQ(a.files, (std::vector<std::string>{"a.vhd", "my file.vhd", "/proj/b.vhd"}));
    EXPECT_FALSE(a.print);
    CommandLine p = parse_command_line({"/p", "some", "file.vhd"});
    ASSERT_TRUE(p.print);
    EXPECT_EQ(*p.print, "some file.vhd");
    EXPECT_TRUE(parse_command_line({"--help"}).help);
    EXPECT_TRUE(parse_command_line({"--version"}).version);
    EXPECT_FALSE(parse_command_line({"--bogus"}).error.empty());
}

} // namespace
} // namespace zped

namespace zped {
namespace {

TEST(ZpedStatusLine, FieldsAreRewrittenOnlyWhenAValueChanged) {
    auto buffer = test::buffer_with("\tab\nx");
    EditBuffer& b = *buffer;
    b.cursor = {0, 1};
    StatusFields fields = status_fields(&b, false);
    EXPECT_EQ(fields.position, "   1 : 4  ");
    EXPECT_EQ(fields.mode, "Insert");
    EXPECT_EQ(fields.state, "");
    StatusLine line;
    EXPECT_TRUE(line.update(fields));
    EXPECT_FALSE(line.update(status_fields(&b, false)));
    b.modified = true;
    EXPECT_TRUE(line.update(status_fields(&b, true)));
    EXPECT_EQ(line.shown().state, "Modified");
    EXPECT_EQ(line.shown().mode, "Overwrite");
    b.read_only = true;
    EXPECT_EQ(status_fields(&b, false).state, "Readonly");
}

} // namespace
} // namespace zped
