// Arranging the windows: the bands of tiling, and a session's windows as they are tiled,
// cascaded, opened and closed, each with its own size and its own view.
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor/window_layout.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

std::string numbered_lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + (i < count ? "\n" : "");
    return text;
}

struct Session {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    Settings settings{dir.file("zped.ini"), dir.path()};
    EditorSession session{settings};

    EditBuffer& open(const std::string& name, int lines) {
        auto buffer = test::buffer_with(numbered_lines(lines));
        buffer->file_name = name;
        return *session.add_buffer(std::move(buffer));
    }
    // Rows and columns of each shown window's text, in the order of the panes.
    std::vector<std::pair<int, int>> sizes() const {
        std::vector<std::pair<int, int>> found;
        for (const WindowPane& pane : session.windows().panes())
            found.emplace_back(pane.buffer->visible_lines, pane.buffer->visible_columns);
        return found;
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> names;
        for (const WindowPane& pane : session.windows().panes())
            names.push_back(pane.buffer->file_name);
        return names;
    }
};

using Sizes = std::vector<std::pair<int, int>>;
using Names = std::vector<std::string>;

TEST(ZpedWindowLayout, BandsShareTheAreaEvenlyWithTheRemainderToTheLast) {
    CellArea area{2, 13, 26, 87};
    std::vector<CellArea> stacked = tile_bands(WindowArrangement::TileHorizontal, 3, area);
    ASSERT_EQ(stacked.size(), 3u);
    EXPECT_EQ(stacked[0].top, 2);
    EXPECT_EQ(stacked[1].top, 10);
    EXPECT_EQ(stacked[2].top, 18);
    EXPECT_EQ(stacked[2].rows, 10);
    for (const CellArea& band : stacked) {
        EXPECT_EQ(band.left, 13);
        EXPECT_EQ(band.columns, 87);
    }
    std::vector<CellArea> side = tile_bands(WindowArrangement::TileVertical, 4, area);
    ASSERT_EQ(side.size(), 4u);
    EXPECT_EQ(side[3].left, 13 + 63);
    EXPECT_EQ(side[3].columns, 24);
    EXPECT_EQ(side[0].rows, 26);
    EXPECT_EQ(tile_bands(WindowArrangement::Cascade, 4, area).size(), 1u);

    EXPECT_EQ(windows_that_fit(WindowArrangement::TileHorizontal, area), 8);
    EXPECT_EQ(windows_that_fit(WindowArrangement::TileVertical, area), 8);
    EXPECT_EQ(windows_that_fit(WindowArrangement::TileHorizontal, {0, 0, 2, 5}), 1);
    EXPECT_EQ(line_number_columns(9), 4);
    EXPECT_EQ(line_number_columns(12345), 6);
}

TEST(ZpedWindowLayout, TilingCascadingOpeningAndClosingResizeEveryWindow) {
    Session s;
    s.session.set_window_size(25, 80);
    s.open("a.vhd", 10);
    s.open("b.vhd", 10);
    s.open("c.vhd", 10);
    // Cascade: the active window alone, every buffer as large as the area.
    EXPECT_EQ(s.shown(), (Names{"c.vhd"}));
    for (const auto& b : s.session.buffers) {
        EXPECT_EQ(b->visible_lines, 25);
        EXPECT_EQ(b->visible_columns, 80);
    }

    ASSERT_EQ(s.session.run_command("WindowTileHorizontal"), 0);
    EXPECT_EQ(s.shown(), (Names{"a.vhd", "b.vhd", "c.vhd"}));
    // Bands of 8, 8 and 9 rows, each less its title line.
    EXPECT_EQ(s.sizes(), (Sizes{{7, 80}, {7, 80}, {8, 80}}));
    EXPECT_TRUE(s.session.windows().panes()[0].titled);

    ASSERT_EQ(s.session.run_command("WindowClose"), 0);
    EXPECT_EQ(s.sizes(), (Sizes{{11, 80}, {12, 80}}));
    s.open("d.vhd", 10);
    EXPECT_EQ(s.shown(), (Names{"a.vhd", "b.vhd", "d.vhd"}));
    EXPECT_EQ(s.session.active()->visible_lines, 8);

    ASSERT_EQ(s.session.run_command("WindowTileVertical"), 0);
    // Bands of 26, 26 and 28 columns; the first two give one to the separator.
    EXPECT_EQ(s.sizes(), (Sizes{{24, 25}, {24, 25}, {24, 28}}));
    EXPECT_TRUE(s.session.windows().panes()[0].right_border);
    EXPECT_FALSE(s.session.windows().panes()[2].right_border);

    // A terminal that grows places the windows anew.
    s.session.set_window_size(31, 120);
    EXPECT_EQ(s.sizes(), (Sizes{{30, 39}, {30, 39}, {30, 40}}));

    ASSERT_EQ(s.session.run_command("WindowCascade"), 0);
    EXPECT_EQ(s.shown(), (Names{"d.vhd"}));
    EXPECT_FALSE(s.session.windows().panes()[0].titled);
    for (const auto& b : s.session.buffers) {
        EXPECT_EQ(b->visible_lines, 31);
        EXPECT_EQ(b->visible_columns, 120);
    }
}

// Paging uses the height of the window it happens in and scrolls that window only; a window
// that shrinks keeps its cursor in sight.
TEST(ZpedWindowLayout, EachWindowPagesAndScrollsOnItsOwn) {
    Session s;
    s.session.set_window_size(24, 80);
    EditBuffer& first = s.open("first.vhd", 100);
    EditBuffer& second = s.open("second.vhd", 100);
    s.session.activate(&first);
    ASSERT_EQ(s.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(first.cursor.line, 23) << "cascade pages by the whole area less one line";

    ASSERT_EQ(s.session.run_command("WindowTileHorizontal"), 0);
    EXPECT_EQ(first.visible_lines, 11);
    // The cursor on line 24 stays in sight of the smaller window.
    EXPECT_EQ(first.view.top_line, 23 - 11 + 1);
    ASSERT_EQ(s.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(first.cursor.line, 33);
    EXPECT_EQ(first.view.top_line, 33 - 11 + 1);
    EXPECT_EQ(second.view.top_line, 0);
    EXPECT_EQ(second.cursor.line, 0);

    s.session.activate(&second);
    ASSERT_EQ(s.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(second.cursor.line, 10);
    EXPECT_EQ(first.cursor.line, 33) << "the other window keeps its place";
    EXPECT_EQ(first.view.top_line, 23);

    // Line numbers take their columns from each window's own width.
    s.session.options.line_numbers = true;
    s.session.arrange_windows();
    EXPECT_EQ(first.visible_columns, 80 - 4);
    EXPECT_EQ(s.session.windows().pane_of(&first)->text.left, 4);
}

// Nine rows hold three tiled windows: the run of windows with bands follows the active one
// and moves as little as it can.
TEST(ZpedWindowLayout, TooManyWindowsTileAsManyAsFitAroundTheActiveOne) {
    Session s;
    s.session.set_window_size(9, 40);
    for (const char* name : {"w1", "w2", "w3", "w4", "w5"})
        s.open(name, 5);
    ASSERT_EQ(s.session.run_command("WindowTileHorizontal"), 0);
    EXPECT_EQ(s.shown(), (Names{"w3", "w4", "w5"}));
    EXPECT_EQ(s.sizes(), (Sizes{{2, 40}, {2, 40}, {2, 40}}));
    ASSERT_EQ(s.session.run_command("WindowPrevious"), 0);
    ASSERT_EQ(s.session.run_command("WindowPrevious"), 0);
    EXPECT_EQ(s.shown(), (Names{"w3", "w4", "w5"}));
    ASSERT_EQ(s.session.run_command("WindowPrevious"), 0);
    EXPECT_EQ(s.shown(), (Names{"w2", "w3", "w4"}));
    ASSERT_EQ(s.session.run_command("WindowNext"), 0);
    EXPECT_EQ(s.shown(), (Names{"w2", "w3", "w4"}));
    // Vertical bands of ten columns: four fit in forty.
    ASSERT_EQ(s.session.run_command("WindowTileVertical"), 0);
    EXPECT_EQ(s.shown(), (Names{"w2", "w3", "w4", "w5"}));
    const WindowPane* at = s.session.windows().pane_at(0, 25);
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->buffer->file_name, "w4");
    EXPECT_EQ(s.session.windows().pane_at(9, 25), nullptr);
    // A terminal too small for any band still shows the active window.
    s.session.set_window_size(1, 3);
    EXPECT_EQ(s.shown(), (Names{"w3"}));
    EXPECT_EQ(s.session.active()->visible_lines, 1);
}

} // namespace
} // namespace zped
