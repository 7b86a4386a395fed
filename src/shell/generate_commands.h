// The shell's "generate" command: the generation run of the open design's language, with
// the generate dialog's choices given as words, for scripts and batch runs.
#pragma once

#include <functional>

namespace zeph {

class Shell;
class SettingsFile;
struct Design;

// Whether the last verification left a design from which generation may start: by default
// the verification commands' rule (a whole-design verification that left an eligible root).
using GenerationGate = std::function<bool(const Design&)>;
bool generation_possible(const Design& design);

void add_generate_commands(Shell& shell, SettingsFile& settings, std::function<Design*()> design,
                           GenerationGate gate = generation_possible);

} // namespace zeph
