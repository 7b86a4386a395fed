// HDL text of the state machines of designs read from design files: every machine, verified
// or not, is written in VHDL and in Verilog (architectures, and the declarations and text of
// state-diagram processes) without a crash whatever it holds, and the text of a machine is the
// same when it is written twice.
#include "blockdiagram/verify_run.h"
#include "design/block_diagram.h"
#include "design/design_file.h"
#include "design/report.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"
#include "hdl/architecture_text.h"
#include "hdl/hdl_context.h"
#include "hdl/state_machine_text.h"
#include "shell/machine_verify_hooks.h"
#include "ui/scripted_platform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void on_error(int, const char*) {}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "machine_hdl_fuzz: %s\n", what);
    std::abort();
}

std::string machine_text(const zeph::HdlContext& context, const zeph::Entity& entity,
                         const zeph::Architecture& architecture) {
    std::ostringstream out;
    if (architecture.state_machine) zeph::write_architecture(out, context, entity, architecture);
    if (!architecture.block_diagram) return out.str();
    zeph::write_state_process_shared_declarations(out, context, architecture);
    for (const auto& process : architecture.block_diagram->processes) {
        if (!process->state_machine) continue;
        zeph::write_state_process_declarations(out, context, *process);
        zeph::write_state_process(out, context, *process);
    }
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    zeph::Design design;
    if (zeph::read_design_text(std::string_view(reinterpret_cast<const char*>(data), size),
                               design) != 0)
        return 0;
    ui::ScriptedPlatform platform;
    zeph::Report report(platform);
    zeph::VerifyOptions options;
    zeph::add_state_machine_checks(options.hooks, design);
    zeph::verify_design(design, options, report);
    for (int language : {1, 2}) {
        design.target_language = language;
        zeph::HdlContext context(design, platform);
        for (const auto& entity : design.entities)
            for (const auto& architecture : entity->architectures) {
                std::string first = machine_text(context, *entity, *architecture);
                check(machine_text(context, *entity, *architecture) == first,
                      "a machine's text differs when written again");
            }
    }
    return 0;
}
