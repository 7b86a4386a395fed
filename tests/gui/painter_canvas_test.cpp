// The QPainter canvas: the mapping of sheet units onto the target, what each drawing call puts
// where on an image, and the rules that keep a zoomed-out picture readable and fast (hairlines
// and shapes under a pixel never vanish, unreadable text and too-dense grids are left out, lines
// go to the painter in batches, what lies outside the painted area is skipped), checked against
// the same diagram drawn call by call.
#include "painter_canvas.h"

#include "blockdiagram/diagram_editor.h"
#include "drawing/diagram_renderer.h"
#include "drawing/palette.h"
#include "shell/drawing_options.h"
#include "shell/level_navigation.h"
#include "window_fixture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <set>

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

TEST_F(PainterCanvasTest, ShapesUnderAPixelLeaveADot) {
    // 10 units per pixel: each shape is less than a pixel across.
    canvas_.circle({500, 500}, 3, {4, 0}, 4);
    std::array<Point, 3> marker{Point{2000, 500}, Point{2006, 500}, Point{2003, 506}};
    canvas_.polyline(marker, {1, 0}, true, 1);
    canvas_.rectangle({3000, 1500, 3004, 1504}, {2, 8}, 2);
    finish();
    EXPECT_GE(count_pixels(4), 1);
    EXPECT_GE(count_pixels(1), 1);
    EXPECT_GE(count_pixels(2), 1);
    EXPECT_TRUE(canvas_.legible(20));
    EXPECT_FALSE(canvas_.legible(19));
}

// Hands every call on and has it drawn at once, as a canvas without queues would.
class CallByCall : public Canvas {
  public:
    explicit CallByCall(PainterCanvas& canvas) : canvas_(canvas) {}
    void begin(const Box& extent, int background, std::string_view title) override {
        canvas_.begin(extent, background, title);
    }
    void end() override { canvas_.end(); }
    void begin_layer(std::string_view name) override { canvas_.begin_layer(name); }
    void end_layer() override { canvas_.end_layer(); }
    void line(Point a, Point b, const Pen& pen) override {
        canvas_.line(a, b, pen);
        canvas_.flush();
    }
    void rectangle(const Box& box, const Pen& pen, std::optional<int> fill) override {
        canvas_.rectangle(box, pen, fill);
        canvas_.flush();
    }
    void circle(Point centre, int radius, const Pen& pen, std::optional<int> fill) override {
        canvas_.circle(centre, radius, pen, fill);
        canvas_.flush();
    }
    void polyline(std::span<const Point> points, const Pen& pen, bool closed,
                  std::optional<int> fill) override {
        canvas_.polyline(points, pen, closed, fill);
        canvas_.flush();
    }
    void text(Point at, std::string_view text, const TextStyle& style) override {
        canvas_.text(at, text, style);
    }
    void grid(const Box& area, int spacing, int colour) override {
        canvas_.grid(area, spacing, colour);
    }
    bool legible(int text_size) const override { return canvas_.legible(text_size); }

  private:
    PainterCanvas& canvas_;
};

// The counter example's block diagram, with a component and a wire selected.
class QueuedPainting : public gui_test::WindowTest {
  protected:
    void SetUp() override {
        draw_example("counter");
        open_window("counter.vdp");
        ASSERT_TRUE(level_down(*session, {700, 700}));
        DiagramEditor& editor = session->editor();
        ASSERT_TRUE(editor.is_open());
        options_ = session_drawing_options(*session);
        options_.view = editor.view().area;
        options_.selection = &editor.selection();
        BlockDiagram& diagram = editor.diagram();
        ASSERT_GT(diagram.nets.size(), 1u);
        ASSERT_FALSE(diagram.components.empty());
        DiagramObject segment;
        segment.type = DiagramObjectType::Segment;
        segment.index = 1;
        segment.segment = {Orientation::Horizontal, 0};
        DiagramObject component;
        component.component = diagram.components.front().get();
        editor.selection() = {segment, component};
    }

    enum class Drawing { Queued, CallByCall };
    QImage picture(QSize size, Drawing drawing, std::optional<QRect> clip = std::nullopt) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QPainter painter(&image);
        if (clip) painter.setClipRect(*clip);
        PainterCanvas canvas(painter, QRectF(image.rect()));
        CallByCall calls(canvas);
        Canvas& used = drawing == Drawing::Queued ? static_cast<Canvas&>(canvas) : calls;
        draw_block_diagram(session->editor().architecture(), options_, used);
        painter.end();
        return image;
    }

    DrawingOptions options_;
};

TEST_F(QueuedPainting, DrawsTheSamePictureAsDrawingCallByCall) {
    // Readable (texts, markers and junctions drawn as shapes) and zoomed far out (dots).
    for (QSize size : {QSize(1200, 900), QSize(120, 90)}) {
        QImage queued = picture(size, Drawing::Queued);
        EXPECT_TRUE(queued == picture(size, Drawing::CallByCall)) << size.width();
        std::set<QRgb> colours;
        for (int y = 0; y < queued.height(); ++y)
            for (int x = 0; x < queued.width(); ++x)
                colours.insert(queued.pixel(x, y));
        EXPECT_GT(colours.size(), 4u) << "a picture, not an empty sheet";
    }
}

TEST_F(QueuedPainting, AClippedPaintingMatchesTheWholeInsideTheClip) {
    const QSize size(1200, 900);
    QImage whole = picture(size, Drawing::Queued);
    // Edges that cut through boxes, wires and texts.
    for (QRect clip :
         {QRect(100, 80, 300, 250), QRect(500, 300, 421, 333), QRect(0, 600, 1200, 7)}) {
        QImage part = picture(size, Drawing::Queued, clip);
        for (int y = clip.top(); y <= clip.bottom(); ++y)
            for (int x = clip.left(); x <= clip.right(); ++x)
                ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
    }
}

} // namespace
} // namespace zeph
