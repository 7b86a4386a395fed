// Comment prefixes, separator lines and line-by-line texts of the generated files.
#include "hdl/netlist_text.h"

#include "design/sheet.h"

#include <string>

namespace zeph {

namespace {
constexpr int kSeparatorLength = 75;
} // namespace

const char* comment_prefix(int language) {
    return language == 2 ? "// " : "-- ";
}
const char* bare_comment_prefix(int language) {
    return language == 2 ? "//" : "--";
}

void write_separator(std::ostream& out, int language, bool leading) {
    if (leading) out << '\n';
    out << std::string(kSeparatorLength, language == 2 ? '/' : '-') << '\n';
}

void write_text(std::ostream& out, std::string_view text, const char* prefix, int indent) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (indent > 0) out << std::string(static_cast<std::size_t>(indent), ' ');
        if (prefix != nullptr) out << prefix;
        out << line << '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

void write_comment_text(std::ostream& out, std::string_view text, int language) {
    write_text(out, text, comment_prefix(language), 0);
}

void write_free_texts(std::ostream& out, const Sheet& sheet, int language) {
    for (const auto& label : sheet.texts)
        write_comment_text(out, label.text, language);
}

} // namespace zeph
