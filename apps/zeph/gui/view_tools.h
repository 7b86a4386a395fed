// The diagram view's own mouse tools: plain selection (click, Shift+click, rubber band), the
// zoom tool (a click zooms in on the point, Shift+click out) and the level tool (a click on a
// component or process goes down into it, elsewhere up).
#pragma once

#include "sheet_mouse_handler.h"

#include <functional>
#include <optional>

namespace zeph {

class Session;

class SelectionTool : public SheetMouseHandler {
  public:
    explicit SelectionTool(Session& session) : session_(session) {}
    bool press(const SheetMouse& event) override;
    bool drag(const SheetMouse& event) override;
    bool release(const SheetMouse& event) override;
    bool double_click(const SheetMouse& event) override;
    std::vector<std::pair<Point, Point>> overlay() const override;

    // What a double-click does: the object's dialog (set by the window).
    void set_double_click(std::function<bool(Point)> action) {
        on_double_click_ = std::move(action);
    }

    // A press and release closer than this (sheet units) is a click, not a rubber band.
    static constexpr int kClickSlop = 16;

  private:
    void click(const SheetMouse& event);
    void band(const SheetMouse& event);

    Session& session_;
    std::optional<Point> pressed_;
    Point current_;
    std::function<bool(Point)> on_double_click_;
};

class ZoomTool : public SheetMouseHandler {
  public:
    explicit ZoomTool(Session& session) : session_(session) {}
    bool press(const SheetMouse& event) override;
    bool drag(const SheetMouse&) override { return false; }
    bool release(const SheetMouse&) override { return false; }
    bool double_click(const SheetMouse& event) override { return press(event); }
    std::vector<std::pair<Point, Point>> overlay() const override { return {}; }

  private:
    Session& session_;
};

class LevelTool : public SheetMouseHandler {
  public:
    explicit LevelTool(Session& session) : session_(session) {}
    bool press(const SheetMouse& event) override;
    bool drag(const SheetMouse&) override { return false; }
    bool release(const SheetMouse&) override { return false; }
    bool double_click(const SheetMouse&) override { return false; }
    std::vector<std::pair<Point, Point>> overlay() const override { return {}; }

  private:
    Session& session_;
};

// The four sides of a rectangle as overlay lines.
std::vector<std::pair<Point, Point>> rectangle_lines(Point a, Point b);

} // namespace zeph
