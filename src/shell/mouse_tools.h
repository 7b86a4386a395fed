// Editing diagrams with the mouse: the current tool of the tool bar (a mode tool with its
// variant, or the plain selection tool) turns presses, drags, releases and double-clicks in
// sheet units into the editing operations of the core, the same ones the shell's commands
// call, so that the undo history, the checks and the messages are the same.
//
// Block diagrams: components, processes, ports, generics, texts, bus entries and tags are
// placed by a click; a wire is drawn point by point (each step horizontal and vertical: an L
// whose vertical piece comes first when Shift is held at the click) and ends on a port, a bus
// entry's stub or a net, or with a double-click; the selection tool selects by click, Shift
// click and rubber band, moves the selection by dragging (copies it with Control held) and
// resizes a selected box by its bottom-right handle; the Move, Copy and Resize tools take the
// click as the destination. State diagrams: states and free texts, straight transitions point
// by point (ending on a state or with a double-click), curved ones from one state to another,
// actions through the action hook; the selection tool selects states, transitions and texts
// as on block diagrams and moves or copies the selection by dragging, drags transition points
// and segments, and copies a single state with Control held; the Move and Copy tools take the
// click as the destination. A double-click, and a click of the Edit tool, hand the point to
// the edit hook (the object's dialog).
//
// Placed points snap to the sheet's grid step; wire points first to a port's connection point,
// a bus entry's stub or a segment end within half a grid step, then onto a segment.
#pragma once

#include "design/edit_outcome.h"
#include "design/geometry.h"
#include "shell/main_window_vocabulary.h"
#include "shell/mouse_event.h"
#include "shell/mouse_outline.h"
#include "statemachine/label_list_dialog.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zeph {

class DiagramEditor;
class Session;
struct DiagramObject;
struct StateMachine;
struct State;
struct Transition;

class MouseTools {
  public:
    explicit MouseTools(Session& session) : session_(session) {}
    MouseTools(const MouseTools&) = delete;
    MouseTools& operator=(const MouseTools&) = delete;

    // The tool that acts on the diagram: a Mode tool of the vocabulary with its variant (the
    // index of the chosen variant), or nullopt for the plain selection tool. A gesture under
    // way is abandoned.
    void select(std::optional<CommandId> tool, int variant = 0);
    std::optional<CommandId> tool() const { return tool_; }
    int variant() const { return variant_; }

    // True when the event was taken.
    bool press(const SheetMouse& mouse);
    bool drag(const SheetMouse& mouse);
    bool release(const SheetMouse& mouse);
    bool double_click(const SheetMouse& mouse);

    // Abandons the gesture under way (a wire or transition being drawn, a drag): nothing of it
    // is committed.
    void cancel();
    bool gesture_under_way() const { return gesture_ != Gesture::None; }

    // The lines to draw over the diagram while a gesture is under way.
    std::vector<OverlayLine> overlay() const;

    // The object's dialog at a point (double-click, the Edit tool); true when one was shown.
    void set_edit_object(std::function<bool(Point)> hook) { edit_object_ = std::move(hook); }
    // "Add Usage of Action" for the state or transition under a click of the Action tool.
    using AddAction = std::function<void(StateMachine&, const LabelDialogTarget&)>;
    void set_add_action(AddAction hook) { add_action_ = std::move(hook); }

    // Where a placed point goes: the nearest point of the grid.
    Point on_grid(Point p) const;

  private:
    enum class Gesture {
        None,
        Place,       // a placing tool was pressed; the release places
        Wire,        // a wire being drawn point by point
        Move,        // the selection being dragged (copied with Control)
        RubberBand,  // a selection rectangle
        Resize,      // a box's handle being dragged
        Destination, // the Move, Copy or Resize tool pressed; the release acts
        Transition,  // a transition being drawn point by point
        Curve,       // a curved transition from its origin
        MovePoint,   // a point of a transition being dragged
        MoveSegment, // a segment of a transition being dragged
        CopyState,   // a state being copied by dragging
    };

    bool dispatch_press(const SheetMouse& mouse);
    bool on_block_diagram() const;
    bool on_state_diagram() const;
    int grid_step() const;
    bool take_edit(Point at);

    // Block diagrams (mouse_block_tools.cpp).
    bool block_press(DiagramEditor& editor, const SheetMouse& mouse);
    bool block_release(DiagramEditor& editor, const SheetMouse& mouse);
    bool place(DiagramEditor& editor, Point at);
    bool destination(DiagramEditor& editor, Point at);
    std::vector<OverlayLine> selection_outline(Point by) const;

    // The selection tool (mouse_selection.cpp).
    bool selection_press(DiagramEditor& editor, const SheetMouse& mouse);
    bool selection_release(DiagramEditor& editor, const SheetMouse& mouse);
    bool on_resize_handle(DiagramEditor& editor, Point p) const;
    Point dragged_by(Point to) const;

    // Wires (mouse_wire.cpp).
    Point wire_point(DiagramEditor& editor, Point p) const;
    bool ends_wire(DiagramEditor& editor, Point p) const;
    void add_wire_point(Point p, bool vertical_first);
    bool wire_press(DiagramEditor& editor, const SheetMouse& mouse);
    bool wire_release(DiagramEditor& editor, const SheetMouse& mouse);
    bool finish_wire(DiagramEditor& editor);

    // State diagrams (mouse_machine_tools.cpp).
    bool machine_press(StateMachine& machine, const SheetMouse& mouse);
    bool machine_release(StateMachine& machine, const SheetMouse& mouse);
    bool machine_double_click(StateMachine& machine, const SheetMouse& mouse);
    bool take_action(StateMachine& machine, Point at);
    Point transition_point_at(StateMachine& machine, Point p) const;

    // The selection tool on state diagrams (mouse_machine_selection.cpp).
    bool machine_selection_press(StateMachine& machine, const SheetMouse& mouse);
    bool machine_selection_release(StateMachine& machine, const SheetMouse& mouse);
    bool grab_transition(StateMachine& machine, Point p);
    bool machine_destination_press(const SheetMouse& mouse);
    std::vector<OverlayLine> state_selection_outline(Point by) const;
    bool transition_press(StateMachine& machine, Point p);
    bool finish_transition(StateMachine& machine);
    bool machine_edit(StateMachine& machine, const char* description,
                      const std::function<Outcome()>& operation);
    StateMachine* current_machine() const;
    std::vector<OverlayLine> machine_overlay() const;

    // The diagram the events go to; a gesture begun on another one is abandoned.
    std::pair<const void*, const void*> diagram_key() const;
    bool gesture_still_valid();

    Session& session_;
    std::optional<CommandId> tool_;
    int variant_ = 0;
    std::function<bool(Point)> edit_object_;
    AddAction add_action_;

    Gesture gesture_ = Gesture::None;
    std::pair<const void*, const void*> gesture_diagram_{nullptr, nullptr};
    Point anchor_;                     // where the gesture started
    Point cursor_;                     // where the mouse is now (snapped as the gesture snaps)
    Point pressed_;                    // where the button went down (not snapped)
    std::vector<Point> points_;        // the wire or transition drawn so far
    bool copying_ = false;             // a Move gesture copies (Control held at the press)
    bool vertical_first_ = false;      // the rubber band of a wire: its vertical piece first
    Transition* transition_ = nullptr; // MovePoint, MoveSegment: the transition
    std::size_t point_index_ = 0;      // MovePoint: the point; MoveSegment: the segment
    State* state_ = nullptr;           // CopyState: the state
};

} // namespace zeph
