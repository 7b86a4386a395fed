// Reset conditions: the first byte chooses the name rules and the language, the rest is the
// text. An accepted condition is written back in a form that reads again to the same signal,
// value and level, and is its own rewrite.
#include "statemachine/reset_condition.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {
void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "reset_condition_fuzz: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    int rules = 1 + data[0] % 3;
    bool verilog = (data[0] & 4) != 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::optional<zeph::ResetCondition> condition =
        zeph::parse_reset_condition(text, rules, verilog);
    if (!condition) return 0;
    check(condition->text.find(' ') == std::string::npos, "blanks in the rewritten text");
    std::optional<zeph::ResetCondition> again =
        zeph::parse_reset_condition(condition->text, rules, verilog);
    check(again.has_value(), "the rewritten text is not a reset condition");
    check(again->signal == condition->signal && again->value == condition->value &&
              again->active_low == condition->active_low,
          "the rewritten text reads differently");
    check(again->text == condition->text, "the rewrite is not its own rewrite");
    return 0;
}
