// Whole-design verification, with the state machine checks, of designs read from design files:
// nothing may crash whatever the machines hold, and the order that the checks give the
// transition lists is stable (a second run writes the same design).
#include "blockdiagram/verify_run.h"
#include "design/design_file.h"
#include "design/report.h"
#include "foundation/clock.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"
#include "shell/machine_verify_hooks.h"
#include "ui/scripted_platform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void on_error(int, const char*) {}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "machine_verify_fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    // The design file's time stamp must not tell the two writes apart.
    zeph::set_fixed_clock(std::time_t{0});
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
    const std::string first = zeph::design_file_text(design);
    zeph::verify_design(design, options, report);
    check(zeph::design_file_text(design) == first, "a second verification reorders again");
    return 0;
}
