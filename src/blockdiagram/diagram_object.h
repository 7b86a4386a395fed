// A reference to one object of a block diagram, as the selection holds it.
#pragma once

#include "blockdiagram/net_geometry.h"
#include "design/component.h"
#include "design/process.h"

#include <cstddef>
#include <vector>

namespace zeph {

enum class DiagramObjectType {
    Component,
    Process,
    DiagramPort,    // index: the entity's port
    DiagramGeneric, // index: the entity's generic
    ComponentPort,  // component, index: the entity's port
    ProcessPort,    // process, index: the process's port
    Segment,        // index: the net; segment
    BusEntry,       // index: the net; entry: the entry of that bus
    FreeText,       // index: the sheet's text
};

struct DiagramObject {
    DiagramObjectType type = DiagramObjectType::Component;
    Component* component = nullptr;
    Process* process = nullptr;
    std::size_t index = 0;
    SegmentRef segment;
    std::size_t entry = 0;

    bool operator==(const DiagramObject&) const = default;
};

using Selection = std::vector<DiagramObject>;

} // namespace zeph
