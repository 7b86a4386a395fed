// Golden files, scratch directories and fixtures of the design tests.
#include "support/design_test_support.h"

#include "design/block_diagram.h"
#include "design/design_defaults.h"
#include "foundation/clock.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace zeph::testing {

namespace {
std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void reverse_in(Entity& entity) {
    for (auto& architecture : entity.architectures)
        if (architecture->block_diagram)
            for (auto& net : architecture->block_diagram->nets)
                std::reverse(net->junctions.begin(), net->junctions.end());
    if (entity.testbench) reverse_in(*entity.testbench);
}
} // namespace

std::string first_difference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string la, lb;
    for (int line = 1;; ++line) {
        bool more_a = static_cast<bool>(std::getline(a, la));
        bool more_b = static_cast<bool>(std::getline(b, lb));
        if (!more_a && !more_b) return "texts differ only in their line ends";
        if (!more_a || !more_b || la != lb)
            return "line " + std::to_string(line) + ":\n  expected: " + (more_a ? la : "<end>") +
                   "\n  actual:   " + (more_b ? lb : "<end>");
    }
}

::testing::AssertionResult matches_golden(const std::string& name, const std::string& text) {
    std::filesystem::path path =
        std::filesystem::path(ZEPH_SOURCE_DIR) / "tests" / "golden" / "design" / name;
    const char* update = std::getenv("ZEPH_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return ::testing::AssertionSuccess();
    }
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure() << "golden file missing: " << path;
    std::string expected = read_file(path);
    if (expected == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "differs from " << path << " at " << first_difference(expected, text);
}

std::string data_file(const std::string& name) {
    return read_file(std::filesystem::path(ZEPH_SOURCE_DIR) / "tests" / "design" / "data" / name);
}

void DesignFileTest::SetUp() {
    set_fixed_clock(std::time_t{1700000000});
}

void DesignFileTest::TearDown() {
    set_fixed_clock(std::nullopt);
}

ScratchDirectory::ScratchDirectory() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("zeph-design-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void reverse_junction_points(Design& design) {
    for (auto& entity : design.entities)
        reverse_in(*entity);
}

} // namespace zeph::testing
