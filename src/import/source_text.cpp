// Line bookkeeping of a source text.
#include "import/source_text.h"

#include <algorithm>
#include <cstring>

namespace zeph::vhdl {

SourceText::SourceText(std::string text) : text_(std::move(text)) {
    line_starts_.push_back(0);
    const char* base = text_.data();
    const char* end = base + text_.size();
    for (const char* p = base; p < end;) {
        const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        if (nl == nullptr) break;
        p = static_cast<const char*>(nl) + 1;
        line_starts_.push_back(static_cast<std::uint32_t>(p - base));
    }
}

int SourceText::line_of(std::uint32_t offset) const {
    auto it = std::upper_bound(line_starts_.begin(), line_starts_.end(), offset);
    return static_cast<int>(it - line_starts_.begin());
}

std::uint32_t SourceText::line_start(std::uint32_t offset) const {
    return line_starts_[static_cast<std::size_t>(line_of(offset) - 1)];
}

std::uint32_t SourceText::line_end(std::uint32_t offset) const {
    auto line = static_cast<std::size_t>(line_of(offset));
    return line < line_starts_.size() ? line_starts_[line] : size();
}

std::string SourceText::line_text(int line) const {
    if (line < 1 || static_cast<std::size_t>(line) > line_starts_.size()) return {};
    std::uint32_t from = line_starts_[static_cast<std::size_t>(line - 1)];
    std::uint32_t to = static_cast<std::size_t>(line) < line_starts_.size()
                           ? line_starts_[static_cast<std::size_t>(line)]
                           : size();
    std::string shown(text_.data() + from, to - from);
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.pop_back();
    std::replace(shown.begin(), shown.end(), '\x1a', ' ');
    return shown;
}

} // namespace zeph::vhdl
