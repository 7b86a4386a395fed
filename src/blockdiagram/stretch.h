// Stretching and contracting a diagram along one axis. A horizontal stretch picks a vertical
// line at x0 and a width; every coordinate at or right of the line moves right by the width
// (a drag to the left moves the coordinates left of the line further left). A contract
// removes a band of that width beyond the line and moves what lies behind it back. The
// vertical forms exchange x and y.
#pragma once

#include "blockdiagram/diagram_editor.h"

namespace zeph {

enum class Axis { Horizontal, Vertical }; // the coordinates that move: x, or y

// Components and processes keep this margin clear of the line and of a contracted band.
inline constexpr int kKeepOutMargin = 64;

// The width of a drag from the line: whole grid steps, towards zero.
int drag_width(int line, int drag_to, int grid_step);

// The line runs through no box (with its margin) and no bus entry; for a contract also
// through no wire segment's end. Shows "Illegal position." otherwise.
bool stretch_line_allowed(DiagramEditor& editor, Axis axis, int line);
bool contract_line_allowed(DiagramEditor& editor, Axis axis, int line);

// The whole operation, line check included; a width of 0 does nothing. A contract band that
// holds a box (with margin), a bus entry, a segment end or a diagram port is refused with
// "Illegal position.".
Outcome stretch(DiagramEditor& editor, Axis axis, int line, int drag_to);
Outcome contract(DiagramEditor& editor, Axis axis, int line, int drag_to);

} // namespace zeph
