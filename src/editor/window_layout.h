// How the open windows share the text area: the active one alone over the whole of it (cascade,
// the others reached through their tabs), or every window in a band of its own, stacked top to
// bottom (tile horizontal) or side by side (tile vertical). Each shown buffer gets the size of
// its band, so that paging and scrolling use the height of the window they happen in.
#pragma once

#include <memory>
#include <vector>

namespace zped {

struct EditBuffer;

enum class WindowArrangement { Cascade, TileHorizontal, TileVertical };

// A rectangle of character cells.
struct CellArea {
    int top = 0;
    int left = 0;
    int rows = 0;
    int columns = 0;
    bool contains(int row, int column) const {
        return row >= top && row < top + rows && column >= left && column < left + columns;
    }
};

// The least band a tiled window gets: its title line and two lines of text, or ten columns
// (the separator included). When more windows are open than fit, the bands go to a run of
// consecutive windows that holds the active one, moved as little as possible as the active
// window changes; the others stay reachable through their tabs.
inline constexpr int kMinTiledRows = 3;
inline constexpr int kMinTiledColumns = 10;

// Where one window is shown.
struct WindowPane {
    EditBuffer* buffer = nullptr;
    CellArea frame;            // everything the window occupies
    bool titled = false;       // the first row of the frame is the window's title line
    bool right_border = false; // the last column of the frame separates it from the next window
    int gutter = 0;            // columns of line numbers at the left of the text
    CellArea text;             // the lines of text, after title, border and gutter
};

// `count` bands of `area`: equal sizes, the remainder going to the last one. Cascade gives one.
std::vector<CellArea> tile_bands(WindowArrangement arrangement, int count, const CellArea& area);
// How many windows tile in `area` at their least size; at least one.
int windows_that_fit(WindowArrangement arrangement, const CellArea& area);
// Columns of line numbers (with their blank) before the text of a buffer of this many lines.
int line_number_columns(int line_count);

class WindowLayout {
  public:
    WindowArrangement arrangement() const { return arrangement_; }
    void set_arrangement(WindowArrangement arrangement) { arrangement_ = arrangement; }
    const CellArea& area() const { return area_; }
    // Rows and columns below one are taken as one.
    void set_area(const CellArea& area);

    // Places the buffers (the active one always shown) and gives every shown buffer the size of
    // its window's text, refitting its view around its cursor when the size changed. In cascade
    // every buffer gets the whole area, as it will have it when it becomes active.
    void arrange(const std::vector<std::unique_ptr<EditBuffer>>& buffers, const EditBuffer* active,
                 bool line_numbers);

    const std::vector<WindowPane>& panes() const { return panes_; }
    const WindowPane* pane_of(const EditBuffer* buffer) const;
    const WindowPane* pane_at(int row, int column) const;

  private:
    WindowPane place(EditBuffer& buffer, const CellArea& band, bool titled, bool right_border,
                     bool line_numbers) const;

    WindowArrangement arrangement_ = WindowArrangement::Cascade;
    CellArea area_{0, 0, 24, 80};
    int first_tiled_ = 0; // the first window of the run that has bands
    std::vector<WindowPane> panes_;
};

} // namespace zped
