// Reads the input as a macro file into a design that already holds an entity: a failed load
// must leave that design exactly as it was.
#include "design/design_constructors.h"
#include "design/macro_file.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"
#include "ui/scripted_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void on_error(int, const char*) {}

void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    long live_before = cwmem_live_count();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        zeph::Design design;
        zeph::Entity& counter = zeph::add_entity(design, zeph::new_entity(design, "counter"));
        zeph::add_architecture(counter, zeph::new_architecture(zeph::kArchitectureHdlFile, "rtl"));
        design.entity_directory_counter = 5;
        zeph::MacroLoad load;
        ui::ScriptedPlatform platform;
        if (zeph::read_macro_text(platform, text, design, load) != 0) {
            check(design.entities.size() == 1 && design.entity_directory_counter == 5);
            check(load.entities.empty());
        } else {
            check(design.entities.size() == 1 + load.entities.size());
        }
    }
    check(cwmem_live_count() == live_before);
    return 0;
}
