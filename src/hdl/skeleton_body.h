// The user's part of a new HDL file, written after its meta comment: the architecture start
// and end lines, or the process heading and end line, with room for the user between them.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

void write_skeleton_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Process* process);

} // namespace zeph
