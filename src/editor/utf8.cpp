// Decoding UTF-8 sequences and the display columns of characters.
#include "editor/utf8.h"

namespace zped {

namespace {
bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
} // namespace

int utf8_sequence_length(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                 : lead >= 0xE0 && lead <= 0xEF ? 3
                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return 0;
    for (int i = 1; i < length; ++i)
        if (!continuation(byte(static_cast<std::size_t>(i)))) return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    unsigned char second = byte(1);
    if (lead == 0xE0 && second < 0xA0) return 0;
    if (lead == 0xED && second > 0x9F) return 0;
    if (lead == 0xF0 && second < 0x90) return 0;
    if (lead == 0xF4 && second > 0x8F) return 0;
    return length;
}

char32_t utf8_code_point(std::string_view text, std::size_t at) {
    int length = utf8_sequence_length(text, at);
    auto byte = [&](int i) {
        return static_cast<char32_t>(
            static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]));
    };
    switch (length) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
               (byte(3) & 0x3F);
    default:
        return 0xFFFD;
    }
}

int utf8_character_bytes(std::string_view text, std::size_t at) {
    int length = utf8_sequence_length(text, at);
    return length > 0 ? length : 1;
}

std::size_t utf8_previous_start(std::string_view text, std::size_t at) {
    // A valid sequence ending right before `at` starts at most three bytes further back.
    for (std::size_t back = 2; back <= 4 && back <= at; ++back)
        if (utf8_sequence_length(text, at - back) == static_cast<int>(back)) return at - back;
    return at - 1;
}

int code_point_columns(char32_t c) {
    // The wide and full-width blocks of East Asian scripts and the emoji pictographs.
    const char32_t wide[][2] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
        {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    for (const auto& range : wide)
        if (c >= range[0] && c <= range[1]) return 2;
    return 1;
}

} // namespace zped
