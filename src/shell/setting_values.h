// The value forms of settings files: decimal integers clamped into a range, flags, and
// rectangles.
#pragma once

#include "shell/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// A decimal integer making up the whole (trimmed) text, with an optional sign; values beyond
// the range of int saturate, so that clamping still gives the nearest bound.
std::optional<int> parse_integer(std::string_view text);
int clamp_to(int value, int min, int max);

// "yes", "true" or a non-zero number: on; "no", "false" or 0: off; anything else: nullopt.
std::optional<bool> parse_flag(std::string_view text);
const char* flag_text(bool on); // "yes" / "no"

// Four integers with any one separator character between them ("%d,%d,%d,%d").
std::optional<WindowRect> parse_rect(std::string_view text);
std::string rect_text(const WindowRect& rect);

// The extent of the screen that window rectangles are checked against.
struct ScreenSize {
    int width = 1920;
    int height = 1080;
};
// A rectangle whose corner lies outside the screen moves to 0, 0; a width or height below 61
// becomes 60.
WindowRect fit_to_screen(WindowRect rect, ScreenSize screen);

} // namespace zeph
