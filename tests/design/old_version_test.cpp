// Hand-written design files of older version indexes read into the expected records, and are
// written back in today's form (golden files).
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "support/design_test_support.h"

namespace {

using namespace zeph;
using namespace zeph::testing;

class OldVersions : public DesignFileTest {
  protected:
    void read(const char* name) { ASSERT_EQ(read_design_text(data_file(name), design), 0) << name; }
    Design design;
};

// Index 8: no library file names, no entity counters or testbench flags, no package
// identifiers, no Verilog texts or counts, no header lines; coordinates as written.
TEST_F(OldVersions, Index8) {
    read("version8.vdf");
    EXPECT_EQ(design.designer, "J. Smith");
    EXPECT_EQ(design.entity_directory_counter, 2);
    std::vector<PackageSpec*> libraries = design.library_entries.entries();
    ASSERT_EQ(libraries.size(), 1u);
    EXPECT_EQ(libraries[0]->global, 1);
    EXPECT_EQ(libraries[0]->number, 1);
    EXPECT_STREQ(libraries[0]->file_name, "");
    EXPECT_EQ(design.synthesis_tool, 1);
    EXPECT_TRUE(design.vhdl93);
    EXPECT_EQ(design.vhdl_vector_type, "");

    ASSERT_EQ(design.entities.size(), 3u);
    Entity& top = *design.entities[0];
    Architecture& structure = *top.architectures[0];
    EXPECT_EQ(structure.sheet.size, 2);
    EXPECT_EQ(structure.comment, "Top level comment");
    EXPECT_EQ(structure.vhdl_statements, "u0 <= x;");
    EXPECT_EQ(structure.verilog_statements, "");
    const Net& data = *structure.block_diagram->nets[0];
    EXPECT_EQ(data.signal_kind, 1);
    EXPECT_EQ(data.horizontal[0].x2, 1280);
    EXPECT_EQ(data.junctions, (std::vector<JunctionPoint>{{1280, 640}}));

    Entity& alu = *find_entity(design, "alu");
    EXPECT_EQ(alu.symbol_width, 768);
    EXPECT_EQ(alu.comment, "An adder.");
    EXPECT_EQ(alu.declarations, "signal carry : bit;");
    EXPECT_EQ(alu.ports[1]->range.direction, kDirectionTo);
    Architecture& rtl = *alu.architectures[0];
    EXPECT_EQ(rtl.hdl_file->vhdl_file, "alu.vhd");
    EXPECT_EQ(rtl.port_placements[1].connect_by_name.mode, 2);
    EXPECT_EQ(rtl.port_placements[1].connect_by_name.label.text, "y_tag");

    const Component& u0 = *structure.block_diagram->components[0];
    EXPECT_EQ(u0.entity, &alu);
    EXPECT_EQ(u0.bound_architecture, &rtl); // "0": the first architecture
    EXPECT_EQ(u0.generic_values[0].actual_value, "4");

    StateMachine& m = *find_entity(design, "seq")->architectures[0]->state_machine;
    EXPECT_EQ(m.identifier_suffix, "_s");
    EXPECT_EQ(m.action_labels[0]->name, "go");
    EXPECT_EQ(m.action_labels[0]->vhdl_text, "q <= '1';");
    EXPECT_EQ(m.action_labels[0]->use_count, 1);
    EXPECT_EQ(m.condition_labels[0]->vhdl_text, "x = '1'");
    EXPECT_EQ(m.transitions[0]->condition.label, m.condition_labels[0].get());
    EXPECT_EQ(m.transitions[0]->to, m.states[1].get());

    EXPECT_TRUE(matches_golden("version8_converted.vdf", design_file_text(design)));
}

// Index 6: architectures before the interface, placements built from the interface, labels
// in the generic blocks, old machine line, coordinates times 8, "PC" colours reset.
TEST_F(OldVersions, Index6) {
    read("version6.vdf");
    Entity& counter = *design.entities[0];
    EXPECT_EQ(counter.symbol_height, 1024);
    EXPECT_EQ(counter.symbol_width, 512);
    EXPECT_EQ(counter.generics[0]->position, (Point{64, 128}));
    EXPECT_EQ(design.synthesis_tool, 1); // "CORE" is Galileo

    Architecture& rtl = *counter.architectures[0];
    EXPECT_EQ(rtl.directory, "rtl");
    EXPECT_EQ(rtl.sheet.size, 2);
    ASSERT_EQ(rtl.sheet.texts.size(), 1u);
    EXPECT_EQ(rtl.sheet.texts[0].anchor, (Point{80, 80}));
    EXPECT_EQ(rtl.sheet.texts[0].colour, 15);
    ASSERT_EQ(rtl.generic_placements.size(), 1u);
    EXPECT_EQ(rtl.generic_placements[0].position, (Point{64, 128}));
    EXPECT_EQ(rtl.generic_placements[0].label.text, "n : integer");
    EXPECT_EQ(rtl.generic_placements[0].label.anchor, (Point{128, 192}));
    ASSERT_EQ(rtl.port_placements.size(), 1u);
    EXPECT_EQ(rtl.port_placements[0].position, (Point{0, 128}));
    EXPECT_EQ(rtl.port_placements[0].connect_by_name.mode, 2);
    EXPECT_EQ(rtl.port_placements[0].connect_by_name.label.text, "tick");
    EXPECT_EQ(rtl.port_placements[0].name_label.anchor, (Point{-16, 128}));

    StateMachine& m = *rtl.state_machine;
    EXPECT_EQ(m.clock_port, "clk");
    EXPECT_EQ(m.reset_port, "rst");
    EXPECT_EQ(m.state_port, "");
    EXPECT_EQ(m.identifier_suffix, "");
    EXPECT_EQ(m.clock_edge, 1);
    EXPECT_EQ(m.process_comment, "the process comment");
    ASSERT_EQ(m.states.size(), 1u);
    EXPECT_EQ(m.states[0]->box, (Box{0, 0, 256, 256}));

    EXPECT_TRUE(matches_golden("version6_converted.vdf", design_file_text(design)));
}

// Index 4: range directions from the order of numeric bounds; the header without its
// settings line.
TEST_F(OldVersions, Index4) {
    read("version4.vdf");
    ASSERT_EQ(design.entities.size(), 2u);
    EXPECT_EQ(design.target_language, 1);
    Entity& top = *design.entities[0];
    EXPECT_EQ(top.ports[0]->type_name, "Bit"); // the default type is empty only below 4
    EXPECT_EQ(top.ports[0]->range.direction, kDirectionTo);
    const Net& bus = *top.architectures[0]->block_diagram->nets[0];
    EXPECT_TRUE(bus.bus);
    EXPECT_EQ(bus.range.direction, kDirectionDownto);
    EXPECT_EQ(bus.signal_kind, 2);
    EXPECT_EQ(bus.bus_entries[0]->bus_point, (Point{160, 80}));
    EXPECT_EQ(bus.bus_entries[0]->direction, kDirectionDownto);
    EXPECT_EQ(top.architectures[0]->port_placements[0].position, (Point{0, 128}));

    EXPECT_TRUE(matches_golden("version4_converted.vdf", design_file_text(design)));
}

// Index 2: "Bit" as the default type, nets without signal kind and with old-style segment
// lines, old-form labels, a "0" directory name.
TEST_F(OldVersions, Index2) {
    read("version2.vdf");
    Entity& top = *design.entities[0];
    EXPECT_EQ(top.directory, "toplevel");
    EXPECT_EQ(top.architectures[0]->directory, "a0");
    EXPECT_EQ(top.ports[0]->type_name, "");
    const LabelDisplay& x = top.ports[0]->name_label;
    EXPECT_EQ(x.text, "x");
    EXPECT_EQ(x.size, 12);
    EXPECT_EQ(x.colour, 15);
    EXPECT_EQ(x.options, 7u);
    const Net& net = *top.architectures[0]->block_diagram->nets[0];
    EXPECT_EQ(net.type_name, "");
    EXPECT_EQ(net.signal_kind, 0);
    EXPECT_EQ(net.label.alignment, kAlignCentred);
    EXPECT_EQ(net.label.options, 3u);
    ASSERT_EQ(net.horizontal.size(), 2u);
    EXPECT_EQ(net.horizontal[0].x1, 80);
    EXPECT_EQ(net.horizontal[1].x1, 240); // the reversed old line, in sorted order
    EXPECT_EQ(net.horizontal[1].x2, 320);
    ASSERT_EQ(net.vertical.size(), 1u);
    EXPECT_EQ(net.vertical[0].y2, 320);

    EXPECT_TRUE(matches_golden("version2_converted.vdf", design_file_text(design)));
}

TEST_F(OldVersions, OldSegmentLinesGoThroughTheHook) {
    ReadHooks hooks;
    std::vector<std::pair<Point, Point>> fed;
    hooks.insert_segment = [&](Net&, Point a, Point b) { fed.push_back({a, b}); };
    ASSERT_EQ(read_design_text(data_file("version2.vdf"), design, hooks), 0);
    ASSERT_EQ(fed.size(), 2u);
    EXPECT_EQ(fed[1].first, (Point{320, 240}));
    EXPECT_EQ(fed[1].second, (Point{240, 240}));
}

} // namespace
