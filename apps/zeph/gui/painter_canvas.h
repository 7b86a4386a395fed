// The drawing interface on a QPainter: the same pictures as the SVG writer, on the screen, into
// an image or onto a printer's page. The canvas maps the extent given to begin() onto its
// target rectangle with one scale for both axes, centred; the caller keeps the mapping to turn
// mouse positions back into sheet units.
//
// A zoomed-out diagram has tens of thousands of lines, so the canvas saves the painter's work:
// consecutive lines of one pen go to the painter in one call, shapes smaller than a pixel become
// single dots queued the same way, what lies outside the target is left out, texts too small to
// read are skipped, and the painter's pen, brush and font change only when they differ. Without
// antialiasing the order of pixels of one colour does not matter, so the queues keep the picture
// the same as drawing call by call.
#pragma once

#include "drawing/canvas.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace zeph {

class PainterCanvas : public Canvas {
  public:
    PainterCanvas(QPainter& painter, const QRectF& target);

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
    bool legible(int text_size) const override;

    // Hands the queued lines and dots to the painter; end() does it too.
    void flush();

    // Sheet units to device pixels, as set by the last begin().
    const QTransform& sheet_to_device() const { return transform_; }
    // Device pixels per sheet unit.
    double scale() const { return scale_; }

  private:
    const QColor& colour(int number) const;
    void use_pen(const Pen& pen);
    void use_text_pen(int colour);
    void use_fill(std::optional<int> fill);
    void use_sheet_units();
    void use_device_pixels();
    void use_font(int pixels);
    // Whether a shape of these bounds (sheet units), stroked `pen_width` wide, reaches the target.
    bool reaches_target(const QRectF& bounds, int pen_width) const;
    // Whether it covers less than a pixel each way, so that one dot shows it.
    bool below_a_pixel(const QRectF& bounds) const;
    void queue_line(const QLineF& line, const Pen& pen);
    void queue_dot(const QPointF& at, int colour);

    QPainter& painter_;
    QRectF target_;
    QTransform transform_;
    QTransform sheet_world_; // the painter's transform for drawing in sheet units
    double scale_ = 1.0;
    QRectF visible_; // the target in sheet units
    std::array<QColor, 16> colours_;

    // What is set on the painter now; unset: unknown.
    enum class Units { Sheet, Device };
    Units units_ = Units::Sheet;
    std::optional<Pen> pen_;
    std::optional<int> text_pen_;
    std::optional<std::optional<int>> fill_;
    QFont base_font_; // the painter's font when begin() was called
    int font_pixels_ = 0;

    Pen queued_pen_;
    std::vector<QLineF> queued_lines_;
    int queued_dot_colour_ = 0;
    std::vector<QPointF> queued_dots_;
};

// The transform that shows `extent` inside `target` at one scale for both axes, centred.
QTransform fit_transform(const Box& extent, const QRectF& target);

} // namespace zeph
