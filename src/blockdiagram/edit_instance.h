// The "Edit Instance" dialog: a component's label, its entity's name, HDL source flags and
// architectures, and the binding, applied on OK in a fixed order of checks and questions.
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/edit_outcome.h"

#include <string>
#include <vector>

namespace zeph {

// One row of the dialog's architecture list.
struct ArchitectureRow {
    Architecture* original = nullptr; // null: added in the dialog ("&New")
    std::string name;
    int kind = kArchitectureBlockDiagram;
    bool deleted = false;
};

// The dialog's fields.
struct InstanceFields {
    std::string label;
    std::string entity_name;
    bool external = false;
    std::string library_name;
    std::vector<ArchitectureRow> architectures;
    int binding = -1; // the row the component is bound to, -1 none
};

// The fields as the dialog opens for the component.
InstanceFields instance_fields(const Component& component);
// The row of the architecture with that name (not deleted), -1 when none.
int architecture_row(const InstanceFields& fields, const std::string& name);

// OK: the label (legal, message 48 for a used one); the entity name ("Toplevel" refused,
// another existing entity refused, a new name asks whether to copy or rename); external type
// changes ignored; type changes and deletions of architectures that hold something, each asked
// (No cancels everything); the question whether to bind every instance. Done when something
// changed, Cancelled when nothing did or the user cancelled, Refused after a refusal (shown).
// The changes are not undoable: they reach beyond one diagram (other diagrams, the
// configurations, the working copy's directories).
Outcome edit_instance(DiagramEditor& editor, Component& component, const InstanceFields& fields);

} // namespace zeph
