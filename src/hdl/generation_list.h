// The generation list of a run: the entities reached from the root in ascending level, then
// all others, with the bound count of every architecture, and the check whether the bindings
// of the list can be resolved without a configuration.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace zeph {

struct Architecture;
struct Design;
struct Entity;
struct HdlContext;

struct GenerationList {
    std::vector<const Entity*> entities; // reached ones first, by level, each level in design order
    std::size_t reached = 0;
    std::unordered_map<const Entity*, int> levels;             // 0: not reached
    std::unordered_map<const Architecture*, int> bound_counts; // 0 or missing: not bound
};

// With a starting architecture only what it binds is followed; without one every
// architecture of the root and, below it, every architecture of each entity.
GenerationList build_generation_list(const Design& design, const Entity& root,
                                     const Architecture* start);

// Architectures that are bound and were free of errors at the last verification.
int bound_clean_architectures(const HdlContext& context, const Entity& entity);

// The first entity, walking from the last reached one to the root, that has two or more bound
// and clean architectures; null when the bindings resolve. Only the root is examined without
// the subtree or with configuration specifications; nothing when no architectures are written
// or configuration declarations are.
const Entity* ambiguous_binding(const HdlContext& context, const GenerationList& list);

// Asks "Configuration needed to resolve bindings. Continue ?" when a binding is ambiguous
// (VHDL only); false when the answer is No.
bool check_bindings(const HdlContext& context, const GenerationList& list);

} // namespace zeph
