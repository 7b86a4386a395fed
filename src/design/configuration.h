// A saved configuration: bindings of components to entities and architectures, by name.
#pragma once

#include <string>
#include <vector>

namespace zeph {

struct Binding {
    std::string entity; // each up to 32
    std::string architecture;
    std::string component;
    std::string bound_entity;
    std::string bound_architecture;
    bool operator==(const Binding&) const = default;
};

struct Configuration {
    std::string name;        // up to 32
    std::string description; // up to 50
    std::vector<Binding> bindings;
};

} // namespace zeph
