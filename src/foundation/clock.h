// The one clock of the program. Time stamps in generated text, lock files and design files
// come from here, so that SOURCE_DATE_EPOCH (seconds since 1970, UTC) fixes them for
// reproducible output, and tests can fix them too.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace zeph {

std::time_t clock_now();

// Fixes the clock (tests); nullopt returns to the real clock.
void set_fixed_clock(std::optional<std::time_t> when);

// "Mmm dd yyyy": the 24-character calendar text without weekday and time.
std::string date_today();

// "Www Mmm dd hh:mm:ss yyyy": the 24-character calendar text without the line end.
std::string date_time_now();

// Broken-down time of clock_now(): local time, or UTC when the time is fixed.
std::tm clock_tm();

} // namespace zeph
