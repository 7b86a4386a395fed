// Stretch and contract: whole grid steps only, the refusals of the line and of the band, and
// what moves.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/stretch.h"

namespace zeph::diagram_testing {
namespace {

class StretchTest : public DiagramTest {
  protected:
    void SetUp() override {
        // A component at 1024..1536 x 1024..2048, a wire from 256 to 3200 at y 3000, a port.
        ASSERT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram, "u0"),
                  Outcome::Done);
        ASSERT_EQ(add_wire(editor, {{256, 3000}, {3200, 3000}}), Outcome::Done);
        ASSERT_EQ(add_port(editor, {2560, 2560}, kModeIn, std::string("a")), Outcome::Done);
        ASSERT_EQ(add_free_text(editor, {200, 200}, std::string("left")), Outcome::Done);
    }
    const Segment& wire() { return diagram().nets.at(0)->horizontal.at(0); }
};

TEST_F(StretchTest, ADragOfTwoAndAHalfStepsStretchesByTwo) {
    EXPECT_EQ(drag_width(2000, 2000 + 160, 64), 128);
    EXPECT_EQ(drag_width(2000, 2000 - 160, 64), -128);
    EXPECT_EQ(drag_width(2000, 2063, 64), 0);
    ASSERT_EQ(stretch(editor, Axis::Horizontal, 2000, 2000 + 160), Outcome::Done);
    // The wire crosses the line: its near end stays and it becomes longer.
    EXPECT_EQ(wire().x1, 256);
    EXPECT_EQ(wire().x2, 3200 + 128);
    EXPECT_EQ(architecture->port_placements[0].position, (Point{2560 + 128, 2560}));
    EXPECT_EQ(component(0).position, (Point{1024, 1024}));
    EXPECT_EQ(architecture->sheet.texts[0].anchor, (Point{200, 200}));
}

TEST_F(StretchTest, ADragShorterThanOneStepDoesNothing) {
    std::string before = design_text();
    EXPECT_EQ(stretch(editor, Axis::Horizontal, 2000, 2063), Outcome::Unchanged);
    EXPECT_EQ(stretch(editor, Axis::Vertical, 2500, 2500 - 63), Outcome::Unchanged);
    EXPECT_EQ(design_text(), before);
}

TEST_F(StretchTest, ADragToTheLeftMovesWhatIsLeftOfTheLine) {
    ASSERT_EQ(stretch(editor, Axis::Horizontal, 2000, 2000 - 128), Outcome::Done);
    EXPECT_EQ(wire().x1, 256 - 128);
    EXPECT_EQ(wire().x2, 3200);
    EXPECT_EQ(component(0).position, (Point{1024 - 128, 1024}));
    EXPECT_EQ(architecture->port_placements[0].position, (Point{2560, 2560}));
    ASSERT_EQ(stretch(editor, Axis::Vertical, 2800, 2800 + 64), Outcome::Done);
    EXPECT_EQ(wire().y1, 3064);
    EXPECT_EQ(component(0).position.y, 1024);
}

TEST_F(StretchTest, ALineThroughABoxOrItsMarginIsRefused) {
    std::string before = design_text();
    for (int line : {1024, 1300, 1536 + 64, 1024 - 64}) {
        EXPECT_EQ(stretch(editor, Axis::Horizontal, line, line + 640), Outcome::Refused) << line;
        EXPECT_EQ(platform.last_refusal(), "Illegal position.");
    }
    EXPECT_EQ(stretch(editor, Axis::Vertical, 2048 + 30, 3000), Outcome::Refused);
    EXPECT_EQ(design_text(), before);
    EXPECT_EQ(stretch(editor, Axis::Horizontal, 1536 + 65, 2000), Outcome::Done);
}

TEST_F(StretchTest, ContractRefusesWireEndsInTheBandAndOnTheLine) {
    std::string before = design_text();
    EXPECT_EQ(contract(editor, Axis::Horizontal, 3000, 3000 + 640), Outcome::Refused); // end 3200
    EXPECT_EQ(contract(editor, Axis::Horizontal, 3200, 3200 + 640), Outcome::Refused); // on the line
    EXPECT_EQ(contract(editor, Axis::Horizontal, 2400, 2400 + 256), Outcome::Refused); // the port
    EXPECT_EQ(contract(editor, Axis::Horizontal, 800, 800 + 640), Outcome::Refused); // the box
    EXPECT_EQ(platform.refusals(), std::vector<std::string>(4, "Illegal position."));
    EXPECT_EQ(design_text(), before);
}

TEST_F(StretchTest, ContractMovesWhatLiesBeyondTheBandBack) {
    ASSERT_EQ(contract(editor, Axis::Horizontal, 1700, 1700 + 640 + 20), Outcome::Done);
    EXPECT_EQ(architecture->port_placements[0].position, (Point{2560 - 640, 2560}));
    EXPECT_EQ(wire().x2, 3200 - 640);
    EXPECT_EQ(wire().x1, 256);
    // A stretch and a contract of the same band give the diagram back.
    ASSERT_EQ(stretch(editor, Axis::Horizontal, 1700, 1700 + 640), Outcome::Done);
    EXPECT_EQ(wire().x2, 3200);
    ASSERT_EQ(contract(editor, Axis::Vertical, 2200, 2200 + 256), Outcome::Done);
    EXPECT_EQ(wire().y1, 3000 - 256);
    // A drag to the left moves what lies left of the band to the right.
    ASSERT_EQ(contract(editor, Axis::Horizontal, 900, 900 - 320), Outcome::Done);
    EXPECT_EQ(wire().x1, 256 + 320);
    EXPECT_EQ(component(0).position.x, 1024);
    EXPECT_EQ(architecture->sheet.texts[0].anchor.x, 200 + 320);
}

} // namespace
} // namespace zeph::diagram_testing
