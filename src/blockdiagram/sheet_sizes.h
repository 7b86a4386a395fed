// The sheet size table: names and extents of the eight sheet sizes, and the grid rules.
#pragma once

#include "design/geometry.h"
#include "design/sheet.h"

#include <optional>
#include <string_view>

namespace zeph {

// "Size 5 Landscape" (1) to "Size 2 Portrait" (8); "" outside 1 to 8.
const char* size_table_name(int size);
// The index of a size name (exact comparison), or nothing.
std::optional<int> size_table_index(std::string_view name);
// The sheet extents from (0, 0) to the size's corner; a size outside 1 to 8 counts as 1.
Box sheet_extent(int size);
inline Box sheet_extent(const Sheet& sheet) { return sheet_extent(sheet.size); }

inline constexpr int kMinGridFactor = 1;
inline constexpr int kMaxGridFactor = 9;
// The grid is drawn with this spacing ...
int grid_spacing(const Sheet& sheet, int grid_factor);
// ... when it is displayed and the visible width is at most 77 spacings.
bool grid_visible(const Sheet& sheet, int grid_factor, int visible_width);

} // namespace zeph
