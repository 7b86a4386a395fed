// Zooming and moving the visible area of a diagram.
#include "blockdiagram/view_area.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/sheet_sizes.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace zeph {

namespace {
// A number with blanks around it; nothing for an empty or malformed part.
std::optional<int> number_part(std::string_view part) {
    std::size_t begin = part.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return std::nullopt;
    std::size_t end = part.find_last_not_of(" \t");
    part = part.substr(begin, end - begin + 1);
    if (!part.empty() && part.front() == '+') part.remove_prefix(1);
    int value = 0;
    auto [ptr, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || ptr != part.data() + part.size()) return std::nullopt;
    return value;
}

// The 64-bit arithmetic keeps views of far-out sheets from overflowing.
int scaled(long long a, long long b) {
    return static_cast<int>((7 * a - b) / 6);
}
} // namespace

ViewArea overview(const Sheet& sheet) {
    return {sheet_extent(sheet)};
}

Outcome zoom_in(ui::Platform& platform, ViewArea& view) {
    int width = view.width();
    int height = view.height();
    if (width < kMinZoomExtent || height < kMinZoomExtent) return refuse(platform, kIllegalZoom);
    view.area = {view.area.x1 + width / 8, view.area.y1 + height / 8, view.area.x2 - width / 8,
                 view.area.y2 - height / 8};
    return Outcome::Done;
}

Outcome zoom_out(ui::Platform& platform, ViewArea& view, const Sheet& sheet) {
    Box extent = sheet_extent(sheet);
    if (view.width() > 2 * extent.x2 || view.height() > 2 * extent.y2)
        return refuse(platform, kIllegalZoom);
    Box a = view.area;
    view.area = {scaled(a.x1, a.x2), scaled(a.y1, a.y2), scaled(a.x2, a.x1), scaled(a.y2, a.y1)};
    return Outcome::Done;
}

void centre_view(ViewArea& view, Point p) {
    int width = view.width();
    int height = view.height();
    view.area.x1 = p.x - width / 2;
    view.area.y1 = p.y - height / 2;
    view.area.x2 = view.area.x1 + width;
    view.area.y2 = view.area.y1 + height;
}

Outcome zoom_on_point(ui::Platform& platform, ViewArea& view, const Sheet& sheet, Point p,
                      bool out) {
    Outcome zoomed = out ? zoom_out(platform, view, sheet) : zoom_in(platform, view);
    if (zoomed != Outcome::Done) return zoomed;
    centre_view(view, p);
    return Outcome::Done;
}

Outcome zoom_area(ui::Platform& platform, ViewArea& view, Point a, Point b) {
    Box area = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    if (area.x2 - area.x1 < kMinZoomExtent || area.y2 - area.y1 < kMinZoomExtent)
        return refuse(platform, kIllegalZoom);
    view.area = area;
    return Outcome::Done;
}

Outcome go_to(ui::Platform& platform, ViewArea& view, const Sheet& sheet, std::string_view answer,
              Point* at) {
    std::size_t comma = answer.find(',');
    std::optional<int> x = number_part(answer.substr(0, comma));
    if (!x) return refuse_unspecified(platform, "x");
    std::optional<int> y =
        comma == std::string_view::npos ? std::nullopt : number_part(answer.substr(comma + 1));
    if (!y) return refuse_unspecified(platform, "y");
    Box extent = sheet_extent(sheet);
    Point p = {std::clamp(*x, extent.x1 + kGotoInset, extent.x2 - kGotoInset),
               std::clamp(*y, extent.y1 + kGotoInset, extent.y2 - kGotoInset)};
    centre_view(view, p);
    if (at != nullptr) *at = p;
    return Outcome::Done;
}

} // namespace zeph
