// The mouse tools: which diagram the events go to, the grid, and the hooks.
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/view_area.h"
#include "design/architecture.h"
#include "design/process.h"
#include "shell/level_navigation.h"
#include "shell/machine_command_args.h"
#include "shell/main_window_dispatch.h"
#include "shell/main_window_state.h"
#include "shell/session.h"

namespace zeph {

namespace {
constexpr int kMouseDefaultGridStep = 64;

// The nearest multiple of the step, halves rounded away from zero.
int nearest_grid_multiple(int value, int step) {
    long long v = value;
    long long half = step / 2;
    long long q = v >= 0 ? (v + half) / step : -((-v + half) / step);
    return static_cast<int>(q * step);
}
} // namespace

void MouseTools::select(std::optional<CommandId> tool, int variant) {
    cancel();
    tool_ = tool;
    variant_ = variant;
}

void MouseTools::cancel() {
    gesture_ = Gesture::None;
    points_.clear();
    transition_ = nullptr;
    state_ = nullptr;
    copying_ = false;
    vertical_first_ = false;
}

bool MouseTools::on_block_diagram() const {
    return session_.design() != nullptr &&
           current_diagram_kind(session_) == DiagramKind::BlockDiagram;
}

bool MouseTools::on_state_diagram() const {
    return session_.design() != nullptr &&
           current_diagram_kind(session_) == DiagramKind::StateDiagram;
}

StateMachine* MouseTools::current_machine() const {
    return on_state_diagram() ? machine_commands::current_machine(session_) : nullptr;
}

int MouseTools::grid_step() const {
    std::optional<Level> level = current_level(session_);
    if (!level || level->architecture == nullptr) return kMouseDefaultGridStep;
    const Sheet& sheet =
        level->process != nullptr ? level->process->sheet : level->architecture->sheet;
    return sheet.grid_step > 0 ? sheet.grid_step : kMouseDefaultGridStep;
}

Point MouseTools::on_grid(Point p) const {
    int step = grid_step();
    return {nearest_grid_multiple(p.x, step), nearest_grid_multiple(p.y, step)};
}

std::pair<const void*, const void*> MouseTools::diagram_key() const {
    std::optional<Level> level = current_level(session_);
    if (!level) return {nullptr, nullptr};
    return {level->architecture, level->process};
}

// A gesture begun on another diagram (the level changed, the design was replaced) is dropped.
bool MouseTools::gesture_still_valid() {
    if (gesture_ == Gesture::None) return false;
    if (diagram_key() == gesture_diagram_) return true;
    cancel();
    return false;
}

bool MouseTools::take_edit(Point at) {
    if (!edit_object_) return false;
    session_.enter_working_directory();
    return edit_object_(at);
}

bool MouseTools::press(const SheetMouse& mouse) {
    session_.enter_working_directory();
    gesture_still_valid();
    bool taken = dispatch_press(mouse);
    if (gesture_ != Gesture::None) gesture_diagram_ = diagram_key();
    return taken;
}

bool MouseTools::dispatch_press(const SheetMouse& mouse) {
    if (tool_ == CommandId::ToolLevel) {
        cancel();
        trap_click(session_, mouse.at);
        return true;
    }
    if (tool_ == CommandId::EditObject) return take_edit(mouse.at);
    if (on_block_diagram()) {
        DiagramEditor* editor = current_block_diagram_editor(session_);
        return editor != nullptr && block_press(*editor, mouse);
    }
    if (StateMachine* machine = current_machine()) return machine_press(*machine, mouse);
    return false;
}

bool MouseTools::drag(const SheetMouse& mouse) {
    if (!gesture_still_valid()) return false;
    switch (gesture_) {
    case Gesture::None:
        return false;
    case Gesture::Wire:
        if (on_block_diagram())
            if (DiagramEditor* editor = current_block_diagram_editor(session_))
                cursor_ = wire_point(*editor, mouse.at);
        vertical_first_ = mouse.shift;
        return true;
    case Gesture::RubberBand:
        cursor_ = mouse.at;
        return true;
    default:
        cursor_ = on_grid(mouse.at);
        return true;
    }
}

bool MouseTools::release(const SheetMouse& mouse) {
    if (!gesture_still_valid()) return false;
    session_.enter_working_directory();
    if (on_block_diagram()) {
        DiagramEditor* editor = current_block_diagram_editor(session_);
        if (editor != nullptr) return block_release(*editor, mouse);
    } else if (StateMachine* machine = current_machine()) {
        return machine_release(*machine, mouse);
    }
    cancel();
    return false;
}

bool MouseTools::double_click(const SheetMouse& mouse) {
    session_.enter_working_directory();
    gesture_still_valid();
    if (gesture_ == Gesture::Wire && on_block_diagram()) {
        DiagramEditor* editor = current_block_diagram_editor(session_);
        if (editor == nullptr) return false;
        Point p = wire_point(*editor, mouse.at);
        if (points_.empty() || p != points_.back()) add_wire_point(p, mouse.shift);
        return finish_wire(*editor);
    }
    if (gesture_ == Gesture::Transition) {
        if (StateMachine* machine = current_machine()) return machine_double_click(*machine, mouse);
    }
    cancel();
    return take_edit(mouse.at);
}

std::vector<OverlayLine> MouseTools::overlay() const {
    std::vector<OverlayLine> lines;
    auto polyline = [&lines](const std::vector<Point>& points) {
        for (std::size_t i = 1; i < points.size(); ++i)
            lines.emplace_back(points[i - 1], points[i]);
    };
    switch (gesture_) {
    case Gesture::Wire:
    case Gesture::Transition: {
        polyline(points_);
        if (!points_.empty() && cursor_ != points_.back()) {
            Point last = points_.back();
            if (gesture_ == Gesture::Wire && last.x != cursor_.x && last.y != cursor_.y) {
                Point corner =
                    vertical_first_ ? Point{last.x, cursor_.y} : Point{cursor_.x, last.y};
                lines.emplace_back(last, corner);
                lines.emplace_back(corner, cursor_);
            } else {
                lines.emplace_back(last, cursor_);
            }
        }
        break;
    }
    case Gesture::RubberBand: {
        Point a = anchor_;
        Point b = cursor_;
        lines.push_back({{a.x, a.y}, {b.x, a.y}});
        lines.push_back({{b.x, a.y}, {b.x, b.y}});
        lines.push_back({{b.x, b.y}, {a.x, b.y}});
        lines.push_back({{a.x, b.y}, {a.x, a.y}});
        break;
    }
    case Gesture::Move:
    case Gesture::Destination:
        lines = on_state_diagram() ? state_selection_outline(dragged_by(cursor_))
                                   : selection_outline(dragged_by(cursor_));
        break;
    case Gesture::Resize:
        lines = selection_outline({});
        break;
    case Gesture::Place:
        add_place_mark(lines, cursor_);
        break;
    case Gesture::Curve:
        lines.emplace_back(points_.empty() ? anchor_ : points_.front(), cursor_);
        break;
    case Gesture::MovePoint:
    case Gesture::MoveSegment:
    case Gesture::CopyState:
        lines = machine_overlay();
        break;
    case Gesture::None:
        // The renderer marks the selection of a block diagram; that of a state diagram is
        // drawn here.
        if (on_state_diagram()) lines = state_selection_outline({});
        break;
    }
    return lines;
}

} // namespace zeph
