// Splitting paths into their name parts.
#include "foundation/file_names.h"

namespace zeph {

bool is_separator(char ch) {
    return ch == '/' || ch == '\\';
}

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

std::string file_part(std::string_view path) {
    return std::string(path.substr(name_start(path)));
}

std::optional<std::string> file_stem(std::string_view path) {
    std::string_view name = path.substr(name_start(path));
    if (name.empty() || name.size() > kMaxStemSource) return std::nullopt;
    return std::string(name.substr(0, name.find('.')));
}

} // namespace zeph
