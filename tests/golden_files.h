// Comparing generated text with a file under tests/golden/; ZEPH_UPDATE_GOLDEN=1 rewrites the
// file instead, for reviewing the change with git diff.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zeph::testing_support {

inline ::testing::AssertionResult matches_golden_file(const std::filesystem::path& relative,
                                                      const std::string& text) {
    std::filesystem::path path = std::filesystem::path(ZEPH_SOURCE_DIR) / "tests" / "golden" / relative;
    const char* update = std::getenv("ZEPH_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return ::testing::AssertionSuccess();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return ::testing::AssertionFailure() << "golden file missing: " << path;
    std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (expected == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "differs from " << path << ":\n--- expected\n"
                                         << expected << "--- actual\n"
                                         << text;
}

} // namespace zeph::testing_support
