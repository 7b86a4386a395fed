// The SVG writer of the drawing interface.
#include "drawing/svg_canvas.h"

#include "drawing/palette.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zeph {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

void append_number(std::string& out, long long value) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    out.append(buffer, end);
}

void attribute(std::string& out, const char* name, long long value) {
    out += ' ';
    out += name;
    out += "=\"";
    append_number(out, value);
    out += '"';
}

void attribute(std::string& out, const char* name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    append_xml_text(out, value);
    out += '"';
}

// An attribute whose value needs no escaping (colours, keywords).
void raw_attribute(std::string& out, const char* name, std::string_view value) {
    out.append(" ").append(name).append("=\"").append(value).append("\"");
}

const std::string& hex(int colour) {
    static const std::array<std::string, kPaletteSize> texts = [] {
        std::array<std::string, kPaletteSize> t;
        for (int i = 0; i < kPaletteSize; ++i)
            t[static_cast<std::size_t>(i)] = colour_hex(palette_colour(i));
        return t;
    }();
    return texts[static_cast<std::size_t>(is_palette_colour(colour) ? colour : kPaletteSize - 1)];
}

bool plain_character(unsigned char c) {
    return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
}

// The length of the well-formed UTF-8 sequence of an XML character at the start of `text`,
// or 0 when the bytes there are no such sequence.
std::size_t utf8_sequence(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned long code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    bool not_character = code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF;
    return overlong || surrogate || not_character ? 0 : length;
}

} // namespace

void append_xml_text(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = i;
        while (run < text.size() && plain_character(static_cast<unsigned char>(text[run])))
            ++run;
        if (run != i) {
            out.append(text.substr(i, run - i));
            i = run;
            continue;
        }
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    out += c == '\t' ? " " : kReplacement;
                else
                    out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        if (std::size_t length = utf8_sequence(text.substr(i)); length != 0) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        out += "&#";
        append_number(out, c); // a Latin-1 character
        out += ';';
        ++i;
    }
}

SvgCanvas::SvgCanvas(int units_per_pixel) : units_per_pixel_(std::max(1, units_per_pixel)) {}

void SvgCanvas::indent() {
    out_.append(static_cast<std::size_t>(depth_) * 2, ' ');
}

void SvgCanvas::stroke(const Pen& pen) {
    raw_attribute(out_, "stroke", hex(pen.colour));
    attribute(out_, "stroke-width", std::max(0, pen.width));
}

void SvgCanvas::fill(std::optional<int> colour) {
    if (colour)
        raw_attribute(out_, "fill", hex(*colour));
    else
        raw_attribute(out_, "fill", "none");
}

void SvgCanvas::begin(const Box& extent, int background, std::string_view title) {
    long long left = std::min(extent.x1, extent.x2);
    long long top = std::min(extent.y1, extent.y2);
    long long width = std::max(1LL, static_cast<long long>(std::max(extent.x1, extent.x2)) - left);
    long long height = std::max(1LL, static_cast<long long>(std::max(extent.y1, extent.y2)) - top);
    out_.clear();
    depth_ = 0;
    patterns_ = 0;
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    attribute(out_, "width", (width + units_per_pixel_ - 1) / units_per_pixel_);
    attribute(out_, "height", (height + units_per_pixel_ - 1) / units_per_pixel_);
    out_ += " viewBox=\"";
    append_number(out_, left);
    out_ += ' ';
    append_number(out_, top);
    out_ += ' ';
    append_number(out_, width);
    out_ += ' ';
    append_number(out_, height);
    out_ += "\" font-family=\"sans-serif\" stroke-linecap=\"square\" xml:space=\"preserve\">\n";
    ++depth_;
    indent();
    out_ += "<title>";
    append_xml_text(out_, title);
    out_ += "</title>\n";
    indent();
    out_ += "<rect";
    attribute(out_, "x", left);
    attribute(out_, "y", top);
    attribute(out_, "width", width);
    attribute(out_, "height", height);
    raw_attribute(out_, "fill", hex(background));
    out_ += "/>\n";
}

void SvgCanvas::end() {
    while (depth_ > 1)
        end_layer();
    depth_ = 0;
    out_ += "</svg>\n";
}

void SvgCanvas::begin_layer(std::string_view name) {
    indent();
    out_ += "<g";
    attribute(out_, "id", name);
    out_ += ">\n";
    ++depth_;
}

void SvgCanvas::end_layer() {
    if (depth_ <= 1) return;
    --depth_;
    indent();
    out_ += "</g>\n";
}

void SvgCanvas::line(Point a, Point b, const Pen& pen) {
    indent();
    out_ += "<line";
    attribute(out_, "x1", a.x);
    attribute(out_, "y1", a.y);
    attribute(out_, "x2", b.x);
    attribute(out_, "y2", b.y);
    stroke(pen);
    out_ += "/>\n";
}

void SvgCanvas::rectangle(const Box& box, const Pen& pen, std::optional<int> colour) {
    long long left = std::min(box.x1, box.x2);
    long long top = std::min(box.y1, box.y2);
    indent();
    out_ += "<rect";
    attribute(out_, "x", left);
    attribute(out_, "y", top);
    attribute(out_, "width", static_cast<long long>(std::max(box.x1, box.x2)) - left);
    attribute(out_, "height", static_cast<long long>(std::max(box.y1, box.y2)) - top);
    fill(colour);
    stroke(pen);
    out_ += "/>\n";
}

void SvgCanvas::circle(Point centre, int radius, const Pen& pen, std::optional<int> colour) {
    indent();
    out_ += "<circle";
    attribute(out_, "cx", centre.x);
    attribute(out_, "cy", centre.y);
    attribute(out_, "r", std::max(0, radius));
    fill(colour);
    stroke(pen);
    out_ += "/>\n";
}

void SvgCanvas::polyline(std::span<const Point> points, const Pen& pen, bool closed,
                         std::optional<int> colour) {
    if (points.empty()) return;
    indent();
    out_ += closed ? "<polygon points=\"" : "<polyline points=\"";
    bool first = true;
    for (const Point& p : points) {
        if (!first) out_ += ' ';
        first = false;
        append_number(out_, p.x);
        out_ += ',';
        append_number(out_, p.y);
    }
    out_ += '"';
    fill(closed ? colour : std::nullopt);
    stroke(pen);
    out_ += "/>\n";
}

void SvgCanvas::text(Point at, std::string_view text, const TextStyle& style) {
    indent();
    out_ += "<text";
    attribute(out_, "x", at.x);
    attribute(out_, "y", at.y);
    attribute(out_, "font-size", std::max(1, style.size));
    raw_attribute(out_, "fill", hex(style.colour));
    if (style.anchor == TextAnchor::Middle) raw_attribute(out_, "text-anchor", "middle");
    if (style.anchor == TextAnchor::End) raw_attribute(out_, "text-anchor", "end");
    out_ += '>';
    append_xml_text(out_, text);
    out_ += "</text>\n";
}

void SvgCanvas::grid(const Box& area, int spacing, int colour) {
    if (spacing <= 0) return;
    int dot = std::max(8, spacing / 8) & ~1;
    std::string id = "grid" + std::to_string(++patterns_);
    indent();
    out_ += "<defs><pattern";
    attribute(out_, "id", id);
    out_ += " patternUnits=\"userSpaceOnUse\"";
    attribute(out_, "x", -dot / 2);
    attribute(out_, "y", -dot / 2);
    attribute(out_, "width", spacing);
    attribute(out_, "height", spacing);
    out_ += "><rect";
    attribute(out_, "width", dot);
    attribute(out_, "height", dot);
    raw_attribute(out_, "fill", hex(colour));
    out_ += "/></pattern></defs>\n";
    long long left = std::min(area.x1, area.x2);
    long long top = std::min(area.y1, area.y2);
    indent();
    out_ += "<rect";
    attribute(out_, "x", left - dot / 2);
    attribute(out_, "y", top - dot / 2);
    attribute(out_, "width", static_cast<long long>(std::max(area.x1, area.x2)) - left + dot);
    attribute(out_, "height", static_cast<long long>(std::max(area.y1, area.y2)) - top + dot);
    attribute(out_, "fill", "url(#" + id + ")");
    out_ += "/>\n";
}

} // namespace zeph
