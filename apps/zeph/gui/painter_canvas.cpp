// The drawing interface on a QPainter.
#include "painter_canvas.h"

#include "drawing/palette.h"

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zeph {

namespace {

// Grids denser than this many pixels between dots would only darken the sheet.
constexpr double kFinestGridPixels = 4.0;
// A grid with more dots than this is skipped rather than stall the window.
constexpr long long kMostGridDots = 250'000;

QPointF at(Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

QRectF rect_of(const Box& box) {
    double left = std::min(box.x1, box.x2);
    double top = std::min(box.y1, box.y2);
    return {left, top, std::max(box.x1, box.x2) - left, std::max(box.y1, box.y2) - top};
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
    painter_.setTransform(transform_, true);
}

void PainterCanvas::end() {
    painter_.restore();
}

void PainterCanvas::begin_layer(std::string_view /*name*/) {}

void PainterCanvas::end_layer() {}

void PainterCanvas::use_pen(const Pen& pen) {
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
}

void PainterCanvas::use_fill(std::optional<int> fill) {
    if (fill)
        painter_.setBrush(colour(*fill));
    else
        painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::line(Point a, Point b, const Pen& pen) {
    use_pen(pen);
    painter_.drawLine(at(a), at(b));
}

void PainterCanvas::rectangle(const Box& box, const Pen& pen, std::optional<int> fill) {
    use_pen(pen);
    use_fill(fill);
    painter_.drawRect(rect_of(box));
}

void PainterCanvas::circle(Point centre, int radius, const Pen& pen, std::optional<int> fill) {
    use_pen(pen);
    use_fill(fill);
    double r = std::max(0, radius);
    painter_.drawEllipse(at(centre), r, r);
}

void PainterCanvas::polyline(std::span<const Point> points, const Pen& pen, bool closed,
                             std::optional<int> fill) {
    if (points.empty()) return;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points)
        polygon << at(p);
    use_pen(pen);
    if (closed) {
        use_fill(fill);
        painter_.drawPolygon(polygon);
    } else {
        painter_.drawPolyline(polygon);
    }
}

void PainterCanvas::text(Point where, std::string_view text, const TextStyle& style) {
    double pixels = std::max(1, style.size) * scale_;
    if (pixels < 2.0) return; // too small to read: leave the sheet uncluttered
    QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Text is drawn untransformed at its device position so the font is hinted for the screen.
    QPointF device = transform_.map(at(where));
    QFont font = painter_.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    painter_.save();
    painter_.resetTransform();
    painter_.setFont(font);
    painter_.setPen(colour(style.colour));
    double width = painter_.fontMetrics().horizontalAdvance(string);
    if (style.anchor == TextAnchor::Middle) device.rx() -= width / 2.0;
    if (style.anchor == TextAnchor::End) device.rx() -= width;
    painter_.drawText(device, string);
    painter_.restore();
}

void PainterCanvas::grid(const Box& area, int spacing, int dot_colour) {
    if (spacing <= 0 || spacing * scale_ < kFinestGridPixels) return;
    QRectF box = rect_of(area);
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
    painter_.save();
    painter_.resetTransform();
    QPen pen(colour(dot_colour));
    pen.setWidth(1);
    painter_.setPen(pen);
    painter_.drawPoints(dots.data(), static_cast<int>(dots.size()));
    painter_.restore();
}

} // namespace zeph
