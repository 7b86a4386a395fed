// Connect-by-name tags: placing, editing, copying and removing them, and the effective names.
#include "net_test_support.h"

#include "blockdiagram/connect_by_name.h"

namespace zeph::net_testing {
namespace {

class TagEditing : public NetDiagramTest {
  protected:
    TagEditing() {
        add_diagram_port("a", kModeIn, {0, 0});     // connection (64, 0)
        add_diagram_port("y", kModeOut, {1024, 0}); // connection (960, 0)
        add_component("u0", "child", {256, 256}, {{"i", kModeIn, 4, {0, 128}}}); // (192, 384)
        add_process_with_port("pr0", kModeOut, 2, {768, 512});                   // (832, 512)
    }
    PlacedPort port_near(Point at) { return *find_port(*architecture, at, 63); }
};

TEST_F(TagEditing, PlacingGivesOwnNameTagsOrAsksAProcessPortForALabel) {
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {70, 10}, rules), Outcome::Done);
    const ConnectByName& tag = tag_of(port_near({64, 0}));
    EXPECT_EQ(tag.mode, kConnectOwnName);
    EXPECT_TRUE(tag.has_label);
    EXPECT_EQ(tag.label.anchor, (Point{128, 0})) << "just outside the connection point";
    EXPECT_EQ(effective_connect_name(port_near({64, 0})), "a");

    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {64, 0}, rules),
              Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Position already occupied.");
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {500, 500}, rules),
              Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "No port found.");

    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {190, 380}, rules),
              Outcome::Done);
    EXPECT_EQ(tag_of(port_near({192, 384})).mode, kConnectOwnName) << "component port";

    platform.queue_cancel();
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {832, 512}, rules),
              Outcome::Cancelled);
    EXPECT_EQ(tag_of(port_near({832, 512})).mode, kConnectNone);
    platform.queue_text("");
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {832, 512}, rules),
              Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "No name specified.");
    platform.queue_text("2x");
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {832, 512}, rules),
              Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Error    45: '2x' is not a legal VHDL identifier");
    platform.queue_text("sum");
    EXPECT_EQ(place_tag(platform, DesignDefaults{}, *architecture, {832, 512}, rules),
              Outcome::Done);
    EXPECT_EQ(tag_of(port_near({832, 512})).mode, kConnectExplicit);
    EXPECT_EQ(effective_connect_name(port_near({832, 512})), "sum");
    EXPECT_EQ(platform.shown(ui::Shown::Prompt).size(), 4u);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt).front(), "Enter label:");
}

TEST_F(TagEditing, EditingSetsTheModeByTheName) {
    place_tag(platform, DesignDefaults{}, *architecture, {64, 0}, rules);
    PlacedPort diagram_port = port_near({64, 0});
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, diagram_port, "bus_a", rules), Outcome::Done);
    EXPECT_EQ(tag_of(diagram_port).mode, kConnectExplicit);
    EXPECT_EQ(effective_connect_name(diagram_port), "bus_a");
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, diagram_port, "bus_a", rules),
              Outcome::Unchanged);
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, diagram_port, "", rules), Outcome::Done);
    EXPECT_EQ(tag_of(diagram_port).mode, kConnectOwnName);
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, diagram_port, "in", rules), Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Error    40: 'in' is a VHDL reserved word");

    platform.queue_text("s");
    place_tag(platform, DesignDefaults{}, *architecture, {832, 512}, rules);
    PlacedPort process_port = port_near({832, 512});
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, process_port, "", rules), Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "No name specified.");
    EXPECT_EQ(tag_of(process_port).mode, kConnectExplicit);

    EXPECT_EQ(remove_tag(process_port), Outcome::Done);
    EXPECT_EQ(tag_of(process_port).mode, kConnectNone);
    EXPECT_EQ(remove_tag(process_port), Outcome::Unchanged);
}

TEST_F(TagEditing, CopyingKeepsTheModeAndRefusesNamelessTagsOnProcessPorts) {
    place_tag(platform, DesignDefaults{}, *architecture, {64, 0}, rules);
    PlacedPort source = port_near({64, 0});
    EXPECT_EQ(
        copy_tag(platform, kLanguageVhdl, DesignDefaults{}, *architecture, source, {832, 512}),
        Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Connect-by-name on process port must have a name.");
    EXPECT_EQ(copy_tag(platform, kLanguageVhdl, DesignDefaults{}, *architecture, source, {64, 0}),
              Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Position already occupied.");
    EXPECT_EQ(copy_tag(platform, kLanguageVhdl, DesignDefaults{}, *architecture, source, {960, 0}),
              Outcome::Done);
    EXPECT_EQ(tag_of(port_near({960, 0})).mode, kConnectOwnName);
    EXPECT_EQ(effective_connect_name(port_near({960, 0})), "y") << "own name of the target";

    edit_tag(platform, DesignDefaults{}, source, "net_a", rules);
    EXPECT_EQ(
        copy_tag(platform, kLanguageVhdl, DesignDefaults{}, *architecture, source, {832, 512}),
        Outcome::Done);
    EXPECT_EQ(effective_connect_name(port_near({832, 512})), "net_a");
    EXPECT_EQ(tag_of(port_near({832, 512})).label.anchor, (Point{896, 512}));
}

TEST_F(TagEditing, ComponentPortTagsBelongToTheirPortInstance) {
    Component& u1 = add_component("u1", "child", {512, 256}, {});
    PlacedPort u1_port = port_near({448, 384});
    ASSERT_EQ(u1_port.component, &u1);
    EXPECT_EQ(edit_tag(platform, DesignDefaults{}, u1_port, "t", rules), Outcome::Done);
    EXPECT_EQ(tag_of(port_near({192, 384})).mode, kConnectNone) << "per component";
    EXPECT_EQ(u1.port_instances[u1_port.index].connect_by_name.label.text, "t");

    // Deleting an earlier port of the entity takes its instance away; the later port keeps its
    // tag under its new index.
    Component& u2 = add_component("u2", "pair", {1024, 1024},
                                  {{"p", kModeIn, 4, {0, 64}}, {"q", kModeIn, 4, {0, 128}}});
    PlacedPort q = port_near({960, 1152});
    ASSERT_EQ(q.index, 1u);
    edit_tag(platform, DesignDefaults{}, q, "wq", rules);
    Entity& pair = *u2.entity;
    pair.ports.erase(pair.ports.begin());
    u2.port_instances.erase(u2.port_instances.begin());
    PlacedPort moved = port_near({960, 1152});
    EXPECT_EQ(moved.index, 0u);
    EXPECT_EQ(effective_connect_name(moved), "wq");
}

} // namespace
} // namespace zeph::net_testing
