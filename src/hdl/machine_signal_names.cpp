// The names of the state signals: the base name with the identifier suffix, "_I" appended
// when a port already has that name, and "_I1", "_I2", ... on the base name while the
// candidates still collide.
#include "hdl/machine_generation.h"

#include "foundation/strings.h"

namespace zeph {

namespace {
bool names_a_port(const std::string& name, const std::vector<std::unique_ptr<Port>>& ports) {
    for (const auto& port : ports)
        if (equal_ignoring_case(port->name, name)) return true;
    return false;
}

std::string free_name(const char* base, const std::string& suffix,
                      const std::vector<std::unique_ptr<Port>>& ports) {
    std::string name = std::string(base) + suffix;
    if (!names_a_port(name, ports)) return name;
    name += "_I";
    for (int n = 1; names_a_port(name, ports); ++n)
        name = format_text("%s_I%d", base, n);
    return name;
}
} // namespace

MachineSignals machine_signal_names(const StateMachine& machine, MachineMode mode,
                                    const std::vector<std::unique_ptr<Port>>& ports) {
    const std::string& suffix = machine.identifier_suffix;
    if (mode == MachineMode::SingleClocked || mode == MachineMode::ClockedWithActions) {
        std::string state = free_name("state", suffix, ports);
        return {state, state};
    }
    return {free_name("cur_state", suffix, ports), free_name("next_state", suffix, ports)};
}

} // namespace zeph
