// Testbenches: a second entity without ports whose one architecture ("test", an HDL file)
// instantiates the entity under test. Naming proposes the entity's name with "_tb" (with a
// counter while that name is taken); creating links both entities and makes the file's
// skeleton, and takes everything back when that is cancelled.
#pragma once

#include "ui/platform.h"

#include <optional>
#include <string>

namespace zeph {

struct Design;
struct DesignDefaults;
struct Entity;
struct HdlContext;

inline constexpr const char* kTestbenchArchitecture = "test";

// Whether a name is taken by an entity of the design or a testbench (under the design's rules).
bool entity_name_taken(const Design& design, const std::string& name);

// The entity's name cut to 29 characters and "_tb"; while that is taken, the name cut so that
// the whole fits 32 characters, "_tb" and a counter from 0.
std::string proposed_testbench_name(const Design& design, const Entity& entity);

// Asks "Enter name for testbench of entity 'e':" with the proposal until the answer is a legal
// identifier that no entity has (message 48 "Duplicate testbench name" otherwise). A name given
// by the caller is checked once instead. nullopt: cancelled or refused.
std::optional<std::string> name_testbench(const HdlContext& context, const Entity& entity,
                                          const std::optional<std::string>& given = std::nullopt);

// Creates the testbench `name` of `entity` with its architecture "test" whose file of the
// context's language is `file_name`, links the two and makes the file's skeleton (asking
// "Generate skeleton?"). Null when that was cancelled or failed: the testbench and its
// directory are gone again and the design is as before.
Entity* create_testbench(const HdlContext& context, Design& design, Entity& entity,
                         const std::string& name, const std::string& file_name,
                         const DesignDefaults& defaults);

// "Go to Testbench" is offered for an entity that is no library module, has a testbench and is
// verified without error down the whole hierarchy, in a VHDL design.
bool testbench_reachable(const Design& design, const Entity& entity);

} // namespace zeph
