// The commands of the hierarchy display on a component's architecture node: "Bind
// Architecture" and "Delete Architecture" ("Bind Module Body", "Delete Module Body").
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "ui/platform.h"

namespace zeph {

// Binds the component to another architecture of its entity; its "#times bound" moves with
// it. Cancelled when it is bound to that architecture already.
Outcome bind_architecture(Design& design, Component& component, Architecture& architecture);

// Deletes the architecture with its files: only when the entity has more than one and is not a
// library module; one that holds something asks "%s not empty, are you sure?" first.
// Components bound to it lose their binding.
Outcome delete_architecture(ui::Platform& platform, Design& design, Entity& entity,
                            Architecture& architecture);

// Whether the empty test of an architecture finds anything in it: components, nets,
// processes, texts, HDL file names, states.
bool architecture_holds_anything(const Architecture& architecture);

} // namespace zeph
