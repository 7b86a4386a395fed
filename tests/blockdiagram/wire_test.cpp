// Drawing wires: where they start, the property question when they reach another net, short
// circuits and the L of two points off one line.
#include "net_test_support.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/wire_drawing.h"

namespace zeph::net_testing {
namespace {

const std::string kMergeQuestion =
    "Warning: 'source' net and 'destination' net have different %s.\nMerge nets with properties "
    "of 'source' net?\n('No' merges with 'destination' net.)";

std::string merge_question(const std::string& what) {
    std::string text = kMergeQuestion;
    text.replace(text.find("%s"), 2, what);
    return text;
}

class NetWires : public NetDiagramTest {};

TEST_F(NetWires, APolylineWithACornerBecomesOneNetWithAnL) {
    WireResult result = draw_wire(platform, DesignDefaults{}, *architecture,
                                  {{0, 0}, {256, 128}, {256, 384}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Done);
    ASSERT_EQ(result.net_index, 0u);
    const Net& net = *diagram().nets[0];
    EXPECT_EQ(plain(net.horizontal), (std::vector<Seg>{seg(0, 0, 256, 0)}));
    EXPECT_EQ(plain(net.vertical), (std::vector<Seg>{seg(256, 0, 256, 384)}));

    draw_wire(platform, DesignDefaults{}, *architecture, {{0, 512}, {256, 640}}, rules, true);
    const Net& second = *diagram().nets[1];
    EXPECT_EQ(plain(second.vertical), (std::vector<Seg>{seg(0, 512, 0, 640)}));
    EXPECT_EQ(plain(second.horizontal), (std::vector<Seg>{seg(0, 640, 256, 640)}));
    EXPECT_EQ(draw_wire(platform, DesignDefaults{}, *architecture, {{5, 5}}, rules).outcome,
              Outcome::Unchanged);
}

TEST_F(NetWires, AWireStartedOnANetExtendsIt) {
    add_net({{{0, 0}, {512, 0}}}, "n");
    WireResult result =
        draw_wire(platform, DesignDefaults{}, *architecture, {{256, 0}, {256, 256}}, rules);
    EXPECT_EQ(result.net_index, 0u);
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(diagram().nets[0]->junctions.size(), 1u);
    EXPECT_TRUE(questions().empty());
}

TEST_F(NetWires, AWireTakesItsPropertiesFromAPortOrABusEntryStub) {
    Port& port = add_diagram_port("d", kModeIn, {0, 0});
    port.range = {true, "7", "0", kDirectionDownto};
    port.type_name = "std_logic_vector";
    draw_wire(platform, DesignDefaults{}, *architecture, {{64, 0}, {512, 0}}, rules);
    const Net& from_port = *diagram().nets[0];
    EXPECT_TRUE(from_port.bus);
    EXPECT_EQ(from_port.range.left, "7");
    EXPECT_EQ(from_port.type_name, "std_logic_vector");

    BusEntry& entry = entry_at(diagram(), *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{},
                                                         diagram(), {256, 0}, 64));
    entry.slice = true;
    entry.index = "3";
    entry.right = "0";
    draw_wire(platform, DesignDefaults{}, *architecture, {{320, 64}, {320, 512}}, rules);
    const Net& from_entry = *diagram().nets[1];
    EXPECT_TRUE(from_entry.bus);
    EXPECT_EQ(from_entry.range.left, "3");
    EXPECT_EQ(from_entry.range.right, "0");
    EXPECT_EQ(from_entry.type_name, "std_logic_vector");
}

TEST_F(NetWires, EqualPropertiesMergeSilentlyIntoTheDestination) {
    add_net({{{0, 0}, {0, 512}}}, "dest");
    WireResult result =
        draw_wire(platform, DesignDefaults{}, *architecture, {{256, 256}, {0, 256}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Done);
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(result.net_index, 0u);
    EXPECT_EQ(diagram().nets[0]->name, "dest");
    EXPECT_TRUE(questions().empty());
}

TEST_F(NetWires, DifferentPropertiesAskWhichNetKeepsThem) {
    Net& bus = add_bus({{{0, 0}, {0, 512}}}, "dest", "7", "0");
    bus.type_name = "word";
    platform.queue(ui::Answer::No);
    WireResult result =
        draw_wire(platform, DesignDefaults{}, *architecture, {{256, 256}, {0, 256}}, rules);
    EXPECT_EQ(questions(), (std::vector<std::string>{merge_question("ranges")}))
        << "different bus flags with different names do not make the types differ";
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(result.net_index, 0u);
    EXPECT_EQ(diagram().nets[0]->name, "dest");
    EXPECT_TRUE(diagram().nets[0]->bus) << "No keeps the destination's properties";

    platform.clear_transcript();
    platform.queue(ui::Answer::Yes);
    result = draw_wire(platform, DesignDefaults{}, *architecture, {{512, 128}, {0, 128}}, rules);
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_FALSE(diagram().nets[0]->bus) << "Yes keeps the source's properties";
    EXPECT_EQ(diagram().nets[0]->name, "");
}

TEST_F(NetWires, CancelAbandonsTheWireEndAndKeepsEarlierStretches) {
    add_bus({{{0, 0}, {0, 512}}}, "dest", "7", "0");
    platform.queue(ui::Answer::Cancel);
    WireResult result = draw_wire(platform, DesignDefaults{}, *architecture,
                                  {{512, 512}, {512, 256}, {0, 256}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    ASSERT_EQ(diagram().nets.size(), 2u);
    const Net& wire = *diagram().nets[1];
    EXPECT_EQ(plain(wire.vertical), (std::vector<Seg>{seg(512, 256, 512, 512)}));
    EXPECT_TRUE(wire.horizontal.empty()) << "the stretch onto the bus is not kept";

    platform.queue(ui::Answer::Cancel);
    draw_wire(platform, DesignDefaults{}, *architecture, {{256, 128}, {0, 128}}, rules);
    EXPECT_EQ(diagram().nets.size(), 2u) << "a wire left without segments disappears";
}

TEST_F(NetWires, AShortCircuitQuestionNoLeavesBothNetsUnchanged) {
    // 'cross' crosses 'dest' without connecting; a wire from 'cross' down onto 'dest' would
    // join them at two places.
    add_net({{{0, 0}, {512, 0}}}, "dest");
    add_net({{{256, -256}, {256, 256}}}, "cross");
    platform.queue(ui::Answer::No);
    WireResult result = draw_wire(platform, DesignDefaults{}, *architecture,
                                  {{256, -256}, {128, -256}, {128, 0}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_EQ(questions(), (std::vector<std::string>{
                               "Introducing short circuit while merging nets.\nContinue?"}));
    ASSERT_EQ(diagram().nets.size(), 2u);
    EXPECT_EQ(plain(diagram().nets[0]->horizontal), (std::vector<Seg>{seg(0, 0, 512, 0)}));
    const Net& cross = *diagram().nets[1];
    EXPECT_EQ(plain(cross.horizontal), (std::vector<Seg>{seg(128, -256, 256, -256)}));
    EXPECT_EQ(plain(cross.vertical), (std::vector<Seg>{seg(256, -256, 256, 256)}));
}

TEST_F(NetWires, StretchesThatWouldShortAnotherNetAreRefused) {
    add_net({{{0, 256}, {512, 256}}}, "other");
    WireResult result =
        draw_wire(platform, DesignDefaults{}, *architecture, {{256, 0}, {256, 512}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Done) << "crossing wires do not connect";
    EXPECT_EQ(diagram().nets.size(), 2u);

    result = draw_wire(platform, DesignDefaults{}, *architecture, {{-256, 256}, {128, 256}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Refused) << "collinear overlap";
    EXPECT_EQ(platform.last_status(), "Short circuit not allowed.");
    EXPECT_EQ(diagram().nets.size(), 2u);
    result = draw_wire(platform, DesignDefaults{}, *architecture, {{512, 128}, {512, 384}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Refused) << "an end of 'other' inside the stretch";
    EXPECT_EQ(diagram().nets.size(), 2u);

    result = draw_wire(platform, DesignDefaults{}, *architecture, {{768, 256}, {512, 256}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Done) << "meeting the end of 'other' joins it";
    ASSERT_EQ(diagram().nets.size(), 2u);
    EXPECT_EQ(plain(diagram().nets[0]->horizontal), (std::vector<Seg>{seg(0, 256, 768, 256)}));
}

TEST_F(NetWires, AWireFromABusEntryOnlyInformsAboutDifferences) {
    add_bus({{{0, 0}, {1024, 0}}}, "bus", "7", "0");
    add_bus({{{0, 512}, {1024, 512}}}, "wide", "15", "0");
    entry_at(diagram(),
             *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {256, 0}, 64))
        .index = "1";
    WireResult result =
        draw_wire(platform, DesignDefaults{}, *architecture, {{320, 64}, {320, 512}}, rules);
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Box),
              (std::vector<std::string>{"zeph|Warning: bus entry and net have different ranges."}));
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(diagram().nets.size(), 2u);
    EXPECT_EQ(diagram().nets[1]->name, "wide");
}

TEST_F(NetWires, ComparisonOfTypesAndRanges) {
    Net a;
    Net b;
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::None);
    b.type_name = "Bit";
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::None) << "names after defaults";
    b.type_name = "std_logic";
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::Types);
    a.type_name = "STD_LOGIC";
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::None) << "VHDL names ignore case";
    rules.rules = kRulesVerilog;
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::Types);
    a.bus = b.bus = true;
    a.type_name = b.type_name = "";
    a.range = {true, "7", "0", 0};
    b.range = {true, "7", "0", 1};
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::None) << "directions do not count";
    b.range.left = "W";
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::Ranges);
    b.bus = false;
    b.type_name = "Bit_Vector";
    EXPECT_EQ(compare_nets(a, b, rules), NetDifference::TypesAndRanges)
        << "different bus flags and equal names";
}

} // namespace
} // namespace zeph::net_testing
