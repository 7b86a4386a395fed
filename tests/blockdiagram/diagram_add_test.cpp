// Adding objects: default names and name prompts, components of new entities, ports on the
// diagram, on components and on processes with their refusals, generics and free texts.
#include "diagram_test_support.h"

#include "blockdiagram/default_names.h"
#include "blockdiagram/diagram_add.h"
#include "blockdiagram/port_geometry.h"

namespace zeph::diagram_testing {
namespace {

class AddTest : public DiagramTest {
  protected:
    void add_named(const std::string& name, Point at = {1024, 1024}) {
        ASSERT_EQ(add_component_of_new_entity(editor, at, NewEntityKind::BlockDiagram, name),
                  Outcome::Done);
    }
};

TEST_F(AddTest, TheFourthComponentAfterU0U1U3IsProposedAsU2) {
    add_named("u0");
    add_named("u1");
    add_named("u3");
    platform.queue_text("u2");
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::BlockDiagram),
              Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt),
              std::vector<std::string>{"Enter component identifier:"});
    EXPECT_EQ(platform.proposals, std::vector<std::string>{"u2"});
    EXPECT_EQ(component(3).name, "u2");
    // Each component has a new entity with the first free default name and one architecture.
    EXPECT_EQ(component(3).entity->name, "n3");
    ASSERT_EQ(component(3).entity->architectures.size(), 1u);
    EXPECT_EQ(component(3).bound_architecture, component(3).entity->architectures[0].get());
    EXPECT_EQ(component(3).entity->symbol_width, 512);
    EXPECT_EQ(component(3).entity->symbol_height, 1024);
}

TEST_F(AddTest, AUsedOrIllegalNameIsRefusedAndAskedAgain) {
    add_named("u0");
    platform.queue_text("U0"); // the same name under the VHDL rule
    platform.queue_text("a__b");
    platform.queue_text("ok");
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile), Outcome::Done);
    EXPECT_EQ(platform.refusals(),
              (std::vector<std::string>{"Error    48: Duplicate component name",
                                        "Error    45: 'a__b' is not a legal VHDL identifier"}));
    EXPECT_EQ(component(1).name, "ok");
    EXPECT_EQ(component(1).entity->architectures[0]->kind, kArchitectureHdlFile);
    platform.queue_cancel();
    std::string before = design_text();
    EXPECT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::BlockDiagram),
              Outcome::Cancelled);
    EXPECT_EQ(design_text(), before);
}

TEST_F(AddTest, EntityNamesAndKinds) {
    EXPECT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::BlockDiagram, "u0",
                                          std::string("Toplevel")),
              Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Entity name 'Toplevel' not allowed.");
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::External, "u0",
                                          std::string("pll")),
              Outcome::Done);
    EXPECT_TRUE(entity_named("pll").external);
    EXPECT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::StateDiagram, "u1",
                                          std::string("PLL")),
              Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Error    48: Duplicate entity name");
    design.target_language = kLanguageVerilog;
    platform.queue_text("i0");
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::StateDiagram),
              Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt).back(), "Enter instance identifier:");
    EXPECT_EQ(component(1).entity->architectures[0]->kind, kArchitectureStateDiagram);
}

TEST_F(AddTest, DiagramPortGoesOnTheSymbolAndOnEveryPlacementAndComponent) {
    Architecture& other = second_architecture();
    // A component of the top level elsewhere gets the port too.
    add_component(*other.block_diagram, other, &top(), architecture, new_component());
    ASSERT_EQ(add_port(editor, {256, 512}, kModeIn, std::string("clk")), Outcome::Done);
    ASSERT_EQ(add_port(editor, {5000, 512}, kModeOut), Outcome::Done);
    ASSERT_EQ(top().ports.size(), 2u);
    const Port& clk = *top().ports[0];
    EXPECT_EQ(clk.side, kSideLeft);
    EXPECT_EQ(clk.position, (Point{0, 64}));
    EXPECT_EQ(top().ports[1]->name, "p0");
    EXPECT_EQ(top().ports[1]->side, kSideRight);
    EXPECT_EQ(top().ports[1]->position, (Point{512, 64}));
    EXPECT_EQ(architecture->port_placements[0].position, (Point{256, 512}));
    EXPECT_EQ(architecture->port_placements[0].name_label.text, "clk");
    ASSERT_EQ(other.port_placements.size(), 2u);
    EXPECT_EQ(other.port_placements[0].position, (Point{256, 256}));
    EXPECT_EQ(other.port_placements[1].position, (Point{6400 - 256, 256}));
    Component& instance = *other.block_diagram->components[0];
    ASSERT_EQ(instance.port_instances.size(), 2u);
    EXPECT_EQ(instance.port_instances[1].port, top().ports[1].get());
    EXPECT_EQ(instance.port_instances[0].label.text, "clk");
}

TEST_F(AddTest, PortsOnComponentsAndProcessesAndTheirRefusals) {
    add_named("u0", {1024, 1024}); // box 1024 1024 1536 2048
    ASSERT_EQ(add_process(editor, {3000, 1000}, kProcessHdlFile), Outcome::Done);
    EXPECT_EQ(diagram().processes[0]->name, "pr0");

    ASSERT_EQ(add_port(editor, {1500, 1300}, kModeOut, std::string("q")), Outcome::Done);
    Entity& n0 = *component(0).entity;
    ASSERT_EQ(n0.ports.size(), 1u);
    EXPECT_EQ(n0.ports[0]->side, kSideRight);
    EXPECT_EQ(n0.ports[0]->position, (Point{512, 276}));
    EXPECT_EQ(component(0).port_instances.size(), 1u);
    EXPECT_TRUE(top().ports.empty());

    EXPECT_EQ(add_port(editor, {1536 + 40, 1300 + 30}, kModeIn), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Position already occupied.");
    EXPECT_EQ(add_port(editor, {1100, 1100}, kModeIn, std::string("q")), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Error    48: Duplicate component port name");

    ASSERT_EQ(add_port(editor, {3010, 1200}, kModeIn), Outcome::Done);
    const Port& process_port = *diagram().processes[0]->ports[0];
    EXPECT_EQ(process_port.side, kSideLeft);
    EXPECT_EQ(process_port.position, (Point{3000, 1200}));
    EXPECT_EQ(process_port.owner, diagram().processes[0].get());
    EXPECT_EQ(process_port_connection(process_port), (Point{2936, 1200}));

    n0.library_module_path = "lib.vdp";
    std::string before = design_text();
    EXPECT_EQ(add_port(editor, {1100, 1900}, kModeIn), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Read-only component instantiates library module.");
    EXPECT_EQ(design_text(), before);
}

TEST_F(AddTest, GenericsAndFreeTexts) {
    add_named("u0");
    ASSERT_EQ(add_generic(editor, {128, 128}), Outcome::Done);
    ASSERT_EQ(add_generic(editor, {128, 256}, std::string("width")), Outcome::Done);
    EXPECT_EQ(top().generics[0]->name, "g0");
    EXPECT_EQ(architecture->generic_placements[1].label.text, "width");
    EXPECT_EQ(add_generic(editor, {128, 512}, std::string("WIDTH")), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Error    48: Duplicate diagram generic name");

    platform.queue_text("Hello world");
    ASSERT_EQ(add_free_text(editor, {300, 3000}), Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt).back(), "Enter text:");
    ASSERT_EQ(architecture->sheet.texts.size(), 1u);
    const LabelDisplay& text = architecture->sheet.texts[0];
    EXPECT_EQ(text.text, "Hello world");
    EXPECT_EQ(text.size, 12);
    EXPECT_EQ(text.colour, 15);
    settings.colours[static_cast<int>(DiagramColour::FreePlacedTexts)] = 0;
    EXPECT_EQ(add_free_text(editor, {0, 0}, std::string("x")), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Specified color equals background.");
}

TEST(DefaultNames, SmallestFreeNumberAndTheLimit) {
    std::vector<std::string> used = {"pr0", "pr2"};
    auto is_used = [&](const std::string& n) {
        return std::find(used.begin(), used.end(), n) != used.end();
    };
    EXPECT_EQ(first_free_name("pr", is_used), "pr1");
    std::string long_prefix(32, 'x');
    EXPECT_EQ(first_free_name(long_prefix, [](const std::string&) { return true; }), long_prefix);
    EXPECT_EQ(
        first_free_name(std::string(31, 'y'), [](const std::string& n) { return n.back() == '0'; }),
        std::string(31, 'y') + "1");
}

} // namespace
} // namespace zeph::diagram_testing
