// The drawing interface the diagram renderer draws through: lines, rectangles, circles,
// polylines and texts in sheet units, coloured by the numbers 0 to 15 of the program's palette.
// The SVG writer implements it; a window or a printer can implement it the same way.
#pragma once

#include "design/geometry.h"

#include <optional>
#include <span>
#include <string_view>

namespace zeph {

// A colour number of the palette (0 to 15) and a line width in sheet units.
struct Pen {
    int colour = 15;
    int width = 8;
    bool operator==(const Pen&) const = default;
};

// Where a text line sits horizontally against its point: it starts there, is centred on it,
// or ends there. The point's y is the line's baseline.
enum class TextAnchor { Start, Middle, End };

struct TextStyle {
    int colour = 15;
    int size = 96; // height of the font in sheet units
    TextAnchor anchor = TextAnchor::Start;
    bool operator==(const TextStyle&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // A picture of the area `extent` on a background colour; `title` names what it shows.
    virtual void begin(const Box& extent, int background, std::string_view title) = 0;
    virtual void end() = 0;

    // Named groups of drawing elements (the layers of a diagram); they nest.
    virtual void begin_layer(std::string_view name) = 0;
    virtual void end_layer() = 0;

    virtual void line(Point a, Point b, const Pen& pen) = 0;
    // A rectangle from its corners (in any order), outlined and optionally filled.
    virtual void rectangle(const Box& box, const Pen& pen, std::optional<int> fill) = 0;
    virtual void circle(Point centre, int radius, const Pen& pen, std::optional<int> fill) = 0;
    // An open polyline, or a closed polygon that may be filled.
    virtual void polyline(std::span<const Point> points, const Pen& pen, bool closed,
                          std::optional<int> fill) = 0;
    // One line of text; the point is on its baseline.
    virtual void text(Point at, std::string_view text, const TextStyle& style) = 0;
    // Dots of one colour at every multiple of the spacing inside the area.
    virtual void grid(const Box& area, int spacing, int colour) = 0;

    // Whether a text of this height (sheet units) can be read at the picture's scale; a
    // painter leaves out the labels that cannot, without laying them out.
    virtual bool legible(int /*text_size*/) const { return true; }
};

} // namespace zeph
