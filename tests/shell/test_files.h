// Helpers of the shell tests: a scratch directory removed at the end, whole-file reading and
// writing, and golden-file comparison.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace shell_test {

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zeph-shell-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_file(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Compares text with tests/golden/shell/<name> byte for byte; ZEPH_UPDATE_GOLDEN=1 rewrites
// the golden file instead.
inline void expect_golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(ZEPH_SOURCE_DIR) + "/tests/golden/shell/" + name;
    if (const char* update = std::getenv("ZEPH_UPDATE_GOLDEN"); update && *update == '1') {
        write_file(path, actual);
        return;
    }
    EXPECT_EQ(read_file(path), actual) << "golden file " << path;
}

// Replaces every occurrence of `from` in text.
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t pos = 0; !from.empty() && (pos = text.find(from, pos)) != std::string::npos;
         pos += to.size())
        text.replace(pos, from.size(), to);
    return text;
}

} // namespace shell_test
