// The view's selection, zoom and level tools.
#include "view_tools.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/view_area.h"
#include "shell/level_navigation.h"
#include "shell/main_window_dispatch.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"

#include <algorithm>
#include <cstdlib>

namespace zeph {

std::vector<std::pair<Point, Point>> rectangle_lines(Point a, Point b) {
    Point c{b.x, a.y};
    Point d{a.x, b.y};
    return {{a, c}, {c, b}, {b, d}, {d, a}};
}

bool SelectionTool::press(const SheetMouse& event) {
    pressed_ = event.at;
    current_ = event.at;
    return true;
}

bool SelectionTool::drag(const SheetMouse& event) {
    if (!pressed_) return false;
    current_ = event.at;
    return true;
}

bool SelectionTool::release(const SheetMouse& event) {
    if (!pressed_) return false;
    current_ = event.at;
    bool is_click = std::abs(event.at.x - pressed_->x) <= kClickSlop &&
                    std::abs(event.at.y - pressed_->y) <= kClickSlop;
    if (is_click)
        click({*pressed_, event.shift, event.control});
    else
        band(event);
    pressed_.reset();
    return true;
}

bool SelectionTool::double_click(const SheetMouse& event) {
    pressed_.reset();
    return on_double_click_ && on_double_click_(event.at);
}

std::vector<std::pair<Point, Point>> SelectionTool::overlay() const {
    if (!pressed_ || *pressed_ == current_) return {};
    return rectangle_lines(*pressed_, current_);
}

namespace {
// A click selects the object there; with Shift it joins the selection or leaves it.
template <class Objects, class Object>
void click_select(Objects& selection, const std::optional<Object>& hit, bool shift) {
    if (!shift) {
        selection.clear();
        if (hit) selection.push_back(*hit);
        return;
    }
    if (!hit) return;
    auto found = std::find(selection.begin(), selection.end(), *hit);
    if (found != selection.end())
        selection.erase(found);
    else
        selection.push_back(*hit);
}

// A rubber band selects what lies inside it; with Shift it adds to the selection.
template <class Objects, class Found>
void band_select(Objects& selection, const Found& found, bool shift) {
    if (!shift) selection.clear();
    for (const auto& object : found)
        if (std::find(selection.begin(), selection.end(), object) == selection.end())
            selection.push_back(object);
}
} // namespace

void SelectionTool::click(const SheetMouse& event) {
    if (std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_)) {
        click_select(state_selection_of(session_, *diagram),
                     state_diagram_object_at(diagram->machine, diagram->sheet, event.at),
                     event.shift);
        return;
    }
    DiagramEditor* editor = current_block_diagram_editor(session_);
    if (editor == nullptr) return;
    click_select(editor->selection(), object_at(editor->architecture(), event.at), event.shift);
}

void SelectionTool::band(const SheetMouse& event) {
    if (std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_)) {
        band_select(state_selection_of(session_, *diagram),
                    state_diagram_objects_in(diagram->machine, diagram->sheet, *pressed_, event.at),
                    event.shift);
        return;
    }
    DiagramEditor* editor = current_block_diagram_editor(session_);
    if (editor == nullptr) return;
    Box area{std::min(pressed_->x, event.at.x), std::min(pressed_->y, event.at.y),
             std::max(pressed_->x, event.at.x), std::max(pressed_->y, event.at.y)};
    band_select(editor->selection(), objects_in(editor->architecture(), area), event.shift);
}

bool ZoomTool::press(const SheetMouse& event) {
    DiagramEditor* editor = current_block_diagram_editor(session_);
    if (editor == nullptr) return false;
    zoom_on_point(session_.platform(), editor->view(), editor->sheet(), event.at, event.shift);
    return true;
}

bool LevelTool::press(const SheetMouse& event) {
    if (session_.design() == nullptr) return false;
    trap_click(session_, event.at);
    return true;
}

} // namespace zeph
