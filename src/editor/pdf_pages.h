// Printed pages as a PDF file, drawn with Cairo in a monospace font found through fontconfig:
// the header line with a rule below it, the shaded line number column, and the text in its
// colours and typefaces.
#pragma once

#include "editor/print_pages.h"

#include <string>

namespace zped {

struct PdfPageStyle {
    double font_points = 10;
    int left_margin_chars = 8;
    bool landscape = false;
    bool colour = true; // false: every span in black, typefaces kept
};

// The character cells that fit on a page (A4) in this style, below the header.
PageFrame pdf_page_frame(const PdfPageStyle& style);

// Writes the document to `path`; false with the reason in `problem` when Cairo cannot.
bool write_pdf(const PrintedDocument& document, const PdfPageStyle& style, const std::string& path,
               std::string& problem);

} // namespace zped
