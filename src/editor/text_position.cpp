// Arithmetic on text positions that needs no buffer.
#include "editor/text_position.h"

#include <algorithm>

namespace zped {

int count_newlines(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TextPosition end_of_inserted(TextPosition start, std::string_view text) {
    std::size_t last = text.rfind('\n');
    if (last == std::string_view::npos)
        return {start.line, start.column + static_cast<int>(text.size())};
    return {start.line + count_newlines(text), static_cast<int>(text.size() - last - 1)};
}

} // namespace zped
