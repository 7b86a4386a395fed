// Building the error list and finding entries around a result line.
#include "editor/error_list.h"

#include "editor/edit_buffer.h"

namespace zped {

std::vector<ErrorEntry> build_error_list(const EditBuffer& result, ErrorParser parser,
                                         std::string_view compiled_file) {
    std::vector<ErrorEntry> entries;
    for (int i = 0; i < result.line_count(); ++i) {
        std::string_view text = result.line(i);
        auto reported = parse_result_line(parser, text, compiled_file);
        if (!reported) continue;
        if (!entries.empty() && entries.back().source_line == reported->line) continue;
        entries.push_back(
            {reported->line, i, reported->warning ? kWarningEntry : 0u, std::string(text)});
    }
    return entries;
}

int next_entry(const std::vector<ErrorEntry>& entries, int result_line) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].result_line > result_line) return static_cast<int>(i);
    return -1;
}

int previous_entry(const std::vector<ErrorEntry>& entries, int result_line) {
    for (std::size_t i = entries.size(); i-- > 0;)
        if (entries[i].result_line < result_line) return static_cast<int>(i);
    return -1;
}

void ToolResults::window_closed(const EditBuffer* window) {
    if (window == result_window) {
        result_window = nullptr;
        errors.clear();
    }
    if (window == source_window) source_window = nullptr;
}

} // namespace zped
