// Testbench files of any content: a refresh of the system lines keeps everything after the old
// meta comment byte for byte (carriage returns aside) behind a new meta comment, or leaves the
// file as it was; and any tool output, cut into pieces anywhere, becomes the same report lines.
#include "design/design.h"
#include "design/design_constructors.h"
#include "foundation/clock.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/hdl_file_scan.h"
#include "hdl/skeleton.h"
#include "hdl/testbench.h"
#include "hdl/tool_run.h"
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
            (std::filesystem::temp_directory_path() / "zeph-testbench-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        directory = pattern;
        tested = &add_entity(design, new_entity(design, "counter"));
        auto port = new_port();
        port->name = "q";
        port->mode = kModeOut;
        tested->ports.push_back(std::move(port));
        HdlContext context(design, platform);
        context.place.project_directory = directory;
        platform.queue(ui::Answer::No); // an empty file; each run writes its own
        testbench = create_testbench(context, design, *tested, "counter_tb", "counter_tb.vhd",
                                     DesignDefaults{});
        if (testbench == nullptr) std::abort();
    }
    ~World() {
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }
    ui::ScriptedPlatform platform;
    Design design;
    std::filesystem::path directory;
    Entity* tested = nullptr;
    Entity* testbench = nullptr;
};

std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void check_refresh(World& world, const std::string& file) {
    HdlContext context(world.design, world.platform);
    context.place.project_directory = world.directory;
    Architecture& architecture = *world.testbench->architectures.front();
    architecture.hdl_file->skeleton_current = 0;
    std::filesystem::path path =
        hdl_file_path(context.place, *world.testbench, architecture, *architecture.hdl_file, 1);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << file;
    bool refreshed =
        ensure_skeleton(context, path, *world.testbench, nullptr, architecture, nullptr);
    world.platform.clear_transcript();
    std::string after = read_all(path);
    if (!refreshed) {
        if (after != file) std::abort();
        return;
    }
    MetaCommentScan old_meta = scan_meta_comment(file, 1);
    std::string user = file.substr(old_meta.found ? old_meta.user_start() : 0);
    std::erase(user, '\r');
    MetaCommentScan new_meta = scan_meta_comment(after, 1);
    if (!new_meta.found || after.substr(new_meta.user_start()) != user) std::abort();
}

void check_lines(World& world, const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    ReportLineFeed feed(world.platform);
    world.platform.report_clear();
    for (std::size_t at = 0; at < text.size();) {
        std::size_t piece = 1 + static_cast<unsigned char>(text[at]) % 17;
        feed.take(std::string_view(text).substr(at, piece));
        at += piece;
    }
    feed.finish();
    std::string joined;
    for (const std::string& line : world.platform.report_lines())
        joined += line + "\n";
    std::string expected = text;
    std::erase(expected, '\r');
    if (!expected.empty() && expected.back() != '\n') expected += '\n';
    if (joined != expected && !(expected.empty() && joined.empty())) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    check_refresh(world, std::string(reinterpret_cast<const char*>(data), size));
    check_lines(world, data, size);
    return 0;
}
