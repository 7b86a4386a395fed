// The drawing interface on a QPainter: the same pictures as the SVG writer, on the screen, into
// an image or onto a printer's page. The canvas maps the extent given to begin() onto its
// target rectangle with one scale for both axes, centred; the caller keeps the mapping to turn
// mouse positions back into sheet units.
#pragma once

#include "drawing/canvas.h"

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QTransform>

#include <array>

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

    // Sheet units to device pixels, as set by the last begin().
    const QTransform& sheet_to_device() const { return transform_; }
    // Device pixels per sheet unit.
    double scale() const { return scale_; }

  private:
    const QColor& colour(int number) const;
    void use_pen(const Pen& pen);
    void use_fill(std::optional<int> fill);

    QPainter& painter_;
    QRectF target_;
    QTransform transform_;
    double scale_ = 1.0;
    std::array<QColor, 16> colours_;
};

// The transform that shows `extent` inside `target` at one scale for both axes, centred.
QTransform fit_transform(const Box& extent, const QRectF& target);

} // namespace zeph
