// Small string routines shared by the whole program: bounded duplicates and copies, ASCII
// case changes and comparisons, trimming and repeated characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeph {

// The "s" of a plural noun after a count.
inline const char* plural_s(long long count) {
    return count == 1 ? "" : "s";
}

// New zero-filled string holding at most `max` characters of `text` (all of it when max is 0
// or longer than the text); null for a null text. Release with free_string.
char* dup_string(const char* text, std::size_t max);
void free_string(char* text);

// Copies n characters and terminates dest; nothing when either pointer is null.
void copy_bounded(char* dest, const char* src, std::size_t n);

// In place, only a-z / A-Z change; n of 0 means the whole string.
void to_upper_ascii(char* text, std::size_t n);
void to_lower_ascii(char* text, std::size_t n);
std::string to_upper_ascii(std::string_view text);
std::string to_lower_ascii(std::string_view text);
char upper_ascii(char c);
char lower_ascii(char c);

// Equal apart from the case of ASCII letters: how settings keys, synthesis tool names and
// keywords of case-blind languages are compared.
bool equal_ignoring_case(std::string_view a, std::string_view b);

// The text without blanks, tabs and carriage returns at either end (or only at its end).
std::string_view trim_blanks(std::string_view text);
std::string_view trim_blanks_right(std::string_view text);

std::string repeat_char(std::size_t n, char c);

// The first n characters (all when n is 0 or longer than the text).
std::string dup_prefix(std::string_view text, std::size_t n);

// At most `max` characters of text: how every bounded name field is assigned.
std::string bounded(std::string_view text, std::size_t max);

// Returns 1 and leaves "Empty name!" in `message` when text is null or empty.
int check_name(const char* text, std::string& message);

} // namespace zeph

namespace zeph {
// printf into a std::string.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));
} // namespace zeph
