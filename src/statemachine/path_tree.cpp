// The path-tree analysis of an implicit machine, which turns its states into nested if and
// loop statements. Until it exists no HDL can be written for such a machine, and verification
// says so as an error.
#include "statemachine/machine_checker.h"

namespace zeph {

void analyse_path_tree(MachineChecker& checker) {
    report_no_hdl_yet(checker);
}

} // namespace zeph
