// Shared parts of the import tests.
#include "import_test_support.h"

#include "import/import_log.h"
#include "import/vhdl_parser.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zeph::vhdl::testing {

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeph-import-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

ParsedFile parse_text(const std::string& text, ui::ScriptedPlatform& platform, bool vhdl93,
                      int debug_level, std::size_t stack_limit) {
    SourceText source(text);
    ImportLog log(platform);
    ParseOptions options;
    options.vhdl93 = vhdl93;
    options.debug_level = debug_level;
    options.stack_limit = stack_limit;
    options.file_name = "test.vhd";
    ParsedFile parsed = parse_vhdl(source, log, options);
    log.flush();
    return parsed;
}

ImportBench::ImportBench() : project(scratch.path() / "design.vdp") {
    std::filesystem::create_directories(project / "work");
    design.vhdl_signal_type = "bit";
    design.vhdl_vector_type = "bit_vector";
}

ImportOutcome ImportBench::import_text(const std::string& text, const std::string& name) {
    std::filesystem::path file = scratch.path() / name;
    write_file(file, text);
    return import_file(file);
}

ImportOutcome ImportBench::import_file(const std::filesystem::path& path) {
    return import_vhdl_file(path.string(), design, project, platform, ImportSettings{});
}

std::string ImportBench::report() const {
    std::string joined;
    for (const std::string& line : platform.report_lines())
        joined += line + "\n";
    return joined;
}

} // namespace zeph::vhdl::testing
