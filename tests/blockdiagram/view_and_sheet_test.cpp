// The visible area (zoom in, out, on a point, area, overview, go to x, y), the sheet table and
// grid rule, the Sheet Defaults dialog, free texts, label options and colours.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_colours.h"
#include "blockdiagram/free_texts.h"
#include "blockdiagram/label_options.h"
#include "blockdiagram/sheet_defaults.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/view_area.h"

namespace zeph::diagram_testing {
namespace {

class ViewTest : public DiagramTest {
  protected:
    Sheet sheet; // size 1: 6400 x 4266
    ViewArea view{{0, 0, 6400, 4266}};
};

TEST_F(ViewTest, ZoomInTakesAnEighthOffEachSideDownTo800) {
    ASSERT_EQ(zoom_in(platform, view), Outcome::Done);
    EXPECT_EQ(view.area, (Box{800, 533, 5600, 3733}));
    view.area = {0, 0, 800, 800}; // exactly 800 is still allowed
    EXPECT_EQ(zoom_in(platform, view), Outcome::Done);
    EXPECT_EQ(view.area, (Box{100, 100, 700, 700}));
    Box narrow = {0, 0, 799, 5000};
    view.area = narrow;
    EXPECT_EQ(zoom_in(platform, view), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Illegal zoom range.");
    EXPECT_EQ(view.area, narrow);
}

TEST_F(ViewTest, ZoomOutGrowsBySixthsAndStopsAtTwiceTheSheet) {
    view.area = {600, 600, 1800, 1800};
    ASSERT_EQ(zoom_out(platform, view, sheet), Outcome::Done);
    EXPECT_EQ(view.area, (Box{400, 400, 2000, 2000})); // (7*600 - 1800) / 6, (7*1800 - 600) / 6
    view = overview(sheet);
    int steps = 0;
    while (zoom_out(platform, view, sheet) == Outcome::Done)
        ASSERT_LT(++steps, 20);
    EXPECT_GT(steps, 0);
    EXPECT_TRUE(view.width() > 2 * 6400 || view.height() > 2 * 4266);
    EXPECT_EQ(platform.last_refusal(), "Illegal zoom range.");
    // The view before the last allowed step was within twice the sheet.
    Box last = view.area;
    EXPECT_EQ(zoom_out(platform, view, sheet), Outcome::Refused);
    EXPECT_EQ(view.area, last);
}

TEST_F(ViewTest, ZoomOnAPointAreaAndOverview) {
    ASSERT_EQ(zoom_on_point(platform, view, sheet, {1000, 1000}, false), Outcome::Done);
    EXPECT_EQ(view.width(), 4800);
    EXPECT_EQ(view.area.x1 + view.width() / 2, 1000);
    EXPECT_EQ(view.area.y1 + view.height() / 2, 1000);
    ASSERT_EQ(zoom_on_point(platform, view, sheet, {3000, 2000}, true), Outcome::Done);
    EXPECT_EQ(view.width(), 6400);
    EXPECT_EQ(view.area.x1 + view.width() / 2, 3000);
    // A refused zoom does not move the view to the point either.
    view.area = {0, 0, 700, 700};
    EXPECT_EQ(zoom_on_point(platform, view, sheet, {3000, 2000}, false), Outcome::Refused);
    EXPECT_EQ(view.area, (Box{0, 0, 700, 700}));

    ASSERT_EQ(zoom_area(platform, view, {2000, 1900}, {1000, 1000}),
              Outcome::Done); // any two corners
    EXPECT_EQ(view.area, (Box{1000, 1000, 2000, 1900}));
    EXPECT_EQ(zoom_area(platform, view, {0, 0}, {5000, 799}), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Illegal zoom range.");
    EXPECT_EQ(view.area, (Box{1000, 1000, 2000, 1900}));
    EXPECT_EQ(overview(sheet).area, (Box{0, 0, 6400, 4266}));
}

TEST_F(ViewTest, GoToParsesClampsAndCentres) {
    view.area = {0, 0, 1000, 800};
    Point at;
    ASSERT_EQ(go_to(platform, view, sheet, " 3000 ,2000 ", &at), Outcome::Done);
    EXPECT_EQ(at, (Point{3000, 2000}));
    EXPECT_EQ(view.area, (Box{2500, 1600, 3500, 2400}));
    ASSERT_EQ(go_to(platform, view, sheet, "-5,99999", &at), Outcome::Done);
    EXPECT_EQ(at, (Point{10, 4256}));
    EXPECT_EQ(view.width(), 1000);
    Box kept = view.area;
    for (const char* answer : {"", ",200", "x, 3"}) {
        EXPECT_EQ(go_to(platform, view, sheet, answer), Outcome::Refused) << answer;
        EXPECT_EQ(platform.last_refusal(), "No x specified.") << answer;
    }
    for (const char* answer : {"100", "100,", "100, y", "100 200"}) {
        EXPECT_EQ(go_to(platform, view, sheet, answer), Outcome::Refused) << answer;
        EXPECT_EQ(platform.last_refusal(),
                  answer == std::string("100 200") ? "No x specified." : "No y specified.")
            << answer;
    }
    EXPECT_EQ(view.area, kept);
}

TEST(SheetTable, SizesNamesAndTheGridRule) {
    EXPECT_STREQ(size_table_name(1), "Size 5 Landscape");
    EXPECT_STREQ(size_table_name(8), "Size 2 Portrait");
    EXPECT_STREQ(size_table_name(9), "");
    EXPECT_EQ(size_table_index("Size 3 Portrait"), 7);
    EXPECT_EQ(size_table_index("size 3 portrait"), std::nullopt);
    EXPECT_EQ(sheet_extent(4), (Box{0, 0, 19200, 14400}));
    EXPECT_EQ(sheet_extent(5), (Box{0, 0, 4266, 6400}));
    EXPECT_EQ(sheet_extent(0), sheet_extent(1));
    Sheet sheet;
    EXPECT_TRUE(sheet.display_grid);
    EXPECT_EQ(sheet.grid_step, 64);
    EXPECT_EQ(grid_spacing(sheet, 3), 192);
    EXPECT_TRUE(grid_visible(sheet, 1, 77 * 64));
    EXPECT_FALSE(grid_visible(sheet, 1, 77 * 64 + 1));
    EXPECT_TRUE(grid_visible(sheet, 2, 77 * 128));
    sheet.display_grid = false;
    EXPECT_FALSE(grid_visible(sheet, 1, 100));
}

TEST_F(ViewTest, SheetDefaultsChangeTheSheetAndShowItWhole) {
    editor.view().area = {0, 0, 1000, 1000};
    SheetDefaults d = sheet_defaults(editor);
    EXPECT_EQ(set_sheet_defaults(editor, d), Outcome::Unchanged);
    d.size = 4;
    d.grid_factor = 12; // clamped to 9
    ASSERT_EQ(set_sheet_defaults(editor, d), Outcome::Done);
    EXPECT_EQ(architecture->sheet.size, 4);
    EXPECT_EQ(settings.grid_factor, 9);
    EXPECT_EQ(editor.view().area, (Box{0, 0, 19200, 14400}));
    // The grid factor alone is a program setting: no step of the diagram's history.
    std::size_t depth = editor.undo_depth();
    d = sheet_defaults(editor);
    d.grid_factor = 2;
    ASSERT_EQ(set_sheet_defaults(editor, d), Outcome::Done);
    EXPECT_EQ(editor.undo_depth(), depth);
    ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(architecture->sheet.size, 1);
}

TEST_F(ViewTest, FreeTextsRefuseTheBackgroundColourAndAnEmptyStringDeletes) {
    ASSERT_EQ(add_free_text(editor, {500, 500}, std::string("hello")), Outcome::Done);
    platform.queue_cancel();
    EXPECT_EQ(add_free_text(editor, {500, 900}), Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Prompt), std::vector<std::string>{"Enter text:"});
    ASSERT_EQ(architecture->sheet.texts.size(), 1u);
    const LabelDisplay& text = architecture->sheet.texts[0];
    EXPECT_EQ(text.anchor, (Point{500, 500}));
    EXPECT_EQ(text.colour, settings.colour(DiagramColour::FreePlacedTexts));

    TextFields f = text_fields(text);
    f.colour = settings.colour(DiagramColour::Background);
    std::string before = design_text();
    EXPECT_EQ(edit_free_text(editor, 0, f), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Specified color equals background.");
    EXPECT_EQ(design_text(), before);
    f = text_fields(text);
    f.scale = 1;
    f.text = std::string(300, 'x');
    ASSERT_EQ(edit_free_text(editor, 0, f), Outcome::Done);
    EXPECT_EQ(architecture->sheet.texts[0].size, 2);
    EXPECT_EQ(architecture->sheet.texts[0].text.size(), 256u);
    f.text.clear();
    ASSERT_EQ(edit_free_text(editor, 0, f), Outcome::Done);
    EXPECT_TRUE(architecture->sheet.texts.empty());
    // The same colour setting refuses new texts.
    set_diagram_colour(settings, DiagramColour::FreePlacedTexts,
                       settings.colour(DiagramColour::Background));
    EXPECT_EQ(add_free_text(editor, {500, 500}, std::string("x")), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Specified color equals background.");
}

TEST_F(ViewTest, LabelOptionsNeedATargetAndApplyToTheDiagramOrTheDefaults) {
    ASSERT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram, "u0",
                                          std::string("alu")),
              Outcome::Done);
    LabelOptions o = default_label_options(editor, LabelKind::Component);
    EXPECT_EQ(set_label_options(editor, o), Outcome::Unchanged);
    o.size = 30;
    o.format = 1;
    std::string before = design_text();
    EXPECT_EQ(set_label_options(editor, o), Outcome::Refused);
    EXPECT_EQ(platform.shown(ui::Shown::Box).back(),
              "zeph|Please apply changes to diagram\nand/or set them as new defaults.");
    EXPECT_EQ(design_text(), before);

    o.apply_to_diagram = true;
    ASSERT_EQ(set_label_options(editor, o), Outcome::Done);
    const Component& u0 = *diagram().components[0];
    EXPECT_EQ(u0.name_label.size, 30);
    EXPECT_EQ(u0.name_label.text, "u0");
    EXPECT_NE(defaults.text_size_of(LabelKind::Component), 30);

    o.apply_to_diagram = false;
    o.set_as_defaults = true;
    o.size = 2;
    ASSERT_EQ(set_label_options(editor, o), Outcome::Done);
    EXPECT_EQ(defaults.text_size_of(LabelKind::Component), 2);
    EXPECT_EQ(u0.name_label.size, 30);

    o = default_label_options(editor, LabelKind::Component);
    o.format = kLabelHidden;
    o.apply_to_diagram = true;
    ASSERT_EQ(set_label_options(editor, o), Outcome::Done);
    EXPECT_EQ(u0.name_label.options, kLabelHidden);
}

TEST(DiagramColours, NamesInTheDialogsOrderAndTheirRange) {
    EXPECT_STREQ(diagram_colour_name(DiagramColour::Components), "Components");
    EXPECT_STREQ(diagram_colour_name(DiagramColour::SelectedBackground), "SelectedBackground");
    EXPECT_EQ(diagram_colour_from_name("FreePlacedTexts"), DiagramColour::FreePlacedTexts);
    EXPECT_EQ(diagram_colour_from_name("Nothing"), std::nullopt);
    DiagramSettings settings;
    EXPECT_FALSE(set_diagram_colour(settings, DiagramColour::Wires, 16));
    EXPECT_FALSE(set_diagram_colour(settings, DiagramColour::Wires, -1));
    EXPECT_TRUE(set_diagram_colour(settings, DiagramColour::Wires, 12));
    EXPECT_EQ(settings.colour(DiagramColour::Wires), 12);
}

} // namespace
} // namespace zeph::diagram_testing
