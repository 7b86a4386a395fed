// Value checks: generic values, range bounds of diagram ports, component ports and buses
// evaluated against the generics in scope, default values, guarded kinds, and the indices
// and slices of bus entries.
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/generic.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace zeph {

namespace {

// Value-role indices of the messages.
constexpr int kRoleDefault = 0;
constexpr int kRoleLeft = 2;
constexpr int kRoleRight = 3;
constexpr int kRoleIndex = 4;
constexpr int kRoleMinimum = 5;
constexpr int kRoleMaximum = 6;

enum class Evaluation { Known, NotComputed, Failed };

struct Bound {
    Evaluation outcome = Evaluation::Failed;
    int value = 0;
    int reason = 1; // of message 50: 1 not an integer, 2 not found, 3 not of an integer type
};

bool integer_type(const VerifyRun& run, int type) {
    return run.verilog() || type == 4 || type == 5 || type == 6;
}

const Generic* find_generic(const VerifyRun& run, const Entity& entity, const std::string& name,
                            std::size_t* index = nullptr) {
    for (std::size_t i = 0; i < entity.generics.size(); ++i)
        if (names_equal(entity.generics[i]->name, name, run.rules.rules)) {
            if (index != nullptr) *index = i;
            return entity.generics[i].get();
        }
    return nullptr;
}

// The integer a generic's value stands for; a value naming a generic of the diagram around
// a component is followed one step.
std::optional<int> generic_integer(const VerifyRun& run, std::string value, const Entity* outer) {
    int number = 0;
    if (normalise_integer(value, &number)) return number;
    if (outer == nullptr) return std::nullopt;
    const Generic* generic = find_generic(run, *outer, value);
    if (generic == nullptr) return std::nullopt;
    std::string text = generic->default_value;
    if (!normalise_integer(text, &number)) return std::nullopt;
    return number;
}

// A range bound or index: an integer, or the name of a generic of `entity` (of the component's
// entity when a component is given, taking the component's actual value first).
Bound evaluate(const VerifyRun& run, const std::string& text, const Entity& entity,
               const Component* component, bool natural) {
    Bound bound;
    std::string number_text = text;
    int number = 0;
    if (normalise_integer(number_text, &number)) {
        bound.outcome = natural && number < 0 ? Evaluation::Failed : Evaluation::Known;
        bound.value = number;
        return bound;
    }
    const Entity& scope =
        component != nullptr && component->entity != nullptr ? *component->entity : entity;
    std::size_t index = 0;
    const Generic* generic = check_identifier(text, 0, run.rules.rules) == 0
                                 ? find_generic(run, scope, text, &index)
                                 : nullptr;
    if (generic == nullptr) {
        bound.reason = check_identifier(text, 0, run.rules.rules) == 0 ? 2 : 1;
        return bound;
    }
    if (!integer_type(run, generic->type)) {
        bound.reason = 3;
        return bound;
    }
    std::string value = generic->default_value;
    const Entity* outer = nullptr;
    if (component != nullptr) {
        if (index < component->generic_values.size() &&
            !component->generic_values[index].actual_value.empty())
            value = component->generic_values[index].actual_value;
        outer = component->owner != nullptr ? component->owner->entity : nullptr;
    }
    std::optional<int> known = generic_integer(run, value, outer);
    if (!known) {
        bound.outcome = Evaluation::NotComputed;
        return bound;
    }
    bound.outcome = natural && *known < 0 ? Evaluation::Failed : Evaluation::Known;
    bound.value = *known;
    return bound;
}

// Where a checked value belongs, for the messages.
struct Subject {
    int kind = 0;
    std::string name;
    int referenced_kind = kKindDiagramGeneric;
    bool external = false;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
};

// Reports a bound that is not known; true when it is known.
bool report_bound(VerifyRun& run, const Bound& bound, int role, const std::string& text,
                  const Subject& subject) {
    switch (bound.outcome) {
    case Evaluation::Known:
        return true;
    case Evaluation::NotComputed:
        run.say(151, role, subject.kind, subject.referenced_kind, text, subject.name, {},
                subject.entity, subject.architecture);
        return false;
    case Evaluation::Failed:
        if (subject.external)
            run.say(111, role, subject.kind, 0, text, subject.name, {}, subject.entity,
                    subject.architecture);
        else
            run.say(50, role, subject.kind, bound.reason, text, subject.name, {}, subject.entity,
                    subject.architecture);
        return false;
    }
    return false;
}

bool null_range(int left, int right, int direction) {
    return direction == kDirectionTo ? left > right : left < right;
}

const char* direction_word(int direction) {
    return direction == kDirectionTo ? "To" : "Downto";
}

// Checks a range; the bounds when both are known and the range is not null.
std::optional<BusBits> check_range(VerifyRun& run, const Range& range, const Entity& scope,
                                   const Component* component, bool natural,
                                   const Subject& subject) {
    Bound left = evaluate(run, range.left, scope, component, natural);
    Bound right = evaluate(run, range.right, scope, component, natural);
    bool left_known = report_bound(run, left, kRoleLeft, range.left, subject);
    bool right_known = report_bound(run, right, kRoleRight, range.right, subject);
    if (!left_known || !right_known) return std::nullopt;
    if (null_range(left.value, right.value, range.direction)) {
        run.say(21, left.value, right.value, subject.kind, direction_word(range.direction),
                subject.name, {}, subject.entity, subject.architecture);
        return std::nullopt;
    }
    return BusBits{std::min(left.value, right.value), std::max(left.value, right.value)};
}

bool natural_index(const VerifyRun& run, const std::string& type_name, bool bus) {
    return effective_type_name(type_name, bus, run.rules) == "Bit_Vector";
}

void check_entry(VerifyRun& run, Entity& entity, Architecture& architecture, Net& bus,
                 BusEntry& entry) {
    std::string label = bus_entry_label_text(entry);
    std::string where = position_text(entry.bus_point);
    std::string bus_name = net_display_name(bus);
    auto fail = [&] { bus.status &= ~kNetValid; };
    if (entry.index == "?") {
        run.say(9, kKindBusEntry, kKindNet, 0, where, bus_name, {}, &entity, &architecture);
        fail();
        return;
    }
    if (!find_segment_through(bus, entry.bus_point)) {
        run.say(10, 0, 0, 0, where, bus_name, {}, &entity, &architecture);
        fail();
    }
    Subject subject{kKindBusEntry, label, kKindDiagramGeneric, false, &entity, &architecture};
    int errors = run.report.errors();
    Bound left = evaluate(run, entry.index, entity, nullptr, false);
    bool known =
        report_bound(run, left, entry.slice ? kRoleLeft : kRoleIndex, entry.index, subject);
    Bound right = left;
    if (entry.slice) {
        right = evaluate(run, entry.right, entity, nullptr, false);
        known = report_bound(run, right, kRoleRight, entry.right, subject) && known;
    }
    if (run.report.errors() != errors) fail();
    if (!known) return;
    if (entry.slice && null_range(left.value, right.value, entry.direction)) {
        run.say(21, left.value, right.value, kKindBusEntry, direction_word(entry.direction), label,
                {}, &entity, &architecture);
        fail();
        return;
    }
    run.entry_bits[&entry] = {left.value, right.value};
    auto found = run.bus_bits.find(&bus);
    if (!run.rules.type_checks || found == run.bus_bits.end()) return;
    const BusBits& bits = found->second;
    auto out_of_range = [&](int role, int value) {
        run.say(11, role, value, 0, label, where, bus_name, &entity, &architecture);
        fail();
    };
    if (!entry.slice) {
        if (left.value < bits.low || left.value > bits.high) out_of_range(kRoleIndex, left.value);
        return;
    }
    int low = std::min(left.value, right.value);
    int high = std::max(left.value, right.value);
    if (low < bits.low) out_of_range(kRoleMinimum, low);
    if (high > bits.high) out_of_range(kRoleMaximum, high);
}

} // namespace

bool generic_type_valid(const VerifyRun& run, const Generic& generic) {
    if (run.verilog()) return true;
    if (generic.type >= 1 && generic.type <= 7) return true;
    return generic.type == kGenericTypeUserDefined && !generic.user_type_name.empty();
}

std::string generic_type_text(const Generic& generic) {
    if (generic.type == kGenericTypeUserDefined) return generic.user_type_name;
    if (generic.type >= 0 && generic.type < kGenericTypeCount)
        return kGenericTypeWords[generic.type];
    return std::to_string(generic.type);
}

bool generic_value_legal(const VerifyRun& run, const std::string& value, int type,
                         const Entity* scope) {
    if (scope != nullptr && check_identifier(value, 0, run.rules.rules) == 0 &&
        find_generic(run, *scope, value) != nullptr)
        return true;
    return generic_value_is_legal(value, type, run.verilog());
}

void check_diagram_port_values(VerifyRun& run, Entity& entity) {
    for (auto& port : entity.ports) {
        Subject subject{kKindDiagramPort, port->name, kKindDiagramGeneric,
                        entity.external,  &entity,    nullptr};
        if (port->range.has_range && run.rules.type_checks)
            check_range(run, port->range, entity, nullptr,
                        natural_index(run, port->type_name, true), subject);
        std::string type = effective_type_name(port->type_name, port->range.has_range, run.rules);
        if (!default_value_is_legal(port->default_value, type)) {
            if (entity.external)
                run.say(111, kRoleDefault, kKindDiagramPort, 0, port->default_value, port->name, {},
                        &entity);
            else
                run.say(50, kRoleDefault, kKindDiagramPort, 0, port->default_value, port->name, {},
                        &entity);
        }
        if (port->signal_kind == 1 || port->signal_kind == 2)
            run.say(153, kKindDiagramPort, 0, 0, port->name, {}, {}, &entity);
    }
}

void check_entity_values(VerifyRun& run, Entity& entity, bool diagrams) {
    check_diagram_port_values(run, entity);
    entity.status |= kStatusPhase2;
    if (!diagrams || entity.external) return;
    for (auto& architecture : entity.architectures) {
        if (architecture->block_diagram == nullptr) continue;
        if (run.mode == VerifyMode::Architecture &&
            architecture.get() != run.design.current_architecture)
            continue;
        check_component_port_ranges(run, entity, *architecture);
        reset_process_ports(run, *architecture);
        check_net_values(run, entity, *architecture);
        architecture->status |= kStatusPhase2;
    }
}

void check_component_port_ranges(VerifyRun& run, Entity& entity, Architecture& architecture) {
    if (!run.rules.type_checks) return;
    for (auto& component : architecture.block_diagram->components) {
        Entity* used = component->entity;
        if (used == nullptr) continue;
        for (auto& port : used->ports) {
            if (!port->range.has_range) continue;
            Subject subject{kKindComponentPort, port->name, kKindComponentGeneric,
                            used->external,     &entity,    &architecture};
            check_range(run, port->range, entity, component.get(),
                        natural_index(run, port->type_name, true), subject);
        }
    }
}

void reset_process_ports(VerifyRun& run, Architecture& architecture) {
    for (auto& process : architecture.block_diagram->processes)
        for (auto& port : process->ports)
            run.earlier_signal_names[port.get()] = std::exchange(port->name, std::string());
}

void check_net_values(VerifyRun& run, Entity& entity, Architecture& architecture) {
    for (auto& owned : architecture.block_diagram->nets) {
        Net& net = *owned;
        std::string name = net_display_name(net);
        std::string type = effective_type_name(net.type_name, net.bus, run.rules);
        if (!default_value_is_legal(net.default_value, type)) {
            run.say(50, kRoleDefault, kKindNet, 0, net.default_value, name, {}, &entity,
                    &architecture);
            net.status &= ~kNetValid;
        }
        if (!net.bus) {
            if (!net.bus_entries.empty()) {
                run.say(8, static_cast<int>(net.bus_entries.size()), 0, 0, name, {}, {}, &entity,
                        &architecture);
                net.status &= ~kNetValid;
            }
            continue;
        }
        Subject subject{kKindNet, name, kKindDiagramGeneric, false, &entity, &architecture};
        int errors = run.report.errors();
        std::optional<BusBits> bits = check_range(run, net.range, entity, nullptr,
                                                  natural_index(run, net.type_name, true), subject);
        // Every bit gets its own record, so a bus may not be arbitrarily wide.
        if (bits && static_cast<long long>(bits->high) - bits->low >= kMaxBusWidth) {
            run.say(50, kRoleRight, kKindNet, 1, net.range.right, name, {}, &entity, &architecture);
            bits.reset();
        }
        if (bits)
            run.bus_bits[&net] = *bits;
        else
            run.bus_bits.erase(&net);
        if (run.report.errors() != errors || !bits) net.status &= ~kNetValid;
        for (auto& entry : net.bus_entries)
            check_entry(run, entity, architecture, net, *entry);
    }
}

std::optional<int> evaluated_width(VerifyRun& run, Architecture& architecture, const Range& range,
                                   const Component* owner) {
    Entity* entity = architecture.entity;
    if (entity == nullptr) return integer_range_width(range);
    Bound left = evaluate(run, range.left, *entity, owner, false);
    Bound right = evaluate(run, range.right, *entity, owner, false);
    if (left.outcome != Evaluation::Known || right.outcome != Evaluation::Known)
        return std::nullopt;
    long long width = static_cast<long long>(left.value) - right.value;
    if (width < 0) width = -width;
    if (width >= INT32_MAX) return std::nullopt;
    return static_cast<int>(width + 1);
}

} // namespace zeph
