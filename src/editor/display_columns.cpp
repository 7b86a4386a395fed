// Tab expansion in both directions.
#include "editor/display_columns.h"

namespace zped {

namespace {
int advance(int column, char ch, int tab_size) {
    if (ch != '\t' || tab_size <= 0) return column + 1;
    return column + tab_size - column % tab_size;
}
} // namespace

DisplayColumn display_width(std::string_view line, int bytes, int tab_size) {
    int column = 0;
    int end = bytes < static_cast<int>(line.size()) ? bytes : static_cast<int>(line.size());
    for (int i = 0; i < end; ++i)
        column = advance(column, line[static_cast<std::size_t>(i)], tab_size);
    return DisplayColumn{column};
}

int byte_column_at(std::string_view line, DisplayColumn wanted, int tab_size) {
    int column = 0;
    int i = 0;
    for (; i < static_cast<int>(line.size()); ++i) {
        if (column >= wanted.value) return i;
        column = advance(column, line[static_cast<std::size_t>(i)], tab_size);
    }
    return i;
}

} // namespace zped
