// The drawing interface on a QPainter.
#include "painter_canvas.h"

#include "drawing/palette.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {

// Grids denser than this many pixels between dots would only darken the sheet.
constexpr double kFinestGridPixels = 4.0;
// A grid with more dots than this is skipped rather than stall the window.
constexpr long long kMostGridDots = 250'000;
// Texts lower than this many pixels cannot be read and only clutter the sheet.
constexpr double kSmallestTextPixels = 2.0;

QPointF at(Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

QRectF rect_of(const Box& box) {
    double left = std::min(box.x1, box.x2);
    double top = std::min(box.y1, box.y2);
    return {left, top, std::max(box.x1, box.x2) - left, std::max(box.y1, box.y2) - top};
}

QRectF bounds_of(std::span<const Point> points) {
    double left = points.front().x;
    double right = left;
    double top = points.front().y;
    double bottom = top;
    for (const Point& p : points) {
        left = std::min(left, static_cast<double>(p.x));
        right = std::max(right, static_cast<double>(p.x));
        top = std::min(top, static_cast<double>(p.y));
        bottom = std::max(bottom, static_cast<double>(p.y));
    }
    return {left, top, right - left, bottom - top};
}

} // namespace

QTransform fit_transform(const Box& extent, const QRectF& target) {
    QRectF area = rect_of(extent);
    double width = std::max(1.0, area.width());
    double height = std::max(1.0, area.height());
    double scale = std::min(target.width() / width, target.height() / height);
    if (!(scale > 0.0)) scale = 1.0;
    double dx = target.left() + (target.width() - width * scale) / 2.0 - area.left() * scale;
    double dy = target.top() + (target.height() - height * scale) / 2.0 - area.top() * scale;
    return QTransform(scale, 0.0, 0.0, scale, dx, dy);
}

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& target)
    : painter_(painter), target_(target) {
    for (int i = 0; i < kPaletteSize; ++i) {
        Rgb rgb = palette_colour(i);
        colours_[static_cast<std::size_t>(i)] = QColor(rgb.red, rgb.green, rgb.blue);
    }
}

const QColor& PainterCanvas::colour(int number) const {
    return colours_[static_cast<std::size_t>(is_palette_colour(number) ? number : 15)];
}

void PainterCanvas::begin(const Box& extent, int background, std::string_view /*title*/) {
    transform_ = fit_transform(extent, target_);
    scale_ = transform_.m11();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.fillRect(target_, colour(background));
    // Only the part of the target that is painted (a window's exposed area) needs drawing.
    QRectF painted = target_;
    if (painter_.hasClipping()) painted &= painter_.clipBoundingRect();
    visible_ = transform_.inverted().mapRect(painted);
    painter_.setTransform(transform_, true);
    sheet_world_ = painter_.worldTransform();
    units_ = Units::Sheet;
    pen_.reset();
    text_pen_.reset();
    fill_.reset();
    base_font_ = painter_.font();
    font_pixels_ = 0;
}

void PainterCanvas::end() {
    flush();
    painter_.restore();
}

void PainterCanvas::begin_layer(std::string_view /*name*/) {}

void PainterCanvas::end_layer() {}

void PainterCanvas::use_sheet_units() {
    if (units_ == Units::Sheet) return;
    painter_.setWorldTransform(sheet_world_);
    units_ = Units::Sheet;
}

// Texts and grid dots are placed in device pixels so the font is hinted for the screen.
void PainterCanvas::use_device_pixels() {
    if (units_ == Units::Device) return;
    painter_.resetTransform();
    units_ = Units::Device;
}

void PainterCanvas::use_pen(const Pen& pen) {
    if (pen_ == pen) return;
    QPen qpen(colour(pen.colour));
    // Below one pixel a line is drawn one pixel wide (a cosmetic pen) so it never vanishes.
    double width = std::max(0, pen.width);
    if (width * scale_ < 1.0) {
        qpen.setWidth(0);
        qpen.setCosmetic(true);
    } else {
        qpen.setWidthF(width);
    }
    qpen.setCapStyle(Qt::SquareCap);
    painter_.setPen(qpen);
    pen_ = pen;
    text_pen_.reset();
}

void PainterCanvas::use_text_pen(int number) {
    if (text_pen_ == number) return;
    painter_.setPen(colour(number));
    text_pen_ = number;
    pen_.reset();
}

void PainterCanvas::use_fill(std::optional<int> fill) {
    if (fill_ == fill) return;
    if (fill)
        painter_.setBrush(colour(*fill));
    else
        painter_.setBrush(Qt::NoBrush);
    fill_ = fill;
}

void PainterCanvas::use_font(int pixels) {
    if (pixels == font_pixels_) return;
    QFont font = base_font_;
    font.setPixelSize(pixels);
    painter_.setFont(font);
    font_pixels_ = pixels;
}

bool PainterCanvas::reaches_target(const QRectF& bounds, int pen_width) const {
    // Half the pen each way and a pixel for rounding; square caps reach as far.
    double margin = std::max(0, pen_width) + 1.0 / scale_;
    return bounds.left() - margin <= visible_.right() &&
           bounds.right() + margin >= visible_.left() &&
           bounds.top() - margin <= visible_.bottom() && bounds.bottom() + margin >= visible_.top();
}

bool PainterCanvas::below_a_pixel(const QRectF& bounds) const {
    return bounds.width() * scale_ < 1.0 && bounds.height() * scale_ < 1.0;
}

void PainterCanvas::queue_line(const QLineF& line, const Pen& pen) {
    if ((!queued_lines_.empty() && pen != queued_pen_) ||
        (!queued_dots_.empty() && pen.colour != queued_dot_colour_))
        flush();
    queued_pen_ = pen;
    queued_lines_.push_back(line);
}

void PainterCanvas::queue_dot(const QPointF& where, int number) {
    if ((!queued_dots_.empty() && number != queued_dot_colour_) ||
        (!queued_lines_.empty() && number != queued_pen_.colour))
        flush();
    queued_dot_colour_ = number;
    queued_dots_.push_back(where);
}

void PainterCanvas::flush() {
    if (!queued_lines_.empty()) {
        use_sheet_units();
        use_pen(queued_pen_);
        painter_.drawLines(queued_lines_.data(), static_cast<int>(queued_lines_.size()));
        queued_lines_.clear();
    }
    if (!queued_dots_.empty()) {
        use_sheet_units();
        use_pen({queued_dot_colour_, 0});
        painter_.drawPoints(queued_dots_.data(), static_cast<int>(queued_dots_.size()));
        queued_dots_.clear();
    }
}

void PainterCanvas::line(Point a, Point b, const Pen& pen) {
    QLineF segment(at(a), at(b));
    if (!reaches_target(QRectF(segment.p1(), segment.p2()).normalized(), pen.width)) return;
    queue_line(segment, pen);
}

void PainterCanvas::rectangle(const Box& box, const Pen& pen, std::optional<int> fill) {
    QRectF shape = rect_of(box);
    if (!reaches_target(shape, pen.width)) return;
    if (below_a_pixel(shape)) {
        queue_dot(shape.center(), pen.colour);
        return;
    }
    flush();
    use_sheet_units();
    use_pen(pen);
    use_fill(fill);
    painter_.drawRect(shape);
}

void PainterCanvas::circle(Point centre, int radius, const Pen& pen, std::optional<int> fill) {
    double r = std::max(0, radius);
    QRectF bounds(centre.x - r, centre.y - r, 2 * r, 2 * r);
    if (!reaches_target(bounds, pen.width)) return;
    if (below_a_pixel(bounds)) {
        queue_dot(at(centre), pen.colour);
        return;
    }
    flush();
    use_sheet_units();
    use_pen(pen);
    use_fill(fill);
    painter_.drawEllipse(at(centre), r, r);
}

void PainterCanvas::polyline(std::span<const Point> points, const Pen& pen, bool closed,
                             std::optional<int> fill) {
    if (points.empty()) return;
    QRectF bounds = bounds_of(points);
    if (!reaches_target(bounds, pen.width)) return;
    if (below_a_pixel(bounds)) {
        queue_dot(bounds.center(), pen.colour);
        return;
    }
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points)
        polygon << at(p);
    flush();
    use_sheet_units();
    use_pen(pen);
    if (closed) {
        use_fill(fill);
        painter_.drawPolygon(polygon);
    } else {
        painter_.drawPolyline(polygon);
    }
}

bool PainterCanvas::legible(int text_size) const {
    return std::max(1, text_size) * scale_ >= kSmallestTextPixels;
}

void PainterCanvas::text(Point where, std::string_view text, const TextStyle& style) {
    if (!legible(style.size)) return;
    double pixels = std::max(1, style.size) * scale_;
    QPointF device = transform_.map(at(where));
    // A line lies within a font's height above and below its baseline.
    if (device.y() - 2 * pixels > target_.bottom() || device.y() + 2 * pixels < target_.top())
        return;
    QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    flush();
    use_device_pixels();
    use_font(std::max(1, static_cast<int>(std::lround(pixels))));
    use_text_pen(style.colour);
    double width = painter_.fontMetrics().horizontalAdvance(string);
    if (style.anchor == TextAnchor::Middle) device.rx() -= width / 2.0;
    if (style.anchor == TextAnchor::End) device.rx() -= width;
    painter_.drawText(device, string);
}

void PainterCanvas::grid(const Box& area, int spacing, int dot_colour) {
    if (spacing <= 0 || spacing * scale_ < kFinestGridPixels) return;
    QRectF box = rect_of(area) & visible_.adjusted(-spacing, -spacing, spacing, spacing);
    if (box.isEmpty()) return;
    long long columns = static_cast<long long>(box.width() / spacing) + 1;
    long long rows = static_cast<long long>(box.height() / spacing) + 1;
    if (columns * rows > kMostGridDots) return;
    long long first_x = static_cast<long long>(std::ceil(box.left() / spacing)) * spacing;
    long long first_y = static_cast<long long>(std::ceil(box.top() / spacing)) * spacing;
    std::vector<QPointF> dots;
    dots.reserve(static_cast<std::size_t>(columns * rows));
    for (long long y = first_y; y <= box.bottom(); y += spacing)
        for (long long x = first_x; x <= box.right(); x += spacing)
            dots.push_back(transform_.map(QPointF(static_cast<double>(x), static_cast<double>(y))));
    flush();
    use_device_pixels();
    use_text_pen(dot_colour);
    painter_.drawPoints(dots.data(), static_cast<int>(dots.size()));
}

} // namespace zeph
