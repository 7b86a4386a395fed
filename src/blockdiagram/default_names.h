// Default names of new objects: a prefix and the smallest number n >= 0 that gives a name not
// yet used ("u0", "u1", ...), cut to 32 characters.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"

#include <functional>
#include <string>
#include <string_view>

namespace zeph {

inline constexpr const char* kComponentPrefix = "u";
inline constexpr const char* kProcessPrefix = "pr";
inline constexpr const char* kGenericPrefix = "g";
inline constexpr const char* kPortPrefix = "p";
inline constexpr const char* kStatePrefix = "s";
inline constexpr const char* kOtherPrefix = "n";

// The first "%s%d" of the prefix for which `used` is false.
std::string first_free_name(std::string_view prefix,
                            const std::function<bool(const std::string&)>& used);

// Free names among the objects that would clash, compared under the design's name rule.
std::string default_component_name(const BlockDiagram& diagram, int rules);
std::string default_process_name(const BlockDiagram& diagram, int rules);
std::string default_port_name(const Entity& entity, int rules);
std::string default_generic_name(const Entity& entity, int rules);
// Entities of the design ("n%d", the prefix of anything else).
std::string default_entity_name(const Design& design, int rules);

} // namespace zeph
