// Drawing laid-out pages on Cairo's PDF surface. Every cell of the monospace font has the same
// advance, so a span's place is its column times the cell width.
#include "editor/pdf_pages.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace zped {

namespace {

// A4 in points, and the border around the printed area.
constexpr double kPageWidth = 595.28;
constexpr double kPageHeight = 841.89;
constexpr double kBorder = 36;
constexpr double kLineSpacing = 1.2;
// The header takes two lines: its own and the gap with the rule.
constexpr int kHeaderLines = 2;
constexpr double kShade = 245.0 / 255.0;
constexpr const char* kFontFamily = "monospace";

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

double page_width(const PdfPageStyle& s) {
    return s.landscape ? kPageHeight : kPageWidth;
}
double page_height(const PdfPageStyle& s) {
    return s.landscape ? kPageWidth : kPageHeight;
}

void set_font(cairo_t* cr, const PdfPageStyle& style, int typeface) {
    cairo_select_font_face(
        cr, kFontFamily,
        (typeface & kPrintItalic) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        (typeface & kPrintBold) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.font_points);
    // Unhinted metrics: the cells measured for the layout are the cells drawn on the page.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double cell_width(cairo_t* cr, const PdfPageStyle& style) {
    set_font(cr, style, 0);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "M", &extents);
    return extents.x_advance > 0 ? extents.x_advance : style.font_points * 0.6;
}

double line_height(const PdfPageStyle& style) {
    return style.font_points * kLineSpacing;
}

double left_edge(const PdfPageStyle& style, double cell) {
    return kBorder + style.left_margin_chars * cell;
}

PageFrame frame_for(const PdfPageStyle& style, double cell) {
    PageFrame frame;
    double width = page_width(style) - left_edge(style, cell) - kBorder;
    double height = page_height(style) - 2 * kBorder;
    frame.columns = std::max(8, static_cast<int>(width / cell));
    frame.rows = std::max(1, static_cast<int>(height / line_height(style)) - kHeaderLines);
    return frame;
}

void show_text(cairo_t* cr, double x, double baseline, const std::string& text) {
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
}

void draw_header(cairo_t* cr, const PrintedDocument& doc, const PrintedPage& page,
                 const PdfPageStyle& style, double cell) {
    double left = left_edge(style, cell);
    double right = left + doc.frame.columns * cell;
    double baseline = kBorder + style.font_points;
    set_font(cr, style, kPrintBold);
    cairo_set_source_rgb(cr, 0, 0, 0);
    if (!page.header_left.empty()) show_text(cr, left, baseline, page.header_left);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, page.header_right.c_str(), &extents);
    show_text(cr, right - extents.x_advance, baseline, page.header_right);
    double rule = kBorder + line_height(style) * 1.4;
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, left, rule);
    cairo_line_to(cr, right, rule);
    cairo_stroke(cr);
}

void draw_rows(cairo_t* cr, const PrintedDocument& doc, const PrintedPage& page,
               const PdfPageStyle& style, double cell) {
    double left = left_edge(style, cell);
    double top = kBorder + kHeaderLines * line_height(style);
    double text_left = left + doc.number_columns * cell;
    if (doc.number_columns > 0 && !page.rows.empty()) {
        cairo_set_source_rgb(cr, kShade, kShade, kShade);
        cairo_rectangle(cr, left, top, (doc.number_columns - 1) * cell + cell / 2,
                        static_cast<double>(page.rows.size()) * line_height(style));
        cairo_fill(cr);
    }
    for (std::size_t r = 0; r < page.rows.size(); ++r) {
        const PrintedRow& row = page.rows[r];
        double baseline = top + static_cast<double>(r) * line_height(style) + style.font_points;
        if (doc.number_columns > 0 && row.number > 0) {
            std::string number = std::to_string(row.number);
            set_font(cr, style, 0);
            cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
            double width = static_cast<double>(doc.number_columns - 1) * cell;
            show_text(cr, left + width - static_cast<double>(number.size()) * cell, baseline,
                      number);
        }
        for (const PrintedSpan& span : row.spans) {
            set_font(cr, style, span.typeface);
            const Colour& c = style.colour ? span.colour : Colour{};
            cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
            double x = text_left + span.column * cell;
            show_text(cr, x, baseline, span.text);
            if (span.typeface & kPrintUnderlined) {
                double end = 0, unused = 0;
                cairo_get_current_point(cr, &end, &unused);
                cairo_set_line_width(cr, std::max(0.5, style.font_points / 16));
                cairo_move_to(cr, x, baseline + 1.5);
                cairo_line_to(cr, end, baseline + 1.5);
                cairo_stroke(cr);
            }
        }
    }
}

// Cairo and fontconfig keep the fonts of a job in caches of their own; a print job is rare, so
// they are emptied after each one rather than held for the rest of the session.
void release_font_caches() {
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace

PageFrame pdf_page_frame(const PdfPageStyle& style) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    Context cr(cairo_create(surface.get()));
    PageFrame frame = frame_for(style, cell_width(cr.get(), style));
    cr.reset();
    surface.reset();
    release_font_caches();
    return frame;
}

bool write_pdf(const PrintedDocument& document, const PdfPageStyle& style, const std::string& path,
               std::string& problem) {
    Surface surface(cairo_pdf_surface_create(path.c_str(), page_width(style), page_height(style)));
    Context cr(cairo_create(surface.get()));
    double cell = cell_width(cr.get(), style);
    for (const PrintedPage& page : document.pages) {
        draw_header(cr.get(), document, page, style, cell);
        draw_rows(cr.get(), document, page, style, cell);
        cairo_show_page(cr.get());
    }
    cr.reset();
    cairo_surface_finish(surface.get());
    cairo_status_t status = cairo_surface_status(surface.get());
    surface.reset();
    release_font_caches();
    if (status != CAIRO_STATUS_SUCCESS) {
        problem = cairo_status_to_string(status);
        return false;
    }
    return true;
}

} // namespace zped
