// The names under which a block diagram's signals appear in generated text: which nets are
// local signals, the actual of a component port, and the bus slices that assignments read and
// write. Everything is read from the connection records that verification left on the nets.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zeph {

struct Attachment;
struct BlockDiagram;
struct BusEntry;
struct BusEntryLink;
struct Component;
struct HdlContext;
struct Net;
struct Port;

inline constexpr int kSignalClassLocal = 4;
inline constexpr unsigned kBusEntryRead = 32;    // the bus drives the wire at the entry
inline constexpr unsigned kBusEntryWritten = 64; // the wire drives the bus

int signal_class(const Net& net);
bool is_local_signal(const Net& net);
// An attachment of a port of the diagram itself (neither a component nor a process port).
bool is_diagram_port(const Attachment& attachment);

class DiagramSignals {
  public:
    DiagramSignals(const HdlContext& context, const BlockDiagram& diagram);

    // The nets in net-list order, then the connect-by-name signals in theirs.
    const std::vector<const Net*>& signals() const { return signals_; }
    // The local signals among them, in the same order.
    std::vector<const Net*> local_signals() const;

    // OPEN (VHDL) or "" (Verilog) for a port no net reaches; else the local net's name, the
    // local bus with the entry's index or slice, or the first diagram port on the net or bus.
    std::string actual(const Component& component, const Port& port) const;

    // The bus entries of other buses whose stubs this net reaches, in link order.
    std::vector<const BusEntry*> entries_reaching(const Net& net) const;
    // "bus(3)" or "bus(7 downto 0)" (Verilog "bus[3]", "bus[7 : 0]"), the bus named for the
    // direction of the transfer.
    std::string slice(const BusEntry& entry, bool written) const;
    std::string net_name(const Net& net) const;

  private:
    const Net* bus_of(const BusEntry& entry) const;
    std::string bus_name(const Net& bus, bool written) const;
    std::string index_text(const BusEntry& entry) const;

    const HdlContext& context_;
    std::vector<const Net*> signals_;
    std::map<const BusEntry*, const Net*> owners_;
    std::map<std::pair<const Component*, const Port*>, const Net*> component_ports_;
};

} // namespace zeph
