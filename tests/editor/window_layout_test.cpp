// A session's windows as they are tiled, cascaded, opened and closed, each with its own size
// and its own view.
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using Sizes = std::vector<std::pair<int, int>>;
using Names = std::vector<std::string>;

struct Windows {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    Settings settings{dir.file("zped.ini"), dir.path()};
    EditorSession session{settings};

    EditBuffer& open(const std::string& name, int lines) {
        std::string text;
        for (int i = 1; i <= lines; ++i)
            text += "line " + std::to_string(i) + "\n";
        auto buffer = test::buffer_with(text);
        buffer->file_name = name;
        return *session.add_buffer(std::move(buffer));
    }
    // The text size of each shown window and the names they show, in the order of the panes.
    Sizes sizes() const {
        Sizes found;
        for (const WindowPane& pane : session.windows().panes())
            found.emplace_back(pane.buffer->visible_lines, pane.buffer->visible_columns);
        return found;
    }
    Names shown() const {
        Names names;
        for (const WindowPane& pane : session.windows().panes())
            names.push_back(pane.buffer->file_name);
        return names;
    }
};

TEST(ZpedWindowLayout, TilingCascadingOpeningAndClosingResizeEveryWindow) {
    Windows w;
    w.session.set_window_size(25, 80);
    for (const char* name : {"a", "b", "c"})
        w.open(name, 10);
    EXPECT_EQ(w.shown(), (Names{"c"}));
    ASSERT_EQ(w.session.run_command("WindowTileHorizontal"), 0);
    // Bands of 8, 8 and 9 rows, each less its title line.
    EXPECT_EQ(w.sizes(), (Sizes{{7, 80}, {7, 80}, {8, 80}}));
    ASSERT_EQ(w.session.run_command("WindowClose"), 0);
    EXPECT_EQ(w.sizes(), (Sizes{{11, 80}, {12, 80}}));
    w.open("d", 10);
    EXPECT_EQ(w.shown(), (Names{"a", "b", "d"}));
    ASSERT_EQ(w.session.run_command("WindowTileVertical"), 0);
    // Bands of 26, 26 and 28 columns; the first two give one to the separator.
    EXPECT_EQ(w.sizes(), (Sizes{{24, 25}, {24, 25}, {24, 28}}));
    w.session.set_window_size(31, 120);
    EXPECT_EQ(w.sizes(), (Sizes{{30, 39}, {30, 39}, {30, 40}}));
    ASSERT_EQ(w.session.run_command("WindowCascade"), 0);
    EXPECT_EQ(w.shown(), (Names{"d"}));
    for (const auto& b : w.session.buffers)
        EXPECT_EQ(std::pair(b->visible_lines, b->visible_columns), std::pair(31, 120));
}

// Paging uses the height of the window it happens in and scrolls that window only; a window
// that shrinks keeps its cursor in sight.
TEST(ZpedWindowLayout, EachWindowPagesAndScrollsOnItsOwn) {
    Windows w;
    w.session.set_window_size(24, 80);
    EditBuffer& first = w.open("first", 100);
    EditBuffer& second = w.open("second", 100);
    w.session.activate(&first);
    ASSERT_EQ(w.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(first.cursor.line, 23);
    ASSERT_EQ(w.session.run_command("WindowTileHorizontal"), 0);
    EXPECT_EQ(first.view.top_line, 23 - 11 + 1);
    ASSERT_EQ(w.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(first.cursor.line, 33);
    EXPECT_EQ(first.view.top_line, 23);
    EXPECT_EQ(second.view.top_line, 0);
    w.session.activate(&second);
    ASSERT_EQ(w.session.run_command("GoPageDown"), 0);
    EXPECT_EQ(second.cursor.line, 10);
    EXPECT_EQ(first.view.top_line, 23);
    // Line numbers take their columns from each window's own width.
    w.session.options.line_numbers = true;
    w.session.arrange_windows();
    EXPECT_EQ(first.visible_columns, 80 - 4);
}

// Nine rows hold three tiled windows: the run of windows with bands follows the active one
// and moves as little as it can.
TEST(ZpedWindowLayout, TooManyWindowsTileAsManyAsFitAroundTheActiveOne) {
    Windows w;
    w.session.set_window_size(9, 40);
    for (const char* name : {"w1", "w2", "w3", "w4", "w5"})
        w.open(name, 5);
    ASSERT_EQ(w.session.run_command("WindowTileHorizontal"), 0);
    EXPECT_EQ(w.shown(), (Names{"w3", "w4", "w5"}));
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(w.session.run_command("WindowPrevious"), 0);
    EXPECT_EQ(w.shown(), (Names{"w3", "w4", "w5"}));
    ASSERT_EQ(w.session.run_command("WindowPrevious"), 0);
    EXPECT_EQ(w.shown(), (Names{"w2", "w3", "w4"}));
    // Bands of ten columns: four fit in forty.
    ASSERT_EQ(w.session.run_command("WindowTileVertical"), 0);
    EXPECT_EQ(w.shown(), (Names{"w2", "w3", "w4", "w5"}));
    ASSERT_NE(w.session.windows().pane_at(0, 25), nullptr);
    EXPECT_EQ(w.session.windows().pane_at(0, 25)->buffer->file_name, "w4");
    // A terminal too small for any band still shows the active window.
    w.session.set_window_size(1, 3);
    EXPECT_EQ(w.shown(), (Names{"w2"}));
    EXPECT_EQ(w.session.active()->visible_lines, 1);
}

} // namespace
} // namespace zped
