// The hierarchy items of the main window's menus as the shell's invoke runs them: the tree the
// hierarchy browser shows (listed as a report), Design > List and Purge, Diagram > Save Macro,
// Load Macro and Load Library Module, each against the shell's own command on a twin session;
// and the tree of a design whose file makes an entity contain itself.
#include "console_session.h"
#include "test_files.h"

#include "blockdiagram/hierarchy_tree.h"
#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/component.h"
#include "design/entity.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace zeph;
using shell_test::expect_golden;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

// A top level holding "mid", which holds "leaf" with a second architecture "fast".
const std::vector<std::string> kTwoLevels = {
    "add-component 640 640 u0 mid block",  "down 700 700",
    "add-component 640 640 u1 leaf block", "edit-instance u1 new=fast:block",
    "instantiate 2048 640 leaf a0 u2",     "top",
};

class HierarchyMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        for (ConsoleSession* s : {&menu, &shell}) {
            s->session().start_untitled();
            for (const std::string& line : kTwoLevels)
                ASSERT_TRUE(s->run(line)) << line << "\n" << s->take_output();
            s->take_output();
        }
    }
    static std::string output_of(ConsoleSession& s, std::initializer_list<std::string> lines) {
        s.take_output();
        for (const std::string& line : lines)
            s.run(line);
        return s.take_output();
    }
    // The output of one command without its echo.
    static std::string result_of(ConsoleSession& s, const std::string& line) {
        std::string text = output_of(s, {line});
        return text.substr(text.find('\n') + 1);
    }
    // The same design on both sides, as the design list tells it.
    void expect_same_design() {
        EXPECT_EQ(output_of(menu, {"design-list"}), output_of(shell, {"design-list"}));
    }

    ScratchDir root;
    bool settings_written =
        (write_file(root / "menu/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"),
         write_file(root / "shell/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"), true);
    ConsoleSession menu{root / "menu", root / "menu/zeph.ini"};
    ConsoleSession shell{root / "shell", root / "shell/zeph.ini"};
};

TEST_F(HierarchyMenu, TheBrowsersTreeIsListedAsAReport) {
    expect_golden("hierarchy_tree.txt",
                  output_of(menu, {"invoke Design \"Hierarchy Browser\"", "setup language verilog",
                                   "invoke Design \"Hierarchy Browser\""}));
}

TEST_F(HierarchyMenu, ListAndPurgeDoWhatTheirCommandsDo) {
    EXPECT_EQ(result_of(menu, "invoke Design List"), result_of(shell, "design-list"));
    // Purge by the whole design; "fast" is bound nowhere: removed.
    for (ConsoleSession* s : {&menu, &shell})
        for (const char* answer : {"answer no", "answer yes"})
            ASSERT_TRUE(s->run(answer));
    std::string by_menu = result_of(menu, "invoke Design Purge");
    std::string by_shell = result_of(shell, "purge");
    EXPECT_NE(by_menu.find("Architecture 'fast' of entity 'leaf' is not bound in this design."),
              std::string::npos)
        << by_menu;
    EXPECT_EQ(by_menu, by_shell);
    expect_same_design();
}

TEST_F(HierarchyMenu, MacrosAndLibraryModulesFromTheDiagramMenu) {
    const std::string macro = root / "m.vmp";
    // Save Macro asks for the component with a click when none is selected.
    ASSERT_TRUE(menu.run({"answer 700 700", "answer " + macro, "answer the middle"}));
    ASSERT_TRUE(menu.run("invoke Diagram \"Save Macro\"")) << menu.take_output();
    EXPECT_TRUE(std::filesystem::exists(root / "m.vmp/macro.vmf"));

    // Loaded into new designs: the macro's entities must not be there yet.
    for (ConsoleSession* s : {&menu, &shell})
        ASSERT_TRUE(s->run({"answer no", "new"}));
    ASSERT_TRUE(menu.run({"answer 4096 640", "answer " + macro, "answer u7"}));
    ASSERT_TRUE(menu.run("invoke Diagram \"Load Macro\"")) << menu.take_output();
    ASSERT_TRUE(shell.run("load-macro 4096 640 " + macro + " u7")) << shell.take_output();
    expect_same_design();

    // A click on empty space finds no component.
    ASSERT_TRUE(menu.run("answer 6000 6000"));
    EXPECT_NE(output_of(menu, {"invoke Diagram \"Save Macro\""}).find("No component found."),
              std::string::npos);

    ASSERT_TRUE(menu.run("save-as " + (root / "lib.vdp")));
    const std::string library = root / "lib.vdp";
    ASSERT_TRUE(shell.run({"answer no", "new", "answer " + library}));
    ASSERT_TRUE(shell.run("invoke Diagram \"Load Library Module\"")) << shell.take_output();
    std::string listed = output_of(shell, {"design-list"});
    EXPECT_NE(listed.find("[L:lib]"), std::string::npos) << listed;
}

// An entity whose block diagram holds a component of itself (only a damaged file makes one):
// the tree shows the loop once and ends.
TEST(HierarchyTree, ALoopInTheDesignEndsTheTree) {
    Design design;
    auto entity = std::make_unique<Entity>();
    entity->name = "loop";
    auto architecture = std::make_unique<Architecture>();
    architecture->name = "a0";
    architecture->kind = kArchitectureBlockDiagram;
    architecture->entity = entity.get();
    architecture->block_diagram = std::make_unique<BlockDiagram>();
    auto component = std::make_unique<Component>();
    component->name = "self";
    component->entity = entity.get();
    component->bound_architecture = architecture.get();
    architecture->block_diagram->components.push_back(std::move(component));
    entity->architectures.push_back(std::move(architecture));
    design.root = entity.get();
    design.entities.push_back(std::move(entity));

    EXPECT_EQ(hierarchy_lines(hierarchy_tree(design)),
              (std::vector<std::string>{"Entity 'loop'", "  Architecture 'a0'(B)",
                                        "    Component 'self' (Entity 'loop')",
                                        "      Architecture 'a0'(B) *"}));
}

} // namespace
