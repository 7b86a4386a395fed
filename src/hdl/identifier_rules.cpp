// Identifier legality, reserved words, name equality, integer values and state-code characters.
#include "hdl/identifier_rules.h"

#include "foundation/strings.h"
#include "hdl/vhdl_keywords.h"

#include <cstdint>
#include <string>

namespace zeph {

namespace {

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_high(char c) {
    return static_cast<unsigned char>(c) > 127;
}

} // namespace

bool is_vhdl_identifier(std::string_view name) {
    if (name.empty() || !is_letter(name[0])) return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        char c = name[i];
        if (is_letter(c) || is_digit(c)) continue;
        bool underscore_before_alnum =
            c == '_' && i + 1 < name.size() && (is_letter(name[i + 1]) || is_digit(name[i + 1]));
        if (!underscore_before_alnum) return false;
    }
    return true;
}

bool is_verilog_identifier(std::string_view name) {
    if (name.empty() || !(is_letter(name[0]) || name[0] == '_')) return false;
    for (char c : name.substr(1))
        if (!(is_letter(c) || is_digit(c) || c == '_' || c == '$')) return false;
    return true;
}

int reserved_word_code(std::string_view name, int rules) {
    if ((rules & kRulesVhdl) != 0) {
        if (is_vhdl_reserved(name)) return 40;
        if (is_vhdl93_reserved(name)) return 41;
    }
    if ((rules & kRulesVerilog) != 0 && is_verilog_reserved(name)) return 42;
    return 0;
}

int check_identifier(std::string_view name, std::size_t max_length, int rules) {
    if ((rules & kRulesVhdl) != 0 && !is_vhdl_identifier(name)) return 45;
    if ((rules & kRulesVerilog) != 0 && !is_verilog_identifier(name)) return 47;
    if (max_length != 0 && name.size() > max_length) return 45;
    return reserved_word_code(name, rules);
}

bool names_equal(std::string_view a, std::string_view b, int rules) {
    if ((rules & kRulesVerilog) != 0) return a == b;
    return equal_ignoring_case(a, b);
}

bool normalise_integer(std::string& text, int* value) {
    enum class ReadState { Start, Digits, AfterUnderscore, AfterNumber };
    ReadState state = ReadState::Start;
    bool negative = false;
    int open = 0;
    std::string digits;
    for (char c : text) {
        if (is_high(c)) return false;
        switch (state) {
        case ReadState::Start:
            if (c == ' ' || c == '+') {
            } else if (c == '-') {
                negative = !negative;
            } else if (c == '(') {
                ++open;
            } else if (is_digit(c)) {
                digits += c;
                state = ReadState::Digits;
            } else {
                return false;
            }
            break;
        case ReadState::Digits:
            if (is_digit(c)) {
                digits += c;
            } else if (c == '_') {
                state = ReadState::AfterUnderscore;
            } else if (c == ' ') {
                state = ReadState::AfterNumber;
            } else if (c == ')' && open > 0) {
                --open;
                state = ReadState::AfterNumber;
            } else {
                return false;
            }
            break;
        case ReadState::AfterUnderscore:
            if (!is_digit(c)) return false;
            digits += c;
            state = ReadState::Digits;
            break;
        case ReadState::AfterNumber:
            if (c == ' ') {
            } else if (c == ')' && open > 0) {
                --open;
            } else {
                return false;
            }
            break;
        }
    }
    if ((state != ReadState::Digits && state != ReadState::AfterNumber) || open != 0) return false;

    // The digits must read back exactly: no leading zeros, no "-0", nothing out of range.
    std::string signed_digits = (negative ? "-" : "") + digits;
    if (digits.size() > 10) return false;
    std::int64_t wide = std::stoll(signed_digits);
    if (wide < INT32_MIN || wide > INT32_MAX) return false;
    if (std::to_string(wide) != signed_digits) return false;
    text = signed_digits;
    if (value != nullptr) *value = static_cast<int>(wide);
    return true;
}

bool state_code_is_illegal(std::string_view text, bool strict, int rules) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return false;
    for (char c : text.substr(i)) {
        if (c == '0' || c == '1') continue;
        if (c == 'X' && (rules & kRulesVerilog) != 0) continue;
        if ((c == 'X' || c == '-') && (rules & kRulesVhdl) != 0 && !strict) continue;
        return true;
    }
    return false;
}

} // namespace zeph
