// HDL files of any content: the scans never read past the file and return ordered regions,
// and a refresh either succeeds (the user's middle region survives, carriage returns aside,
// and no temporary file is left) or leaves the file byte for byte as it was. The first byte
// picks the owner: a VHDL architecture or process, a Verilog module body or always block.
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "foundation/clock.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/hdl_file_scan.h"
#include "hdl/skeleton.h"
#include "ui/scripted_platform.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace zeph;

struct World {
    World() {
        set_fixed_clock(std::time_t{1700000000});
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zeph-scan-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        directory = pattern;
        entity = &add_entity(design, new_entity(design, "e"));
        auto port = new_port();
        port->name = "clk";
        port->sensitivity = 1;
        entity->ports.push_back(std::move(port));
        architecture =
            &add_architecture(*entity, new_architecture(kArchitectureHdlFile, "a", entity));
        architecture->hdl_file->vhdl_file = "a.vhd";
        architecture->hdl_file->verilog_file = "a.v";
        diagram =
            &add_architecture(*entity, new_architecture(kArchitectureBlockDiagram, "s", entity));
        process =
            &add_process(*diagram->block_diagram, *diagram, new_process("p", kProcessHdlFile));
        auto process_port = new_port();
        process_port->name = "clk";
        process_port->sensitivity = 2;
        add_process_port(*process, std::move(process_port));
        process->hdl_file->vhdl_file = "p.vhd";
        process->hdl_file->verilog_file = "p.v";
    }
    ~World() {
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }
    ui::ScriptedPlatform platform;
    Design design;
    std::filesystem::path directory;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    Architecture* diagram = nullptr;
    Process* process = nullptr;
};

void check_regions(const RegionScan& scan, std::size_t size) {
    if (!scan.ok()) return;
    bool ordered = scan.user_start <= scan.heading_start && scan.heading_start < scan.heading_end &&
                   scan.heading_end <= scan.end_start && scan.end_start < scan.end_end &&
                   scan.end_end <= size && scan.size == size;
    if (!ordered) std::abort();
}

std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    if (size == 0) return 0;
    const int owner = data[0] % 4;
    const std::string file(reinterpret_cast<const char*>(data) + 1, size - 1);

    for (int language : {1, 2}) {
        MetaCommentScan meta = scan_meta_comment(file, language);
        if (meta.found && meta.error.empty() && (meta.start >= meta.end || meta.end > file.size()))
            std::abort();
    }
    RegionScan architecture_scan = scan_architecture(file, "e");
    RegionScan process_scan = scan_process(file);
    RegionScan always_scan = scan_always(file);
    check_regions(architecture_scan, file.size());
    check_regions(process_scan, file.size());
    check_regions(always_scan, file.size());

    Design& design = world.design;
    design.target_language = owner < 2 ? 1 : 2;
    Process* process = owner % 2 == 1 ? world.process : nullptr;
    Architecture& architecture = process != nullptr ? *world.diagram : *world.architecture;
    HdlContext context(design, world.platform);
    context.place.project_directory = world.directory;
    HdlFile& record = process != nullptr ? *process->hdl_file : *architecture.hdl_file;
    record.skeleton_current = 0;
    std::filesystem::path path =
        hdl_file_path(context.place, *world.entity, architecture, record, design.target_language);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << file;

    bool refreshed = ensure_skeleton(context, path, *world.entity, nullptr, architecture, process);
    world.platform.clear_transcript();
    std::string after = read_all(path);
    if (std::filesystem::exists(world.directory / kRefreshFileName)) std::abort();
    if (!refreshed) {
        if (after != file) std::abort(); // a failed refresh leaves the file untouched
        return 0;
    }
    const RegionScan* scan = nullptr;
    if (owner == 0) scan = &architecture_scan;
    if (owner == 1) scan = &process_scan;
    if (owner == 3) scan = &always_scan;
    if (scan != nullptr) {
        std::string middle = file.substr(scan->heading_end, scan->end_start - scan->heading_end);
        std::erase(middle, '\r');
        if (after.find(middle) == std::string::npos) std::abort();
    }
    return 0;
}
