// A deep copy of an entity under another name: its symbol, external flag, library name,
// comments, generics, ports and every architecture with its contents (not its testbench).
#pragma once

#include "design/design.h"

#include <memory>
#include <string_view>

namespace zeph {

// The copy is not added to the design; it gets a new entity directory name of the design.
// Components inside it keep instantiating the design's entities. Null when the entity's
// records cannot be copied (a record the file format cannot hold).
std::unique_ptr<Entity> copy_entity(Design& design, const Entity& entity, std::string_view name);

} // namespace zeph
