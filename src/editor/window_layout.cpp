// Placing the open windows in the text area.
#include "editor/window_layout.h"

#include "editor/apply_edit.h"
#include "editor/edit_buffer.h"

#include <algorithm>

namespace zped {

std::vector<CellArea> tile_bands(WindowArrangement arrangement, int count, const CellArea& area) {
    if (arrangement == WindowArrangement::Cascade || count <= 1) return {area};
    bool stacked = arrangement == WindowArrangement::TileHorizontal;
    int length = stacked ? area.rows : area.columns;
    int each = length / count;
    std::vector<CellArea> bands;
    for (int i = 0; i < count; ++i) {
        int start = i * each;
        int size = i + 1 < count ? each : length - start;
        CellArea band = area;
        if (stacked) {
            band.top = area.top + start;
            band.rows = size;
        } else {
            band.left = area.left + start;
            band.columns = size;
        }
        bands.push_back(band);
    }
    return bands;
}

int windows_that_fit(WindowArrangement arrangement, const CellArea& area) {
    switch (arrangement) {
    case WindowArrangement::TileHorizontal:
        return std::max(1, area.rows / kMinTiledRows);
    case WindowArrangement::TileVertical:
        return std::max(1, area.columns / kMinTiledColumns);
    case WindowArrangement::Cascade:
        break;
    }
    return 1;
}

int line_number_columns(int line_count) {
    int digits = 1;
    for (int n = line_count; n >= 10; n /= 10)
        ++digits;
    return std::max(4, digits + 1);
}

void WindowLayout::set_area(const CellArea& area) {
    area_ = area;
    area_.rows = std::max(area.rows, 1);
    area_.columns = std::max(area.columns, 1);
}

WindowPane WindowLayout::place(EditBuffer& buffer, const CellArea& band, bool titled,
                               bool right_border, bool line_numbers) const {
    WindowPane pane;
    pane.buffer = &buffer;
    pane.frame = band;
    pane.titled = titled;
    pane.right_border = right_border;
    int title_rows = titled ? 1 : 0;
    int border_columns = right_border ? 1 : 0;
    int room = std::max(0, band.columns - border_columns);
    // Line numbers never take the whole width of a narrow window.
    pane.gutter = line_numbers ? std::min(line_number_columns(buffer.line_count()), room / 2) : 0;
    pane.text = {band.top + title_rows, band.left + pane.gutter,
                 std::max(0, band.rows - title_rows), std::max(0, room - pane.gutter)};
    return pane;
}

void WindowLayout::arrange(const std::vector<std::unique_ptr<EditBuffer>>& buffers,
                           const EditBuffer* active, bool line_numbers) {
    panes_.clear();
    int count = static_cast<int>(buffers.size());
    int active_index = 0;
    for (int i = 0; i < count; ++i)
        if (buffers[static_cast<std::size_t>(i)].get() == active) active_index = i;

    bool tiled = arrangement_ != WindowArrangement::Cascade;
    int shown = tiled ? std::min(count, windows_that_fit(arrangement_, area_)) : std::min(count, 1);
    first_tiled_ = std::clamp(first_tiled_, 0, std::max(0, count - shown));
    if (active_index < first_tiled_) first_tiled_ = active_index;
    if (active_index >= first_tiled_ + shown) first_tiled_ = active_index - shown + 1;
    int first = tiled ? first_tiled_ : active_index;

    std::vector<CellArea> bands = tile_bands(arrangement_, shown, area_);
    for (int i = 0; i < shown; ++i) {
        EditBuffer& buffer = *buffers[static_cast<std::size_t>(first + i)];
        bool border = arrangement_ == WindowArrangement::TileVertical && i + 1 < shown;
        panes_.push_back(
            place(buffer, bands[static_cast<std::size_t>(i)], tiled, border, line_numbers));
    }

    auto fit = [](EditBuffer& buffer, const CellArea& text) {
        int rows = std::max(text.rows, 1);
        int columns = std::max(text.columns, 1);
        if (buffer.visible_lines == rows && buffer.visible_columns == columns) return;
        buffer.visible_lines = rows;
        buffer.visible_columns = columns;
        buffer.view = resolve_view(buffer, buffer.cursor, {kScrollToCursor, kScrollToCursor});
    };
    for (const WindowPane& pane : panes_)
        fit(*pane.buffer, pane.text);
    if (!tiled)
        for (const auto& buffer : buffers)
            if (buffer.get() != active)
                fit(*buffer, place(*buffer, area_, false, false, line_numbers).text);
}

const WindowPane* WindowLayout::pane_of(const EditBuffer* buffer) const {
    for (const WindowPane& pane : panes_)
        if (pane.buffer == buffer) return &pane;
    return nullptr;
}

const WindowPane* WindowLayout::pane_at(int row, int column) const {
    for (const WindowPane& pane : panes_)
        if (pane.frame.contains(row, column)) return &pane;
    return nullptr;
}

} // namespace zped
