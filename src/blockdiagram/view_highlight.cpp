// The net highlighted by "Highlight Net", as the views show it.
#include "blockdiagram/view_highlight.h"

#include "design/net.h"

namespace zeph {

std::optional<std::size_t> highlighted_net(const BlockDiagram& diagram) {
    for (std::size_t i = 0; i < diagram.nets.size(); ++i)
        if ((diagram.nets[i]->status & kNetPicked) != 0) return i;
    return std::nullopt;
}

bool clear_net_highlight(BlockDiagram& diagram) {
    bool cleared = false;
    for (auto& net : diagram.nets) {
        cleared = cleared || (net->status & kNetPicked) != 0;
        net->status &= ~kNetPicked;
    }
    return cleared;
}

} // namespace zeph
