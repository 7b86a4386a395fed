// The print settings of section "Print": the printer, the left margin and font size, what the
// page header holds, line numbers, wrapping, and printing in the language's colours and
// typefaces; and where pages go as a PDF file when no printer is reachable.
#pragma once

#include <string>

namespace zped {

class Settings;

inline constexpr std::size_t kMaxPrintDestination = 255;
inline constexpr std::size_t kMaxPrintNumber = 2; // characters of LeftMargin and FontSize

struct PrintSettings {
    std::string destination; // PrintDestination: a CUPS destination; empty: the default printer
    std::string left_margin = "8"; // in characters
    std::string font_size = "10";  // in points
    bool file_in_header = true;
    bool date_in_header = true;
    bool line_numbers = true;
    bool wrap_lines = true;
    bool syntax = true;
    bool color = true;
    // PdfDirectory: where the PDF file of a job goes when it cannot be printed, as written in
    // the settings (path variables expanded when used); empty: beside the printed file.
    std::string pdf_directory;
    // Chosen in the Print dialog for the jobs of this run; not stored.
    bool landscape = false;

    void load(const Settings& settings);
    void save(Settings& settings) const;

    // The numbers as printing uses them, within sensible bounds.
    int left_margin_chars() const;
    double font_points() const;
};

} // namespace zped
