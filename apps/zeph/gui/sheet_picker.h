// Picking a point or a rectangle on the shown diagram for an operation that asks for one: the
// diagram view answers with the next click or drag.
#pragma once

#include "ui/platform.h"

#include <optional>
#include <string>

namespace zeph {

class SheetPicker {
  public:
    virtual ~SheetPicker() = default;
    // nullopt: cancelled (Escape, or no diagram to pick on).
    virtual std::optional<ui::Point> pick_point(const std::string& prompt) = 0;
    virtual std::optional<ui::Rect> pick_rect(const std::string& prompt) = 0;
};

} // namespace zeph
