// The selection tool on block diagrams: a click selects the object under the mouse (Shift adds
// it or takes it out again), a press on empty space starts a rubber band, dragging a selected
// object moves the selection by whole grid steps (Control: copies it), and the bottom-right
// corner of a single selected box is a handle that resizes it.
#include "shell/mouse_selection_toggle.h"
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/process.h"

#include <algorithm>

namespace zeph {

namespace {
// The handle of a selected box is found this close to its bottom-right corner.
constexpr int kResizeHandleTolerance = 32;

std::optional<Box> resizable_box_of(const DiagramObject& object) {
    if (object.type == DiagramObjectType::Component) return component_box(*object.component);
    if (object.type == DiagramObjectType::Process) return object.process->box;
    return std::nullopt;
}
} // namespace

bool MouseTools::on_resize_handle(DiagramEditor& editor, Point p) const {
    if (editor.selection().size() != 1) return false;
    std::optional<Box> box = resizable_box_of(editor.selection().front());
    return box && within({box->x2, box->y2}, p, kResizeHandleTolerance);
}

// The offset of a drag so far: whole grid steps for a moved selection, the way from the first
// object's place to the mouse for the Move and Copy tools.
Point MouseTools::dragged_by(Point to) const {
    return {to.x - anchor_.x, to.y - anchor_.y};
}

bool MouseTools::selection_press(DiagramEditor& editor, const SheetMouse& mouse) {
    Selection& selection = editor.selection();
    if (!mouse.shift && on_resize_handle(editor, mouse.at)) {
        gesture_ = Gesture::Resize;
        const DiagramObject& first = selection.front();
        anchor_ = resizable_box_of(first).has_value()
                      ? Point{resizable_box_of(first)->x2, resizable_box_of(first)->y2}
                      : mouse.at;
        cursor_ = on_grid(mouse.at);
        return true;
    }
    std::optional<DiagramObject> object = object_at(editor.architecture(), mouse.at);
    if (!object) {
        if (!mouse.shift) selection.clear();
        gesture_ = Gesture::RubberBand;
        anchor_ = cursor_ = mouse.at;
        return true;
    }
    if (mouse.shift) {
        toggle_selected(selection, *object);
        return true;
    }
    auto found = std::find(selection.begin(), selection.end(), *object);
    if (found == selection.end()) selection = {*object};
    gesture_ = Gesture::Move;
    copying_ = mouse.control;
    anchor_ = cursor_ = on_grid(mouse.at);
    return true;
}

bool MouseTools::selection_release(DiagramEditor& editor, const SheetMouse& mouse) {
    Gesture gesture = gesture_;
    bool copying = copying_;
    Point anchor = anchor_;
    cancel();
    Selection& selection = editor.selection();
    switch (gesture) {
    case Gesture::RubberBand: {
        if (anchor == mouse.at) return true;
        for (const DiagramObject& object :
             objects_in(editor.architecture(), normalised_box(anchor, mouse.at)))
            if (std::find(selection.begin(), selection.end(), object) == selection.end())
                selection.push_back(object);
        return true;
    }
    case Gesture::Move: {
        Point to = on_grid(mouse.at);
        Point by{to.x - anchor.x, to.y - anchor.y};
        if (selection.empty() || by == Point{}) return true;
        Point from = reference_point(editor, selection.front());
        Point destination = shifted(from, by);
        if (copying)
            copy_selection(editor, destination);
        else
            move_selection(editor, destination);
        return true;
    }
    case Gesture::Resize: {
        Point corner = on_grid(mouse.at);
        if (corner != anchor) resize_selection(editor, corner);
        return true;
    }
    default:
        return false;
    }
}

} // namespace zeph
