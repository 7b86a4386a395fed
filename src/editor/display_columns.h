// Display columns of a line: tabs advance to the next multiple of the tab size.
#pragma once

#include "editor/text_position.h"

#include <string_view>

namespace zped {

inline constexpr int kDefaultTabSize = 4;

// Display width of the first `bytes` bytes of a line.
DisplayColumn display_width(std::string_view line, int bytes, int tab_size);

// The first byte whose display start is at or beyond `wanted`, or the line's length.
int byte_column_at(std::string_view line, DisplayColumn wanted, int tab_size);

} // namespace zped
