// The wiring operations of the net code (wires, bus entries, the net and entry dialogs,
// connect-by-name tags) as undoable edits of the diagram editor, and the find-net command.
#pragma once

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/net_dialogs.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zeph {

// A wire along the polyline (see draw_wire).
Outcome add_wire(DiagramEditor& editor, const std::vector<Point>& points, bool vertical_first = false);

Outcome add_bus_entry(DiagramEditor& editor, Point at);

DialogResult<NetField> edit_net(DiagramEditor& editor, std::size_t net_index, NetFields fields);
DialogResult<EntryField> edit_bus_entry(DiagramEditor& editor, BusEntryRef entry, EntryFields fields);

// Tags on the port whose connection point is within 63 units of the point.
Outcome place_tag(DiagramEditor& editor, Point at);
Outcome edit_tag(DiagramEditor& editor, Point at, std::string_view name);
Outcome copy_tag(DiagramEditor& editor, Point from, Point to);
Outcome remove_tag(DiagramEditor& editor, Point at);

// "Highlight Net": the net named by the text (its proper name, or "Net_%d") is picked and the
// view is centred on it; "No net found." otherwise. Not an edit.
std::optional<std::size_t> highlight_net(DiagramEditor& editor, std::string_view text);

} // namespace zeph
