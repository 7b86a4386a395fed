// Machines whose HDL text cannot be written yet. Verification ends with an error for them, so
// that generation stays disabled instead of writing a netlist without the machine's text.
#include "statemachine/machine_checker.h"

#include "foundation/kind_vocabulary.h"

namespace zeph {

void report_no_hdl_yet(MachineChecker& checker) {
    constexpr int kNotYetSupported = 60;
    if (checker.is_process())
        checker.say(kNotYetSupported, kKindProcess, 0, 0, checker.scope.process->name);
    else
        checker.say(kNotYetSupported, kKindArchitecture, 0, 0, checker.scope.architecture.name);
}

} // namespace zeph
