// Delete, copy, move, resize and clear on the selection: their questions and refusals, and
// the deletion of an entity port everywhere.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/symbol_geometry.h"

namespace zeph::diagram_testing {
namespace {

class SelectionTest : public DiagramTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram,
                                              "u0", std::string("alu")),
                  Outcome::Done);
        for (int y : {1100, 1300, 1500})
            ASSERT_EQ(add_port(editor, {1024, y}, kModeIn), Outcome::Done);
    }
    std::vector<std::string> port_names(const Entity& e) {
        std::vector<std::string> names;
        for (auto& p : e.ports)
            names.push_back(p->name);
        return names;
    }
};

TEST_F(SelectionTest, DeletingAComponentPortDeletesTheEntityPortEverywhere) {
    Entity& alu = entity_named("alu");
    Architecture& inside = *alu.architectures[0];
    Architecture& other = second_architecture();
    Component& elsewhere =
        add_component(*other.block_diagram, other, &alu, &inside, new_component());
    ASSERT_EQ(inside.port_placements.size(), 3u);
    DiagramObject p1;
    p1.type = DiagramObjectType::ComponentPort;
    p1.component = &component(0);
    p1.index = 1;
    editor.selection() = {p1};
    platform.answer_yes();
    ASSERT_EQ(delete_selection(editor), Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{"Delete selected object?"});
    EXPECT_EQ(port_names(alu), (std::vector<std::string>{"p0", "p2"}));
    ASSERT_EQ(inside.port_placements.size(), 2u);
    for (Component* c : {&component(0), &elsewhere}) {
        ASSERT_EQ(c->port_instances.size(), 2u);
        EXPECT_EQ(c->port_instances[0].port, alu.ports[0].get());
        EXPECT_EQ(c->port_instances[1].port, alu.ports[1].get());
    }
    ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(port_names(alu), (std::vector<std::string>{"p0", "p1", "p2"}));
    EXPECT_EQ(elsewhere.port_instances[1].port, alu.ports[1].get());
}

TEST_F(SelectionTest, DeleteAsksFirstAndNoChangesNothing) {
    ASSERT_EQ(add_free_text(editor, {200, 3000}, std::string("t")), Outcome::Done);
    editor.selection() = objects_in(*architecture, {0, 0, 6400, 4266});
    ASSERT_EQ(editor.selection().size(), 2u); // the component and the text
    std::string before = design_text();
    platform.answer_no();
    EXPECT_EQ(delete_selection(editor), Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{"Delete all selected objects?"});
    EXPECT_EQ(design_text(), before);
    platform.answer_yes();
    ASSERT_EQ(delete_selection(editor), Outcome::Done);
    EXPECT_TRUE(diagram().components.empty());
    EXPECT_TRUE(architecture->sheet.texts.empty());
    EXPECT_TRUE(editor.selection().empty());
    // The entity stays: deleting a component does not purge its entity.
    EXPECT_NE(find_entity(design, "alu"), nullptr);
}

TEST_F(SelectionTest, DeletingTheMiddleOfAChainSplitsTheNet) {
    ASSERT_EQ(add_wire(editor, {{3000, 3000}, {3500, 3000}, {3500, 3500}, {4000, 3500}}),
              Outcome::Done);
    ASSERT_EQ(diagram().nets.size(), 1u);
    diagram().nets[0]->name = "chain";
    std::optional<DiagramObject> middle = object_at(*architecture, {3500, 3200});
    ASSERT_TRUE(middle && middle->type == DiagramObjectType::Segment);
    editor.selection() = {*middle};
    platform.answer_yes();
    ASSERT_EQ(delete_selection(editor), Outcome::Done);
    ASSERT_EQ(diagram().nets.size(), 2u);
    EXPECT_EQ(diagram().nets[0]->name, "");
    EXPECT_EQ(platform.shown(ui::Shown::Status).back(), "Net split.");
}

TEST_F(SelectionTest, CopyAsksForTheComponentsNameAndRefusesUsedOnes) {
    select_component(0);
    platform.queue_text("u0");
    platform.queue_text("u7");
    ASSERT_EQ(copy_selection(editor, {3000, 1024}), Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt),
              std::vector<std::string>(2, "Enter name for copy of component 'u0':"));
    EXPECT_EQ(platform.proposals.back(), "u1");
    EXPECT_EQ(platform.refusals(), std::vector<std::string>{"Error    48: Duplicate component name"});
    ASSERT_EQ(diagram().components.size(), 2u);
    EXPECT_EQ(component(1).name, "u7");
    EXPECT_EQ(component(1).entity, component(0).entity);
    EXPECT_EQ(component(1).position, (Point{3000, 1024}));
    EXPECT_EQ(component(1).name_label.text, "u7:alu:a0(B)");
    EXPECT_EQ(component(1).port_instances[0].label.anchor.x,
              component(0).port_instances[0].label.anchor.x + 3000 - 1024);
}

TEST_F(SelectionTest, PortCopiesFollowTheRulesOfAddingPorts) {
    ASSERT_EQ(add_process(editor, {3000, 3000}, kProcessHdlFile), Outcome::Done);
    ASSERT_EQ(add_port(editor, {3000, 3100}, kModeOut), Outcome::Done);
    DiagramObject process_port;
    process_port.type = DiagramObjectType::ProcessPort;
    process_port.process = diagram().processes[0].get();
    editor.selection() = {process_port};
    std::string before = design_text();
    EXPECT_EQ(copy_selection(editor, {200, 200}), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Illegal position.");
    EXPECT_EQ(copy_selection(editor, {3000, 3130}), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Position already occupied.");
    EXPECT_EQ(design_text(), before);
    ASSERT_EQ(copy_selection(editor, {3512, 3300}), Outcome::Done);
    ASSERT_EQ(diagram().processes[0]->ports.size(), 2u);
    EXPECT_EQ(diagram().processes[0]->ports[1]->mode, kModeOut);
    EXPECT_EQ(diagram().processes[0]->ports[1]->side, kSideRight);
    // A component port copied into empty space becomes a port of the diagram.
    DiagramObject component_port;
    component_port.type = DiagramObjectType::ComponentPort;
    component_port.component = &component(0);
    editor.selection() = {component_port};
    ASSERT_EQ(copy_selection(editor, {200, 2000}), Outcome::Done);
    ASSERT_EQ(top().ports.size(), 1u);
    EXPECT_EQ(top().ports[0]->name, "p0");
}

TEST_F(SelectionTest, MoveCarriesLabelsAndPortsSlideAlongTheirBox) {
    select_component(0);
    Point label = component(0).name_label.anchor;
    ASSERT_EQ(move_selection(editor, {1088, 1024 + 640}), Outcome::Done);
    EXPECT_EQ(component(0).position, (Point{1088, 1664}));
    EXPECT_EQ(component(0).name_label.anchor, (Point{label.x + 64, label.y + 640}));
    DiagramObject p0;
    p0.type = DiagramObjectType::ComponentPort;
    p0.component = &component(0);
    editor.selection() = {p0};
    // Dragged far right, the port lands on the right border at the same height.
    ASSERT_EQ(move_selection(editor, {5000, 1664 + 76}), Outcome::Done);
    const Port& port = *entity_named("alu").ports[0];
    EXPECT_EQ(port.side, kSideRight);
    EXPECT_EQ(port.position, (Point{512, 76}));
}

TEST_F(SelectionTest, ResizeNeedsOneBoxAndRoomForItsPorts) {
    editor.selection().clear();
    EXPECT_EQ(resize_selection(editor, {0, 0}), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Select one component or process for resizing.");
    design.target_language = kLanguageVerilog;
    EXPECT_EQ(resize_selection(editor, {0, 0}), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Select one instance or always block for resizing.");
    design.target_language = kLanguageVhdl;
    select_component(0);
    EXPECT_EQ(resize_selection(editor, {1024 + 768, 1024 + 300}), Outcome::Refused); // p2 at 476
    EXPECT_EQ(platform.last_refusal(), "Illegal position.");
    ASSERT_EQ(resize_selection(editor, {1024 + 768, 1024 + 640}), Outcome::Done);
    EXPECT_EQ(entity_named("alu").symbol_width, 768);
    EXPECT_EQ(component_box(component(0)), (Box{1024, 1024, 1792, 1664}));
}

TEST_F(SelectionTest, ClearAsksAndKeepsTheInterface) {
    ASSERT_EQ(add_port(editor, {256, 256}, kModeIn, std::string("a")), Outcome::Done);
    platform.answer_no();
    EXPECT_EQ(clear_diagram(editor), Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{"Architecture not empty, are you sure?"});
    platform.answer_yes();
    ASSERT_EQ(clear_diagram(editor), Outcome::Done);
    EXPECT_TRUE(diagram().components.empty());
    EXPECT_EQ(top().ports.size(), 1u);
    EXPECT_EQ(clear_diagram(editor), Outcome::Unchanged); // nothing left: no question
    EXPECT_EQ(platform.shown(ui::Shown::Question).size(), 2u);
}

} // namespace
} // namespace zeph::diagram_testing
