// Insertion, removal, junction points, deletion with splitting and merging of nets.
#include "net_test_support.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_geometry.h"

namespace zeph::net_testing {
namespace {

using H = std::vector<Seg>;

TEST(NetInsertion, CollinearStretchesExtendJoinOrAddNothing) {
    auto net = drawn_net({{{0, 0}, {256, 0}}});
    insert_horizontal(*net, {64, 0}, {192, 0});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 256, 0)})) << "covered stretch adds nothing";

    insert_horizontal(*net, {384, 0}, {256, 0});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 384, 0)})) << "extension lengthens";

    insert_horizontal(*net, {512, 0}, {640, 0});
    insert_horizontal(*net, {320, 0}, {576, 0});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 640, 0)})) << "a bridge joins both sides";
    EXPECT_TRUE(net->junctions.empty());

    insert_horizontal(*net, {10, 5}, {10, 5});
    insert_vertical(*net, {10, 5}, {10, 5});
    EXPECT_EQ(net->horizontal.size(), 1u) << "zero-length stretches are ignored";
    EXPECT_TRUE(net->vertical.empty());
}

TEST(NetInsertion, TContactCutsTheSegmentAndAddsOneJunction) {
    auto net = drawn_net({{{0, 0}, {256, 0}}, {{128, 0}, {128, 192}}});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 128, 0), seg(128, 0, 256, 0)}));
    EXPECT_EQ(plain(net->vertical), H({seg(128, 0, 128, 192)}));
    ASSERT_EQ(net->junctions.size(), 1u);
    EXPECT_EQ(net->junctions[0], (JunctionPoint{128, 0}));

    // The same T drawn the other way round: the new horizontal piece is cut by the end of
    // the vertical one lying in its interior.
    auto other = drawn_net({{{128, 0}, {128, 192}}, {{0, 0}, {256, 0}}});
    EXPECT_EQ(plain(other->horizontal), plain(net->horizontal));
    EXPECT_EQ(other->junctions, net->junctions);
}

TEST(NetInsertion, PlusCrossingGivesOneJunctionWithFourEnds) {
    auto net = drawn_net({{{0, 64}, {128, 64}}, {{64, 0}, {64, 128}}});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 64, 64, 64), seg(64, 64, 128, 64)}));
    EXPECT_EQ(plain(net->vertical), H({seg(64, 0, 64, 64), seg(64, 64, 64, 128)}));
    EXPECT_EQ(ends_at(*net, {64, 64}), 4);
    EXPECT_EQ(net->junctions, (std::vector<JunctionPoint>{{64, 64}}));
}

TEST(NetInsertion, NoJoinAcrossACornerAndOneLongStretchCutsAtEveryContact) {
    // An L corner at (128, 0): extending the horizontal through the corner must not swallow
    // the vertical's end into a segment interior.
    auto net = drawn_net({{{0, 0}, {128, 0}}, {{128, 0}, {128, 128}}});
    insert_horizontal(*net, {128, 0}, {256, 0});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 128, 0), seg(128, 0, 256, 0)}));
    EXPECT_EQ(net->junctions, (std::vector<JunctionPoint>{{128, 0}}));

    auto comb = drawn_net({{{0, 0}, {0, 64}}, {{64, 0}, {64, 64}}, {{128, -64}, {128, 64}}});
    insert_horizontal(*comb, {-64, 32}, {192, 32});
    EXPECT_EQ(plain(comb->horizontal), H({seg(-64, 32, 0, 32), seg(0, 32, 64, 32),
                                          seg(64, 32, 128, 32), seg(128, 32, 192, 32)}));
    EXPECT_EQ(comb->vertical.size(), 6u);
    EXPECT_EQ(comb->junctions.size(), 3u);
}

TEST(NetRemoval, RemovingTheStemOfATJoinsTheBarAndDropsTheJunction) {
    auto net = drawn_net({{{0, 0}, {256, 0}}, {{128, 0}, {128, 192}}});
    remove_segment(*net, {Orientation::Vertical, 0});
    EXPECT_EQ(plain(net->horizontal), H({seg(0, 0, 256, 0)}));
    EXPECT_TRUE(net->junctions.empty());

    auto plus = drawn_net({{{0, 64}, {128, 64}}, {{64, 0}, {64, 128}}});
    remove_segment(*plus, {Orientation::Vertical, 1});
    EXPECT_EQ(plus->vertical.size(), 1u) << "a vertical end remains, so no join";
    EXPECT_EQ(plus->horizontal.size(), 2u);
    EXPECT_EQ(plus->junctions.size(), 1u) << "three ends still meet";
    remove_segment(*plus, {Orientation::Vertical, 0});
    EXPECT_EQ(plain(plus->horizontal), H({seg(0, 64, 128, 64)}));
    EXPECT_TRUE(plus->junctions.empty());
}

TEST(NetRemoval, RebuildRestoresInvariantsAfterOutsideChanges) {
    Net net;
    net.horizontal = {{0, 0, 128, 0, 0}, {64, 0, 256, 0, 0}, {0, 64, 64, 64, 0}};
    net.vertical = {{64, -64, 64, 64, 0}};
    rebuild_net_geometry(net);
    EXPECT_EQ(plain(net.horizontal), H({seg(0, 0, 64, 0), seg(64, 0, 256, 0), seg(0, 64, 64, 64)}));
    EXPECT_EQ(plain(net.vertical), H({seg(64, -64, 64, 0), seg(64, 0, 64, 64)}));
    EXPECT_EQ(net.junctions, (std::vector<JunctionPoint>{{64, 0}}));
}

TEST(NetRemoval, OldStyleDiagonalSegmentsBecomeAnL) {
    Net net;
    insert_segment(net, {0, 0}, {128, 64});
    insert_segment(net, {128, 64}, {128, 256});
    EXPECT_EQ(plain(net.horizontal), H({seg(0, 0, 128, 0)}));
    EXPECT_EQ(plain(net.vertical), H({seg(128, 0, 128, 256)})) << "joined through the corner";
}

class NetDeletion : public NetDiagramTest {};

TEST_F(NetDeletion, DeletingTheMiddleOfAChainSplitsTheNet) {
    Net& chain =
        add_net({{{0, 0}, {128, 0}}, {{128, 0}, {128, 128}}, {{128, 128}, {256, 128}}}, "data");
    chain.label.options = 3;
    chain.type_name = "std_logic";
    chain.default_value = "'0'";
    add_net({{{0, 512}, {64, 512}}}, "other");
    // Net 0 is the chain; its only vertical segment is the middle one.
    EXPECT_EQ(
        delete_segment_and_split(platform, kLanguageVhdl, diagram(), 0, {Orientation::Vertical, 0}),
        SegmentDeletion::NetSplit);
    ASSERT_EQ(diagram().nets.size(), 3u);
    const Net& old = *diagram().nets[0];
    const Net& piece = *diagram().nets[2];
    EXPECT_EQ(old.name, "") << "the old net loses its proper name";
    EXPECT_EQ(old.label.options, kLabelHidden);
    EXPECT_EQ(piece.number, 2) << "the new net has the next number";
    EXPECT_EQ(piece.name, "");
    EXPECT_EQ(piece.type_name, "std_logic");
    EXPECT_EQ(piece.default_value, "'0'");
    EXPECT_EQ(piece.label.options, 3u);
    EXPECT_EQ(old.horizontal.size() + piece.horizontal.size(), 2u);
    EXPECT_EQ(old.horizontal.size(), 1u);
    EXPECT_EQ(statuses(), (std::vector<std::string>{"Net split."}));
}

TEST_F(NetDeletion, SplitMovesTheBusEntriesOfTheNewPieceAndKeepsWholeNets) {
    Net& bus = add_bus({{{0, 0}, {512, 0}}, {{512, 0}, {512, 512}}, {{512, 512}, {1024, 512}}}, "d",
                       "7", "0");
    bus.bus_entries.push_back(std::make_unique<BusEntry>());
    bus.bus_entries.back()->bus_point = {64, 0};
    bus.bus_entries.push_back(std::make_unique<BusEntry>());
    bus.bus_entries.back()->bus_point = {768, 512};
    ASSERT_EQ(
        delete_segment_and_split(platform, kLanguageVhdl, diagram(), 0, {Orientation::Vertical, 0}),
        SegmentDeletion::NetSplit);
    ASSERT_EQ(diagram().nets.size(), 2u);
    ASSERT_EQ(diagram().nets[0]->bus_entries.size(), 1u);
    ASSERT_EQ(diagram().nets[1]->bus_entries.size(), 1u);
    EXPECT_TRUE(diagram().nets[1]->bus);
    EXPECT_EQ(diagram().nets[1]->range.left, "7");
    int on_old = segments_through(*diagram().nets[0], diagram().nets[0]->bus_entries[0]->bus_point);
    int on_new = segments_through(*diagram().nets[1], diagram().nets[1]->bus_entries[0]->bus_point);
    EXPECT_EQ(on_old, 1);
    EXPECT_EQ(on_new, 1);

    // Cutting off a dead end of a T keeps the net whole and named.
    Net& tee = add_net({{{0, 1024}, {256, 1024}}, {{128, 1024}, {128, 1280}}}, "t");
    EXPECT_EQ(
        delete_segment_and_split(platform, kLanguageVhdl, diagram(), 2, {Orientation::Vertical, 0}),
        SegmentDeletion::NetKept);
    EXPECT_EQ(tee.name, "t");
    EXPECT_EQ(plain(tee.horizontal), H({seg(0, 1024, 256, 1024)}));
}

TEST_F(NetDeletion, DeletingTheLastSegmentDeletesTheNetAndRenumbers) {
    add_net({{{0, 0}, {64, 0}}});
    add_net({{{0, 128}, {64, 128}}});
    EXPECT_EQ(delete_segment_and_split(platform, kLanguageVhdl, diagram(), 0,
                                       {Orientation::Horizontal, 0}),
              SegmentDeletion::NetDeleted);
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(diagram().nets[0]->number, 0);
    EXPECT_TRUE(statuses().empty());
}

class NetMerge : public NetDiagramTest {};

TEST_F(NetMerge, TouchingAtOnePointNeverAsks) {
    add_net({{{0, 0}, {256, 0}}}, "a");
    add_net({{{128, 0}, {128, 256}}}, "b");
    Net* merged = merge_nets(platform, diagram(), 0, 1);
    ASSERT_NE(merged, nullptr);
    EXPECT_TRUE(questions().empty());
    ASSERT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(merged->name, "a");
    EXPECT_EQ(merged->junctions.size(), 1u);
    EXPECT_EQ(contact_count(*drawn_net({{{0, 0}, {64, 0}}}), *drawn_net({{{64, 0}, {128, 0}}})), 1);
}

TEST_F(NetMerge, TouchingAtTwoPlacesAsksAboutTheShortCircuit) {
    add_net({{{0, 0}, {512, 0}}}, "a");
    add_net({{{128, 0}, {128, 256}}, {{128, 256}, {384, 256}}, {{384, 256}, {384, 0}}}, "b");
    platform.queue(ui::Answer::No);
    EXPECT_EQ(merge_nets(platform, diagram(), 0, 1), nullptr);
    EXPECT_EQ(questions(), (std::vector<std::string>{
                               "Introducing short circuit while merging nets.\nContinue?"}));
    ASSERT_EQ(diagram().nets.size(), 2u) << "refused: nothing changes";
    EXPECT_EQ(diagram().nets[0]->horizontal.size(), 1u);

    platform.queue(ui::Answer::Yes);
    Net* merged = merge_nets(platform, diagram(), 1, 0);
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(merged->name, "b");
    EXPECT_EQ(merged->junctions.size(), 2u);
    EXPECT_EQ(diagram().nets.size(), 1u);
    EXPECT_EQ(merged->number, 0);
}

TEST_F(NetMerge, TwoEndToEndTouchesAskAndAnOverlapCountsOnce) {
    // Two L-shaped wires closing a loop at two corners create no junction point, yet they
    // still short their two meeting places.
    Net& a = add_net({{{0, 0}, {256, 0}}, {{256, 0}, {256, 256}}});
    Net& b = add_net({{{0, 0}, {0, 256}}, {{0, 256}, {256, 256}}});
    EXPECT_EQ(contact_count(a, b), 2);
    platform.queue(ui::Answer::No);
    EXPECT_EQ(merge_nets(platform, diagram(), 0, 1), nullptr);

    EXPECT_EQ(contact_count(*drawn_net({{{0, 0}, {256, 0}}}), *drawn_net({{{128, 0}, {512, 0}}})),
              1);
}

TEST_F(NetMerge, BusEntriesFollowTheMergedNet) {
    Net& a = add_bus({{{0, 0}, {256, 0}}}, "a", "3", "0");
    a.range.direction = kDirectionTo;
    Net& b = add_bus({{{256, 0}, {512, 0}}}, "b", "3", "0");
    b.bus_entries.push_back(std::make_unique<BusEntry>());
    Net* merged = merge_nets(platform, diagram(), 0, 1);
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(plain(merged->horizontal), H({seg(0, 0, 512, 0)}));
    ASSERT_EQ(merged->bus_entries.size(), 1u);
    EXPECT_EQ(merged->bus_entries[0]->direction, kDirectionTo);
}

} // namespace
} // namespace zeph::net_testing
