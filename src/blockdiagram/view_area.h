// The visible area of a diagram and the zoom operations on it: zoom in and out, zoom on a
// point, zoom area, overview and go to x, y. Refusals show their message and keep the view.
#pragma once

#include "ui/platform.h"

#include "blockdiagram/edit_outcome.h"
#include "design/geometry.h"
#include "design/sheet.h"

#include <string_view>

namespace zeph {

struct ViewArea {
    Box area; // left, top, right, bottom in sheet units
    int width() const { return area.x2 - area.x1; }
    int height() const { return area.y2 - area.y1; }
};

inline constexpr int kMinZoomExtent = 800;
inline constexpr int kGotoInset = 10;

ViewArea overview(const Sheet& sheet);
// Each side moves in by an eighth of the width (height); "Illegal zoom range." below 800.
Outcome zoom_in(ui::Platform& platform, ViewArea& view);
// New sides (7 l - r) / 6 and (7 r - l) / 6, while the view is at most twice the sheet.
Outcome zoom_out(ui::Platform& platform, ViewArea& view, const Sheet& sheet);
// Zoom in (or out), then the point becomes the centre.
Outcome zoom_on_point(ui::Platform& platform, ViewArea& view, const Sheet& sheet, Point p,
                      bool out);
// The rectangle becomes the view when both its sides are at least 800.
Outcome zoom_area(ui::Platform& platform, ViewArea& view, Point a, Point b);
void centre_view(ViewArea& view, Point p);

// The go-to command: "Enter x, y:" answered with two numbers separated by a comma; each is
// clamped to 10 units inside the sheet; a missing part gives "No x specified." or "No y
// specified.". The view is centred on the point, which is returned through `at`.
Outcome go_to(ui::Platform& platform, ViewArea& view, const Sheet& sheet, std::string_view answer,
              Point* at = nullptr);

} // namespace zeph
