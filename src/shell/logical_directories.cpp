// Logical directory expansion and path resolution.
#include "shell/logical_directories.h"

#include "foundation/file_names.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace zeph {

namespace {
bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool has_drive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && is_letter(path[0]);
}

void refuse(const std::string& path, ui::Platform* shown_on) {
    if (shown_on != nullptr)
        shown_on->message_box(program_name(), format_text("Illegal directory '%s'.", path.c_str()));
}
} // namespace

std::optional<std::string> expand_logical_directory(std::string_view path, const Settings& settings,
                                                    ui::Platform* shown_on) {
    if (path.empty() || path.front() != '$') return std::string(path);
    std::size_t end = path.find_first_of("\\/", 1);
    std::string name(path.substr(1, end == std::string_view::npos ? end : end - 1));
    std::string_view rest = end == std::string_view::npos ? std::string_view() : path.substr(end);

    const std::string* definition = name.empty() ? nullptr : settings.directory(name);
    const char* env = name.empty() ? nullptr : std::getenv(name.c_str());
    if (definition == nullptr && env == nullptr) {
        if (shown_on != nullptr)
            shown_on->status(format_text("No definition for logical directory '%s'.", name.c_str()),
                             true);
        return std::nullopt;
    }
    return (definition != nullptr ? *definition : std::string(env)) + std::string(rest);
}

std::optional<std::string> current_directory() {
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) == nullptr) return std::nullopt;
    return std::string(buffer.data());
}

std::optional<std::string> resolve_path(std::string_view path, const Settings& settings,
                                        const std::string& cwd, ui::Platform* shown_on) {
    std::optional<std::string> expanded = expand_logical_directory(path, settings, shown_on);
    if (!expanded) return std::nullopt;
    std::string p = *expanded;
    for (char& c : p)
        if (c == '\\') c = '/';

    if (has_drive(p) && (p.size() == 2 || p[2] != '/')) {
        refuse(p, shown_on);
        return std::nullopt;
    }
    if (!has_drive(p) && (p.empty() || p.front() != '/')) {
        while (p.size() >= 2 && p[0] == '.' && p[1] == '/')
            p.erase(0, 2);
        if (p == ".") p.clear();
        p = p.empty() ? cwd : strip_separator(cwd) + "/" + p;
    }
    if (p.size() > 1) p = strip_separator(p);
    if (p.size() > kMaxPathLength) {
        refuse(p, shown_on);
        return std::nullopt;
    }
    return p;
}

std::optional<std::string> resolve_path(std::string_view path, const Settings& settings,
                                        ui::Platform* shown_on) {
    std::optional<std::string> cwd = current_directory();
    if (!cwd) {
        refuse(std::string(path), shown_on);
        return std::nullopt;
    }
    return resolve_path(path, settings, *cwd, shown_on);
}

} // namespace zeph
