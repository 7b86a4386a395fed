// An entity (Verilog: module): its interface (generics, ports), its architectures and its
// testbench.
#pragma once

#include "design/architecture.h"
#include "design/generic.h"
#include "design/package_spec.h"
#include "design/port.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

inline constexpr int kDefaultSymbolHeight = 1024;
inline constexpr int kDefaultSymbolWidth = 512;

struct Entity {
    std::string name;                // up to 32 characters
    std::string directory;           // up to 8 characters, lower case
    std::string library_name;        // of an external or library entity
    std::string library_module_path; // read-only module of another project, or empty
    std::string library_module_name; // last part of that path without extension, up to 29
    std::string comment;
    std::string declarations;
    bool external = false;
    PackageIdList bound_packages;
    std::vector<std::unique_ptr<Generic>> generics;
    std::vector<std::unique_ptr<Port>> ports;
    std::vector<std::unique_ptr<Architecture>> architectures; // the first is the default binding
    int architecture_directory_counter = 0;
    unsigned status = 0;
    int symbol_height = 0;
    int symbol_width = 0;
    std::unique_ptr<Entity> testbench;
    Entity* tested_entity = nullptr;

    bool is_library_module() const { return !library_module_path.empty(); }
};

} // namespace zeph
