// Undo of diagram edits: every kind of editing operation, undone, gives back the design file
// text byte for byte; the history's depth, its texts, its scope per diagram and its end at a
// save; refused and cancelled operations leave no step.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/free_texts.h"
#include "blockdiagram/label_options.h"
#include "blockdiagram/port_dialog.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/process_dialog.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/sheet_defaults.h"
#include "blockdiagram/stretch.h"

#include <algorithm>
#include <functional>

namespace zeph::diagram_testing {
namespace {

using Type = DiagramObjectType;

// A diagram with something of every kind: two components of new entities wired together, a
// process with a port, a diagram port wired to a component, a tagged diagram port, a bus with
// a bus entry, a generic and a free text.
class UndoTest : public DiagramTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram,
                                              "u0", std::string("alu")),
                  Outcome::Done);
        ASSERT_EQ(add_component_of_new_entity(editor, {2560, 1024}, NewEntityKind::HdlFile, "u1",
                                              std::string("regs")),
                  Outcome::Done);
        ASSERT_EQ(add_port(editor, {1024, 1100}, kModeIn, "a"), Outcome::Done);
        ASSERT_EQ(add_port(editor, {1536, 1100}, kModeOut, "y"), Outcome::Done);
        ASSERT_EQ(add_port(editor, {2560, 1100}, kModeIn, "d"), Outcome::Done);
        ASSERT_EQ(add_wire(editor, {{1600, 1100}, {2496, 1100}}), Outcome::Done);
        ASSERT_EQ(add_process(editor, {1024, 2560}, kProcessHdlFile, "pr0"), Outcome::Done);
        ASSERT_EQ(add_port(editor, {1536, 2700}, kModeOut), Outcome::Done);
        ASSERT_EQ(add_port(editor, {256, 1100}, kModeIn, "clk"), Outcome::Done);
        ASSERT_EQ(add_wire(editor, {{320, 1100}, {960, 1100}}), Outcome::Done);
        ASSERT_EQ(add_port(editor, {5800, 2000}, kModeOut, "q"), Outcome::Done);
        ASSERT_EQ(place_tag(editor, {5736, 2000}), Outcome::Done);
        ASSERT_EQ(add_wire(editor, {{1200, 3500}, {4000, 3500}}), Outcome::Done);
        NetFields bus = net_fields(*diagram().nets[2]);
        bus.name = "data";
        bus.left = "7";
        bus.right = "0";
        ASSERT_EQ(edit_net(editor, 2, bus).outcome, Outcome::Done);
        ASSERT_EQ(add_bus_entry(editor, {1400, 3500}), Outcome::Done);
        ASSERT_EQ(add_generic(editor, {4500, 300}, std::string("width")), Outcome::Done);
        ASSERT_EQ(add_free_text(editor, {4500, 600}, std::string("counter stage")), Outcome::Done);
        editor.selection().clear();
    }

    // The operation changes the design file, and one undo gives back the text it had.
    void expect_undone(const std::function<Outcome()>& operation) {
        std::string before = design_text();
        std::size_t depth = editor.undo_depth();
        ASSERT_EQ(operation(), Outcome::Done);
        EXPECT_NE(design_text(), before) << "the operation changed nothing in the file";
        EXPECT_EQ(editor.undo_depth(), depth + 1);
        ASSERT_EQ(editor.undo(), Outcome::Done);
        EXPECT_EQ(design_text(), before);
        EXPECT_EQ(editor.undo_depth(), depth);
    }

    void select_at(Point p) {
        std::optional<DiagramObject> object = object_at(*architecture, p);
        ASSERT_TRUE(object.has_value()) << p.x << " " << p.y;
        editor.selection() = {*object};
    }
    DiagramObject object(Point p) {
        std::optional<DiagramObject> o = object_at(*architecture, p);
        EXPECT_TRUE(o.has_value()) << p.x << " " << p.y;
        return o.value_or(DiagramObject{});
    }
    Process& process() { return *diagram().processes.at(0); }
};

TEST_F(UndoTest, AddingObjectsOfEveryKind) {
    expect_undone([&] {
        return add_component_of_new_entity(editor, {3500, 1024}, NewEntityKind::BlockDiagram, "u5");
    });
    expect_undone([&] {
        return add_component_of_new_entity(editor, {3500, 1024}, NewEntityKind::StateDiagram, "u5");
    });
    expect_undone([&] {
        return add_component_of_new_entity(editor, {3500, 1024}, NewEntityKind::External, "u5");
    });
    expect_undone([&] { return add_process(editor, {3500, 2560}, kProcessHdlFile); });
    expect_undone([&] { return add_process(editor, {3500, 2560}, kProcessStateDiagram); });
    expect_undone([&] { return add_generic(editor, {4500, 400}, std::string("depth")); });
    for (int mode : {kModeIn, kModeOut, kModeInout, kModeBuffer})
        expect_undone([&] { return add_port(editor, {256, 1800}, mode, std::string("n")); });
    expect_undone([&] { return add_port(editor, {1024, 1700}, kModeIn, std::string("b")); });
    expect_undone([&] { return add_port(editor, {1024, 2900}, kModeIn); });
    expect_undone([&] { return add_free_text(editor, {4500, 900}, std::string("note")); });
}

TEST_F(UndoTest, WiresBusEntriesAndTheNetDialogs) {
    // A new net, an extension of a net, and a wire that merges two nets.
    expect_undone([&] { return add_wire(editor, {{4200, 300}, {4200, 900}}); });
    expect_undone([&] { return add_wire(editor, {{4000, 3500}, {4400, 3500}}); });
    expect_undone([&] {
        return add_wire(editor, {{2000, 1100}, {2000, 1600}, {600, 1600}, {600, 1100}});
    });
    expect_undone([&] { return add_bus_entry(editor, {2000, 3500}); });
}

TEST_F(UndoTest, NetAndEntryDialogsAndTags) {
    NetFields net = net_fields(*diagram().nets[0]);
    net.name = "carry";
    expect_undone([&] { return edit_net(editor, 0, net).outcome; });
    NetFields narrower = net_fields(*diagram().nets[2]);
    narrower.left = "3";
    expect_undone([&] { return edit_net(editor, 2, narrower).outcome; });
    EntryFields entry = entry_fields(*diagram().nets[2]->bus_entries[0]);
    entry.index = "5";
    expect_undone([&] { return edit_bus_entry(editor, {2, 0}, entry).outcome; });
    expect_undone([&] { return place_tag(editor, {320, 1100}); });
    expect_undone([&] { return edit_tag(editor, {5736, 2000}, "result"); });
    expect_undone([&] { return copy_tag(editor, {5736, 2000}, {320, 1100}); });
    expect_undone([&] { return remove_tag(editor, {5736, 2000}); });
}

TEST_F(UndoTest, DeletingEachKindOfObject) {
    for (Point p : {Point{2800, 1500}, Point{256, 1100}, Point{1024, 1100}, Point{2000, 1100},
                    Point{1432, 3532}, Point{1200, 2800}, Point{1536, 2700}, Point{4500, 600},
                    Point{4500, 300}}) {
        SCOPED_TRACE(testing::Message() << p.x << " " << p.y);
        select_at(p);
        platform.answer_yes();
        expect_undone([&] { return delete_selection(editor); });
    }
    // A segment in the middle of a chain splits its net; undo joins it again.
    ASSERT_EQ(add_wire(editor, {{4200, 1200}, {4800, 1200}, {4800, 1600}, {5200, 1600}}),
              Outcome::Done);
    select_at({4800, 1400});
    platform.answer_yes();
    expect_undone([&] { return delete_selection(editor); });
    // Everything at once.
    editor.selection() = objects_in(*architecture, {0, 0, 6400, 4266});
    platform.answer_yes();
    expect_undone([&] { return delete_selection(editor); });
}

TEST_F(UndoTest, CopyMoveResizeRotateAndClear) {
    select_at({1200, 1500});
    platform.queue_text("u7");
    expect_undone([&] { return copy_selection(editor, {3600, 1024}); });
    // Each object and how far its copy goes: a process port slides along its box, a bus
    // entry along its bus.
    const std::pair<Point, Point> moves[] = {{{1200, 2800}, {2048, 128}},
                                             {{256, 1100}, {0, 256}},
                                             {{1536, 2700}, {0, 128}},
                                             {{4500, 600}, {256, 128}},
                                             {{1432, 3532}, {512, 0}}};
    for (auto [p, by] : moves) {
        SCOPED_TRACE(testing::Message() << p.x << " " << p.y);
        select_at(p);
        Point to = reference_point(editor, editor.selection().front());
        to = {to.x + by.x, to.y + by.y};
        expect_undone([&] { return copy_selection(editor, to); });
        select_at(p);
        expect_undone([&] { return move_selection(editor, to); });
    }
    select_at({1200, 1500});
    expect_undone([&] { return move_selection(editor, {3600, 2300}); });
    select_at({1024, 1100});
    expect_undone([&] { return move_selection(editor, {1024, 1400}); });
    select_at({1200, 1500});
    expect_undone([&] { return resize_selection(editor, {1792, 2176}); });
    select_at({1200, 2800});
    expect_undone([&] { return resize_selection(editor, {1792, 3200}); });
    select_at({1200, 1500});
    expect_undone([&] { return rotate_selection(editor); });
    platform.answer_yes();
    expect_undone([&] { return clear_diagram(editor); });
}

// A tag on a component port is the port instance's: the design file holds it, and copying,
// rotating, deleting and undoing the component take it along.
TEST_F(UndoTest, TagsOnComponentPortsGoWithTheirComponent) {
    Component& u0 = *diagram().components.at(0);
    ASSERT_EQ(place_tag(editor, {960, 1100}), Outcome::Done);
    ASSERT_EQ(edit_tag(editor, {960, 1100}, "link"), Outcome::Done);
    const ConnectByName& tag = u0.port_instances.at(0).connect_by_name;
    EXPECT_EQ(tag.mode, kConnectExplicit);
    EXPECT_EQ(tag.label.text, "link");
    Point anchor = tag.label.anchor;

    Design reread;
    ASSERT_EQ(read_design_text(design_text(), reread), 0);
    const Architecture& top = *find_entity(reread, "Toplevel")->architectures.front();
    EXPECT_EQ(top.block_diagram->components.at(0)->port_instances.at(0).connect_by_name.label.text,
              "link");

    select_at({1200, 1500});
    expect_undone([&] { return rotate_selection(editor); });
    select_at({1200, 1500});
    ASSERT_EQ(rotate_selection(editor), Outcome::Done);
    EXPECT_EQ(u0.port_instances.at(0).connect_by_name.mode, kConnectExplicit);
    EXPECT_NE(u0.port_instances.at(0).connect_by_name.label.anchor, anchor) << "turned";
    ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(u0.port_instances.at(0).connect_by_name.label.anchor, anchor);

    select_at({1200, 1500});
    platform.queue_text("u9");
    ASSERT_EQ(copy_selection(editor, {3600, 2048}), Outcome::Done);
    Component& copy = *diagram().components.back();
    ASSERT_EQ(copy.name, "u9");
    EXPECT_EQ(copy.port_instances.at(0).connect_by_name.label.text, "link");
    EXPECT_EQ(copy.port_instances.at(0).connect_by_name.label.anchor,
              (Point{anchor.x + 3600 - 1024, anchor.y + 2048 - 1024}));

    DiagramObject copied;
    copied.type = Type::Component;
    copied.component = &copy;
    editor.selection() = {copied};
    platform.answer_yes();
    expect_undone([&] { return delete_selection(editor); });
    EXPECT_EQ(diagram().components.back()->port_instances.at(0).connect_by_name.label.text, "link");
}

TEST_F(UndoTest, StretchContractSheetAndLabels) {
    expect_undone([&] { return stretch(editor, Axis::Horizontal, 2200, 2360); });
    expect_undone([&] { return stretch(editor, Axis::Vertical, 2300, 2140); });
    expect_undone([&] { return contract(editor, Axis::Horizontal, 2200, 2264); });
    expect_undone([&] { return contract(editor, Axis::Vertical, 2300, 2364); });
    SheetDefaults sheet = sheet_defaults(editor);
    sheet.size = 3;
    sheet.display_grid = false;
    expect_undone([&] { return set_sheet_defaults(editor, sheet); });
    LabelOptions options = default_label_options(editor, LabelKind::Component);
    options.size = 20;
    options.format = 1;
    options.apply_to_diagram = true;
    expect_undone([&] { return set_label_options(editor, options); });
    LabelOptions one = default_label_options(editor, LabelKind::Port);
    one.size = 30;
    expect_undone([&] { return set_object_label_options(editor, object({256, 1100}), one); });
}

TEST_F(UndoTest, PortProcessAndTextDialogs) {
    PortFields port = port_fields(*top().ports[0]);
    port.name = "clock";
    port.special_function = kFunctionClock;
    port.left = "3";
    port.right = "0";
    expect_undone([&] { return edit_port(editor, object({256, 1100}), port).outcome; });
    PortFields mode = port_fields(*top().ports[0]);
    mode.mode = kModeInout;
    expect_undone([&] { return edit_port(editor, object({256, 1100}), mode).outcome; });
    DiagramObject a = object({1024, 1100});
    PortFields component_port = port_fields(*a.component->entity->ports[a.index]);
    component_port.comment = "operand";
    expect_undone([&] { return edit_port(editor, a, component_port).outcome; });
    ProcessPortFields process_port = process_port_fields(*process().ports[0]);
    process_port.mode = kModeBuffer;
    expect_undone([&] { return edit_process_port(editor, process(), 0, process_port).outcome; });
    ProcessFields renamed = process_fields(process());
    renamed.name = "control";
    expect_undone([&] { return edit_process(editor, process(), renamed).outcome; });
    ProcessFields contents = process_fields(process());
    contents.kind = kProcessStateDiagram;
    expect_undone([&] { return edit_process(editor, process(), contents).outcome; });
    TextFields text = text_fields(architecture->sheet.texts[0]);
    text.text = "adder stage";
    text.scale = 30;
    expect_undone([&] { return edit_free_text(editor, 0, text); });
}

TEST_F(UndoTest, HistoryDepthTextsAndScope) {
    EXPECT_EQ(editor.undo_text(), "Undo (Ctrl-Z)");
    settings.max_undos = 3;
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(add_free_text(editor, {300, 300 + 100 * i}, std::string("t")), Outcome::Done);
    EXPECT_EQ(editor.undo_depth(), 3u);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(architecture->sheet.texts.size(), 3u); // the first two stay
    EXPECT_EQ(editor.undo_text(), "No undo");
    platform.clear_transcript();
    EXPECT_EQ(editor.undo(), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "No undo");

    // Refused and cancelled operations leave no step.
    ASSERT_EQ(add_free_text(editor, {300, 900}, std::string("t")), Outcome::Done);
    std::size_t depth = editor.undo_depth();
    EXPECT_EQ(add_port(editor, {256, 1100}, kModeIn), Outcome::Refused);
    select_at({2800, 1500});
    platform.answer_no();
    EXPECT_EQ(delete_selection(editor), Outcome::Cancelled);
    EXPECT_EQ(editor.undo_depth(), depth);

    // Each diagram has its own history; a save empties them all.
    Architecture& inside = *entity_named("alu").architectures[0];
    ASSERT_TRUE(editor.open(design, inside));
    EXPECT_EQ(editor.undo_text(), "No undo");
    ASSERT_EQ(add_free_text(editor, {300, 300}, std::string("inside")), Outcome::Done);
    ASSERT_TRUE(editor.open(design, *architecture));
    EXPECT_EQ(editor.undo_depth(), depth);
    editor.design_saved();
    EXPECT_EQ(editor.undo_text(), "No undo");
    ASSERT_TRUE(editor.open(design, inside));
    EXPECT_EQ(editor.undo_depth(), 0u);
}

TEST_F(UndoTest, AChangeOfAnEntityInterfaceEndsOtherHistoriesThatCouldNoLongerBeRestored) {
    Architecture& inside = *entity_named("alu").architectures[0];
    ASSERT_TRUE(editor.open(design, inside));
    ASSERT_EQ(add_free_text(editor, {300, 300}, std::string("inside")), Outcome::Done);
    ASSERT_TRUE(editor.open(design, *architecture));
    // A new port of alu, added on its component here, changes alu's own diagram.
    ASSERT_EQ(add_port(editor, {1024, 1800}, kModeIn, std::string("e")), Outcome::Done);
    ASSERT_TRUE(editor.open(design, inside));
    EXPECT_EQ(editor.undo_text(), "No undo");
    // The history of the diagram that changed the interface still undoes it, byte for byte.
    ASSERT_TRUE(editor.open(design, *architecture));
    std::string with_port = design_text();
    ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(entity_named("alu").ports.size(), 2u);
    EXPECT_NE(design_text(), with_port);
}

TEST_F(UndoTest, UndoneRecordsCanBeEditedAgain) {
    // Undo hands back the very records, so later edits and undos work on them safely.
    select_at({1200, 1500});
    platform.answer_yes();
    ASSERT_EQ(delete_selection(editor), Outcome::Done);
    ASSERT_EQ(editor.undo(), Outcome::Done);
    std::string before = design_text();
    select_at({1200, 1500});
    expect_undone([&] { return move_selection(editor, {3600, 2300}); });
    select_at({1024, 1100});
    platform.answer_yes();
    expect_undone([&] { return delete_selection(editor); });
    EXPECT_EQ(design_text(), before);
}

// A new entity takes its place in name order at once, as loading leaves the list, so that
// verification and generation meet entities in the same order before and after a save; undo
// takes it out again wherever it stands.
TEST_F(UndoTest, NewEntitiesKeepTheListInNameOrder) {
    auto names = [&] {
        std::vector<std::string> list;
        for (const auto& entity : editor.design().entities)
            list.push_back(entity->name);
        return list;
    };
    ASSERT_EQ(add_component_of_new_entity(editor, {3500, 1024}, NewEntityKind::BlockDiagram, "u7",
                                          std::string("mux")),
              Outcome::Done);
    ASSERT_EQ(add_component_of_new_entity(editor, {3500, 2048}, NewEntityKind::HdlFile, "u8",
                                          std::string("adder")),
              Outcome::Done);
    std::vector<std::string> sorted = names();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(names(), sorted);
    ASSERT_EQ(editor.undo(), Outcome::Done);
    std::vector<std::string> after = names();
    EXPECT_EQ(std::count(after.begin(), after.end(), "adder"), 0);
    EXPECT_TRUE(std::is_sorted(after.begin(), after.end()));
}

} // namespace
} // namespace zeph::diagram_testing
