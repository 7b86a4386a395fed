// Reads the input as a design file and copies every entity as the Edit Instance dialog does
// for "Create new entity": each copy must hold as many generics, ports and architectures as
// its original, and the design with the copies added must write a text that reads again.
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/entity_copy.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void on_error(int, const char*) {}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "entity_copy_fuzz: %s\n", what);
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
        if (zeph::read_design_text(text, design) == 0) {
            std::vector<zeph::Entity*> originals;
            for (auto& entity : design.entities)
                if (!entity->is_library_module()) originals.push_back(entity.get());
            int n = 0;
            for (zeph::Entity* original : originals) {
                std::string name = "copy_" + std::to_string(n++);
                std::unique_ptr<zeph::Entity> copy = zeph::copy_entity(design, *original, name);
                check(copy != nullptr, "an entity that was read cannot be copied");
                check(copy->name == name, "the copy lacks its name");
                check(copy->generics.size() == original->generics.size() &&
                          copy->ports.size() == original->ports.size() &&
                          copy->architectures.size() == original->architectures.size(),
                      "the copy lost records");
                zeph::add_entity(design, std::move(copy));
            }
            zeph::Design again;
            check(zeph::read_design_text(zeph::design_file_text(design), again) == 0,
                  "the design with the copies does not read again");
            check(again.entities.size() == design.entities.size(), "entities lost with the copies");
        }
    }
    check(cwmem_live_count() == live_before, "guarded memory not returned");
    return 0;
}
