// The net highlighted by "Highlight Net": the find-net command marks it (the picked bit of its
// status), pictures and the window draw it in the selection colours, and the mark stays until
// the diagram's selection or content next changes.
#pragma once

#include "design/block_diagram.h"

#include <cstddef>
#include <optional>

namespace zeph {

// The position of the highlighted net in the diagram's net list; nullopt when none is.
std::optional<std::size_t> highlighted_net(const BlockDiagram& diagram);
// Takes the highlight away; true when a net had it.
bool clear_net_highlight(BlockDiagram& diagram);

} // namespace zeph
