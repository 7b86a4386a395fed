// The choices of the generate dialog as operations: which entities may be the root, the root
// proposed when none is remembered, and the check of the working library.
#pragma once

#include "ui/platform.h"

#include <string>
#include <vector>

namespace zeph {

struct Design;
struct Entity;

// Neither a library nor an external entity nor the design's top-level entity, and verified
// without error down the whole hierarchy by the last verification.
bool eligible_root(const Design& design, const Entity& entity);
std::vector<const Entity*> eligible_roots(const Design& design);

// The remembered root while it still exists; else the entity of the first component of the
// top-level diagram when the top-level entity and architecture, that entity and the
// component's bound architecture are all verified down the hierarchy; else null.
const Entity* proposed_root(const Design& design, const Entity* remembered);

// An empty name or a legal identifier of at most 32 characters under the rules; otherwise its
// identifier message is shown.
bool check_working_library(ui::Platform& platform, const std::string& name, int rules);

} // namespace zeph
