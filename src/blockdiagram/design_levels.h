// The levels of a design's hierarchy, as the level navigation of the main window moves between
// them: a level is a diagram, that is an architecture of an entity, or a state-diagram process
// inside a block diagram.
#pragma once

#include "design/design.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph {

struct Level {
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    Process* process = nullptr; // a state-diagram process of the architecture's block diagram
    bool operator==(const Level&) const = default;
};

// The levels the "Level Jump" dialog offers: every architecture of every entity in the
// design's order (library modules and external entities have no diagrams of their own and are
// left out), each block diagram followed by its state-diagram processes.
std::vector<Level> design_levels(Design& design);

// "ENTITY ARCHITECTURE(B)" or "ENTITY ARCHITECTURE(B) PROCESS(S)", with the kind letters of
// the architecture ("UBVST") and the process ("UVS").
std::string level_text(const Level& level);

// The level one up from an architecture: the architecture whose block diagram holds a
// component bound to it, the first found, searching the entities in order and skipping library
// and external ones. nullopt when no component is bound to it.
std::optional<Level> parent_level(Design& design, const Architecture& architecture);

// The diagram of the top-level entity: its first architecture.
std::optional<Level> top_level(Design& design);

} // namespace zeph
