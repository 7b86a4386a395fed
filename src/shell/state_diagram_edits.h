// The main window's operations on the state diagram being edited: its selection (delete, move
// and copy), the REST state placed by a click, free texts on its sheet and undo. Each edit is
// one step of the machine's undo history, as the shell's commands make them; free texts share
// that step through the sheet.
#pragma once

#include "blockdiagram/free_texts.h"
#include "design/edit_outcome.h"
#include "design/geometry.h"
#include "statemachine/state_selection.h"

#include <functional>
#include <optional>
#include <string>

namespace zeph {

class Session;

// The state diagram being edited and the sheet it is drawn on.
struct StateDiagramInEdit {
    StateMachine& machine;
    Sheet& sheet;
};

std::optional<StateDiagramInEdit> current_state_diagram(Session& session);
// The selection of the current state diagram (empty on any other diagram).
bool state_diagram_has_selection(const Session& session);
bool state_diagram_can_undo(const Session& session);
StateDiagramObjects& state_selection_of(Session& session, const StateDiagramInEdit& diagram);

// One edit of the diagram named `description`: Done makes it an undo step and marks the
// design changed; any other outcome leaves machine and texts as they were.
Outcome state_diagram_edit(Session& session, const StateDiagramInEdit& diagram,
                           const char* description, const std::function<Outcome()>& operation);

Outcome delete_state_diagram_selection(Session& session);
Outcome move_state_diagram_selection(Session& session, Point by);
// The selected states and transitions as the copy of a selection makes them (names asked,
// "Cannot copy Reset Transition."), the selected texts with them.
Outcome copy_state_diagram_selection(Session& session, Point by);

// "Add a REST State": "Select a position." picks the centre, on the grid.
Outcome add_rest_by_pick(Session& session);
// "Enter text:" (up to 256 characters), placed at the point with the default size and
// colour; "Specified color equals background." when free texts could not be seen.
Outcome add_state_diagram_text(Session& session, Point at,
                               const std::optional<std::string>& text = std::nullopt);

// "Edit Text" of the free text at `index` on the diagram's sheet, with the checks of a block
// diagram's text (an emptied string deletes it).
Outcome edit_state_diagram_text(Session& session, std::size_t index, TextFields fields);

// Undoes the newest edit of the current state diagram; "No undo" when there is none.
Outcome undo_state_diagram(Session& session);

// The sheet's grid step (64 when it has none), and the nearest grid point.
Point state_diagram_grid_point(const Sheet& sheet, Point p);

} // namespace zeph
