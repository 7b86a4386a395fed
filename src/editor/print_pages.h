// The pages of a printed text, in character cells: each page has a header line (the file name at
// the left; the date and the page number at the right) and rows of text, each row with its line
// number (a shaded column) and its text in styled spans. Long lines are wrapped onto further
// rows or cut at the right margin. Drawing the pages is the printer's part (pdf_pages.h).
#pragma once

#include "editor/settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

// Printer typeface bits.
inline constexpr int kPrintBold = 1;
inline constexpr int kPrintItalic = 2;
inline constexpr int kPrintUnderlined = 4;

// A run of a line in one colour and typeface (start and length in bytes).
struct StyledRun {
    int start = 0;
    int length = 0;
    Colour colour;
    int typeface = 0;
};
// Splits a line into styled runs covering it; how the language colours it, or one plain run.
using LineStyler = std::function<void(std::string_view line, std::vector<StyledRun>& runs)>;

// Character cells of a page: columns of a row from the left margin, and rows below the header.
struct PageFrame {
    int columns = 80;
    int rows = 60;
};

struct PageText {
    std::string file_name; // shown at the left of the header when not empty
    std::string date;      // shown before the page number when not empty
    bool line_numbers = true;
    bool wrap_lines = true;
    int tab_size = 4;
};

struct PrintedSpan {
    int column = 0; // cell where the span starts, after the number column
    std::string text;
    Colour colour;
    int typeface = 0;
};

struct PrintedRow {
    int number = 0; // line number; 0 on a row that continues a wrapped line
    std::vector<PrintedSpan> spans;
};

struct PrintedPage {
    int number = 1;
    std::string header_left;
    std::string header_right;
    std::vector<PrintedRow> rows;
};

struct PrintedDocument {
    PageFrame frame;
    int number_columns = 0; // cells of the line number column (digits and a blank), 0 without
    std::vector<PrintedPage> pages;
};

// "Page:%d", after the date and three blanks when there is a date.
std::string header_right_text(const std::string& date, int page);

// Lays out the lines, numbered from first_number on. There is always at least one page.
PrintedDocument lay_out_pages(const std::vector<std::string_view>& lines, int first_number,
                              const PageText& text, PageFrame frame, const LineStyler& styler);

} // namespace zped
