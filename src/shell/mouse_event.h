// A mouse event on a diagram, in sheet units.
#pragma once
#include "design/geometry.h"
namespace zeph {
struct SheetMouse {
    Point at;
    bool shift = false;
    bool control = false;
};
} // namespace zeph
