// The encodings shared by the design, configuration and macro files, on the reading side.
// Numbers and words are scanned free-format (a line break may stand for a blank); line
// strings and text blocks take whole lines. Carriage returns are dropped. Every failure
// throws ReadFailure with the number of the line where reading stopped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeph {

struct ReadFailure {
    int line = 0;
};

class DesignTextReader {
  public:
    // Reads `text` in place (it must outlive the reader), or a copy without its carriage
    // returns when it has any.
    explicit DesignTextReader(std::string_view text);

    // 1 plus the line feeds consumed so far.
    int line() const { return line_; }
    [[noreturn]] void fail() const;
    bool at_end() const { return pos_ >= text_.size(); }
    std::size_t remaining() const { return text_.size() - pos_; }

    int integer();
    // An integer that must stand on the current line; false (and nothing consumed) otherwise.
    bool integer_on_line(int& value);
    std::string raw_word();
    // A word; one starting with "@" is empty. At most `limit` characters are kept.
    std::string word(std::size_t limit);
    void expect(std::string_view keyword);
    std::string counted(std::size_t limit);
    // The rest of the current line (its line feed consumed), uncut.
    std::string rest_of_line();
    // The rest of the current line cut to `limit`; "@" alone is empty.
    std::string line_string(std::size_t limit);
    // `count` whole lines joined by line feeds; "@" lines are empty.
    std::string text_block(int count);
    // Skips what is left of the current line, its line feed included.
    void end_line();
    // Consumes one blank or tab when the next character is one.
    void skip_separator();
    // A record count: fails when negative or larger than what the rest of the file can hold.
    int count();

  private:
    void skip_white();
    std::string without_returns_;
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace zeph
