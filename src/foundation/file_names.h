// File-name routines. Names stored in design files may use "\" or "/"; both separate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

bool is_separator(char ch);

// Removes one trailing separator.
std::string strip_separator(std::string_view path);

// The part after the last ":", "/" or "\".
std::string file_part(std::string_view path);

// file_part cut at its first "."; nullopt when the name is empty, when nothing follows the
// last separator, or when the name part is longer than 29 characters.
std::optional<std::string> file_stem(std::string_view path);

// Longest name part file_stem accepts.
inline constexpr std::size_t kMaxStemSource = 29;

} // namespace zeph
