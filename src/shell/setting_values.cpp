// Parsing and writing the value forms of settings files.
#include "shell/setting_values.h"

#include "foundation/strings.h"

#include <climits>

namespace zeph {

namespace {
// A signed decimal number at the start of text; `used` receives the characters it took.
std::optional<int> leading_integer(std::string_view text, std::size_t& used) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t digits_from = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    if (i == digits_from) return std::nullopt;
    used = i;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> parse_integer(std::string_view text) {
    text = trim_blanks(text);
    std::size_t used = 0;
    std::optional<int> value = leading_integer(text, used);
    if (!value || used != text.size()) return std::nullopt;
    return value;
}

int clamp_to(int value, int min, int max) {
    return value < min ? min : value > max ? max : value;
}

std::optional<bool> parse_flag(std::string_view text) {
    text = trim_blanks(text);
    if (equal_ignoring_case(text, "yes") || equal_ignoring_case(text, "true")) return true;
    if (equal_ignoring_case(text, "no") || equal_ignoring_case(text, "false")) return false;
    if (std::optional<int> n = parse_integer(text)) return *n != 0;
    return std::nullopt;
}

const char* flag_text(bool on) {
    return on ? "yes" : "no";
}

std::optional<WindowRect> parse_rect(std::string_view text) {
    text = trim_blanks(text);
    int values[4];
    std::size_t pos = 0;
    for (int k = 0; k < 4; ++k) {
        if (k > 0) {
            if (pos >= text.size()) return std::nullopt;
            ++pos; // the one separator character
        }
        std::size_t used = 0;
        std::optional<int> v = leading_integer(text.substr(pos), used);
        if (!v) return std::nullopt;
        values[k] = *v;
        pos += used;
    }
    if (pos != text.size()) return std::nullopt;
    return WindowRect{values[0], values[1], values[2], values[3]};
}

std::string rect_text(const WindowRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) +
           "," + std::to_string(r.height);
}

WindowRect fit_to_screen(WindowRect rect, ScreenSize screen) {
    if (rect.left < 0 || rect.top < 0 || rect.left >= screen.width || rect.top >= screen.height) {
        rect.left = 0;
        rect.top = 0;
    }
    if (rect.width < 61) rect.width = 60;
    if (rect.height < 61) rect.height = 60;
    return rect;
}

} // namespace zeph
