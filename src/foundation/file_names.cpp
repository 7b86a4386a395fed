// Splitting paths into their name parts.
#include "foundation/file_names.h"

#include <cstring>

namespace zeph {

bool is_separator(char ch) { return ch == '/' || ch == '\\'; }

std::string strip_separator(std::string_view path) {
    if (!path.empty() && is_separator(path.back())) path.remove_suffix(1);
    return std::string(path);
}

namespace {
std::size_t name_start(std::string_view path) {
    std::size_t pos = path.find_last_of(":/\\");
    return pos == std::string_view::npos ? 0 : pos + 1;
}
} // namespace

std::string file_part(std::string_view path) { return std::string(path.substr(name_start(path))); }

const char* file_stem(const char* path) {
    static char buffer[kMaxStemSource + 1];
    if (path == nullptr || *path == '\0') return nullptr;
    std::string_view name = std::string_view(path).substr(name_start(path));
    if (name.empty() || name.size() > kMaxStemSource) return nullptr;
    name = name.substr(0, name.find('.'));
    std::memcpy(buffer, name.data(), name.size());
    buffer[name.size()] = '\0';
    return buffer;
}

} // namespace zeph
