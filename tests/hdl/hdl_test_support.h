// Helpers of the HDL rule tests: golden files under tests/golden/hdl, scratch directories, a
// fixture with a scripted platform and a small design as the current one.
#pragma once

#include "hdl/design_events.h"

#include "design/design.h"
#include "design/design_constructors.h"
#include "hdl/package_validation.h"
#include "hdl/vhdl_keywords.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace hdl_test {

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_file(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Compares text with tests/golden/hdl/<name> byte for byte; ZEPH_UPDATE_GOLDEN=1 rewrites it.
inline ::testing::AssertionResult matches_golden(const std::string& name, const std::string& text) {
    std::filesystem::path path = std::filesystem::path(ZEPH_SOURCE_DIR) / "tests/golden/hdl" / name;
    if (const char* update = std::getenv("ZEPH_UPDATE_GOLDEN"); update && *update == '1') {
        write_file(path, text);
        return ::testing::AssertionSuccess();
    }
    std::string expected = read_file(path);
    if (expected == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "differs from " << path << "\n--- expected\n"
                                         << expected << "--- actual\n"
                                         << text;
}

class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zeph-hdl-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline zeph::Entity& add_named_entity(zeph::Design& design, const std::string& name) {
    return zeph::add_entity(design, zeph::new_entity(design, name));
}

inline zeph::PackageSpec* add_spec(zeph::Design& design, const char* library, const char* package,
                                   const char* suffix, bool global = false) {
    zeph::PackageSpec* spec = zeph::new_package_spec();
    zeph::set_package_field(spec->library, library);
    zeph::set_package_field(spec->package, package);
    zeph::set_package_field(spec->suffix, suffix);
    spec->global = global ? 1 : 0;
    design.library_entries.append(spec);
    return spec;
}

// A scripted platform, an empty design and the design events of a session without hooks.
class HdlTest : public ::testing::Test {
  protected:
    ui::ScriptedPlatform platform;
    zeph::Design design;
    zeph::DesignEvents events{platform};
};

} // namespace hdl_test
