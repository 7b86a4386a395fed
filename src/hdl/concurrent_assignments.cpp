// Concurrent assignments of block diagrams.
#include "hdl/concurrent_assignments.h"

#include "design/net.h"
#include "hdl/diagram_signals.h"
#include "hdl/hdl_context.h"

#include <string>

namespace zeph {

namespace {
class AssignmentWriter {
  public:
    AssignmentWriter(std::ostream& out, const HdlContext& context, const DiagramSignals& signals)
        : out_(out), context_(context), signals_(signals) {}

    void net(const Net& net) {
        switch (signal_class(net)) {
        case 27:
            joins_ports_to_entry(net);
            break;
        case 15:
            local_signal(net);
            break;
        case 11:
            joins_two_entries(net);
            break;
        default:
            break;
        }
    }
    bool written() const { return written_; }

  private:
    void assign(const std::string& target, const std::string& source) {
        if (context_.verilog())
            out_ << "\n assign " << target << " = " << source << " ;";
        else
            out_ << "\n " << target << " <= " << source << " ;";
        written_ = true;
    }

    void joins_ports_to_entry(const Net& net) {
        std::vector<const BusEntry*> entries = signals_.entries_reaching(net);
        if (entries.empty() || net.connections == nullptr) return;
        const BusEntry& entry = *entries.front();
        for (const Attachment& attachment : net.connections->attachments) {
            if (!is_diagram_port(attachment) || attachment.port == nullptr) continue;
            const Port& port = *attachment.port;
            if (port.mode == kModeIn)
                assign(signals_.slice(entry, true), port.name);
            else
                assign(port.name, signals_.slice(entry, false));
        }
    }

    void local_signal(const Net& net) {
        std::string name = signals_.net_name(net);
        if (net.connections != nullptr)
            for (const Attachment& attachment : net.connections->attachments) {
                if (!is_diagram_port(attachment) || attachment.port == nullptr) continue;
                const Port& port = *attachment.port;
                if (port.mode == kModeIn || port.mode == kModeInout) assign(name, port.name);
                if (port.mode != kModeIn) assign(port.name, name);
            }
        for (const BusEntry* entry : signals_.entries_reaching(net)) {
            if (entry->report_flags & kBusEntryRead) assign(name, signals_.slice(*entry, false));
            if (entry->report_flags & kBusEntryWritten) assign(signals_.slice(*entry, true), name);
        }
    }

    void joins_two_entries(const Net& net) {
        std::vector<const BusEntry*> entries = signals_.entries_reaching(net);
        if (entries.size() < 2) return;
        const BusEntry& a = *entries[0];
        const BusEntry& b = *entries[1];
        auto read = [](const BusEntry& e) { return (e.report_flags & kBusEntryRead) != 0; };
        auto written = [](const BusEntry& e) { return (e.report_flags & kBusEntryWritten) != 0; };
        if (read(a) || written(b)) assign(signals_.slice(b, true), signals_.slice(a, false));
        if (read(b) || written(a)) assign(signals_.slice(a, true), signals_.slice(b, false));
    }

    std::ostream& out_;
    const HdlContext& context_;
    const DiagramSignals& signals_;
    bool written_ = false;
};
} // namespace

bool write_concurrent_assignments(std::ostream& out, const HdlContext& context,
                                  const DiagramSignals& signals) {
    AssignmentWriter writer(out, context, signals);
    for (const Net* net : signals.signals())
        writer.net(*net);
    return writer.written();
}

} // namespace zeph
