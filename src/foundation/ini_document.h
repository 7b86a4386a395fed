// An INI file (sections of key=value lines) kept line by line, so that writing it back keeps
// what other tools wrote there: comments, unknown sections and keys, and lines it cannot read.
// Both programs keep their settings files in it ("zeph.ini", "zped.ini").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeph {

class IniDocument {
  public:
    // Lines end with "\n"; "\r" before it is dropped. Never fails: a line that is neither a
    // section header, a key line, a comment (";" or "#") nor blank is kept as damaged.
    static IniDocument parse(std::string_view text);
    // The lines joined with "\n", each line ended.
    std::string text() const;

    // Section and key names compare ignoring ASCII case; the first occurrence counts.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    // Replaces the value of the key (keeping the key's spelling in the file), or adds the key
    // at the end of its section, or the section at the end of the file. Line feeds in the value
    // become blanks, so one key stays one line.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Whether a section added by set() is preceded by a blank line (the default) or follows the
    // last line directly.
    void set_blank_line_before_new_sections(bool blank) { blank_before_sections_ = blank; }
    // Removes every line of that key in that section.
    void remove(std::string_view section, std::string_view key);
    // The keys and values of a section in file order (first occurrence of each key).
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
    // Every key line of a section in file order, repeated keys included.
    std::vector<std::pair<std::string, std::string>> key_lines(std::string_view section) const;

    // Line numbers (1-based) of the damaged lines.
    const std::vector<std::size_t>& damaged_lines() const { return damaged_; }

  private:
    enum class Kind { Blank, Comment, Section, Key, Damaged };
    struct Line {
        Kind kind = Kind::Blank;
        std::string raw;   // the line as it is written back
        std::string name;  // section name or key
        std::string value; // key value, trimmed
    };

    struct Range {
        std::size_t begin = 0; // first line after the header
        std::size_t end = 0;   // the next header, or the end of the file
    };

    static Line classify(std::string_view raw);
    // The lines of the section's first occurrence; the lines before the first header form the
    // section "".
    std::optional<Range> section_range(std::string_view section) const;
    std::optional<std::size_t> find_key(Range range, std::string_view key) const;

    std::vector<Line> lines_;
    std::vector<std::size_t> damaged_;
    bool blank_before_sections_ = true;
};

// A value without one pair of surrounding double quotes ("\"a b\"" gives "a b").
std::string unquoted(std::string_view value);

} // namespace zeph
