// The error parsers of the compilers that zped runs.
#include "editor/error_parsers.h"

namespace zped {

namespace {

// Line numbers beyond this are no line numbers (a text file of the editor never gets there).
constexpr long kLargestLine = 100000000;

bool is_digit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The decimal number at `pos`; nothing when no digit stands there or it is out of range.
std::optional<int> number_at(std::string_view text, std::size_t pos, std::size_t* end = nullptr) {
    long value = 0;
    std::size_t i = pos;
    while (i < text.size() && is_digit(text[i])) {
        value = value * 10 + (text[i] - '0');
        if (value > kLargestLine) return std::nullopt;
        ++i;
    }
    if (i == pos || value == 0) return std::nullopt;
    if (end) *end = i;
    return static_cast<int>(value);
}

std::optional<ReportedLine> vsystem(std::string_view text) {
    if (!starts_with(text, "######") && !starts_with(text, "ERROR:")) return std::nullopt;
    std::size_t paren = text.find('(');
    if (paren == std::string_view::npos) return std::nullopt;
    auto line = number_at(text, paren + 1);
    if (!line) return std::nullopt;
    return ReportedLine{*line, contains(text, "Warning")};
}

std::optional<ReportedLine> leonardo(std::string_view text, std::string_view file) {
    if (!starts_with(text, "\"") || file.empty()) return std::nullopt;
    std::size_t name = text.find(file);
    if (name == std::string_view::npos) return std::nullopt;
    std::size_t at = text.find("line ", name + file.size());
    if (at == std::string_view::npos) return std::nullopt;
    auto line = number_at(text, at + 5);
    if (!line) return std::nullopt;
    return ReportedLine{*line, contains(text, "Warning")};
}

// "FILE:LINE:" with an optional "COLUMN:" after it, at the start of text. The message that
// follows is left in `rest`.
struct Location {
    std::string_view file;
    int line = 0;
    std::string_view rest;
};

std::optional<Location> location(std::string_view text) {
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos;
         colon = text.find(':', colon + 1)) {
        if (colon == 0) continue;
        std::size_t end = 0;
        auto line = number_at(text, colon + 1, &end);
        if (!line || end >= text.size() || text[end] != ':') continue;
        std::size_t rest = end + 1;
        std::size_t column_end = 0;
        if (number_at(text, rest, &column_end) && column_end < text.size() &&
            text[column_end] == ':')
            rest = column_end + 1;
        return Location{text.substr(0, colon), *line, text.substr(rest)};
    }
    return std::nullopt;
}

bool same_file(std::string_view reported, std::string_view file) {
    while (starts_with(reported, "./"))
        reported.remove_prefix(2);
    return !file.empty() && reported == file;
}

std::string_view skip_blanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::optional<ReportedLine> ghdl_or_icarus(std::string_view text, std::string_view file) {
    auto at = location(text);
    if (!at || !same_file(at->file, file)) return std::nullopt;
    return ReportedLine{at->line, starts_with(skip_blanks(at->rest), "warning:")};
}

std::optional<ReportedLine> verilator(std::string_view text, std::string_view file) {
    bool warning = starts_with(text, "%Warning");
    if (!warning && !starts_with(text, "%Error")) return std::nullopt;
    std::size_t space = text.find(": ");
    if (space == std::string_view::npos) return std::nullopt;
    auto at = location(text.substr(space + 2));
    if (!at || !same_file(at->file, file)) return std::nullopt;
    return ReportedLine{at->line, warning};
}

} // namespace

std::optional<ReportedLine> parse_result_line(ErrorParser parser, std::string_view text,
                                              std::string_view compiled_file) {
    switch (parser) {
    case ErrorParser::None:
        return std::nullopt;
    case ErrorParser::Vsystem:
        return vsystem(text);
    case ErrorParser::Leonardo:
        return leonardo(text, compiled_file);
    case ErrorParser::Ghdl:
    case ErrorParser::Icarus:
        return ghdl_or_icarus(text, compiled_file);
    case ErrorParser::Verilator:
        return verilator(text, compiled_file);
    }
    return std::nullopt;
}

} // namespace zped
