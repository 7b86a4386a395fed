// The path-tree analysis of an implicit machine, which turns its states into nested if and
// loop statements. Until it exists no HDL can be written for such a machine, and verification
// says so as an error.
#include "statemachine/machine_checker.h"

#include "foundation/kind_vocabulary.h"

namespace zeph {

void analyse_path_tree(MachineChecker& checker) {
    constexpr int kNotYetSupported = 60;
    if (checker.is_process())
        checker.say(kNotYetSupported, kKindProcess, 0, 0, checker.scope.process->name);
    else
        checker.say(kNotYetSupported, kKindArchitecture, 0, 0, checker.scope.architecture.name);
}

} // namespace zeph
