// The main window's vocabulary as the shell shows it: the menus and the tool bar of a VHDL
// block diagram, a Verilog block diagram and a state diagram against golden transcripts; the
// enabling that follows verification, edits and undo; items run by their labels; tool
// variants remembered by the session.
#include "console_session.h"
#include "design/entity.h"
#include "shell/main_window_state.h"
#include "shell/main_window_vocabulary.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace zeph;
using shell_test::expect_golden;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.session().start_untitled();
        console.take_output();
    }
    // The output of the lines, one after the other.
    std::string transcript(std::initializer_list<std::string> lines) {
        console.take_output();
        for (const std::string& line : lines)
            console.run(line);
        return console.take_output();
    }
    const MenuItem* item(std::vector<std::string> path) {
        menus = main_menus(console.session());
        return find_menu_item(menus, path);
    }
    const Tool* tool(const std::string& bitmap) {
        tools = tool_bar(console.session());
        for (const Tool& t : tools)
            if (t.bitmap == bitmap) return &t;
        return nullptr;
    }

    ScratchDir dir;
    bool settings_written = (write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"), true);
    ConsoleSession console{dir.path(), dir / "zeph.ini"};
    std::vector<MenuItem> menus;
    std::vector<Tool> tools;
};

TEST_F(MainWindowTest, MenusAndToolsOfAVhdlBlockDiagram) {
    expect_golden("menu_vhdl_block_diagram.txt", transcript({"menu", "tools"}));
}

TEST_F(MainWindowTest, MenusAndToolsOfAVerilogBlockDiagram) {
    expect_golden("menu_verilog_block_diagram.txt",
                  transcript({"setup language verilog", "menu", "tools"}));
    const Tool* entity = tool("entity");
    ASSERT_NE(entity, nullptr);
    EXPECT_EQ(entity->tip, "Add Module...");
    EXPECT_EQ(tool("port")->variants.size(), 3u);
}

TEST_F(MainWindowTest, MenusAndToolsOfAStateDiagram) {
    expect_golden("menu_state_diagram.txt", transcript({"add-component 640 640 u0 fsm state",
                                                        "down 700 700", "menu", "tools"}));
}

TEST_F(MainWindowTest, EnablingFollowsVerificationEditsAndUndo) {
    EXPECT_FALSE(item({"Design", "Generate"})->enabled);
    EXPECT_FALSE(tool("output")->enabled);
    EXPECT_FALSE(tool("undo")->enabled) << "undo starts disabled";
    EXPECT_FALSE(tool("delete")->enabled) << "nothing selected";

    ASSERT_TRUE(console.run("add-component 640 640 u0 leaf block"));
    EXPECT_TRUE(tool("undo")->enabled);
    ASSERT_TRUE(console.run("verify-design"));
    EXPECT_TRUE(item({"Design", "Generate"})->enabled);
    EXPECT_TRUE(tool("output")->enabled);

    ASSERT_TRUE(console.run("select 700 700"));
    EXPECT_TRUE(tool("delete")->enabled);
    EXPECT_TRUE(tool("rotate")->enabled);
    ASSERT_TRUE(console.run("answer yes"));
    ASSERT_TRUE(console.run("delete"));
    EXPECT_FALSE(item({"Design", "Generate"})->enabled) << "the design changed since";
    EXPECT_FALSE(tool("output")->enabled);
    ASSERT_TRUE(console.run("undo"));
    ASSERT_TRUE(console.run("undo"));
    EXPECT_FALSE(tool("undo")->enabled) << "nothing left to undo";

    // A diagram without undo history of its own: the tool follows the current diagram.
    ASSERT_TRUE(console.run("add-component 640 640 u0 leaf block"));
    ASSERT_TRUE(console.run("down 700 700"));
    EXPECT_FALSE(tool("undo")->enabled);
    ASSERT_TRUE(console.run("up"));
    EXPECT_TRUE(tool("undo")->enabled);
}

TEST_F(MainWindowTest, ItemsRunByTheirLabels) {
    std::string text = transcript({
        "invoke File Print",
        "invoke Design Generate...",
        "invoke Design Setup",
        "invoke Diagram \"Included Texts\"",
        "invoke Level Frobnicate",
        "invoke \"D&iagram\" \"&Verify\"",
        "invoke Window \"Zoom In\\tF6\"",
        "invoke level up",
        "tool output",
        "tool verify",
        "tool port 5",
        "tool port 3",
        "tool trap",
    });
    expect_golden("invoke.txt", text);
}

TEST_F(MainWindowTest, ImportVhdlTakesTheChosenFile) {
    write_file(dir / "uart.vhd", "entity uart is port (tx : out bit); end uart;\n"
                                 "architecture a of uart is begin tx <= '1'; end a;\n");
    ASSERT_TRUE(console.run("answer " + (dir / "uart.vhd")));
    ASSERT_TRUE(console.run("invoke File \"Import VHDL\"")) << console.take_output();
    bool found = false;
    for (const auto& entity : console.session().design()->entities)
        found = found || entity->name == "uart";
    EXPECT_TRUE(found);
    EXPECT_TRUE(console.session().project().modified());
}

TEST_F(MainWindowTest, TheChosenVariantIsRememberedAcrossDiagrams) {
    ASSERT_TRUE(console.run("tool port 2"));
    ASSERT_TRUE(console.run("tool entity 4"));
    ASSERT_TRUE(console.run("add-component 640 640 u0 leaf block"));
    ASSERT_TRUE(console.run("down 700 700"));
    EXPECT_EQ(tool("port")->chosen_variant, 1);
    EXPECT_EQ(tool("entity")->chosen_variant, 3);
    ASSERT_TRUE(console.run("setup language verilog"));
    EXPECT_EQ(tool("entity")->variants[3], "External Module");
    EXPECT_EQ(tool("entity")->chosen_variant, 3);
}

// Every item of the vocabulary is one command: the menus hold each command once, and the
// common tools run the commands of the menus (or those only the tool bar has).
TEST(MainWindowVocabulary, EveryItemIsOneCommand) {
    std::set<CommandId> seen;
    std::set<CommandId> menu_commands;
    for (const MenuEntry& e : main_menu_entries()) {
        if (e.depth == 0) continue;
        EXPECT_TRUE(seen.insert(e.id).second) << e.label;
        menu_commands.insert(e.id);
        EXPECT_NE(std::string(e.description), "") << e.label;
        if (e.handling == Handling::Dialog) {
            EXPECT_NE(e.shell_command, nullptr) << e.label;
        }
    }
    for (const ToolEntry& t : tool_bar_entries()) {
        if (t.group != ToolGroup::Common) continue;
        bool runs = t.handling == Handling::Operation || t.handling == Handling::Dialog;
        bool tool_only = t.id == CommandId::EditUndo || t.id == CommandId::SelectionDelete ||
                         t.id == CommandId::SelectionRotate || t.id == CommandId::EditObject;
        EXPECT_TRUE(!runs || tool_only || menu_commands.count(t.id) == 1) << t.bitmap;
    }
}

} // namespace
