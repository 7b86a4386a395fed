// Verification of an implicit machine's control structure: its path tree must build. A machine
// that it refuses gets the first fault as message 33; one that it accepts is written as the
// WAIT-statement process of its tree.
#include "statemachine/implicit_path_tree.h"
#include "statemachine/machine_checker.h"

namespace zeph {

void analyse_path_tree(MachineChecker& checker) {
    PathTree tree = build_path_tree(checker.machine);
    if (!tree.failed) return;
    const PathTreeError& e = tree.error;
    checker.say(33, e.limit, 0, 0, e.s1, e.s2, e.s3, e.form);
}

} // namespace zeph
