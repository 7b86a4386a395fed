// Writing the shared encodings of the design files.
#include "design/design_text_writer.h"

#include "design/name_limits.h"

#include <cstdarg>
#include <cstdio>

namespace zeph {

namespace {
bool blank_only(std::string_view line) {
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}
} // namespace

std::string name_word(std::string_view name) {
    if (name.empty() || name[0] == '@') return "@";
    std::string word(name);
    for (char& c : word)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\0') c = '_';
    return word;
}

void DesignTextWriter::write_out() {
    if (!out_.empty() && std::fwrite(out_.data(), 1, out_.size(), file_) != out_.size())
        failed_ = true;
    out_.clear();
}

bool DesignTextWriter::finish() {
    if (file_ == nullptr) return true;
    write_out();
    return !failed_;
}

void DesignTextWriter::format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return;
    if (static_cast<std::size_t>(n) < sizeof buffer) {
        out_.append(buffer, static_cast<std::size_t>(n));
        spill();
        return;
    }
    std::string long_line(static_cast<std::size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(long_line.data(), long_line.size(), format, args);
    va_end(args);
    long_line.pop_back();
    out_.append(long_line);
    spill();
}

void DesignTextWriter::counted(std::string_view text, std::size_t limit) {
    if (text.size() > limit) text = text.substr(0, limit);
    format("%zu ", text.size());
    out_.append(text);
    spill();
}

void DesignTextWriter::line_string(std::string_view text) {
    std::size_t end = text.find('\n');
    if (end != std::string_view::npos) text = text.substr(0, end);
    if (text.size() > kMaxTextLine) text = text.substr(0, kMaxTextLine);
    out_.append(text.empty() ? std::string_view("@") : text);
    out_.push_back('\n');
    spill();
}

void DesignTextWriter::text_block(std::string_view text) {
    if (text.empty()) return;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.size() > kMaxTextLine) line = line.substr(0, kMaxTextLine);
        out_.append(blank_only(line) ? std::string_view("@") : line);
        out_.push_back('\n');
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    spill();
}

} // namespace zeph
