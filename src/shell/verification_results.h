// What the last verification left for HDL generation beside the marks on the records: whether
// generation is enabled (after a whole-design verification that left an eligible root), the
// connect-by-name signals of every block diagram (their scratch nets carry the signal classes
// and connection records), and the design's text as that run left it, so that a later edit can
// be told apart.
#pragma once

#include "blockdiagram/attach_ports.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeph {

struct BlockDiagram;
struct Design;
struct Net;

class VerificationResults {
  public:
    // Any verification, and a new or opened design, disable generation again.
    void forget();
    // Keeps the connect-by-name signals a whole-design run found for one block diagram.
    void keep_signals(const BlockDiagram& diagram, std::vector<ConnectByNameSignal>&& signals);
    // The whole-design run ended: generation is enabled when it left an eligible root.
    void design_verified(const Design& design);

    bool generate_enabled() const { return generate_enabled_; }
    // False when the design has changed since that verification, so that its marks and
    // signals no longer describe it.
    bool still_current(const Design& design) const;
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>>
    connect_by_name_signals() const;

  private:
    bool generate_enabled_ = false;
    std::vector<std::pair<const BlockDiagram*, std::vector<ConnectByNameSignal>>> signals_;
    std::string verified_text_; // without the time stamp of its header
};

} // namespace zeph
