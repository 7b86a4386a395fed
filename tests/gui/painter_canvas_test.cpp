// The QPainter canvas: the mapping of sheet units onto the target, what each drawing call puts
// where on an image, and the rules that keep a zoomed-out picture readable and fast (hairlines
// never vanish, unreadable text and too-dense grids are left out).
#include "painter_canvas.h"

#include "drawing/palette.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>

namespace zeph {
namespace {

QColor qt_colour(int number) {
    Rgb rgb = palette_colour(number);
    return {rgb.red, rgb.green, rgb.blue};
}

class PainterCanvasTest : public testing::Test {
  protected:
    // A 400 x 200 pixel image showing the sheet area (0,0)-(4000,2000): 10 units per pixel.
    PainterCanvasTest() : image_(400, 200, QImage::Format_RGB32), painter_(&image_) {
        canvas_.begin({0, 0, 4000, 2000}, 15, "test");
    }

    QColor pixel(int sheet_x, int sheet_y) {
        QPointF p = canvas_.sheet_to_device().map(QPointF(sheet_x, sheet_y));
        return image_.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }

    int count_pixels(int colour) {
        int n = 0;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (image_.pixelColor(x, y) == qt_colour(colour)) ++n;
        return n;
    }

    void finish() {
        canvas_.end();
        painter_.end();
    }

    QImage image_;
    QPainter painter_;
    PainterCanvas canvas_{painter_, QRectF(0, 0, 400, 200)};
};

TEST(FitTransform, ShowsTheWholeExtentCentredAtOneScale) {
    // A square extent in a wide target: the height decides the scale, the width is centred.
    QTransform t = fit_transform({0, 0, 1000, 1000}, QRectF(0, 0, 300, 100));
    EXPECT_DOUBLE_EQ(t.m11(), 0.1);
    EXPECT_DOUBLE_EQ(t.m22(), 0.1);
    EXPECT_EQ(t.map(QPointF(0, 0)), QPointF(100, 0));
    EXPECT_EQ(t.map(QPointF(1000, 1000)), QPointF(200, 100));
    // Corners may come in any order; an empty extent still gives a usable mapping.
    EXPECT_EQ(fit_transform({1000, 1000, 0, 0}, QRectF(0, 0, 300, 100)), t);
    QTransform empty = fit_transform({5, 5, 5, 5}, QRectF(0, 0, 10, 10));
    EXPECT_GT(empty.m11(), 0.0);
}

TEST_F(PainterCanvasTest, ShapesLandWhereTheSheetSaysInTheirColours) {
    canvas_.rectangle({1000, 500, 2000, 1500}, {1, 8}, 14);
    canvas_.line({100, 1800}, {3900, 1800}, {4, 20});
    canvas_.circle({3000, 1000}, 300, {2, 8}, 12);
    std::array<Point, 3> triangle{Point{200, 200}, Point{800, 200}, Point{500, 700}};
    canvas_.polyline(triangle, {0, 8}, true, 10);
    finish();
    EXPECT_EQ(pixel(1500, 1000), qt_colour(14)); // the fill
    EXPECT_EQ(pixel(1000, 1000), qt_colour(1));  // the outline
    EXPECT_EQ(pixel(2000, 1800), qt_colour(4));
    EXPECT_EQ(pixel(3000, 1000), qt_colour(12));
    EXPECT_EQ(pixel(500, 350), qt_colour(10));
    EXPECT_EQ(pixel(3500, 300), qt_colour(15)); // the background
}

TEST_F(PainterCanvasTest, ThinLinesStayVisibleWhenZoomedOut) {
    // 8 units at 10 units per pixel would be less than a pixel wide.
    canvas_.line({0, 1000}, {4000, 1000}, {0, 8});
    finish();
    EXPECT_GE(count_pixels(0), 390);
}

TEST_F(PainterCanvasTest, TextIsDrawnWhenReadableAndLeftOutWhenNot) {
    canvas_.text({200, 1000}, "readable", {0, 200, TextAnchor::Start});
    canvas_.text({200, 1900}, "tiny", {4, 10, TextAnchor::Start});
    finish();
    EXPECT_GT(count_pixels(0), 20);
    EXPECT_EQ(count_pixels(4), 0);
}

TEST_F(PainterCanvasTest, AnchorsPlaceTextBesideCentredOnOrBeforeItsPoint) {
    canvas_.text({2000, 600}, "MMMM", {1, 200, TextAnchor::End});
    canvas_.text({2000, 1800}, "MMMM", {4, 200, TextAnchor::Start});
    finish();
    auto columns = [&](int colour) {
        int left = image_.width(), right = -1;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (image_.pixelColor(x, y) == qt_colour(colour)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::pair{left, right};
    };
    auto [end_left, end_right] = columns(1);
    auto [start_left, start_right] = columns(4);
    EXPECT_LE(end_right, 201);
    EXPECT_GE(start_left, 199);
    EXPECT_LT(end_left, end_right);
    EXPECT_LT(start_left, start_right);
}

TEST_F(PainterCanvasTest, GridDotsOnlyWhereTheyCanBeTold) {
    canvas_.grid({0, 0, 4000, 2000}, 100, 8); // 10 pixels apart: drawn
    finish();
    EXPECT_EQ(count_pixels(8), 40 * 20); // the last row and column fall on the image's edge

    QImage dense(400, 200, QImage::Format_RGB32);
    QPainter painter(&dense);
    PainterCanvas canvas(painter, QRectF(0, 0, 400, 200));
    canvas.begin({0, 0, 4000, 2000}, 15, "dense");
    canvas.grid({0, 0, 4000, 2000}, 20, 8); // 2 pixels apart: left out
    canvas.end();
    painter.end();
    for (int y = 0; y < dense.height(); ++y)
        for (int x = 0; x < dense.width(); ++x)
            ASSERT_EQ(dense.pixelColor(x, y), qt_colour(15));
}

} // namespace
} // namespace zeph
