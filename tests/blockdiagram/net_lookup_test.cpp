// Finding segments and nets, display names and label texts.
#include "net_test_support.h"

#include "blockdiagram/net_lookup.h"

namespace zeph::net_testing {
namespace {

class NetLookup : public NetDiagramTest {};

TEST_F(NetLookup, FindSegmentTakesTheNearestWithinToleranceAndSnaps) {
    add_net({{{0, 0}, {512, 0}}});
    add_net({{{0, 100}, {512, 100}}, {{600, 0}, {600, 512}}});
    std::optional<SegmentHit> hit = find_segment(diagram(), {100, 60}, 63, true);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->net_index, 1u);
    EXPECT_EQ(hit->distance, 40);
    EXPECT_EQ(hit->point, (Point{100, 100}));

    // Beyond the end: the Euclidean distance to the nearer end, truncated (sqrt(28^2+10^2)).
    hit = find_segment(diagram(), {540, 110}, 63, true);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->distance, 29) << "the vertical at x=600 is farther";
    EXPECT_EQ(hit->point, (Point{512, 100})) << "x clamped into the segment";

    // A tie goes to the first found: net 0 before net 1.
    hit = find_segment(diagram(), {100, 50}, 63, false);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->net_index, 0u);
    EXPECT_EQ(hit->point, (Point{100, 50})) << "no snapping asked";

    EXPECT_FALSE(find_segment(diagram(), {100, 300}, 63, true));
}

TEST_F(NetLookup, DisplayNamesOfNetsAndBuses) {
    Net& plain_net = add_net({{{0, 0}, {64, 0}}});
    Net& bus = add_bus({{{0, 64}, {64, 64}}}, "", "7", "0");
    Net& named = add_bus({{{0, 128}, {64, 128}}}, "data", "W", "0");
    EXPECT_EQ(net_display_name(plain_net), "Net_0");
    EXPECT_EQ(net_display_name(plain_net, 3), "Net_0") << "only buses carry a bit";
    EXPECT_EQ(net_display_name(bus), "Net_1(7:0)");
    EXPECT_EQ(net_display_name(bus, kNameOnly), "Net_1");
    EXPECT_EQ(net_display_name(named, 5), "data(5)");
    EXPECT_EQ(net_display_name(named, kNameWithRange), "data(W:0)");
}

TEST_F(NetLookup, FindNetByProperNameBeforeNumber) {
    for (int i = 0; i < 9; ++i)
        add_net({{{0, 64 * i}, {64, 64 * i}}});
    diagram().nets[2]->name = "Net_7";
    diagram().nets[4]->name = "clk";

    EXPECT_EQ(find_net_index(diagram(), "Net_7"), 2u) << "the proper name wins";
    EXPECT_EQ(find_net_index(diagram(), "CLK"), 4u) << "names ignore case";
    EXPECT_EQ(find_net_index(diagram(), "Net_8"), 8u);
    EXPECT_EQ(find_net_index(diagram(), "Net_9"), std::nullopt) << "outside the net list";
    EXPECT_EQ(find_net_index(diagram(), "Net_x"), std::nullopt);
    EXPECT_EQ(find_net_index(diagram(), "Net_"), std::nullopt);
    EXPECT_EQ(find_net_index(diagram(), "Net_-1"), std::nullopt);
    EXPECT_EQ(find_net_index(diagram(), "Net_99999999999999999999"), std::nullopt);
    diagram().nets[2]->name.clear();
    EXPECT_EQ(find_net_index(diagram(), "Net_7"), 7u);
}

TEST_F(NetLookup, FindNetHighlightsAndCentresOrSaysNothingFound) {
    add_net({{{0, 0}, {100, 0}}, {{100, 0}, {100, 51}}}, "a");
    add_net({{{0, 512}, {64, 512}}}, "b");
    diagram().nets[1]->status |= kNetPicked;
    std::optional<FoundNet> found = find_net(platform, kLanguageVhdl, diagram(), "a");
    ASSERT_TRUE(found);
    // Ends: (0,0) (100,0) (100,0) (100,51): sums 300 and 51 over 4 points.
    EXPECT_EQ(found->centre, (Point{75, 12}));
    EXPECT_NE(diagram().nets[0]->status & kNetPicked, 0u);
    EXPECT_EQ(diagram().nets[1]->status & kNetPicked, 0u);

    EXPECT_FALSE(find_net(platform, kLanguageVhdl, diagram(), "zz"));
    EXPECT_EQ(platform.last_status(), "No net found.");
}

TEST_F(NetLookup, LabelTextsFollowTheOptionBits) {
    Net& bus = add_bus({{{0, 0}, {64, 0}}}, "d", "7", "0");
    bus.label.options = kNetShowName | kNetShowRange;
    EXPECT_EQ(net_label_text(bus), "d(7:0)");
    bus.label.options = kNetShowName;
    EXPECT_EQ(net_label_text(bus), "d");
    bus.label.options = kNetShowRange;
    EXPECT_EQ(net_label_text(bus), "(7:0)");
    bus.label.options = kLabelHidden;
    EXPECT_EQ(net_label_text(bus), "");
    bus.label.options = kNetShowName | kNetShowRange;
    bus.name.clear();
    bus.bus = false;
    EXPECT_EQ(net_label_text(bus), "") << "unnamed ordinary net";

    BusEntry entry;
    entry.index = "3";
    EXPECT_EQ(bus_entry_label_text(entry), "(3)");
    entry.slice = true;
    entry.right = "0";
    EXPECT_EQ(bus_entry_label_text(entry), "(3:0)");
    EXPECT_EQ(ratsnest_description(kLanguageVhdl, bus), "Ratsnest of net 'Net_0'");
}

} // namespace
} // namespace zeph::net_testing
