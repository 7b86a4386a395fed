// Helpers of the editor tests: buffers made from text, a temporary directory, whole files.
#pragma once

#include "editor/apply_edit.h"
#include "editor/edit_buffer.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace zped::test {

inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        lines.push_back(text.substr(from, nl == std::string::npos ? std::string::npos : nl - from));
        if (nl == std::string::npos) return lines;
        from = nl + 1;
    }
}

inline std::unique_ptr<EditBuffer> buffer_with(const std::string& text) {
    auto buffer = std::make_unique<EditBuffer>();
    buffer->set_lines(lines_of(text));
    buffer->file_name = "test.vhd";
    InitHistory(*buffer);
    return buffer;
}

inline std::string text_of(const EditBuffer& buffer) {
    return buffer.text_between({0, 0}, buffer.end_of_text());
}

inline void insert(EditBuffer& b, TextPosition at, const std::string& text) {
    TextPosition cursor = end_of_inserted(at, text);
    ApplyEdit(b, at, at, text, cursor, {}, SelectionRequest::empty_at(cursor));
}

inline void erase(EditBuffer& b, TextPosition from, TextPosition to) {
    ApplyEdit(b, from, to, "", from, {}, SelectionRequest::empty_at(from));
}

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zped-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string read_whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace zped::test
