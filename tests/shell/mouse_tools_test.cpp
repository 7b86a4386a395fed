// Editing with the mouse: wires point by point with their L corners and ends, the selection
// tool (click, Shift, rubber band, dragging to move and copy, the resize handle), the Move
// tool, rotate, delete and undo on a mouse selection, the edit hook, state-diagram gestures,
// and refusals that show the very message the shell's command shows.
#include "mouse_session.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/block_diagram.h"
#include "design/state_machine.h"
#include "shell/machine_command_args.h"
#include "shell/main_window_dispatch.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using mouse_test::MouseSession;

using Lines = std::vector<OverlayLine>;

class MouseToolsTest : public ::testing::Test {
  protected:
    void SetUp() override { m.shell("save-as mouse.vdp"); }
    BlockDiagram& diagram() { return m.session().editor().diagram(); }
    std::vector<Segment> segments() {
        std::vector<Segment> all;
        for (const auto& net : diagram().nets) {
            all.insert(all.end(), net->horizontal.begin(), net->horizontal.end());
            all.insert(all.end(), net->vertical.begin(), net->vertical.end());
        }
        return all;
    }
    std::string listing() {
        m.forget_output();
        m.shell("list-diagram");
        std::string text = m.output();
        m.forget_output();
        return text;
    }
    Component& component(std::size_t i) { return *diagram().components.at(i); }

    MouseSession m;
};

bool same_segment(const Segment& s, Point a, Point b) {
    return s.x1 == a.x && s.y1 == a.y && s.x2 == b.x && s.y2 == b.y;
}

TEST_F(MouseToolsTest, AWireIsDrawnPointByPointWithLCornersAndIsOneEdit) {
    m.tool(CommandId::AddWire);
    m.click(250, 262); // snaps to the grid point 256 256
    EXPECT_TRUE(m.tools.gesture_under_way());
    ASSERT_TRUE(m.tools.drag(m.at(640, 512)));
    EXPECT_EQ(m.tools.overlay(), (Lines{{{256, 256}, {640, 256}}, {{640, 256}, {640, 512}}}))
        << "the rubber band is an L, horizontal piece first";
    ASSERT_TRUE(m.tools.drag(m.at(640, 512, true)));
    EXPECT_EQ(m.tools.overlay(), (Lines{{{256, 256}, {256, 512}}, {{256, 512}, {640, 512}}}))
        << "with Shift the vertical piece comes first";
    m.click(640, 512, true);
    m.click(1024, 512);
    EXPECT_TRUE(diagram().nets.empty()) << "nothing is committed before the wire ends";
    m.double_click(1024, 512);
    EXPECT_FALSE(m.tools.gesture_under_way());
    ASSERT_EQ(diagram().nets.size(), 1u);
    std::vector<Segment> s = segments();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(same_segment(s[0], {256, 512}, {1024, 512}));
    EXPECT_TRUE(same_segment(s[1], {256, 256}, {256, 512}));
    EXPECT_EQ(run_operation(m.session(), CommandId::EditUndo), CommandOutcome::Done);
    EXPECT_TRUE(diagram().nets.empty()) << "one undo takes the whole wire";
}

TEST_F(MouseToolsTest, AWireEndsOnAPortItReachesAndCancelLeavesNothing) {
    m.shell("add-component 1024 1024 u0 leaf");
    m.shell("add-port in 1024 1088 a"); // its wire attaches at 960 1088
    m.tool(CommandId::AddWire);
    m.click(320, 1088);
    m.click(950, 1100); // within half a grid step of the port's connection point
    EXPECT_FALSE(m.tools.gesture_under_way()) << "reaching the port ends the wire";
    ASSERT_EQ(segments().size(), 1u);
    EXPECT_TRUE(same_segment(segments()[0], {320, 1088}, {960, 1088}));

    // Starting on that net extends it; a cancelled wire leaves nothing behind.
    m.click(640, 1088);
    m.click(640, 1600);
    EXPECT_EQ(m.tools.overlay(), (Lines{{{640, 1088}, {640, 1600}}}));
    m.tools.cancel();
    EXPECT_TRUE(m.tools.overlay().empty());
    EXPECT_EQ(segments().size(), 1u);
    m.click(640, 1088);
    m.click(640, 1600);
    m.double_click(640, 1600);
    EXPECT_EQ(diagram().nets.size(), 1u) << "the wire joined the net it started on";
    EXPECT_EQ(segments().size(), 3u) << "the T contact cut the horizontal segment";
}

TEST_F(MouseToolsTest, AWireBegunOnAnotherLevelIsDropped) {
    m.shell("add-component 1024 1024 u0 leaf");
    m.tool(CommandId::AddWire);
    m.click(256, 256);
    m.shell("down 1100 1100");
    EXPECT_FALSE(m.tools.drag(m.at(320, 640)));
    EXPECT_FALSE(m.tools.gesture_under_way());
    m.click(320, 320);
    m.click(320, 640);
    m.double_click(320, 640);
    ASSERT_EQ(segments().size(), 1u);
    EXPECT_TRUE(same_segment(segments()[0], {320, 320}, {320, 640}));
    m.shell("up");
    EXPECT_TRUE(diagram().nets.empty());
}

TEST_F(MouseToolsTest, TheSelectionToolSelectsByClickShiftAndRubberBand) {
    m.shell("add-component 1024 1024 u0 leaf");
    m.shell("add-component 2048 1024 u1 other");
    m.shell("add-text 640 2560 note");
    Selection& selection = m.session().editor().selection();
    m.plain_tool();
    m.click(1200, 1200);
    ASSERT_EQ(selection.size(), 1u);
    EXPECT_EQ(selection[0].component, &component(0));
    m.click(2200, 1200, true);
    EXPECT_EQ(selection.size(), 2u) << "Shift adds";
    m.click(1200, 1200, true);
    ASSERT_EQ(selection.size(), 1u) << "Shift on a selected object takes it out";
    EXPECT_EQ(selection[0].component, &component(1));
    m.click(5000, 3000);
    EXPECT_TRUE(selection.empty()) << "a click on empty space clears the selection";

    ASSERT_TRUE(m.tools.press(m.at(500, 500)));
    ASSERT_TRUE(m.tools.drag(m.at(1800, 2800)));
    EXPECT_EQ(m.tools.overlay().size(), 4u) << "the rubber band";
    ASSERT_TRUE(m.tools.release(m.at(1800, 2800)));
    ASSERT_EQ(selection.size(), 2u) << "the first component and the text lie inside";
    EXPECT_EQ(selection[0].type, DiagramObjectType::Component);
    EXPECT_EQ(selection[1].type, DiagramObjectType::FreeText);
}

TEST_F(MouseToolsTest, DraggingMovesCopiesAndResizesAndUndoPutsItBack) {
    m.shell("add-component 1024 1024 u0 leaf");
    std::string before = listing();
    m.plain_tool();
    ASSERT_TRUE(m.tools.press(m.at(1100, 1100)));
    ASSERT_TRUE(m.tools.drag(m.at(1300, 1230)));
    Box box = component_box(component(0));
    Lines outline = m.tools.overlay();
    ASSERT_EQ(outline.size(), 4u);
    EXPECT_EQ(outline[0].first, (Point{box.x1 + 192, box.y1 + 128}))
        << "the outline moves by whole grid steps";
    ASSERT_TRUE(m.tools.release(m.at(1300, 1230)));
    EXPECT_EQ(component(0).position, (Point{1216, 1152}));

    m.answer("u1");
    m.drag_from_to({1300, 1200}, {1300, 2400}, true);
    ASSERT_EQ(diagram().components.size(), 2u) << "Control copies";
    EXPECT_EQ(component(1).name, "u1");
    EXPECT_EQ(component(1).position, (Point{1216, 2368}));
    EXPECT_EQ(component(0).position, (Point{1216, 1152}));

    // The bottom-right corner of the one selected box is its resize handle.
    m.click(1300, 1200);
    Box old_box = component_box(component(0));
    m.drag_from_to({old_box.x2, old_box.y2}, {old_box.x2 + 128, old_box.y2 + 64});
    Box resized = component_box(component(0));
    EXPECT_EQ(resized.x2, old_box.x2 + 128);
    EXPECT_EQ(resized.y2, old_box.y2 + 64);
    EXPECT_EQ(resized.x1, old_box.x1);

    // The Move tool takes the click as the new place of the selection's first object.
    m.tool(CommandId::SelectionMove);
    m.click(3000, 600);
    EXPECT_EQ(component(0).position, (Point{3008, 576}));

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(run_operation(m.session(), CommandId::EditUndo), CommandOutcome::Done);
    EXPECT_EQ(listing(), before) << "four undos take back move, resize, copy and move";
}

TEST_F(MouseToolsTest, RotateAndDeleteWorkOnTheMouseSelection) {
    m.shell("add-component 1024 1024 u0 leaf");
    m.shell("add-port in 1024 1088 a");
    std::string before = listing();
    Box box = component_box(component(0));
    m.plain_tool();
    m.click(1200, 1400);
    EXPECT_EQ(run_operation(m.session(), CommandId::SelectionRotate), CommandOutcome::Done);
    Box turned = component_box(component(0));
    EXPECT_EQ(turned.x2 - turned.x1, box.y2 - box.y1);
    EXPECT_EQ(turned.y2 - turned.y1, box.x2 - box.x1);

    m.click(1200, 1400);
    m.answer("yes");
    EXPECT_EQ(run_operation(m.session(), CommandId::SelectionDelete), CommandOutcome::Done);
    EXPECT_TRUE(diagram().components.empty());
    EXPECT_EQ(run_operation(m.session(), CommandId::EditUndo), CommandOutcome::Done);
    EXPECT_EQ(run_operation(m.session(), CommandId::EditUndo), CommandOutcome::Done);
    EXPECT_EQ(listing(), before);
}

TEST_F(MouseToolsTest, DoubleClickAndTheEditToolHandTheirPointToTheEditHook) {
    m.plain_tool();
    m.dialog(700, 900, "add-text {at} hello");
    m.tool(CommandId::EditObject);
    m.expect_dialog("edit-text {at} text=bye");
    ASSERT_TRUE(m.tools.press(m.at(710, 880)));
    EXPECT_TRUE(m.dialog_shown());
    EXPECT_EQ(m.hook_points, (std::vector<Point>{{700, 900}, {710, 880}}))
        << "the points as they came, not snapped";
    ASSERT_EQ(m.session().editor().sheet().texts.size(), 1u);
    EXPECT_EQ(m.session().editor().sheet().texts[0].anchor, (Point{700, 900}));
    EXPECT_EQ(m.session().editor().sheet().texts[0].text, "bye");

    MouseTools bare(m.session());
    EXPECT_FALSE(bare.double_click(m.at(700, 900))) << "without a hook nothing takes it";
}

// Each refusal of a mouse gesture shows the same lines as the shell command that does the same,
// and leaves the diagram as it was.
TEST_F(MouseToolsTest, RefusalsShowTheShellsMessagesAndChangeNothing) {
    m.shell("add-component 1024 1024 u0 leaf");
    m.shell("add-port in 1024 1088 a");
    m.shell("wire 640 0 640 960"); // an ordinary net, not a bus
    m.shell("wire 1216 3200 2432 3200");
    m.shell("edit-net 1300 3200 left=7 right=0");
    m.shell("add-bus-entry 1408 3200");
    std::string before = listing();
    auto expect_same = [&](const std::vector<std::string>& by_shell, const char* what) {
        std::vector<std::string> by_mouse = m.refusals();
        EXPECT_FALSE(by_shell.empty()) << what;
        EXPECT_EQ(by_mouse, by_shell) << what;
    };

    std::vector<std::string> shell_said = m.refusal_of("add-port in 1024 1100");
    m.tool(CommandId::AddPort, 0);
    m.click(1030, 1100);
    expect_same(shell_said, "a port on a port");

    shell_said = m.refusal_of("add-bus-entry 640 512");
    m.tool(CommandId::AddBusEntry);
    m.click(650, 500);
    expect_same(shell_said, "a bus entry on a net that is no bus");

    // A stretch through the end of another net would join them in its middle.
    shell_said = m.refusal_of("wire 320 960 960 960");
    m.tool(CommandId::AddWire);
    m.click(320, 960);
    m.click(960, 960);
    m.double_click(960, 960);
    expect_same(shell_said, "a wire through the end of another net");

    m.shell("select 1024 1088"); // the port
    const std::vector<std::string> resize_said = m.refusal_of("resize 2048 2048");
    shell_said = resize_said;
    m.tool(CommandId::SelectionResize);
    m.click(2048, 2048);
    expect_same(shell_said, "resizing a port");

    // A bus entry dragged off its bus goes back.
    m.shell("select 1408 3200");
    shell_said = m.refusal_of("move 1408 2048");
    m.plain_tool();
    m.drag_from_to({1408, 3200}, {1408, 2048});
    expect_same(shell_said, "a bus entry dropped where no net is");

    m.click(5000, 3000); // nothing selected now
    m.tool(CommandId::SelectionResize);
    m.click(2048, 2048);
    expect_same(resize_said, "resizing nothing");
    EXPECT_EQ(listing(), before);
}

class MouseStateDiagramTest : public MouseToolsTest {
  protected:
    void SetUp() override {
        MouseToolsTest::SetUp();
        m.shell("add-component 640 640 u0 fsm state");
        m.tool(CommandId::ToolLevel);
        m.click(700, 700);
        m.tool(CommandId::AddState);
        m.answer("");
        m.click(1024, 1024);
        m.answer("");
        m.click(2048, 1024);
    }
    StateMachine& machine() { return *machine_commands::current_machine(m.session()); }
};

TEST_F(MouseStateDiagramTest, StatesAndTransitionsAreDrawnAndDraggedAndUndone) {
    ASSERT_EQ(machine().states.size(), 2u);
    EXPECT_EQ(machine().states[0]->name, "s1") << "the proposed name was taken";
    EXPECT_EQ(machine().states[1]->name, "s2");
    m.tool(CommandId::AddTransition, 0);
    m.click(1000, 1000);
    m.click(1536, 1536);
    EXPECT_EQ(m.tools.overlay(), (Lines{{{1024, 1024}, {1536, 1536}}}));
    m.click(2100, 1050); // on s2: the transition ends there
    ASSERT_EQ(machine().transitions.size(), 1u);
    Transition& t = *machine().transitions[0];
    EXPECT_EQ(t.from, machine().states[0].get());
    EXPECT_EQ(t.to, machine().states[1].get());
    ASSERT_EQ(t.points.size(), 3u);
    EXPECT_EQ(t.points[1], (Point{1536, 1536}));
    std::string drawn = listing();

    // The middle segment of the selection tool's drag moves by whole grid steps; a state
    // dragged with Control is copied.
    m.plain_tool();
    Point middle{(t.points[0].x + t.points[1].x) / 2, (t.points[0].y + t.points[1].y) / 2};
    ASSERT_TRUE(m.tools.press(m.at(middle.x, middle.y)));
    ASSERT_TRUE(m.tools.drag(m.at(middle.x, middle.y - 128)));
    Lines shown = m.tools.overlay();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].second, (Point{1536, 1408})) << "the segment where it is being dragged";
    ASSERT_TRUE(m.tools.release(m.at(middle.x, middle.y - 128)));
    EXPECT_EQ(t.points[1], (Point{1536, 1408}));
    m.answer("copy");
    m.drag_from_to({1024, 900}, {1024, 1924}, true);
    ASSERT_EQ(machine().states.size(), 3u);
    EXPECT_EQ(machine().states[2]->name, "copy");
    m.shell("undo");
    m.shell("undo");
    EXPECT_EQ(listing(), drawn);
}

TEST_F(MouseStateDiagramTest, ACurveByTwoClicksAndARefusedEndOnRest) {
    m.tool(CommandId::AddTransition, 1);
    m.click(1024, 1024);
    EXPECT_TRUE(m.tools.gesture_under_way()) << "the first click gives the origin";
    m.click(2048, 1024);
    ASSERT_EQ(machine().transitions.size(), 1u);
    EXPECT_EQ(machine().transitions[0]->shape, 1);
    EXPECT_EQ(machine().transitions[0]->points.size(), 51u);

    m.shell("add-rest 3072 2048");
    std::string before = listing();
    std::vector<std::string> shell_said = m.refusal_of("add-transition s2 REST");
    m.tool(CommandId::AddTransition, 0);
    m.click(2048, 1024);
    m.click(3072, 2048);
    std::vector<std::string> mouse_said = m.refusals();
    EXPECT_EQ(mouse_said, shell_said);
    EXPECT_FALSE(shell_said.empty());
    EXPECT_EQ(listing(), before);
}

} // namespace
