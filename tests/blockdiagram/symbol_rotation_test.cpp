// Rotating a symbol: every port to its next side with the specified offset, every component
// of the entity keeping its centre, labels and tags turning with their ports; library
// modules refused.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/symbol_geometry.h"

namespace zeph::diagram_testing {
namespace {

struct PortPlace {
    int side;
    Point offset;
    bool operator==(const PortPlace&) const = default;
};

class RotationTest : public DiagramTest {
  protected:
    // A 512 x 1024 symbol with one port on each side.
    void SetUp() override {
        ASSERT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram,
                                              "u0", std::string("alu")),
                  Outcome::Done);
        Entity& alu = entity_named("alu");
        ASSERT_EQ(add_port(editor, {1024 + 200, 2048}, kModeIn, std::string("b")), Outcome::Done);
        ASSERT_EQ(add_port(editor, {1536, 1024 + 300}, kModeOut, std::string("r")), Outcome::Done);
        ASSERT_EQ(add_port(editor, {1024 + 100, 1024}, kModeIn, std::string("t")), Outcome::Done);
        ASSERT_EQ(add_port(editor, {1024, 1024 + 700}, kModeIn, std::string("l")), Outcome::Done);
        ASSERT_EQ(alu.ports.size(), 4u);
        Architecture& other = second_architecture();
        add_component(*other.block_diagram, other, &alu, alu.architectures[0].get(), new_component())
            .position = {3000, 200};
        elsewhere = other.block_diagram->components[0].get();
    }

    std::vector<PortPlace> places() {
        std::vector<PortPlace> result;
        for (auto& port : entity_named("alu").ports)
            result.push_back({port->side, port->position});
        return result;
    }

    Component* elsewhere = nullptr;
};

TEST_F(RotationTest, PortsMoveToTheNextSideWithTheSpecifiedOffsets) {
    EXPECT_EQ(places(), (std::vector<PortPlace>{{kSideBottom, {200, 1024}},
                                                 {kSideRight, {512, 300}},
                                                 {kSideTop, {100, 0}},
                                                 {kSideLeft, {0, 700}}}));
    select_component(0);
    ASSERT_EQ(rotate_selection(editor), Outcome::Done);
    Entity& alu = entity_named("alu");
    EXPECT_EQ(alu.symbol_width, 1024);
    EXPECT_EQ(alu.symbol_height, 512);
    // bottom -> right (new width, new height - old x); right -> top (old y, 0);
    // top -> left (0, new height - old x); left -> bottom (old y, new height).
    EXPECT_EQ(places(), (std::vector<PortPlace>{{kSideRight, {1024, 512 - 200}},
                                                 {kSideTop, {300, 0}},
                                                 {kSideLeft, {0, 512 - 100}},
                                                 {kSideBottom, {700, 512}}}));
    // Four quarter turns give the symbol back.
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(rotate_selection(editor), Outcome::Done);
    EXPECT_EQ(places(), (std::vector<PortPlace>{{kSideBottom, {200, 1024}},
                                                 {kSideRight, {512, 300}},
                                                 {kSideTop, {100, 0}},
                                                 {kSideLeft, {0, 700}}}));
}

TEST_F(RotationTest, EveryComponentOfTheEntityKeepsItsCentreAndTurnsItsLabels) {
    Box here = component_box(component(0));
    Box there = component_box(*elsewhere);
    const Port& b = *entity_named("alu").ports[0];
    Point label_offset = {component(0).port_instances[0].label.anchor.x -
                              component_port_origin(component(0), b).x,
                          component(0).port_instances[0].label.anchor.y -
                              component_port_origin(component(0), b).y};
    EXPECT_EQ(label_offset, (Point{0, 208})); // below a bottom port
    select_component(0);
    ASSERT_EQ(rotate_selection(editor), Outcome::Done);
    for (auto [before, component] : {std::pair{here, &component(0)}, std::pair{there, elsewhere}}) {
        Box after = component_box(*component);
        EXPECT_EQ(after.x1 + after.x2, before.x1 + before.x2);
        EXPECT_EQ(after.y1 + after.y2, before.y1 + before.y2);
        EXPECT_EQ(after.x2 - after.x1, before.y2 - before.y1);
    }
    // The label of the port, now on the right, lies to its right.
    Point origin = component_port_origin(component(0), b);
    EXPECT_EQ(component(0).port_instances[0].label.anchor, (Point{origin.x + 208, origin.y}));
    EXPECT_EQ(port_label_point(origin, b.side), component(0).port_instances[0].label.anchor);
}

TEST_F(RotationTest, LibraryModulesAreReadOnly) {
    entity_named("alu").library_module_path = "other.vdp";
    select_component(0);
    std::string before = design_text();
    EXPECT_EQ(rotate_selection(editor), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Read-only component instantiates library module.");
    EXPECT_EQ(design_text(), before);
}

TEST(SymbolGeometry, NearestBorderAndTurns) {
    Box box = {0, 0, 100, 200};
    EXPECT_EQ(nearest_border(box, {10, 100}).side, kSideLeft);
    EXPECT_EQ(nearest_border(box, {95, 100}).origin, (Point{100, 100}));
    EXPECT_EQ(nearest_border(box, {50, 5}).side, kSideTop);
    EXPECT_EQ(nearest_border(box, {50, 190}).side, kSideBottom);
    // A point outside is taken into the box first.
    EXPECT_EQ(nearest_border(box, {-50, 300}).origin, (Point{0, 200}));
    EXPECT_EQ(turned_vector({1, 0}), (Point{0, -1}));
    EXPECT_EQ(turned_vector({0, 1}), (Point{1, 0}));
    EXPECT_EQ(turned_port(kSideNone, {5, 6}, 10, 10).offset, (Point{5, 6}));
}

} // namespace
} // namespace zeph::diagram_testing
