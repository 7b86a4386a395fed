// An open file: its lines, cursor, selection, view origin, names, flags and undo history, with
// the position arithmetic and the one range replacement that every transaction uses.
#pragma once

#include "editor/edit_history.h"
#include "editor/file_text.h"
#include "editor/line_list.h"
#include "editor/text_position.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zped {

// Window kinds (bit flags).
inline constexpr std::uint32_t kEditWindow = 1;
inline constexpr std::uint32_t kResultWindow = 2;

// Longest file name a buffer keeps.
inline constexpr std::size_t kMaxFileName = 255;

// Names that begin with these 8 characters are unnamed buffers.
bool is_untitled(std::string_view name);

// The absolute form of a file name: relative names are prefixed with the current directory.
std::string absolute_file_name(std::string_view name);

enum class ReplaceResult { Done, LineTooLong, OutOfMemory };

struct EditBuffer {
    EditBuffer();
    ~EditBuffer();
    EditBuffer(const EditBuffer&) = delete;
    EditBuffer& operator=(const EditBuffer&) = delete;

    std::uint32_t window_kind = kEditWindow;
    int visible_lines = 24;
    int visible_columns = 80;
    TextPosition desired;
    TextPosition cursor;
    ViewOrigin view;
    TextPosition selection_anchor;
    TextPosition selection_end;
    std::string file_name;              // as the user named it
    std::string absolute_name;          // for comparisons and change detection
    std::string window_title;           // shown instead of the file name when not empty
    std::int64_t modification_time = 0; // nanoseconds since 1970 at load or last save
    LineList lines;
    LineEnd line_end = LineEnd::Lf; // what the file is saved with
    bool modified = false;
    bool has_selection = false;
    bool read_only = false;
    int language = 0; // index of the language definition; 0 is the fallback
    EditHistory history;
    int tab_size = 4;

    int line_count() const { return lines.count(); }
    std::string_view line(int index) const { return lines.line(index); }
    int line_length(int index) const { return static_cast<int>(line(index).size()); }

    // One character right (all bytes of a UTF-8 character), or the start of the next line;
    // unchanged at the end of the last line.
    TextPosition next_position(TextPosition p) const;
    // One character left, or the end of the previous line clamped to 255; unchanged at the
    // start.
    TextPosition previous_position(TextPosition p) const;
    // An existing line and a column within it.
    TextPosition clamp(TextPosition p) const;
    // The text from a to b, lines joined by "\r\n" (crlf) or "\n"; empty when b is not after a.
    std::string text_between(TextPosition a, TextPosition b, bool crlf = false) const;
    DisplayColumn display_column(TextPosition p) const;
    TextPosition end_of_text() const;

    // Replaces the text between start and end by `text`, byte for byte ("\n" breaks lines).
    // Fails, changing nothing, when a resulting line would exceed 255 bytes or memory
    // is refused (reported by the memory layer). Sets the modified flag when it changed
    // something.
    ReplaceResult replace_range(TextPosition start, TextPosition end, std::string_view text);

    // Text replaced by plain lines of at most 255 bytes (result windows, tests); no history
    // involved.
    void set_lines(const std::vector<std::string>& new_lines);

    // Buffer invariants: at least one line, lines first .. first+count-1 within the limit, the
    // cursor on the text.
    bool invariants_hold(int first, int count) const;
};

} // namespace zped
