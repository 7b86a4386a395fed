// The error list of the last program run and the windows it connects: the result window whose
// lines it indexes and the source window whose lines the entries name.
#pragma once

#include "editor/error_parsers.h"

#include <string>
#include <string_view>
#include <vector>

namespace zped {

struct EditBuffer;

// Flags of an entry.
inline constexpr unsigned kWarningEntry = 2;

struct ErrorEntry {
    int source_line = 0; // 1-based
    int result_line = 0; // 0-based line of the result window
    unsigned flags = 0;
    std::string text; // the result line
};

// Gives every line of the result window to the parser; a line that reports a source line
// becomes an entry unless it reports the same line as the entry before it.
std::vector<ErrorEntry> build_error_list(const EditBuffer& result, ErrorParser parser,
                                         std::string_view compiled_file);

// The entry after / before a result line, or -1.
int next_entry(const std::vector<ErrorEntry>& entries, int result_line);
int previous_entry(const std::vector<ErrorEntry>& entries, int result_line);

struct ToolResults {
    EditBuffer* result_window = nullptr;
    EditBuffer* source_window = nullptr;
    std::vector<ErrorEntry> errors;

    // Error navigation is possible while the result window is open and the list has entries.
    bool navigable() const { return result_window && !errors.empty(); }
    // A window is closing: closing the result window ends the list; closing the source window
    // leaves the list but nothing to show it in.
    void window_closed(const EditBuffer* window);
};

} // namespace zped
