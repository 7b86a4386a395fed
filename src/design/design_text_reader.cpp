// Scanning the shared encodings of the design files.
#include "design/design_text_reader.h"

#include "design/name_limits.h"

#include <climits>

namespace zeph {

namespace {
// A NUL byte also ends a word: words are written as C strings.
bool is_white(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}
} // namespace

DesignTextReader::DesignTextReader(std::string_view text) : text_(text) {
    if (text.find('\r') == std::string_view::npos) return;
    without_returns_.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t cr; (cr = text.find('\r', start)) != std::string_view::npos; start = cr + 1)
        without_returns_.append(text.substr(start, cr - start));
    without_returns_.append(text.substr(start));
    text_ = without_returns_;
}

void DesignTextReader::fail() const {
    throw ReadFailure{line_};
}

void DesignTextReader::skip_white() {
    while (pos_ < text_.size() && is_white(text_[pos_])) {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }
}

int DesignTextReader::integer() {
    skip_white();
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) negative = text_[p++] == '-';
    long long value = 0;
    std::size_t first_digit = p;
    while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
        value = value * 10 + (text_[p] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) fail();
        ++p;
    }
    if (p == first_digit) fail();
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) fail();
    pos_ = p;
    return static_cast<int>(value);
}

bool DesignTextReader::integer_on_line(int& value) {
    std::size_t p = pos_;
    while (p < text_.size() && (text_[p] == ' ' || text_[p] == '\t'))
        ++p;
    if (p >= text_.size()) return false;
    char c = text_[p];
    bool starts_number =
        (c >= '0' && c <= '9') || ((c == '-' || c == '+') && p + 1 < text_.size() &&
                                   text_[p + 1] >= '0' && text_[p + 1] <= '9');
    if (!starts_number) return false;
    pos_ = p;
    value = integer();
    return true;
}

std::string DesignTextReader::raw_word() {
    skip_white();
    std::size_t start = pos_;
    while (pos_ < text_.size() && !is_white(text_[pos_]))
        ++pos_;
    if (pos_ == start) fail();
    return std::string(text_.substr(start, pos_ - start));
}

std::string DesignTextReader::word(std::size_t limit) {
    std::string w = raw_word();
    if (w[0] == '@') return {};
    if (w.size() > limit) w.resize(limit);
    return w;
}

void DesignTextReader::expect(std::string_view keyword) {
    if (raw_word() != keyword) fail();
}

std::string DesignTextReader::counted(std::size_t limit) {
    int n = integer();
    if (n < 0) fail();
    // An empty string whose separator was lost at the line end keeps the line end.
    if (pos_ < text_.size() && !(n == 0 && text_[pos_] == '\n')) {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }
    std::size_t length = static_cast<std::size_t>(n);
    if (length > remaining()) fail();
    std::string result(text_.substr(pos_, length));
    for (char c : result)
        if (c == '\n') ++line_;
    pos_ += length;
    if (result.size() > limit) result.resize(limit);
    return result;
}

std::string DesignTextReader::rest_of_line() {
    if (at_end()) fail();
    std::size_t end = text_.find('\n', pos_);
    std::string result;
    if (end == std::string_view::npos) {
        result = text_.substr(pos_);
        pos_ = text_.size();
    } else {
        result = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++line_;
    }
    return result;
}

std::string DesignTextReader::line_string(std::size_t limit) {
    std::string result = rest_of_line();
    if (result == "@") return {};
    if (result.size() > limit) result.resize(limit);
    return result;
}

std::string DesignTextReader::text_block(int count) {
    if (count < 0) fail();
    std::string result;
    for (int i = 0; i < count; ++i) {
        if (i > 0) result.push_back('\n');
        std::string line = rest_of_line();
        if (line.size() > kMaxTextLine) line.resize(kMaxTextLine);
        if (line != "@") result += line;
    }
    return result;
}

void DesignTextReader::end_line() {
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
        return;
    }
    pos_ = end + 1;
    ++line_;
}

void DesignTextReader::skip_separator() {
    if (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

int DesignTextReader::count() {
    int n = integer();
    if (n < 0 || static_cast<std::size_t>(n) > remaining()) fail();
    return n;
}

} // namespace zeph
