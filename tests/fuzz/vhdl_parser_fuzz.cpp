// Any bytes through the VHDL parser with a small stack limit (so deep nesting ends the parse
// instead of growing without bound): the parse ends, and every architecture's text span lies
// within the file. The first byte picks VHDL 87 or 93.
#include "import/import_log.h"
#include "import/source_text.h"
#include "import/vhdl_parser.h"
#include "ui/scripted_platform.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeph::vhdl;
    if (size == 0) return 0;
    ui::ScriptedPlatform platform;
    SourceText source(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    ImportLog log(platform);
    ParseOptions options;
    options.vhdl93 = (data[0] & 1) != 0;
    options.stack_limit = 200;
    options.file_name = "fuzz.vhd";
    ParsedFile parsed = parse_vhdl(source, log, options);
    for (const DesignUnit& unit : parsed.units) {
        if (unit.kind != UnitKind::Architecture) continue;
        if (unit.text_end != 0 &&
            (unit.text_begin > unit.text_end || unit.text_end > source.size()))
            std::abort();
    }
    if (parsed.errors < 0 || parsed.warnings < 0) std::abort();
    return 0;
}
