// Reads the input as a configuration file: a failure keeps the design's configurations, a
// success writes a text that reads back to the same text.
#include "design/configuration_file.h"
#include "foundation/clock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeph::set_fixed_clock(std::time_t{0}); // the written time stamps must not differ
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zeph::Design design;
    auto kept = std::make_unique<zeph::Configuration>();
    zeph::Configuration* kept_pointer = kept.get();
    design.configurations.push_back(std::move(kept));
    if (zeph::read_configuration_text(text, design) != 0) {
        check(design.configurations.size() == 1 && design.configurations[0].get() == kept_pointer);
        return 0;
    }
    std::string written = zeph::configuration_file_text(design);
    zeph::Design again;
    check(zeph::read_configuration_text(written, again) == 0);
    check(zeph::configuration_file_text(again) == written);
    return 0;
}
