// A component (Verilog: instance) of an entity in a block diagram. Its generic values and port
// instances run parallel, by index, to the generics and ports of the entity.
#pragma once

#include "design/geometry.h"
#include "design/label_display.h"
#include "design/port.h"

#include <string>
#include <vector>

namespace zeph {

struct Architecture;
struct Component;
struct Entity;
struct Generic;

struct GenericValue {
    std::string actual_value; // up to 256
    int actual_unit = 0;
    int reserved = 0;
    LabelDisplay label;
    Generic* generic = nullptr;
};

struct PortInstance {
    int display_option = 0;
    LabelDisplay label;
    ConnectByName connect_by_name; // the tag of the port on this instance
    Port* port = nullptr;
    Component* component = nullptr;
};

// For an instance of a read-only module of another project.
struct LibraryModuleRef {
    std::string path; // project path, up to 256
    std::string entity_name;
    std::string architecture_name;
    std::string library_name;
};

struct Component {
    std::string name; // up to 32
    Point position;   // the box; the opposite corner adds the entity's symbol size
    Entity* entity = nullptr;
    Architecture* bound_architecture = nullptr;
    Architecture* owner = nullptr;
    LibraryModuleRef library_module;
    int reserved = 0;
    std::vector<GenericValue> generic_values;
    std::vector<PortInstance> port_instances;
    LabelDisplay name_label;
};

} // namespace zeph
