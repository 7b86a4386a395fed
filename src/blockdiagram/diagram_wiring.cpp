// Wiring operations as undoable edits.
#include "blockdiagram/diagram_wiring.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/undo_captures.h"
#include "blockdiagram/wire_drawing.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
void capture_tags(Edit& edit) {
    DiagramEditor& editor = edit.editor();
    capture_placements(edit.step(), editor.architecture());
    capture_processes(edit.step(), editor.diagram());
    capture_component_tags(edit.step(), editor.architecture());
}

std::optional<PlacedPort> port_at(DiagramEditor& editor, Point at) {
    std::optional<PlacedPort> port = find_port(editor.architecture(), at, kPickTolerance);
    if (!port)
        editor.platform().status(
            format_text("No %s found.", kind_name(editor.language(), kKindPort, 0, 1).c_str()),
            true);
    return port;
}
} // namespace

Outcome add_wire(DiagramEditor& editor, const std::vector<Point>& points, bool vertical_first) {
    Edit edit(editor, "wire");
    capture_nets(edit.step(), editor.diagram());
    WireResult result = draw_wire(editor.platform(), editor.defaults(), editor.architecture(),
                                  points, editor.net_rules(), vertical_first);
    editor.selection().clear();
    return edit.finish(result.outcome);
}

Outcome add_bus_entry(DiagramEditor& editor, Point at) {
    Edit edit(editor, "bus entry");
    capture_nets(edit.step(), editor.diagram());
    bool added = add_bus_entry(editor.platform(), editor.language(), editor.defaults(),
                               editor.diagram(), at, editor.sheet().grid_step)
                     .has_value();
    return edit.finish(added ? Outcome::Done : Outcome::Refused);
}

DialogResult<NetField> edit_net(DiagramEditor& editor, std::size_t net_index, NetFields fields) {
    if (net_index >= editor.diagram().nets.size()) return {Outcome::Unchanged, NetField::None};
    Edit edit(editor, "edit net");
    capture_nets(edit.step(), editor.diagram());
    DialogResult<NetField> result = edit_net(editor.platform(), *editor.diagram().nets[net_index],
                                             std::move(fields), editor.net_rules());
    edit.finish(result.outcome);
    return result;
}

DialogResult<EntryField> edit_bus_entry(DiagramEditor& editor, BusEntryRef entry,
                                        EntryFields fields) {
    Edit edit(editor, "edit bus entry");
    capture_nets(edit.step(), editor.diagram());
    DialogResult<EntryField> result =
        edit_bus_entry(editor.platform(), entry_at(editor.diagram(), entry), std::move(fields),
                       editor.net_rules());
    edit.finish(result.outcome);
    return result;
}

Outcome place_tag(DiagramEditor& editor, Point at) {
    Edit edit(editor, "tag");
    capture_tags(edit);
    return edit.finish(place_tag(editor.platform(), editor.defaults(), editor.architecture(), at,
                                 editor.net_rules()));
}

Outcome edit_tag(DiagramEditor& editor, Point at, std::string_view name) {
    std::optional<PlacedPort> port = port_at(editor, at);
    if (!port) return Outcome::Refused;
    Edit edit(editor, "edit tag");
    capture_tags(edit);
    return edit.finish(
        edit_tag(editor.platform(), editor.defaults(), *port, name, editor.net_rules()));
}

Outcome copy_tag(DiagramEditor& editor, Point from, Point to) {
    std::optional<PlacedPort> port = port_at(editor, from);
    if (!port) return Outcome::Refused;
    Edit edit(editor, "copy tag");
    capture_tags(edit);
    return edit.finish(copy_tag(editor.platform(), editor.language(), editor.defaults(),
                                editor.architecture(), *port, to));
}

Outcome remove_tag(DiagramEditor& editor, Point at) {
    std::optional<PlacedPort> port = port_at(editor, at);
    if (!port) return Outcome::Refused;
    Edit edit(editor, "remove tag");
    capture_tags(edit);
    return edit.finish(remove_tag(*port));
}

std::optional<std::size_t> highlight_net(DiagramEditor& editor, std::string_view text) {
    std::optional<FoundNet> found =
        find_net(editor.platform(), editor.language(), editor.diagram(), text);
    if (!found) return std::nullopt;
    centre_view(editor.view(), found->centre);
    return found->index;
}

} // namespace zeph
