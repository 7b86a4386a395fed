// The hierarchy of a design as the binding code sees it: which components instantiate which
// entity and are bound to which architecture, how often an architecture is bound, whether an
// instantiation would make the hierarchy recursive, and how architectures are named in texts.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"

#include <functional>
#include <string>
#include <vector>

namespace zeph {

// "%s(%c)": the architecture's name with its kind letter of "UBVST".
std::string architecture_tag(const Architecture& architecture);
// The kind letter alone.
char architecture_letter(int kind);
// The words of the architecture kinds: "Block Diagram", "HDL File", "State Diagram".
std::string architecture_kind_text(int kind);

// Every component of every block diagram of the design (testbenches included), in entity,
// architecture and component order.
void for_each_component(Design& design, const std::function<void(Component&)>& visit);
// The components that instantiate the entity.
std::vector<Component*> instances_of(Design& design, const Entity& entity);
// "#times bound": how many components are bound to the architecture.
int times_bound(Design& design, const Architecture& architecture);

// True when `target` is `from` or is instantiated somewhere below it (through any of its
// architectures): an instance of `from` inside `target` would close a loop.
bool reaches(const Entity& from, const Entity& target);

// Binds the component and refreshes its name label.
void bind_component(Component& component, Architecture* architecture);
// The name labels of every component of the design, after entities or bindings changed.
void refresh_component_labels(Design& design);

} // namespace zeph
