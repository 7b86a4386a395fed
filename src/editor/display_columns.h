// Display columns of a line: tabs advance to the next multiple of the tab size, and a UTF-8
// character takes one column (two for the wide characters terminals draw in two cells), however
// many bytes it has; an invalid byte takes one column.
#pragma once

#include "editor/text_position.h"

#include <string_view>

namespace zped {

inline constexpr int kDefaultTabSize = 4;

// Columns the character at byte `at` takes when it starts at display column `column`.
int character_columns(std::string_view line, std::size_t at, int column, int tab_size);

// Display width of the first `bytes` bytes of a line.
DisplayColumn display_width(std::string_view line, int bytes, int tab_size);

// The start of the first character whose display start is at or beyond `wanted`, or the line's
// length.
int byte_column_at(std::string_view line, DisplayColumn wanted, int tab_size);

} // namespace zped
