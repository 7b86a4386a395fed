// The drawing interface written as an SVG document. Coordinates stay in sheet units (the
// view box); the document's width and height are the extent divided by the units per pixel.
// Texts are escaped for XML, and bytes that are not UTF-8 are taken as Latin-1, so every
// document is well-formed whatever the design's texts hold.
#pragma once

#include "drawing/canvas.h"

#include <string>

namespace zeph {

inline constexpr int kSvgUnitsPerPixel = 8;

class SvgCanvas : public Canvas {
  public:
    explicit SvgCanvas(int units_per_pixel = kSvgUnitsPerPixel);

    void begin(const Box& extent, int background, std::string_view title) override;
    void end() override;
    void begin_layer(std::string_view name) override;
    void end_layer() override;
    void line(Point a, Point b, const Pen& pen) override;
    void rectangle(const Box& box, const Pen& pen, std::optional<int> fill) override;
    void circle(Point centre, int radius, const Pen& pen, std::optional<int> fill) override;
    void polyline(std::span<const Point> points, const Pen& pen, bool closed,
                  std::optional<int> fill) override;
    void text(Point at, std::string_view text, const TextStyle& style) override;
    void grid(const Box& area, int spacing, int colour) override;

    // The document so far; complete after end().
    const std::string& document() const { return out_; }
    std::string take_document() { return std::move(out_); }

  private:
    void indent();
    void stroke(const Pen& pen);
    void fill(std::optional<int> colour);

    int units_per_pixel_;
    int depth_ = 0;
    int patterns_ = 0;
    std::string out_;
};

// Appends text escaped for XML character data and attribute values: markup characters become
// entities, control characters become U+FFFD, invalid UTF-8 bytes are read as Latin-1.
void append_xml_text(std::string& out, std::string_view text);

} // namespace zeph
