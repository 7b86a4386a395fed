// UTF-8 in edit buffers: lines hold bytes, shown and moved over as characters. A byte that does
// not start a valid sequence counts as one character of its own, so invalid text is shown and
// kept byte for byte. Columns stay byte indices; only movement and display look at characters.
#pragma once

#include <string_view>

namespace zped {

// Length of the valid UTF-8 sequence that starts at `at` (1 for ASCII), or 0 when the byte there
// does not start one (a stray continuation byte, a bad lead byte, an overlong form, a surrogate,
// a sequence cut short).
int utf8_sequence_length(std::string_view text, std::size_t at);

// The code point of the valid sequence at `at`; meaningful only when its length is not 0.
char32_t utf8_code_point(std::string_view text, std::size_t at);

// Bytes of the character at `at`: its sequence length, or 1 for an invalid byte.
int utf8_character_bytes(std::string_view text, std::size_t at);

// The start of the character before byte `at` (at > 0).
std::size_t utf8_previous_start(std::string_view text, std::size_t at);

// Columns a code point takes on a terminal: 2 for East Asian wide and full-width characters,
// which terminals draw in two cells, else 1.
int code_point_columns(char32_t code_point);

} // namespace zped
