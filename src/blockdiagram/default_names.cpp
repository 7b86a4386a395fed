// Default names with the smallest free number.
#include "blockdiagram/default_names.h"

#include "design/name_limits.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
template <class Records>
bool name_in(const Records& records, const std::string& name, int rules) {
    for (const auto& record : records)
        if (names_equal(record->name, name, rules)) return true;
    return false;
}
} // namespace

std::string first_free_name(std::string_view prefix,
                            const std::function<bool(const std::string&)>& used) {
    for (int n = 0;; ++n) {
        std::string candidate = bounded(std::string(prefix) + std::to_string(n), kMaxHdlName);
        // A prefix of 32 characters leaves no room for the number: no other name is possible.
        if (!used(candidate) || candidate.size() <= prefix.size()) return candidate;
    }
}

std::string default_component_name(const BlockDiagram& diagram, int rules) {
    return first_free_name(kComponentPrefix, [&](const std::string& name) {
        return name_in(diagram.components, name, rules);
    });
}

std::string default_process_name(const BlockDiagram& diagram, int rules) {
    return first_free_name(kProcessPrefix, [&](const std::string& name) {
        return name_in(diagram.processes, name, rules);
    });
}

std::string default_port_name(const Entity& entity, int rules) {
    return first_free_name(kPortPrefix,
                           [&](const std::string& name) { return name_in(entity.ports, name, rules); });
}

std::string default_generic_name(const Entity& entity, int rules) {
    return first_free_name(kGenericPrefix, [&](const std::string& name) {
        return name_in(entity.generics, name, rules);
    });
}

std::string default_entity_name(const Design& design, int rules) {
    return first_free_name(kOtherPrefix, [&](const std::string& name) {
        return name_in(design.entities, name, rules);
    });
}

} // namespace zeph
