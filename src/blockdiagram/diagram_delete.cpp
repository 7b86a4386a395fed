// Deleting the selection and clearing the diagram.
#include "blockdiagram/selection_edits.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/design_constructors.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <algorithm>
#include <map>
#include <set>

namespace zeph {

namespace {
using Type = DiagramObjectType;

// Indexes deleted from the back, so that the ones still to go keep their places.
std::vector<std::size_t> descending(std::set<std::size_t> indexes) {
    return {indexes.rbegin(), indexes.rend()};
}

struct Doomed {
    std::map<Entity*, std::set<std::size_t>> entity_ports;
    std::set<std::size_t> generics;
    std::vector<Component*> components;
    std::vector<Process*> processes;
    std::map<Process*, std::set<std::size_t>> process_ports;
    std::map<std::size_t, std::set<std::size_t>> bus_entries; // by net
    std::map<std::size_t, std::vector<Segment>> segments;     // by net, as selected
    std::set<std::size_t> texts;
};

Doomed sort_out(DiagramEditor& editor) {
    Doomed doomed;
    for (const DiagramObject& object : editor.selection()) {
        switch (object.type) {
        case Type::Component:
            doomed.components.push_back(object.component);
            break;
        case Type::Process:
            doomed.processes.push_back(object.process);
            break;
        case Type::DiagramPort:
            doomed.entity_ports[&editor.entity()].insert(object.index);
            break;
        case Type::ComponentPort:
            doomed.entity_ports[object.component->entity].insert(object.index);
            break;
        case Type::DiagramGeneric:
            doomed.generics.insert(object.index);
            break;
        case Type::ProcessPort:
            doomed.process_ports[object.process].insert(object.index);
            break;
        case Type::BusEntry:
            doomed.bus_entries[object.index].insert(object.entry);
            break;
        case Type::Segment:
            doomed.segments[object.index].push_back(
                segment_at(*editor.diagram().nets[object.index], object.segment));
            break;
        case Type::FreeText:
            doomed.texts.insert(object.index);
            break;
        }
    }
    return doomed;
}

std::optional<SegmentRef> segment_by_ends(const Net& net, const Segment& wanted) {
    for (Orientation orientation : {Orientation::Horizontal, Orientation::Vertical}) {
        const auto& segments =
            orientation == Orientation::Horizontal ? net.horizontal : net.vertical;
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const Segment& s = segments[i];
            if (s.x1 == wanted.x1 && s.y1 == wanted.y1 && s.x2 == wanted.x2 && s.y2 == wanted.y2)
                return SegmentRef{orientation, i};
        }
    }
    return std::nullopt;
}

void delete_wires(Edit& edit, Doomed& doomed) {
    BlockDiagram& diagram = edit.editor().diagram();
    if (doomed.bus_entries.empty() && doomed.segments.empty()) return;
    capture_nets(edit.step(), diagram);
    for (auto it = doomed.bus_entries.rbegin(); it != doomed.bus_entries.rend(); ++it)
        for (std::size_t entry : descending(it->second))
            remove_bus_entry(diagram, {it->first, entry});
    // Later nets first: a net that disappears moves only the ones after it; a split adds the
    // new net at the end.
    for (auto it = doomed.segments.rbegin(); it != doomed.segments.rend(); ++it) {
        std::size_t net = it->first;
        for (const Segment& wanted : it->second) {
            if (net >= diagram.nets.size()) break;
            std::optional<SegmentRef> ref = segment_by_ends(*diagram.nets[net], wanted);
            if (!ref) continue; // joined with a neighbour by an earlier deletion
            if (delete_segment_and_split(edit.editor().platform(), edit.editor().language(),
                                         diagram, net, *ref) != SegmentDeletion::NetKept)
                break;
        }
    }
}

void delete_interface(Edit& edit, Doomed& doomed) {
    DiagramEditor& editor = edit.editor();
    Design& design = editor.design();
    if (!doomed.generics.empty()) {
        capture_entity_interface(edit.step(), design, editor.entity());
        edit.step().changes_interface_of(editor.entity());
        for (std::size_t index : descending(doomed.generics))
            delete_entity_generic(design, editor.entity(), index, edit.step());
    }
    for (auto& [entity, indexes] : doomed.entity_ports) {
        capture_entity_interface(edit.step(), design, *entity);
        edit.step().changes_interface_of(*entity);
        for (std::size_t index : descending(indexes))
            delete_entity_port(design, *entity, index, edit.step());
    }
}

void delete_records(Edit& edit, Doomed& doomed) {
    DiagramEditor& editor = edit.editor();
    BlockDiagram& diagram = editor.diagram();
    if (!doomed.process_ports.empty() || !doomed.processes.empty())
        capture_processes(edit.step(), diagram);
    for (auto& [process, indexes] : doomed.process_ports) {
        edit.step().changes_heading_of(*process);
        for (std::size_t index : descending(indexes)) {
            edit.step().keep(std::move(process->ports[index]));
            process->ports.erase(process->ports.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }
    for (Process* process : doomed.processes)
        edit.step().keep(remove_process(diagram, process));
    if (!doomed.components.empty()) capture_components(edit.step(), diagram);
    for (Component* component : doomed.components)
        edit.step().keep(remove_component(diagram, component));
    if (!doomed.texts.empty()) {
        capture_sheet(edit.step(), editor.sheet());
        auto& texts = editor.sheet().texts;
        for (std::size_t index : descending(doomed.texts))
            if (index < texts.size())
                texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

bool holds_anything(const DiagramEditor& editor) {
    const BlockDiagram& diagram = editor.diagram();
    return !diagram.components.empty() || !diagram.processes.empty() || !diagram.nets.empty() ||
           !editor.sheet().texts.empty();
}
} // namespace

Outcome delete_selection(DiagramEditor& editor) {
    Selection& selection = editor.selection();
    if (selection.empty()) return Outcome::Unchanged;
    const char* question =
        selection.size() == 1 ? "Delete selected object?" : "Delete all selected objects?";
    if (editor.platform().ask_yes_no(program_name(), question) != ui::Answer::Yes)
        return Outcome::Cancelled;
    Edit edit(editor, "delete");
    Doomed doomed = sort_out(editor);
    // Wires first (by net positions), then records of the entity (by index), then records
    // that keep their identity.
    delete_wires(edit, doomed);
    delete_interface(edit, doomed);
    delete_records(edit, doomed);
    selection.clear();
    return edit.finish(Outcome::Done);
}

Outcome clear_diagram(DiagramEditor& editor) {
    if (!holds_anything(editor)) return Outcome::Unchanged;
    std::string question =
        format_text("%s not empty, are you sure?",
                    kind_name(editor.language(), kKindArchitecture, kKindCapital, 1).c_str());
    if (editor.platform().ask_yes_no(program_name(), question) != ui::Answer::Yes)
        return Outcome::Cancelled;
    Edit edit(editor, "clear");
    BlockDiagram& diagram = editor.diagram();
    capture_components(edit.step(), diagram);
    capture_processes(edit.step(), diagram);
    capture_nets(edit.step(), diagram);
    capture_sheet(edit.step(), editor.sheet());
    for (auto& component : diagram.components)
        edit.step().keep(std::move(component));
    diagram.components.clear();
    for (auto& process : diagram.processes)
        edit.step().keep(std::move(process));
    diagram.processes.clear();
    diagram.nets.clear();
    editor.sheet().texts.clear();
    editor.selection().clear();
    return edit.finish(Outcome::Done);
}

} // namespace zeph
