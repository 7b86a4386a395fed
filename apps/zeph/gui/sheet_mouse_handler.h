// The receiver of the diagram view's mouse events, in sheet units: the view's own selection,
// zoom and level tools, and the editing modes set from outside.
#pragma once

#include "design/geometry.h"
#include "shell/mouse_event.h"

#include <utility>
#include <vector>

namespace zeph {

class SheetMouseHandler {
  public:
    virtual ~SheetMouseHandler() = default;
    // True: the handler took the event.
    virtual bool press(const SheetMouse&) = 0;
    virtual bool drag(const SheetMouse&) = 0;
    virtual bool release(const SheetMouse&) = 0;
    virtual bool double_click(const SheetMouse&) = 0;
    // lines to draw over the diagram while a gesture is under way (rubber band, wire
    // being drawn, objects being moved), in sheet units
    virtual std::vector<std::pair<Point, Point>> overlay() const = 0;
    // Escape: the gesture under way is dropped.
    virtual void cancel() {}
};

} // namespace zeph
