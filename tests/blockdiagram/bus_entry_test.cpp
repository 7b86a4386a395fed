// Adding, copying and moving bus entries, and the "Edit Entry" dialog.
#include "net_test_support.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_dialogs.h"

namespace zeph::net_testing {
namespace {

class BusEntryEditing : public NetDiagramTest {
  protected:
    BusEntryEditing() {
        add_bus({{{0, 0}, {1024, 0}}}, "a", "7", "0");
        add_net({{{0, 512}, {1024, 512}}}, "plain");
        Net& b = add_bus({{{0, 1024}, {1024, 1024}}}, "b", "0", "15");
        b.range.direction = kDirectionTo;
    }
};

TEST_F(BusEntryEditing, AddSnapsOntoTheBusAndLaysOutStubAndLabel) {
    std::optional<BusEntryRef> ref =
        add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 40}, 64);
    ASSERT_TRUE(ref);
    EXPECT_EQ(*ref, (BusEntryRef{0, 0}));
    const BusEntry& entry = entry_at(diagram(), *ref);
    EXPECT_EQ(entry.bus_point, (Point{200, 0}));
    EXPECT_EQ(entry.stub_end, (Point{264, 64}));
    EXPECT_EQ(entry.index, "?");
    EXPECT_FALSE(entry.slice);
    EXPECT_EQ(entry.label.anchor, (Point{264, 32}));
    EXPECT_EQ(entry.label.text, "(?)");

    // Half a grid step rounds towards zero.
    ref = add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {300, 1000}, 25);
    ASSERT_TRUE(ref);
    EXPECT_EQ(entry_at(diagram(), *ref).label.anchor, (Point{325, 1036}));
    EXPECT_EQ(entry_at(diagram(), *ref).direction, kDirectionTo);
}

TEST_F(BusEntryEditing, AddIsRefusedOffABusOrOffAnyNet) {
    EXPECT_FALSE(
        add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 500}, 64));
    EXPECT_EQ(platform.last_status(), "Net is not a bus.");
    EXPECT_FALSE(
        add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 300}, 64));
    EXPECT_EQ(platform.last_status(), "No net found.");
    EXPECT_TRUE(diagram().nets[1]->bus_entries.empty());
}

TEST_F(BusEntryEditing, CopyKeepsOffsetSliceRangeAndLabelStyle) {
    BusEntryRef ref =
        *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 0}, 64);
    BusEntry& original = entry_at(diagram(), ref);
    original.slice = true;
    original.index = "3";
    original.right = "0";
    original.stub_end = {200, -128};
    original.label.size = 20;
    std::optional<BusEntryRef> copy =
        copy_bus_entry(platform, kLanguageVhdl, diagram(), original, {500, 1010});
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->net_index, 2u);
    const BusEntry& c = entry_at(diagram(), *copy);
    EXPECT_EQ(c.bus_point, (Point{500, 1024}));
    EXPECT_EQ(c.stub_end, (Point{500, 896}));
    EXPECT_TRUE(c.slice);
    EXPECT_EQ(c.label.text, "(3:0)");
    EXPECT_EQ(c.label.size, 20);
    EXPECT_EQ(c.label.anchor, (Point{564, 1056}));
    EXPECT_EQ(c.direction, kDirectionTo);

    EXPECT_FALSE(copy_bus_entry(platform, kLanguageVhdl, diagram(), original, {500, 512}));
    EXPECT_EQ(platform.last_status(), "Net is not a bus.");
}

TEST_F(BusEntryEditing, MoveChangesOwnerOrStaysWhereItWas) {
    BusEntryRef ref =
        *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 0}, 64);
    std::optional<BusEntryRef> moved =
        move_bus_entry(platform, kLanguageVhdl, diagram(), ref, {400, 10});
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, ref) << "moved along its own bus";
    EXPECT_EQ(entry_at(diagram(), ref).stub_end, (Point{464, 64}));

    EXPECT_FALSE(move_bus_entry(platform, kLanguageVhdl, diagram(), ref, {400, 500}));
    EXPECT_EQ(platform.last_status(), "Net is not a bus.");
    EXPECT_FALSE(move_bus_entry(platform, kLanguageVhdl, diagram(), ref, {400, 300}));
    EXPECT_EQ(platform.last_status(), "No net found.");
    EXPECT_EQ(entry_at(diagram(), ref).bus_point, (Point{400, 0})) << "stays where it was";
    EXPECT_TRUE(diagram().nets[1]->bus_entries.empty());

    moved = move_bus_entry(platform, kLanguageVhdl, diagram(), ref, {100, 1024});
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, (BusEntryRef{2, 0}));
    EXPECT_TRUE(diagram().nets[0]->bus_entries.empty());
    const BusEntry& entry = entry_at(diagram(), *moved);
    EXPECT_EQ(entry.bus_point, (Point{100, 1024}));
    EXPECT_EQ(entry.stub_end, (Point{164, 1088}));
    EXPECT_EQ(entry.direction, kDirectionTo);
}

TEST_F(BusEntryEditing, FindByStubOrNearTheStroke) {
    BusEntryRef ref =
        *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{}, diagram(), {200, 0}, 64);
    EXPECT_EQ(find_bus_entry_stub(diagram(), {264, 64}), ref);
    EXPECT_EQ(find_bus_entry_stub(diagram(), {264, 65}), std::nullopt);
    EXPECT_EQ(find_bus_entry(diagram(), {232, 40}, 10), ref);
    EXPECT_EQ(find_bus_entry(diagram(), {400, 40}, 10), std::nullopt);
}

TEST_F(BusEntryEditing, EditEntryChecksMissingAndIllegalValues) {
    BusEntry& entry = entry_at(diagram(), *add_bus_entry(platform, kLanguageVhdl, DesignDefaults{},
                                                         diagram(), {200, 0}, 64));
    auto edit = [&](bool slice, std::string index, std::string left, std::string right) {
        return edit_bus_entry(platform, entry, {slice, index, left, right}, rules);
    };
    EXPECT_EQ(edit(false, "", "", "").field, EntryField::Index);
    EXPECT_EQ(platform.last_status(), "No index specified.");
    EXPECT_EQ(edit(true, "", "", "").outcome, Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "No ranges specified.");
    EXPECT_EQ(edit(true, "", "", "0").field, EntryField::LeftRange);
    EXPECT_EQ(platform.last_status(), "No left range specified.");
    EXPECT_EQ(edit(true, "", "3", "").field, EntryField::RightRange);
    EXPECT_EQ(platform.last_status(), "No right range specified.");
    EXPECT_EQ(edit(false, "1-", "", "").field, EntryField::Index);
    EXPECT_EQ(platform.last_status(), "Error    50: '1-' is not a legal value in this context");
    EXPECT_EQ(entry.index, "?") << "nothing changed by refusals";

    EXPECT_EQ(edit(false, " ( 4 )", "", "").outcome, Outcome::Done);
    EXPECT_EQ(entry.index, "4") << "integers take their decimal form";
    EXPECT_EQ(entry.label.text, "(4)");
    EXPECT_EQ(edit(false, "4", "", "").outcome, Outcome::Unchanged);
    EXPECT_EQ(edit(true, "", "W", "0").outcome, Outcome::Done);
    EXPECT_TRUE(entry.slice);
    EXPECT_EQ(entry.label.text, "(W:0)");
    EntryFields fields = entry_fields(entry);
    EXPECT_EQ(fields.left, "W");
    EXPECT_EQ(fields.index, "");
}

} // namespace
} // namespace zeph::net_testing
