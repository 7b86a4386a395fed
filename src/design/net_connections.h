// What the attachment pass learns about one net (or one bit of a bus): the ports on it, the
// bus entries that reach it, and the counts from which verification derives its signal class.
#pragma once

#include <array>
#include <vector>

namespace zeph {

struct Port;
struct PortPlacement;
struct Component;
struct Process;
struct BusEntry;
struct Net;

struct Attachment {
    Port* port = nullptr;
    PortPlacement* placement = nullptr; // a diagram port
    Component* component = nullptr;     // a component port
    Process* process = nullptr;         // a process port
};

struct BusEntryLink {
    BusEntry* entry = nullptr;
    Net* reached = nullptr;
};

struct NetConnections {
    std::vector<Attachment> attachments;
    std::vector<BusEntryLink> bus_entry_links;
    // Counts per owner kind (diagram, component, process) and port mode (index 1 to 4).
    std::array<std::array<int, 5>, 3> counts{};
    int sources = 0;
    int destinations = 0;
    int signal_class = 0;
};

} // namespace zeph
