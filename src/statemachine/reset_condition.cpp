// Reading a reset condition.
#include "statemachine/reset_condition.h"

#include "design/name_limits.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {

constexpr std::size_t kMaxResetValue = 16;

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

void skip_blanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
}

// The value as written back, and whether it is a low level; nothing when illegal.
std::optional<std::string> reset_value(std::string_view value, bool& low) {
    if (value.empty() || value.size() > kMaxResetValue) return std::nullopt;
    if (value == "'0'" || value == "'1'") {
        low = value == "'0'";
        return std::string(value);
    }
    std::string word = to_lower_ascii(value);
    if (word == "false" || word == "true") {
        low = word == "false";
        return std::string(value);
    }
    std::string number(value);
    int level = 0;
    if (!normalise_integer(number, &level)) return std::nullopt;
    low = level == 0;
    return number;
}

} // namespace

std::optional<ResetCondition> parse_reset_condition(std::string_view text, int rules,
                                                    bool verilog) {
    std::size_t at = 0;
    skip_blanks(text, at);
    std::size_t start = at;
    if (at >= text.size() || !is_letter(text[at])) return std::nullopt;
    while (at < text.size() && (is_letter(text[at]) || is_digit(text[at]) || text[at] == '_'))
        ++at;
    ResetCondition condition;
    condition.signal = std::string(text.substr(start, at - start));
    if (condition.signal.size() > kMaxHdlName || reserved_word_code(condition.signal, rules) != 0)
        return std::nullopt;
    skip_blanks(text, at);
    if (at >= text.size() || text[at] != '=') return std::nullopt;
    ++at;
    if (verilog && at < text.size() && text[at] == '=') ++at;
    skip_blanks(text, at);
    std::size_t end = text.size();
    while (end > at && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    std::optional<std::string> value = reset_value(text.substr(at, end - at), condition.active_low);
    if (!value) return std::nullopt;
    condition.value = *value;
    condition.text = condition.signal + (verilog ? "==" : "=") + condition.value;
    return condition;
}

} // namespace zeph
