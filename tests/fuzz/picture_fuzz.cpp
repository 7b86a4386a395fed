// Reads the input as a design file and, when it is accepted, draws every block diagram, state
// diagram and process diagram of it as SVG. Whatever the file holds (coordinates at the ends of
// the range, odd sizes and colours, texts that are not UTF-8), drawing must not fail and every
// document must be complete.
#include "design/block_diagram.h"
#include "design/design_file.h"
#include "design/entity.h"
#include "drawing/diagram_renderer.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void on_error(int, const char*) {}

void check_document(const std::string& svg) {
    const std::string_view end = "</svg>\n";
    if (svg.rfind("<?xml", 0) != 0 || svg.size() < end.size() ||
        svg.compare(svg.size() - end.size(), end.size(), end) != 0)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zeph::Design design;
    if (zeph::read_design_text(text, design) != 0) return 0;
    zeph::DrawingOptions options;     // the documented colours and record defaults
    options.settings.grid_factor = 9; // the grid drawn wherever it is displayed
    for (auto& entity : design.entities)
        for (auto& architecture : entity->architectures) {
            check_document(zeph::block_diagram_svg(*architecture, options));
            if (architecture->block_diagram == nullptr) continue;
            for (auto& process : architecture->block_diagram->processes)
                check_document(zeph::process_diagram_svg(*process, options));
        }
    return 0;
}
