// A VHDL source file held in memory: its bytes, where its lines start, and the line of a byte
// offset. Tokens, messages and the architecture texts all refer to byte offsets of this text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zeph::vhdl {

class SourceText {
  public:
    explicit SourceText(std::string text);

    std::string_view text() const { return text_; }
    std::uint32_t size() const { return static_cast<std::uint32_t>(text_.size()); }

    // 1-based line number of a byte offset.
    int line_of(std::uint32_t offset) const;
    // Offset of the first byte of the line holding the offset.
    std::uint32_t line_start(std::uint32_t offset) const;
    // Offset just after the line feed ending the line holding the offset (the end of the text
    // on the last line).
    std::uint32_t line_end(std::uint32_t offset) const;
    // The line as the reader shows it: without its line end, a Ctrl-Z as a blank.
    std::string line_text(int line) const;

  private:
    std::string text_;
    std::vector<std::uint32_t> line_starts_;
};

} // namespace zeph::vhdl
