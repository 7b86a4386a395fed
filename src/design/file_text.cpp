// Whole-file text input and output.
#include "design/file_text.h"

#include "design/design_file.h"

namespace zeph {

bool load_text_file(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    text.clear();
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

int write_text(std::FILE* file, const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) return kWriteFailed;
    if (std::fflush(file) != 0 || std::ferror(file) != 0) return kWriteFailed;
    return 0;
}

int save_text_file(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return kWriteCannotOpen;
    int result = write_text(file, text);
    if (std::fclose(file) != 0 && result == 0) result = kWriteFailed;
    return result;
}

} // namespace zeph
