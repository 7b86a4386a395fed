// Bounded string duplicates and ASCII helpers.
#include "foundation/strings.h"

#include "foundation/grow_array.h"

#include <cstdlib>
#include <cstring>

namespace zeph {

char* dup_string(const char* text, std::size_t max) {
    if (text == nullptr) return nullptr;
    std::size_t len = std::strlen(text);
    if (max != 0 && max < len) len = max;
    auto* copy = static_cast<char*>(std::calloc(len + 1, 1));
    if (copy == nullptr) memory_allocation_failed();
    std::memcpy(copy, text, len);
    return copy;
}

void free_string(char* text) {
    std::free(text);
}

void copy_bounded(char* dest, const char* src, std::size_t n) {
    if (dest == nullptr || src == nullptr) return;
    std::size_t i = 0;
    for (; i < n && src[i] != '\0'; ++i)
        dest[i] = src[i];
    dest[i] = '\0';
}

namespace {
void change_case(char* text, std::size_t n, char from, char to, int delta) {
    if (text == nullptr) return;
    for (std::size_t i = 0; (n == 0 || i < n) && text[i] != '\0'; ++i)
        if (text[i] >= from && text[i] <= to) text[i] = static_cast<char>(text[i] + delta);
}
} // namespace

void to_upper_ascii(char* text, std::size_t n) {
    change_case(text, n, 'a', 'z', 'A' - 'a');
}
void to_lower_ascii(char* text, std::size_t n) {
    change_case(text, n, 'A', 'Z', 'a' - 'A');
}

std::string to_upper_ascii(std::string_view text) {
    std::string s(text);
    to_upper_ascii(s.data(), 0);
    return s;
}

std::string to_lower_ascii(std::string_view text) {
    std::string s(text);
    to_lower_ascii(s.data(), 0);
    return s;
}

std::string repeat_char(std::size_t n, char c) {
    return std::string(n, c);
}

std::string dup_prefix(std::string_view text, std::size_t n) {
    if (n == 0 || n > text.size()) return std::string(text);
    return std::string(text.substr(0, n));
}

std::string bounded(std::string_view text, std::size_t max) {
    return std::string(text.substr(0, std::min(max, text.size())));
}

char upper_ascii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower_ascii(a[i]) != lower_ascii(b[i])) return false;
    return true;
}

namespace {
constexpr std::string_view kBlanks = " \t\r";
} // namespace

std::string_view trim_blanks(std::string_view text) {
    std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

std::string_view trim_blanks_right(std::string_view text) {
    std::size_t end = text.find_last_not_of(kBlanks);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

int check_name(const char* text, std::string& message) {
    if (text == nullptr || *text == '\0') {
        message = "Empty name!";
        return 1;
    }
    return 0;
}

} // namespace zeph

#include <cstdarg>
#include <cstdio>

namespace zeph {
std::string format_text(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed));
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}
} // namespace zeph
