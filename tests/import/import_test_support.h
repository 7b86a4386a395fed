// Shared parts of the import tests: a scratch project directory, a scripted platform, and
// running the parser or the whole import on a text.
#pragma once

#include "design/design.h"
#include "import/design_units.h"
#include "import/import_vhdl.h"
#include "ui/scripted_platform.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zeph::vhdl::testing {

class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& text);

// Parses a text as the file "test.vhd"; the report lines land in `platform`.
ParsedFile parse_text(const std::string& text, ui::ScriptedPlatform& platform, bool vhdl93 = false,
                      int debug_level = 0, std::size_t stack_limit = 10000);

// A design with the defaults of a new design and a project directory to import into.
struct ImportBench {
    ImportBench();
    ScratchDirectory scratch;
    std::filesystem::path project;
    Design design;
    ui::ScriptedPlatform platform;

    // Writes the text into "<name>" beside the project and imports it.
    ImportOutcome import_text(const std::string& text, const std::string& name = "source.vhd");
    ImportOutcome import_file(const std::filesystem::path& path);
    std::string report() const; // report lines joined with "\n"
};

} // namespace zeph::vhdl::testing
