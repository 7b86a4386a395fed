// Reading and writing section "Print".
#include "editor/print_settings.h"

#include "editor/settings.h"
#include "foundation/strings.h"

#include <algorithm>
#include <cstdlib>

namespace zped {

namespace {
int number_of(const std::string& text, int fallback, int low, int high) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str()) return fallback;
    return static_cast<int>(std::clamp<long>(value, low, high));
}
} // namespace

void PrintSettings::load(const Settings& s) {
    destination =
        zeph::bounded(s.read_string("Print", "PrintDestination", ""), kMaxPrintDestination);
    left_margin = zeph::bounded(s.read_string("Print", "LeftMargin", "8"), kMaxPrintNumber);
    font_size = zeph::bounded(s.read_string("Print", "FontSize", "10"), kMaxPrintNumber);
    file_in_header = s.read_bool("Print", "FileInHeader", true);
    date_in_header = s.read_bool("Print", "DateInHeader", true);
    line_numbers = s.read_bool("Print", "LineNumbers", true);
    wrap_lines = s.read_bool("Print", "WrapLines", true);
    syntax = s.read_bool("Print", "Syntax", true);
    color = s.read_bool("Print", "Color", true);
    pdf_directory = s.read_string("Print", "PdfDirectory", "");
}

void PrintSettings::save(Settings& s) const {
    s.write_string("Print", "PrintDestination", destination);
    s.write_string("Print", "LeftMargin", left_margin);
    s.write_string("Print", "FontSize", font_size);
    s.write_bool("Print", "FileInHeader", file_in_header);
    s.write_bool("Print", "DateInHeader", date_in_header);
    s.write_bool("Print", "LineNumbers", line_numbers);
    s.write_bool("Print", "WrapLines", wrap_lines);
    s.write_bool("Print", "Syntax", syntax);
    s.write_bool("Print", "Color", color);
    if (!pdf_directory.empty() || !s.read_string("Print", "PdfDirectory", "").empty())
        s.write_string("Print", "PdfDirectory", pdf_directory);
}

int PrintSettings::left_margin_chars() const {
    return number_of(left_margin, 8, 0, 40);
}

double PrintSettings::font_points() const {
    return number_of(font_size, 10, 4, 72);
}

} // namespace zped
