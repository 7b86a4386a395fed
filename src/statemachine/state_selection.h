// The selection of a state diagram: states, transitions and the free texts of the diagram's
// sheet, found by a click or inside a rectangle, and kept per machine by the session as the
// diagram editor keeps the selection of a block diagram.
#pragma once

#include "design/geometry.h"
#include "design/sheet.h"
#include "design/state_machine.h"
#include "statemachine/machine_copy.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zeph {

// One selected object: a state, a transition or the free text of that index.
struct StateDiagramObject {
    State* state = nullptr;
    Transition* transition = nullptr;
    std::optional<std::size_t> text;
    bool operator==(const StateDiagramObject&) const = default;
};

using StateDiagramObjects = std::vector<StateDiagramObject>;

// A transition is found within this distance of one of its segments, a text of its anchor.
inline constexpr int kStateDiagramHitTolerance = 32;
inline constexpr int kStateDiagramTextTolerance = 63;

// The object at the point: a state (REST first), else a transition, else a free text.
std::optional<StateDiagramObject> state_diagram_object_at(StateMachine& machine, const Sheet& sheet,
                                                          Point p);
// The transition with a segment within the tolerance of the point.
Transition* transition_near(StateMachine& machine, Point p);
// Everything wholly inside the rectangle (corners in any order): states by their boxes,
// transitions by all their points, texts by their anchors; states, transitions, texts.
StateDiagramObjects state_diagram_objects_in(StateMachine& machine, const Sheet& sheet,
                                             Point corner, Point other_corner);
// Whether the object still exists on the diagram.
bool still_on_diagram(const StateMachine& machine, const Sheet& sheet,
                      const StateDiagramObject& object);
// The states and transitions of the selection, as the copy of a selection takes them.
MachineSelection machine_part(const StateDiagramObjects& objects);
// Where the Move and Copy tools take an object from: a state's centre, a transition's origin,
// a text's anchor.
Point reference_point(const Sheet& sheet, const StateDiagramObject& object);

// The selection of the state diagram being edited. Asking for the selection of another
// machine drops the old one, and objects that an edit or an undo took away are dropped
// before the selection is handed out.
class StateDiagramSelection {
  public:
    StateDiagramObjects& of(const StateMachine& machine, const Sheet& sheet);
    bool empty_for(const StateMachine& machine, const Sheet& sheet) const;
    void clear() {
        objects_.clear();
        machine_ = nullptr;
    }
    // The machine the selection belongs to (null: none).
    const StateMachine* machine() const { return machine_; }

  private:
    const StateMachine* machine_ = nullptr;
    StateDiagramObjects objects_;
};

} // namespace zeph
