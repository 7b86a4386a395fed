// Reads the input as a design file and as the source of a library entity. A failed read must
// leave an empty design; a successful one must write a text that reads again, and all guarded
// memory must be returned.
#include "design/design_file.h"
#include "design/library_entity.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {
void on_error(int, const char*) {}

// Names the broken promise before stopping, so a crash report from a short run says what failed.
void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "design_file_fuzz: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    long live_before = cwmem_live_count();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        zeph::Design design;
        int code = zeph::read_design_text(text, design);
        if (code != 0) {
            check(design.entities.empty() && design.library_entries.count() == 0,
                  "a failed read left records behind");
        } else {
            zeph::Design again;
            check(zeph::read_design_text(zeph::design_file_text(design), again) == 0,
                  "the written text does not read again");
            check(again.entities.size() == design.entities.size(), "entities lost in the round trip");
        }
        std::unique_ptr<zeph::Entity> entity;
        code = zeph::read_library_entity_text(text, "Toplevel", entity);
        check((code == 0) == (entity != nullptr), "library fetch result and entity disagree");
    }
    check(cwmem_live_count() == live_before, "guarded memory not returned");
    return 0;
}
