// Selecting and editing a state diagram with the mouse: click, Shift and rubber band select
// states, transitions and free texts; Delete, dragging, the Move and Copy tools and undo act on
// that selection as one step each; the REST state by a picked point, the Action and text
// tools, and the Labels List items of the Diagram menu, each equal to the shell's command.
#include "mouse_session.h"

#include "design/architecture.h"
#include "design/state_machine.h"
#include "shell/machine_command_args.h"
#include "shell/main_window_dispatch.h"
#include "shell/main_window_state.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace zeph;
using mouse_test::MouseSession;

// A state machine u0 with states s1 at 1024 1024, s2 at 2048 1024 (drawn by the mouse), a
// curve s1 -> s2 and a straight transition s2 -> s1.
class MouseStateSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m.shell("save-as states.vdp");
        m.shell("add-component 640 640 u0 fsm state");
        m.tool(CommandId::ToolLevel);
        m.click(700, 700);
        m.tool(CommandId::AddState);
        m.answer("");
        m.click(1024, 1024);
        m.answer("");
        m.click(2048, 1024);
        m.shell("add-curve s1 s2");
        m.shell("add-transition s2 2048 1792 1024 1792 s1");
        m.plain_tool();
    }
    StateMachine& machine() { return *machine_commands::current_machine(m.session()); }
    Sheet& sheet() { return m.session().design()->current_architecture->sheet; }
    StateDiagramObjects selection() {
        std::optional<StateDiagramInEdit> diagram = current_state_diagram(m.session());
        return diagram ? state_selection_of(m.session(), *diagram) : StateDiagramObjects{};
    }
    State* state(std::size_t i) { return machine().states.at(i).get(); }
    Transition* transition(std::size_t i) { return machine().transitions.at(i).get(); }
    std::string listing() {
        m.forget_output();
        m.shell("list-diagram");
        std::string text = m.output();
        m.forget_output();
        return text;
    }
    // A free text placed with the text tool (the point is on the grid).
    void place_text(int x, int y, const std::string& text) {
        m.tool(CommandId::AddText);
        m.answer(text);
        m.click(x, y);
        m.plain_tool();
    }
    bool tool_enabled(const char* bitmap) {
        for (const Tool& tool : tool_bar(m.session()))
            if (tool.bitmap == bitmap) return tool.enabled;
        ADD_FAILURE() << "no tool " << bitmap;
        return false;
    }

    MouseSession m;
};

TEST_F(MouseStateSelectionTest, ClickShiftAndRubberBandSelectStatesTransitionsAndTexts) {
    place_text(1536, 2304, "note");
    EXPECT_FALSE(tool_enabled("delete"));
    m.click(1024, 1024);
    EXPECT_EQ(selection(), (StateDiagramObjects{{state(0), nullptr, {}}}));
    EXPECT_TRUE(tool_enabled("delete"));
    EXPECT_TRUE(tool_enabled("move"));
    EXPECT_FALSE(tool_enabled("rotate")) << "states do not turn";

    m.click(1536, 1792, true); // the bottom segment of s2 -> s1, added by Shift
    m.click(1536, 2304, true); // the text
    EXPECT_EQ(selection(),
              (StateDiagramObjects{
                  {state(0), nullptr, {}}, {nullptr, transition(1), {}}, {nullptr, nullptr, 0}}));
    m.click(1024, 1024, true); // Shift again takes s1 out
    EXPECT_EQ(selection().size(), 2u);
    m.click(4000, 4000); // empty space: nothing
    EXPECT_TRUE(selection().empty());
    EXPECT_FALSE(tool_enabled("delete"));

    // A rubber band round s1 alone, then one round everything; the band shows while dragged.
    m.drag_from_to({704, 704}, {1344, 1344});
    EXPECT_EQ(selection(), (StateDiagramObjects{{state(0), nullptr, {}}}));
    ASSERT_TRUE(m.tools.press(m.at(512, 512)));
    ASSERT_TRUE(m.tools.drag(m.at(2600, 2600)));
    EXPECT_EQ(m.tools.overlay().size(), 4u);
    ASSERT_TRUE(m.tools.release(m.at(2600, 2600)));
    EXPECT_EQ(selection().size(), 5u) << "two states, two transitions and the text";
    EXPECT_FALSE(m.tools.overlay().empty()) << "the selection is marked";
}

TEST_F(MouseStateSelectionTest, DeleteIsOneUndoStepAndEqualsTheShellsDeletes) {
    place_text(1536, 2304, "note");
    std::string drawn = listing();
    m.click(2048, 1024);       // s2
    m.click(1536, 1792, true); // s2 -> s1 (goes with s2 anyway)
    m.click(1536, 2304, true); // the text
    EXPECT_EQ(run_operation(m.session(), CommandId::SelectionDelete), CommandOutcome::Done);
    std::string by_mouse = listing();
    EXPECT_EQ(machine().states.size(), 1u);
    EXPECT_TRUE(machine().transitions.empty()) << "both transitions touched s2";
    EXPECT_TRUE(sheet().texts.empty());
    EXPECT_TRUE(selection().empty());
    EXPECT_TRUE(tool_enabled("undo"));

    EXPECT_EQ(run_operation(m.session(), CommandId::EditUndo), CommandOutcome::Done);
    EXPECT_EQ(listing(), drawn) << "one step puts the states and transitions back";
    EXPECT_EQ(sheet().texts.size(), 1u) << "and the text";

    m.shell("delete-state s2");
    EXPECT_EQ(listing(), by_mouse);
}

TEST_F(MouseStateSelectionTest, DraggingMovesStatesWithTheirTransitionsAndUndoPutsThemBack) {
    std::string drawn = listing();
    Box s2 = state(1)->box;
    m.click(2048, 1024);
    ASSERT_TRUE(m.tools.press(m.at(2048, 1024)));
    ASSERT_TRUE(m.tools.drag(m.at(2100, 1700)));
    EXPECT_EQ(m.tools.overlay().size(), 4u) << "the outline of s2 where it would go";
    ASSERT_TRUE(m.tools.release(m.at(2100, 1700)));
    EXPECT_EQ(state(1)->box, shifted(s2, {64, 704})) << "whole grid steps";
    EXPECT_EQ(m.beeps(), std::vector<std::string>{});

    // Both transitions still connect s1 and s2, their ends on the moved outline.
    Transition& curve = *transition(0);
    Transition& straight = *transition(1);
    EXPECT_EQ(curve.to, state(1));
    EXPECT_EQ(straight.from, state(1));
    EXPECT_EQ(place_against(*state(1), curve.points.back()), StatePlace::Border);
    EXPECT_EQ(place_against(*state(1), straight.points.front()), StatePlace::Border);
    EXPECT_EQ(curve.points.size(), 51u) << "the curve stays a curve";
    EXPECT_EQ(straight.points[1], (Point{2048, 1792})) << "inner corners stay";

    m.shell("undo");
    EXPECT_EQ(listing(), drawn);

    // Both states with the Move tool: everything moves whole.
    m.drag_from_to({512, 512}, {2600, 2000});
    ASSERT_EQ(selection().size(), 4u);
    m.tool(CommandId::SelectionMove);
    m.click(1024 + 256, 1024 + 128); // s1's centre goes there
    EXPECT_EQ(box_centre(state(0)->box), (Point{1280, 1152}));
    EXPECT_EQ(transition(1)->points[1], (Point{2048 + 256, 1792 + 128}));
    m.shell("undo");
    EXPECT_EQ(listing(), drawn);
}

TEST_F(MouseStateSelectionTest, CopyingTheSelectionAsksTheNamesAndRefusesTheResetTransition) {
    m.shell("new-label condition reset vhdl=\"rst = '1'\" verilog=\"rst == 1\"");
    m.shell("add-transition 320 320 s1");
    m.shell("edit-transition 2 asynchronous=yes condition=reset");
    std::string drawn = listing();
    m.drag_from_to({200, 200}, {1344, 1344}); // s1 and the reset transition
    ASSERT_EQ(selection().size(), 2u);
    m.answer("s9");
    m.forget_output();
    m.tool(CommandId::SelectionCopy);
    m.click(1024, 2560);
    EXPECT_EQ(machine().states.size(), 3u);
    EXPECT_EQ(machine().states[2]->name, "s9");
    std::vector<std::string> said = m.refusals();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].ends_with("] Cannot copy Reset Transition.")) << said[0];
    m.shell("undo");
    EXPECT_EQ(listing(), drawn);
}

TEST_F(MouseStateSelectionTest, ARefusedMoveLeavesStatesTransitionsAndTextsWhereTheyWere) {
    m.shell("add-rest 3072 2048");
    place_text(512, 2560, "note");
    std::string drawn = listing();
    std::vector<std::string> shell_said = m.refusal_of("move-point 1 3 3072 2048");
    ASSERT_FALSE(shell_said.empty());

    // The transition s2 -> s1 with the text, moved so that its end lands on REST.
    m.click(1536, 1792);
    m.click(512, 2560, true);
    ASSERT_EQ(selection().size(), 2u);
    ASSERT_EQ(transition(1)->points.front(), (Point{2048, 1248}));
    m.tool(CommandId::SelectionMove);
    m.click(2048 + 2048, 1248 + 800);
    EXPECT_EQ(m.refusals(), shell_said);
    EXPECT_EQ(listing(), drawn);
    EXPECT_EQ(sheet().texts.at(0).anchor, (Point{512, 2560})) << "the text went back too";
    EXPECT_NE(m.session().machine_histories().newest(machine()), "move") << "no undo step";
}

TEST_F(MouseStateSelectionTest, RestStateActionAndTextToolsAndTheLabelsLists) {
    // REST by the menu: the point is picked, put on the grid; a second one is refused as the
    // shell refuses it.
    m.answer("3100 2030");
    EXPECT_EQ(run_operation(m.session(), CommandId::DiagramRestState), CommandOutcome::Done);
    ASSERT_NE(machine().rest, nullptr);
    EXPECT_EQ(box_centre(machine().rest->box), (Point{3072, 2048}));
    std::vector<std::string> shell_said = m.refusal_of("add-rest 512 3000");
    m.answer("512 3000");
    EXPECT_EQ(run_operation(m.session(), CommandId::DiagramRestState), CommandOutcome::Failed);
    EXPECT_EQ(m.refusals(), shell_said);
    EXPECT_FALSE(shell_said.empty());

    // The Action tool hands over the state or transition under the click.
    m.shell("new-label action go vhdl=\"go <= '1';\"");
    m.tool(CommandId::AddAction);
    m.action(1024, 1024, "add-action {target} go");
    m.action(1536, 1792, "add-action {target} go");
    EXPECT_EQ(m.action_targets, (std::vector<std::string>{"state s1", "transition 1"}));
    EXPECT_EQ(state(0)->action_usages.size(), 1u);
    EXPECT_EQ(transition(1)->action_usages.size(), 1u);
    EXPECT_FALSE(m.tools.press(m.at(4000, 4000))) << "no dialog on empty sheet";
    m.tools.cancel();

    // The text tool asks as on block diagrams; undo takes the text away again.
    m.tool(CommandId::AddText);
    m.answer("hello");
    m.click(1500, 2300);
    ASSERT_EQ(sheet().texts.size(), 1u);
    EXPECT_EQ(sheet().texts[0].text, "hello");
    EXPECT_EQ(sheet().texts[0].anchor, (Point{1472, 2304})) << "on the grid";
    m.answer("");
    m.click(1500, 2600);
    EXPECT_EQ(sheet().texts.size(), 1u) << "an empty answer places nothing";
    m.shell("undo");
    EXPECT_TRUE(sheet().texts.empty()) << "the shell's undo takes the text away too";

    // Diagram > List: the same report as the shell's commands.
    for (auto [id, command] : {std::pair{CommandId::ListActions, "list-actions"},
                               std::pair{CommandId::ListAllConditions, "list-all-conditions"}}) {
        m.forget_output();
        m.shell(command);
        std::string by_shell = m.output();
        by_shell.erase(0, by_shell.find('\n') + 1); // the command's echo
        m.forget_output();
        EXPECT_EQ(run_operation(m.session(), id), CommandOutcome::Done);
        EXPECT_EQ(m.output(), by_shell) << command;
        EXPECT_NE(by_shell.find("Label"), std::string::npos);
    }
}

// The shell's add-text on a state diagram puts the text where the text tool does: on the
// state diagram's sheet, undone by its undo.
TEST_F(MouseStateSelectionTest, ShellAddTextOnAStateDiagramGoesOnItsSheet) {
    m.shell("add-text 1536 2304 typed note");
    ASSERT_EQ(sheet().texts.size(), 1u) << m.output();
    EXPECT_EQ(sheet().texts[0].text, "typed note");
    EXPECT_EQ(m.session().design()->root->architectures[0]->sheet.texts.size(), 0u);
    m.shell("undo");
    EXPECT_EQ(sheet().texts.size(), 0u) << m.output();
}

} // namespace
