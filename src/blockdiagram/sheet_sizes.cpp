// The sheet size table and the grid rules.
#include "blockdiagram/sheet_sizes.h"

#include <algorithm>

namespace zeph {

namespace {
struct SheetSize {
    const char* name;
    Point corner;
};

constexpr SheetSize kSizes[kSheetSizeCount] = {
    {"Size 5 Landscape", {6400, 4266}},  {"Size 4 Landscape", {9600, 6400}},
    {"Size 3 Landscape", {14400, 9600}}, {"Size 2 Landscape", {19200, 14400}},
    {"Size 5 Portrait", {4266, 6400}},   {"Size 4 Portrait", {6400, 9600}},
    {"Size 3 Portrait", {9600, 14400}},  {"Size 2 Portrait", {14400, 19200}},
};

constexpr int kGridVisibleSpacings = 77;
} // namespace

const char* size_table_name(int size) {
    return size >= 1 && size <= kSheetSizeCount ? kSizes[size - 1].name : "";
}

std::optional<int> size_table_index(std::string_view name) {
    for (int i = 0; i < kSheetSizeCount; ++i)
        if (name == kSizes[i].name) return i + 1;
    return std::nullopt;
}

Box sheet_extent(int size) {
    if (size < 1 || size > kSheetSizeCount) size = 1;
    const Point& corner = kSizes[size - 1].corner;
    return {0, 0, corner.x, corner.y};
}

int grid_spacing(const Sheet& sheet, int grid_factor) {
    return std::clamp(grid_factor, kMinGridFactor, kMaxGridFactor) * sheet.grid_step;
}

bool grid_visible(const Sheet& sheet, int grid_factor, int visible_width) {
    if (!sheet.display_grid) return false;
    long long limit = static_cast<long long>(kGridVisibleSpacings) * grid_spacing(sheet, grid_factor);
    return visible_width <= limit;
}

} // namespace zeph
