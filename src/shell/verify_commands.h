// The shell's verification commands: "verify" (the current diagram), "verify-design" (the
// entire design) and "report" (shows the report window again), and the rule that enables the
// generate command.
#pragma once

#include <unordered_map>
#include <vector>

namespace zeph {

struct BlockDiagram;
struct Design;
struct Net;
class Shell;
class SettingsFile;
class ProjectSession;

void add_verify_commands(Shell& shell, SettingsFile& settings, ProjectSession& session);

// Generation is possible exactly after a whole-design verification that left an entity
// eligible as root; any later verification, and a new or opened design, disable it again.
bool generate_enabled();

// What the last whole-design verification left for HDL generation beside the marks on the
// records: the connect-by-name signals of every block diagram (their scratch nets carry the
// signal classes and connection records).
std::unordered_map<const BlockDiagram*, std::vector<const Net*>> verified_connect_by_name_signals();

// False when the design has changed since that verification, so that its marks and signals
// no longer describe it.
bool verification_still_current(const Design& design);

} // namespace zeph
