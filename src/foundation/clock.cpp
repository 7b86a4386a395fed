// Clock with a fixed-time override (SOURCE_DATE_EPOCH, tests) and calendar texts.
#include "foundation/clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace zeph {

namespace {
std::optional<std::time_t> g_fixed;

std::optional<std::time_t> source_date_epoch() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (text == nullptr || *text == '\0') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < 0) return std::nullopt;
    return static_cast<std::time_t>(value);
}

std::optional<std::time_t> fixed_time() {
    if (g_fixed) return g_fixed;
    return source_date_epoch();
}

const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
} // namespace

std::time_t clock_now() {
    if (auto t = fixed_time()) return *t;
    return std::time(nullptr);
}

void set_fixed_clock(std::optional<std::time_t> when) { g_fixed = when; }

std::tm clock_tm() {
    std::time_t t = clock_now();
    std::tm tm{};
    if (fixed_time())
        gmtime_r(&t, &tm);
    else
        localtime_r(&t, &tm);
    return tm;
}

std::string date_time_now() {
    std::tm tm = clock_tm();
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s %2d %02d:%02d:%02d %d", kDays[tm.tm_wday % 7],
                  kMonths[tm.tm_mon % 12], tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  1900 + tm.tm_year);
    return text;
}

std::string date_today() {
    std::tm tm = clock_tm();
    char text[32];
    std::snprintf(text, sizeof text, "%.3s %2d %d", kMonths[tm.tm_mon % 12], tm.tm_mday,
                  1900 + tm.tm_year);
    return text;
}

} // namespace zeph
