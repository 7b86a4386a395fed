// Tab and character expansion in both directions.
#include "editor/display_columns.h"

#include "editor/utf8.h"

namespace zped {

int character_columns(std::string_view line, std::size_t at, int column, int tab_size) {
    if (line[at] == '\t' && tab_size > 0) return tab_size - column % tab_size;
    if (utf8_sequence_length(line, at) > 1) return code_point_columns(utf8_code_point(line, at));
    return 1;
}

DisplayColumn display_width(std::string_view line, int bytes, int tab_size) {
    int column = 0;
    std::size_t end =
        bytes < static_cast<int>(line.size()) ? static_cast<std::size_t>(bytes) : line.size();
    for (std::size_t i = 0; i < end; i += static_cast<std::size_t>(utf8_character_bytes(line, i)))
        column += character_columns(line, i, column, tab_size);
    return DisplayColumn{column};
}

int byte_column_at(std::string_view line, DisplayColumn wanted, int tab_size) {
    int column = 0;
    std::size_t i = 0;
    for (; i < line.size(); i += static_cast<std::size_t>(utf8_character_bytes(line, i))) {
        if (column >= wanted.value) return static_cast<int>(i);
        column += character_columns(line, i, column, tab_size);
    }
    return static_cast<int>(line.size());
}

} // namespace zped
